#include "PracticeHistory.h"

#include <QFile>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

// The practice history over a scratch SQLite file: what it keeps, how it upgrades, and how it
// fails without harm.
class tst_practicehistory : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void keepsPicksAndTests();
    void upgradesAnOlderSchema();
    void damagedOrNewerFilesLeaveItOff_data();
    void damagedOrNewerFilesLeaveItOff();
    void aLockedDatabaseTurnsItOff();

private:
    PracticeHistory open(const QString& connection = QStringLiteral("history"))
    {
        QSqlDatabase database = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
        database.setDatabaseName(m_path);
        return PracticeHistory(database);
    }

    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_path;
};

void tst_practicehistory::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    m_path = m_dir->filePath(QStringLiteral("progress.sqlite"));
}

void tst_practicehistory::cleanup()
{
    for (const QString& name : QSqlDatabase::connectionNames())
        QSqlDatabase::removeDatabase(name);
}

void tst_practicehistory::keepsPicksAndTests()
{
    {
        PracticeHistory history = open();
        QVERIFY2(history.isOpen(), qPrintable(history.error()));
        const QString list = QStringLiteral("Al-Baqarah");
        history.recordPick(list, QStringLiteral("ذَٰلِكَ ٱلۡكِتَٰبُ"), false, true);
        history.recordPick(list, QStringLiteral("ذَٰلِكَ ٱلۡكِتَٰبُ"), false, false);
        history.recordPick(list, QStringLiteral("ذَٰلِكَ ٱلۡكِتَٰبُ"), true, false); // not first try
        history.recordPick(list, QStringLiteral("الٓمٓ"), true, true);
        history.recordPick(list, QStringLiteral("هُدٗى"), false, true);
        history.recordPick(QStringLiteral("Other"), QStringLiteral("الٓمٓ"), false, true);
        history.recordSession(list,
                              {QDateTime(QDate(2026, 12, 1), QTime(9, 30)), 1, 5, false, 5, 3, 75});
        history.recordSession(list,
                              {QDateTime(QDate(2026, 12, 2), QTime(9, 0)), 1, 5, true, 5, 0, 40});
    }
    QSqlDatabase::removeDatabase(QStringLiteral("history"));
    PracticeHistory again = open(); // kept in the file
    const QList<PracticeHistory::ItemRecord> weakest =
        again.weakestItems(QStringLiteral("Al-Baqarah"), 10);
    QCOMPARE(weakest.size(), 2); // an item never missed is not weak
    QCOMPARE(weakest[0].text, QStringLiteral("ذَٰلِكَ ٱلۡكِتَٰبُ"));
    QCOMPARE(weakest[0].wrong, 2);
    QCOMPARE(weakest[0].rightFirst, 0);
    QCOMPARE(weakest[1].text, QStringLiteral("هُدٗى"));
    const QList<PracticeHistory::Session> sessions = again.sessions(QStringLiteral("Al-Baqarah"));
    QCOMPARE(sessions.size(), 2);
    QCOMPARE(sessions[0].wrong, 3);
    QCOMPARE(sessions[0].seconds, 75);
    QCOMPARE(sessions[0].finished, QDateTime(QDate(2026, 12, 1), QTime(9, 30)));
    QVERIFY(sessions[1].wordMode);
    QVERIFY(again.sessions(QStringLiteral("Other")).isEmpty());
}

// A file of the first version (items only) gains the tests' table and keeps its items.
void tst_practicehistory::upgradesAnOlderSchema()
{
    {
        QSqlDatabase old =
            QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("v1"));
        old.setDatabaseName(m_path);
        QVERIFY(old.open());
        QSqlQuery query(old);
        QVERIFY(
            query.exec(QStringLiteral("CREATE TABLE items (list TEXT NOT NULL, item TEXT NOT "
                                      "NULL, right_first INTEGER NOT NULL DEFAULT 0, wrong "
                                      "INTEGER NOT NULL DEFAULT 0, PRIMARY KEY (list, item))")));
        QVERIFY(query.exec(QStringLiteral("INSERT INTO items VALUES ('L', 'x', 1, 4)")));
        QVERIFY(query.exec(QStringLiteral("PRAGMA user_version = 1")));
        old.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("v1"));
    PracticeHistory history = open();
    QVERIFY2(history.isOpen(), qPrintable(history.error()));
    QCOMPARE(history.weakestItems(QStringLiteral("L"), 5).value(0).wrong, 4);
    history.recordSession(QStringLiteral("L"),
                          {QDateTime::currentDateTime(), 1, 2, false, 2, 0, 3});
    QCOMPARE(history.sessions(QStringLiteral("L")).size(), 1);
}

void tst_practicehistory::damagedOrNewerFilesLeaveItOff_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::newRow("random bytes") << QByteArray(4096, '\x5A');
    QTest::newRow("a truncated database header") << QByteArray("SQLite format 3\0\x10", 18);
}

void tst_practicehistory::damagedOrNewerFilesLeaveItOff()
{
    QFETCH(QByteArray, content);
    QFile file(m_path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
    file.close();
    PracticeHistory history = open();
    QVERIFY(!history.isOpen());
    QVERIFY(!history.error().isEmpty());
    history.recordPick(QStringLiteral("L"), QStringLiteral("x"), false, true); // nothing, no harm
    QVERIFY(history.weakestItems(QStringLiteral("L"), 5).isEmpty());
    file.open(QIODevice::ReadOnly);
    QCOMPARE(file.readAll(), content); // the file is left as it was
}

void tst_practicehistory::aLockedDatabaseTurnsItOff()
{
    PracticeHistory history = open();
    QVERIFY(history.isOpen());
    QSqlDatabase other =
        QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("other"));
    other.setDatabaseName(m_path);
    QVERIFY(other.open());
    QSqlQuery lock(other);
    QVERIFY(lock.exec(QStringLiteral("BEGIN EXCLUSIVE")));
    history.recordPick(QStringLiteral("L"), QStringLiteral("x"), false, true);
    QVERIFY(!history.isOpen());
    QVERIFY(!history.error().isEmpty());
    lock.exec(QStringLiteral("ROLLBACK"));

    // A file written by a newer Zorvel is not touched.
    QSqlQuery newer(other);
    QVERIFY(newer.exec(QStringLiteral("PRAGMA user_version = 99")));
    QSqlDatabase::removeDatabase(QStringLiteral("history2"));
    PracticeHistory later = open(QStringLiteral("history2"));
    QVERIFY(!later.isOpen());
}

QTEST_GUILESS_MAIN(tst_practicehistory)
#include "tst_practicehistory.moc"
