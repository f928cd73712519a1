#include "practice/history/PracticeHistory.h"
#include "practice/shared/SharedFolder.h"
#include "practice/shared/classview.h"
#include "practice/shared/sharedlog.h"
#include "tests/support/SharingMachine.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QSqlDatabase>
#include <QTemporaryDir>
#include <QTest>

namespace {

// Al-Asr, as the mushaf writes it.
const QStringList kAsr{QStringLiteral("وَٱلۡعَصۡرِ"), QStringLiteral("إِنَّ ٱلۡإِنسَٰنَ لَفِي خُسۡرٍ"),
                       QStringLiteral("إِلَّا ٱلَّذِينَ ءَامَنُواْ وَعَمِلُواْ ٱلصَّٰلِحَٰتِ وَتَوَاصَوۡاْ بِٱلۡحَقِّ "
                                      "وَتَوَاصَوۡاْ بِٱلصَّبۡرِ")};

const QDateTime kMorning(QDate(2026, 12, 1), QTime(6, 0), Qt::UTC);

QByteArray bytesOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void put(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

// One of the learner's machines: its history, its copy of the shared folder, its log there;
// its answers given `days` after the first morning.
struct Machine : SharingMachine {
    Machine(const QString& id, const QString& root)
        : SharingMachine(id, (QDir().mkpath(root + u'/' + id), root + u'/' + id),
                         root + u'/' + id + QStringLiteral(".sqlite"), QStringLiteral("العصر"),
                         kAsr)
    {
    }
    void answer(int number, fsrs::Grade grade, int days = 0)
    {
        SharingMachine::answer(number, grade, kMorning.addDays(days));
    }
};

} // namespace

// Practice shared through a folder, without any sync tool: the files are copied as a sync tool
// copies them, whole, in part, twice, or an older copy over a newer.
class tst_sharedpractice : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void logLines_data();
    void logLines();
    void eachSeesTheOthersAnswersOnce();
    void whatSyncToolsDoToFiles();
    void clocksADayApartKeepTheirOrder();
    void aTeachersClass();

private:
    // Copies machine `from`'s log into machine `to`'s folder, as a sync tool does, under `as`.
    void sync(const Machine& from, const Machine& to, const QByteArray& bytes = {},
              const QString& as = {});

    std::unique_ptr<QTemporaryDir> m_dir;
};

void tst_sharedpractice::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
}

void tst_sharedpractice::cleanup()
{
    for (const char* id : {"a1b2c3d4e5f60718", "f0e1d2c3b4a59687"})
        QSqlDatabase::removeDatabase(QLatin1String(id));
    m_dir.reset();
}

void tst_sharedpractice::sync(const Machine& from, const Machine& to, const QByteArray& bytes,
                              const QString& as)
{
    const QString log = from.shared.ownLog();
    put(QDir(to.folder).filePath(as.isEmpty() ? QFileInfo(log).fileName() : as),
        bytes.isNull() ? bytesOf(log) : bytes);
}

// A record with Arabic text and a word's mark comes back as it was written; a line cut short
// waits, a line changed in any byte is skipped.
void tst_sharedpractice::logLines_data()
{
    SharedAnswer answer{7,
                        QStringLiteral("العصر"),
                        listfingerprint::of(kAsr.join(u'\n')),
                        true,
                        {},
                        {{2, 1, QStringLiteral("لَفِي")}, {1, -1, {}}}};
    answer.review.at = kMorning;
    answer.review.day = kMorning.date();
    answer.review.number = 2;
    answer.review.text = kAsr[1];
    answer.review.grade = 1;
    answer.review.drill = Drill::Recited;
    const QByteArray line = sharedlog::recordLine(answer);
    QByteArray changed = line;
    changed[20] = changed[20] == 'A' ? 'B' : 'A';
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("records");
    QTest::addColumn<int>("damaged");
    QTest::addColumn<qint64>("consumed");
    QTest::newRow("whole") << line << 1 << 0 << qint64(line.size());
    QTest::newRow("half synced") << line + line.left(30) << 1 << 0 << qint64(line.size());
    QTest::newRow("a byte changed") << changed + line << 1 << 1 << qint64(2 * line.size());
    QTest::newRow("a blank line") << QByteArray("\n") + line << 1 << 1 << qint64(line.size() + 1);
    QTest::newRow("its checksum alone") << line.right(9) << 0 << 1 << qint64(9);
}

void tst_sharedpractice::logLines()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, records);
    QFETCH(int, damaged);
    QFETCH(qint64, consumed);
    const sharedlog::Chunk chunk = sharedlog::readRecords(bytes);
    QCOMPARE(chunk.records.size(), records);
    QCOMPARE(chunk.damaged, damaged);
    QCOMPARE(chunk.consumed, consumed);
    if (records > 0) {
        const SharedAnswer& back = chunk.records.last();
        QCOMPARE(back.title, QStringLiteral("العصر"));
        QCOMPARE(back.review.text, kAsr[1]);
        QCOMPARE(back.review.at, kMorning);
        QCOMPARE(back.marks.size(), 2);
        QCOMPARE(back.marks[0].wordText, QStringLiteral("لَفِي"));
        QVERIFY(back.wordMode);
    }
}

// Two machines answering in turn each see the other's answers, once however often they look;
// the memory speaks for both.
void tst_sharedpractice::eachSeesTheOthersAnswersOnce()
{
    Machine home(QStringLiteral("a1b2c3d4e5f60718"), m_dir->path());
    Machine mosque(QStringLiteral("f0e1d2c3b4a59687"), m_dir->path());
    home.answer(1, fsrs::Grade::Good);
    home.answer(2, fsrs::Grade::Again);
    sync(home, mosque);
    QCOMPARE(mosque.shared.merge(mosque.history), 2);
    QCOMPARE(mosque.shared.merge(mosque.history), 0);
    mosque.answer(2, fsrs::Grade::Good, 1);
    mosque.answer(3, fsrs::Grade::Good, 1);
    sync(mosque, home);
    QCOMPARE(home.shared.merge(home.history), 2);
    QCOMPARE(home.answers(), 4);
    QCOMPARE(mosque.answers(), 4);
    QCOMPARE(home.history.memories(home.key).keys(), (QList<int>{1, 2, 3}));
    QCOMPARE(home.history.memories(home.key)[2].reviews, 2);
    // The answers taken in are no answers of this machine: not written out again.
    sync(home, mosque);
    QCOMPARE(mosque.shared.merge(mosque.history), 0);
    QCOMPARE(bytesOf(home.shared.ownLog()).count('\n'), 3); // its header and its two answers
}

// A log half synced, a conflict copy, an older copy put back, a newer Zorvel's log, a damaged
// record and a machine removed: nothing counted twice, nothing lost, each said once.
void tst_sharedpractice::whatSyncToolsDoToFiles()
{
    Machine home(QStringLiteral("a1b2c3d4e5f60718"), m_dir->path());
    Machine mosque(QStringLiteral("f0e1d2c3b4a59687"), m_dir->path());
    for (int n = 1; n <= 3; ++n)
        home.answer(n, fsrs::Grade::Good, n);
    const QByteArray log = bytesOf(home.shared.ownLog());
    QSignalSpy told(&mosque.shared, &SharedFolder::trouble);

    sync(home, mosque, log.left(log.size() - 10)); // the last line on its way
    QCOMPARE(mosque.shared.merge(mosque.history), 2);
    sync(home, mosque);
    QCOMPARE(mosque.shared.merge(mosque.history), 1);

    sync(home, mosque, log,
         QStringLiteral("a1b2c3d4e5f60718.sync-conflict-20261208-101500-7QX2B3F.zorvel-log"));
    QCOMPARE(mosque.shared.merge(mosque.history), 0);
    QCOMPARE(told.size(), 0);

    const qsizetype secondLine = log.indexOf('\n', log.indexOf('\n') + 1) + 1;
    sync(home, mosque, log.left(secondLine)); // an older copy put back: its first answer only
    QCOMPARE(mosque.shared.merge(mosque.history), 0);
    QCOMPARE(told.size(), 1);
    QCOMPARE(mosque.answers(), 3);
    home.answer(1, fsrs::Grade::Easy, 5);
    sync(home, mosque);
    QCOMPARE(mosque.shared.merge(mosque.history), 1);
    QCOMPARE(mosque.answers(), 4);

    QByteArray damaged = bytesOf(home.shared.ownLog());
    home.answer(2, fsrs::Grade::Hard, 6);
    home.answer(3, fsrs::Grade::Hard, 6);
    damaged = bytesOf(home.shared.ownLog());
    const qsizetype fifthAnswer = damaged.lastIndexOf('\n', damaged.size() - 2) - 5;
    damaged[fifthAnswer] = damaged[fifthAnswer] == '0' ? '1' : '0';
    sync(home, mosque, damaged);
    QCOMPARE(mosque.shared.merge(mosque.history), 1); // the sixth answer; the fifth skipped
    QCOMPARE(told.size(), 2);
    QVERIFY(told.last().value(0).toString().contains(QStringLiteral("damaged")));

    QByteArray newer =
        sharedlog::headerLine({2, QStringLiteral("0123456789abcdef"), QStringLiteral("Yusuf")});
    put(QDir(mosque.folder).filePath(QStringLiteral("0123456789abcdef.zorvel-log")), newer);
    QCOMPARE(mosque.shared.merge(mosque.history), 0);
    QCOMPARE(mosque.shared.merge(mosque.history), 0);
    QCOMPARE(told.size(), 3); // once
    QVERIFY(told.last().value(0).toString().contains(QStringLiteral("newer Zorvel")));

    QVERIFY(
        QFile::remove(QDir(mosque.folder).filePath(QFileInfo(home.shared.ownLog()).fileName())));
    QCOMPARE(mosque.shared.merge(mosque.history), 0);
    QCOMPARE(mosque.answers(), 5); // a machine removed: its answers stay
}

// A machine whose clock runs a day behind: its answers take their place by their days, and no
// answer counts after today.
void tst_sharedpractice::clocksADayApartKeepTheirOrder()
{
    Machine home(QStringLiteral("a1b2c3d4e5f60718"), m_dir->path());
    Machine mosque(QStringLiteral("f0e1d2c3b4a59687"), m_dir->path());
    home.answer(1, fsrs::Grade::Good, 0);
    home.answer(1, fsrs::Grade::Good, 4);
    mosque.answer(1, fsrs::Grade::Again, 2 - 1); // given on day 2, its clock a day behind
    sync(mosque, home);
    QCOMPARE(home.shared.merge(home.history), 1);
    const QList<Review> log = home.history.reviews(home.key);
    QCOMPARE(log.size(), 3);
    QCOMPARE(log[1].grade, int(fsrs::Grade::Again)); // between the two of home, by its day
    const ItemMemory memory = home.history.memories(home.key)[1];
    QCOMPARE(memory.reviews, 3);
    QCOMPARE(memory.lapses, 1);
    QCOMPARE(memory.lastReview, kMorning.date().addDays(4));
}

// A teacher's class: each learner's machines and copies read once, their confusions and
// marks, nothing written into their folders.
void tst_sharedpractice::aTeachersClass()
{
    Machine home(QStringLiteral("a1b2c3d4e5f60718"), m_dir->path());
    Machine mosque(QStringLiteral("f0e1d2c3b4a59687"), m_dir->path());
    home.answer(1, fsrs::Grade::Good);
    home.answer(2, fsrs::Grade::Good);
    mosque.answer(3, fsrs::Grade::Again, 1);
    const QDir classFolder(m_dir->filePath(QStringLiteral("class")));
    QVERIFY(classFolder.mkpath(QStringLiteral("maryam")) &&
            classFolder.mkpath(QStringLiteral("yusuf")));
    const QString maryam = classFolder.filePath(QStringLiteral("maryam"));
    for (const Machine* machine : {&home, &mosque})
        put(maryam + u'/' + QFileInfo(machine->shared.ownLog()).fileName(),
            bytesOf(machine->shared.ownLog()));
    put(maryam + QStringLiteral("/a1b2c3d4e5f60718 (conflicted copy).zorvel-log"),
        bytesOf(home.shared.ownLog()));

    SharedAnswer pick{1, QStringLiteral("العصر"), {}, false, {}, {}};
    pick.review.at = kMorning;
    pick.review.number = 2;
    pick.review.text = kAsr[1];
    pick.review.pickedRow = 2;
    pick.review.pickedItem = 3; // verse 3 taken for verse 2
    pick.review.day = kMorning.date();
    SharedAnswer recited = pick;
    recited.seq = 2;
    recited.review.pickedRow = 0;
    recited.review.grade = 1;
    recited.review.drill = Drill::Recited;
    recited.marks = {{2, 1, QStringLiteral("لَفِي")}, {3, 0, QStringLiteral("إِنَّ")}};
    put(classFolder.filePath(QStringLiteral("yusuf/0123456789abcdef.zorvel-log")),
        sharedlog::headerLine({1, QStringLiteral("0123456789abcdef"), QStringLiteral("يوسف")}) +
            sharedlog::recordLine(pick) + sharedlog::recordLine(recited));
    const QByteArray before = bytesOf(maryam + QStringLiteral("/a1b2c3d4e5f60718.zorvel-log"));

    const QDate today = kMorning.date().addDays(2);
    const QList<classview::Learner> learners = classview::classOf(classFolder.path(), today, 0.9);
    QCOMPARE(learners.size(), 2);
    const classview::Learner& first = learners[0];
    QCOMPARE(first.name, QStringLiteral("Maryam"));
    QCOMPARE(first.answersThisWeek, 3); // the conflict copy adds nothing
    QCOMPARE(first.memorised, 3);
    QCOMPARE(first.lastPractised, kMorning.addDays(1));
    QCOMPARE(first.weakest.size(), 3);
    QVERIFY(first.weakest[0].endsWith(QStringLiteral(" 3"))); // failed a day ago
    const classview::Learner& second = learners[1];
    QCOMPARE(second.name, QStringLiteral("يوسف"));
    QCOMPARE(second.confused, QStringLiteral("العصر 2 / 3"));
    QCOMPARE(second.marksByKind, (QList<int>{0, 1, 1, 0}));
    const QStringList rows = classview::csv(learners).split(QStringLiteral("\r\n"));
    QVERIFY(rows[0].startsWith(QStringLiteral("name,folder,last_practised")));
    QVERIFY(rows[2].startsWith(QStringLiteral("يوسف,yusuf,")));
    QCOMPARE(bytesOf(maryam + QStringLiteral("/a1b2c3d4e5f60718.zorvel-log")), before);

    // Opened again, a learner is read again only when their logs changed.
    classview::Cache cache;
    QCOMPARE(classview::classOf(classFolder.path(), today, 0.9, &cache)[0].answersThisWeek, 3);
    mosque.answer(1, fsrs::Grade::Good, 2);
    put(maryam + u'/' + QFileInfo(mosque.shared.ownLog()).fileName(),
        bytesOf(mosque.shared.ownLog()));
    QCOMPARE(classview::classOf(classFolder.path(), today, 0.9, &cache)[0].answersThisWeek, 4);
}

QTEST_MAIN(tst_sharedpractice)
#include "tst_sharedpractice.moc"
