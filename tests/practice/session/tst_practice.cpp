#include "practice/models/maplayout.h"
#include "practice/session/divisionchoices.h"
#include "practice/session/listing.h"
#include "practice/session/testing.h"

#include <QTest>

class tst_practice : public QObject {
    Q_OBJECT
private slots:
    void timeFormat_data();
    void timeFormat();
    void entries();
    void speeds();
    void divisionChoices();
    void mapLayout_data();
    void mapLayout();
};

void tst_practice::timeFormat_data()
{
    QTest::addColumn<qint64>("seconds");
    QTest::addColumn<QString>("text");
    QTest::newRow("0 is empty") << 0LL << "";
    QTest::newRow("1") << 1LL << "01 sec";
    QTest::newRow("59") << 59LL << "59 sec";
    QTest::newRow("60") << 60LL << "01 min : 00 sec";
    QTest::newRow("65") << 65LL << "01 min : 05 sec";
    QTest::newRow("3600") << 3600LL << "01 hr : 00 min : 00 sec";
    QTest::newRow("3725") << 3725LL << "01 hr : 02 min : 05 sec";
    QTest::newRow("more than two digits of hours") << 360000LL << "100 hr : 00 min : 00 sec";
}

void tst_practice::timeFormat()
{
    QFETCH(qint64, seconds);
    QFETCH(QString, text);
    QCOMPARE(testing::GetSecondsInHMSFormat(seconds), text);
}

void tst_practice::entries()
{
    QCOMPARE(listing::entry(false, QStringLiteral("7"), QStringLiteral(" a   ")),
             QStringLiteral(" 7.   a   "));
    QCOMPARE(listing::entry(false, QStringLiteral("2:255"), QStringLiteral(" a   ")),
             QStringLiteral(" 2:255.   a   "));
    QCOMPARE(listing::entry(true, QStringLiteral("7"), QStringLiteral(" a   ")),
             QStringLiteral("  a   "));
    QCOMPARE(testing::recalledEntry(false, QStringLiteral("7"), QStringLiteral(" a   ")),
             QStringLiteral(" 7.  a   "));
    QCOMPARE(listing::reference(QStringLiteral("Quran"), QStringLiteral("2:255")),
             QStringLiteral("Quran:2:255"));
}

void tst_practice::speeds()
{
    QStringList captions;
    QList<int> intervals;
    for (int value = 0; value <= 6; ++value) {
        captions.append(listing::speed(value)->caption);
        intervals.append(listing::speed(value)->interval);
    }
    QCOMPARE(captions, (QStringList{"Quick List", "0.5 sec", "1 sec", "1.5 sec", "2 sec", "2.5 sec",
                                    "Manual"}));
    QCOMPARE(intervals, (QList<int>{1, 500, 1000, 1500, 2000, 2500, 0}));
    QVERIFY(!listing::speed(7));
}

// The chooser lists the parts, then each kind named once before its divisions; the rows that
// name a kind choose nothing.
void tst_practice::divisionChoices()
{
    const QList<Part> parts{{QStringLiteral("الفاتحة"), 1, 7, 0}};
    const QList<DivisionKind> kinds{
        {QStringLiteral("JUZ"), {{QStringLiteral("1"), 1, 7, 0}}},
        {QStringLiteral("hadd"), {{QStringLiteral("a"), 1, 3, 0}, {QString(300, u'x'), 4, 7, 0}}}};
    QStringList rows;
    for (const divisionchoices::Entry& entry : divisionchoices::entries(parts, kinds))
        rows.append(QStringLiteral("%1 %2:%3")
                        .arg(divisionchoices::text(entry, parts, kinds).left(12))
                        .arg(entry.kind)
                        .arg(entry.index));
    QCOMPARE(rows, (QStringList{QStringLiteral("1 الفاتحة -1:0"), "Juz 0:-1", "Juz 1 0:0",
                                "hadd 1:-1", "hadd a 1:0", "hadd xxxxxxx 1:1"}));
    const QList<divisionchoices::Entry> entries = divisionchoices::entries(parts, kinds);
    QCOMPARE(divisionchoices::text(entries.back(), parts, kinds).size(),
             5 + 100 + 1); // "hadd ", a long name's start, "…"
    QCOMPARE(divisionchoices::rowOf(entries, 1, 1), 5);
    QCOMPARE(divisionchoices::rowOf(entries, 1, 2), -1);
}

void tst_practice::mapLayout_data()
{
    QTest::addColumn<int>("items");
    QTest::addColumn<int>("columns");
    QTest::addColumn<QString>("rows");  // "3-5 6-9": given rows
    QTest::addColumn<QString>("cells"); // each row's items
    QTest::newRow("rows as wide as the map") << 7 << 3 << ""
                                             << "1,2,3 4,5,6 7";
    QTest::newRow("a page a row") << 7 << 4 << "1-2 3-5 6-7"
                                  << "1,2 3,4,5 6,7";
    QTest::newRow("a page longer than the map wraps") << 6 << 2 << "1-5 6-6"
                                                      << "1,2 3,4 5 6";
    QTest::newRow("items before, between and after pages have rows of their own")
        << 9 << 5 << "2-3 6-7"
        << "1 2,3 4,5 6,7 8,9";
    QTest::newRow("pages beyond the list are cut") << 4 << 5 << "1-2 3-9 10-12"
                                                   << "1,2 3,4";
    QTest::newRow("no items, no rows") << 0 << 5 << "1-2"
                                       << "";
}

void tst_practice::mapLayout()
{
    QFETCH(int, items);
    QFETCH(int, columns);
    QFETCH(QString, rows);
    QFETCH(QString, cells);
    QList<revisionplan::ItemSpan> spans;
    for (const QString& row : rows.split(u' ', Qt::SkipEmptyParts))
        spans.append({row.section(u'-', 0, 0).toInt(), row.section(u'-', 1, 1).toInt()});
    const MapLayout layout(items, columns, spans);
    QStringList shown;
    for (int row = 0; row < layout.rowCount(); ++row) {
        QStringList rowItems;
        for (int column = 0; column < columns; ++column)
            if (const int item = layout.itemAt(row, column))
                rowItems.append(QString::number(item));
        shown.append(rowItems.join(u','));
    }
    QCOMPARE(shown.join(u' '), cells);
    QCOMPARE(layout.itemAt(layout.rowCount(), 0), 0);
    QCOMPARE(layout.itemAt(0, columns), 0);
}

QTEST_GUILESS_MAIN(tst_practice)
#include "tst_practice.moc"
