#include "practice/history/historydatabase.h"

#include <QSqlError>

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
    fail(error.databaseText().isEmpty() ? error.text() : error.databaseText());
}

bool HistoryDatabase::exec(QSqlQuery& query) const
{
    if (!m_open)
        return false;
    if (query.exec())
        return true;
    failWith(query.lastError());
    return false;
}

bool HistoryDatabase::run(const QString& statement) const
{
    QSqlQuery query(m_connection);
    query.prepare(statement);
    return exec(query);
}

QSqlQuery HistoryDatabase::prepared(const QString& statement, const QVariantList& values) const
{
    QSqlQuery query(m_connection);
    query.setForwardOnly(true);
    query.prepare(statement);
    for (const QVariant& value : values)
        query.addBindValue(value);
    return query;
}

bool HistoryDatabase::select(const QString& statement, const QVariantList& values,
                             const std::function<void(const QSqlQuery& row)>& take) const
{
    QSqlQuery query = prepared(statement, values);
    if (!exec(query))
        return false;
    while (query.next())
        take(query);
    return true;
}

bool HistoryDatabase::commit(bool written)
{
    if (written && m_connection.commit())
        return true;
    if (written)
        failWith(m_connection.lastError());
    m_connection.rollback();
    return false;
}
