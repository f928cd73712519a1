#include "FakeMessageBox.h"
#include "ScratchProgram.h"
#include "frmMain.h"
#include "tabs/ctlTabs.h"

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QImage>
#include <QTest>

// Start-up and shutdown of the whole window against the settings files a user may have.
class tst_startup : public QObject {
    Q_OBJECT
private slots:
    void firstRunStartsEmptyAndStoresDefaults();
    void reopensTheMostRecentList();
    void skipsAVanishedRecentFileSilently_data();
    void skipsAVanishedRecentFileSilently();
    void opensTheListItIsStartedOn();
    void startsWithADamagedSettingsFile_data();
    void startsWithADamagedSettingsFile();
};

void tst_startup::firstRunStartsEmptyAndStoresDefaults()
{
    ScratchProgram program;
    FakeMessageBox messages;
    {
        frmMain window(program.folder(), program.settingsFile());
        QCOMPARE(window.windowTitle(), QStringLiteral("Zorvel 2.0"));
        // The icon is drawn from its vector picture: the tile's green shows at every size.
        for (const int size : {16, 48, 256}) {
            const QImage icon = window.windowIcon().pixmap(size).toImage();
            QCOMPARE(icon.width(), size);
            QVERIFY(qGreen(icon.pixel(size / 8, size / 2)) > 80);
        }
        QVERIFY(window.items().isEmpty());
        QCOMPARE(window.lastOpenFolder(), program.folder() + QStringLiteral("/Arabic"));
        QVERIFY(!window.findChild<QAction*>(QStringLiteral("mnuFileSep"))->isVisible());
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.close();
    }
    QVERIFY(messages.requests().isEmpty());
    const QStringList keys{"ListerSpeed", "ActiveTab",      "FromRange",
                           "ToRange",     "RestartListing", "splitpercent"};
    const QStringList values{"3", "3", "-1", "-1", "1", "60"};
    for (int i = 0; i < keys.size(); ++i)
        QCOMPARE(program.setting(keys[i]), values[i]);
}

void tst_startup::reopensTheMostRecentList()
{
    ScratchProgram program;
    const QString list = program.addList(QStringLiteral("Arabic/Week One.zva"),
                                         QStringLiteral("أَلِف\r\nبَاء\r\nتَاء\r\n"));
    program.writeSettings("[Zorvel20]\nMRUF=" + list.toUtf8() + "|*|/gone.zva|*|\n");
    FakeMessageBox messages;
    frmMain window(program.folder(), program.settingsFile());

    QCOMPARE(window.windowTitle(), QStringLiteral("Zorvel 2.0 [ Week One ]"));
    QCOMPARE(window.items(),
             (QStringList{QStringLiteral("أَلِف"), QStringLiteral("بَاء"), QStringLiteral("تَاء")}));
    QCOMPARE(window.listName(), QStringLiteral("Week"));
    QCOMPARE(window.findChild<QAction*>(QStringLiteral("mnuFileMRUF1"))->text(),
             QStringLiteral("&1  Week One.zva"));
    QCOMPARE(window.findChild<QAction*>(QStringLiteral("mnuFileMRUF2"))->text(),
             QStringLiteral("&2  gone.zva"));
    QVERIFY(messages.requests().isEmpty());
}

void tst_startup::skipsAVanishedRecentFileSilently_data()
{
    QTest::addColumn<QByteArray>("tab");
    QTest::newRow("on the Lister") << QByteArray("1");
    QTest::newRow("on the Tester") << QByteArray("2");
    QTest::newRow("on the read-me") << QByteArray("3");
}

void tst_startup::skipsAVanishedRecentFileSilently()
{
    QFETCH(QByteArray, tab);
    ScratchProgram program;
    program.writeSettings("[Zorvel20]\nMRUF=" + program.folder().toUtf8() +
                          "/Arabic/gone.zva|*|\nFromRange=2\nToRange=3\nActiveTab=" + tab + "\n");
    FakeMessageBox messages;
    frmMain window(program.folder(), program.settingsFile());
    QVERIFY(window.items().isEmpty());
    QCOMPARE(window.findChild<QComboBox*>(QStringLiteral("cmbFrom"))->currentIndex(), -1);
    QVERIFY(messages.requests().isEmpty());
    QCOMPARE(window.findChild<ctlTabs*>()->SelectedTab(), tab.toInt());
    // The vanished file is still offered in the menu.
    QVERIFY(window.findChild<QAction*>(QStringLiteral("mnuFileMRUF1"))->isVisible());
}

void tst_startup::opensTheListItIsStartedOn()
{
    ScratchProgram program;
    const QString recent = program.addList(QStringLiteral("Recent.zva"), QStringLiteral("r"));
    const QString chosen =
        program.addList(QStringLiteral("Arabic/Chosen.zva"), QStringLiteral("c1\r\nc2"));
    program.writeSettings("[Zorvel20]\nFromRange=0\nToRange=0\nMRUF=" + recent.toUtf8() + "|*|\n");
    FakeMessageBox messages;
    {
        // As a file manager passes it: the list instead of the most recent one, its whole
        // range (the stored one belongs to the other list), and first among the recent files.
        frmMain window(program.folder(), program.settingsFile(), chosen);
        QCOMPARE(window.items(), (QStringList{"c1", "c2"}));
        QCOMPARE(window.range().size(), 2);
        window.close();
    }
    QVERIFY(messages.requests().isEmpty());
    QCOMPARE(program.setting(QStringLiteral("MRUF")), chosen + "|*|" + recent + "|*|");

    // A name that leads nowhere is said so, and start-up goes on with the most recent list.
    frmMain window(program.folder(), program.settingsFile(),
                   program.folder() + QStringLiteral("/Nowhere.zva"));
    QCOMPARE(messages.captions(), QStringList{QStringLiteral("No item selected")});
    QCOMPARE(window.items(), (QStringList{"c1", "c2"}));
}

void tst_startup::startsWithADamagedSettingsFile_data()
{
    QTest::addColumn<QByteArray>("ini");
    QTest::newRow("random bytes") << QByteArray("\x89PNG\r\n\x1a\n\x00\x00\x00\rIHDR", 16);
    QTest::newRow("every value wrong")
        << QByteArray("[Zorvel20]\nFromRange=abc\nToRange=1e99\nActiveTab=7\nListerSpeed=9\n"
                      "RestartListing=yes\nsplitpercent=-20\nLastOpenFolder=\nMRUF=|*||*||*|\n");
    QTest::newRow("a recent file that is a folder") << QByteArray("[Zorvel20]\nMRUF=/tmp|*|\n");
}

void tst_startup::startsWithADamagedSettingsFile()
{
    QFETCH(QByteArray, ini);
    ScratchProgram program;
    program.writeSettings(ini);
    FakeMessageBox messages;
    {
        frmMain window(program.folder(), program.settingsFile());
        QVERIFY(window.items().isEmpty());
        QCOMPARE(window.lastOpenFolder(), program.folder() + QStringLiteral("/Arabic"));
        window.close();
    }
    QVERIFY(messages.requests().isEmpty());
    QCOMPARE(program.setting(QStringLiteral("ActiveTab")), QStringLiteral("3"));
}

QTEST_MAIN(tst_startup)
#include "tst_startup.moc"
