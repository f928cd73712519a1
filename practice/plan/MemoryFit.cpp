#include "practice/plan/MemoryFit.h"

MemoryFit::MemoryFit(QObject* parent)
    : QObject(parent)
{
}

MemoryFit::~MemoryFit()
{
    cancel();
    if (m_thread.joinable())
        m_thread.join();
}

void MemoryFit::start(fitting::Log log, const fsrs::Parameters& current)
{
    if (isRunning())
        return;
    m_cancel = false;
    // What the thread tells is handed over on this object's thread; a fit stopped by the
    // destructor tells nothing, its queued calls going with the object.
    m_thread = std::thread([this, log = std::move(log), current] {
        const fitting::Result result = fitting::fit(
            log, current,
            [this](int percent) {
                QMetaObject::invokeMethod(
                    this, [this, percent] { emit progressed(percent); }, Qt::QueuedConnection);
            },
            &m_cancel);
        QMetaObject::invokeMethod(
            this,
            [this, result] {
                m_thread.join();
                emit finished(result);
            },
            Qt::QueuedConnection);
    });
}

void MemoryFit::cancel()
{
    m_cancel = true;
}
