#pragma once

#include "controls/common/FontRecord.h"

#include <QDialog>

class Practice;
class QCheckBox;
class QPushButton;
class Recitation;
class QLabel;
class AnswerBox;
class QTextBrowser;

// Write from memory: the entries before the one to recall stand above, the learner types it,
// and Enter checks it word by word (right, wrong with the right word, missing, extra) and grades
// it; the next Enter brings the next entry of the practised range.
class WriteWindow : public QDialog {
    Q_OBJECT
public:
    WriteWindow(Practice& practice, const FontRecord& arabic, bool marksToo,
                QWidget* parent = nullptr);

    AnswerBox* written() const { return m_written; }
    QTextBrowser* result() const { return m_result; }
    QLabel* verdict() const { return m_verdict; }

    // The entry to write, after another range or list.
    void showEntry();
    // Reciting, a checked entry can be heard.
    void setRecitation(Recitation* recitation) { m_recitation = recitation; }

signals:
    void marksTooChanged(bool on);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void checkOrGoOn();
    void showChecked();
    QString leadIn() const;

    Practice& m_practice;
    QTextBrowser* m_before;
    QLabel* m_task;
    AnswerBox* m_written;
    QTextBrowser* m_result;
    QLabel* m_verdict;
    QLabel* m_legend; // what the marks of a checked entry mean, while there are any
    QCheckBox* m_marksToo;
    QLabel* m_keys;
    QPushButton* m_listen; // shown once an entry is checked, while reciting
    Recitation* m_recitation = nullptr;
};
