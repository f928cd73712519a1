#include "app/files/frmNew.h"
#include "app/files/frmOpen.h"
#include "app/main/HelpView.h"
#include "app/main/frmAbout.h"
#include "app/main/mainlayout.h"
#include "controls/common/captionfit.h"
#include "controls/slider/RailSlider.h"
#include "controls/splitter/Splitter.h"
#include "controls/tabs/ctlTabs.h"
#include "controls/unilistbox/NativeList.h"
#include "controls/unilistbox/UniListBox.h"
#include "tests/support/EmissionCounter.h"
#include "tests/support/WindowDriver.h"

#include <QAbstractButton>
#include <QScrollBar>

#include <QAction>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTest>

// The main window's arrangement, its tabs and its read-me page.
class tst_layout : public QObject {
    Q_OBJECT
private slots:
    void negativeSizesAreSkipped();
    void enlargingMovesWhatTheRulesSay();
    void theWindowStartsWhereItIsSeen();
    void tabsRestartTheirPractice();
    void helpMenuShowsTheReadme();
    void exactlyOnePageIsShown();
    void everyChoiceIsInView_data();
    void everyChoiceIsInView();
    void captionsShowWhole();
    void altFOpensTheFileMenu();
};

namespace {

// The pages shown, as the strip's frames: exactly one is expected.
QStringList shownPages(const WindowDriver& d)
{
    QStringList shown;
    for (const char* frame : {"fra1", "fra2", "fra3"})
        if (d.control(frame)->isVisible())
            shown.append(QString::fromLatin1(frame));
    return shown;
}

// Captions cut short: buttons and one-line labels narrower than their text needs, reaching
// past their parent, or lying under a captioned neighbour that hides their edge.
QStringList cutCaptions(const QWidget* form)
{
    QStringList cut;
    for (const QWidget* control : form->findChildren<QWidget*>()) {
        const int needed = captionWidth(control);
        if (needed == 0 || !control->isVisibleTo(form))
            continue;
        const QList<QWidget*> siblings =
            control->parentWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
        const bool covered = std::any_of(siblings.begin(), siblings.end(), [&](QWidget* other) {
            return other != control && other->isVisibleTo(form) && captionWidth(other) > 0 &&
                   qobject_cast<QPushButton*>(other) && qobject_cast<const QPushButton*>(control) &&
                   other->geometry().intersects(control->geometry());
        });
        if (control->width() < needed || covered ||
            !control->parentWidget()->rect().contains(control->geometry()))
            cut.append(control->objectName());
    }
    return cut;
}

} // namespace

void tst_layout::negativeSizesAreSkipped()
{
    MainWindowPlaces places;
    places.tabsWidth = 10545;
    places.tabsHeight = 8175;
    places.frameWidth = 10440;
    places.lstSelectHeight = 2775;
    places.txtAnswerHeight = 300;
    arrangeMainWindow(places, 200, 1000); // minimised: the sizes stay, the rest still runs
    QCOMPARE(places.tabsWidth, 10545.0);
    QCOMPARE(places.tabsHeight, 8175.0);
    QCOMPARE(places.frameLeft, 52.5);
    QCOMPARE(places.txtAnswerTop, 8175.0 - 500 - 300);
}

void tst_layout::theWindowStartsWhereItIsSeen()
{
    const QRect screen(0, 30, 1280, 994); // a panel along the top
    // Centred when it fits, as a window grown for a large reading font does on this screen.
    QCOMPARE(startingFrame(QRect(0, 0, 716, 869), screen), QRect(282, 92, 716, 869));
    // Taller than the screen: its title bar stays on it.
    QCOMPARE(startingFrame(QRect(0, 0, 716, 1200), screen), QRect(282, 30, 716, 1200));
}

void tst_layout::enlargingMovesWhatTheRulesSay()
{
    WindowDriver d;
    d.open({QStringLiteral("أ")}, false, 1);
    auto geometry = [&](const char* name) { return d.control(name)->geometry(); };
    const QStringList names{"ctlTabs1",         "fra1",      "fra2",   "fra3",      "lstSelect",
                            "lstSelected",      "Splitter1", "wbHelp", "txtAnswer", "cmbFrom",
                            "cmdRestartListing"};
    QMap<QString, QRect> before;
    for (const QString& name : names)
        before[name] = geometry(name.toLatin1().constData());

    d.window->resize(d.window->size() + QSize(100, 100)); // 1500 twips each way
    QApplication::processEvents();

    auto moved = [&](const char* name) {
        const QRect now = geometry(name);
        const QRect was = before[QString::fromLatin1(name)];
        return QList<int>{now.x() - was.x(), now.y() - was.y(), now.width() - was.width(),
                          now.height() - was.height()};
    };
    QCOMPARE(moved("ctlTabs1"), (QList<int>{0, 0, 100, 100}));
    for (const char* frame : {"fra1", "fra2", "fra3"})
        QCOMPARE(moved(frame), (QList<int>{50, 0, 0, 100}));
    QCOMPARE(moved("lstSelected"), (QList<int>{0, 0, 0, 100}));
    QCOMPARE(moved("Splitter1"), (QList<int>{0, 0, 0, 100}));
    QCOMPARE(moved("wbHelp"), (QList<int>{0, 0, 0, 100}));
    QCOMPARE(moved("lstSelect"), (QList<int>{0, 100, 0, 0}));
    QCOMPARE(moved("txtAnswer"), (QList<int>{0, 100, 0, 0}));
    QCOMPARE(moved("cmbFrom"), (QList<int>{0, 0, 0, 0}));
    QCOMPARE(moved("cmdRestartListing"), (QList<int>{0, 0, 0, 0}));
    const QRect select = geometry("lstSelect");
    QCOMPARE(geometry("txtAnswer").bottom(), select.bottom());
}

void tst_layout::tabsRestartTheirPractice()
{
    WindowDriver d;
    d.open({QStringLiteral("أ"), QStringLiteral("ب"), QStringLiteral("ت")}, false, 1);
    auto* tabs = d.control<ctlTabs>("ctlTabs1");
    QVERIFY(d.control("fra1")->isVisible());
    QVERIFY(!d.control("fra2")->isVisible());
    d.tick("Timer2");
    d.tick("Timer2");
    QCOMPARE(d.rows("lstList").size(), 3);

    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRects()[1].fill().center());
    QVERIFY(d.control("fra2")->isVisible());
    d.clickRow("lstSelect", 1);
    QVERIFY(d.control<QLabel>("lblCorrect")->text() != u"0" ||
            d.control<QLabel>("lblWrong")->text() != u"0");
    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRects()[2].fill().center());
    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRects()[1].fill().center());
    QCOMPARE(d.control<QLabel>("lblCorrect")->text() + d.control<QLabel>("lblWrong")->text(),
             QStringLiteral("00")); // choosing "Tester" restarts the test

    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRects()[0].fill().center());
    QCOMPARE(d.rows("lstList").size(), 1); // choosing "Lister", even again, restarts listing
    d.window->close();
    QCOMPARE(d.program.setting(QStringLiteral("ActiveTab")), QStringLiteral("1"));
    QCOMPARE(d.program.setting(QStringLiteral("splitpercent")), QStringLiteral("60"));
}

void tst_layout::helpMenuShowsTheReadme()
{
    WindowDriver d;
    QFile readme(d.program.folder() + QStringLiteral("/ZV_Readme.htm"));
    QVERIFY(readme.open(QIODevice::WriteOnly));
    readme.write("<html><body><p>Zorvel read-me</p><img "
                 "src=\"http://example.invalid/x.png\"></body></html>");
    readme.close();
    d.open({QStringLiteral("أ")}, false, 2);
    auto* help = d.control<HelpView>("wbHelp");
    QVERIFY(help->isOffline());
    QVERIFY(help->toPlainText().isEmpty()); // read when first shown, not at start-up
    QVERIFY(!help->loadResource(QTextDocument::ImageResource,
                                QUrl(QStringLiteral("http://example.invalid/x.png")))
                 .isValid());

    EmissionCounter clicks(d.control<ctlTabs>("ctlTabs1"), &ctlTabs::TabClick);
    d.window->findChild<QAction*>(QStringLiteral("mnuHelpHelp"))->trigger();
    QCOMPARE(d.control<ctlTabs>("ctlTabs1")->SelectedTab(), 3);
    QVERIFY(d.control("fra3")->isVisible());
    QVERIFY(help->toPlainText().contains(QStringLiteral("Zorvel read-me")));
    d.window->findChild<QAction*>(QStringLiteral("mnuHelpHelp"))->trigger();
    QCOMPARE(clicks.count(), 1); // already shown: nothing
}

// Whatever the user does, one page shows and only its controls can be reached.
void tst_layout::exactlyOnePageIsShown()
{
    WindowDriver d;
    d.open({QStringLiteral("أ"), QStringLiteral("ب")}, false, 1);
    auto* tabs = d.control<ctlTabs>("ctlTabs1");
    auto expect = [&](const char* step) {
        const QString page = QStringLiteral("fra%1").arg(tabs->SelectedTab());
        QVERIFY2(shownPages(d) == QStringList{page}, step);
    };
    expect("at start");
    for (const int tab : {1, 0, 2, 1, 0, 2, 2, 1}) {
        QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRects()[tab].fill().center());
        expect("after a click on a tab");
    }
    tabs->setFocus();
    for (const Qt::Key key : {Qt::Key_Left, Qt::Key_Right, Qt::Key_Right, Qt::Key_Up}) {
        QTest::keyClick(tabs, key);
        expect("after an arrow key");
    }
    d.control<QAction>("mnuHelpHelp")->trigger();
    expect("after Help > Help");
    d.window->LoadZVFFile(d.program.addList(QStringLiteral("Other.zva"), QStringLiteral("x")));
    expect("after a load");
    d.window->resize(d.window->size() + QSize(120, 80));
    QApplication::processEvents();
    expect("after a resize");
    // Tab walks only through the page shown.
    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRects()[0].fill().center());
    d.control("cmdRestartListing")->setFocus();
    for (int i = 0; i < 40; ++i) {
        QWidget* focus = QApplication::focusWidget();
        QVERIFY(focus);
        QVERIFY2(!d.control("fra2")->isAncestorOf(focus) && !d.control("fra3")->isAncestorOf(focus),
                 qPrintable(focus->objectName()));
        QTest::keyClick(focus, Qt::Key_Tab);
    }
}

void tst_layout::everyChoiceIsInView_data()
{
    QTest::addColumn<QSize>("enlargement");
    QTest::newRow("designed size") << QSize(0, 0);
    QTest::newRow("taller and wider") << QSize(150, 200);
    QTest::newRow("wider only") << QSize(300, 0);
}

// The header and the three choices are all inside the list's view, without scrolling, with
// the designed Arabic font.
void tst_layout::everyChoiceIsInView()
{
    QFETCH(QSize, enlargement);
    WindowDriver d;
    d.open({QStringLiteral("ذَٰلِكَ ٱلۡكِتَٰبُ لَا رَيۡبَۛ فِيهِۛ"), QStringLiteral("بِسۡمِ ٱللَّهِ"),
            QStringLiteral("قِفَا نَبْكِ"), QStringLiteral("وَإِذَا")},
           false, 2);
    d.window->resize(d.window->size() + enlargement);
    QApplication::processEvents();
    auto* select = d.control<UniListBox>("lstSelect");
    QCOMPARE(select->ListCount(), 4);
    NativeList* inner = select->hWnd();
    QCOMPARE(inner->verticalScrollBar()->value(), 0);
    for (int row = 0; row < 4; ++row)
        QVERIFY2(inner->viewport()->rect().contains(inner->itemRect(row)),
                 qPrintable(QStringLiteral("row %1").arg(row)));
    // The recalled items stay above the choices.
    QVERIFY(d.control("lstSelected")->geometry().bottom() < select->geometry().top());
}

void tst_layout::captionsShowWhole()
{
    WindowDriver d;
    d.open({QStringLiteral("أ")}, false, 1);
    d.control<RailSlider>("sdrListingSpeed")->setValue(6); // the manual button shows
    QCOMPARE(cutCaptions(d.window.get()), QStringList());
    frmOpen open(d.program.folder());
    QCOMPARE(cutCaptions(&open), QStringList());
    frmNew editor(d.program.folder());
    QCOMPARE(cutCaptions(&editor), QStringList());
    frmAbout about;
    QCOMPARE(cutCaptions(&about), QStringList());
}

// Alt+F is the File menu's, as in every program; From has Alt+O.
void tst_layout::altFOpensTheFileMenu()
{
    WindowDriver d;
    d.open({QStringLiteral("أ"), QStringLiteral("ب")}, false, 1);
    d.window->activateWindow();
    d.control("cmdRestartListing")->setFocus();
    QTest::keyClick(d.window.get(), Qt::Key_O, Qt::AltModifier);
    QCOMPARE(QApplication::focusWidget(), d.control("cmbFrom"));
    QTest::keyClick(d.window.get(), Qt::Key_F, Qt::AltModifier);
    QTRY_VERIFY(d.control<QMenu>("mnuFile")->isVisible());
    d.control<QMenu>("mnuFile")->close();
}

QTEST_MAIN(tst_layout)
#include "tst_layout.moc"
