#include "controls/common/placement.h"

#include <QTest>

// Where a side window stands beside the window practised in.
class tst_placement : public QObject {
    Q_OBJECT
private slots:
    void besideWindow_data();
    void besideWindow();
};

void tst_placement::besideWindow_data()
{
    QTest::addColumn<QRect>("main");
    QTest::addColumn<QPoint>("at");
    // A 1920 x 1050 screen below a 30-pixel panel; the side window is 500 x 400.
    QTest::newRow("room at the right") << QRect(100, 200, 716, 600) << QPoint(816, 200);
    QTest::newRow("room at the left only") << QRect(1000, 200, 716, 600) << QPoint(500, 200);
    QTest::newRow("no room: the roomier edge") << QRect(200, 30, 1600, 900) << QPoint(0, 30);
    QTest::newRow("kept on the screen, down to its foot")
        << QRect(100, 900, 716, 100) << QPoint(816, 680);
}

void tst_placement::besideWindow()
{
    QFETCH(QRect, main);
    QFETCH(QPoint, at);
    QCOMPARE(::besideWindow(QSize(500, 400), main, QRect(0, 30, 1920, 1050)), at);
}

QTEST_GUILESS_MAIN(tst_placement)
#include "tst_placement.moc"
