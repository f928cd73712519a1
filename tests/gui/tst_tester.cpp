#include "WindowDriver.h"
#include "common/IntervalTimer.h"
#include "unilistbox/UniListBox.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

namespace {

const QStringList kItems{QStringLiteral("أَلِف"), QStringLiteral("بَاء"), QStringLiteral("تَاء"),
                         QStringLiteral("ثَاء"), QStringLiteral("جِيم")};

// The row of the choice that is right for item `number` (1-based), or -1.
int rightRow(const WindowDriver& d, int number)
{
    return d.rows("lstSelect").indexOf(u' ' + kItems[number - 1] + QStringLiteral("   "));
}

int wrongRow(const WindowDriver& d, int number)
{
    const QStringList rows = d.rows("lstSelect");
    for (int row = 1; row < rows.size(); ++row)
        if (row != rightRow(d, number))
            return row;
    return -1;
}

} // namespace

// The Tester with a fixed random order and a clock the test moves.
class tst_tester : public QObject {
    Q_OBJECT
private slots:
    void init();
    void rightAndWrongPicks();
    void oneItemRangeCompletesAtOnce();
    void digitKeysSelectRows();
    void clockStartsAtTheFirstPick();
    void listerNumbersStayWhileTesting();

private:
    void openTester(WindowDriver& d)
    {
        d.open(kItems, false, 2);
        d.window->seedRandom(7);
        d.window->setTickCounter([this] { return m_now; });
        QTest::mouseClick(d.control("cmdRestartTest"), Qt::LeftButton);
    }
    qint64 m_now = 0;
};

void tst_tester::init()
{
    m_now = 1'000'000;
}

void tst_tester::rightAndWrongPicks()
{
    WindowDriver d;
    openTester(d);
    QCOMPARE(d.rows("lstSelect").size(), 4);
    QCOMPARE(d.rows("lstSelect").first(), QStringLiteral("------ Select Next ------------"));

    const QStringList before = d.rows("lstSelect");
    d.clickRow("lstSelect", wrongRow(d, 1));
    QCOMPARE(d.rows("lstSelect"), before); // same rows, same order
    QCOMPARE(d.control<QLabel>("lblWrong")->text(), QStringLiteral("1"));
    QCOMPARE(d.control<QLineEdit>("txtAnswer")->text(), QStringLiteral("Wrong"));
    QCOMPARE(d.control<UniListBox>("lstSelect")->BackColor(), oleColor(255, 221, 221));

    for (int number = 1; number <= 5; ++number)
        d.clickRow("lstSelect", rightRow(d, number));
    QCOMPARE(d.control<QLabel>("lblCorrect")->text(), QStringLiteral("5"));
    QCOMPARE(d.rows("lstSelect"), QStringList{QStringLiteral("--- TEST COMPLETE ---")});
    QCOMPARE(d.rows("lstSelected").first(), QStringLiteral(" 1.  أَلِف   "));
    QCOMPARE(d.control<UniListBox>("lstSelect")->BackColor(), oleColor(221, 255, 221));
    QVERIFY(!d.timer("Timer1")->isEnabled());
    d.clickRow("lstSelect", 0); // the final line ignores clicks
    QCOMPARE(d.control<QLabel>("lblCorrect")->text(), QStringLiteral("5"));
}

void tst_tester::oneItemRangeCompletesAtOnce()
{
    WindowDriver d;
    openTester(d);
    d.control<QComboBox>("cmbFrom")->setCurrentIndex(2);
    d.control<QComboBox>("cmbTo")->setCurrentIndex(2);
    QCOMPARE(d.rows("lstSelect").size(), 2);
    d.clickRow("lstSelect", 1);
    QCOMPARE(d.rows("lstSelect"), QStringList{QStringLiteral("--- TEST COMPLETE ---")});
    QCOMPARE(d.rows("lstSelected"), QStringList{QStringLiteral(" 3.  تَاء   ")});
}

void tst_tester::digitKeysSelectRows()
{
    WindowDriver d;
    openTester(d);
    d.control<QComboBox>("cmbFrom")->setCurrentIndex(3); // items 4 and 5: two choices
    auto* select = d.control<UniListBox>("lstSelect");
    QCOMPARE(select->ListCount(), 3);
    QWidget* focus = d.control("cmdRestartTest");
    QTest::keyClick(focus, Qt::Key_3);
    QCOMPARE(select->ListIndex(), 0);
    QTest::keyClick(focus, Qt::Key_2);
    QCOMPARE(select->ListIndex(), 2);
    QTest::keyClicks(focus, QString()); // nothing
    QKeyEvent arabicOne(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier,
                        QStringLiteral("\u0661"));
    QCoreApplication::sendEvent(focus, &arabicOne);
    QCOMPARE(select->ListIndex(), 1);
    QCOMPARE(d.control<QLabel>("lblCorrect")->text() + d.control<QLabel>("lblWrong")->text(),
             QStringLiteral("00")); // selecting is not picking
}

void tst_tester::clockStartsAtTheFirstPick()
{
    WindowDriver d;
    openTester(d);
    QCOMPARE(d.control<QLabel>("lblTimeTaken")->text(), QStringLiteral("0 sec"));
    QVERIFY(!d.timer("Timer1")->isEnabled());
    m_now += 30'000;
    d.clickRow("lstSelect", wrongRow(d, 1));
    QVERIFY(d.timer("Timer1")->isEnabled());
    m_now += 65'000;
    d.tick("Timer1");
    QCOMPARE(d.control<QLabel>("lblTimeTaken")->text(), QStringLiteral("01 min : 05 sec"));
    QTest::mouseClick(d.control("cmdRestartTest"), Qt::LeftButton);
    QCOMPARE(d.control<QLabel>("lblTimeTaken")->text(), QStringLiteral("0 sec"));
    QCOMPARE(d.control<QLabel>("lblWrong")->text(), QStringLiteral("0"));
}

void tst_tester::listerNumbersStayWhileTesting()
{
    WindowDriver d;
    openTester(d);
    d.clickRow("lstSelect", rightRow(d, 1));
    d.clickRow("lstSelect", rightRow(d, 2));
    QMetaObject::invokeMethod(d.control("cmdRestartListing"), "click");
    QCOMPARE(d.rows("lstList").first(), QStringLiteral(" 1.   أَلِف   "));
    // The test goes on where it was: item 3 is next.
    QVERIFY(rightRow(d, 3) > 0);
}

QTEST_MAIN(tst_tester)
#include "tst_tester.moc"
