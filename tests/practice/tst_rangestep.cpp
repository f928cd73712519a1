#include "PracticeRange.h"
#include "rangestep.h"

#include <QTest>

Q_DECLARE_METATYPE(RangeSelection)
Q_DECLARE_METATYPE(RangeButtons)

namespace {

// A range given as the user sees it: item numbers, 1-based.
RangeSelection items(int from, int to, std::optional<int> fromMark = {},
                     std::optional<int> toMark = {})
{
    return {from - 1, to - 1, fromMark, toMark};
}

} // namespace

namespace QTest {
template <> char* toString(const RangeSelection& r)
{
    auto mark = [](std::optional<int> m) { return m ? QByteArray::number(*m) : QByteArray("-"); };
    return qstrdup(QByteArray(QByteArray::number(r.from + 1) + ".." + QByteArray::number(r.to + 1) +
                              " marks " + mark(r.fromMark) + "/" + mark(r.toMark))
                       .constData());
}
template <> char* toString(const RangeButtons& b)
{
    return qstrdup(QByteArray(QByteArray("all ") + (b.all ? "on" : "off") + " first5 " +
                              (b.first5 ? "on" : "off") + " first10 " + (b.first10 ? "on" : "off") +
                              " next " + (b.next ? "on" : "off") + " prev " +
                              (b.previous ? "on" : "off"))
                       .constData());
}
} // namespace QTest

class tst_rangestep : public QObject {
    Q_OBJECT
private slots:
    void steps_data();
    void steps();
    void presets_data();
    void presets();
    void buttons_data();
    void buttons();
    void rangeItems();
};

void tst_rangestep::steps_data()
{
    QTest::addColumn<QString>("moves"); // N next, P previous, applied in turn
    QTest::addColumn<int>("count");
    QTest::addColumn<RangeSelection>("start");
    QTest::addColumn<QList<RangeSelection>>("after");

    QTest::newRow("12 items from 1-5 forward, back from the mark, back to the start")
        << "NNPP" << 12 << items(1, 5)
        << QList<RangeSelection>{items(6, 10), items(11, 12, {}, 14), items(6, 10), items(1, 5)};
    QTest::newRow("12 items from 3-7 back cut short, forward restores the size")
        << "PN" << 12 << items(3, 7) << QList<RangeSelection>{items(1, 2, -3), items(3, 7)};
    QTest::newRow("next at the end changes nothing, previous takes its span from the mark")
        << "NP" << 12 << items(8, 12, 2, 14)
        << QList<RangeSelection>{items(8, 12, 2, 14), items(1, 7, -1)};
    QTest::newRow("previous at the start keeps its marks")
        << "P" << 12 << items(1, 4, -3) << QList<RangeSelection>{items(1, 4, -3)};
    QTest::newRow("one-item range walks one by one")
        << "NNP" << 3 << items(1, 1)
        << QList<RangeSelection>{items(2, 2), items(3, 3), items(2, 2)};
    QTest::newRow("a whole list of one range cut short both ways")
        << "NPN" << 7 << items(1, 5)
        << QList<RangeSelection>{items(6, 7, {}, 9), items(1, 5), items(6, 7, {}, 9)};
}

void tst_rangestep::steps()
{
    QFETCH(QString, moves);
    QFETCH(int, count);
    QFETCH(RangeSelection, start);
    QFETCH(QList<RangeSelection>, after);

    RangeSelection range = start;
    for (int i = 0; i < moves.size(); ++i) {
        range = moves[i] == u'N' ? stepNext(range, count) : stepPrevious(range);
        QCOMPARE(range, after[i]);
    }
}

void tst_rangestep::presets_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("size");
    QTest::addColumn<RangeSelection>("result");

    QTest::newRow("first 5 of 12, marks kept") << 12 << 5 << items(1, 5, -2, 20);
    QTest::newRow("first 10 of 12") << 12 << 10 << items(1, 10, -2, 20);
    QTest::newRow("first 5 of 3 is all of them") << 3 << 5 << items(1, 3, -2, 20);
    QTest::newRow("first 10 of exactly 10") << 10 << 10 << items(1, 10, -2, 20);
    QTest::newRow("all") << 12 << 0 << items(1, 12, -2, 20);
}

void tst_rangestep::presets()
{
    QFETCH(int, count);
    QFETCH(int, size);
    QFETCH(RangeSelection, result);
    QCOMPARE(firstItems(items(4, 6, -2, 20), count, size), result);
}

void tst_rangestep::buttons_data()
{
    QTest::addColumn<RangeSelection>("range");
    QTest::addColumn<int>("count");
    QTest::addColumn<RangeButtons>("enabled");

    QTest::newRow("whole list of 12")
        << items(1, 12) << 12 << RangeButtons{false, true, true, false, false};
    QTest::newRow("middle of 12") << items(3, 7) << 12
                                  << RangeButtons{true, true, true, true, true};
    QTest::newRow("first 5 of 12")
        << items(1, 5) << 12 << RangeButtons{true, false, true, true, false};
    QTest::newRow("first 10 of 12")
        << items(1, 10) << 12 << RangeButtons{true, true, false, true, false};
    QTest::newRow("exactly 5, all selected")
        << items(1, 5) << 5 << RangeButtons{false, false, false, false, false};
    QTest::newRow("fewer than 5") << items(2, 3) << 4
                                  << RangeButtons{true, false, false, true, true};
    QTest::newRow("ends with the last item")
        << items(9, 12) << 12 << RangeButtons{true, true, true, false, true};
}

void tst_rangestep::buttons()
{
    QFETCH(RangeSelection, range);
    QFETCH(int, count);
    QFETCH(RangeButtons, enabled);
    QCOMPARE(rangeButtons(range.from, range.to, count), enabled);
}

void tst_rangestep::rangeItems()
{
    const QStringList list{"a", "b", "c", "d", "e"};
    const PracticeRange range(list, 2, 4);
    QCOMPARE(range.size(), 3);
    QCOMPARE(range.at(1), QStringLiteral("b"));
    QCOMPARE(range.byNumber(4), QStringLiteral("d"));
    QVERIFY(range.containsNumber(2));
    QVERIFY(!range.containsNumber(5));
    QVERIFY(PracticeRange(list, 4, 3).isEmpty());
    QVERIFY(PracticeRange(list, 0, 0).isEmpty());
    QCOMPARE(PracticeRange(list, 4, 99).size(), 2);
}

QTEST_GUILESS_MAIN(tst_rangestep)
#include "tst_rangestep.moc"
