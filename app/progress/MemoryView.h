#pragma once

#include "practice/session/progressdata.h"

#include <QWidget>

class QLabel;
class QProgressBar;
class QPushButton;

// "Your memory": the memory model as it stands for this learner (the default weights or their
// own, the last fit and how it judged), and the fit to their own answers, run in the background
// with its progress, stopped at will.
class MemoryView : public QWidget {
    Q_OBJECT
public:
    explicit MemoryView(QWidget* parent);

    void showModel(const MemoryModel& model);
    // A fit running, `percent` done.
    void showFitting(int percent);
    // A fit ended: what became of it, said until the model is shown again.
    void showOutcome(const fitting::Result& result);

    QLabel* status() const { return m_status; }
    QPushButton* fitButton() const { return m_fit; }

signals:
    void fit();
    void cancel();
    void useDefaults();

private:
    // The buttons as the model and a fit running allow.
    void enableButtons();

    MemoryModel m_model;
    bool m_running = false;
    QLabel* m_status;
    QLabel* m_outcome;
    QProgressBar* m_progress;
    QPushButton* m_fit;
    QPushButton* m_cancel;
    QPushButton* m_defaults;
};
