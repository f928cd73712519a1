#pragma once

#include <QHash>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QVariantList>

#include <functional>

// The connection to the history's file and the first trouble met on it. Every statement, a read
// as much as a write, runs through exec(), so that a history that cannot be read is told as one
// that cannot be written is, and is never taken for an empty one.
class HistoryDatabase {
public:
    explicit HistoryDatabase(const QSqlDatabase& database = {});

    // Whether statements may run: opened, and nothing has failed since.
    bool isOpen() const { return m_open; }
    void setOpen() { m_open = true; }
    // Why the history is off; empty while it works.
    QString error() const { return m_error; }
    // Turns the history off, keeping the first reason given.
    void fail(const QString& why) const;
    // Why the last statement could not run for a while (a full disk, another Zorvel holding
    // the file): the history stays on and the write can be made again later. Empty otherwise.
    QString delay() const { return m_delay; }

    bool exec(QSqlQuery& query) const;
    bool run(const QString& statement) const;
    // `statement` prepared with `values` bound in turn, read forward only. A statement is
    // compiled once and used again: a query is to be done with before its statement is asked
    // for again (select() keeps its own while it hands out rows).
    QSqlQuery& prepared(const QString& statement, const QVariantList& values) const;
    // Every row `statement` gives with `values` bound, handed to `take` in turn; false when it
    // could not be read, which turns the history off.
    bool select(const QString& statement, const QVariantList& values,
                const std::function<void(const QSqlQuery& row)>& take) const;

    // All or nothing, with the file's write lock taken at once: a save that began by reading
    // could not wait for another Zorvel's write. A commit that fails is rolled back and told.
    bool transaction();
    bool commit(bool written);

    QSqlDatabase& connection() { return m_connection; }

private:
    void failWith(const class QSqlError& error) const;

    QSqlDatabase m_connection;
    // A failed read turns the history off as a failed write does, from const questions too.
    void releaseStatements();

    mutable QHash<QString, QSqlQuery> m_statements;
    mutable bool m_open = false;
    mutable QString m_error;
    mutable QString m_delay;
};
