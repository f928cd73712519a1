#include "practice/history/PracticeHistory.h"
#include "practice/recital/RecitalCheck.h"
#include "schedule/revisionplan.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/resource.h>

// The practice history over a scratch SQLite file: what it keeps, how it knows a list, how it
// upgrades, and how it fails without harm.
class tst_practicehistory : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void keepsAnswersByListModeAndPlace();
    void anEditedItemStartsAfresh();
    void pairsTakenForOneAnother();
    void memoryFollowsTheLog_data();
    void memoryFollowsTheLog();
    void listsAreKnownByContent_data();
    void listsAreKnownByContent();
    void upgradesOlderSchemas_data();
    void upgradesOlderSchemas();
    void everyVersionUpgradesToTheCurrentSchema_data();
    void everyVersionUpgradesToTheCurrentSchema();
    void answersKeepTheirDrill();
    void aHistoryThatCannotBeReadSaysSo();
    void damagedOrNewerFilesAreLeftAsTheyWere_data();
    void damagedOrNewerFilesAreLeftAsTheyWere();
    void anUpToDateFileIsNotRewritten();
    void aClockAheadAndAZoneChangeMoveNoDay();
    void theLearnersWeightsMakeTheMemories();
    void answersWaitOutALockedFile();
    void answersWaitOutAFullDisk();
    void twoZorvelsKeepEveryAnswer();

private:
    PracticeHistory open(const QString& connection = QStringLiteral("history"))
    {
        QSqlDatabase database = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
        database.setDatabaseName(m_path);
        return PracticeHistory(database);
    }
    QByteArray fileBytes() const
    {
        QFile file(m_path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    void writeOlderFile(const QStringList& statements);
    // Another program's connection to the same file.
    QSqlDatabase otherConnection() const
    {
        QSqlDatabase other =
            QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("other"));
        other.setDatabaseName(m_path);
        other.open();
        return other;
    }

    int reviewCount();

    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_path;
};

namespace {

const QStringList kVerses{QStringLiteral("الٓمٓ"), QStringLiteral("ذَٰلِكَ ٱلۡكِتَٰبُ لَا رَيۡبَۛ فِيهِۛ"),
                          QStringLiteral("هُدٗى لِّلۡمُتَّقِينَ"), QStringLiteral("الٓمٓ")};

listfingerprint::Fingerprint fingerprintOf(const QStringList& lines)
{
    return listfingerprint::of(lines.join(QStringLiteral("\r\n")));
}

Review answer(int number, const QString& text, bool right, bool firstTry)
{
    return {
        QDateTime(QDate(2026, 12, 1), QTime(9, 30)), number, text, 2, number, right, firstTry, 1.5};
}

} // namespace

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

void tst_practicehistory::keepsAnswersByListModeAndPlace()
{
    const QString title = QStringLiteral("Al-Baqarah");
    {
        PracticeHistory history = open();
        QVERIFY2(history.isOpen(), qPrintable(history.error()));
        const PracticeHistory::ListKey lines =
            history.listFor(title, fingerprintOf(kVerses), false, kVerses);
        history.recordAnswer(lines, answer(2, kVerses[1], false, true));
        history.recordAnswer(lines, answer(2, kVerses[1], false, false));
        history.recordAnswer(lines, answer(2, kVerses[1], true, false)); // counted as wrong
        history.recordAnswer(lines, answer(3, kVerses[2], true, true));
        history.recordAnswer(lines, answer(4, kVerses[3], false, true), 1); // a refrain
        history.recordSession(lines,
                              {QDateTime(QDate(2026, 12, 1), QTime(9, 30)), 1, 4, false, 4, 3, 75});
        const PracticeHistory::ListKey words =
            history.listFor(title, fingerprintOf(kVerses), true, kVerses);
        QCOMPARE(words.list, lines.list); // one list, two modes
        history.recordAnswer(words, answer(2, kVerses[1], false, true));
        history.recordSession(words,
                              {QDateTime(QDate(2026, 12, 2), QTime(9, 0)), 1, 4, true, 4, 1, 40});
    }
    QSqlDatabase::removeDatabase(QStringLiteral("history"));
    PracticeHistory again = open(); // kept in the file
    const PracticeHistory::ListKey lines =
        again.listFor(title, fingerprintOf(kVerses), false, kVerses);
    const QList<PracticeHistory::ItemRecord> weakest = again.weakestItems(lines, kVerses, 10);
    QCOMPARE(weakest.size(), 2); // an item never missed is not weak
    QCOMPARE(weakest[0].number, 2);
    QCOMPARE(weakest[0].wrong, 2);
    QCOMPARE(weakest[1].number, 4); // the refrain's second line, not its first
    QCOMPARE(again.confusions(lines, 4, 1), 1);
    QCOMPARE(again.reviews(lines).size(), 5);
    QCOMPARE(again.reviews(lines)[3].seconds, 1.5);
    QCOMPARE(again.reviews(lines)[3].text, kVerses[2]);
    const QList<PracticeHistory::Session> sessions = again.sessions(lines);
    QCOMPARE(sessions.size(), 1); // the word-mode test is not this mode's
    QCOMPARE(sessions[0].seconds, 75);
    QCOMPARE(sessions[0].finished, QDateTime(QDate(2026, 12, 1), QTime(9, 30)));
    const PracticeHistory::ListKey words =
        again.listFor(title, fingerprintOf(kVerses), true, kVerses);
    QCOMPARE(again.sessions(words).size(), 1);
    QCOMPARE(again.weakestItems(words, kVerses, 10).size(), 1);
}

void tst_practicehistory::anEditedItemStartsAfresh()
{
    PracticeHistory history = open();
    const PracticeHistory::ListKey key =
        history.listFor(QStringLiteral("L"), fingerprintOf(kVerses), false, kVerses);
    history.recordAnswer(key, answer(2, kVerses[1], false, true));
    QStringList edited = kVerses;
    edited[1] = QStringLiteral("ذَٰلِكَ ٱلۡكِتَٰبُ");
    QVERIFY(history.weakestItems(key, edited, 10).isEmpty()); // not the item the list holds now
    history.recordAnswer(key, answer(2, edited[1], true, true));
    history.recordAnswer(key, answer(3, edited[2], false, true));
    const QList<PracticeHistory::ItemRecord> weakest = history.weakestItems(key, edited, 10);
    QCOMPARE(weakest.size(), 1);
    QCOMPARE(weakest[0].number, 3);
}

// A pair counts its confusions both ways round; a pair whose item changed, or whose look-alike
// is no longer in the list, is left out.
void tst_practicehistory::pairsTakenForOneAnother()
{
    PracticeHistory history = open();
    const QStringList items{QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c"),
                            QStringLiteral("d"), QStringLiteral("e")};
    const PracticeHistory::ListKey key =
        history.listFor(QStringLiteral("L"), fingerprintOf(items), false, items);
    history.recordAnswer(key, answer(1, items[0], false, true), 5);
    history.recordAnswer(key, answer(5, items[4], false, true), 1);
    history.recordAnswer(key, answer(1, items[0], false, false), 5);
    history.recordAnswer(key, answer(2, items[1], false, true), 4);
    history.recordAnswer(key, answer(3, items[2], false, true), 9); // beyond the list now
    const QList<PracticeHistory::Confusion> pairs = history.mostConfused(key, items, 10);
    QCOMPARE(pairs.size(), 2);
    QCOMPARE(pairs[0].number, 1);
    QCOMPARE(pairs[0].other, 5);
    QCOMPARE(pairs[0].count, 3);
    QCOMPARE(pairs[1].number, 2);
    QCOMPARE(pairs[1].other, 4);
    QCOMPARE(history.mostConfused(key, items, 1).size(), 1);
    QStringList edited = items;
    edited[1] = QStringLiteral("B");
    QCOMPARE(history.mostConfused(key, edited, 10).size(), 1);
}

// The memory kept answer by answer is the log's replay; one that is damaged, or behind the log
// (an older version, another Zorvel writing the file), is rebuilt from the log when read.
void tst_practicehistory::memoryFollowsTheLog_data()
{
    QTest::addColumn<QString>("damage");
    QTest::newRow("kept answer by answer") << QString();
    QTest::newRow("a stability that is no stability")
        << QStringLiteral("UPDATE memory SET stability = -1 WHERE position = 3");
    QTest::newRow("a difficulty out of range")
        << QStringLiteral("UPDATE memory SET difficulty = 42");
    QTest::newRow("an unreadable day") << QStringLiteral("UPDATE memory SET last_review = 'x'");
    QTest::newRow("a day out of the calendar")
        << QStringLiteral("UPDATE memory SET last_review = -99999999999");
    QTest::newRow("a memory behind the log") << QStringLiteral("DELETE FROM memory_marks");
    QTest::newRow("rows lost") << QStringLiteral("DELETE FROM memory WHERE position = 2");
}

void tst_practicehistory::memoryFollowsTheLog()
{
    QFETCH(QString, damage);
    const auto on = [](int day, Review review) {
        review.at = QDateTime(QDate(2026, 11, day), QTime(20, 0));
        return review;
    };
    Review recalled = answer(3, kVerses[2], true, true);
    recalled.pickedRow = 0;
    recalled.grade = int(fsrs::Grade::Hard);
    recalled.seconds = 500; // a recall's wait is no pick's pace
    const QList<Review> log{on(1, answer(2, kVerses[1], false, true)),
                            on(1, answer(2, kVerses[1], true, false)),
                            on(1, answer(3, kVerses[2], true, true)),
                            on(4, answer(2, kVerses[1], true, true)),
                            on(9, recalled),
                            on(20, answer(3, kVerses[2], true, true))};
    PracticeHistory history = open();
    const PracticeHistory::ListKey key =
        history.listFor(QStringLiteral("L"), fingerprintOf(kVerses), false, kVerses);
    for (const Review& review : log)
        history.recordAnswer(key, review);
    QSqlQuery query(QSqlDatabase::database(QStringLiteral("history")));
    // Kept as the answers came, without a replay.
    QVERIFY(query.exec(QStringLiteral("SELECT (SELECT COUNT(*) FROM memory), (SELECT through FROM "
                                      "memory_marks) = (SELECT MAX(id) FROM reviews)")));
    QVERIFY(query.next());
    QCOMPARE(query.value(0).toInt(), 2);
    QVERIFY(query.value(1).toBool());
    QVERIFY(damage.isEmpty() || query.exec(damage));
    const QMap<int, ItemMemory> expected = revisionplan::replay(log);
    for (int pass = 0; pass < 2; ++pass) { // rebuilt once, then read as kept
        const QMap<int, ItemMemory> memories = history.memories(key);
        QCOMPARE(memories.keys(), expected.keys());
        for (auto it = expected.cbegin(); it != expected.cend(); ++it) {
            const ItemMemory& memory = memories[it.key()];
            QCOMPARE(memory.state.stability, it->state.stability);
            QCOMPARE(memory.state.difficulty, it->state.difficulty);
            QCOMPARE(memory.lastReview, it->lastReview);
            QCOMPARE(memory.reviews, it->reviews);
            QCOMPARE(memory.lapses, it->lapses);
        }
    }
    QCOMPARE(expected[3].reviews, 3);
    QCOMPARE(history.secondsPerAnswer(key), 1.5);              // the five picks
    QCOMPARE(history.weakestItems(key, kVerses, 5).size(), 1); // a recall is no pick
}

void tst_practicehistory::listsAreKnownByContent_data()
{
    QTest::addColumn<QString>("title");
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<bool>("same");
    QStringList many;
    for (int k = 1; k <= 200; ++k)
        many.append(QStringLiteral("سطر %1").arg(k));
    QStringList edited = many;
    edited[10] = QStringLiteral("سطر معدل");
    edited.insert(50, QStringLiteral("سطر جديد"));
    QStringList other;
    for (int k = 1; k <= 200; ++k)
        other.append(QStringLiteral("بيت %1").arg(k));
    QStringList half = many.mid(0, 60) + other.mid(0, 140);
    QTest::newRow("moved or saved again") << "Poem" << many << true;
    QTest::newRow("a line edited and one added") << "Poem" << edited << true;
    QTest::newRow("the same lines with spaces at their ends")
        << "Poem" << QStringList{QStringLiteral(" سطر 1 ")} + many.mid(1) << true;
    QTest::newRow("another list under the same title") << "Poem" << other << false;
    QTest::newRow("mostly rewritten") << "Poem" << half << false;
    QTest::newRow("the same lines under another title") << "Other" << many << false;
}

void tst_practicehistory::listsAreKnownByContent()
{
    QFETCH(QString, title);
    QFETCH(QStringList, lines);
    QFETCH(bool, same);
    QStringList many;
    for (int k = 1; k <= 200; ++k)
        many.append(QStringLiteral("سطر %1").arg(k));
    PracticeHistory history = open();
    const qint64 first =
        history.listFor(QStringLiteral("Poem"), fingerprintOf(many), false, many).list;
    QCOMPARE(history.listFor(title, fingerprintOf(lines), false, lines).list == first, same);
}

void tst_practicehistory::writeOlderFile(const QStringList& statements)
{
    {
        QSqlDatabase old =
            QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("old"));
        old.setDatabaseName(m_path);
        QVERIFY(old.open());
        QSqlQuery query(old);
        for (const QString& statement : statements)
            QVERIFY2(query.exec(statement), qPrintable(statement));
        old.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("old"));
}

// Older files knew an item by its list's title and its text: every count is kept, and an item
// takes its place in the mode whose items hold its text.
void tst_practicehistory::upgradesOlderSchemas_data()
{
    QTest::addColumn<int>("version");
    QTest::newRow("version 1: items") << 1;
    QTest::newRow("version 2: items and tests") << 2;
    QTest::newRow("version 3: items, tests and confusions") << 3;
}

void tst_practicehistory::upgradesOlderSchemas()
{
    QFETCH(int, version);
    QStringList statements{
        QStringLiteral("CREATE TABLE items (list TEXT NOT NULL, item TEXT NOT NULL, right_first "
                       "INTEGER NOT NULL DEFAULT 0, wrong INTEGER NOT NULL DEFAULT 0, PRIMARY "
                       "KEY (list, item))"),
        QStringLiteral("INSERT INTO items VALUES ('L', 'هُدٗى لِّلۡمُتَّقِينَ', 1, 4)"),
        QStringLiteral("INSERT INTO items VALUES ('L', '<< لِّلۡمُتَّقِينَ', 0, 2)"),
        QStringLiteral("INSERT INTO items VALUES ('Other', 'هُدٗى لِّلۡمُتَّقِينَ', 0, 9)")};
    if (version >= 2)
        statements += {QStringLiteral("CREATE TABLE sessions (id INTEGER PRIMARY KEY, list TEXT "
                                      "NOT NULL, finished TEXT NOT NULL, first INTEGER, last "
                                      "INTEGER, word_mode INTEGER, right INTEGER, wrong INTEGER, "
                                      "seconds INTEGER)"),
                       QStringLiteral("INSERT INTO sessions VALUES (1, 'L', "
                                      "'2026-11-01T09:00:00Z', 1, 3, 0, 3, 4, 20)"),
                       QStringLiteral("INSERT INTO sessions VALUES (2, 'L', "
                                      "'2026-11-02T09:00:00Z', 1, 9, 1, 9, 0, 30)")};
    if (version >= 3)
        statements += {QStringLiteral("CREATE TABLE confusions (list TEXT NOT NULL, item TEXT NOT "
                                      "NULL, other TEXT NOT NULL, count INTEGER NOT NULL DEFAULT "
                                      "0, PRIMARY KEY (list, item, other))"),
                       QStringLiteral("INSERT INTO confusions VALUES ('L', 'هُدٗى "
                                      "لِّلۡمُتَّقِينَ', 'الٓمٓ', 3)")};
    statements.append(QStringLiteral("PRAGMA user_version = %1").arg(version));
    writeOlderFile(statements);

    PracticeHistory history = open();
    QVERIFY2(history.isOpen(), qPrintable(history.error()));
    const PracticeHistory::ListKey lines =
        history.listFor(QStringLiteral("L"), fingerprintOf(kVerses), false, kVerses);
    const QList<PracticeHistory::ItemRecord> weakest = history.weakestItems(lines, kVerses, 5);
    QCOMPARE(weakest.size(), 1);
    QCOMPARE(weakest[0].number, 3);
    QCOMPARE(weakest[0].wrong, 4);
    QCOMPARE(weakest[0].rightFirst, 1);
    QCOMPARE(history.sessions(lines).size(), version >= 2 ? 1 : 0);
    QCOMPARE(history.confusions(lines, 3, 1), version >= 3 ? 3 : 0);

    // The word waits for word mode, where it is an item.
    const QStringList words{QStringLiteral("الٓمٓ. 1>>"), QStringLiteral("هُدٗى. 3 >>"),
                            QStringLiteral("<< لِّلۡمُتَّقِينَ")};
    const PracticeHistory::ListKey wordKey =
        history.listFor(QStringLiteral("L"), fingerprintOf(kVerses), true, words);
    QCOMPARE(wordKey.list, lines.list);
    QCOMPARE(history.weakestItems(wordKey, words, 5).value(0).number, 3);
    QCOMPARE(history.weakestItems(wordKey, words, 5).value(0).wrong, 2);
    QCOMPARE(history.sessions(wordKey).size(), version >= 2 ? 1 : 0);

    // Another title kept its own.
    const PracticeHistory::ListKey other =
        history.listFor(QStringLiteral("Other"), fingerprintOf(kVerses), false, kVerses);
    QCOMPARE(history.weakestItems(other, kVerses, 5).value(0).wrong, 9);
}

namespace {

// Every table and index of a history, column by column, as SQLite describes them; the tables
// where records of versions before 4 wait for their places are left out.
QStringList schemaOf(const QString& connection)
{
    QSqlDatabase database = QSqlDatabase::database(connection);
    QSqlQuery tables(QStringLiteral("SELECT type, name FROM sqlite_master WHERE name NOT LIKE "
                                    "'legacy_%' AND name NOT LIKE 'sqlite_%' ORDER BY name"),
                     database);
    QStringList schema;
    while (tables.next()) {
        const bool table = tables.value(0).toString() == QStringLiteral("table");
        const QString name = tables.value(1).toString();
        QSqlQuery columns(
            QStringLiteral("PRAGMA %1(%2)")
                .arg(table ? QStringLiteral("table_info") : QStringLiteral("index_info"), name),
            database);
        QStringList described;
        while (columns.next()) {
            QStringList fields;
            for (int i = 0; i < columns.record().count(); ++i)
                fields.append(columns.value(i).toString());
            described.append(fields.join(u' '));
        }
        schema.append(name + QStringLiteral(": ") + described.join(QStringLiteral(", ")));
    }
    return schema;
}

} // namespace

// A file of every older version, upgraded, has the tables a new file is made with; versions 4
// to 9 are the current tables without what later versions added.
void tst_practicehistory::everyVersionUpgradesToTheCurrentSchema_data()
{
    QTest::addColumn<int>("version");
    QTest::addColumn<QStringList>("statements");
    const QString items = QStringLiteral("CREATE TABLE items (list TEXT NOT NULL, item TEXT NOT "
                                         "NULL, right_first INTEGER NOT NULL DEFAULT 0, wrong "
                                         "INTEGER NOT NULL DEFAULT 0, PRIMARY KEY (list, item))");
    const QString sessions = QStringLiteral(
        "CREATE TABLE sessions (id INTEGER PRIMARY KEY, list TEXT NOT NULL, finished TEXT NOT "
        "NULL, first INTEGER, last INTEGER, word_mode INTEGER, right INTEGER, wrong INTEGER, "
        "seconds INTEGER)");
    const QString confusions = QStringLiteral(
        "CREATE TABLE confusions (list TEXT NOT NULL, item TEXT NOT NULL, other TEXT NOT NULL, "
        "count INTEGER NOT NULL DEFAULT 0, PRIMARY KEY (list, item, other))");
    QTest::newRow("1") << 1 << QStringList{items};
    QTest::newRow("2") << 2 << QStringList{items, sessions};
    QTest::newRow("3") << 3 << QStringList{items, sessions, confusions};
    const QStringList toNine{QStringLiteral("DROP TABLE memory_fit")};
    QTest::newRow("9") << 9 << toNine;
    const QStringList toEight =
        toNine + QStringList{QStringLiteral("ALTER TABLE reviews DROP COLUMN device"),
                             QStringLiteral("ALTER TABLE reviews DROP COLUMN seq"),
                             QStringLiteral("DROP TABLE shared_devices"),
                             QStringLiteral("DROP TABLE shared_files")};
    QTest::newRow("8") << 8 << toEight;
    const QStringList toSeven = toEight + QStringList{QStringLiteral("DROP TABLE recital_marks")};
    QTest::newRow("7") << 7 << toSeven;
    QStringList toSix =
        toSeven + QStringList{QStringLiteral("ALTER TABLE reviews DROP COLUMN day")};
    for (const char* column :
         {"first_review", "day_difficulty", "day_stability", "day_before", "day_best"})
        toSix.append(QStringLiteral("ALTER TABLE memory DROP COLUMN %1").arg(column));
    QTest::newRow("6") << 6 << toSix;
    const QStringList toFive =
        toSix + QStringList{QStringLiteral("ALTER TABLE reviews DROP COLUMN drill")};
    QTest::newRow("5") << 5 << toFive;
    QTest::newRow("4") << 4
                       << toFive + QStringList{QStringLiteral("ALTER TABLE reviews DROP COLUMN "
                                                              "grade"),
                                               QStringLiteral("DROP TABLE memory"),
                                               QStringLiteral("DROP TABLE memory_marks")};
}

void tst_practicehistory::everyVersionUpgradesToTheCurrentSchema()
{
    QFETCH(int, version);
    QFETCH(QStringList, statements);
    {
        PracticeHistory current = open(QStringLiteral("current"));
    }
    const QStringList currentSchema = schemaOf(QStringLiteral("current"));
    QVERIFY(!currentSchema.filter(QStringLiteral("reviews: ")).isEmpty());
    QSqlDatabase::removeDatabase(QStringLiteral("current"));
    if (version < 4)
        QFile::remove(m_path);
    writeOlderFile(statements +
                   QStringList{QStringLiteral("PRAGMA user_version = %1").arg(version)});

    PracticeHistory upgraded = open();
    QVERIFY2(upgraded.isOpen(), qPrintable(upgraded.error()));
    QCOMPARE(schemaOf(QStringLiteral("history")), currentSchema);
}

// A history whose tables another program has damaged says so at the first question it cannot
// answer; it is never shown as an empty one.
void tst_practicehistory::aHistoryThatCannotBeReadSaysSo()
{
    PracticeHistory history = open();
    const PracticeHistory::ListKey key =
        history.listFor(QStringLiteral("L"), fingerprintOf(kVerses), false, kVerses);
    history.recordSession(key, {QDateTime::currentDateTimeUtc(), 1, 3, false, 3, 0, 20});
    QCOMPARE(history.sessions(key).size(), 1);
    {
        QSqlQuery drop(otherConnection());
        QVERIFY(drop.exec(QStringLiteral("DROP TABLE sessions")));
    }
    QVERIFY(history.sessions(key).isEmpty());
    QVERIFY(!history.isOpen());
    QVERIFY2(history.error().contains(QStringLiteral("sessions")), qPrintable(history.error()));
}

// Each answer keeps the drill it came from (and a recited one its marks); in a file of version 5
// the graded answers were the Lister's recalls.
void tst_practicehistory::answersKeepTheirDrill()
{
    const auto drills = [this] {
        PracticeHistory history = open();
        const PracticeHistory::ListKey key =
            history.listFor(QStringLiteral("L"), fingerprintOf(kVerses), false, kVerses);
        QList<Drill> found;
        for (const Review& review : history.reviews(key))
            found.append(review.drill);
        return found;
    };
    {
        PracticeHistory history = open();
        const PracticeHistory::ListKey key =
            history.listFor(QStringLiteral("L"), fingerprintOf(kVerses), false, kVerses);
        Review written = answer(2, kVerses[1], true, true);
        written.pickedRow = 0;
        written.grade = int(fsrs::Grade::Hard);
        written.drill = Drill::Written;
        history.recordAnswer(key, answer(1, kVerses[0], true, true));
        history.recordAnswer(key, answer(2, kVerses[1], false, true));
        history.recordAnswer(key, answer(2, kVerses[1], true, false)); // no grade of its own
        history.recordAnswer(key, written);
        // A verse recited aloud keeps its marks with it, a word's with that word.
        Review recited = written;
        recited.grade = int(fsrs::Grade::Again);
        recited.drill = Drill::Recited;
        history.recordAnswer(key, recited, 0,
                             {{int(recital::Mark::WrongWord), 1, QStringLiteral("ٱلرَّحۡمَٰنِ")},
                              {int(recital::Mark::Prompted), -1, {}}});
        const QList<PracticeHistory::MarkedEntry> marks = history.recitalMarks(key);
        QCOMPARE(marks.size(), 2);
        QCOMPARE(marks[0].number, 2);
        QCOMPARE(marks[0].text, kVerses[1]);
        QCOMPARE(marks[0].mark.wordText, QStringLiteral("ٱلرَّحۡمَٰنِ"));
        QCOMPARE(marks[1].mark.kind, int(recital::Mark::Prompted));
        QCOMPARE(history.daysOf(key, Drill::Recited),
                 QList<QDate>{itemmemory::LocalDays().dayOf(recited.at)});
        const QList<PracticeHistory::DrillCount> counts = history.drillCounts(key);
        QCOMPARE(counts.size(), 3);
        QCOMPARE(counts[0].drill, Drill::Choices);
        QCOMPARE(counts[0].answers, 3);
        QCOMPARE(counts[0].grades, (std::array<int, 4>{1, 0, 1, 0}));
        QCOMPARE(counts[1].drill, Drill::Written);
        QCOMPARE(counts[1].grades, (std::array<int, 4>{0, 1, 0, 0}));
        QCOMPARE(counts[2].drill, Drill::Recited);
    }
    QSqlDatabase::removeDatabase(QStringLiteral("history"));
    QCOMPARE(drills(), (QList<Drill>{Drill::Choices, Drill::Choices, Drill::Choices, Drill::Written,
                                     Drill::Recited}));
    {
        QSqlQuery query(QSqlDatabase::database(QStringLiteral("history")));
        QVERIFY(query.exec(QStringLiteral("ALTER TABLE reviews DROP COLUMN drill")));
        QVERIFY(query.exec(QStringLiteral("ALTER TABLE reviews DROP COLUMN day")));
        QVERIFY(query.exec(QStringLiteral("DROP TABLE recital_marks")));
        QVERIFY(query.exec(QStringLiteral("DROP TABLE shared_devices")));
        QVERIFY(query.exec(QStringLiteral("DROP TABLE shared_files")));
        QVERIFY(query.exec(QStringLiteral("ALTER TABLE reviews DROP COLUMN device")));
        QVERIFY(query.exec(QStringLiteral("ALTER TABLE reviews DROP COLUMN seq")));
        QVERIFY(query.exec(QStringLiteral("DROP TABLE memory_fit")));
        QVERIFY(query.exec(QStringLiteral("PRAGMA user_version = 5")));
    }
    QSqlDatabase::removeDatabase(QStringLiteral("history"));
    QCOMPARE(drills(), (QList<Drill>{Drill::Choices, Drill::Choices, Drill::Choices, Drill::Recall,
                                     Drill::Recall}));
}

void tst_practicehistory::damagedOrNewerFilesAreLeftAsTheyWere_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::newRow("random bytes") << QByteArray(4096, '\x5A');
    QTest::newRow("a truncated database header") << QByteArray("SQLite format 3\0\x10", 18);
}

void tst_practicehistory::damagedOrNewerFilesAreLeftAsTheyWere()
{
    QFETCH(QByteArray, content);
    QFile file(m_path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
    file.close();
    PracticeHistory history = open();
    QVERIFY(!history.isOpen());
    QVERIFY(!history.error().isEmpty());
    history.recordAnswer({1, false}, answer(1, QStringLiteral("x"), false, true)); // no harm
    QVERIFY(history.weakestItems({1, false}, {QStringLiteral("x")}, 5).isEmpty());
    QCOMPARE(fileBytes(), content);
    QSqlDatabase::removeDatabase(QStringLiteral("history"));

    // A file written by a newer Zorvel: refused, and not a byte of it changed.
    QFile::remove(m_path);
    writeOlderFile(
        {QStringLiteral("CREATE TABLE future (x)"), QStringLiteral("PRAGMA user_version = 99")});
    const QByteArray newer = fileBytes();
    PracticeHistory later = open();
    QVERIFY(!later.isOpen());
    QCOMPARE(fileBytes(), newer);
}

void tst_practicehistory::anUpToDateFileIsNotRewritten()
{
    {
        PracticeHistory history = open();
        QVERIFY(history.isOpen());
    }
    QSqlDatabase::removeDatabase(QStringLiteral("history"));
    const QByteArray before = fileBytes();
    {
        PracticeHistory history = open();
        QVERIFY(history.isOpen());
    }
    QSqlDatabase::removeDatabase(QStringLiteral("history"));
    QCOMPARE(fileBytes(), before);
}

int tst_practicehistory::reviewCount()
{
    QSqlQuery count(otherConnection());
    count.exec(QStringLiteral("SELECT COUNT(*) FROM reviews"));
    count.next();
    const int found = count.value(0).toInt();
    count.finish();
    QSqlDatabase::database(QStringLiteral("other")).close();
    QSqlDatabase::removeDatabase(QStringLiteral("other"));
    return found;
}

// A session with the clock a year ahead hides nothing once the clock is right, and an answer
// keeps the day it was given in, whatever zone the history is read in later.
void tst_practicehistory::aClockAheadAndAZoneChangeMoveNoDay()
{
    const QByteArray zone = qgetenv("TZ");
    qputenv("TZ", "UTC");
    PracticeHistory history = open();
    const PracticeHistory::ListKey key =
        history.listFor(QStringLiteral("L"), fingerprintOf(kVerses), false, kVerses);
    const auto at = [](QDate day, int hour) {
        Review review = answer(1, kVerses[0], true, true);
        review.at = QDateTime(day, QTime(hour, 30), Qt::UTC);
        return review;
    };
    history.recordAnswer(key, at(QDate::currentDate().addYears(1), 9));
    const QDate late = QDate::currentDate().addDays(-3);
    Review failed = at(late, 23);
    failed.right = false;
    history.recordAnswer(key, failed);
    qputenv("TZ", "Asia/Riyadh"); // three hours east: 23:30 there is the next day
    QSqlQuery(otherConnection()).exec(QStringLiteral("DELETE FROM memory_marks"));
    const ItemMemory memory = history.memories(key).value(1);
    QCOMPARE(memory.lastReview, late);
    QCOMPARE(memory.lapses, 1);
    QVERIFY(revisionplan::dueOn(memory, 0.9, fsrs::kDefaults) <= QDate::currentDate());
    if (zone.isNull())
        qunsetenv("TZ");
    else
        qputenv("TZ", zone);
}

// A fit is remembered with its day and reviews; its weights are kept only when they predict
// better, and then every memory and the log for the next fit follow them, until the defaults
// are asked for again. Weights damaged in the file are never used.
void tst_practicehistory::theLearnersWeightsMakeTheMemories()
{
    PracticeHistory history = open();
    const PracticeHistory::ListKey key =
        history.listFor(QStringLiteral("L"), fingerprintOf(kVerses), false, kVerses);
    QList<Review> log;
    for (int days : {30, 27, 20}) {
        Review review = answer(1, kVerses[0], true, true);
        review.at = QDateTime(QDate::currentDate().addDays(-days), QTime(9, 0));
        log.append(review);
        history.recordAnswer(key, review);
    }
    const double byDefault = history.memories(key).value(1).state.stability;
    fsrs::Parameters own = fsrs::kDefaults;
    own[8] = 2.5; // quicker to grow
    fitting::Result fit;
    fit.status = fitting::Result::Fitted;
    fit.samples = 5000;
    fit.heldOut = 1000;
    fit.weights = own;
    fit.lossCurrent = 0.30;
    fit.lossFitted = 0.31;
    const QDate today = QDate::currentDate();
    history.recordFit(fit, today);
    QVERIFY(!history.modelFit().ownWeights);
    QCOMPARE(history.modelFit().fittedOn, today);
    QCOMPARE(history.modelFit().reviews, 5000);
    QCOMPARE(history.memories(key).value(1).state.stability, byDefault);

    fit.lossFitted = 0.29;
    history.recordFit(fit, today);
    QCOMPARE(history.weights(), own);
    const double byOwn = revisionplan::replay(log, {}, own).value(1).state.stability;
    QVERIFY(byOwn > byDefault);
    QCOMPARE(history.memories(key).value(1).state.stability, byOwn);
    QCOMPARE(history.fittingLog().size(), size_t(1));

    history.useDefaultWeights();
    QCOMPARE(history.weights(), fsrs::kDefaults);
    QCOMPARE(history.modelFit().fittedOn, today); // the last fit is still known
    QCOMPARE(history.memories(key).value(1).state.stability, byDefault);

    QSqlQuery(otherConnection()).exec(QStringLiteral("UPDATE memory_fit SET weights = '1 2 3'"));
    QCOMPARE(history.weights(), fsrs::kDefaults);
}

// Another program holding the file: the answer waits, the history stays on, and the next
// answer saves both, each once.
void tst_practicehistory::answersWaitOutALockedFile()
{
    PracticeHistory history = open();
    const PracticeHistory::ListKey key =
        history.listFor(QStringLiteral("L"), fingerprintOf(kVerses), false, kVerses);
    {
        QSqlQuery lock(otherConnection());
        QVERIFY(lock.exec(QStringLiteral("BEGIN EXCLUSIVE")));
        history.recordAnswer(key, answer(1, kVerses[0], false, true));
        QVERIFY(history.isOpen());
        QCOMPARE(history.unsaved(), 1);
        QVERIFY2(history.delay().contains(QStringLiteral("locked")), qPrintable(history.delay()));
        lock.exec(QStringLiteral("ROLLBACK"));
    }
    QSqlDatabase::removeDatabase(QStringLiteral("other"));
    history.recordAnswer(key, answer(2, kVerses[1], true, true));
    QCOMPARE(history.unsaved(), 0);
    QVERIFY(history.delay().isEmpty());
    QCOMPARE(history.reviews(key).size(), 2);
    QCOMPARE(history.weakestItems(key, kVerses, 5).value(0).wrong, 1);
}

// Answers given while the disk is full wait in order, and are saved once it has room.
void tst_practicehistory::answersWaitOutAFullDisk()
{
    PracticeHistory history = open();
    const PracticeHistory::ListKey key =
        history.listFor(QStringLiteral("L"), fingerprintOf(kVerses), false, kVerses);
    history.recordAnswer(key, answer(1, kVerses[0], true, true));
    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    const auto previous = std::signal(SIGXFSZ, SIG_IGN);
    rlimit full = saved;
    full.rlim_cur = rlim_t(qMax(QFileInfo(m_path).size(), QFileInfo(m_path + "-wal").size()));
    setrlimit(RLIMIT_FSIZE, &full);
    for (int i = 0; i < 300; ++i)
        history.recordAnswer(key, answer(1 + i % 3, kVerses[i % 3], i % 2, true));
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previous);
    QVERIFY2(history.isOpen(), qPrintable(history.error()));
    QVERIFY(history.unsaved() > 0);
    QCOMPARE(history.reviews(key).size() + history.unsaved(), 301);
    history.saveWaiting();
    QCOMPARE(history.unsaved(), 0);
    const QList<Review> kept = history.reviews(key);
    QCOMPARE(kept.size(), 301);
    QCOMPARE(kept.last().number, 3); // in the order given
    QCOMPARE(kept[300].right, true);
}

void tst_practicehistory::twoZorvelsKeepEveryAnswer()
{
    {
        PracticeHistory history = open(); // made at the current version before the race
    }
    QSqlDatabase::removeDatabase(QStringLiteral("history"));
    QProcess first;
    QProcess second;
    for (QProcess* writer : {&first, &second})
        writer->start(QStringLiteral(ZORVEL_HISTORY_WRITER), {m_path, QStringLiteral("400")});
    for (QProcess* writer : {&first, &second}) {
        QVERIFY(writer->waitForFinished(60000));
        QCOMPARE(writer->exitCode(), 0); // nothing left unsaved
    }
    QCOMPARE(reviewCount(), 800);
}

QTEST_GUILESS_MAIN(tst_practicehistory)
#include "tst_practicehistory.moc"
