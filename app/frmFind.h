#pragma once

#include "PassageFinder.h"
#include "common/FontRecord.h"

#include <QDialog>

#include <functional>

class QLineEdit;
class UniListBox;

// Finds a passage of the open list by its words: the passages holding every word typed are
// listed as the user types, best first, each with its number and a few words around the match;
// choosing one practises from it.
class frmFind : public QDialog {
    Q_OBJECT
public:
    // `reference` names a passage by its first item, as the learner knows it.
    frmFind(const PassageFinder& finder, std::function<QString(int)> reference,
            const FontRecord& arabic, QWidget* parent = nullptr);

    QLineEdit* query() const { return txtFind; }
    UniListBox* results() const { return lstFound; }

signals:
    // The passage the user chose, by its index in the finder.
    void chosen(int passage);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void search();
    void choose();

    const PassageFinder& m_finder;
    std::function<QString(int)> m_reference;
    QList<int> m_found;
    QLineEdit* txtFind;
    UniListBox* lstFound;
};
