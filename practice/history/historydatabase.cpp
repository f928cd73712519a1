#include "practice/history/historydatabase.h"

#include <QSqlError>

namespace {

// SQLite's primary result codes for trouble that passes: the file busy or locked by another
// connection, the disk full or failing to write.
bool passes(const QSqlError& error)
{
    bool isCode = false;
    const int code = error.nativeErrorCode().toInt(&isCode) & 0xFF;
    return isCode && (code == 5 || code == 6 || code == 10 || code == 13);
}

} // namespace

HistoryDatabase::HistoryDatabase(const QSqlDatabase& database)
    : m_connection(database)
{
}

void HistoryDatabase::fail(const QString& why) const
{
    m_open = false;
    if (m_error.isEmpty())
        m_error = why.isEmpty() ? QStringLiteral("the practice history cannot be used") : why;
}

void HistoryDatabase::failWith(const QSqlError& error) const
{
    // The driver's and the database's texts can say the same; one is enough.
    const QString why = error.databaseText().isEmpty() ? error.text() : error.databaseText();
    if (passes(error))
        m_delay = why;
    else
        fail(why);
}

bool HistoryDatabase::exec(QSqlQuery& query) const
{
    if (!m_open)
        return false;
    if (query.exec()) {
        m_delay.clear();
        return true;
    }
    failWith(query.lastError());
    return false;
}

bool HistoryDatabase::run(const QString& statement) const
{
    QSqlQuery query(m_connection);
    query.prepare(statement);
    return exec(query);
}

QSqlQuery& HistoryDatabase::prepared(const QString& statement, const QVariantList& values) const
{
    auto kept = m_statements.find(statement);
    // A statement whose last run failed (the file busy, say) is compiled again: SQLite would
    // repeat that failure at its next run, and the driver then drop the statement for good.
    if (kept != m_statements.end() && kept->lastError().isValid()) {
        m_statements.erase(kept);
        kept = m_statements.end();
    }
    if (kept == m_statements.end()) {
        QSqlQuery query(m_connection);
        query.setForwardOnly(true);
        query.prepare(statement); // a statement that cannot be compiled is said when it is run
        kept = m_statements.emplace(statement, std::move(query));
    }
    kept->finish();
    for (int i = 0; i < values.size(); ++i)
        kept->bindValue(i, values[i]);
    return *kept;
}

bool HistoryDatabase::select(const QString& statement, const QVariantList& values,
                             const std::function<void(const QSqlQuery& row)>& take) const
{
    // Its own query: `take` may ask for other statements, or for this one, while it reads.
    QSqlQuery query(m_connection);
    query.setForwardOnly(true);
    query.prepare(statement);
    for (const QVariant& value : values)
        query.addBindValue(value);
    if (!exec(query))
        return false;
    while (query.next())
        take(query);
    return true;
}

// A kept statement that was read from and not reset holds its read of the file open: a write
// that began from that older read would be refused for good (another Zorvel wrote since).
void HistoryDatabase::releaseStatements()
{
    for (QSqlQuery& statement : m_statements)
        statement.finish();
}

bool HistoryDatabase::transaction()
{
    releaseStatements();
    return run(QStringLiteral("BEGIN IMMEDIATE"));
}

bool HistoryDatabase::commit(bool written)
{
    releaseStatements();
    // Through a statement of its own, which tells what failed where the driver's commit does not.
    if (written && run(QStringLiteral("COMMIT")))
        return true;
    QSqlQuery(m_connection).exec(QStringLiteral("ROLLBACK"));
    return false;
}
