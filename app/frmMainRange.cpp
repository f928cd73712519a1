// frmMain: choosing the range with the From and To lists, the line lists of word mode, the
// presets and the stepping buttons. The practised range is `colRange`; the lists show it and
// offer a new one, which only apply-and-restart makes the practised range.

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
    m_itemNumbers->setCount(static_cast<int>(colItems.size()));
    applyAndRestart(PracticeRange(colItems));
}

// The lists and buttons show the practised range.
void frmMain::ApplyRange()
{
    blnComboEvents = false;
    cmbFrom->setCurrentIndex(colRange.first() - 1);
    cmbTo->setCurrentIndex(colRange.last() - 1);
    blnComboEvents = true;
    showRangeInLineLists();

    const RangeButtons buttons = colRange.buttons();
    cmdAll->setEnabled(buttons.all);
    cmdFirst5->setEnabled(buttons.first5);
    cmdFirst10->setEnabled(buttons.first10);
    cmdNextRange->setEnabled(buttons.next);
    cmdPrevRange->setEnabled(buttons.previous);
}

void frmMain::ShowComboFromTo()
{
    cmbLineFrom->setVisible(blnWordMode);
    cmbLineTo->setVisible(blnWordMode);
    cmbFrom->setVisible(!blnWordMode);
    cmbTo->setVisible(!blnWordMode);
}

void frmMain::applyAndRestart(const PracticeRange& range)
{
    colRange = range;
    ApplyRange();
    cmdRestartTest_Click();
    cmdRestartListing_Click();
}

// In word mode the line lists are what the user sees, so they show the lines that hold the
// first and last item chosen, whichever control chose them.
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
        applyAndRestart(colRange.chosen(cmbFrom->currentIndex() + 1, cmbTo->currentIndex() + 1));
}

void frmMain::cmbTo_Click()
{
    if (!blnComboEvents)
        return;
    if (cmbTo->currentIndex() < cmbFrom->currentIndex())
        refuseInvalidChoice(cmbTo, cmbFrom->currentIndex());
    else
        applyAndRestart(colRange.chosen(cmbFrom->currentIndex() + 1, cmbTo->currentIndex() + 1));
}

// Only the list is put back in order; the practised range and both practice modes keep what
// they had.
void frmMain::refuseInvalidChoice(QComboBox* corrected, int index)
{
    blnComboEvents = false;
    MessageBox::inform(this, QStringLiteral("FROM cannot be greater than TO"),
                       QStringLiteral("Invalid Selection"));
    corrected->setCurrentIndex(index);
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
    if (!colItems.isEmpty())
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
    if (requireOpenList())
        applyAndRestart(colRange.firstItems(size));
}

void frmMain::cmdNextRange_Click()
{
    if (requireOpenList() && colRange.last() < colRange.count())
        applyAndRestart(colRange.next());
}

void frmMain::cmdPrevRange_Click()
{
    if (requireOpenList() && colRange.first() > 1)
        applyAndRestart(colRange.previous());
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
    int first = colRange.first();
    int last = colRange.last();
    if (from < colRange.count())
        first = from + 1;
    if (to >= 0 && to < colRange.count())
        last = to + 1;
    if (first <= last)
        applyAndRestart(colRange.chosen(first, last));
}
