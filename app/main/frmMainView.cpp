// frmMain: room for the reading text, and the arrangement of the pages in the window's size.

#include "app/main/frmMain.h"

#include "app/files/listmessages.h"
#include "app/main/HelpView.h"
#include "app/main/ListerPage.h"
#include "app/main/TesterPage.h"
#include "app/main/mainlayout.h"
#include "app/main/readingfonts.h"
#include "controls/common/designed.h"
#include "controls/splitter/Splitter.h"
#include "controls/tabs/ctlTabs.h"
#include "controls/unilistbox/NativeList.h"
#include "controls/unilistbox/UniListBox.h"
#include "controls/unitext/UniText.h"

#include <QLineEdit>
#include <QMenuBar>
#include <QScreen>

#include <optional>

// The reading text changed: the mistakes take it when they show, and the window makes room.
void frmMain::readingTextApplied()
{
    if (fra2->mistakes()->isVisible()) // else it takes the font when it shows
        fra2->applyMistakesFont();
    keepRoomForTheChoices();
    Form_Resize(); // the choices keep their room in any size
}

// A large font needs a taller window for the Tester's header and three choices and a row of
// the recalled items above them: the window may not be made shorter than that, and grows to it,
// but never past the screen it is on; there the lists scroll instead.
void frmMain::keepRoomForTheChoices()
{
    const double choices = choicesHeight();
    const double recalled = pixelsToTwips(fra2->recalled()->heightForRows(1));
    // The page keeps 700 twips beside the two lists, and the client 675 beside the strip.
    const int client = twipsToPixels(choices + recalled + 700 + 675);
    const int frame = frameGeometry().height() - height();
    setMinimumHeight(qMin(client + menuBar()->sizeHint().height(),
                          screen()->availableGeometry().height() - frame));
}

// No taller than the screen leaves room for: the window never grows past it.
double frmMain::choicesHeight() const
{
    const double wanted =
        qMax(kDesignedChoicesHeight, pixelsToTwips(fra2->choices()->heightForRows(4)));
    return qMin(wanted, pixelsToTwips(screen()->availableGeometry().height()) / 2);
}

// The window's outer size in twips is its client area plus the designed frame, title bar and
// menu: 105 x 825.
void frmMain::Form_Resize()
{
    if (!fra2)
        return; // still being built
    auto twips = [](int pixels) { return pixelsToTwips(pixels); };
    UniListBox* lstSelect = fra2->choices();
    UniListBox* lstSelected = fra2->recalled();
    Splitter* Splitter1 = fra1->splitter();
    QLineEdit* txtAnswer = fra2->verdict();
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
    places.lstListWidth = twips(fra1->list()->width());
    places.helpHeight = twips(wbHelp->height());
    places.txtAnswerHeight = twips(txtAnswer->height());
    const QSize client = centralWidget()->size();
    arrangeMainWindow(places, twips(client.width()) + 105, twips(client.height()) + 825);

    auto px = [](double value) { return twipsToPixels(value); };
    // Each control keeps its designed left edge; right to left, its designed right edge.
    auto place = [](QWidget* widget, std::optional<int> x, std::optional<int> y,
                    std::optional<int> width, std::optional<int> height) {
        const QRect now = designedPlace(widget);
        placeDesigned(widget, QRect(x.value_or(now.x()), y.value_or(now.y()),
                                    width.value_or(now.width()), height.value_or(now.height())));
    };
    place(ctlTabs1, {}, {}, px(places.tabsWidth), px(places.tabsHeight));
    for (QFrame* frame : {static_cast<QFrame*>(fra1), static_cast<QFrame*>(fra2), fra3})
        place(frame, px(places.frameLeft), {}, {}, px(places.frameHeight));
    place(lstSelect, {}, px(places.lstSelectTop), {}, px(places.lstSelectHeight));
    place(lstSelected, {}, {}, {}, px(places.lstSelectedHeight));
    place(Splitter1, {}, {}, px(places.splitterWidth), px(places.splitterHeight));
    place(wbHelp, {}, {}, {}, px(places.helpHeight));
    place(txtAnswer, {}, px(places.txtAnswerTop), {}, {});
}
