#include "schedule/retentioncost.h"

#include <QTest>

// What aiming higher costs, simulated from the memories and the model.
class tst_retentioncost : public QObject {
    Q_OBJECT
private slots:
    void oneMemory_data();
    void oneMemory();
    void higherRetentionCostsMoreAndKeepsMore();
    void theChosenRetentionStandsAmongTheOthers_data();
    void theChosenRetentionStandsAmongTheOthers();
};

namespace {

const QDate kToday(2026, 12, 8);

ItemMemory memory(double stability, int daysAgo)
{
    ItemMemory memory;
    memory.state = {5, stability};
    memory.lastReview = kToday.addDays(-daysAgo);
    memory.firstReview = memory.lastReview;
    memory.reviews = 1;
    return memory;
}

} // namespace

void tst_retentioncost::oneMemory_data()
{
    QTest::addColumn<ItemMemory>("memory");
    QTest::addColumn<double>("reviewsPerDay");
    QTest::addColumn<double>("recalled");
    // Not due within the month: no review, and its chance of recall on each day in turn.
    double fading = 0;
    for (int day = 0; day < 30; ++day)
        fading += fsrs::recall(day + 2, 200);
    QTest::newRow("known for months") << memory(200, 2) << 0.0 << fading / 30;
    // Overdue: revised today at the latest, and on again as it falls due.
    QTest::newRow("overdue") << memory(3, 40) << -1.0 << -1.0;
}

void tst_retentioncost::oneMemory()
{
    QFETCH(ItemMemory, memory);
    QFETCH(double, reviewsPerDay);
    QFETCH(double, recalled);
    const retentioncost::Cost cost =
        retentioncost::costs({memory}, kToday, {0.9}, fsrs::kDefaults).value(0);
    QCOMPARE(cost.retention, 0.9);
    if (reviewsPerDay >= 0) {
        QCOMPARE(cost.reviewsPerDay, reviewsPerDay);
        QVERIFY(qAbs(cost.recalled - recalled) < 1e-12);
    } else {
        QVERIFY(cost.reviewsPerDay >= 1.0 / 30);
        QVERIFY(cost.recalled > 0.5 && cost.recalled < 0.95);
    }
}

// A collection of a thousand entries known from a day to a season: each step up in retention
// asks more reviews a day and keeps more of it; none asks nothing.
void tst_retentioncost::higherRetentionCostsMoreAndKeepsMore()
{
    QList<ItemMemory> memories;
    for (int n = 0; n < 1000; ++n)
        memories.append(memory(1 + n % 100, n % 30));
    const QList<retentioncost::Cost> table =
        retentioncost::costs(memories, kToday, {0.85, 0.9, 0.95}, fsrs::kDefaults);
    QCOMPARE(table.size(), 3);
    for (int row = 1; row < table.size(); ++row) {
        QVERIFY(table[row].reviewsPerDay > table[row - 1].reviewsPerDay);
        QVERIFY(table[row].recalled > table[row - 1].recalled);
    }
    QVERIFY(table[0].reviewsPerDay > 0);
    QVERIFY(table[2].recalled > 0.9 && table[2].recalled < 1);
    QVERIFY(retentioncost::costs({}, kToday, {0.9}, fsrs::kDefaults).value(0).reviewsPerDay == 0);
    // The same memories, the same table.
    QCOMPARE(retentioncost::costs(memories, kToday, {0.9}, fsrs::kDefaults)[0].reviewsPerDay,
             table[1].reviewsPerDay);
}

void tst_retentioncost::theChosenRetentionStandsAmongTheOthers_data()
{
    QTest::addColumn<double>("chosen");
    QTest::addColumn<QList<double>>("compared");
    QTest::newRow("one of them") << 0.9 << QList<double>{0.85, 0.9, 0.95};
    QTest::newRow("between") << 0.92 << QList<double>{0.85, 0.9, 0.92, 0.95};
    QTest::newRow("above") << 0.97 << QList<double>{0.85, 0.9, 0.95, 0.97};
    QTest::newRow("below") << 0.8 << QList<double>{0.8, 0.85, 0.9, 0.95};
}

void tst_retentioncost::theChosenRetentionStandsAmongTheOthers()
{
    QFETCH(double, chosen);
    QFETCH(QList<double>, compared);
    QCOMPARE(retentioncost::comparedWith(chosen), compared);
}

QTEST_GUILESS_MAIN(tst_retentioncost)
#include "tst_retentioncost.moc"
