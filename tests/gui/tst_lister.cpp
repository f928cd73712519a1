#include "WindowDriver.h"
#include "common/IntervalTimer.h"
#include "slider/RailSlider.h"
#include "unilistbox/NativeList.h"
#include "unilistbox/UniListBox.h"
#include "unitext/UniText.h"

#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>

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
    void listsToTheEndAndRestarts();
    void quickListStopsAtTheEnd();
    void manualStepsPutReferencesOnTheClipboard();
    void rangeNumbersAndReferences();
    void fromManualToOneSecondResumes();
    void clickingAnEntryShowsItsText();
    void wordModeEntriesHaveNoNumber();
    void realClockLists();
};

void tst_lister::realClockLists()
{
    WindowDriver d;
    IntervalTimer::setClockDriven(true);
    d.open(numbered(6));
    d.control<RailSlider>("sdrListingSpeed")->setValue(0);
    QTRY_COMPARE(d.rows("lstList").size(), 6);
}

void tst_lister::listsToTheEndAndRestarts()
{
    WindowDriver d;
    d.open(numbered(3));
    d.control<RailSlider>("sdrListingSpeed")->setValue(2);
    QCOMPARE(d.control<QLabel>("lblSpeed")->text(), QStringLiteral("1 sec"));
    QCOMPARE(d.rows("lstList"), QStringList{QStringLiteral(" 1.   بند 1   ")});
    d.tick("Timer2");
    d.tick("Timer2");
    QCOMPARE(d.rows("lstList").size(), 3);
    QCOMPARE(d.control<UniText>("txtCompleteText")->Text(), QStringLiteral("بند 3"));
    QCOMPARE(d.control<UniListBox>("lstList")->ListIndex(), 2);
    d.tick("Timer2"); // restart on finish
    QCOMPARE(d.rows("lstList").size(), 1);

    d.control<QCheckBox>("chkRestartListing")->setChecked(false);
    for (int i = 0; i < 5; ++i)
        d.tick("Timer2");
    QCOMPARE(d.rows("lstList").size(), 3); // finished: ticks do nothing
}

void tst_lister::quickListStopsAtTheEnd()
{
    WindowDriver d;
    d.open(numbered(4));
    d.control<RailSlider>("sdrListingSpeed")->setValue(0);
    for (int i = 0; i < 10; ++i)
        d.tick("Timer2");
    QCOMPARE(d.rows("lstList").size(), 4);
    QVERIFY(d.control<QCheckBox>("chkRestartListing")->isChecked());
}

void tst_lister::manualStepsPutReferencesOnTheClipboard()
{
    WindowDriver d;
    d.open(numbered(5));
    d.control<RailSlider>("sdrListingSpeed")->setValue(6);
    QVERIFY(d.control("cmdManualListing")->isVisible());
    d.tick("Timer2");
    QCOMPARE(d.rows("lstList").size(), 1); // the clock is stopped
    QTest::keyClick(d.control("cmbFrom"), Qt::Key_Return);
    QTest::keyClick(d.control("cmdRestartListing"), Qt::Key_Enter);
    QCOMPARE(d.rows("lstList").size(), 3);
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("Name:3"));
}

void tst_lister::rangeNumbersAndReferences()
{
    WindowDriver d;
    d.open(numbered(12));
    d.control<QComboBox>("cmbFrom")->setCurrentIndex(4);
    d.control<QComboBox>("cmbTo")->setCurrentIndex(8);
    d.control<RailSlider>("sdrListingSpeed")->setValue(1);
    for (int i = 0; i < 4; ++i)
        d.tick("Timer2");
    const QStringList rows = d.rows("lstList");
    QCOMPARE(rows.first(), QStringLiteral(" 5.   بند 5   "));
    QCOMPARE(rows.last(), QStringLiteral(" 9.   بند 9   "));
    d.clickRow("lstList", 0);
    QTest::mouseDClick(d.control<UniListBox>("lstList")->hWnd()->viewport(), Qt::LeftButton, {},
                       d.control<UniListBox>("lstList")->hWnd()->itemRect(0).center());
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("Name:1"));
}

void tst_lister::fromManualToOneSecondResumes()
{
    WindowDriver d;
    d.open(numbered(6));
    auto* slider = d.control<RailSlider>("sdrListingSpeed");
    slider->setValue(6);
    d.control<QPushButton>("cmdManualListing")->click();
    slider->setValue(2);
    QVERIFY(!d.control("cmdManualListing")->isVisible());
    d.tick("Timer2");
    QCOMPARE(d.rows("lstList").size(), 3);
}

void tst_lister::clickingAnEntryShowsItsText()
{
    WindowDriver d;
    d.open(numbered(5));
    d.control<RailSlider>("sdrListingSpeed")->setValue(1);
    d.tick("Timer2");
    d.tick("Timer2");
    d.clickRow("lstList", 0);
    QCOMPARE(d.control<UniText>("txtCompleteText")->Text(), QStringLiteral("بند 1"));
    d.tick("Timer2");
    QCOMPARE(d.rows("lstList").size(), 4);
    QCOMPARE(d.control<UniText>("txtCompleteText")->Text(), QStringLiteral("بند 4"));
}

void tst_lister::wordModeEntriesHaveNoNumber()
{
    WindowDriver d;
    d.open({QStringLiteral("مَنْ جَدَّ وَجَدَ")}, true);
    QCOMPARE(d.rows("lstList"), QStringList{QStringLiteral("  مَنْ. 1 >>   ")});
}

QTEST_MAIN(tst_lister)
#include "tst_lister.moc"
