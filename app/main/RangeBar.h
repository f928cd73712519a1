#pragma once

#include <QObject>

class DivisionChoiceModel;
class ItemNumberModel;
class LineListModel;
class Practice;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QToolButton;
class QWidget;

// The band above the pages that chooses the practised range: the From and To lists (in word
// mode the line lists in their place), the stepping arrows and the presets. It shows the
// practice's range and forwards the user's choices; the practice decides.
class RangeBar : public QObject {
    Q_OBJECT
public:
    // Builds the designed controls on `client`.
    RangeBar(QWidget* client, Practice& practice);

    // The lists offer the open list's items (or lines) again.
    void FillRangeCombos();
    // The lists and buttons show the practised range.
    void ApplyRange();
    // The item lists in line mode, the line lists in word mode.
    void ShowComboFromTo();

private:
    void nameForScreenReaders();
    void fillPartChooser();
    void connectControls();
    void showRangeInLineLists();
    void cmbFrom_Click();
    void cmbTo_Click();
    void chooseFromLists(QComboBox* changed, QComboBox* other);
    void cmbLineFrom_Click();
    void cmbLineTo_Click();
    bool requireOpenList();
    void cmdAll_Click();
    void cmdFirst5_Click();
    void cmdFirst10_Click();
    void cmdNextRange_Click();
    void cmdPrevRange_Click();

    Practice& m_practice;
    QWidget* m_client;
    ItemNumberModel* m_itemNumbers;
    DivisionChoiceModel* m_divisions; // the rows of cmbPart
    LineListModel* m_lines;
    bool blnComboEvents = true;

    QLabel* lblFrom;
    QComboBox* cmbFrom;
    QLabel* lblTo;
    QComboBox* cmbTo;
    QComboBox* cmbLineFrom;
    QComboBox* cmbLineTo;
    QToolButton* cmdPrevRange;
    QToolButton* cmdNextRange;
    QGroupBox* Frame1;
    QPushButton* cmdAll;
    QPushButton* cmdFirst5;
    QPushButton* cmdFirst10;
    QLabel* lblPart;
    QComboBox* cmbPart;
};
