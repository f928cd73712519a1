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

QTEST_GUILESS_MAIN(tst_practice)
#include "tst_practice.moc"
