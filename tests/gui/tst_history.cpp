#include "WindowDriver.h"
#include "frmProgress.h"
#include "itemlist.h"
#include "slider/RailSlider.h"
#include "unilistbox/UniListBox.h"
#include "unitext/UniText.h"

#include <QAbstractItemModel>
#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QTimer>

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

int wrongRowFor(const WindowDriver& d, int number)
{
    for (int row = 1; row < d.rows("lstSelect").size(); ++row)
        if (row != rowOf(d, number))
            return row;
    return -1;
}

} // namespace

// The features beyond the design: recall before seeing, and the memory of mistakes.
class tst_history : public QObject {
    Q_OBJECT
private slots:
    void recallFirstPromptsThenReveals();
    void aTestIsRememberedAndShown();
    void aDamagedHistoryIsSaidOnce();
};

void tst_history::recallFirstPromptsThenReveals()
{
    WindowDriver d;
    d.open(kVerses, false, 1);
    auto* recall = d.control<QCheckBox>("chkRecallFirst");
    QVERIFY(!recall->isChecked()); // off unless chosen: the Lister is as designed
    QCOMPARE(d.rows("lstList").first(), QStringLiteral(" 1.   الٓمٓ   "));
    recall->setChecked(true);
    d.control<RailSlider>("sdrListingSpeed")->setValue(6);
    QTest::mouseClick(d.control("cmdRestartListing"), Qt::LeftButton);
    QCOMPARE(d.rows("lstList"), QStringList{QStringLiteral(" 1.  الٓمٓ \u2026")});
    QCOMPARE(d.control<UniText>("txtCompleteText")->Text(), QString());
    QTest::keyClick(d.window.get(), Qt::Key_Return);
    QCOMPARE(d.rows("lstList"), QStringList{QStringLiteral(" 1.   الٓمٓ   ")});
    QCOMPARE(d.control<UniText>("txtCompleteText")->Text(), kVerses[0]);
    QTest::keyClick(d.window.get(), Qt::Key_Return);
    QCOMPARE(d.rows("lstList").size(), 2);
    QCOMPARE(d.rows("lstList").last(), QStringLiteral(" 2.  ذَٰلِكَ \u2026"));
    d.close();
    QCOMPARE(d.program.setting(QStringLiteral("RecallFirst")), QString()); // not a Zorvel20 key
    d.start();
    QVERIFY(d.control<QCheckBox>("chkRecallFirst")->isChecked());
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

    int sessions = 0;
    QStringList weakest;
    QTimer::singleShot(0, d.window.get(), [&] {
        auto* progress = d.window->findChild<frmProgress*>();
        sessions = progress->table()->model()->rowCount();
        for (int i = 0; i < progress->weakest()->ListCount(); ++i)
            weakest.append(progress->weakest()->List(i));
        progress->weakest()->setListIndex(1); // item 2
        progress->findChild<QPushButton*>(QStringLiteral("cmdPractise"))->click();
    });
    d.control<QAction>("mnuViewProgress")->trigger();
    QCOMPARE(sessions, 1);
    QCOMPARE(weakest.size(), 2);
    QCOMPARE(d.shownRange(), QStringLiteral("2-6"));
    QVERIFY(!d.control("lstMistakes")->isVisible()); // a new test begins
    QVERIFY(d.messages.requests().isEmpty());
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

QTEST_MAIN(tst_history)
#include "tst_history.moc"
