#include "practice/session/PracticeRange.h"

#include <QTest>

Q_DECLARE_METATYPE(RangeButtons)

namespace {

QStringList numbered(int count)
{
    QStringList items;
    for (int n = 1; n <= count; ++n)
        items.append(QStringLiteral("item %1").arg(n));
    return items;
}

// "3-7", with the overflow marks when there are any: "11-12 >15", "1-2 <-2".
QString shown(const PracticeRange& range)
{
    QString text = QStringLiteral("%1-%2").arg(range.first()).arg(range.last());
    if (range.firstMark())
        text += QStringLiteral(" <%1").arg(*range.firstMark());
    if (range.lastMark())
        text += QStringLiteral(" >%1").arg(*range.lastMark());
    return text;
}

} // namespace

namespace QTest {
template <> char* toString(const RangeButtons& b)
{
    auto on = [](bool enabled) { return enabled ? "on" : "off"; };
    return qstrdup(QByteArray(QByteArray("all ") + on(b.all) + " first5 " + on(b.first5) +
                              " first10 " + on(b.first10) + " next " + on(b.next) + " prev " +
                              on(b.previous))
                       .constData());
}
} // namespace QTest

// The practised range as a value: steps, presets, choices and the buttons they enable.
class tst_practicerange : public QObject {
    Q_OBJECT
private slots:
    void moves_data();
    void moves();
    void buttons_data();
    void buttons();
    void items();
};

// Each move: N next, P previous, 5 first five, T first ten, A all, or "c3-9" a choice of
// From 3 and To 9 in the lists.
void tst_practicerange::moves_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("start");
    QTest::addColumn<QStringList>("moves");
    QTest::addColumn<QStringList>("after");

    QTest::newRow("steps through twelve from 1-5, the size kept by the mark")
        << 12 << "1-5" << QStringList{"N", "N", "P", "P"}
        << QStringList{"6-10", "11-12 >15", "6-10", "1-5"};
    QTest::newRow("cut short at the start, then back")
        << 12 << "3-7" << QStringList{"P", "N"} << QStringList{"1-2 <-2", "3-7"};
    QTest::newRow("a step at the end or the start changes nothing")
        << 12 << "9-12" << QStringList{"N", "A", "P"} << QStringList{"9-12", "1-12", "1-12"};
    QTest::newRow("single items step one at a time")
        << 12 << "2-2" << QStringList{"N", "N", "P"} << QStringList{"3-3", "4-4", "3-3"};
    QTest::newRow("a span longer than the rest of the list")
        << 7 << "1-5" << QStringList{"N", "P", "N"} << QStringList{"6-7 >10", "1-5", "6-7 >10"};
    QTest::newRow("a choice after a cut step starts a range of its own")
        << 12 << "3-7" << QStringList{"P", "c1-4", "N"} << QStringList{"1-2 <-2", "1-4", "5-8"};
    QTest::newRow("a preset after a cut step starts a range of its own")
        << 12 << "1-5" << QStringList{"N", "N", "5", "N"}
        << QStringList{"6-10", "11-12 >15", "1-5", "6-10"};
    QTest::newRow("first five and ten of a short list are all of it")
        << 3 << "2-2" << QStringList{"5", "T"} << QStringList{"1-3", "1-3"};
    QTest::newRow("first ten of exactly ten")
        << 10 << "4-6" << QStringList{"T"} << QStringList{"1-10"};
}

void tst_practicerange::moves()
{
    QFETCH(int, count);
    QFETCH(QString, start);
    QFETCH(QStringList, moves);
    QFETCH(QStringList, after);

    const PracticeRange whole(numbered(count));
    PracticeRange range =
        whole.chosen(start.section(u'-', 0, 0).toInt(), start.section(u'-', 1, 1).toInt());
    for (int i = 0; i < moves.size(); ++i) {
        const QString& move = moves[i];
        if (move == u"N")
            range = range.next();
        else if (move == u"P")
            range = range.previous();
        else if (move == u"5")
            range = range.firstItems(5);
        else if (move == u"T")
            range = range.firstItems(10);
        else if (move == u"A")
            range = range.firstItems(0);
        else
            range = range.chosen(move.mid(1).section(u'-', 0, 0).toInt(),
                                 move.section(u'-', 1, 1).toInt());
        QCOMPARE(shown(range), after[i]);
    }
}

void tst_practicerange::buttons_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("last");
    QTest::addColumn<RangeButtons>("enabled");

    QTest::newRow("whole list of 12")
        << 12 << 1 << 12 << RangeButtons{false, true, true, false, false};
    QTest::newRow("middle of 12") << 12 << 3 << 7 << RangeButtons{true, true, true, true, true};
    QTest::newRow("first 5 of 12") << 12 << 1 << 5 << RangeButtons{true, false, true, true, false};
    QTest::newRow("first 10 of 12")
        << 12 << 1 << 10 << RangeButtons{true, true, false, true, false};
    QTest::newRow("exactly 5, all selected")
        << 5 << 1 << 5 << RangeButtons{false, false, false, false, false};
    QTest::newRow("fewer than 5") << 4 << 2 << 3 << RangeButtons{true, false, false, true, true};
    QTest::newRow("ends with the last item")
        << 12 << 9 << 12 << RangeButtons{true, true, true, false, true};
}

void tst_practicerange::buttons()
{
    QFETCH(int, count);
    QFETCH(int, first);
    QFETCH(int, last);
    QFETCH(RangeButtons, enabled);
    QCOMPARE(PracticeRange(numbered(count)).chosen(first, last).buttons(), enabled);
}

void tst_practicerange::items()
{
    const PracticeRange range = PracticeRange(numbered(6)).chosen(2, 4);
    QCOMPARE(range.size(), 3);
    QCOMPARE(range.count(), 6);
    QCOMPARE(range.at(1), QStringLiteral("item 2"));
    QCOMPARE(range.at(3), QStringLiteral("item 4"));
    QCOMPARE(range.byNumber(3), QStringLiteral("item 3"));
    QVERIFY(range.containsNumber(4));
    QVERIFY(!range.containsNumber(5));
    QVERIFY(!range.containsNumber(1));
    QVERIFY(PracticeRange().isEmpty());
    QVERIFY(PracticeRange(QStringList()).isEmpty());
}

QTEST_GUILESS_MAIN(tst_practicerange)
#include "tst_practicerange.moc"
