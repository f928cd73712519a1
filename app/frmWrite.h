#pragma once

#include "common/FontRecord.h"

#include <QDialog>

class Practice;
class QCheckBox;
class QLabel;
class QPlainTextEdit;

// Write from memory: the entries before the one to recall stand above, the learner types it,
// and Enter checks it word by word (right, wrong with the right word, missing, extra) and grades
// it; the next Enter brings the next entry of the practised range.
class frmWrite : public QDialog {
    Q_OBJECT
public:
    frmWrite(Practice& practice, const FontRecord& arabic, bool marksToo,
             QWidget* parent = nullptr);

    QPlainTextEdit* written() const { return txtWritten; }
    QLabel* result() const { return lblResult; }
    QLabel* verdict() const { return lblVerdict; }

    // The entry to write, after another range or list.
    void showEntry();

signals:
    void marksTooChanged(bool on);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void checkOrGoOn();
    void showChecked();
    QString leadIn() const;

    Practice& m_practice;
    QLabel* lblBefore;
    QLabel* lblTask;
    QPlainTextEdit* txtWritten;
    QLabel* lblResult;
    QLabel* lblVerdict;
    QCheckBox* chkMarksToo;
    QLabel* lblKeys;
};
