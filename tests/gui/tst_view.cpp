#include "app/files/frmNew.h"
#include "app/settings/zoom.h"
#include "controls/unilistbox/NativeList.h"
#include "controls/unilistbox/UniListBox.h"
#include "controls/unitext/UniText.h"
#include "tests/support/WindowDriver.h"
#include "tests/support/whenShown.h"

#include <QAction>
#include <QFontInfo>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QTimer>
#include <QWheelEvent>

namespace {

QStringList menuTexts(const QMenu* menu)
{
    QStringList texts;
    for (const QAction* action : menu->actions())
        if (!action->isSeparator())
            texts.append(action->text());
    return texts;
}

} // namespace

// The View menu: the face and the size of the Arabic text, kept between runs.
class tst_view : public QObject {
    Q_OBJECT
private slots:
    void zoomSteps_data();
    void zoomSteps();
    void fontAndZoomApplyEverywhereAndStay();
    void ctrlWheelZoomsThePracticeLists();
    void damagedValuesCountAsAbsent_data();
    void damagedValuesCountAsAbsent();
    void hemistichsShowWithAGap();
};

void tst_view::zoomSteps_data()
{
    QTest::addColumn<int>("percent");
    QTest::addColumn<int>("in");
    QTest::addColumn<int>("out");
    QTest::newRow("actual size") << 100 << 110 << 90;
    QTest::newRow("the largest stays") << 300 << 300 << 250;
    QTest::newRow("the smallest stays") << 50 << 67 << 50;
    QTest::newRow("between two steps") << 120 << 125 << 110;
}

void tst_view::zoomSteps()
{
    QFETCH(int, percent);
    QFETCH(int, in);
    QFETCH(int, out);
    QCOMPARE(zoom::in(percent), in);
    QCOMPARE(zoom::out(percent), out);
}

void tst_view::fontAndZoomApplyEverywhereAndStay()
{
    WindowDriver d;
    d.open({QStringLiteral("بِسۡمِ ٱللَّهِ"), QStringLiteral("ذَٰلِكَ ٱلۡكِتَٰبُ")}, false, 2);
    QCOMPARE(d.window->menuBar()->actions().at(1)->text(), QStringLiteral("&View"));
    auto* faces = d.control<QMenu>("mnuViewFont");
    emit faces->aboutToShow(); // the faces are asked for when the menu first opens
    const QStringList offered = menuTexts(faces);
    for (const char* face : {"Amiri", "Amiri Quran", "Scheherazade"})
        QVERIFY2(offered.contains(QString::fromLatin1(face)), face);
    QCOMPARE(offered.first(), QStringLiteral("Amiri")); // the designed face's stand-in here

    faces->actions().at(offered.indexOf(QStringLiteral("Amiri Quran")))->trigger();
    d.control<QAction>("mnuViewZoomIn")->trigger();
    d.control<QAction>("mnuViewZoomIn")->trigger(); // 125 %
    for (const char* list : {"lstList", "lstSelected", "lstSelect"}) {
        QCOMPARE(d.control<UniListBox>(list)->Font().name, QStringLiteral("Amiri Quran"));
        QCOMPARE(d.control<UniListBox>(list)->Font().size, 20.25 * 1.25);
    }
    QCOMPARE(d.control<UniText>("txtCompleteText")->Font().name, QStringLiteral("Amiri Quran"));
    QVERIFY(faces->actions().at(offered.indexOf(QStringLiteral("Amiri Quran")))->isChecked());

    // The New list editor writes in the same face and size.
    QString editorFace;
    double editorSize = 0;
    whenShown([&] {
        auto* editor = d.window->findChild<frmNew*>();
        editorFace = editor->editor()->Font().name;
        editorSize = editor->editor()->Font().size;
        editor->reject();
    });
    d.control<QAction>("mnuFileNew")->trigger();
    QCOMPARE(editorFace, QStringLiteral("Amiri Quran"));
    QCOMPARE(editorSize, 20.25 * 1.25);

    d.close();
    QCOMPARE(d.program.setting(QStringLiteral("ActiveTab")), QStringLiteral("2"));
    d.start();
    QCOMPARE(d.control<UniListBox>("lstSelect")->Font().name, QStringLiteral("Amiri Quran"));
    QCOMPARE(d.control<UniListBox>("lstSelect")->Font().size, 20.25 * 1.25);
    d.control<QAction>("mnuViewActualSize")->trigger();
    QCOMPARE(d.control<UniListBox>("lstSelect")->Font().size, 20.25);
}

void tst_view::ctrlWheelZoomsThePracticeLists()
{
    WindowDriver d;
    d.open({QStringLiteral("أ"), QStringLiteral("ب"), QStringLiteral("ت")}, false, 2);
    QWidget* viewport = d.control<UniListBox>("lstSelect")->hWnd()->viewport();
    auto wheel = [&](int delta) {
        QWheelEvent event(QPointF(5, 5), viewport->mapToGlobal(QPointF(5, 5)), QPoint(),
                          QPoint(0, delta), Qt::NoButton, Qt::ControlModifier, Qt::NoScrollPhase,
                          false);
        QCoreApplication::sendEvent(viewport, &event);
    };
    for (int i = 0; i < 12; ++i)
        wheel(120);
    QCOMPARE(d.control<UniListBox>("lstList")->Font().size, 20.25 * 3);
    // At the largest size the window grew for the choice list, but not past its screen: the
    // choices stay inside their page, below a row of the recalled items, and scroll to what
    // does not fit.
    QApplication::processEvents();
    QVERIFY(d.window->minimumHeight() <= d.window->screen()->availableGeometry().height());
    NativeList* inner = d.control<UniListBox>("lstSelect")->hWnd();
    inner->setCaret(3);
    QVERIFY(inner->viewport()->rect().contains(inner->itemRect(3)));
    const QRect choices = d.control("lstSelect")->geometry();
    QVERIFY(d.control("fra2")->rect().contains(choices));
    const QRect recalled = d.control("lstSelected")->geometry();
    QVERIFY(recalled.bottom() < choices.top());
    QVERIFY(recalled.height() >= d.control<UniListBox>("lstSelected")->heightForRows(1));
    wheel(-120);
    QCOMPARE(d.control<UniListBox>("lstList")->Font().size, 20.25 * 2.5);
}

void tst_view::damagedValuesCountAsAbsent_data()
{
    QTest::addColumn<QByteArray>("extras");
    QTest::newRow("not a number") << QByteArray("Zoom=big");
    QTest::newRow("beyond the largest") << QByteArray("Zoom=9000");
    QTest::newRow("below the smallest") << QByteArray("Zoom=3");
    QTest::newRow("a face that does not exist") << QByteArray("ArabicFont=No Such Face");
}

void tst_view::damagedValuesCountAsAbsent()
{
    QFETCH(QByteArray, extras);
    WindowDriver d;
    d.start("[Zorvel20]\nActiveTab=2\n[Extras]\n" + extras + '\n');
    const FontRecord font = d.control<UniListBox>("lstSelect")->Font();
    QCOMPARE(font.size, 20.25);
    // An unknown face is left to the font system, which falls back to an installed one.
    QVERIFY(!QFontInfo(font.toQFont()).family().isEmpty());
    QCOMPARE(d.program.setting(QStringLiteral("ActiveTab")), QStringLiteral("2"));
}

// A bayt typed with a TAB between its hemistichs shows both, apart, in both practice modes.
void tst_view::hemistichsShowWithAGap()
{
    const QString bayt = QStringLiteral("قِفَا نَبْكِ\tمِنْ ذِكْرَى");
    WindowDriver d;
    d.open({bayt, QStringLiteral("بِسِقْطِ اللِّوَى")}, false, 1);
    const QString row = d.rows("lstList").first();
    QVERIFY(!row.contains(u'\t'));
    QVERIFY(row.contains(QStringLiteral("قِفَا نَبْكِ\u2003\u2003مِنْ ذِكْرَى")));
    d.close();
    d.start("[Zorvel20]\nActiveTab=2\nMRUF=" + d.program.folder().toUtf8() + "/Name.zva" + "|*|\n");
    QVERIFY(d.rows("lstSelect").join(u'|').contains(QStringLiteral("\u2003\u2003مِنْ")));
}

QTEST_MAIN(tst_view)
#include "tst_view.moc"
