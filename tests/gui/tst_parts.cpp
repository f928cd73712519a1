#include "controls/common/IntervalTimer.h"
#include "controls/slider/RailSlider.h"
#include "controls/unilistbox/NativeList.h"
#include "controls/unilistbox/UniListBox.h"
#include "tests/support/WindowDriver.h"

#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QTest>
#include <QToolButton>

// A list with parts in the whole window: chosen by part, named by references everywhere.
class tst_parts : public QObject {
    Q_OBJECT
private slots:
    void aWholePartIsChosenAndNamedByReferences();
    void aListWithoutPartsShowsNoChooser();
    void divisionsAcrossThePartsAreChosenWhole();
    void wordModeLinesCarryTheirReferences();
};

namespace {

const QStringList kTwoSurahs{
    QStringLiteral("# الفاتحة"),
    QStringLiteral("بِسۡمِ ٱللَّهِ ٱلرَّحۡمَٰنِ ٱلرَّحِيمِ"),
    QStringLiteral("ٱلۡحَمۡدُ لِلَّهِ رَبِّ ٱلۡعَٰلَمِينَ"),
    QStringLiteral("# الإخلاص"),
    QStringLiteral("قُلۡ هُوَ ٱللَّهُ أَحَدٌ"),
    QStringLiteral("ٱللَّهُ ٱلصَّمَدُ"),
    QStringLiteral("لَمۡ يَلِدۡ وَلَمۡ يُولَدۡ"),
};

} // namespace

void tst_parts::aWholePartIsChosenAndNamedByReferences()
{
    WindowDriver d;
    d.open(kTwoSurahs, false, 1);
    auto* part = d.control<QComboBox>("cmbPart");
    QVERIFY(part->isVisibleTo(d.window.get()));
    QCOMPARE(part->count(), 2);
    QCOMPARE(part->itemText(1), QStringLiteral("2 الإخلاص"));
    QCOMPARE(d.window->items().size(), 5); // headings are not items

    part->setCurrentIndex(1);
    emit part->activated(1);
    QCOMPARE(d.shownRange(), QStringLiteral("2:1-2:3"));
    QCOMPARE(d.window->range().first(), 3);
    QCOMPARE(d.window->range().last(), 5);

    d.control<RailSlider>("sdrListingSpeed")->setValue(2);
    d.tick("Timer2");
    const QStringList rows = d.rows("lstList");
    QCOMPARE(rows.value(0), QStringLiteral("# الإخلاص")); // the heading above its first item
    QVERIFY(rows.value(1).startsWith(QStringLiteral(" 2:1.  ")));
    QVERIFY(rows.value(2).startsWith(QStringLiteral(" 2:2.  ")));
    NativeList* inner = d.control<UniListBox>("lstList")->hWnd();
    QTest::mouseDClick(inner->viewport(), Qt::LeftButton, {}, inner->itemRect(2).center());
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("Name:2:2"));

    // From 1:2 to 2:1 crosses into the second part.
    d.control<QComboBox>("cmbFrom")->setCurrentIndex(1);
    d.control<QComboBox>("cmbTo")->setCurrentIndex(2);
    QCOMPARE(d.shownRange(), QStringLiteral("1:2-2:1"));
    QCOMPARE(part->currentIndex(), 0);
    d.tick("Timer2");
    QCOMPARE(d.rows("lstList").mid(1),
             (QStringList{QStringLiteral("# الإخلاص"), d.rows("lstList").value(2)}));
}

// The chooser offers each kind of division after the parts; a page chosen whole crosses into
// the next surah, the arrows step by pages, and the full text names where an entry stands.
void tst_parts::divisionsAcrossThePartsAreChosenWhole()
{
    WindowDriver d;
    d.open({QStringLiteral("## juz 30"), QStringLiteral("## page 1"), kTwoSurahs[0], kTwoSurahs[1],
            QStringLiteral("## page 2"), kTwoSurahs[2], kTwoSurahs[3], kTwoSurahs[4],
            QStringLiteral("## page 3"), kTwoSurahs[5], kTwoSurahs[6]},
           false, 1);
    auto* chooser = d.control<QComboBox>("cmbPart");
    QStringList rows;
    for (int row = 0; row < chooser->count(); ++row)
        rows.append(chooser->itemText(row));
    QCOMPARE(rows, (QStringList{QStringLiteral("1 الفاتحة"), QStringLiteral("2 الإخلاص"), "Juz",
                                "Juz 30", "Page", "Page 1", "Page 2", "Page 3"}));
    chooser->setCurrentIndex(6);
    emit chooser->activated(6);
    QCOMPARE(d.shownRange(), QStringLiteral("1:2-2:1"));
    d.control<QToolButton>("cmdNextRange")->click();
    QCOMPARE(d.shownRange(), QStringLiteral("2:2-2:3"));
    QCOMPARE(chooser->currentText(), QStringLiteral("Page 3"));

    d.control<RailSlider>("sdrListingSpeed")->setValue(2);
    d.tick("Timer2");
    QCOMPARE(d.control<QWidget>("txtCompleteText")->toolTip(),
             QStringLiteral("الإخلاص 2:3 \u00B7 juz 30 \u00B7 page 3"));
}

void tst_parts::aListWithoutPartsShowsNoChooser()
{
    WindowDriver d;
    d.open({QStringLiteral("أ"), QStringLiteral("ب")}, false, 1);
    QVERIFY(!d.control("cmbPart")->isVisibleTo(d.window.get()));
    QVERIFY(!d.control("lblPart")->isVisibleTo(d.window.get()));
    QCOMPARE(d.shownRange(), QStringLiteral("1-2"));
}

void tst_parts::wordModeLinesCarryTheirReferences()
{
    WindowDriver d;
    d.open(kTwoSurahs, true, 1);
    auto* lineFrom = d.control<QComboBox>("cmbLineFrom");
    QCOMPARE(lineFrom->itemText(2), QStringLiteral("2:1"));
    QVERIFY(d.rows("lstList").value(1).contains(QStringLiteral(". 1:1 >>")));
}

QTEST_MAIN(tst_parts)
#include "tst_parts.moc"
