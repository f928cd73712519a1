// frmMain: the Tester, which offers the next item among up to two that follow it. The test
// itself is `m_tester`; these handlers show its choices, verdicts, counts and clock.

#include "frmMain.h"

#include "accessibility/announce.h"
#include "common/IntervalTimer.h"
#include "common/MessageBox.h"
#include "itemlist.h"
#include "listmessages.h"
#include "tabs/ctlTabs.h"
#include "testing.h"
#include "unilistbox/UniListBox.h"
#include "userlists.h"

#include <QCheckBox>
#include <QDateTime>
#include <QLabel>
#include <QLineEdit>
#include <QSqlDatabase>
#include <QStandardPaths>

namespace {

const OleColor kRightBackground = oleColor(221, 255, 221);
const OleColor kWrongBackground = oleColor(255, 221, 221);

} // namespace

void frmMain::cmdRestartTest_Click()
{
    if (colItems.isEmpty()) {
        showOpenFileMessage(this);
        return;
    }
    if (colRange.isEmpty())
        return;
    lstSelected->Clear();
    m_tester.restart(colRange);
    ShowChoices();
    showCounts();
    txtAnswer->clear();
    lstSelect->setBackColor(SystemColor::WindowBackground);
    showTimeTaken(QStringLiteral("0 sec"));
    lblMistakes->hide();
    lstMistakes->hide();
    Timer1->setEnabled(false);
}

void frmMain::ShowChoices()
{
    lstSelect->Clear();
    lstSelect->AddItem(testing::kHeader);
    for (const QString& choice : m_tester.choices())
        lstSelect->AddItem(withTabsAsGaps(choice));
    lstSelect->setListIndex(0);
}

// A press on the list arms the pick its release makes, so that the second release of a
// double-click, which no press of its own precedes, picks nothing.
void frmMain::lstSelect_MouseDown()
{
    m_pickArmed = true;
}

void frmMain::lstSelect_MouseUp()
{
    if (std::exchange(m_pickArmed, false))
        answerChoice(lstSelect->ListIndex());
}

// With the choices focused, Enter and Space answer the highlighted row; Up and Down move the
// highlight, as the list does itself.
void frmMain::lstSelect_KeyDown(int KeyCode)
{
    if (KeyCode == Qt::Key_Return || KeyCode == Qt::Key_Enter || KeyCode == Qt::Key_Space)
        answerChoice(lstSelect->ListIndex());
}

// A pick of choice row `row`, however it was made: the header and rows beyond the choices
// answer nothing.
void frmMain::answerChoice(int row)
{
    const TesterSession::Answer answer = m_tester.pick(row - 1);
    if (answer.verdict == TesterSession::Verdict::None)
        return;
    Timer1->setEnabled(m_tester.isClockRunning());
    const bool right = answer.verdict == TesterSession::Verdict::Right;
    history().recordPick(m_listTitle, m_tester.range().byNumber(answer.number), right,
                         answer.firstTry);
    if (answer.confusedWith != 0)
        history().recordConfusion(m_listTitle, m_tester.range().byNumber(answer.number),
                                  m_tester.range().byNumber(answer.confusedWith));
    reportHistoryTrouble();
    if (right) {
        lstSelected->AddItem(
            withTabsAsGaps(testing::recalledEntry(blnWordMode, answer.number, answer.row)));
        lstSelected->setListIndex(lstSelected->NewIndex());
        if (m_tester.isComplete()) {
            lstSelect->Clear();
            lstSelect->AddItem(testing::kComplete);
            const PracticeRange& tested = m_tester.range();
            history().recordSession(m_listTitle,
                                    {QDateTime::currentDateTime(), tested.first(), tested.last(),
                                     blnWordMode, m_tester.rightCount(), m_tester.wrongCount(),
                                     m_tester.elapsedSeconds()});
            reportHistoryTrouble();
            showMistakes();
        } else {
            ShowChoices();
        }
    }
    showVerdict(right);
    lstSelect->setListIndex(0);
    announce(lstSelect, m_tester.isComplete() ? testing::kComplete : txtAnswer->text());
}

void frmMain::showVerdict(bool right)
{
    showCounts();
    lstSelect->setBackColor(right ? kRightBackground : kWrongBackground);
    txtAnswer->setText(right ? QStringLiteral("Correct") : QStringLiteral("Wrong"));
    QPalette palette = txtAnswer->palette();
    palette.setColor(QPalette::Text, right ? QColor(0, 150, 0) : QColor(255, 0, 0));
    txtAnswer->setPalette(palette);
}

// The counters read as their captions to a screen reader, with the number as description.
void frmMain::showCounts()
{
    lblCorrect->setText(QString::number(m_tester.rightCount()));
    lblWrong->setText(QString::number(m_tester.wrongCount()));
    lblCorrect->setAccessibleDescription(lblCorrect->text());
    lblWrong->setAccessibleDescription(lblWrong->text());
}

void frmMain::showTimeTaken(const QString& text)
{
    lblTimeTaken->setText(text);
    lblTimeTaken->setAccessibleDescription(text);
}

// While the Tester is shown, the digits 1 to 3 answer a choice row at once, as a click on it
// would, typed on a Latin or an Arabic keyboard or the keypad; elsewhere they are the focused
// control's.
bool frmMain::Form_KeyPress(const QString& text)
{
    static const QString digits[] = {QStringLiteral("1\u0661\u06F1"),
                                     QStringLiteral("2\u0662\u06F2"),
                                     QStringLiteral("3\u0663\u06F3")};
    if (text.size() != 1 || ctlTabs1->SelectedTab() != 2)
        return false;
    for (int row = 1; row <= 3; ++row) {
        if (digits[row - 1].contains(text.front())) {
            if (lstSelect->ListCount() > row) {
                lstSelect->setListIndex(row); // seen for a moment, and by a screen reader
                answerChoice(row);
            }
            return true;
        }
    }
    return false;
}

void frmMain::Timer1_Timer()
{
    showTimeTaken(testing::GetSecondsInHMSFormat(m_tester.elapsedSeconds()));
}

// What the test showed: the items that drew wrong picks, worst first.
void frmMain::showMistakes()
{
    const QList<TesterSession::Mistake> mistakes = m_tester.mistakes();
    lstMistakes->setFont(readingFontAtZoom(false, kMistakesZoom));
    lstMistakes->Clear();
    for (const TesterSession::Mistake& mistake : mistakes) {
        const QString label = getDisplayWords(m_tester.range().byNumber(mistake.number));
        lstMistakes->AddItem(
            withTabsAsGaps(QStringLiteral("%1 \u00D7 %2")
                               .arg(mistake.wrong)
                               .arg(testing::recalledEntry(blnWordMode, mistake.number, label))),
            -1, mistake.number);
    }
    lblMistakes->setVisible(!mistakes.isEmpty());
    lstMistakes->setVisible(!mistakes.isEmpty());
}

// The history opens at the first pick, so that start-up never waits for it; one that cannot be
// used is said once, and practice goes on without it.
PracticeHistory& frmMain::history()
{
    if (m_history)
        return *m_history;
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
                           QStringLiteral("/zorvel");
    const QString path = folder + QStringLiteral("/progress.sqlite");
    QString reason;
    if (!makeFolder(folder, &reason)) {
        m_history.emplace(); // no history: the folder cannot be made
    } else {
        const QString connection = QStringLiteral("zorvel-history");
        QSqlDatabase database =
            QSqlDatabase::contains(connection)
                ? QSqlDatabase::database(connection, false)
                : QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
        database.close();
        database.setDatabaseName(path);
        m_history.emplace(database);
    }
    m_historyPath = path;
    m_historyTrouble = reason;
    reportHistoryTrouble();
    return *m_history;
}

// A history that cannot be opened or stops taking records (damaged, locked, a full disk) is
// said once; practice goes on without it.
void frmMain::reportHistoryTrouble()
{
    if (m_historyReported || (m_history && m_history->isOpen()))
        return;
    m_historyReported = true;
    const QString reason =
        m_history && !m_history->error().isEmpty() ? m_history->error() : m_historyTrouble;
    MessageBox::inform(this,
                       tr("The practice history in \u201C%1\u201D cannot be used: %2.\r\n"
                          "Practice goes on; picks are not remembered until Zorvel starts "
                          "again.")
                           .arg(m_historyPath, reason),
                       tr("Practice history"));
}

// The look-alikes of the open list, found once when first needed.
const LookAlikes& frmMain::lookAlikes()
{
    if (!m_lookAlikes)
        m_lookAlikes.emplace(colItems);
    return *m_lookAlikes;
}

void frmMain::chkLookAlikes_Click()
{
    const bool on = chkLookAlikes->isChecked();
    m_settings.setLookAlikes(on);
    // The index is built at the first question asked once the window shows, never on the
    // start-up path: a test restored at start-up offers its first choices without a look-alike.
    if (on)
        m_tester.setLookAlikes([this](int number, int from, int to) {
            return isVisible() ? lookAlikes().mostLike(number, from, to) : 0;
        });
    else
        m_tester.setLookAlikes({});
    if (!colItems.isEmpty())
        cmdRestartTest_Click(); // the choices change with the option
}
