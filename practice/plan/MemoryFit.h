#pragma once

#include "schedule/fitting.h"

#include <QObject>

#include <atomic>
#include <thread>

// The memory model's weights fitted to the learner's answers on a thread of its own, where the
// answers are read too: practice goes on meanwhile, the progress is told as it goes, and the
// fit can be stopped.
class MemoryFit : public QObject {
    Q_OBJECT
public:
    explicit MemoryFit(QObject* parent = nullptr);
    // A fit still running is stopped and waited for.
    ~MemoryFit() override;

    // Fits every answer of the history file `history`, read on the fit's thread through a
    // connection of its own, judged against the weights in use `current`; nothing while a fit
    // runs.
    void start(const QString& history, const fsrs::Parameters& current);
    void cancel();
    bool isRunning() const { return m_thread.joinable(); }

signals:
    void progressed(int percent);
    // Told for a fit stopped or refused, too.
    void finished(const fitting::Result& result);

private:
    std::thread m_thread;
    std::atomic_bool m_cancel = false;
};
