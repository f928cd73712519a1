#pragma once

#include "controls/common/FontRecord.h"
#include "practice/session/progressdata.h"

#include <QDialog>

class ConfusionsView;
class DivisionsView;
class MemoryView;
class RecitalView;
class DueBars;
class QTabWidget;
class QTableView;
class QTableWidget;
class StrengthMap;
class QVBoxLayout;
class UniListBox;

// The learner's progress with the open list in its mode, in a window kept beside the practice:
// a chart of the latest completed tests of the range being practised (time taken and wrong
// picks), the table of every completed test, a map of every item's strength today beside the
// items due in the coming days, the items that drew the most wrong picks, the pairs taken for
// one another, the answers of each drill, the strength of each division, the marks of passages
// recited aloud and the learner's memory model; choosing an item
// practises the stretch that starts with it, choosing a pair practises the two in turn.
class ProgressWindow : public QDialog {
    Q_OBJECT
public:
    ProgressWindow(const ProgressData& progress, const FontRecord& arabic,
                   QWidget* parent = nullptr);

    // The progress anew, as it is after a test or another choice of range or list.
    void showProgress(const ProgressData& progress);

    QWidget* chart() const { return m_chart; }
    QTableView* table() const { return m_table; }
    UniListBox* weakest() const { return m_weakest; }
    StrengthMap* strengthMap() const { return m_map; }
    DueBars* dueBars() const { return m_dueBars; }
    ConfusionsView* confusions() const { return m_confusions; }
    // The items most often missed, and beside them, once there are any, the pairs confused and
    // the answers of each drill.
    QTabWidget* mistakes() const { return m_mistakes; }
    QTableWidget* drills() const { return m_drills; }
    DivisionsView* divisions() const { return m_divisions; }
    RecitalView* recital() const { return m_recital; }
    MemoryView* memory() const { return m_memory; }
    // Another's progress, to be read: nothing to practise or export from it.
    void setReadOnly();

signals:
    // The user chose the item numbered `number` to practise from.
    void practise(int number);
    // The user asked for the list's memory in a file.
    void exportAsked();
    // The user chose to practise a pair of items taken for one another.
    void practisePair(int number, int other);
    // The user chose a division (kind -1: a part) to practise whole.
    void practiseDivision(int kind, int index);
    // The user chose to recite the practised range aloud.
    void reciteRange();

private:
    void choose();
    void showDrills(const QList<PracticeHistory::DrillCount>& drills);

    QList<PracticeHistory::ItemRecord> m_items;
    QWidget* m_chart = nullptr;
    QTableView* m_table;
    UniListBox* m_weakest;
    QVBoxLayout* m_layout;
    StrengthMap* m_map;
    DueBars* m_dueBars;
    ConfusionsView* m_confusions;
    QTabWidget* m_mistakes;
    QTableWidget* m_drills;
    DivisionsView* m_divisions;
    RecitalView* m_recital;
    MemoryView* m_memory;
};
