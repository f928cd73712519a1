#pragma once

#include "controls/common/FontRecord.h"
#include "practice/search/PassageFinder.h"

#include <QDialog>

#include <functional>

class QCheckBox;
class QLabel;
class QLineEdit;
class UniListBox;

// Finds a passage of the open list by its words: every passage holding the words typed is
// listed as the user types, in the list's order or best first, each with its reference and a
// few words around the match, those holding the words together marked; the count is said
// above them. Choosing one practises from it.
class FindWindow : public QDialog {
    Q_OBJECT
public:
    // `reference` names a passage by its first item, as the learner knows it.
    FindWindow(const PassageFinder& finder, std::function<QString(int)> reference,
               const FontRecord& arabic, QWidget* parent = nullptr);

    QLineEdit* query() const { return m_query; }
    UniListBox* results() const { return m_results; }
    QLabel* count() const { return m_count; }
    QCheckBox* bestFirst() const { return m_bestFirst; }

    // The mark of a passage holding the words together, before its words.
    static const QString kTogether;

signals:
    // The passage the user chose, by its index in the finder.
    void chosen(int passage);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void search();
    void choose();
    static QString countText(const QString& query, int found, int together);

    const PassageFinder& m_finder;
    std::function<QString(int)> m_reference;
    QList<PassageFinder::Hit> m_found;
    QLineEdit* m_query;
    UniListBox* m_results;
    QLabel* m_count;
    QCheckBox* m_bestFirst;
};
