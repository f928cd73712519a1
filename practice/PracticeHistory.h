#pragma once

#include <QDateTime>
#include <QList>
#include <QSqlDatabase>
#include <QString>

// The memory of a learner's practice, kept in an embedded SQLite database: for every item of
// every list how often it was picked right at the first try and how often a wrong row was
// picked while it was the one to pick, and every completed test. Items are known by their
// list's title and their text, so a list that is moved or saved again keeps its history.
// A database that cannot be opened or written leaves the history off; practice goes on.
class PracticeHistory {
public:
    // 1: the items alone; 2: the completed tests as well; 3: the look-alikes taken for items.
    static constexpr int kSchemaVersion = 3;

    struct ItemRecord {
        QString text;
        int rightFirst = 0;
        int wrong = 0;
    };
    struct Session {
        QDateTime finished;
        int first = 0;
        int last = 0;
        bool wordMode = false;
        int right = 0;
        int wrong = 0;
        qint64 seconds = 0;
    };

    // No history: every record is dropped, every question answered with nothing.
    PracticeHistory() = default;
    // Opens the database `database` names (its connection already made with its file name),
    // making or upgrading its tables.
    explicit PracticeHistory(QSqlDatabase database);

    bool isOpen() const { return m_open; }
    // Why the history is off; empty while it works.
    QString error() const { return m_error; }

    // A pick of the item `item` of list `list`: right at the first try, or a wrong row picked.
    void recordPick(const QString& list, const QString& item, bool right, bool firstTry);
    void recordSession(const QString& list, const Session& session);
    // A look-alike `other` picked while `item` was the one to pick.
    void recordConfusion(const QString& list, const QString& item, const QString& other);
    // How often `other` was taken for `item`.
    int confusions(const QString& list, const QString& item, const QString& other) const;

    // The items that drew the most wrong picks, worst first.
    QList<ItemRecord> weakestItems(const QString& list, int count) const;
    // The completed tests, oldest first.
    QList<Session> sessions(const QString& list) const;

private:
    bool upgrade();
    bool run(const QString& statement);
    void fail(const QString& why);

    QSqlDatabase m_database;
    bool m_open = false;
    QString m_error;
};
