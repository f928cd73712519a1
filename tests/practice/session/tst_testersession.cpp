#include "lists/itemlist.h"
#include "practice/session/TesterSession.h"

#include <QSet>
#include <QTest>

namespace {

// Items whose labels are their own text followed by three spaces.
PracticeRange rangeOf(const QStringList& items, int first, int last)
{
    return PracticeRange(items).chosen(first, last);
}

const QStringList kNine{"a", "b", "c", "d", "e", "f", "g", "h", "i"};

QString label(const QString& item)
{
    return getDisplayWords(item);
}

int rightIndex(const TesterSession& tester)
{
    return int(tester.choices().indexOf(label(tester.range().byNumber(tester.next()))));
}

int wrongIndex(const TesterSession& tester)
{
    return rightIndex(tester) == 0 ? 1 : 0;
}

} // namespace

// The Tester's choices, verdicts, counts and clock, without a window.
class tst_testersession : public QObject {
    Q_OBJECT
private slots:
    void init() { m_now = 5'000'000; }
    void choicesOffered_data();
    void choicesOffered();
    void everyOrderTurnsUp();
    void picks();
    void completesAtTheRangesEnd();
    void clockFromTheFirstPick();
    void sameLabelsAreInterchangeable();
    void mistakesOfTheTest();
    void secondHalvesOfABayt();

private:
    TesterSession session(quint32 seed = 7)
    {
        return TesterSession(std::mt19937(seed), [this] { return m_now; });
    }
    qint64 m_now = 0;
};

void tst_testersession::choicesOffered_data()
{
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("last");
    QTest::addColumn<int>("rightPicks");
    QTest::addColumn<QStringList>("members");

    QTest::newRow("three from the start of the range") << 4 << 9 << 0 << QStringList{"d", "e", "f"};
    // Fewer left in the range: the entries before, then after, fill the rows; no pick is free.
    QTest::newRow("two left") << 2 << 9 << 6 << QStringList{"g", "h", "i"};
    QTest::newRow("one left") << 2 << 9 << 7 << QStringList{"g", "h", "i"};
    QTest::newRow("a range of one") << 5 << 5 << 0 << QStringList{"c", "d", "e"};
    QTest::newRow("a range of one at the list's start")
        << 1 << 1 << 0 << QStringList{"a", "b", "c"};
    QTest::newRow("never past the range's end") << 2 << 4 << 1 << QStringList{"b", "c", "d"};
    QTest::newRow("nothing once complete") << 2 << 4 << 3 << QStringList{};
}

void tst_testersession::choicesOffered()
{
    QFETCH(int, first);
    QFETCH(int, last);
    QFETCH(int, rightPicks);
    QFETCH(QStringList, members);

    TesterSession tester = session();
    tester.restart(rangeOf(kNine, first, last));
    for (int i = 0; i < rightPicks; ++i)
        tester.pick(rightIndex(tester));
    QStringList offered = tester.choices();
    offered.sort();
    QStringList expected;
    for (const QString& item : members)
        expected.append(label(item));
    QCOMPARE(offered, expected);
}

// The shuffle is uniform, not a rotation: over many seeds each order of three turns up.
void tst_testersession::everyOrderTurnsUp()
{
    QSet<QString> orders;
    for (quint32 seed = 0; seed < 40; ++seed) {
        TesterSession tester = session(seed);
        tester.restart(rangeOf(kNine, 1, 9));
        orders.insert(tester.choices().join(u','));
    }
    QCOMPARE(orders.size(), 6);
}

void tst_testersession::picks()
{
    TesterSession tester = session();
    tester.restart(rangeOf(kNine, 3, 9));
    const QStringList before = tester.choices();

    TesterSession::Answer answer = tester.pick(wrongIndex(tester));
    QCOMPARE(answer.verdict, TesterSession::Verdict::Wrong);
    QCOMPARE(tester.choices(), before); // the same rows in the same order
    QCOMPARE(tester.next(), 3);

    answer = tester.pick(rightIndex(tester));
    QCOMPARE(answer.verdict, TesterSession::Verdict::Right);
    QCOMPARE(answer.number, 3);
    QCOMPARE(answer.row, label(QStringLiteral("c")));
    QCOMPARE(tester.next(), 4);
    QCOMPARE(tester.rightCount(), 1);
    QCOMPARE(tester.wrongCount(), 1);

    QCOMPARE(tester.pick(3).verdict, TesterSession::Verdict::None);  // no fourth row
    QCOMPARE(tester.pick(-1).verdict, TesterSession::Verdict::None); // the header
    QCOMPARE(tester.rightCount() + tester.wrongCount(), 2);

    tester.restart(rangeOf(kNine, 3, 9));
    QCOMPARE(tester.next(), 3);
    QCOMPARE(tester.rightCount() + tester.wrongCount(), 0);
    QVERIFY(!tester.isClockRunning());
}

// The test ends with the range it was restarted with, whatever happens to the window's lists.
void tst_testersession::completesAtTheRangesEnd()
{
    TesterSession tester = session();
    tester.restart(rangeOf(kNine, 3, 6));
    for (int number = 3; number <= 6; ++number) {
        QVERIFY(!tester.isComplete());
        tester.pick(rightIndex(tester));
    }
    QVERIFY(tester.isComplete());
    QVERIFY(tester.choices().isEmpty());
    QCOMPARE(tester.pick(0).verdict, TesterSession::Verdict::None);
    QCOMPARE(tester.rightCount(), 4);
}

void tst_testersession::clockFromTheFirstPick()
{
    TesterSession tester = session();
    tester.restart(rangeOf(kNine, 1, 2));
    m_now += 30'000;
    QVERIFY(!tester.isClockRunning());
    tester.pick(wrongIndex(tester));
    QVERIFY(tester.isClockRunning());
    m_now += 65'000;
    QCOMPARE(tester.elapsedSeconds(), 65);
    m_now += 400; // rounds down
    QCOMPARE(tester.elapsedSeconds(), 65);
    tester.pick(rightIndex(tester));
    tester.pick(rightIndex(tester));
    QVERIFY(!tester.isClockRunning()); // complete: the time shown stays
}

// Two items with the same label cannot be told apart, so either row is right.
void tst_testersession::sameLabelsAreInterchangeable()
{
    const QStringList items{"one two three four five six seven",
                            "one two three four five six eight", "x"};
    for (quint32 seed = 0; seed < 8; ++seed) {
        TesterSession tester = session(seed);
        tester.restart(rangeOf(items, 1, 3));
        const int row = int(tester.choices().indexOf(label(items[1])));
        QCOMPARE(tester.pick(row).verdict, TesterSession::Verdict::Right);
    }
}

// What a test shows about the learner: items with wrong picks, worst first; the first try.
void tst_testersession::mistakesOfTheTest()
{
    TesterSession tester = session();
    tester.restart(rangeOf(kNine, 1, 4));
    QVERIFY(tester.pick(rightIndex(tester)).firstTry); // item 1, right at once
    tester.pick(wrongIndex(tester));                   // item 2, one wrong
    QVERIFY(!tester.pick(rightIndex(tester)).firstTry);
    tester.pick(wrongIndex(tester)); // item 3, two wrong
    tester.pick(wrongIndex(tester));
    QCOMPARE(tester.pick(rightIndex(tester)).verdict, TesterSession::Verdict::Right);
    const QList<TesterSession::Mistake> mistakes = tester.mistakes();
    QCOMPARE(mistakes.size(), 2);
    QCOMPARE(mistakes[0].number, 3);
    QCOMPARE(mistakes[0].wrong, 2);
    QCOMPARE(mistakes[1].number, 2);
    tester.restart(rangeOf(kNine, 1, 4));
    QVERIFY(tester.mistakes().isEmpty());
}

QTEST_GUILESS_MAIN(tst_testersession)
#include "tst_testersession.moc"

// With the halves of a bayt asked, a bayt's question is its first half and every choice is a
// second half: the right one and those of the next lines. An item of prose is asked whole.
void tst_testersession::secondHalvesOfABayt()
{
    const QStringList poem{QStringLiteral("قِفَا نَبْكِ مِنْ ذِكْرَى حَبِيبٍ وَمَنْزِلِ\tبِسِقْطِ "
                                          "اللِّوَى بَيْنَ الدَّخُولِ فَحَوْمَلِ"),
                           QStringLiteral("فَتُوضِحَ فَالمِقْرَاةِ لَمْ يَعْفُ رَسْمُهَا\tلِمَا "
                                          "نَسَجَتْهَا مِنْ جَنُوبٍ وَشَمْأَلِ"),
                           QStringLiteral("تَرَى بَعَرَ الأرْآمِ فِي عَرَصَاتِهَا\tوَقِيعَانِهَا "
                                          "كَأنَّهُ حَبُّ فُلْفُلِ"),
                           QStringLiteral("قال الشاعر")};
    TesterSession tester = session();
    tester.setSecondHalves(true);
    tester.restart(rangeOf(poem, 1, 4));
    QCOMPARE(tester.question(), QStringLiteral("قِفَا نَبْكِ مِنْ ذِكْرَى حَبِيبٍ وَمَنْزِلِ"));
    QStringList offered = tester.choices();
    offered.sort();
    QCOMPARE(offered, (QStringList{label(QStringLiteral("بِسِقْطِ اللِّوَى بَيْنَ الدَّخُولِ فَحَوْمَلِ")),
                                   label(QStringLiteral("لِمَا نَسَجَتْهَا مِنْ جَنُوبٍ وَشَمْأَلِ")),
                                   label(QStringLiteral("وَقِيعَانِهَا كَأنَّهُ حَبُّ فُلْفُلِ"))}));
    const qsizetype right =
        tester.choices().indexOf(label(QStringLiteral("بِسِقْطِ اللِّوَى بَيْنَ الدَّخُولِ فَحَوْمَلِ")));
    QCOMPARE(tester.pick(int(right == 0 ? 1 : 0)).verdict, TesterSession::Verdict::Wrong);
    QCOMPARE(tester.pick(int(right)).verdict, TesterSession::Verdict::Right);
    QVERIFY(tester.question().startsWith(QStringLiteral("فَتُوضِحَ")));
    tester.pick(int(tester.choices().indexOf(label(QStringLiteral("لِمَا نَسَجَتْهَا مِنْ جَنُوبٍ وَشَمْأَلِ")))));
    tester.pick(int(tester.choices().indexOf(label(QStringLiteral("وَقِيعَانِهَا كَأنَّهُ حَبُّ فُلْفُلِ")))));
    QCOMPARE(tester.question(), QString()); // prose: asked whole
    QVERIFY(tester.choices().contains(label(poem[3])));

    tester.setSecondHalves(false);
    tester.restart(rangeOf(poem, 1, 4));
    QCOMPARE(tester.question(), QString());
    QVERIFY(tester.choices().contains(label(poem[0])));
}
