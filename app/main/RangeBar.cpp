#include "app/main/RangeBar.h"

#include "app/files/listmessages.h"
#include "app/main/rangestepicon.h"
#include "controls/common/MessageBox.h"
#include "controls/common/designed.h"
#include "controls/common/longlistcombo.h"
#include "practice/models/DivisionChoiceModel.h"
#include "practice/models/ItemNumberModel.h"
#include "practice/models/LineListModel.h"
#include "practice/session/Practice.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QToolButton>

RangeBar::RangeBar(QWidget* client, Practice& practice)
    : QObject(client)
    , m_practice(practice)
    , m_client(client)
    , m_itemNumbers(new ItemNumberModel(this))
    , m_divisions(new DivisionChoiceModel(this))
    , m_lines(new LineListModel(this))
{
    setObjectName(QStringLiteral("rangeBar"));
    // Alt+F is the File menu's, as everywhere; From is Alt+O.
    lblFrom = makeDesigned<QLabel>(client, "lblFrom", twipsRect(120, 210, 675, 255), tr("Fr&om"));
    cmbFrom = makeDesigned<QComboBox>(client, "cmbFrom", twipsRect(555, 165, 1320, 315));
    lblTo = makeDesigned<QLabel>(client, "lblTo", twipsRect(1980, 210, 240, 270), tr("&To"));
    cmbTo = makeDesigned<QComboBox>(client, "cmbTo", twipsRect(2265, 165, 1320, 315));
    cmdPrevRange =
        makeDesigned<QToolButton>(client, "cmdPrevRange", twipsRect(3630, 180, 240, 285));
    cmdNextRange =
        makeDesigned<QToolButton>(client, "cmdNextRange", twipsRect(3915, 180, 240, 285));
    Frame1 =
        makeDesigned<QGroupBox>(client, "Frame1", twipsRect(4260, -30, 3120, 615), tr("Select"));
    cmdAll = makeDesigned<QPushButton>(Frame1, "cmdAll", twipsRect(180, 255, 825, 285), tr("&All"));
    cmdFirst5 = makeDesigned<QPushButton>(Frame1, "cmdFirst5", twipsRect(1170, 255, 825, 285),
                                          tr("First &5"));
    cmdFirst10 = makeDesigned<QPushButton>(Frame1, "cmdFirst10", twipsRect(2175, 255, 825, 285),
                                           tr("First &10"));
    // Shown only for a list with parts: a whole part at once.
    lblPart = makeDesigned<QLabel>(client, "lblPart", twipsRect(7500, 210, 540, 255), tr("&Part"));
    // A gap between the label and its list, which an Arabic caption fills to its edge.
    cmbPart = makeDesigned<QComboBox>(client, "cmbPart", twipsRect(8100, 165, 2520, 315));
    lblPart->setBuddy(cmbPart);
    cmbPart->setToolTip(tr("Practise a whole part"));
    lblPart->hide();
    cmbPart->hide();
    // The line lists stand on the places of the item lists.
    cmbLineFrom = makeDesigned<QComboBox>(client, "cmbLineFrom", twipsRect(555, 165, 1320, 315));
    cmbLineTo = makeDesigned<QComboBox>(client, "cmbLineTo", twipsRect(2265, 165, 1320, 315));

    cmdPrevRange->setToolTip(tr("Select Previous Range"));
    cmdNextRange->setToolTip(tr("Select Next Range"));
    // The next stretch lies ahead in the reading direction: to the left, right to left.
    const bool rightToLeft = client->layoutDirection() == Qt::RightToLeft;
    cmdPrevRange->setIcon(rangeStepIcon(rightToLeft ? Qt::RightArrow : Qt::LeftArrow));
    cmdNextRange->setIcon(rangeStepIcon(rightToLeft ? Qt::LeftArrow : Qt::RightArrow));

    cmbFrom->setModel(m_itemNumbers);
    cmbTo->setModel(m_itemNumbers);
    cmbLineFrom->setModel(m_lines);
    cmbLineTo->setModel(m_lines);
    cmbPart->setModel(m_divisions);
    for (QComboBox* combo : {cmbFrom, cmbTo, cmbLineFrom, cmbLineTo, cmbPart})
        makeLongListReady(combo);
    nameForScreenReaders();
    connectControls();
    ShowComboFromTo();
}

// Controls that have no caption or label of their own; the rest are named by them.
void RangeBar::nameForScreenReaders()
{
    cmdPrevRange->setAccessibleName(cmdPrevRange->toolTip());
    cmdNextRange->setAccessibleName(cmdNextRange->toolTip());
    cmbLineFrom->setAccessibleName(tr("From line"));
    cmbLineTo->setAccessibleName(tr("To line"));
}

void RangeBar::connectControls()
{
    connect(cmbFrom, &QComboBox::currentIndexChanged, this, &RangeBar::cmbFrom_Click);
    connect(cmbTo, &QComboBox::currentIndexChanged, this, &RangeBar::cmbTo_Click);
    connect(cmbLineFrom, &QComboBox::currentIndexChanged, this, &RangeBar::cmbLineFrom_Click);
    connect(cmbLineTo, &QComboBox::currentIndexChanged, this, &RangeBar::cmbLineTo_Click);
    connect(cmbPart, &QComboBox::activated, this, [this](int row) {
        if (row >= 0 && row < m_divisions->rowCount())
            m_practice.chooseDivision(m_divisions->entry(row).kind, m_divisions->entry(row).index);
    });
    connect(cmdAll, &QPushButton::clicked, this, &RangeBar::cmdAll_Click);
    connect(cmdFirst5, &QPushButton::clicked, this, &RangeBar::cmdFirst5_Click);
    connect(cmdFirst10, &QPushButton::clicked, this, &RangeBar::cmdFirst10_Click);
    connect(cmdNextRange, &QToolButton::clicked, this, &RangeBar::cmdNextRange_Click);
    connect(cmdPrevRange, &QToolButton::clicked, this, &RangeBar::cmdPrevRange_Click);
}

void RangeBar::FillRangeCombos()
{
    blnComboEvents = false;
    {
        // The old selection of the line lists means nothing for the new lines; the range
        // applied next shows itself in them.
        const QSignalBlocker fromBlocker(cmbLineFrom);
        const QSignalBlocker toBlocker(cmbLineTo);
        m_lines->setLines(m_practice.lines(), m_practice.parts());
    }
    if (m_practice.parts().isEmpty())
        m_itemNumbers->setCount(int(m_practice.items().size()));
    else
        m_itemNumbers->setCount(int(m_practice.items().size()),
                                [this](int number) { return m_practice.itemReference(number); });
    fillPartChooser();
    ShowComboFromTo();
}

// A list with parts or divisions offers them whole; one without shows no chooser.
void RangeBar::fillPartChooser()
{
    const QSignalBlocker quiet(cmbPart);
    m_divisions->setDivisions(m_practice.parts(), m_practice.divisions());
    cmbPart->setVisible(m_divisions->rowCount() > 0);
    lblPart->setVisible(m_divisions->rowCount() > 0);
}

void RangeBar::ApplyRange()
{
    const PracticeRange& range = m_practice.range();
    blnComboEvents = false;
    cmbFrom->setCurrentIndex(ItemNumberModel::rowOf(range.first()));
    cmbTo->setCurrentIndex(ItemNumberModel::rowOf(range.last()));
    blnComboEvents = true;
    showRangeInLineLists();
    {
        const QSignalBlocker quiet(cmbPart);
        const std::optional<Practice::DivisionChoice> chosen = m_practice.chosenDivision();
        cmbPart->setCurrentIndex(
            chosen ? m_divisions->rowOf(chosen->kind, chosen->index)
                   : m_divisions->rowOf(-1, partOfItem(m_practice.parts(), range.first())));
    }

    const RangeButtons buttons = range.buttons();
    cmdAll->setEnabled(buttons.all);
    cmdFirst5->setEnabled(buttons.first5);
    cmdFirst10->setEnabled(buttons.first10);
    cmdNextRange->setEnabled(buttons.next);
    cmdPrevRange->setEnabled(buttons.previous);
}

// The captions name the lists that show: a screen reader reads a list with its caption, and
// Alt+O and Alt+T reach it.
void RangeBar::ShowComboFromTo()
{
    const bool wordMode = m_practice.wordMode();
    cmbLineFrom->setVisible(wordMode);
    cmbLineTo->setVisible(wordMode);
    cmbFrom->setVisible(!wordMode);
    cmbTo->setVisible(!wordMode);
    lblFrom->setBuddy(wordMode ? cmbLineFrom : cmbFrom);
    lblTo->setBuddy(wordMode ? cmbLineTo : cmbTo);
    lblFrom->setAccessibleName(wordMode ? cmbLineFrom->accessibleName() : QString());
    lblTo->setAccessibleName(wordMode ? cmbLineTo->accessibleName() : QString());
}

// In word mode the line lists are what the user sees, so they show the lines that hold the
// first and last item of the practised range.
void RangeBar::showRangeInLineLists()
{
    if (!m_practice.wordMode())
        return;
    const QSignalBlocker fromBlocker(cmbLineFrom);
    const QSignalBlocker toBlocker(cmbLineTo);
    cmbLineFrom->setCurrentIndex(m_practice.lineOfItem(m_practice.range().first()));
    cmbLineTo->setCurrentIndex(m_practice.lineOfItem(m_practice.range().last()));
}

void RangeBar::cmbFrom_Click()
{
    chooseFromLists(cmbFrom, cmbTo);
}

void RangeBar::cmbTo_Click()
{
    chooseFromLists(cmbTo, cmbFrom);
}

// A choice the practice refuses puts only the list back: the practised range and both practice
// modes keep what they had.
void RangeBar::chooseFromLists(QComboBox* changed, QComboBox* other)
{
    if (!blnComboEvents)
        return;
    const auto number = [](QComboBox* list) {
        return list->currentData(ItemNumberModel::NumberRole).toInt();
    };
    if (m_practice.choose(number(cmbFrom), number(cmbTo)))
        return;
    blnComboEvents = false;
    MessageBox::inform(m_client->window(), tr("FROM cannot be greater than TO"),
                       tr("Invalid Selection"));
    changed->setCurrentIndex(other->currentIndex());
    blnComboEvents = true;
    showRangeInLineLists();
}

void RangeBar::cmbLineFrom_Click()
{
    if (cmbLineFrom->currentIndex() >= 0)
        cmbFrom->setCurrentIndex(
            ItemNumberModel::rowOf(cmbLineFrom->currentData(LineListModel::FirstItemRole).toInt()));
}

void RangeBar::cmbLineTo_Click()
{
    if (cmbLineTo->currentIndex() >= 0)
        cmbTo->setCurrentIndex(
            ItemNumberModel::rowOf(cmbLineTo->currentData(LineListModel::LastItemRole).toInt()));
}

// The range buttons need a list; without one they say how to open one.
bool RangeBar::requireOpenList()
{
    if (m_practice.hasList())
        return true;
    showOpenFileMessage(m_client->window());
    return false;
}

void RangeBar::cmdAll_Click()
{
    if (requireOpenList())
        m_practice.chooseFirst(0);
}

void RangeBar::cmdFirst5_Click()
{
    if (requireOpenList())
        m_practice.chooseFirst(5);
}

void RangeBar::cmdFirst10_Click()
{
    if (requireOpenList())
        m_practice.chooseFirst(10);
}

void RangeBar::cmdNextRange_Click()
{
    if (requireOpenList())
        m_practice.chooseNext();
}

void RangeBar::cmdPrevRange_Click()
{
    if (requireOpenList())
        m_practice.choosePrevious();
}
