// frmMain: the controls of the "Lister", "Tester" and "Readme/Help" pages at their designed
// places, in twips within each page.

#include "frmMain.h"

#include "HelpView.h"
#include "common/PropertyBag.h"
#include "common/designed.h"
#include "listerdesign.h"
#include "listing.h"
#include "mainlayout.h"
#include "slider/RailSlider.h"
#include "splitter/Splitter.h"
#include "tabs/ctlTabs.h"
#include "unilistbox/UniListBox.h"
#include "unitext/UniText.h"

#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

QLabel* makeCaption(QWidget* page, const char* name, const QRect& place, const QString& text,
                    const QColor& colour = {})
{
    auto* label = makeDesigned<QLabel>(page, name, place, text);
    label->setAlignment(Qt::AlignCenter);
    label->setFont(sansSerifFont(true).toQFont());
    if (colour.isValid()) {
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText, colour);
        label->setPalette(palette);
    }
    return label;
}

UniListBox* makeArabicList(QWidget* page, const char* name, const QRect& place)
{
    auto* list = makeDesigned<UniListBox>(page, name, place);
    list->setFont(arabicFont(20.25, true));
    return list;
}

} // namespace

void frmMain::buildListerPage(QWidget* page)
{
    // The list and the full text share the splitter's area, the list above.
    Splitter1 = makeDesigned<Splitter>(page, "Splitter1", twipsRect(60, 150, 7860, 7485));
    PropertyBag splitter;
    splitter.write(QStringLiteral("Orientation"), -1);
    splitter.write(QStringLiteral("SplitPercent"), 60);
    splitter.write(QStringLiteral("SplitterWidth"), 50);
    Splitter1->readProperties(splitter);
    lstList = makeArabicList(Splitter1, "lstList", twipsRect(15, 75, 7770, 5790));
    txtCompleteText =
        makeDesigned<UniText>(Splitter1, "txtCompleteText", twipsRect(45, 5910, 7710, 1530));
    txtCompleteText->setProperties(txtCompleteTextProperties());

    cmdRestartListing =
        makeDesigned<QPushButton>(page, "cmdRestartListing", twipsRect(8400, 285, 1605, 375),
                                  QStringLiteral("&Restart Listing"));
    chkRestartListing =
        makeDesigned<QCheckBox>(page, "chkRestartListing", twipsRect(8445, 690, 1500, 525),
                                QStringLiteral("Restart on finish"));
    chkRestartListing->setChecked(true);
    makeCaption(page, "Label4", twipsRect(8295, 1320, 1860, 225), QStringLiteral("Listing Speed"));
    sdrListingSpeed =
        makeDesigned<RailSlider>(page, "sdrListingSpeed", twipsRect(8595, 1620, 1260, 240));
    PropertyBag slider;
    slider.write(QStringLiteral("Orientation"), 0);
    slider.write(QStringLiteral("Max"), 6);
    slider.write(QStringLiteral("Value"), 3);
    slider.write(QStringLiteral("SliderIcon"), knobPicture());
    sdrListingSpeed->readProperties(slider);
    sdrListingSpeed->resize(sdrListingSpeed->size()); // lays the read properties out
    QStringList speeds;
    for (int value = 0; const std::optional<listing::Speed> speed = listing::speed(value); ++value)
        speeds.append(speed->caption);
    sdrListingSpeed->setValueCaptions(speeds);
    lblSpeed = makeDesigned<QLabel>(page, "lblSpeed", twipsRect(8280, 1965, 1935, 225));
    lblSpeed->setAlignment(Qt::AlignCenter);
    cmdManualListing =
        makeDesigned<QPushButton>(page, "cmdManualListing", twipsRect(8280, 2340, 2010, 450),
                                  QStringLiteral("&List Next Item (Enter Key)"));
    cmdManualListing->hide();
    chkRecallFirst = makeDesigned<QCheckBox>(page, "chkRecallFirst",
                                             twipsRect(8445, 3000, 1800, 300), tr("Re&call first"));
    chkRecallFirst->setToolTip(tr("Show each entry's start first, and the whole at the next step"));

    connect(cmdRestartListing, &QPushButton::clicked, this, &frmMain::cmdRestartListing_Click);
    connect(cmdManualListing, &QPushButton::clicked, this, &frmMain::cmdManualListing_Click);
    connect(sdrListingSpeed, &RailSlider::ValueChanged, this,
            &frmMain::sdrListingSpeed_ValueChanged);
    connect(chkRestartListing, &QCheckBox::toggled, this, &frmMain::chkRestartListing_Click);
    connect(chkRecallFirst, &QCheckBox::toggled, this, &frmMain::chkRecallFirst_Click);
    connect(lstList, &UniListBox::Click, this, &frmMain::lstList_Click);
    connect(lstList, &UniListBox::DblClick, this, &frmMain::lstList_DblClick);
}

void frmMain::buildTesterPage(QWidget* page)
{
    lstSelected = makeArabicList(page, "lstSelected", twipsRect(60, 180, 7800, 4350));
    lstSelect =
        makeArabicList(page, "lstSelect", twipsRect(75, 4590, 7770, int(kDesignedChoicesHeight)));
    cmdRestartTest = makeDesigned<QPushButton>(
        page, "cmdRestartTest", twipsRect(8595, 195, 1170, 330), QStringLiteral("&Restart Test"));
    const QColor green(0, 128, 0);
    makeCaption(page, "Label1", twipsRect(8175, 855, 840, 240), QStringLiteral("Correct"), green);
    makeCaption(page, "Label2", twipsRect(9255, 855, 885, 195), QStringLiteral("Wrong"),
                QColor(255, 0, 0));
    lblCorrect =
        makeCaption(page, "lblCorrect", twipsRect(8310, 1140, 585, 345), QStringLiteral("0"));
    lblWrong = makeCaption(page, "lblWrong", twipsRect(9390, 1140, 585, 285), QStringLiteral("0"));
    for (QLabel* counter : {lblCorrect, lblWrong})
        counter->setFont(QFont()); // the counters are plain, only their captions bold
    makeCaption(page, "Label3", twipsRect(8040, 1785, 2310, 270), QStringLiteral("Time Taken"),
                green);
    lblTimeTaken = makeDesigned<QLabel>(page, "lblTimeTaken", twipsRect(8055, 2070, 2295, 270));
    lblTimeTaken->setAlignment(Qt::AlignCenter);
    txtAnswer = makeDesigned<QLineEdit>(page, "txtAnswer", twipsRect(8010, 7200, 825, 300));
    txtAnswer->setReadOnly(true);
    txtAnswer->setAlignment(Qt::AlignCenter);
    txtAnswer->setFont(sansSerifFont(true).toQFont());
    txtAnswer->setFocusPolicy(Qt::NoFocus);
    QPalette answer = txtAnswer->palette();
    answer.setColor(QPalette::Base, resolveColor(SystemColor::ButtonFace));
    txtAnswer->setPalette(answer);

    chkLookAlikes = makeDesigned<QCheckBox>(page, "chkLookAlikes", twipsRect(8100, 2430, 2250, 300),
                                            tr("Loo&k-alike choices"));
    chkLookAlikes->setToolTip(tr("Offer a passage elsewhere that reads like the right one"));
    lblMistakes = makeCaption(page, "lblMistakes", twipsRect(8040, 2820, 2310, 270), tr("Mistakes"),
                              QColor(255, 0, 0));
    lstMistakes = makeDesigned<UniListBox>(page, "lstMistakes", twipsRect(8040, 3120, 2310, 3900));
    lblMistakes->setBuddy(lstMistakes);
    lblMistakes->hide();
    lstMistakes->hide();
    connect(cmdRestartTest, &QPushButton::clicked, this, &frmMain::cmdRestartTest_Click);
    connect(chkLookAlikes, &QCheckBox::toggled, this, &frmMain::chkLookAlikes_Click);
    connect(lstSelect, &UniListBox::MouseDown, this, &frmMain::lstSelect_MouseDown);
    connect(lstSelect, &UniListBox::MouseUp, this, &frmMain::lstSelect_MouseUp);
    connect(lstSelect, &UniListBox::KeyDown, this,
            [this](int KeyCode, int) { lstSelect_KeyDown(KeyCode); });
}

void frmMain::buildTabStrip(QWidget* client)
{
    ctlTabs1 = makeDesigned<ctlTabs>(client, "ctlTabs1", twipsRect(105, 630, 10545, 8175));
    PropertyBag tabs;
    tabs.write(QStringLiteral("TABWIDE"), 161);
    tabs.write(QStringLiteral("TABHIGH"), 20);
    tabs.write(QStringLiteral("TABCOUNT"), 3);
    const QStringList captions{QStringLiteral("Lister"), QStringLiteral("Tester"),
                               QStringLiteral("Readme/Help")};
    for (int n = 1; n <= 3; ++n) {
        tabs.write(QStringLiteral("TABCAPTION%1").arg(n), captions[n - 1]);
        tabs.write(QStringLiteral("TABFRAME%1").arg(n), QStringLiteral("fra%1").arg(n));
    }
    tabs.write(QStringLiteral("TABFONT"), QVariant::fromValue(sansSerifFont(true)));
    tabs.write(QStringLiteral("TABFONTACTIVE"), QVariant::fromValue(sansSerifFont(true)));
    ctlTabs1->readProperties(tabs);

    fra1 = makeDesigned<QFrame>(ctlTabs1, "fra1", twipsRect(45, 420, 10440, 7710));
    fra2 = makeDesigned<QFrame>(ctlTabs1, "fra2", twipsRect(45, 420, 10440, 7710));
    fra3 = makeDesigned<QFrame>(ctlTabs1, "fra3", twipsRect(45, 420, 10440, 7710));
    buildListerPage(fra1);
    buildTesterPage(fra2);
    buildHelpPage(fra3);
    connect(ctlTabs1, &ctlTabs::TabClick, this, &frmMain::ctlTabs1_TabClick);
}

void frmMain::buildHelpPage(QWidget* page)
{
    wbHelp = makeDesigned<HelpView>(page, "wbHelp", twipsRect(150, 225, 10215, 7395));
}

void frmMain::ctlTabs1_TabClick(int&, int& NewTab)
{
    if (NewTab == 1)
        cmdRestartListing_Click();
    else if (NewTab == 2)
        cmdRestartTest_Click();
}

void frmMain::mnuHelpHelp_Click()
{
    if (ctlTabs1->SelectedTab() != 3)
        ctlTabs1->setSelectedTab(3);
}

void frmMain::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    Form_Resize();
}

// The window's outer size in twips is its client area plus the designed frame, title bar and
// menu: 105 x 825.
void frmMain::Form_Resize()
{
    if (!txtAnswer)
        return; // still being built
    auto twips = [](int pixels) { return pixelsToTwips(pixels); };
    MainWindowPlaces places;
    places.tabsWidth = twips(ctlTabs1->width());
    places.tabsHeight = twips(ctlTabs1->height());
    places.frameWidth = twips(fra1->width());
    places.frameHeight = twips(fra1->height());
    // The header and all three choices stay in view whatever the font: the choice list grows
    // upwards from its designed height, and the recalled items give it the room.
    places.lstSelectHeight = choicesHeight();
    places.lstSelectedHeight = twips(lstSelected->height());
    places.splitterWidth = twips(Splitter1->width());
    places.splitterHeight = twips(Splitter1->height());
    places.lstListWidth = twips(lstList->width());
    places.helpHeight = twips(wbHelp->height());
    places.txtAnswerHeight = twips(txtAnswer->height());
    const QSize client = centralWidget()->size();
    arrangeMainWindow(places, twips(client.width()) + 105, twips(client.height()) + 825);

    auto px = [](double value) { return twipsToPixels(value); };
    ctlTabs1->resize(px(places.tabsWidth), px(places.tabsHeight));
    for (QFrame* frame : {fra1, fra2, fra3})
        frame->setGeometry(px(places.frameLeft), frame->y(), frame->width(),
                           px(places.frameHeight));
    lstSelect->setGeometry(lstSelect->x(), px(places.lstSelectTop), lstSelect->width(),
                           px(places.lstSelectHeight));
    lstSelected->resize(lstSelected->width(), px(places.lstSelectedHeight));
    Splitter1->resize(px(places.splitterWidth), px(places.splitterHeight));
    wbHelp->resize(wbHelp->width(), px(places.helpHeight));
    txtAnswer->move(txtAnswer->x(), px(places.txtAnswerTop));
}
