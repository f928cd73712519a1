#include "app/main/TesterPage.h"
#include "controls/common/IntervalTimer.h"
#include "controls/tabs/ctlTabs.h"
#include "controls/unilistbox/NativeList.h"
#include "controls/unilistbox/UniListBox.h"
#include "lists/itemlist.h"
#include "practice/recitation/Recitation.h"
#include "practice/session/testing.h"
#include "tests/support/FakePlayer.h"
#include "tests/support/WindowDriver.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>
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
    void doubleClickIsOnePick();
    void digitKeysAnswerOnTheTesterPage_data();
    void digitKeysAnswerOnTheTesterPage();
    void arrowsAndEnterAnswerInTheChoices();
    void listerNumbersStayWhileTesting();
    void quickPicksLetTheClockTick();
    void aRightPickPlaysItsEntry();

private:
    void openTester(WindowDriver& d, const QStringList& items = kItems)
    {
        d.open(items, false, 2);
        d.window->seedRandom(7);
        d.window->setTickCounter([this] { return m_now; });
        QTest::mouseClick(d.control("cmdRestartTest"), Qt::LeftButton);
    }
    QString counts(const WindowDriver& d) const
    {
        return d.control<QLabel>("lblCorrect")->text() + u'/' +
               d.control<QLabel>("lblWrong")->text();
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
    QCOMPARE(d.control<QLabel>("lblTimeTaken")->text(), QStringLiteral("0 sec"));

    m_now += 30'000; // the clock starts at the first pick, not at the restart
    d.clickRow("lstSelect", wrongRow(d, 1));
    QCOMPARE(counts(d), QStringLiteral("0/1"));
    QCOMPARE(d.control<QLineEdit>("txtAnswer")->text(), QStringLiteral("Wrong"));
    QCOMPARE(d.control<UniListBox>("lstSelect")->BackColor(), oleColor(255, 221, 221));
    QVERIFY(d.timer("Timer1")->isEnabled());
    m_now += 65'000;
    d.tick("Timer1");
    QCOMPARE(d.control<QLabel>("lblTimeTaken")->text(), QStringLiteral("01 min : 05 sec"));

    for (int number = 1; number <= 5; ++number)
        d.clickRow("lstSelect", rightRow(d, number));
    QCOMPARE(counts(d), QStringLiteral("5/1"));
    QCOMPARE(d.rows("lstSelect"), QStringList{QStringLiteral("--- TEST COMPLETE ---")});
    QCOMPARE(d.rows("lstSelected").first(), QStringLiteral(" 1.  أَلِف   "));
    QCOMPARE(d.control<UniListBox>("lstSelect")->BackColor(), oleColor(221, 255, 221));
    QVERIFY(!d.timer("Timer1")->isEnabled());

    QTest::mouseClick(d.control("cmdRestartTest"), Qt::LeftButton);
    QCOMPARE(d.control<QLabel>("lblTimeTaken")->text(), QStringLiteral("0 sec"));
    QCOMPARE(d.rows("lstSelected"), QStringList());
}

// The second release of a double-click has no press of its own: it answers nothing, whatever
// row the new choices put under the pointer.
void tst_tester::doubleClickIsOnePick()
{
    WindowDriver d;
    openTester(d);
    NativeList* inner = d.control<UniListBox>("lstSelect")->hWnd();
    const QPoint at = inner->itemRect(rightRow(d, 1)).center();
    // A double-click reaches the list as press, release, double-click, release.
    QTest::mouseClick(inner->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(inner->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseRelease(inner->viewport(), Qt::LeftButton, {}, at);
    QCOMPARE(counts(d), QStringLiteral("1/0"));
    QCOMPARE(d.rows("lstSelected").size(), 1);
}

void tst_tester::digitKeysAnswerOnTheTesterPage_data()
{
    QTest::addColumn<QString>("text"); // what the key types
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::newRow("Latin digits") << QString() << Qt::KeyboardModifiers();
    QTest::newRow("Arabic-Indic digits") << QStringLiteral("\u0660") << Qt::KeyboardModifiers();
    QTest::newRow("Eastern Arabic-Indic digits")
        << QStringLiteral("\u06F0") << Qt::KeyboardModifiers();
    QTest::newRow("the keypad") << QString() << Qt::KeyboardModifiers(Qt::KeypadModifier);
}

// While the Tester is shown, a digit answers its row at once, as a click on it would; a
// digit beyond the rows, or on another page, answers nothing.
void tst_tester::digitKeysAnswerOnTheTesterPage()
{
    QFETCH(QString, text);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    WindowDriver d;
    openTester(d);
    QWidget* focus = d.control("cmdRestartTest");
    focus->setFocus();
    auto typeDigit = [&](int digit) {
        const QString typed = text.isEmpty() ? QString::number(digit)
                                             : QString(QChar(text.front().unicode() + digit));
        QKeyEvent press(QEvent::KeyPress, Qt::Key_0 + digit, modifiers, typed);
        QCoreApplication::sendEvent(focus, &press);
    };
    typeDigit(wrongRow(d, 1));
    QCOMPARE(counts(d), QStringLiteral("0/1"));
    QCOMPARE(d.control<QLineEdit>("txtAnswer")->text(), QStringLiteral("Wrong"));
    typeDigit(rightRow(d, 1));
    QCOMPARE(counts(d), QStringLiteral("1/1"));
    QCOMPARE(d.rows("lstSelected").size(), 1);
    QVERIFY(d.timer("Timer1")->isEnabled());

    d.control<QComboBox>("cmbFrom")->setCurrentIndex(3); // a new test, three rows
    typeDigit(4);
    QCOMPARE(counts(d), QStringLiteral("0/0"));

    d.control<ctlTabs>("ctlTabs1")->setSelectedTab(1);
    auto* from = d.control<QComboBox>("cmbFrom");
    from->setFocus();
    QTest::keyClick(from, Qt::Key_2);
    QCOMPARE(from->currentText(), QStringLiteral("2")); // the list's own key
}

// With the choices focused, Up and Down move a visible highlight and Enter or Space answers
// the highlighted row.
void tst_tester::arrowsAndEnterAnswerInTheChoices()
{
    WindowDriver d;
    openTester(d);
    auto* select = d.control<UniListBox>("lstSelect");
    select->setFocus();
    QWidget* list = select->hWnd();
    for (int row = 1; row < rightRow(d, 1); ++row)
        QTest::keyClick(list, Qt::Key_Down);
    QTest::keyClick(list, Qt::Key_Down);
    QCOMPARE(select->ListIndex(), rightRow(d, 1));
    QTest::keyClick(list, Qt::Key_Return);
    QCOMPARE(counts(d), QStringLiteral("1/0"));
    QCOMPARE(select->ListIndex(), 0); // back on the header for the next choice

    QTest::keyClick(list, Qt::Key_Down);
    QTest::keyClick(list, Qt::Key_Down);
    QTest::keyClick(list, Qt::Key_Up);
    QCOMPARE(select->ListIndex(), 1);
    QTest::keyClick(list, Qt::Key_Space);
    QCOMPARE(d.control<QLabel>("lblCorrect")->text().toInt() +
                 d.control<QLabel>("lblWrong")->text().toInt(),
             2);
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

// The clock ticks once a second from the first pick however fast the picks come, and the time
// shown at the end is the time the history keeps.
void tst_tester::quickPicksLetTheClockTick()
{
    WindowDriver d;
    openTester(d);
    IntervalTimer::setClockDriven(true);
    auto* time = d.control<QLabel>("lblTimeTaken");
    bool ticked = false;
    for (int pick = 0; pick < 10 && !ticked; ++pick) {
        m_now += 250;
        d.clickRow("lstSelect", wrongRow(d, 1));
        QTest::qWait(250);
        ticked = time->text() != QStringLiteral("0 sec");
    }
    QVERIFY(ticked);
    IntervalTimer::setClockDriven(false);
    for (int number = 1; number <= 5; ++number) {
        m_now += 1400;
        d.clickRow("lstSelect", rightRow(d, number));
    }
    QCOMPARE(time->text(), testing::GetSecondsInHMSFormat(d.window->tester().elapsedSeconds()));
}

// Asked to, a right pick plays the entry picked; waiting for it, the next choices come at its
// end, and a digit typed meanwhile picks nothing.
void tst_tester::aRightPickPlaysItsEntry()
{
    QTemporaryDir folder;
    for (const char* name : {"0001.wav", "0002.wav", "0003.wav"})
        QFile(folder.filePath(QLatin1String(name))).open(QIODevice::WriteOnly);
    WindowDriver d;
    openTester(d);
    auto* recitation = d.window->findChild<Recitation*>();
    QStringList played;
    auto player = std::make_unique<FakePlayer>(&played);
    FakePlayer* fake = player.get();
    recitation->setPlayer(std::move(player));
    recitation->setFolder(folder.path(), {}, 5);
    QTRY_VERIFY(recitation->isIndexed());
    recitation->setTesterPlays(Recitation::TesterPlays::Waiting);
    d.clickRow("lstSelect", rightRow(d, 1));
    QCOMPARE(played, QStringList{"0001.wav"});
    QCOMPARE(d.rows("lstSelect").size(), 1); // the next choices wait
    d.window->findChild<TesterPage*>()->Form_KeyPress(QStringLiteral("1"));
    QCOMPARE(counts(d), QStringLiteral("1/0"));
    fake->finished(800);
    QCOMPARE(d.rows("lstSelect").size(), 4);

    recitation->setTesterPlays(Recitation::TesterPlays::AtOnce);
    d.clickRow("lstSelect", rightRow(d, 2));
    QCOMPARE(played, (QStringList{"0001.wav", "0002.wav"}));
    QCOMPARE(d.rows("lstSelect").size(), 4); // offered as it plays
}

QTEST_MAIN(tst_tester)
#include "tst_tester.moc"
