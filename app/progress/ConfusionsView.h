#pragma once

#include "controls/common/FontRecord.h"
#include "practice/session/progressdata.h"

#include <QWidget>

class QPushButton;
class QTextBrowser;
class UniListBox;

// The pairs of passages the learner takes for one another most often: the list of pairs, the
// chosen pair side by side with the words that tell them apart marked, and a button that
// practises the pair.
class ConfusionsView : public QWidget {
    Q_OBJECT
public:
    ConfusionsView(const FontRecord& arabic, QWidget* parent);

    void showPairs(const QList<ProgressData::Confused>& pairs,
                   const std::function<QString(int)>& reference);

    UniListBox* pairs() const { return m_pairList; }
    QTextBrowser* pair() const { return m_pairText; }

signals:
    void practisePair(int number, int other);

private:
    void showChosenPair();
    void choose();

    QList<ProgressData::Confused> m_pairs;
    std::function<QString(int)> m_reference;
    UniListBox* m_pairList;
    QTextBrowser* m_pairText;
    QPushButton* m_practisePair;
};
