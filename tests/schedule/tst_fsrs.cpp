#include "schedule/fsrs.h"

#include <QTest>

using fsrs::Grade;
using Reviews = QList<std::pair<int, int>>; // (days since the last review, grade)

// The memory model against the published model's checked values, and the rules a learner sees.
class tst_fsrs : public QObject {
    Q_OBJECT
private slots:
    void checkedValues_data();
    void checkedValues();
    void intervals();
    void whatALearnerSees();
};

namespace {

fsrs::State replay(const Reviews& reviews)
{
    fsrs::State state = fsrs::first(Grade(reviews.front().second));
    for (qsizetype k = 1; k < reviews.size(); ++k)
        state = fsrs::next(state, reviews[k].first, Grade(reviews[k].second));
    return state;
}

} // namespace

void tst_fsrs::checkedValues_data()
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

void tst_fsrs::checkedValues()
{
    QFETCH(Reviews, reviews);
    QFETCH(double, difficulty);
    QFETCH(double, stability);
    const fsrs::State state = replay(reviews);
    QVERIFY2(qAbs(state.difficulty - difficulty) < 1e-5,
             qPrintable(QString::number(state.difficulty, 'f', 6)));
    QVERIFY2(qAbs(state.stability - stability) < 1e-5,
             qPrintable(QString::number(state.stability, 'f', 6)));
}

void tst_fsrs::intervals()
{
    QVERIFY(qAbs(fsrs::recall(10, 10) - 0.9) < 1e-9); // stability is the 90 % day
    QCOMPARE(fsrs::interval(10, 0.9), 10);
    QCOMPARE(fsrs::interval(100, 0.8), 332); // 3.3159598 times
    QCOMPARE(fsrs::interval(100, 0.95), 40); // 0.40255869 times
    QCOMPARE(fsrs::interval(0.01, 0.9), 1);  // at least a day
    QCOMPARE(fsrs::interval(36500, 0.8), 36500);
}

// A Good answer lengthens the interval, an Again shortens it, and a late review of a well-known
// item grows its stability more than a timely one.
void tst_fsrs::whatALearnerSees()
{
    const fsrs::State known = replay({{0, 3}, {3, 3}, {8, 3}});
    QVERIFY(fsrs::next(known, 20, Grade::Good).stability > known.stability);
    QVERIFY(fsrs::next(known, 20, Grade::Again).stability < known.stability);
    QVERIFY(fsrs::next(known, 20, Grade::Again).difficulty > known.difficulty);
    QVERIFY(fsrs::next(known, 20, Grade::Hard).stability <
            fsrs::next(known, 20, Grade::Good).stability);
    QVERIFY(fsrs::next(known, 20, Grade::Easy).stability >
            fsrs::next(known, 20, Grade::Good).stability);
    QVERIFY(fsrs::next(known, 60, Grade::Good).stability >
            fsrs::next(known, 20, Grade::Good).stability);
}

QTEST_GUILESS_MAIN(tst_fsrs)
#include "tst_fsrs.moc"
