#include "schedule/memorycsv.h"
#include "schedule/revisionplan.h"
#include "schedule/strength.h"

#include <QTest>

#include <random>

// The revision plan over synthetic review logs with a fixed "today": what is due, how it is
// grouped, what comes next to learn, and how calendar days are counted.
class tst_revisionplan : public QObject {
    Q_OBJECT
private slots:
    void replayCountsCalendarDays();
    void repetitionsAndClocks_data();
    void repetitionsAndClocks();
    void impossibleMemoriesAreNotSound();
    void anEditedItemStartsAfresh();
    void passages_data();
    void passages();
    void revisionCycle_data();
    void revisionCycle();
    void nextToLearn_data();
    void nextToLearn();
    void aSimulatedYearStaysBounded();
    void strengthOfEveryItem();
    void memoryCsv_data();
    void memoryCsv();
};

namespace {

const QDate kToday(2026, 12, 7);

Review answer(int number, const QDateTime& at, bool right, bool firstTry = true)
{
    return {at, number, QStringLiteral("item %1").arg(number), 1, number, right, firstTry, 3};
}

// Items reviewed Good once, `daysAgo` days before today (8 days: due at 90 %, as a first Good
// lasts 2.3 days); a number given negative, yesterday (not due), listed after the others as
// the log keeps time.
QMap<int, ItemMemory> reviewed(const QList<int>& numbers, int daysAgo = 8)
{
    QList<Review> log;
    for (int number : numbers)
        log.append(answer(std::abs(number),
                          QDateTime(kToday.addDays(number < 0 ? -1 : -daysAgo), QTime(9, 0)),
                          true));
    return revisionplan::replay(log);
}

// The day item 1 falls due after `log`: answers "day:grade" (days after kToday - 400), the
// log's days bounded by `latest`, its learner's calendar day kept with each answer.
QDate dueAfter(const QString& log, int latest)
{
    const QDate start = kToday.addDays(-400);
    QList<Review> reviews;
    for (const QString& answered : log.split(u' ')) {
        Review review = answer(1, QDateTime(start, QTime(20, 0)).toUTC(), true);
        review.day = start.addDays(answered.section(u':', 0, 0).toInt());
        review.grade = answered.section(u':', 1, 1).toInt();
        reviews.append(review);
    }
    return revisionplan::dueOn(revisionplan::replay(reviews, start.addDays(latest))[1], 0.9,
                               fsrs::kDefaults);
}

QString describe(const QList<revisionplan::Passage>& passages)
{
    QStringList rows;
    for (const revisionplan::Passage& passage : passages)
        rows.append(
            QStringLiteral("%1-%2:%3").arg(passage.first).arg(passage.last).arg(passage.due));
    return rows.join(u' ');
}

} // namespace

// A review late at night and one early next morning are a day apart; two on one day are a
// same-day review; a right pick after a wrong one is no review.
void tst_revisionplan::replayCountsCalendarDays()
{
    const QDateTime night(QDate(2026, 12, 1), QTime(23, 50));
    const QDateTime morning(QDate(2026, 12, 2), QTime(0, 10));
    auto memories = revisionplan::replay({answer(1, night, true), answer(1, morning, true)});
    const auto nextDay = fsrs::next(fsrs::first(fsrs::Grade::Good), 1, fsrs::Grade::Good);
    QCOMPARE(memories[1].state.stability, nextDay.stability);
    QCOMPARE(memories[1].reviews, 2);

    memories = revisionplan::replay(
        {answer(2, night, false), answer(2, night, true, false), answer(2, morning, false)});
    QCOMPARE(memories[2].reviews, 2);
    QCOMPARE(memories[2].lapses, 1);
    QCOMPARE(memories[2].lastReview, morning.date());

    // A review dated before the one logged before it (a clock set back): the log's order
    // stands, and the earlier answer counts as of the later one's day.
    memories = revisionplan::replay({answer(3, morning, true), answer(3, night, false)});
    QVERIFY(itemmemory::isSound(memories[3], kToday));
    QCOMPARE(memories[3].lastReview, night.date());
    QCOMPARE(memories[3].state.stability,
             fsrs::next(fsrs::first(fsrs::Grade::Good), 0, fsrs::Grade::Again).stability);
}

// Repetitions on one day never send an item further than the day's best single answer (the
// model's same-day equation alone put a verse repeated Easy all evening off for months), and
// the log's order stands above its clock.
void tst_revisionplan::repetitionsAndClocks_data()
{
    QTest::addColumn<QString>("log");
    QTest::addColumn<QString>("like"); // a log that falls due on the same day, or later
    QTest::addColumn<bool>("sameDay");
    const int latest = 400;
    QTest::addColumn<int>("latest");
    QTest::newRow("a new verse, Good then Easy nine times that evening")
        << "0:3 0:4 0:4 0:4 0:4 0:4 0:4 0:4 0:4 0:4"
        << "0:4" << true << latest;
    QTest::newRow("Easy ten times from the start") << "0:4 0:4 0:4 0:4 0:4 0:4 0:4 0:4 0:4 0:4"
                                                   << "0:4" << true << latest;
    QTest::newRow("a week on, Good then Easy again and again") << "0:3 7:3 7:4 7:4 7:4 7:4"
                                                               << "0:3 7:4" << true << latest;
    QTest::newRow("a repetition may still weaken") << "0:3 0:1"
                                                   << "0:3" << false << latest;
    QTest::newRow("answers of a clock a year ahead count as of the answers after them")
        << "365:3 365:3 10:1"
        << "10:3 10:3 10:1" << true << latest;
    QTest::newRow("nor after the day the plan is made") << "365:4"
                                                        << "10:4" << true << 10;
}

void tst_revisionplan::repetitionsAndClocks()
{
    QFETCH(QString, log);
    QFETCH(QString, like);
    QFETCH(bool, sameDay);
    QFETCH(int, latest);
    if (sameDay)
        QCOMPARE(dueAfter(log, latest), dueAfter(like, latest));
    else
        QVERIFY(dueAfter(log, latest) < dueAfter(like, latest));
}

void tst_revisionplan::impossibleMemoriesAreNotSound()
{
    const ItemMemory sound =
        revisionplan::replay({answer(1, QDateTime(kToday, QTime(9, 0)), true)})[1];
    QVERIFY(itemmemory::isSound(sound, kToday));
    ItemMemory memory = sound;
    memory.state.stability = 1e308; // the model never passes a hundred years
    QVERIFY(!itemmemory::isSound(memory, kToday));
    memory = sound;
    memory.lastReview = QDate(9999, 1, 1);
    QVERIFY(!itemmemory::isSound(memory, kToday));
    QVERIFY(!itemmemory::isSound(sound, kToday.addDays(-1))); // reviewed after the plan's day
}

void tst_revisionplan::anEditedItemStartsAfresh()
{
    Review edited = answer(1, QDateTime(kToday, QTime(8, 0)), true);
    edited.text = QStringLiteral("new text");
    const auto memories = revisionplan::replay(
        {answer(1, QDateTime(kToday.addDays(-30), QTime(8, 0)), false), edited});
    QCOMPARE(memories[1].reviews, 1);
    QCOMPARE(memories[1].lapses, 0);
}

void tst_revisionplan::passages_data()
{
    QTest::addColumn<QList<int>>("reviewedItems");
    QTest::addColumn<int>("daysAgo");
    QTest::addColumn<bool>("withParts");
    QTest::addColumn<bool>("wordMode");
    QTest::addColumn<QString>("pages"); // "1-4 5-8": revised by whole pages
    QTest::addColumn<QString>("passages");
    QTest::newRow("nothing due yet") << QList<int>{1, 2, 3} << 1 << false << false << ""
                                     << "";
    QTest::newRow("consecutive items make one passage")
        << QList<int>{3, 4, 5} << 8 << false << false << ""
        << "3-5:3";
    QTest::newRow("a gap of two is bridged, three is not")
        << QList<int>{1, 4, 8} << 8 << false << false << ""
        << "1-4:2 8-8:1";
    QTest::newRow("no passage longer than ten items")
        << QList<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12} << 8 << false << false << ""
        << "1-10:10 11-12:2";
    QTest::newRow("a passage stays within its part")
        << QList<int>{4, 5, 6} << 8 << true << false << ""
        << "4-5:2 6-6:1";
    QTest::newRow("word mode takes whole lines") << QList<int>{2, 6} << 8 << false << true << ""
                                                 << "1-7:2";
    QTest::newRow("word mode: lines apart stay apart")
        << QList<int>{2, 10} << 8 << false << true << ""
        << "1-3:1 8-12:1";
    QTest::newRow("by pages: a due item brings what is learnt of its page")
        << QList<int>{2, 6, -4} << 8 << false << false << "1-4 5-8 9-12"
        << "2-4:1 6-6:1";
    QTest::newRow("by pages: at most two a day")
        << QList<int>{1, 5, 9} << 8 << false << false << "1-4 5-8 9-12"
        << "1-1:1 5-5:1";
    QTest::newRow("by pages: nothing due, no page")
        << QList<int>{1, 5, 9} << 1 << false << false << "1-4 5-8 9-12"
        << "";
    QTest::newRow("by pages: items on no page are revised as before")
        << QList<int>{1, 2, 6} << 8 << false << false << "5-8"
        << "6-6:1 1-2:2";
}

void tst_revisionplan::passages()
{
    QFETCH(QList<int>, reviewedItems);
    QFETCH(int, daysAgo);
    QFETCH(bool, withParts);
    QFETCH(bool, wordMode);
    QFETCH(QString, pages);
    QFETCH(QString, passages);
    // Parts 1-5 and 6-12; in word mode lines of 3 and 4 words.
    using Spans = QList<revisionplan::ItemSpan>;
    const Spans parts = withParts ? Spans{{1, 5}, {6, 12}} : Spans{};
    const Spans lines = wordMode ? Spans{{1, 3}, {4, 7}, {8, 12}} : Spans{};
    Spans divisions;
    for (const QString& page : pages.split(u' ', Qt::SkipEmptyParts))
        divisions.append({page.section(u'-', 0, 0).toInt(), page.section(u'-', 1, 1).toInt()});
    const QMap<int, ItemMemory> memories = reviewed(reviewedItems, daysAgo);
    QCOMPARE(
        describe(divisions.isEmpty()
                     ? revisionplan::duePassages(memories, parts, lines, kToday, {})
                     : revisionplan::dueDivisions(memories, divisions, parts, lines, kToday, {})),
        passages);
}

void tst_revisionplan::revisionCycle_data()
{
    QTest::addColumn<QString>("reviews"); // "item:days ago", on pages 1-4, 5-8, 9-12
    QTest::addColumn<int>("cycleDays");
    QTest::addColumn<QString>("dueToday"); // passages already given today
    QTest::addColumn<QString>("share");
    QTest::newRow("two pages in three days: the least recently revised") << "1:2 5:1" << 3 << ""
                                                                         << "1-1";
    QTest::newRow("every page past the cycle, whatever the share") << "1:20 5:10 9:3" << 5 << ""
                                                                   << "1-1 5-5";
    QTest::newRow("a page revised today counts towards the share") << "1:20 5:10 9:0" << 30 << ""
                                                                   << "";
    QTest::newRow("a page among today's passages is not given twice")
        << "1:20 5:10 9:3" << 30 << "1-2"
        << "";
    QTest::newRow("what is learnt of a page") << "2:20 3:20" << 1 << ""
                                              << "2-3";
    QTest::newRow("nothing learnt") << "" << 1 << ""
                                    << "";
}

void tst_revisionplan::revisionCycle()
{
    QFETCH(QString, reviews);
    QFETCH(int, cycleDays);
    QFETCH(QString, dueToday);
    QFETCH(QString, share);
    QList<std::pair<int, int>> given; // days ago, item: the log keeps time
    for (const QString& review : reviews.split(u' ', Qt::SkipEmptyParts))
        given.append({review.section(u':', 1).toInt(), review.section(u':', 0, 0).toInt()});
    std::sort(given.begin(), given.end(), std::greater<>());
    QList<Review> log;
    for (const auto& [daysAgo, item] : given)
        log.append(answer(item, QDateTime(kToday.addDays(-daysAgo), QTime(9, 0)), true));
    QList<revisionplan::Passage> today;
    if (!dueToday.isEmpty())
        today.append({dueToday.section(u'-', 0, 0).toInt(), dueToday.section(u'-', 1).toInt()});
    revisionplan::Options options;
    options.cycleDays = cycleDays;
    const QList<revisionplan::Passage> passages = revisionplan::cycleShare(
        revisionplan::replay(log), {{1, 4}, {5, 8}, {9, 12}}, today, kToday, options);
    QStringList shown;
    for (const revisionplan::Passage& passage : passages)
        shown.append(QStringLiteral("%1-%2").arg(passage.first).arg(passage.last));
    QCOMPARE(shown.join(u' '), share);
}

void tst_revisionplan::nextToLearn_data()
{
    QTest::addColumn<QList<int>>("reviewedItems");
    QTest::addColumn<int>("daysAgo");
    QTest::addColumn<bool>("withParts");
    QTest::addColumn<bool>("wordMode");   // lines 1-3, 4-7, 8-12
    QTest::addColumn<QString>("learnBy"); // "page" or "half": pages 1-4, 5-8, 9-12
    QTest::addColumn<QString>("next");
    QTest::newRow("a new list starts at its first item")
        << QList<int>{} << 8 << false << false << ""
        << "1-5";
    QTest::newRow("after the last practised") << QList<int>{1, 2, 3} << 8 << false << false << ""
                                              << "4-8";
    QTest::newRow("not beyond the end of the part")
        << QList<int>{1, 2, 3} << 8 << true << false << ""
        << "4-5";
    QTest::newRow("not beyond the list")
        << QList<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10} << 8 << false << false << ""
        << "11-12";
    QTest::newRow("all learnt") << QList<int>{12} << 8 << false << false << ""
                                << "none";
    QTest::newRow("what was first practised today counts against the day's number")
        << QList<int>{1, 2, 3} << 0 << false << false << ""
        << "4-5";
    QTest::newRow("the day's number learnt: nothing more today")
        << QList<int>{1, 2, 3, 4, 5} << 0 << false << false << ""
        << "none";
    QTest::newRow("word mode takes whole lines") << QList<int>{1, 2, 3} << 8 << false << true << ""
                                                 << "4-12";
    QTest::newRow("from the start of a line begun")
        << QList<int>{1, 2, 3, 4} << 8 << false << true << ""
        << "4-12";
    QTest::newRow("a page: the rest of the page the next item stands in")
        << QList<int>{1, 2} << 8 << false << false << "page"
        << "3-4";
    QTest::newRow("a page begins with the next")
        << QList<int>{1, 2, 3, 4} << 8 << false << false << "page"
        << "5-8";
    QTest::newRow("a page crosses the parts")
        << QList<int>{1, 2, 3, 4} << 8 << true << false << "page"
        << "5-8";
    QTest::newRow("half a page") << QList<int>{} << 8 << false << false << "half"
                                 << "1-2";
    QTest::newRow("half a page, not beyond its page")
        << QList<int>{1, 2, 3} << 8 << false << false << "half"
        << "4-4";
    QTest::newRow("a page a day: learnt today, nothing more")
        << QList<int>{1} << 0 << false << false << "page"
        << "none";
    QTest::newRow("word mode: a page in whole lines")
        << QList<int>{1, 2, 3} << 8 << false << true << "page"
        << "4-7";
}

void tst_revisionplan::nextToLearn()
{
    QFETCH(QList<int>, reviewedItems);
    QFETCH(int, daysAgo);
    QFETCH(bool, withParts);
    QFETCH(bool, wordMode);
    QFETCH(QString, learnBy);
    QFETCH(QString, next);
    using Spans = QList<revisionplan::ItemSpan>;
    const Spans parts = withParts ? Spans{{1, 5}, {6, 12}} : Spans{};
    const Spans lines = wordMode ? Spans{{1, 3}, {4, 7}, {8, 12}} : Spans{};
    const Spans pages = learnBy.isEmpty() ? Spans{} : Spans{{1, 4}, {5, 8}, {9, 12}};
    revisionplan::Options options;
    options.learnHalf = learnBy == u"half";
    const auto found = revisionplan::nextToLearn(reviewed(reviewedItems, daysAgo), parts, lines, 12,
                                                 kToday, options, pages);
    QCOMPARE(found ? QStringLiteral("%1-%2").arg(found->first).arg(found->second)
                   : QStringLiteral("none"),
             next);
}

// A learner who learns five new items a day and revises all that is due, recalling 90 % of
// them, for a year: the daily load settles instead of growing without bound.
void tst_revisionplan::aSimulatedYearStaysBounded()
{
    std::mt19937 random(2026);
    std::uniform_real_distribution<double> chance(0, 1);
    QList<Review> log;
    const QDate start(2026, 1, 1);
    int itemCount = 0;
    int mostDue = 0;
    int lateDue = 0;
    for (int day = 0; day < 365; ++day) {
        const QDate date = start.addDays(day);
        const auto memories = revisionplan::replay(log);
        int due = 0;
        for (auto it = memories.cbegin(); it != memories.cend(); ++it) {
            if (it->lastReview.daysTo(date) < fsrs::interval(it->state.stability, 0.9))
                continue;
            ++due;
            log.append(answer(it.key(), QDateTime(date, QTime(7, 0)), chance(random) < 0.9));
        }
        for (int k = 0; k < 5; ++k)
            log.append(answer(++itemCount, QDateTime(date, QTime(7, 30)), true));
        mostDue = std::max(mostDue, due);
        if (day >= 300)
            lateDue = std::max(lateDue, due);
    }
    QCOMPARE(itemCount, 1825);
    QVERIFY2(lateDue < 150, qPrintable(QString::number(lateDue)));
    QVERIFY2(mostDue < 200, qPrintable(QString::number(mostDue)));
}

// Every item has its chance of recall today, or none; each memory falls due on one day, the
// overdue ones today.
void tst_revisionplan::strengthOfEveryItem()
{
    QMap<int, ItemMemory> memories = reviewed({1}); // overdue
    memories.insert(2, reviewed({2}, 0).value(2));  // due in two days
    memories.insert(3, reviewed({3}).value(3));     // edited since
    memories.insert(40, reviewed({40}).value(40));  // not in the list
    const QStringList items{QStringLiteral("item 1"), QStringLiteral("item 2"),
                            QStringLiteral("new text"), QStringLiteral("item 4")};
    const Strength strength = strengthOf(memories, items, kToday, 0.9, fsrs::kDefaults, 5);
    QCOMPARE(strength.recall.size(), 4);
    QCOMPARE(qRound(strength.recall[0] * 1000), 796);
    QCOMPARE(strength.recall[1], 1.0f);
    QCOMPARE(strength.recall[2], Strength::kNeverPractised);
    QCOMPARE(strength.recall[3], Strength::kNeverPractised);
    QCOMPARE(strength.dueByDay, (QList<int>{1, 0, 1, 0, 0}));
    QCOMPARE(strength.dueIn, (QList<int>{0, 2, -1, -1}));

    // A division counts what of it was practised; its weakest is the lowest recall.
    const auto division = [&](int first, int last) {
        const DivisionStrength d = strengthOfDivision(strength, first, last);
        return QStringLiteral("%1 %2 %3 %4")
            .arg(d.practised)
            .arg(qRound(d.meanRecall * 100))
            .arg(d.dueThisWeek)
            .arg(d.weakest);
    };
    QCOMPARE(division(1, 4), QStringLiteral("2 90 2 1"));
    QCOMPARE(division(2, 2), QStringLiteral("1 100 1 2"));
    QCOMPARE(division(3, 4), QStringLiteral("0 0 0 0"));
    QCOMPARE(division(0, 99), QStringLiteral("2 90 2 1")); // beyond the list: only its items
}

void tst_revisionplan::memoryCsv_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("practised");
    QTest::addColumn<QString>("row");
    // A first Good lasts 2.31 days: due two days after it, and below 80 % after eight.
    QTest::newRow("practised eight days ago")
        << QStringLiteral("item 2") << true
        << QStringLiteral("2,1:2,item 2,line,1,0,2.12,2.31,0.796,2026-12-01");
    QTest::newRow("never practised")
        << QStringLiteral("item 2") << false << QStringLiteral("2,1:2,item 2,line,0,0,,,,");
    QTest::newRow("edited since: practised no more")
        << QStringLiteral("new text") << true << QStringLiteral("2,1:2,new text,line,0,0,,,,");
    QTest::newRow("a comma and quotes")
        << QStringLiteral("قال \"نعم\", ثم") << false
        << QStringLiteral("2,1:2,\"قال \"\"نعم\"\", ثم\",line,0,0,,,,");
    QTest::newRow("a bayt's two halves")
        << QStringLiteral("a\tb") << false << QStringLiteral("2,1:2,\"a\tb\",line,0,0,,,,");
    QTest::newRow("what a spreadsheet takes for a formula")
        << QStringLiteral("=HYPERLINK(1)") << false
        << QStringLiteral("2,1:2,'=HYPERLINK(1),line,0,0,,,,");
    QTest::newRow("a formula behind a TAB")
        << QStringLiteral("\t=1+1") << false << QStringLiteral("2,1:2,\"'\t=1+1\",line,0,0,,,,");
    QTest::newRow("a formula behind a CR and a space")
        << QStringLiteral("\r @SUM(1)") << false
        << QStringLiteral("2,1:2,\"'\r @SUM(1)\",line,0,0,,,,");
}

// A row an item, practised or not, in the list's order and with its reference.
void tst_revisionplan::memoryCsv()
{
    QFETCH(QString, text);
    QFETCH(bool, practised);
    QFETCH(QString, row);
    const QStringList items{QStringLiteral("item 1"), text, QStringLiteral("item 3")};
    const QStringList references{QStringLiteral("1:1"), QStringLiteral("1:2"),
                                 QStringLiteral("1:3")};
    const QMap<int, ItemMemory> memories = practised ? reviewed({2}) : QMap<int, ItemMemory>();
    const QStringList rows =
        ::memoryCsv(items, references, false, memories, kToday, 0.9, fsrs::kDefaults)
            .split(QStringLiteral("\r\n"));
    QCOMPARE(rows.size(), 5); // the header, three items, and the end of the last line
    QCOMPARE(rows[0], QStringLiteral("number,reference,text,mode,reviews,lapses,difficulty,"
                                     "stability_days,recall_today,next_due"));
    QCOMPARE(rows[2], row);
    QVERIFY(rows[3].startsWith(QStringLiteral("3,1:3,item 3,line,0,")));
}

QTEST_GUILESS_MAIN(tst_revisionplan)
#include "tst_revisionplan.moc"
