#include "app/main/TesterPage.h"

#include "app/files/listmessages.h"
#include "app/main/pagecontrols.h"
#include "app/main/readingfonts.h"
#include "app/settings/ZorvelSettings.h"
#include "controls/accessibility/announce.h"
#include "controls/common/IntervalTimer.h"
#include "controls/common/designed.h"
#include "controls/common/olecolor.h"
#include "controls/unilistbox/UniListBox.h"
#include "lists/itemlist.h"
#include "practice/recitation/Recitation.h"
#include "practice/session/Practice.h"
#include "practice/session/testing.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>

namespace {

const OleColor kRightBackground = oleColor(221, 255, 221);
const OleColor kWrongBackground = oleColor(255, 221, 221);

} // namespace

TesterPage::TesterPage(Practice& practice, ZorvelSettings& settings, QWidget* parent)
    : QFrame(parent)
    , m_practice(practice)
    , m_settings(settings)
    , Timer1(new IntervalTimer(this))
{
    setObjectName(QStringLiteral("fra2"));
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(1000);
    Timer1->setEnabled(false);
    lstSelected = makeArabicList(this, "lstSelected", twipsRect(60, 180, 7800, 4350));
    lstSelect =
        makeArabicList(this, "lstSelect", twipsRect(75, 4590, 7770, int(kDesignedChoicesHeight)));
    cmdRestartTest = makeDesigned<QPushButton>(
        this, "cmdRestartTest", twipsRect(8595, 195, 1170, 330), tr("&Restart Test"));
    const QColor green(0, 128, 0);
    makeCaption(this, "Label1", twipsRect(8175, 855, 840, 240), tr("Correct"), green);
    makeCaption(this, "Label2", twipsRect(9255, 855, 885, 195), tr("Wrong"), QColor(255, 0, 0));
    lblCorrect =
        makeCaption(this, "lblCorrect", twipsRect(8310, 1140, 585, 345), QStringLiteral("0"));
    lblWrong = makeCaption(this, "lblWrong", twipsRect(9390, 1140, 585, 285), QStringLiteral("0"));
    for (QLabel* counter : {lblCorrect, lblWrong})
        counter->setFont(QFont()); // the counters are plain, only their captions bold
    makeCaption(this, "Label3", twipsRect(8040, 1785, 2310, 270), tr("Time Taken"), green);
    lblTimeTaken = makeDesigned<QLabel>(this, "lblTimeTaken", twipsRect(8055, 2070, 2295, 270));
    lblTimeTaken->setAlignment(Qt::AlignCenter);
    lblTimeTaken->setText(testing::noTimeYet());
    txtAnswer = makeDesigned<QLineEdit>(this, "txtAnswer", twipsRect(8010, 7200, 825, 300));
    txtAnswer->setReadOnly(true);
    txtAnswer->setAlignment(Qt::AlignCenter);
    txtAnswer->setFont(sansSerifFont(true).toQFont());
    txtAnswer->setFocusPolicy(Qt::NoFocus);
    QPalette answer = txtAnswer->palette();
    answer.setColor(QPalette::Base, resolveColor(SystemColor::ButtonFace));
    txtAnswer->setPalette(answer);

    chkLookAlikes = makeDesigned<QCheckBox>(this, "chkLookAlikes", twipsRect(8100, 2430, 2250, 300),
                                            tr("Loo&k-alike choices"));
    chkLookAlikes->setToolTip(tr("Offer a passage elsewhere that reads like the right one"));
    lblMistakes = makeCaption(this, "lblMistakes", twipsRect(8040, 2820, 2310, 270), tr("Mistakes"),
                              QColor(255, 0, 0));
    lstMistakes = makeDesigned<UniListBox>(this, "lstMistakes", twipsRect(8040, 3120, 2310, 3900));
    lstMistakes->setElidesLongRows(true);
    lblMistakes->setBuddy(lstMistakes);
    lblMistakes->hide();
    lstMistakes->hide();
    nameForScreenReaders();

    connect(Timer1, &IntervalTimer::timeout, this, &TesterPage::Timer1_Timer);
    connect(cmdRestartTest, &QPushButton::clicked, this, &TesterPage::cmdRestartTest_Click);
    connect(chkLookAlikes, &QCheckBox::toggled, this, &TesterPage::chkLookAlikes_Click);
    connect(lstSelect, &UniListBox::MouseDown, this, &TesterPage::lstSelect_MouseDown);
    connect(lstSelect, &UniListBox::MouseUp, this, &TesterPage::lstSelect_MouseUp);
    connect(lstSelect, &UniListBox::KeyDown, this,
            [this](int KeyCode, int) { lstSelect_KeyDown(KeyCode); });
}

void TesterPage::nameForScreenReaders()
{
    lstSelected->setAccessibleName(tr("Recalled items"));
    lstSelect->setAccessibleName(tr("Choices"));
    txtAnswer->setAccessibleName(tr("Verdict"));
    lblCorrect->setAccessibleName(tr("Correct"));
    lblWrong->setAccessibleName(tr("Wrong"));
    lblTimeTaken->setAccessibleName(tr("Time Taken"));
}

void TesterPage::restoreSettings(const ZorvelSettings& stored)
{
    chkLookAlikes->setChecked(stored.lookAlikes()); // its handler shows them
}

// With look-alikes the rows keep what tells them apart in view, and the verdict of a wrong pick
// names what was picked: it takes the width of the column.
void TesterPage::showLookAlikes(bool on)
{
    lstSelect->setKeepsTellingWords(on);
    placeDesigned(txtAnswer, QRect(designedPlace(txtAnswer).topLeft(),
                                   twipsRect(0, 0, on ? 2340 : 825, 300).size()));
}

void TesterPage::cmdRestartTest_Click()
{
    if (!m_practice.hasList()) {
        showOpenFileMessage(window());
        return;
    }
    m_practice.restartTest();
    showTestFromStart();
}

void TesterPage::setRecitation(Recitation* recitation)
{
    m_recitation = recitation;
    connect(recitation, &Recitation::entryDone, this, [this] {
        if (std::exchange(m_choicesWaiting, false))
            ShowChoices();
    });
}

void TesterPage::showTestFromStart()
{
    m_choicesWaiting = false;
    lstSelected->Clear();
    ShowChoices();
    showCounts();
    txtAnswer->clear();
    lstSelect->setBackColor(SystemColor::WindowBackground);
    showTimeTaken(testing::noTimeYet());
    lblMistakes->hide();
    lstMistakes->hide();
    Timer1->setEnabled(false);
}

void TesterPage::offerLookAlikes()
{
    const TesterSession& tester = m_practice.tester();
    if (chkLookAlikes->isChecked() && m_practice.hasList() &&
        tester.rightCount() + tester.wrongCount() == 0) {
        m_practice.restartTest();
        showTestFromStart();
    }
}

void TesterPage::ShowChoices()
{
    lstSelect->Clear();
    lstSelect->AddItem(testing::header());
    for (const QString& choice : m_practice.tester().choices())
        lstSelect->AddItem(withTabsAsGaps(choice));
    lstSelect->setListIndex(0);
    // A bayt's first half stands where its whole will be recalled.
    const TesterSession& tester = m_practice.tester();
    m_question = tester.question();
    if (!m_question.isEmpty()) {
        lstSelected->AddItem(withTabsAsGaps(
            testing::recalledEntry(m_practice.wordMode(), m_practice.itemReference(tester.next()),
                                   m_question + QStringLiteral("\t\u2026"))));
        lstSelected->setListIndex(lstSelected->NewIndex());
    }
}

// A press on the list arms the pick its release makes, so that the second release of a
// double-click, which no press of its own precedes, picks nothing.
void TesterPage::lstSelect_MouseDown()
{
    m_pickArmed = true;
}

void TesterPage::lstSelect_MouseUp()
{
    if (std::exchange(m_pickArmed, false))
        answerChoice(lstSelect->ListIndex());
}

// With the choices focused, Enter and Space answer the highlighted row; Up and Down move the
// highlight, as the list does itself.
void TesterPage::lstSelect_KeyDown(int KeyCode)
{
    if (KeyCode == Qt::Key_Return || KeyCode == Qt::Key_Enter || KeyCode == Qt::Key_Space)
        answerChoice(lstSelect->ListIndex());
}

// A pick of choice row `row`, however it was made: the header and rows beyond the choices
// answer nothing.
void TesterPage::answerChoice(int row)
{
    if (m_choicesWaiting)
        return; // the next choices are not offered yet
    const TesterSession::Answer answer = m_practice.pick(row);
    if (answer.verdict == TesterSession::Verdict::None)
        return;
    const TesterSession& tester = m_practice.tester();
    // The clock ticks once a second from the first pick: a pick never restarts its second.
    if (Timer1->isEnabled() != tester.isClockRunning())
        Timer1->setEnabled(tester.isClockRunning());
    const bool right = answer.verdict == TesterSession::Verdict::Right;
    if (right) {
        const QString recalled = withTabsAsGaps(testing::recalledEntry(
            m_practice.wordMode(), m_practice.itemReference(answer.number),
            m_question.isEmpty() ? answer.row : m_question + u'\t' + answer.row));
        if (m_question.isEmpty())
            lstSelected->AddItem(recalled);
        else
            lstSelected->setList(lstSelected->NewIndex(), recalled);
        lstSelected->setListIndex(lstSelected->NewIndex());
        if (tester.isComplete()) {
            lstSelect->Clear();
            lstSelect->AddItem(testing::complete());
            Timer1_Timer(); // the time shown is the time the history keeps
            showMistakes();
        } else if (!playAnswer(answer.number)) {
            ShowChoices();
        }
    }
    showVerdict(answer);
    lstSelect->setListIndex(0);
    announce(lstSelect, tester.isComplete() ? testing::complete() : txtAnswer->text());
}

void TesterPage::showVerdict(const TesterSession::Answer& answer)
{
    const bool right = answer.verdict == TesterSession::Verdict::Right;
    showCounts();
    lstSelect->setBackColor(right ? kRightBackground : kWrongBackground);
    if (right)
        txtAnswer->setText(tr("Correct"));
    else if (chkLookAlikes->isChecked())
        txtAnswer->setText(tr("Wrong: that was %1").arg(m_practice.itemReference(answer.picked)));
    else
        txtAnswer->setText(tr("Wrong"));
    QPalette palette = txtAnswer->palette();
    palette.setColor(QPalette::Text, right ? QColor(0, 150, 0) : QColor(255, 0, 0));
    txtAnswer->setPalette(palette);
}

// The counters read as their captions to a screen reader, with the number as description.
void TesterPage::showCounts()
{
    lblCorrect->setText(QLocale().toString(m_practice.tester().rightCount()));
    lblWrong->setText(QLocale().toString(m_practice.tester().wrongCount()));
    lblCorrect->setAccessibleDescription(lblCorrect->text());
    lblWrong->setAccessibleDescription(lblWrong->text());
}

void TesterPage::showTimeTaken(const QString& text)
{
    lblTimeTaken->setText(text);
    lblTimeTaken->setAccessibleDescription(text);
}

bool TesterPage::Form_KeyPress(const QString& text)
{
    const int row = typedDigit(text);
    if (row < 1 || row > 3)
        return false;
    if (lstSelect->ListCount() > row) {
        lstSelect->setListIndex(row); // seen for a moment, and by a screen reader
        answerChoice(row);
    }
    return true;
}

void TesterPage::Timer1_Timer()
{
    showTimeTaken(testing::GetSecondsInHMSFormat(m_practice.tester().elapsedSeconds()));
}

// The entry picked right, played where the learner asked for it; true when the next choices
// wait for its end, the choice list showing only its header meanwhile.
bool TesterPage::playAnswer(int number)
{
    if (!m_recitation || m_recitation->testerPlays() == Recitation::TesterPlays::Off)
        return false;
    m_recitation->recite(number, m_practice.itemReference(number));
    if (m_recitation->testerPlays() != Recitation::TesterPlays::Waiting ||
        !m_recitation->isReciting())
        return false;
    m_choicesWaiting = true;
    lstSelect->Clear();
    lstSelect->AddItem(testing::header());
    return true;
}

// What the test showed: the items that drew wrong picks, worst first.
void TesterPage::showMistakes()
{
    const TesterSession& tester = m_practice.tester();
    const QList<TesterSession::Mistake> mistakes = tester.mistakes();
    applyMistakesFont();
    lstMistakes->Clear();
    for (const TesterSession::Mistake& mistake : mistakes) {
        const QString label = getDisplayWords(tester.range().byNumber(mistake.number));
        lstMistakes->AddItem(
            withTabsAsGaps(
                QStringLiteral("%1 \u00D7 %2")
                    .arg(QLocale().toString(mistake.wrong))
                    .arg(testing::recalledEntry(m_practice.wordMode(),
                                                m_practice.itemReference(mistake.number), label))),
            -1, mistake.number);
    }
    lblMistakes->setVisible(!mistakes.isEmpty());
    lstMistakes->setVisible(!mistakes.isEmpty());
}

// The mistakes share a narrow column: their text is smaller than the lists', and does not grow
// past that with the zoom, so that a row shows a few words, the rest in its tip.
void TesterPage::applyMistakesFont()
{
    const int zoom = m_settings.zoomPercent();
    lstMistakes->setFont(
        readingFontAtZoom(m_settings, false, kMistakesZoom * qMin(100, zoom) / zoom));
}

void TesterPage::chkLookAlikes_Click()
{
    m_settings.setLookAlikes(chkLookAlikes->isChecked());
    m_practice.setLookAlikes(chkLookAlikes->isChecked());
    showLookAlikes(chkLookAlikes->isChecked());
    if (m_practice.hasList())
        cmdRestartTest_Click(); // the choices change with the option
}
