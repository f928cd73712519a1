#include "controls/common/IntervalTimer.h"
#include "controls/slider/RailSlider.h"
#include "controls/unilistbox/NativeList.h"
#include "controls/unilistbox/UniListBox.h"
#include "controls/unitext/UniText.h"
#include "practice/recitation/Recitation.h"
#include "tests/support/FakePlayer.h"
#include "tests/support/WindowDriver.h"

#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>
#include <QWheelEvent>

namespace {

QStringList numbered(int count)
{
    QStringList lines;
    for (int i = 1; i <= count; ++i)
        lines << QStringLiteral("بند %1").arg(i);
    return lines;
}

} // namespace

// The Lister on its page, ticked by hand.
class tst_lister : public QObject {
    Q_OBJECT
private slots:
    void listsARangeByTimerAndByHand();
    void finishedListingStopsItsClock();
    void longTextScrollsButCannotBeChanged();
    void wordModeEntriesHaveNoNumber();
    void realClockLists();
    void quickListIsListedInMoments();
    void aTimedListingWaitsForTheRecitation();
};

void tst_lister::realClockLists()
{
    WindowDriver d;
    IntervalTimer::setClockDriven(true);
    d.open(numbered(6));
    d.control<RailSlider>("sdrListingSpeed")->setValue(0);
    QTRY_COMPARE(d.rows("lstList").size(), 6);
}

void tst_lister::listsARangeByTimerAndByHand()
{
    WindowDriver d;
    d.open(numbered(12));
    d.control<QComboBox>("cmbFrom")->setCurrentIndex(4);
    d.control<QComboBox>("cmbTo")->setCurrentIndex(6);
    auto* slider = d.control<RailSlider>("sdrListingSpeed");
    slider->setValue(2);
    QCOMPARE(d.control<QLabel>("lblSpeed")->text(), QStringLiteral("1 sec"));
    d.tick("Timer2");
    d.tick("Timer2");
    QCOMPARE(d.rows("lstList"),
             (QStringList{QStringLiteral(" 5.   بند 5   "), QStringLiteral(" 6.   بند 6   "),
                          QStringLiteral(" 7.   بند 7   ")}));
    QCOMPARE(d.control<UniText>("txtCompleteText")->Text(), QStringLiteral("بند 7"));
    QCOMPARE(d.control<UniListBox>("lstList")->ListIndex(), 2);

    // An earlier entry shows its text and names its item in the reference, not its place in
    // the listing.
    d.clickRow("lstList", 0);
    QCOMPARE(d.control<UniText>("txtCompleteText")->Text(), QStringLiteral("بند 5"));
    NativeList* inner = d.control<UniListBox>("lstList")->hWnd();
    QTest::mouseDClick(inner->viewport(), Qt::LeftButton, {}, inner->itemRect(0).center());
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("Name:5"));

    d.tick("Timer2"); // restart on finish
    QCOMPARE(d.rows("lstList").size(), 1);

    // By hand: Enter steps wherever the focus is, and each step is put on the clipboard.
    slider->setValue(6);
    QVERIFY(d.control("cmdManualListing")->isVisible());
    d.tick("Timer2");
    QCOMPARE(d.rows("lstList").size(), 1); // the clock is stopped
    QTest::keyClick(d.control("cmbFrom"), Qt::Key_Return);
    QCOMPARE(d.rows("lstList").size(), 2);
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("Name:6"));
    QTest::keyClick(d.control("sdrListingSpeed"), Qt::Key_Enter, Qt::KeypadModifier);
    QCOMPARE(d.rows("lstList").size(), 3); // the keypad's Enter too
}

// The listing clock runs only while the Lister has something to list: finished, it stops, and
// a change that lets the listing go on starts it again.
void tst_lister::finishedListingStopsItsClock()
{
    WindowDriver d;
    d.open(numbered(4));
    auto* timer2 = d.timer("Timer2");
    d.control<QCheckBox>("chkRestartListing")->setChecked(false);
    d.control<RailSlider>("sdrListingSpeed")->setValue(2);
    for (int i = 0; i < 10; ++i)
        d.tick("Timer2");
    QCOMPARE(d.rows("lstList").size(), 4);
    QVERIFY(!timer2->isEnabled());
    d.control<QCheckBox>("chkRestartListing")->setChecked(true);
    QVERIFY(timer2->isEnabled());
}

// The full text is read-only, yet a long verse can be scrolled to its end.
void tst_lister::longTextScrollsButCannotBeChanged()
{
    WindowDriver d;
    d.open({QStringLiteral("وَلَقَدْ ").repeated(120)});
    auto* text = d.control<UniText>("txtCompleteText");
    QVERIFY(text->isEnabled());
    auto* editor = qobject_cast<QTextEdit*>(text->hWnd());
    QScrollBar* bar = editor->verticalScrollBar();
    QVERIFY(bar->maximum() > 0);
    QWheelEvent wheel(QPointF(10, 10), editor->viewport()->mapToGlobal(QPointF(10, 10)), QPoint(),
                      QPoint(0, -120), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(editor->viewport(), &wheel);
    QVERIFY(bar->value() > 0);
    text->setFocus();
    QTest::keyClicks(editor, QStringLiteral("x"));
    QTest::keyClick(editor, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(text->Text(), QStringLiteral("وَلَقَدْ ").repeated(120));

    // The verse can be selected and copied, as from any page one reads.
    QGuiApplication::clipboard()->clear();
    QTest::keyClick(editor, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(editor, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("وَلَقَدْ ").repeated(120));
}

void tst_lister::wordModeEntriesHaveNoNumber()
{
    WindowDriver d;
    d.open({QStringLiteral("مَنْ جَدَّ وَجَدَ")}, true);
    QCOMPARE(d.rows("lstList"), QStringList{QStringLiteral("  مَنْ. 1 >>   ")});
}

// A Quick List lists every entry in turn, the last shown whole, without a tick per entry; then
// its clock stops.
void tst_lister::quickListIsListedInMoments()
{
    WindowDriver d;
    d.open(numbered(3000));
    d.control<RailSlider>("sdrListingSpeed")->setValue(0);
    int ticks = 0;
    while (d.timer("Timer2")->wouldTick() && ticks < 3000) {
        d.tick("Timer2");
        ++ticks;
    }
    const QStringList rows = d.rows("lstList");
    QCOMPARE(rows.size(), 3000);
    QCOMPARE(rows[1234], QStringLiteral(" 1235.   بند 1235   "));
    QCOMPARE(d.control<UniText>("txtCompleteText")->Text(), QStringLiteral("بند 3000"));
    QVERIFY2(ticks < 300, qPrintable(QString::number(ticks)));
}

// Reciting, each entry shown is played (the first as soon as the folder is read), and the
// listing clock waits for its end; an entry without a file goes on at once, and what plays is
// shown and said.
void tst_lister::aTimedListingWaitsForTheRecitation()
{
    QTemporaryDir folder;
    for (const char* name : {"0001.wav", "0002.wav"})
        QFile(folder.filePath(QLatin1String(name))).open(QIODevice::WriteOnly);
    WindowDriver d;
    d.open(numbered(3));
    auto* recitation = d.window->findChild<Recitation*>();
    QStringList played;
    auto player = std::make_unique<FakePlayer>(&played);
    FakePlayer* fake = player.get();
    recitation->setPlayer(std::move(player));
    recitation->session().setRepeatEach(2);
    recitation->setFolder(folder.path(), {}, 3);
    d.control<RailSlider>("sdrListingSpeed")->setValue(2);
    QTest::mouseClick(d.control("cmdRestartListing"), Qt::LeftButton);
    QTRY_COMPARE(played, QStringList{"0001.wav"}); // the first entry, once the folder is read
    QVERIFY(!d.timer("Timer2")->isEnabled());      // the listing waits
    QCOMPARE(d.control<QLabel>("lblRecitation")->text(), QStringLiteral("1, 1 of 2"));
    fake->finished(1500);
    QCOMPARE(played, (QStringList{"0001.wav", "0001.wav"}));
    fake->finished(1500);
    QVERIFY(d.timer("Timer2")->isEnabled()); // an interval after the recitation
    QVERIFY(!d.control<QLabel>("lblRecitation")->isVisible());
    d.tick("Timer2");
    QCOMPARE(played.size(), 3);
    recitation->stop();
    recitation->setPlayer(nullptr); // off: silent, the listing as it always was
    d.tick("Timer2");
    QVERIFY(d.timer("Timer2")->isEnabled());
    QCOMPARE(played.size(), 3);
}

QTEST_MAIN(tst_lister)
#include "tst_lister.moc"
