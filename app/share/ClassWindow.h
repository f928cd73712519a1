#pragma once

#include "practice/shared/classview.h"

#include <QDialog>

class QTableWidget;

// A teacher's class: one row a learner, read from their shared folders and never written.
class ClassWindow : public QDialog {
    Q_OBJECT
public:
    ClassWindow(const QString& folder, const QList<classview::Learner>& learners,
                QWidget* parent = nullptr);

    QTableWidget* table() const { return m_table; }

signals:
    // A learner's row chosen: their shared folder, to see their progress in.
    void learnerChosen(const QString& folder, const QString& name);

private:
    QTableWidget* m_table;
};
