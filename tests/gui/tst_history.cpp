#include "app/progress/ConfusionsView.h"
#include "app/progress/DivisionsView.h"
#include "app/progress/DueBars.h"
#include "app/progress/MemoryView.h"
#include "app/progress/ProgressWindow.h"
#include "app/progress/StrengthMap.h"
#include "app/progress/progresschart.h"
#include "app/share/ClassWindow.h"
#include "app/side/FindWindow.h"
#include "app/side/TodayWindow.h"
#include "controls/slider/RailSlider.h"
#include "controls/tabs/ctlTabs.h"
#include "controls/unilistbox/UniListBox.h"
#include "controls/unitext/UniText.h"
#include "lists/itemlist.h"
#include "practice/history/historyfile.h"
#include "practice/recitation/Recitation.h"
#include "practice/shared/sharedlog.h"
#include "tests/support/FakeFileDialog.h"
#include "tests/support/FakePlayer.h"
#include "tests/support/WindowDriver.h"
#include "tests/support/syntheticlearner.h"
#include "tests/support/whenShown.h"

#include <QAbstractItemModel>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QSpinBox>
#include <QSqlDatabase>
#include <QTableView>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTextBrowser>

#include <QTest>
#include <QTimer>
#include <numeric>

namespace {

const QStringList kVerses{QStringLiteral("الٓمٓ"),
                          QStringLiteral("ذَٰلِكَ ٱلۡكِتَٰبُ لَا رَيۡبَۛ فِيهِۛ"),
                          QStringLiteral("ٱلَّذِينَ يُؤۡمِنُونَ بِٱلۡغَيۡبِ"),
                          QStringLiteral("وَٱلَّذِينَ يُؤۡمِنُونَ بِمَآ أُنزِلَ"),
                          QStringLiteral("أُوْلَٰٓئِكَ عَلَىٰ هُدٗى"),
                          QStringLiteral("إِنَّ ٱلَّذِينَ كَفَرُواْ")};

int rowOf(const WindowDriver& d, int number)
{
    return int(d.rows("lstSelect").indexOf(getDisplayWords(kVerses[number - 1])));
}

// Al-Baqarah 48 first and its look-alike 123 last, unlike words between.
QStringList lookAlikeList()
{
    const QString verse48 =
        QStringLiteral("وَٱتَّقُواْ يَوۡمٗا لَّا تَجۡزِي نَفۡسٌ عَن نَّفۡسٖ شَيۡـٔٗا وَلَا يُقۡبَلُ مِنۡهَا شَفَٰعَةٞ");
    const QString verse123 =
        QStringLiteral("وَٱتَّقُواْ يَوۡمٗا لَّا تَجۡزِي نَفۡسٌ عَن نَّفۡسٖ شَيۡـٔٗا وَلَا يُقۡبَلُ مِنۡهَا عَدۡلٞ");
    QStringList list{verse48, QStringLiteral("أ ب"), QStringLiteral("ت ث")};
    for (int i = 0; i < 5; ++i)
        list << QStringLiteral("كلمة %1").arg(i);
    list << verse123;
    return list;
}

int wrongRowFor(const WindowDriver& d, int number)
{
    for (int row = 1; row < d.rows("lstSelect").size(); ++row)
        if (row != rowOf(d, number))
            return row;
    return -1;
}

} // namespace

// Recall before seeing, and the memory of mistakes.
class tst_history : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void recallFirstPromptsThenReveals();
    void aTestIsRememberedAndShown();
    void aDamagedHistoryIsSaidOnce();
    void findSetsTheRange();
    void lookAlikesAreOfferedFromStartUp();
    void findListsEveryMatch();
    void lookAlikeChoicesAreOffered();
    void aDamagedChartModuleIsToldApart();
    void todayOffersTheNextStretch();
    void todaysChoicesAreKept();
    void progressShowsEachDivision();
    void practiceIsSharedThroughAFolder();
    void theMemoryModelIsFittedToTheLearner();
};

void tst_history::initTestCase()
{
    // The chart module lies beside the program, not beside the tests.
    QCoreApplication::addLibraryPath(QStringLiteral(ZORVEL_MODULES));
}

void tst_history::recallFirstPromptsThenReveals()
{
    WindowDriver d;
    d.open(kVerses, false, 1);
    auto* recall = d.control<QCheckBox>("chkRecallFirst");
    QVERIFY(!recall->isChecked()); // off unless chosen: the Lister is as designed
    QVERIFY(d.control("cmbRecallCue")->isHidden());
    recall->setChecked(true);
    QVERIFY(!d.control("cmbRecallCue")->isHidden());
    d.control<RailSlider>("sdrListingSpeed")->setValue(6);
    QTest::mouseClick(d.control("cmdRestartListing"), Qt::LeftButton);
    QCOMPARE(d.rows("lstList"), QStringList{QStringLiteral(" 1.  الٓمٓ \u2026")});
    QTest::keyClick(d.window.get(), Qt::Key_Return);
    QCOMPARE(d.control<UniText>("txtCompleteText")->Text(), kVerses[0]);
    // The reveal waits for a grade, which an Arabic-Indic digit gives as well.
    QVERIFY(!d.control("lblGrade")->isHidden());
    QKeyEvent good(QEvent::KeyPress, Qt::Key_3, Qt::NoModifier, QStringLiteral("\u0663"));
    QCoreApplication::sendEvent(d.control("cmdRestartListing"), &good);
    QVERIFY(d.control("lblGrade")->isHidden());

    // Another cue reaches the next prompt; Space asks one word more of it.
    auto* cue = d.control<QComboBox>("cmbRecallCue");
    cue->setCurrentIndex(1);
    emit cue->activated(1);
    QTest::keyClick(d.window.get(), Qt::Key_Return);
    QCOMPARE(d.rows("lstList").last(), QStringLiteral(" 2.  ذ ا لـ ر فـ"));
    QVERIFY(!d.control("lblWordByWord")->isHidden());
    QTest::keyClick(d.window.get(), Qt::Key_Space);
    QCOMPARE(d.rows("lstList").last(), QStringLiteral(" 2.  ذَٰلِكَ ا لـ ر فـ"));
    d.close();
    d.start();
    QVERIFY(d.control<QCheckBox>("chkRecallFirst")->isChecked());
    QCOMPARE(d.control<QComboBox>("cmbRecallCue")->currentIndex(), 1);
}

// Every pick is recorded; the end of a test shows its mistakes; the Progress window shows the
// tests and the weakest items, and choosing one practises from it.
void tst_history::aTestIsRememberedAndShown()
{
    WindowDriver d;
    d.open(kVerses, false, 2);
    d.window->seedRandom(3);
    QTest::mouseClick(d.control("cmdRestartTest"), Qt::LeftButton);
    QVERIFY(!d.control("lstMistakes")->isVisible());
    for (int number = 1; number <= 6; ++number) {
        if (number == 2 || number == 4) {
            d.clickRow("lstSelect", wrongRowFor(d, number));
            if (number == 4)
                d.clickRow("lstSelect", wrongRowFor(d, number));
        }
        d.clickRow("lstSelect", rowOf(d, number));
    }
    QCOMPARE(d.rows("lstSelect"), QStringList{QStringLiteral("--- TEST COMPLETE ---")});
    QVERIFY(d.control("lstMistakes")->isVisible());
    const QStringList mistakes = d.rows("lstMistakes");
    QCOMPARE(mistakes.size(), 2);
    QVERIFY(mistakes[0].startsWith(QStringLiteral("2 \u00D7  4.")));
    QVERIFY(mistakes[1].startsWith(QStringLiteral("1 \u00D7  2.")));
    QVERIFY(QFile::exists(d.program.dataFolder() + QStringLiteral("/zorvel/progress.sqlite")));

    // The Progress window stays open beside the practice.
    d.control<QAction>("mnuViewProgress")->trigger();
    QPointer<ProgressWindow> progress = d.window->findChild<ProgressWindow*>();
    QVERIFY(progress && progress->isVisible());
    QVERIFY(!progress->isModal());
    QVERIFY(progress->chart()->inherits("QChartView")); // drawn by the module, loaded now
    QCOMPARE(progress->table()->model()->rowCount(), 1);
    QCOMPARE(progress->weakest()->ListCount(), 2);
    progress->weakest()->setListIndex(1); // item 2
    progress->findChild<QPushButton*>(QStringLiteral("practise"))->click();
    QCOMPARE(d.shownRange(), QStringLiteral("2-6"));
    QVERIFY(!d.control("lstMistakes")->isVisible()); // a new test begins

    // A test completed while it is open shows in it at once.
    for (int number = 2; number <= 6; ++number)
        d.clickRow("lstSelect", rowOf(d, number));
    QCOMPARE(progress->table()->model()->rowCount(), 2);
    QVERIFY(progress->chart()->accessibleName().contains(QStringLiteral("2 to 6")));
    QVERIFY(d.messages.requests().isEmpty());

    // The map shows every verse, practised today and strong; a click practises from one.
    StrengthMap* map = progress->strengthMap();
    QCOMPARE(map->itemAt(QPoint(1, 1)), 1);
    QCOMPARE(map->itemAt(QPoint(8, 1)), 2);
    map->setLayoutDirection(Qt::RightToLeft); // as an Arabic window reads it
    QCOMPARE(map->itemAt(QPoint(map->width() - 2, 1)), 1);
    QCOMPARE(map->itemAt(QPoint(1, 1)), 0);
    map->setLayoutDirection(Qt::LeftToRight);
    QCOMPARE(progress->dueBars()->counts().size(), 30);
    QCOMPARE(progress->dueBars()->accessibleDescription().count(u','), 29); // each day told
    const QList<int> due = progress->dueBars()->counts();
    QCOMPARE(due.first(), 0);                                  // none due on the day it was learnt
    QCOMPARE(std::accumulate(due.cbegin(), due.cend(), 0), 6); // every verse within days
    QTest::mouseClick(map, Qt::LeftButton, {}, QPoint(8 + 2 * 7, 1)); // the fourth
    QCOMPARE(d.shownRange(), QStringLiteral("4-6"));

    // Export writes a row for every item, practised or not.
    QTemporaryDir out;
    FakeFileDialog dialog(out.filePath(QStringLiteral("memory.csv")));
    progress->findChild<QPushButton*>(QStringLiteral("export"))->click();
    QCOMPARE(dialog.requests().value(0).filter, QStringLiteral("CSV files (*.csv)"));
    QFile csv(out.filePath(QStringLiteral("memory.csv")));
    QVERIFY(csv.open(QIODevice::ReadOnly));
    const QStringList rows = QString::fromUtf8(csv.readAll()).split(QStringLiteral("\r\n"));
    QCOMPARE(rows.size(), kVerses.size() + 2);
    QVERIFY(rows[2].startsWith(QStringLiteral("2,2,") + kVerses[1] + QStringLiteral(",line,2,")));
    d.close(); // and it closes with the main window
    QVERIFY(progress.isNull() || !progress->isVisible());
}

void tst_history::aDamagedHistoryIsSaidOnce()
{
    WindowDriver d;
    QDir().mkpath(d.program.dataFolder() + QStringLiteral("/zorvel"));
    QFile damaged(d.program.dataFolder() + QStringLiteral("/zorvel/progress.sqlite"));
    QVERIFY(damaged.open(QIODevice::WriteOnly));
    damaged.write(QByteArray(2048, 'x'));
    damaged.close();
    d.open(kVerses, false, 2);
    d.clickRow("lstSelect", rowOf(d, 1));
    d.clickRow("lstSelect", rowOf(d, 2));
    QCOMPARE(d.messages.captions(), QStringList{QStringLiteral("Practice history")});
    QCOMPARE(d.control<QLabel>("lblCorrect")->text(), QStringLiteral("2")); // practice goes on
    damaged.open(QIODevice::ReadOnly);
    QCOMPARE(damaged.readAll(), QByteArray(2048, 'x'));
}

// Ctrl+F finds a passage by its words, typed without marks, and practises from it.
void tst_history::findSetsTheRange()
{
    WindowDriver d;
    d.open(kVerses, false, 1);
    d.control<QComboBox>("cmbTo")->setCurrentIndex(1); // items 1-2: a range of two
    QStringList found;
    whenShown([&] {
        auto* find = d.window->findChild<FindWindow*>();
        find->query()->setText(QStringLiteral("يومنون بالغيب"));
        for (int i = 0; i < find->results()->ListCount(); ++i)
            found.append(find->results()->List(i));
        QTest::keyClick(find->query(), Qt::Key_Return);
    });
    d.control<QAction>("mnuViewFind")->trigger();
    QCOMPARE(found.size(), 1);
    QVERIFY(found[0].startsWith(QStringLiteral(" 3.")));
    QCOMPARE(d.shownRange(), QStringLiteral("3-4"));
}

// With the option kept on, the first test after start-up offers the look-alike too, once the
// window shows.
void tst_history::lookAlikesAreOfferedFromStartUp()
{
    const QStringList list = lookAlikeList();
    const QString& verse123 = list.back();
    WindowDriver d;
    const QString path =
        d.program.addList(QStringLiteral("Name.zva"), list.join(QStringLiteral("\r\n")));
    d.start("[Zorvel20]\nActiveTab=2\nFromRange=0\nToRange=2\nMRUF=" + path.toUtf8() +
            "|*|\n[Extras]\nLookAlikes=1\n");
    QTRY_VERIFY(d.rows("lstSelect").contains(getDisplayWords(verse123, 99)));
}

// Every match is listed and counted, in the list's order unless best first is asked for, the
// passages holding the words together marked.
void tst_history::findListsEveryMatch()
{
    QStringList list;
    for (int i = 1; i <= 150; ++i)
        list << (i % 3 ? QStringLiteral("قَالَ رَبِّ %1").arg(i) : QStringLiteral("رَبِّ قَالَ"));
    WindowDriver d;
    d.open(list, false, 1);
    whenShown([&] {
        auto* find = d.window->findChild<FindWindow*>();
        find->query()->setText(QStringLiteral("قال رب"));
        QCOMPARE(find->results()->ListCount(), 150);
        QCOMPARE(find->count()->text(),
                 QStringLiteral("150 passages, 100 with the words together (\u25C6)"));
        QCOMPARE(find->results()->List(0), QStringLiteral(" 1.  \u25C6 قَالَ رَبِّ 1"));
        QCOMPARE(find->results()->List(2), QStringLiteral(" 3.  رَبِّ قَالَ"));
        find->bestFirst()->setChecked(true);
        QVERIFY(find->results()->List(2).startsWith(QStringLiteral(" 4.  \u25C6")));
        find->query()->setText(QStringLiteral("مثقال"));
        QCOMPARE(find->count()->text(), QStringLiteral("No passage holds these words"));
        find->reject();
    });
    d.control<QAction>("mnuViewFind")->trigger();
}

// With the option, a verse that begins like the right one is offered, and taking it for the
// right one is remembered as a confusion.
void tst_history::lookAlikeChoicesAreOffered()
{
    const QStringList list = lookAlikeList();
    const QString& verse123 = list.back();
    WindowDriver d;
    d.open(list, false, 2);
    d.control<QComboBox>("cmbTo")->setCurrentIndex(2); // 1-3
    d.control<QCheckBox>("chkLookAlikes")->setChecked(true);
    const int other = int(d.rows("lstSelect").indexOf(getDisplayWords(verse123, 99)));
    QVERIFY(other > 0);
    d.clickRow("lstSelect", other);
    QCOMPARE(d.control<QLabel>("lblWrong")->text(), QStringLiteral("1"));
    QCOMPARE(d.control<QLineEdit>("txtAnswer")->text(), QStringLiteral("Wrong: that was 9"));

    // Progress shows the pair side by side, the telling words marked, and practises it.
    d.control<QAction>("mnuViewProgress")->trigger();
    auto* progress = d.window->findChild<ProgressWindow*>();
    QVERIFY(progress->mistakes()->isTabVisible(1));
    progress->mistakes()->setCurrentIndex(1);
    QCOMPARE(progress->confusions()->pairs()->ListCount(), 1);
    QCOMPARE(progress->confusions()->pairs()->List(0),
             asWritten(QStringLiteral("1 \u00D7  1 \u2194 9")));
    const QString pair = progress->confusions()->pair()->toHtml();
    QVERIFY2(pair.contains(QStringLiteral("شَفَٰعَةٞ</span>")) &&
                 pair.contains(QStringLiteral("عَدۡلٞ</span>")),
             qPrintable(pair));
    QVERIFY(!pair.contains(QStringLiteral("وَٱتَّقُواْ</span>")));
    progress->confusions()->findChild<QPushButton*>(QStringLiteral("practisePair"))->click();
    QCOMPARE(d.control<ctlTabs>("ctlTabs1")->SelectedTab(), 2);
    QCOMPARE(d.shownRange(), QStringLiteral("1-3"));
    // The first of the pair tested, the other follows.
    while (d.rows("lstSelect").size() > 1) {
        const int right = d.control<QLabel>("lblCorrect")->text().toInt();
        for (int row = 1; row < d.rows("lstSelect").size(); ++row) {
            d.clickRow("lstSelect", row);
            if (d.control<QLabel>("lblCorrect")->text().toInt() > right)
                break;
        }
    }
    QTRY_COMPARE(d.shownRange(), QStringLiteral("7-9"));
    d.close();
    QCOMPARE(d.program.setting(QStringLiteral("LookAlikes")), QString()); // under [Extras]
    QSqlDatabase database =
        QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("check"));
    database.setDatabaseName(d.program.dataFolder() + QStringLiteral("/zorvel/progress.sqlite"));
    PracticeHistory history(database);
    const PracticeHistory::ListKey key =
        history.listFor(QStringLiteral("Name"),
                        listfingerprint::of(list.join(QStringLiteral("\r\n"))), false, list);
    QVERIFY(history.confusions(key, 1, int(list.size())) >=
            1); // and maybe again in the pair's test
}

// A chart module that is there but does not load is told apart from a missing one, with the
// loader's reason.
void tst_history::aDamagedChartModuleIsToldApart()
{
    QTemporaryDir dir;
    const QString damaged = dir.filePath(QStringLiteral("libzorvel-chart.so"));
    QFile file(damaged);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(QByteArray(4096, '\x7F'));
    file.close();
    const LoadedChart broken = loadChartModule({damaged});
    QVERIFY(!broken.maker);
    QVERIFY2(broken.trouble.contains(QStringLiteral("could not be loaded (")),
             qPrintable(broken.trouble));
    const LoadedChart missing = loadChartModule({dir.filePath(QStringLiteral("nothing-here"))});
    QVERIFY(missing.trouble.contains(QStringLiteral("missing from this installation")));
}

// After a first test, Today offers the next stretch never practised; Practise tests it.
void tst_history::todayOffersTheNextStretch()
{
    WindowDriver d;
    d.open(kVerses, false, 2);
    d.control<QComboBox>("cmbTo")->setCurrentIndex(1); // 1-2
    for (int number = 1; number <= 2; ++number)
        d.clickRow("lstSelect", rowOf(d, number));
    d.control<QAction>("mnuViewToday")->trigger();
    auto* today = d.window->findChild<TodayWindow*>();
    QVERIFY(today && today->isVisible());
    QCOMPARE(today->table()->rowCount(), 1); // nothing is due on the day it was learnt
    // The range reads as written inside Arabic text too.
    QCOMPARE(today->table()->item(0, 1)->text(), QStringLiteral("Next to learn: \u20663-5\u2069"));
    QVERIFY(!today->findChild<QPushButton*>(QStringLiteral("listen"))->isVisible()); // silent

    // Reciting, a passage's first entry can be heard from Today.
    QTemporaryDir folder;
    QFile(folder.filePath(QStringLiteral("0003.wav"))).open(QIODevice::WriteOnly);
    auto* recitation = d.window->findChild<Recitation*>();
    QStringList played;
    recitation->setPlayer(std::make_unique<FakePlayer>(&played));
    recitation->setFolder(folder.path(), {}, int(kVerses.size()));
    d.control<QAction>("mnuViewToday")->trigger();
    today->table()->setCurrentCell(0, 0);
    today->findChild<QPushButton*>(QStringLiteral("listen"))->click();
    QTRY_COMPARE(played, QStringList{QStringLiteral("0003.wav")});
    recitation->setPlayer(nullptr);

    d.control<ctlTabs>("ctlTabs1")->setSelectedTab(1);
    today->findChild<QPushButton*>(QStringLiteral("practise"))->click();
    QCOMPARE(d.shownRange(), QStringLiteral("3-5"));
    QCOMPARE(d.control<ctlTabs>("ctlTabs1")->SelectedTab(), 2);
    QTRY_COMPARE(QApplication::activeWindow(), d.window.get()); // the passage in front
    QVERIFY(today->isVisible());                                // Today still at hand

    // Answers go on being kept while Today is open, and it follows them.
    for (int number = 3; number <= 5; ++number)
        d.clickRow("lstSelect", rowOf(d, number));
    QVERIFY(d.messages.requests().isEmpty());
    QCOMPARE(today->table()->rowCount(), 0); // the day's five learnt, none due yet
}

// How Today plans and practises is the learner's, kept between runs; it shows at start-up only
// when asked to.
void tst_history::todaysChoicesAreKept()
{
    WindowDriver d;
    d.open(kVerses, false, 2);
    QCoreApplication::processEvents();
    QVERIFY(!d.window->findChild<TodayWindow*>());     // not at start-up unless asked for
    d.control<QComboBox>("cmbTo")->setCurrentIndex(1); // 1-2
    for (int number = 1; number <= 2; ++number)
        d.clickRow("lstSelect", rowOf(d, number));
    d.control<QAction>("mnuViewToday")->trigger();
    auto* today = d.window->findChild<TodayWindow*>();
    auto* newPerDay = today->findChild<QSpinBox*>(QStringLiteral("newPerDay"));
    QCOMPARE(newPerDay->value(), 5);
    QCOMPARE(today->findChild<QSpinBox*>(QStringLiteral("retention"))->value(), 90);
    newPerDay->setValue(0);
    QCOMPARE(today->table()->rowCount(), 0); // nothing new offered
    newPerDay->setValue(3);
    today->findChild<QComboBox*>(QStringLiteral("practiseWith"))->setCurrentIndex(1);
    d.control<ctlTabs>("ctlTabs1")->setSelectedTab(1); // already listing
    today->findChild<QPushButton*>(QStringLiteral("practise"))->click();
    QCOMPARE(d.control<ctlTabs>("ctlTabs1")->SelectedTab(), 1); // the Lister, recalling first
    QVERIFY(d.control<QCheckBox>("chkRecallFirst")->isChecked());
    QCOMPARE(d.rows("lstList"), QStringList{QStringLiteral(" 3.  ٱلَّذِينَ \u2026")}); // asked too
    today->findChild<QCheckBox*>(QStringLiteral("atStart"))->setChecked(true);
    QVERIFY(!today->findChild<QSpinBox*>(QStringLiteral("divisionsPerDay"))->isEnabled());
    today->findChild<QComboBox*>(QStringLiteral("passagesBy"))->setCurrentIndex(1); // pages
    today->findChild<QComboBox*>(QStringLiteral("learnBy"))->setCurrentIndex(2);    // half
    d.close();

    d.start();
    QTRY_VERIFY(d.window->findChild<TodayWindow*>() &&
                d.window->findChild<TodayWindow*>()->isVisible());
    today = d.window->findChild<TodayWindow*>();
    QCOMPARE(today->findChild<QSpinBox*>(QStringLiteral("newPerDay"))->value(), 3);
    QCOMPARE(today->findChild<QComboBox*>(QStringLiteral("practiseWith"))->currentIndex(), 1);
    QCOMPARE(today->findChild<QComboBox*>(QStringLiteral("passagesBy"))->currentIndex(), 1);
    QCOMPARE(today->findChild<QComboBox*>(QStringLiteral("learnBy"))->currentIndex(), 2);
    QVERIFY(today->findChild<QSpinBox*>(QStringLiteral("divisionsPerDay"))->isEnabled());
}

// A list with pages: Progress lists them with what is practised of each, draws the map a page a
// row, and a double-click practises a page whole.
void tst_history::progressShowsEachDivision()
{
    WindowDriver d;
    QStringList paged = kVerses;
    paged.insert(4, QStringLiteral("## page 2"));
    paged.insert(2, QStringLiteral("## juz 1"));
    paged.prepend(QStringLiteral("## page 1"));
    d.open(paged, false, 2);
    d.control<QComboBox>("cmbTo")->setCurrentIndex(1); // 1-2
    for (int number = 1; number <= 2; ++number)
        d.clickRow("lstSelect", rowOf(d, number));
    d.control<QAction>("mnuViewProgress")->trigger();
    auto* progress = d.window->findChild<ProgressWindow*>();
    QVERIFY(
        progress->mistakes()->isTabVisible(progress->mistakes()->indexOf(progress->divisions())));
    auto* kinds = progress->divisions()->kinds();
    QCOMPARE(kinds->count(), 2);
    QCOMPARE(kinds->itemText(0), QStringLiteral("Page"));
    QTableWidget* table = progress->divisions()->table();
    QCOMPARE(table->rowCount(), 2);
    QCOMPARE(table->item(0, 0)->text(), QStringLiteral("Page 1"));
    QCOMPARE(table->item(0, 1)->text(), QStringLiteral("2 / 4"));
    QCOMPARE(table->item(1, 1)->text(), QStringLiteral("0 / 2"));
    QCOMPARE(progress->strengthMap()->itemAt(QPoint(1, 8)), 5); // page 2 begins a row
    kinds->setCurrentIndex(1);
    QCOMPARE(table->item(0, 0)->text(), QStringLiteral("Juz 1"));
    emit table->cellDoubleClicked(0, 0);
    QCOMPARE(d.shownRange(), QStringLiteral("3-6"));
}

// Shared through a folder: a pick is written to this machine's log there at once, and another
// machine's log arriving in the folder is taken in.
void tst_history::practiceIsSharedThroughAFolder()
{
    QTemporaryDir folder;
    WindowDriver d;
    d.open(kVerses, false, 2);
    QVERIFY(!d.control<QAction>("mnuFileStopSharing")->isEnabled());
    FakeFileDialog dialog(folder.path());
    whenShown([] {
        if (auto* name = qobject_cast<QInputDialog*>(QApplication::activeModalWidget())) {
            name->setTextValue(QStringLiteral("مريم"));
            name->accept();
        }
    });
    d.control<QAction>("mnuFileShare")->trigger();
    QVERIFY(d.control<QAction>("mnuFileStopSharing")->isEnabled());
    d.clickRow("lstSelect", rowOf(d, 1));
    const QStringList logs = QDir(folder.path()).entryList({QStringLiteral("*.zorvel-log")});
    QCOMPARE(logs.size(), 1);
    QFile own(folder.filePath(logs[0]));
    QVERIFY(own.open(QIODevice::ReadOnly));
    const QByteArray written = own.readAll();
    QCOMPARE(sharedlog::readHeader(written)->name, QStringLiteral("مريم"));
    const sharedlog::Chunk mine = sharedlog::readRecords(written.mid(written.indexOf('\n') + 1));
    QCOMPARE(mine.records.size(), 1);

    SharedAnswer theirs = mine.records[0];
    theirs.seq = 1;
    theirs.review.number = 2;
    theirs.review.text = kVerses[1];
    QFile other(folder.filePath(QStringLiteral("0123456789abcdef.zorvel-log")));
    QVERIFY(other.open(QIODevice::WriteOnly));
    other.write(
        sharedlog::headerLine({1, QStringLiteral("0123456789abcdef"), QStringLiteral("مريم")}) +
        sharedlog::recordLine(theirs));
    other.close();
    QTRY_COMPARE(d.window->practice().progress(QDate::currentDate(), 0.9).drills.value(0).answers,
                 2);

    // The same folder in a class folder, as a teacher opens it: a row for the learner.
    QTemporaryDir classFolder;
    QVERIFY(QDir(classFolder.path()).mkdir(QStringLiteral("maryam")));
    QVERIFY(
        QFile::copy(other.fileName(), classFolder.filePath(QStringLiteral("maryam/x.zorvel-log"))));
    FakeFileDialog classDialog(classFolder.path());
    QStringList learners;
    QString progressTitle;
    int theirAnswers = 0;
    whenShown([&] {
        auto* view = qobject_cast<ClassWindow*>(QApplication::activeModalWidget());
        if (!view)
            return;
        for (int row = 0; row < view->table()->rowCount(); ++row)
            learners.append(view->table()->item(row, 0)->text());
        // A learner's row opens their progress in the open list, to be read only.
        whenShown([&] {
            if (auto* progress = qobject_cast<ProgressWindow*>(QApplication::activeModalWidget())) {
                progressTitle = progress->windowTitle();
                theirAnswers = progress->drills()->item(0, 1)->text().toInt();
                if (!progress->findChild<QPushButton*>(QStringLiteral("practise"))->isHidden())
                    theirAnswers = -1;
                progress->reject();
            }
        });
        emit view->table()->cellDoubleClicked(0, 0);
        view->reject();
    });
    d.control<QAction>("mnuFileClass")->trigger();
    QCOMPARE(learners, QStringList{QStringLiteral("مريم")});
    QVERIFY(progressTitle.startsWith(QStringLiteral("Progress of مريم")));
    QCOMPARE(theirAnswers, 1); // theirs alone, not this machine's
    QCOMPARE(QDir(classFolder.filePath(QStringLiteral("maryam"))).entryList(QDir::Files).size(), 1);
    d.close();
}

QTEST_MAIN(tst_history)
#include "tst_history.moc"

// A learner of 6,000 answers unlike the average learner's: from the Progress window a fit runs
// beside the practice and is kept, the defaults come back when asked for, and Today tells what
// each desired retention would cost.
void tst_history::theMemoryModelIsFittedToTheLearner()
{
    WindowDriver d;
    qputenv("XDG_DATA_HOME", d.program.dataFolder().toLocal8Bit()); // where the window looks
    {
        QSqlDatabase file =
            QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("seed"));
        file.setDatabaseName(defaultHistoryPath());
        QDir().mkpath(QFileInfo(defaultHistoryPath()).path());
        PracticeHistory history(file);
        synthetic::Learner learner;
        learner.weights[2] = 6;
        learner.weights[8] = 2.3;
        learner.weights[20] = 0.3;
        const fitting::Log log = synthetic::answers(learner, 6000);
        const int shift = int(QDate::currentDate().toJulianDay()) - log.back().back().day - 1;
        QList<SharedAnswer> answers;
        for (int item = 0; item < int(log.size()); ++item)
            for (const fitting::Answer& given : log[size_t(item)]) {
                SharedAnswer answer{0, QStringLiteral("Learnt"), {}, false, {}, {}};
                answer.review.number = item + 1;
                answer.review.text = QString::number(item);
                answer.review.grade = given.grade;
                answer.review.drill = Drill::Recall;
                answer.review.day = QDate::fromJulianDay(given.day + shift);
                answer.review.at = answer.review.day.startOfDay(Qt::UTC);
                answers.append(answer);
            }
        std::stable_sort(answers.begin(), answers.end(),
                         [](const auto& a, const auto& b) { return a.review.day < b.review.day; });
        for (int n = 0; n < answers.size(); ++n)
            answers[n].seq = n + 1;
        history.recordShared(QStringLiteral("0123456789abcdef"), QStringLiteral("seed"), answers);
    }
    QSqlDatabase::removeDatabase(QStringLiteral("seed"));
    d.open(kVerses, false, 2);
    d.control<QAction>("mnuViewProgress")->trigger();
    MemoryView* memory = d.window->findChild<ProgressWindow*>()->memory();
    QVERIFY(memory->status()->text().contains(QStringLiteral("the default weights")));
    QVERIFY(memory->fitButton()->isEnabled());
    QTest::mouseClick(memory->fitButton(), Qt::LeftButton);
    QVERIFY(!memory->fitButton()->isEnabled()); // one fit at a time
    auto* outcome = memory->findChild<QLabel*>(QStringLiteral("fitOutcome"));
    QTRY_VERIFY(!outcome->text().isEmpty());
    QVERIFY2(outcome->text().startsWith(QStringLiteral("Kept")), qPrintable(outcome->text()));
    QVERIFY(memory->status()->text().contains(QStringLiteral("your own weights")));
    QVERIFY(memory->fitButton()->isEnabled());

    QTest::mouseClick(memory->findChild<QPushButton*>(QStringLiteral("useDefaults")),
                      Qt::LeftButton);
    QVERIFY(memory->status()->text().contains(QStringLiteral("In use: the default weights")));

    d.control<QAction>("mnuViewToday")->trigger();
    auto* today = d.window->findChild<TodayWindow*>();
    QCOMPARE(today->costs()->rowCount(), 3);
    QCOMPARE(today->costs()->item(1, 0)->text(), QStringLiteral("90 % (chosen)"));
}
