#pragma once

#include "lists/listfile.h"

#include <QDialog>
#include <QList>

class QLineEdit;

// Asked before a list is saved with characters a list file cannot keep: each is named with
// how often and where it first stands, and the user may type a text to stand in its place
// (for ﷺ, say, "صلى الله عليه وسلم") or leave it empty to drop it. A stand-in that cannot be
// kept either is said at once, and the dialog does not save until it is changed.
class UnkeptWindow : public QDialog {
    Q_OBJECT
public:
    UnkeptWindow(const QList<listfile::UnkeptCharacter>& characters, QWidget* parent = nullptr);

    // `text` with every named character replaced by what was typed for it.
    QString replaced(QString text) const;

    QList<QLineEdit*> replacements() const { return m_replacements; }

private:
    void showProblem(class QLabel* problem, const QString& standIn);

    QList<listfile::UnkeptCharacter> m_characters;
    QList<QLineEdit*> m_replacements;
};
