#include "app/main/ListerPage.h"

#include "app/files/listmessages.h"
#include "app/main/listerdesign.h"
#include "app/main/pagecontrols.h"
#include "app/settings/ZorvelSettings.h"
#include "controls/accessibility/announce.h"
#include "controls/common/IntervalTimer.h"
#include "controls/common/PropertyBag.h"
#include "controls/common/designed.h"
#include "controls/slider/RailSlider.h"
#include "controls/splitter/Splitter.h"
#include "controls/unilistbox/UniListBox.h"
#include "controls/unitext/UniText.h"
#include "lists/itemlist.h"
#include "practice/recitation/Recitation.h"
#include "practice/session/Practice.h"
#include "practice/session/listing.h"

#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>

ListerPage::ListerPage(Practice& practice, ZorvelSettings& settings, QWidget* parent)
    : QFrame(parent)
    , m_practice(practice)
    , m_settings(settings)
    , Timer2(new IntervalTimer(this))
{
    setObjectName(QStringLiteral("fra1"));
    Timer2->setObjectName(QStringLiteral("Timer2"));
    // The list and the full text share the splitter's area, the list above.
    Splitter1 = makeDesigned<Splitter>(this, "Splitter1", twipsRect(60, 150, 7860, 7485));
    PropertyBag splitter;
    splitter.write(QStringLiteral("Orientation"), -1);
    splitter.write(QStringLiteral("SplitPercent"), 60);
    splitter.write(QStringLiteral("SplitterWidth"), 50);
    Splitter1->readProperties(splitter);
    lstList = makeArabicList(Splitter1, "lstList", twipsRect(15, 75, 7770, 5790));
    txtCompleteText =
        makeDesigned<UniText>(Splitter1, "txtCompleteText", twipsRect(45, 5910, 7710, 1530));
    txtCompleteText->setProperties(txtCompleteTextProperties());

    cmdRestartListing = makeDesigned<QPushButton>(
        this, "cmdRestartListing", twipsRect(8400, 285, 1605, 375), tr("&Restart Listing"));
    chkRestartListing = makeDesigned<QCheckBox>(
        this, "chkRestartListing", twipsRect(8445, 690, 1500, 525), tr("Restart on finish"));
    chkRestartListing->setChecked(true);
    makeCaption(this, "Label4", twipsRect(8295, 1320, 1860, 225), tr("Listing Speed"));
    sdrListingSpeed =
        makeDesigned<RailSlider>(this, "sdrListingSpeed", twipsRect(8595, 1620, 1260, 240));
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
    lblSpeed = makeDesigned<QLabel>(this, "lblSpeed", twipsRect(8280, 1965, 1935, 225));
    lblSpeed->setAlignment(Qt::AlignCenter);
    cmdManualListing =
        makeDesigned<QPushButton>(this, "cmdManualListing", twipsRect(8280, 2340, 2010, 450),
                                  tr("&List Next Item (Enter Key)"));
    cmdManualListing->hide();
    chkRecallFirst = makeDesigned<QCheckBox>(this, "chkRecallFirst",
                                             twipsRect(8445, 3000, 1800, 300), tr("Re&call first"));
    chkRecallFirst->setToolTip(tr("Show each entry's start first, and the whole at the next step"));
    cmbRecallCue = makeDesigned<QComboBox>(this, "cmbRecallCue", twipsRect(8445, 3330, 1800, 315));
    cmbRecallCue->addItems({tr("First word"), tr("First letters"), tr("A blank a word")});
    cmbRecallCue->setToolTip(tr("What a prompt shows of the entry before it is revealed"));
    cmbRecallCue->hide();
    // While a revealed entry waits, the learner may say how well it was recalled.
    lblGrade = makeDesigned<QLabel>(this, "lblGrade", twipsRect(8280, 3720, 2010, 900),
                                    tr("How well did you recall it?\n1 Again  2 Hard\n3 Good  "
                                       "4 Easy"));
    lblGrade->setAlignment(Qt::AlignCenter);
    lblGrade->hide();
    // In the grade's place: a prompt waits before its entry is revealed and graded.
    lblWordByWord = makeDesigned<QLabel>(this, "lblWordByWord", twipsRect(8280, 3720, 2010, 900),
                                         tr("Space: the next word\nEnter: the whole entry"));
    lblWordByWord->setAlignment(Qt::AlignCenter);
    lblWordByWord->hide();
    lblRecitation = makeDesigned<QLabel>(this, "lblRecitation", twipsRect(8280, 4740, 2010, 495));
    lblRecitation->setAlignment(Qt::AlignCenter);
    lblRecitation->setWordWrap(true);
    lblRecitation->hide();
    nameForScreenReaders();

    connect(Timer2, &IntervalTimer::timeout, this, &ListerPage::Timer2_Timer);
    connect(cmdRestartListing, &QPushButton::clicked, this, &ListerPage::cmdRestartListing_Click);
    connect(cmdManualListing, &QPushButton::clicked, this, &ListerPage::cmdManualListing_Click);
    connect(sdrListingSpeed, &RailSlider::ValueChanged, this,
            &ListerPage::sdrListingSpeed_ValueChanged);
    connect(chkRestartListing, &QCheckBox::toggled, this, &ListerPage::chkRestartListing_Click);
    connect(chkRecallFirst, &QCheckBox::toggled, this, &ListerPage::chkRecallFirst_Click);
    connect(cmbRecallCue, &QComboBox::activated, this, &ListerPage::cmbRecallCue_Click);
    connect(lstList, &UniListBox::Click, this, &ListerPage::lstList_Click);
    connect(lstList, &UniListBox::DblClick, this, &ListerPage::lstList_DblClick);
}

void ListerPage::nameForScreenReaders()
{
    Splitter1->setAccessibleName(tr("Divider between the listed items and the complete text"));
    lstList->setAccessibleName(tr("Listed items"));
    txtCompleteText->setAccessibleName(tr("Complete text"));
    sdrListingSpeed->setAccessibleName(tr("Listing speed"));
    cmbRecallCue->setAccessibleName(tr("Recall cue"));
}

void ListerPage::restoreSettings(const ZorvelSettings& stored)
{
    sdrListingSpeed->setValue(3);
    sdrListingSpeed->setValue(stored.listerSpeed());
    sdrListingSpeed_ValueChanged(); // an unchanged value raised no event
    chkRestartListing->setChecked(stored.restartListing());
    cmbRecallCue->setCurrentIndex(int(stored.recallCue()));
    m_practice.setRecallCue(stored.recallCue());
    chkRecallFirst->setChecked(stored.recallFirst());
    Splitter1->setChild1(lstList);
    Splitter1->setChild2(txtCompleteText);
    Splitter1->setSplitPercent(stored.splitPercent());
}

bool ListerPage::restartOnFinish() const
{
    return chkRestartListing->isChecked();
}

void ListerPage::cmdRestartListing_Click()
{
    if (m_practice.range().isEmpty()) {
        showOpenFileMessage(window());
        return;
    }
    m_practice.restartListing();
    showListingFromStart();
}

void ListerPage::setRecitation(Recitation* recitation)
{
    m_recitation = recitation;
    connect(recitation, &Recitation::entryDone, this, &ListerPage::runListingClockWhenNeeded);
    connect(recitation, &Recitation::playing, this, [this](const QString& what) {
        lblRecitation->setText(what);
        lblRecitation->setVisible(!what.isEmpty());
        if (!what.isEmpty())
            announce(lblRecitation, what);
    });
}

void ListerPage::showListingFromStart()
{
    if (m_recitation)
        m_recitation->stop();
    lstList->Clear();
    Timer2_Timer();
}

void ListerPage::cmdManualListing_Click()
{
    Timer2_Timer();
}

// A Quick List shows every entry in turn, as fast as the screen can follow: a tick lists
// entries for a frame's time, and only the last of them fills the full-text pane, so that a
// long stretch is listed in moments instead of one entry a tick.
void ListerPage::Timer2_Timer()
{
    constexpr qint64 kFrameMs = 15;
    QElapsedTimer frame;
    frame.start();
    const bool quick = m_practice.lister().speed() == listing::kQuickSpeed;
    std::optional<ListerSession::Step> shown;
    while (const std::optional<ListerSession::Step> step = m_practice.stepListing()) {
        showStep(*step);
        shown = step;
        if (!quick || frame.hasExpired(kFrameMs))
            break;
    }
    showLatest(shown);
}

void ListerPage::showLatest(const std::optional<ListerSession::Step>& shown)
{
    if (shown) {
        // A prompt keeps the whole item to itself until it is revealed.
        txtCompleteText->setText(shown->prompt ? QString() : shown->text);
        txtCompleteText->setToolTip(m_practice.namedReference(shown->number));
        announce(lstList, shown->prompt ? lstList->List(lstList->NewIndex()) : shown->text);
        // An entry shown whole is recited, on the page the learner sees; a quick list is for
        // reading through.
        if (!shown->prompt && isVisible() && m_recitation && m_recitation->isOn() &&
            m_practice.lister().speed() != listing::kQuickSpeed)
            m_recitation->recite(shown->number, m_practice.itemReference(shown->number));
    }
    showKeysAwaited();
    runListingClockWhenNeeded();
}

void ListerPage::showKeysAwaited()
{
    lblGrade->setVisible(m_practice.gradableItem().has_value());
    lblWordByWord->setVisible(m_practice.lister().isPrompting());
}

bool ListerPage::revealKey(int key)
{
    const bool word = key == Qt::Key_Space;
    if (!m_practice.lister().isPrompting() ||
        !(word || key == Qt::Key_Return || key == Qt::Key_Enter))
        return false;
    Timer2->setEnabled(false); // what the key shows stands a whole interval
    const std::optional<ListerSession::Step> step =
        word ? m_practice.revealWord() : m_practice.stepListing();
    showStep(*step);
    showLatest(step);
    return true;
}

bool ListerPage::gradeKey(const QString& text)
{
    const int grade = typedDigit(text);
    if (grade < 1 || grade > 4 || !m_practice.gradableItem())
        return false;
    m_practice.gradeRecall(fsrs::Grade(grade));
    showKeysAwaited();
    return true;
}

void ListerPage::showStep(const ListerSession::Step& step)
{
    const bool wordMode = m_practice.wordMode();
    if (step.startedOver)
        lstList->Clear();
    // A prompt shows only the start of the item; its reveal replaces that row.
    const QString reference = m_practice.itemReference(step.number);
    const QString shown =
        step.prompt
            ? withTabsAsGaps(listing::entry(wordMode, reference,
                                            listing::recallPrompt(step.text, wordMode,
                                                                  m_practice.lister().recallCue(),
                                                                  step.revealedWords)))
            : withTabsAsGaps(listing::entry(wordMode, reference, getDisplayWords(step.text)));
    if (step.reveal || step.again) {
        lstList->setList(lstList->NewIndex(), shown);
        return;
    }
    // A part's heading stands above its first item, as in the book.
    if (const QString part = m_practice.partBegunBy(step.number); !part.isEmpty())
        lstList->AddItem(QStringLiteral("# ") + part);
    lstList->AddItem(shown, -1, step.number);
    lstList->setListIndex(lstList->NewIndex());
    if (m_practice.lister().speed() == listing::kManualSpeed)
        putReferenceOnClipboard();
}

// The clock wakes the program only while a tick can show something, and waits while an entry
// is recited: the next one comes an interval after the recitation ends.
void ListerPage::runListingClockWhenNeeded()
{
    Timer2->setEnabled(m_practice.lister().needsClock() &&
                       !(m_recitation && m_recitation->isReciting()));
}

void ListerPage::sdrListingSpeed_ValueChanged()
{
    cmdManualListing->hide();
    const std::optional<listing::Speed> speed = listing::speed(sdrListingSpeed->Value());
    if (!speed)
        return;
    m_practice.setListingSpeed(sdrListingSpeed->Value());
    lblSpeed->setText(speed->caption);
    Timer2->setInterval(m_practice.listingInterval());
    if (sdrListingSpeed->Value() == listing::kManualSpeed)
        cmdManualListing->show();
    runListingClockWhenNeeded();
}

void ListerPage::chkRestartListing_Click()
{
    m_practice.setRestartOnFinish(chkRestartListing->isChecked());
    runListingClockWhenNeeded();
}

void ListerPage::setRecallFirst(bool on)
{
    chkRecallFirst->setChecked(on);
}

void ListerPage::chkRecallFirst_Click()
{
    m_practice.setRecallFirst(chkRecallFirst->isChecked());
    m_settings.setRecallFirst(chkRecallFirst->isChecked());
    cmbRecallCue->setVisible(chkRecallFirst->isChecked());
    showKeysAwaited();
    runListingClockWhenNeeded();
}

// The next prompt shows the chosen cue.
void ListerPage::cmbRecallCue_Click()
{
    const auto cue = recallcue::Cue(cmbRecallCue->currentIndex());
    m_practice.setRecallCue(cue);
    m_settings.setRecallCue(cue);
}

void ListerPage::lstList_Click()
{
    const int number = lstList->ItemData(lstList->ListIndex());
    if (m_practice.lister().range().containsNumber(number)) {
        txtCompleteText->setText(m_practice.lister().range().byNumber(number));
        txtCompleteText->setToolTip(m_practice.namedReference(number));
    }
}

void ListerPage::lstList_DblClick()
{
    putReferenceOnClipboard();
}

// The reference names the item the entry shows.
void ListerPage::putReferenceOnClipboard()
{
    // A clipboard held elsewhere is no reason to stop the listing.
    const int number = lstList->ItemData(lstList->ListIndex());
    if (QClipboard* clipboard = QGuiApplication::clipboard(); clipboard && number >= 1)
        clipboard->setText(m_practice.reference(number));
}
