#include "memorymodel.h"

#include <QTest>

using memorymodel::Grade;
using Reviews = QList<std::pair<int, int>>; // (days since the last review, grade)

// The memory model against the published model's checked values, and the rules a learner sees.
class tst_memorymodel : public QObject {
    Q_OBJECT
private slots:
    void checkedValues_data();
    void checkedValues();
    void intervals();
    void whatALearnerSees();
};

namespace {

memorymodel::State replay(const Reviews& reviews)
{
    memorymodel::State state = memorymodel::first(Grade(reviews.front().second));
    for (qsizetype k = 1; k < reviews.size(); ++k)
        state = memorymodel::next(state, reviews[k].first, Grade(reviews[k].second));
    return state;
}

} // namespace

void tst_memorymodel::checkedValues_data()
{
    QTest::addColumn<Reviews>("reviews");
    QTest::addColumn<double>("difficulty");
    QTest::addColumn<double>("stability");
    QTest::newRow("Good first") << Reviews{{0, 3}} << 2.118104 << 2.306500;
    QTest::newRow("Again first") << Reviews{{0, 1}} << 6.413300 << 0.212000;
    QTest::newRow("Easy first") << Reviews{{0, 4}} << 1.000000 << 8.295600;
    QTest::newRow("four Goods") << Reviews{{0, 3}, {3, 3}, {8, 3}, {20, 3}} << 2.097455
                                << 102.959034;
    QTest::newRow("a lapse, then Good the next day and four days on")
        << Reviews{{0, 3}, {3, 1}, {1, 3}, {4, 3}} << 7.370183 << 8.165970;
}

void tst_memorymodel::checkedValues()
{
    QFETCH(Reviews, reviews);
    QFETCH(double, difficulty);
    QFETCH(double, stability);
    const memorymodel::State state = replay(reviews);
    QVERIFY2(qAbs(state.difficulty - difficulty) < 1e-5,
             qPrintable(QString::number(state.difficulty, 'f', 6)));
    QVERIFY2(qAbs(state.stability - stability) < 1e-5,
             qPrintable(QString::number(state.stability, 'f', 6)));
}

void tst_memorymodel::intervals()
{
    QVERIFY(qAbs(memorymodel::recall(10, 10) - 0.9) < 1e-9); // stability is the 90 % day
    QCOMPARE(memorymodel::interval(10, 0.9), 10);
    QCOMPARE(memorymodel::interval(100, 0.8), 332); // 3.3159598 times
    QCOMPARE(memorymodel::interval(100, 0.95), 40); // 0.40255869 times
    QCOMPARE(memorymodel::interval(0.01, 0.9), 1);  // at least a day
    QCOMPARE(memorymodel::interval(36500, 0.8), 36500);
}

// A Good answer lengthens the interval, an Again shortens it, and a late review of a well-known
// item grows its stability more than a timely one.
void tst_memorymodel::whatALearnerSees()
{
    const memorymodel::State known = replay({{0, 3}, {3, 3}, {8, 3}});
    QVERIFY(memorymodel::next(known, 20, Grade::Good).stability > known.stability);
    QVERIFY(memorymodel::next(known, 20, Grade::Again).stability < known.stability);
    QVERIFY(memorymodel::next(known, 20, Grade::Again).difficulty > known.difficulty);
    QVERIFY(memorymodel::next(known, 20, Grade::Hard).stability <
            memorymodel::next(known, 20, Grade::Good).stability);
    QVERIFY(memorymodel::next(known, 20, Grade::Easy).stability >
            memorymodel::next(known, 20, Grade::Good).stability);
    QVERIFY(memorymodel::next(known, 60, Grade::Good).stability >
            memorymodel::next(known, 20, Grade::Good).stability);
}

QTEST_GUILESS_MAIN(tst_memorymodel)
#include "tst_memorymodel.moc"
