#pragma once

#include "PassageFinder.h"
#include "common/FontRecord.h"

#include <QDialog>

class QLineEdit;
class UniListBox;

// Finds a passage of the open list by its words: the passages holding every word typed are
// listed as the user types, best first, each with its number and a few words around the match;
// choosing one practises from it.
class frmFind : public QDialog {
    Q_OBJECT
public:
    frmFind(const PassageFinder& finder, const FontRecord& arabic, QWidget* parent = nullptr);

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
    QList<int> m_found;
    QLineEdit* txtFind;
    UniListBox* lstFound;
};
