// frmMain: the Tester, which offers the next item among up to two that follow it. The test
// itself is `m_tester`; these handlers show its choices, verdicts, counts and clock.

#include "frmMain.h"

#include "common/IntervalTimer.h"
#include "listmessages.h"
#include "tabs/ctlTabs.h"
#include "testing.h"
#include "unilistbox/UniListBox.h"

#include <QLabel>
#include <QLineEdit>

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
    lblCorrect->setText(QStringLiteral("0"));
    lblWrong->setText(QStringLiteral("0"));
    txtAnswer->clear();
    lstSelect->setBackColor(SystemColor::WindowBackground);
    lblTimeTaken->setText(QStringLiteral("0 sec"));
    Timer1->setEnabled(false);
}

void frmMain::ShowChoices()
{
    lstSelect->Clear();
    lstSelect->AddItem(testing::kHeader);
    for (const QString& choice : m_tester.choices())
        lstSelect->AddItem(choice);
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
    if (!std::exchange(m_pickArmed, false))
        return;
    const TesterSession::Answer answer = m_tester.pick(lstSelect->ListIndex() - 1);
    if (answer.verdict == TesterSession::Verdict::None)
        return;
    Timer1->setEnabled(m_tester.isClockRunning());
    const bool right = answer.verdict == TesterSession::Verdict::Right;
    if (right) {
        lstSelected->AddItem(testing::recalledEntry(blnWordMode, answer.number, answer.row));
        lstSelected->setListIndex(lstSelected->NewIndex());
        if (m_tester.isComplete()) {
            lstSelect->Clear();
            lstSelect->AddItem(testing::kComplete);
        } else {
            ShowChoices();
        }
    }
    showVerdict(right);
    lstSelect->setListIndex(0);
}

void frmMain::showVerdict(bool right)
{
    lblCorrect->setText(QString::number(m_tester.rightCount()));
    lblWrong->setText(QString::number(m_tester.wrongCount()));
    lstSelect->setBackColor(right ? kRightBackground : kWrongBackground);
    txtAnswer->setText(right ? QStringLiteral("Correct") : QStringLiteral("Wrong"));
    QPalette palette = txtAnswer->palette();
    palette.setColor(QPalette::Text, right ? QColor(0, 150, 0) : QColor(255, 0, 0));
    txtAnswer->setPalette(palette);
}

// While the Tester is shown, the digits 1 to 3 pick out a choice row, typed on a Latin or an
// Arabic keyboard; elsewhere they are the focused control's. Selecting only highlights the
// row; the pick itself is made by the mouse.
bool frmMain::Form_KeyPress(const QString& text)
{
    static const QString digits[] = {QStringLiteral("1\u0661\u06F1"),
                                     QStringLiteral("2\u0662\u06F2"),
                                     QStringLiteral("3\u0663\u06F3")};
    if (text.size() != 1 || ctlTabs1->SelectedTab() != 2)
        return false;
    for (int row = 1; row <= 3; ++row) {
        if (digits[row - 1].contains(text.front())) {
            if (lstSelect->ListCount() > row)
                lstSelect->setListIndex(row);
            return true;
        }
    }
    return false;
}

void frmMain::Timer1_Timer()
{
    lblTimeTaken->setText(testing::GetSecondsInHMSFormat(m_tester.elapsedSeconds()));
}
