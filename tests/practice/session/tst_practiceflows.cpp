#include "lists/itemlist.h"
#include "lists/listfile.h"
#include "practice/plan/todayplan.h"
#include "practice/search/PassageFinder.h"
#include "practice/session/Practice.h"
#include "practice/session/listing.h"
#include "practice/session/progressdata.h"

#include <QSignalSpy>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

// Whole practice flows without a window: a script of the learner's calls runs against the
// practice over an in-memory history, and the state it leaves is compared as a line of text.
//
// Script steps, separated by ";": "open LIST line|word" (LIST is one of kLists), "choose A B",
// "first N", "division KIND N" (KIND -1 for the parts), "next", "prev", "right", "wrong",
// "complete" (right picks to the end), "from N" (practise from item N), "find WORDS", "restore A B"
// (stored indexes), "list N" (N steps).
class tst_practiceflows : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void flows_data();
    void flows();
    void storedRangeIsThePractisedOne();
    void recallFirstKeepsTheListingInterval();
    void aRecallIsGradedOnlyWhileRevealed();
    void aTroubledHistoryIsSaidOnce();
    void waitingAnswersAreSaidOnceAWhile();
    void todayPlansAcrossLists();

private:
    void run(const QString& script);
    QString state();

    std::unique_ptr<Practice> m_practice;
    qint64 m_ticks = 0;
    int m_completed = 0;
    QString m_listed;
    static inline int s_connection = 0;
};

namespace {

const QHash<QString, std::pair<QString, QStringList>> kLists{
    {QStringLiteral("fatiha"),
     {QStringLiteral("Fatiha"),
      {QStringLiteral("بِسۡمِ ٱللَّهِ ٱلرَّحۡمَٰنِ ٱلرَّحِيمِ"), QStringLiteral("ٱلۡحَمۡدُ لِلَّهِ رَبِّ ٱلۡعَٰلَمِينَ"),
       QStringLiteral("ٱلرَّحۡمَٰنِ ٱلرَّحِيمِ"), QStringLiteral("مَٰلِكِ يَوۡمِ ٱلدِّينِ"),
       QStringLiteral("إِيَّاكَ نَعۡبُدُ وَإِيَّاكَ نَسۡتَعِينُ"), QStringLiteral("ٱهۡدِنَا ٱلصِّرَٰطَ ٱلۡمُسۡتَقِيمَ"),
       QStringLiteral("صِرَٰطَ ٱلَّذِينَ أَنۡعَمۡتَ عَلَيۡهِمۡ")}}},
    // A refrain: the same line twice, each its own item.
    {QStringLiteral("refrain"),
     {QStringLiteral("Song"),
      {QStringLiteral("يا ليل"), QStringLiteral("قفا نبك"), QStringLiteral("يا ليل"),
       QStringLiteral("من ذكرى حبيب")}}},
    // Two parts and two kinds of division across them: juz 1-4, 5-6; pages 1-2, 3-4, 5-6.
    {QStringLiteral("paged"),
     {QStringLiteral("Paged"),
      {QStringLiteral("## juz 1"), QStringLiteral("## page 1"), QStringLiteral("# A"),
       QStringLiteral("أ1"), QStringLiteral("أ2"), QStringLiteral("## page 2"),
       QStringLiteral("أ3"), QStringLiteral("# B"), QStringLiteral("ب1"),
       QStringLiteral("## page 3"), QStringLiteral("## juz 2"), QStringLiteral("ب2"),
       QStringLiteral("ب3")}}},
    // Another list under the Fatiha's title.
    {QStringLiteral("impostor"),
     {QStringLiteral("Fatiha"),
      {QStringLiteral("واحد"), QStringLiteral("اثنان"), QStringLiteral("ثلاثة"),
       QStringLiteral("أربعة"), QStringLiteral("خمسة")}}},
};

LoadedList loaded(const QString& name, bool wordMode)
{
    const auto& [title, lines] = kLists.value(name);
    const QString text = lines.join(QStringLiteral("\r\n"));
    LoadedList list;
    list.status = LoadedList::Loaded;
    list.title = title;
    list.name = listName(title);
    list.items = buildItems(text, wordMode);
    list.text = text;
    return list;
}

// The row (1 to 3) that shows the item to pick next, or one that does not.
int rowFor(const Practice& practice, bool right)
{
    const TesterSession& tester = practice.tester();
    const QString label = getDisplayWords(tester.range().byNumber(tester.next()));
    for (int row = 1; row <= tester.choices().size(); ++row)
        if ((tester.choices()[row - 1] == label) == right)
            return row;
    return 0;
}

QString numbers(const QList<int>& values)
{
    QStringList texts;
    for (int value : values)
        texts.append(QString::number(value));
    return texts.join(u',');
}

} // namespace

void tst_practiceflows::init()
{
    m_ticks = 1'000'000;
    m_completed = 0;
    m_listed.clear();
    m_practice = std::make_unique<Practice>(
        std::mt19937(11), [this] { return m_ticks; },
        [] { return QDateTime(QDate(2026, 12, 7), QTime(8, 0)); });
    const QString connection = QStringLiteral("flow%1").arg(++s_connection);
    m_practice->setHistoryOpener([connection] {
        QSqlDatabase database = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
        database.setDatabaseName(QStringLiteral(":memory:"));
        return PracticeHistory(database);
    });
    connect(m_practice.get(), &Practice::testCompleted, this, [this] { ++m_completed; });
}

void tst_practiceflows::cleanup()
{
    m_practice.reset();
    for (const QString& name : QSqlDatabase::connectionNames())
        QSqlDatabase::removeDatabase(name);
}

void tst_practiceflows::run(const QString& script)
{
    for (const QString& step : script.split(u';', Qt::SkipEmptyParts)) {
        const QStringList words = step.split(u' ', Qt::SkipEmptyParts);
        const QString verb = words.value(0);
        const int a = words.value(1).toInt();
        const int b = words.value(2).toInt();
        m_ticks += 1500;
        if (verb == u"open") {
            m_practice->open(loaded(words[1], words.value(2) == u"word"),
                             words.value(2) == u"word");
        } else if (verb == u"choose") {
            m_practice->choose(a, b);
        } else if (verb == u"first") {
            m_practice->chooseFirst(a);
        } else if (verb == u"division") {
            m_practice->chooseDivision(a, b);
        } else if (verb == u"next") {
            m_practice->chooseNext();
        } else if (verb == u"prev") {
            m_practice->choosePrevious();
        } else if (verb == u"right" || verb == u"wrong") {
            QVERIFY2(rowFor(*m_practice, verb == u"right"), qPrintable(step));
            m_practice->pick(rowFor(*m_practice, verb == u"right"));
        } else if (verb == u"complete") {
            while (!m_practice->tester().isComplete())
                m_practice->pick(rowFor(*m_practice, true));
        } else if (verb == u"from") {
            m_practice->practiseFrom(a);
        } else if (verb == u"find") {
            const auto found = m_practice->finder().find(words.mid(1).join(u' '));
            QVERIFY2(!found.isEmpty(), qPrintable(step));
            m_practice->chooseFound(found.first().passage);
        } else if (verb == u"restore") {
            m_practice->restoreRange({a, b});
        } else if (verb == u"list") {
            QStringList listed;
            for (int k = 0; k < a; ++k)
                if (const auto shown = m_practice->stepListing())
                    listed.append(QString::number(shown->number));
            m_listed = listed.join(u',');
        } else {
            QFAIL(qPrintable(QStringLiteral("unknown step: ") + step));
        }
    }
}

// The range, the test's counts, what the history holds for the open list in its mode.
QString tst_practiceflows::state()
{
    const ProgressData progress = m_practice->progress(QDate(2026, 12, 7), 0.9);
    QList<int> weakest;
    for (const PracticeHistory::ItemRecord& item : progress.weakest)
        weakest.append(item.number);
    QList<int> tests;
    for (const PracticeHistory::Session& session : progress.sessions)
        tests.append(session.right * 100 + session.wrong);
    const TesterSession& tester = m_practice->tester();
    return QStringLiteral("range %1-%2, next %3, right %4, wrong %5, tests [%6], charted %7, "
                          "weakest [%8], completed %9")
        .arg(m_practice->range().first())
        .arg(m_practice->range().last())
        .arg(tester.next())
        .arg(tester.rightCount())
        .arg(tester.wrongCount())
        .arg(numbers(tests))
        .arg(progress.charted.size())
        .arg(numbers(weakest))
        .arg(m_completed);
}

void tst_practiceflows::flows_data()
{
    QTest::addColumn<QString>("script");
    QTest::addColumn<QString>("expected");
    // Tests show as right * 100 + wrong.
    QTest::newRow("open practises the whole list")
        << "open fatiha line"
        << "range 1-7, next 1, right 0, wrong 0, tests [], charted 0, weakest [], completed 0";
    QTest::newRow("a right pick moves on")
        << "open fatiha line; choose 2 4; right"
        << "range 2-4, next 3, right 1, wrong 0, tests [], charted 0, weakest [], completed 0";
    QTest::newRow("a wrong pick stays and makes the item weak")
        << "open fatiha line; choose 2 4; right; wrong; wrong"
        << "range 2-4, next 3, right 1, wrong 2, tests [], charted 0, weakest [3], completed 0";
    QTest::newRow("a completed test is kept and charted")
        << "open fatiha line; choose 2 4; wrong; complete"
        << "range 2-4, next 5, right 3, wrong 1, tests [301], charted 1, weakest [2], "
           "completed 1";
    QTest::newRow("a refused choice changes nothing")
        << "open fatiha line; choose 2 4; right; choose 4 2; choose 0 3; choose 5 9"
        << "range 2-4, next 3, right 1, wrong 0, tests [], charted 0, weakest [], completed 0";
    QTest::newRow("a range without tests of its own charts the latest of any")
        << "open fatiha line; choose 1 2; complete; choose 3 4"
        << "range 3-4, next 3, right 0, wrong 0, tests [200], charted 1, weakest [], completed 1";
    QTest::newRow("another range: the chart keeps to the practised range")
        << "open fatiha line; choose 1 2; complete; choose 3 4; complete; complete"
        << "range 3-4, next 5, right 2, wrong 0, tests [200,200], charted 1, weakest [], "
           "completed 2";
    QTest::newRow("word-mode tests are not the line mode's")
        << "open fatiha word; first 5; wrong; complete; open fatiha line; first 5; complete"
        << "range 1-5, next 6, right 5, wrong 0, tests [500], charted 1, weakest [], completed 2";
    QTest::newRow("and the word mode's own come back with it")
        << "open fatiha word; first 5; wrong; complete; open fatiha line; complete; "
           "open fatiha word; first 5"
        << "range 1-5, next 1, right 0, wrong 0, tests [501], charted 1, weakest [1], "
           "completed 2";
    QTest::newRow("a refrain's lines are two items")
        << "open refrain line; choose 3 4; wrong; complete"
        << "range 3-4, next 5, right 2, wrong 1, tests [201], charted 1, weakest [3], "
           "completed 1";
    QTest::newRow("another list of the same title has its own history")
        << "open fatiha line; choose 2 4; wrong; complete; open impostor line"
        << "range 1-5, next 1, right 0, wrong 0, tests [], charted 0, weakest [], completed 1";
    QTest::newRow("practise from a weak item: it and the four after it")
        << "open fatiha line; from 2"
        << "range 2-6, next 2, right 0, wrong 0, tests [], charted 0, weakest [], completed 0";
    QTest::newRow("practise from near the end: cut at the end")
        << "open fatiha line; from 6"
        << "range 6-7, next 6, right 0, wrong 0, tests [], charted 0, weakest [], completed 0";
    QTest::newRow("find keeps the range's size")
        << "open fatiha line; first 2; find يوم الدين"
        << "range 4-5, next 4, right 0, wrong 0, tests [], charted 0, weakest [], completed 0";
    QTest::newRow("find in word mode practises the passage's line")
        << "open fatiha word; first 2; find نعبد"
        << "range 14-17, next 14, right 0, wrong 0, tests [], charted 0, weakest [], "
           "completed 0";
    QTest::newRow("word mode steps by whole lines, as many as the range holds")
        << "open fatiha word; choose 5 10; next"
        << "range 11-17, next 11, right 0, wrong 0, tests [], charted 0, weakest [], completed 0";
    QTest::newRow("and back")
        << "open fatiha word; choose 9 10; prev; prev"
        << "range 1-4, next 1, right 0, wrong 0, tests [], charted 0, weakest [], completed 0";
    QTest::newRow("next and previous keep the size across a cut step")
        << "open fatiha line; first 5; next; prev"
        << "range 1-5, next 1, right 0, wrong 0, tests [], charted 0, weakest [], completed 0";
    QTest::newRow("a page chosen whole crosses the parts; next and previous step by pages")
        << "open paged line; division 1 1; next"
        << "range 5-6, next 5, right 0, wrong 0, tests [], charted 0, weakest [], completed 0";
    QTest::newRow("back by pages")
        << "open paged line; division 1 2; prev; prev"
        << "range 1-2, next 1, right 0, wrong 0, tests [], charted 0, weakest [], completed 0";
    QTest::newRow("by juz, however long")
        << "open paged line; division 0 0; next"
        << "range 5-6, next 5, right 0, wrong 0, tests [], charted 0, weakest [], completed 0";
    QTest::newRow("a part chosen whole steps by parts")
        << "open paged line; division -1 0; next"
        << "range 4-6, next 4, right 0, wrong 0, tests [], charted 0, weakest [], completed 0";
    QTest::newRow("another choice ends the stepping by division")
        << "open paged line; division 1 0; choose 2 3; next"
        << "range 4-5, next 4, right 0, wrong 0, tests [], charted 0, weakest [], completed 0";
    QTest::newRow("a division that does not exist changes nothing")
        << "open paged line; choose 2 3; division 1 3; division 2 0; division -1 2"
        << "range 2-3, next 2, right 0, wrong 0, tests [], charted 0, weakest [], completed 0";
    QTest::newRow("a stored range beyond the list keeps the whole list's end")
        << "open fatiha line; restore 2 40"
        << "range 3-7, next 3, right 0, wrong 0, tests [], charted 0, weakest [], completed 0";
    QTest::newRow("a stored range left reversed is not restored")
        << "open fatiha line; restore 40 2"
        << "range 1-3, next 1, right 0, wrong 0, tests [], charted 0, weakest [], completed 0";
}

void tst_practiceflows::flows()
{
    QFETCH(QString, script);
    QFETCH(QString, expected);
    run(script);
    QCOMPARE(state(), expected);
}

// What is kept at exit is what is practised, and it comes back as it was.
void tst_practiceflows::storedRangeIsThePractisedOne()
{
    run(QStringLiteral("open fatiha line; choose 3 5; choose 6 2"));
    const Practice::StoredRange stored = m_practice->storedRange();
    QCOMPARE(stored.from, 2);
    QCOMPARE(stored.to, 4);
    run(QStringLiteral("open fatiha line"));
    m_practice->restoreRange(stored);
    QCOMPARE(m_practice->range().first(), 3);
    QCOMPARE(m_practice->range().last(), 5);
    QSignalSpy applied(m_practice.get(), &Practice::rangeApplied);
    run(QStringLiteral("choose 4 2; first 3; list 4"));
    QCOMPARE(applied.count(), 1);                  // the refused choice told nothing
    QCOMPARE(m_listed, QStringLiteral("1,2,3,1")); // restarted on the new range
}

void tst_practiceflows::recallFirstKeepsTheListingInterval()
{
    run(QStringLiteral("open fatiha line"));
    m_practice->setListingSpeed(2);
    QCOMPARE(m_practice->listingInterval(), 1000);
    m_practice->setRecallFirst(true); // the prompt and the reveal stand an interval each
    QCOMPARE(m_practice->listingInterval(), 1000);
    m_practice->setListingSpeed(listing::kManualSpeed);
    QCOMPARE(m_practice->listingInterval(), 0);
    QCOMPARE(m_practice->reference(5), QStringLiteral("Fatiha:5"));
}

// A grade counts for the entry revealed last, until the next step: no key, no review.
void tst_practiceflows::aRecallIsGradedOnlyWhileRevealed()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Fatiha.zva"));
    QVERIFY(!listfile::writeFile(
                 path, kLists.value(QStringLiteral("fatiha")).second.join(QStringLiteral("\r\n")))
                 .isError());
    m_practice->open(loadList(path, false), false);
    m_practice->setRecallFirst(true);
    m_practice->setListingSpeed(listing::kManualSpeed);
    m_practice->restartListing();
    QVERIFY(m_practice->stepListing()->prompt);
    QVERIFY(!m_practice->gradableItem());
    m_practice->gradeRecall(fsrs::Grade::Good); // a prompt is no recall yet
    QVERIFY(m_practice->stepListing()->reveal);
    QCOMPARE(m_practice->gradableItem(), 1);
    m_practice->gradeRecall(fsrs::Grade::Hard);
    QVERIFY(!m_practice->gradableItem()); // graded once
    m_practice->stepListing();
    m_practice->stepListing(); // the second revealed, and left ungraded
    QCOMPARE(m_practice->gradableItem(), 2);
    m_practice->stepListing();
    QVERIFY(!m_practice->gradableItem());

    const QList<TodayRow> rows = m_practice->today(QDate(2027, 2, 1));
    QCOMPARE(rows.size(), 2);
    QCOMPARE(rows[0].references, QStringLiteral("1"));
    QCOMPARE(rows[1].references, QStringLiteral("2-6")); // the second was never reviewed
}

void tst_practiceflows::aTroubledHistoryIsSaidOnce()
{
    m_practice->setHistoryOpener([] { return PracticeHistory::unusable(QStringLiteral("gone")); });
    QSignalSpy trouble(m_practice.get(), &Practice::historyTrouble);
    run(QStringLiteral("open fatiha line; first 3; wrong; complete; first 3; complete"));
    QCOMPARE(trouble.count(), 1);
    QCOMPARE(trouble.first().first().toString(), QStringLiteral("gone"));
    QCOMPARE(m_completed, 2); // practice goes on
}

// Answers that wait for a file another program holds are said once while they wait, and again
// if answers wait anew after they were saved.
void tst_practiceflows::waitingAnswersAreSaidOnceAWhile()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("progress.sqlite"));
    m_practice->setHistoryOpener([&] {
        QSqlDatabase database = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), "waiting");
        database.setDatabaseName(path);
        return PracticeHistory(database);
    });
    QSignalSpy waiting(m_practice.get(), &Practice::answersWaiting);
    run(QStringLiteral("open fatiha line; first 3; right"));
    QSqlDatabase other = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), "other");
    other.setDatabaseName(path);
    QVERIFY(other.open());
    const auto hold = [&](bool held) {
        QSqlQuery(other).exec(held ? QStringLiteral("BEGIN EXCLUSIVE")
                                   : QStringLiteral("ROLLBACK"));
    };
    hold(true);
    run(QStringLiteral("right; right"));
    QCOMPARE(waiting.count(), 1);
    hold(false);
    run(QStringLiteral("first 3; right"));
    QCOMPARE(m_practice->saveWaitingAnswers(), 0);
    hold(true);
    run(QStringLiteral("right"));
    QCOMPARE(waiting.count(), 2);
    hold(false);
    QCOMPARE(m_practice->saveWaitingAnswers(), 0);
}

// A list practised ten days ago, with a wrong first pick, is due today by its references; the
// next stretch to learn follows; a list whose file is gone is left out.
void tst_practiceflows::todayPlansAcrossLists()
{
    QTemporaryDir dir;
    const QString history = dir.filePath(QStringLiteral("progress.sqlite"));
    const auto openHistory = [&](const QString& connection) {
        QSqlDatabase database = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
        database.setDatabaseName(history);
        return PracticeHistory(database);
    };
    QDateTime now(QDate(2026, 11, 27), QTime(21, 0));
    Practice practice(
        std::mt19937(3), [this] { return m_ticks; }, [&] { return now; });
    practice.setHistoryOpener([&] { return openHistory(QStringLiteral("practice")); });
    QStringList lines{QStringLiteral("# الفاتحة")};
    for (int k = 1; k <= 7; ++k)
        lines.append(QStringLiteral("آية %1").arg(k));
    const QString path = dir.filePath(QStringLiteral("Fatiha.zva"));
    QVERIFY(!listfile::writeFile(path, lines.join(QStringLiteral("\r\n"))).isError());
    practice.open(loadList(path, false), false);
    practice.chooseFirst(3);
    practice.pick(rowFor(practice, false));
    while (!practice.tester().isComplete())
        practice.pick(rowFor(practice, true));

    PracticeHistory plan = openHistory(QStringLiteral("plan"));
    const QList<TodayRow> rows = todayPlan(plan, QDate(2026, 12, 7), {});
    QCOMPARE(rows.size(), 2);
    QCOMPARE(rows[0].references, QStringLiteral("1:1-1:3"));
    QCOMPARE(rows[0].due, 3);
    QVERIFY(rows[0].lowestRecall < 0.9);
    QVERIFY(rows[1].isNew);
    QCOMPARE(rows[1].references, QStringLiteral("1:4-1:7"));
    QVERIFY(describeToday(rows).startsWith(QStringLiteral("Fatiha: revise 1:1-1:3, 3 due")));

    // By whole pages, each passage named with its page.
    QStringList paged = lines;
    paged.insert(3, QStringLiteral("## page 2"));
    paged.prepend(QStringLiteral("## page 1"));
    QVERIFY(!listfile::writeFile(path, paged.join(QStringLiteral("\r\n"))).isError());
    revisionplan::Options byPages;
    byPages.passagesBy = QStringLiteral("Page");
    byPages.learnBy = QStringLiteral("page");
    byPages.learnHalf = true;
    const QList<TodayRow> pages = todayPlan(plan, QDate(2026, 12, 7), byPages);
    QCOMPARE(pages.size(), 3);
    QCOMPARE(pages[0].references + u' ' + pages[0].divisions, QStringLiteral("1:1-1:2 page 1"));
    QCOMPARE(pages[1].references + u' ' + pages[1].divisions, QStringLiteral("1:3 page 2"));
    QCOMPARE(pages[2].references, QStringLiteral("1:4-1:6")); // half of page 2's five
    // A cycle of a day the morning after: page 2, not due, is the day's share of it.
    revisionplan::Options cycle;
    cycle.cycleBy = QStringLiteral("page");
    cycle.cycleDays = 1;
    const QList<TodayRow> cycled = todayPlan(plan, QDate(2026, 11, 28), cycle);
    QVERIFY(!cycled.isEmpty() && cycled.back().isNew);
    QCOMPARE(cycled[cycled.size() - 2].references, QStringLiteral("1:3"));
    QVERIFY(cycled[cycled.size() - 2].inCycle);
    QVERIFY(describeToday(cycled).contains(QStringLiteral("revise 1:3 (page 2) in the cycle")));
    QVERIFY(
        describeToday(pages).startsWith(QStringLiteral("Fatiha: revise 1:1-1:2 (page 1), 2 due")));

    // Edited since: the entry changed is not due, the one removed is not to learn.
    lines[2] = QStringLiteral("آية معدلة");
    lines.removeLast();
    QVERIFY(!listfile::writeFile(path, lines.join(QStringLiteral("\r\n"))).isError());
    const QList<TodayRow> edited = todayPlan(plan, QDate(2026, 12, 7), {});
    QCOMPARE(edited.size(), 2);
    QCOMPARE(edited[0].due, 2);
    QCOMPARE(edited[1].references, QStringLiteral("1:4-1:6"));

    QFile::remove(path);
    QVERIFY(todayPlan(plan, QDate(2026, 12, 7), {}).isEmpty());
}

QTEST_GUILESS_MAIN(tst_practiceflows)
#include "tst_practiceflows.moc"
