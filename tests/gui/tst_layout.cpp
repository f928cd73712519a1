#include "EmissionCounter.h"
#include "HelpView.h"
#include "WindowDriver.h"
#include "mainlayout.h"
#include "splitter/Splitter.h"
#include "tabs/ctlTabs.h"
#include "unilistbox/UniListBox.h"

#include <QAction>
#include <QFile>
#include <QLabel>
#include <QTest>

// The main window's arrangement, its tabs and its read-me page.
class tst_layout : public QObject {
    Q_OBJECT
private slots:
    void negativeSizesAreSkipped();
    void enlargingMovesWhatTheRulesSay();
    void tabsRestartTheirPractice();
    void helpMenuShowsTheReadme();
};

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
    QVERIFY(help->toPlainText().contains(QStringLiteral("Zorvel read-me")));
    QVERIFY(!help->loadResource(QTextDocument::ImageResource,
                                QUrl(QStringLiteral("http://example.invalid/x.png")))
                 .isValid());

    EmissionCounter clicks(d.control<ctlTabs>("ctlTabs1"), &ctlTabs::TabClick);
    d.window->findChild<QAction*>(QStringLiteral("mnuHelpHelp"))->trigger();
    QCOMPARE(d.control<ctlTabs>("ctlTabs1")->SelectedTab(), 3);
    QVERIFY(d.control("fra3")->isVisible());
    d.window->findChild<QAction*>(QStringLiteral("mnuHelpHelp"))->trigger();
    QCOMPARE(clicks.count(), 1); // already shown: nothing
}

QTEST_MAIN(tst_layout)
#include "tst_layout.moc"
