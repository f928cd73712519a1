#include "PracticeHistory.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

PracticeHistory::PracticeHistory(QSqlDatabase database)
    : m_database(std::move(database))
{
    // Another Zorvel holding the file must not freeze a pick for long: wait briefly, then fail.
    m_database.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=200"));
    if (!m_database.open()) {
        fail(m_database.lastError().text());
        return;
    }
    m_open = true;
    // A pick is recorded at once; the write-ahead log keeps that cheap and a crash harmless.
    run(QStringLiteral("PRAGMA journal_mode=WAL"));
    run(QStringLiteral("PRAGMA synchronous=NORMAL"));
    m_open = upgrade();
}

void PracticeHistory::fail(const QString& why)
{
    m_open = false;
    if (m_error.isEmpty())
        m_error = why.isEmpty() ? QStringLiteral("the practice history cannot be used") : why;
}

bool PracticeHistory::run(const QString& statement)
{
    QSqlQuery query(m_database);
    if (query.exec(statement))
        return true;
    fail(query.lastError().text());
    return false;
}

// Version 1 kept the items only; later versions add to it and never drop what it kept.
bool PracticeHistory::upgrade()
{
    QSqlQuery version(m_database);
    if (!version.exec(QStringLiteral("PRAGMA user_version")) || !version.next()) {
        fail(version.lastError().text());
        return false;
    }
    const int found = version.value(0).toInt();
    if (found > kSchemaVersion) {
        fail(QStringLiteral("the practice history was written by a newer Zorvel"));
        return false;
    }
    if (found < 1 &&
        !run(QStringLiteral("CREATE TABLE IF NOT EXISTS items (list TEXT NOT NULL, item TEXT "
                            "NOT NULL, right_first INTEGER NOT NULL DEFAULT 0, wrong INTEGER NOT "
                            "NULL DEFAULT 0, PRIMARY KEY (list, item))")))
        return false;
    if (found < 2 &&
        !(run(QStringLiteral("CREATE TABLE IF NOT EXISTS sessions (id INTEGER PRIMARY KEY, list "
                             "TEXT NOT NULL, finished TEXT NOT NULL, first INTEGER, last "
                             "INTEGER, word_mode INTEGER, right INTEGER, wrong INTEGER, seconds "
                             "INTEGER)")) &&
          run(QStringLiteral("CREATE INDEX IF NOT EXISTS sessions_list ON sessions (list, id)"))))
        return false;
    if (found < 3 &&
        !run(QStringLiteral("CREATE TABLE IF NOT EXISTS confusions (list TEXT NOT NULL, item TEXT "
                            "NOT NULL, other TEXT NOT NULL, count INTEGER NOT NULL DEFAULT 0, "
                            "PRIMARY KEY (list, item, other))")))
        return false;
    return run(QStringLiteral("PRAGMA user_version = %1").arg(kSchemaVersion));
}

void PracticeHistory::recordPick(const QString& list, const QString& item, bool right,
                                 bool firstTry)
{
    if (!m_open || (right && !firstTry))
        return;
    QSqlQuery query(m_database);
    query.prepare(right
                      ? QStringLiteral("INSERT INTO items (list, item, right_first) VALUES "
                                       "(?, ?, 1) ON CONFLICT (list, item) DO UPDATE SET "
                                       "right_first = right_first + 1")
                      : QStringLiteral("INSERT INTO items (list, item, wrong) VALUES (?, ?, 1) "
                                       "ON CONFLICT (list, item) DO UPDATE SET wrong = wrong + 1"));
    query.addBindValue(list);
    query.addBindValue(item);
    if (!query.exec())
        fail(query.lastError().text());
}

void PracticeHistory::recordSession(const QString& list, const Session& session)
{
    if (!m_open)
        return;
    QSqlQuery query(m_database);
    query.prepare(QStringLiteral("INSERT INTO sessions (list, finished, first, last, word_mode, "
                                 "right, wrong, seconds) VALUES (?, ?, ?, ?, ?, ?, ?, ?)"));
    for (const QVariant& value :
         {QVariant(list), QVariant(session.finished.toUTC().toString(Qt::ISODate)),
          QVariant(session.first), QVariant(session.last), QVariant(int(session.wordMode)),
          QVariant(session.right), QVariant(session.wrong), QVariant(session.seconds)})
        query.addBindValue(value);
    if (!query.exec())
        fail(query.lastError().text());
}

QList<PracticeHistory::ItemRecord> PracticeHistory::weakestItems(const QString& list,
                                                                 int count) const
{
    QList<ItemRecord> items;
    if (!m_open)
        return items;
    QSqlQuery query(m_database);
    query.prepare(QStringLiteral("SELECT item, right_first, wrong FROM items WHERE list = ? AND "
                                 "wrong > 0 ORDER BY wrong DESC, right_first ASC LIMIT ?"));
    query.addBindValue(list);
    query.addBindValue(count);
    if (!query.exec())
        return items;
    while (query.next())
        items.append({query.value(0).toString(), query.value(1).toInt(), query.value(2).toInt()});
    return items;
}

QList<PracticeHistory::Session> PracticeHistory::sessions(const QString& list) const
{
    QList<Session> found;
    if (!m_open)
        return found;
    QSqlQuery query(m_database);
    query.setForwardOnly(true);
    query.prepare(QStringLiteral("SELECT finished, first, last, word_mode, right, wrong, seconds "
                                 "FROM sessions WHERE list = ? ORDER BY id"));
    query.addBindValue(list);
    if (!query.exec())
        return found;
    while (query.next()) {
        Session session;
        session.finished = QDateTime::fromString(query.value(0).toString(), Qt::ISODate);
        session.first = query.value(1).toInt();
        session.last = query.value(2).toInt();
        session.wordMode = query.value(3).toBool();
        session.right = query.value(4).toInt();
        session.wrong = query.value(5).toInt();
        session.seconds = query.value(6).toLongLong();
        found.append(session);
    }
    return found;
}

void PracticeHistory::recordConfusion(const QString& list, const QString& item,
                                      const QString& other)
{
    if (!m_open)
        return;
    QSqlQuery query(m_database);
    query.prepare(QStringLiteral("INSERT INTO confusions (list, item, other, count) VALUES (?, ?, "
                                 "?, 1) ON CONFLICT (list, item, other) DO UPDATE SET count = "
                                 "count + 1"));
    query.addBindValue(list);
    query.addBindValue(item);
    query.addBindValue(other);
    if (!query.exec())
        fail(query.lastError().text());
}

int PracticeHistory::confusions(const QString& list, const QString& item,
                                const QString& other) const
{
    if (!m_open)
        return 0;
    QSqlQuery query(m_database);
    query.prepare(QStringLiteral("SELECT count FROM confusions WHERE list = ? AND item = ? AND "
                                 "other = ?"));
    query.addBindValue(list);
    query.addBindValue(item);
    query.addBindValue(other);
    return query.exec() && query.next() ? query.value(0).toInt() : 0;
}
