// frmMain: the Tester, which offers the next item among up to two that follow it.

#include "frmMain.h"

#include "common/IntervalTimer.h"
#include "itemlist.h"
#include "listmessages.h"
#include "testing.h"
#include "unilistbox/UniListBox.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

#include <cmath>

namespace {

const OleColor kRightBackground = oleColor(221, 255, 221);
const OleColor kWrongBackground = oleColor(255, 221, 221);

} // namespace

void frmMain::cmdRestartTest_Click()
{
    if (cmbFrom->count() == 0) {
        showOpenFileMessage(this);
        return;
    }
    if (colRange.isEmpty())
        return;
    lstSelected->Clear();
    lstSelect->Clear();
    intCurItem = cmbFrom->currentIndex() + 1;
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
    const QStringList choices =
        testing::shuffledItems(colRange, intCurItem, cmbTo->currentIndex() + 1, 3, m_random);
    lstSelect->Clear();
    lstSelect->AddItem(testing::kHeader);
    for (const QString& item : choices)
        lstSelect->AddItem(getDisplayWords(item));
    lstSelect->setListIndex(0);
}

bool frmMain::IsCorrectAnswer(const QString& text) const
{
    return colRange.containsNumber(intCurItem) &&
           text == getDisplayWords(colRange.byNumber(intCurItem));
}

qint64 frmMain::tickSeconds() const
{
    return std::llround(double(m_tickCount()) / 1000.0);
}

void frmMain::lstSelect_MouseUp()
{
    const int row = lstSelect->ListIndex();
    if (row < 1)
        return;
    if (!Timer1->isEnabled()) {
        Timer1->setEnabled(true);
        lngTestStart = tickSeconds();
    }
    const QString picked = lstSelect->List(row);
    const bool right = IsCorrectAnswer(picked);
    if (right) {
        lstSelected->AddItem(testing::recalledEntry(blnWordMode, intCurItem, picked));
        lstSelected->setListIndex(lstSelected->NewIndex());
        ++intCurItem;
        if (intCurItem <= cmbTo->currentIndex() + 1) {
            ShowChoices();
        } else {
            Timer1->setEnabled(false);
            lstSelect->Clear();
            lstSelect->AddItem(testing::kComplete);
        }
    }
    showVerdict(right);
    lstSelect->setListIndex(0);
}

void frmMain::showVerdict(bool right)
{
    QLabel* counter = right ? lblCorrect : lblWrong;
    counter->setText(QString::number(counter->text().toInt() + 1));
    lstSelect->setBackColor(right ? kRightBackground : kWrongBackground);
    txtAnswer->setText(right ? QStringLiteral("Correct") : QStringLiteral("Wrong"));
    QPalette palette = txtAnswer->palette();
    palette.setColor(QPalette::Text, right ? QColor(0, 150, 0) : QColor(255, 0, 0));
    txtAnswer->setPalette(palette);
}

// The digits 1 to 3 pick out a choice row, typed on a Latin or an Arabic keyboard. Selecting
// only highlights the row; the pick itself is made by the mouse.
bool frmMain::Form_KeyPress(const QString& text)
{
    static const QString digits[] = {QStringLiteral("1\u0661\u06F1"),
                                     QStringLiteral("2\u0662\u06F2"),
                                     QStringLiteral("3\u0663\u06F3")};
    if (text.size() != 1)
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
    const qint64 seconds = std::llround(double(m_tickCount()) / 1000.0 - double(lngTestStart));
    lblTimeTaken->setText(testing::GetSecondsInHMSFormat(seconds));
}
