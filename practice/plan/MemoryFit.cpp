#include "practice/plan/MemoryFit.h"

#include "practice/history/PracticeHistory.h"

#include <QSqlDatabase>

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

namespace {

// Every answer of the history file at `path`, read through a connection of this thread.
fitting::Log answersIn(const QString& path)
{
    const QString connection = QStringLiteral("zorvel-fit");
    fitting::Log log;
    {
        QSqlDatabase database = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
        database.setDatabaseName(path);
        log = PracticeHistory(database, PracticeHistory::Access::ReadOnly).fittingLog();
    }
    QSqlDatabase::removeDatabase(connection);
    return log;
}

} // namespace

void MemoryFit::start(const QString& history, const fsrs::Parameters& current)
{
    if (isRunning())
        return;
    m_cancel = false;
    // What the thread tells is handed over on this object's thread; a fit stopped by the
    // destructor tells nothing, its queued calls going with the object.
    m_thread = std::thread([this, history, current] {
        const fitting::Log log = answersIn(history);
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
