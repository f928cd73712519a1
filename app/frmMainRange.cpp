// frmMain: choosing the range with the From and To lists, the line lists of word mode, the
// presets and the stepping buttons.

#include "frmMain.h"

#include "ItemNumberModel.h"
#include "LineListModel.h"
#include "common/MessageBox.h"
#include "listmessages.h"

#include <QComboBox>
#include <QPushButton>
#include <QSignalBlocker>
#include <QToolButton>

void frmMain::connectRangeControls()
{
    connect(cmbFrom, &QComboBox::currentIndexChanged, this, &frmMain::cmbFrom_Click);
    connect(cmbTo, &QComboBox::currentIndexChanged, this, &frmMain::cmbTo_Click);
    connect(cmbLineFrom, &QComboBox::currentIndexChanged, this, &frmMain::cmbLineFrom_Click);
    connect(cmbLineTo, &QComboBox::currentIndexChanged, this, &frmMain::cmbLineTo_Click);
    connect(cmdAll, &QPushButton::clicked, this, &frmMain::cmdAll_Click);
    connect(cmdFirst5, &QPushButton::clicked, this, &frmMain::cmdFirst5_Click);
    connect(cmdFirst10, &QPushButton::clicked, this, &frmMain::cmdFirst10_Click);
    connect(cmdNextRange, &QToolButton::clicked, this, &frmMain::cmdNextRange_Click);
    connect(cmdPrevRange, &QToolButton::clicked, this, &frmMain::cmdPrevRange_Click);
}

void frmMain::FillRangeCombos()
{
    blnComboEvents = false;
    cmbFromTag.reset();
    cmbToTag.reset();
    m_itemNumbers->setCount(static_cast<int>(colItems.size()));
    cmbFrom->setCurrentIndex(cmbFrom->count() > 0 ? 0 : -1);
    cmbTo->setCurrentIndex(cmbTo->count() - 1);
    applyAndRestart();
}

void frmMain::ApplyRange()
{
    const int from = cmbFrom->currentIndex();
    const int to = cmbTo->currentIndex();
    colRange = PracticeRange(colItems, from + 1, to + 1);

    const RangeButtons buttons = rangeButtons(from, to, cmbTo->count());
    cmdAll->setEnabled(buttons.all);
    cmdFirst5->setEnabled(buttons.first5);
    cmdFirst10->setEnabled(buttons.first10);
    cmdNextRange->setEnabled(buttons.next);
    cmdPrevRange->setEnabled(buttons.previous);

    intCurItem = from + 1;
    showRangeInLineLists();
}

void frmMain::ShowComboFromTo()
{
    cmbLineFrom->setVisible(blnWordMode);
    cmbLineTo->setVisible(blnWordMode);
    cmbFrom->setVisible(!blnWordMode);
    cmbTo->setVisible(!blnWordMode);
}

void frmMain::applyAndRestart()
{
    blnComboEvents = true;
    ApplyRange();
    cmdRestartTest_Click();
    cmdRestartListing_Click();
}

RangeSelection frmMain::selectedRange() const
{
    return {cmbFrom->currentIndex(), cmbTo->currentIndex(), cmbFromTag, cmbToTag};
}

void frmMain::selectRange(const RangeSelection& range)
{
    blnComboEvents = false;
    cmbFrom->setCurrentIndex(range.from);
    cmbTo->setCurrentIndex(range.to);
    cmbFromTag = range.fromMark;
    cmbToTag = range.toMark;
    applyAndRestart();
}

// In word mode the line lists are what the user sees, so they show the lines that hold the
// first and last item of the range whichever control chose it.
void frmMain::showRangeInLineLists()
{
    if (!blnWordMode)
        return;
    const QSignalBlocker fromBlocker(cmbLineFrom);
    const QSignalBlocker toBlocker(cmbLineTo);
    cmbLineFrom->setCurrentIndex(m_lines->rowOfItem(cmbFrom->currentIndex() + 1));
    cmbLineTo->setCurrentIndex(m_lines->rowOfItem(cmbTo->currentIndex() + 1));
}

void frmMain::cmbFrom_Click()
{
    if (!blnComboEvents)
        return;
    if (cmbFrom->currentIndex() > cmbTo->currentIndex())
        refuseInvalidChoice(cmbFrom, cmbTo->currentIndex());
    else
        applyAndRestart();
}

void frmMain::cmbTo_Click()
{
    if (!blnComboEvents)
        return;
    if (cmbTo->currentIndex() < cmbFrom->currentIndex())
        refuseInvalidChoice(cmbTo, cmbFrom->currentIndex());
    else
        applyAndRestart();
}

// The range and both practice modes keep what they had; only the list is put back in order.
void frmMain::refuseInvalidChoice(QComboBox* corrected, int index)
{
    blnComboEvents = false;
    MessageBox::inform(this, QStringLiteral("FROM cannot be greater than TO"),
                       QStringLiteral("Invalid Selection"));
    corrected->setCurrentIndex(index);
    cmbFromTag.reset();
    cmbToTag.reset();
    blnComboEvents = true;
    showRangeInLineLists();
}

void frmMain::cmbLineFrom_Click()
{
    if (cmbLineFrom->currentIndex() >= 0)
        cmbFrom->setCurrentIndex(cmbLineFrom->currentData(LineListModel::FirstItemRole).toInt() -
                                 1);
}

void frmMain::cmbLineTo_Click()
{
    if (cmbLineTo->currentIndex() >= 0)
        cmbTo->setCurrentIndex(cmbLineTo->currentData(LineListModel::LastItemRole).toInt() - 1);
}

// The range buttons need a list; without one they say how to open one.
bool frmMain::requireOpenList()
{
    if (cmbFrom->count() > 0)
        return true;
    showOpenFileMessage(this);
    return false;
}

void frmMain::cmdAll_Click()
{
    selectFirstItems(0);
}

void frmMain::cmdFirst5_Click()
{
    selectFirstItems(5);
}

void frmMain::cmdFirst10_Click()
{
    selectFirstItems(10);
}

void frmMain::selectFirstItems(int size)
{
    if (!requireOpenList())
        return;
    selectRange(firstItems(selectedRange(), cmbTo->count(), size));
}

void frmMain::cmdNextRange_Click()
{
    if (!requireOpenList())
        return;
    const RangeSelection range = selectedRange();
    if (range.to != cmbTo->count() - 1)
        selectRange(stepNext(range, cmbTo->count()));
}

void frmMain::cmdPrevRange_Click()
{
    if (!requireOpenList())
        return;
    const RangeSelection range = selectedRange();
    if (range.from != 0)
        selectRange(stepPrevious(range));
}

// The stored range comes back only for the list it was stored with in mind: an index beyond
// the refilled list is ignored, and a pair that would leave the range reversed or without an
// end is not restored at all.
void frmMain::restoreStoredRange()
{
    const int from = m_settings.fromRange();
    if (from == -1)
        return;
    const int to = m_settings.toRange();
    const int last = cmbFrom->count() - 1;
    RangeSelection range = selectedRange();
    if (from <= last)
        range.from = from;
    if (to >= 0 && to <= last)
        range.to = to;
    if (range.from <= range.to)
        selectRange(range);
}
