#include "controls/tabs/ctlTabs.h"
#include "lists/listfile.h"
#include "practice/history/PracticeHistory.h"
#include "tests/support/WindowDriver.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QSettings>
#include <QSqlDatabase>
#include <QTemporaryDir>
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
    void printsItsOptionsWithoutADisplay();
};

void tst_startup::firstRunStartsEmptyAndStoresDefaults()
{
    WindowDriver d;
    d.start();
    const frmMain& window = *d.window;
    QCOMPARE(window.windowTitle(), QStringLiteral("Zorvel 2.0"));
    // The icon is drawn from its vector picture: the tile's green shows at every size.
    for (const int size : {16, 48, 256}) {
        const QImage icon = window.windowIcon().pixmap(size).toImage();
        QCOMPARE(icon.width(), size);
        QVERIFY(qGreen(icon.pixel(size / 8, size / 2)) > 80);
    }
    QVERIFY(window.items().isEmpty());
    QCOMPARE(window.lastOpenFolder(), d.program.folder() + QStringLiteral("/Arabic"));
    QVERIFY(!d.control<QAction>("mnuFileSep")->isVisible());
    d.close();
    QVERIFY(d.messages.requests().isEmpty());
    const ScratchProgram& program = d.program;
    const QStringList keys{"ListerSpeed", "ActiveTab",      "FromRange",
                           "ToRange",     "RestartListing", "splitpercent"};
    const QStringList values{"3", "3", "-1", "-1", "1", "60"};
    for (int i = 0; i < keys.size(); ++i)
        QCOMPARE(program.setting(keys[i]), values[i]);
}

void tst_startup::reopensTheMostRecentList()
{
    WindowDriver d;
    const QString list = d.program.addList(QStringLiteral("Arabic/Week One.zva"),
                                           QStringLiteral("أَلِف\r\nبَاء\r\nتَاء\r\n"));
    d.start("[Zorvel20]\nMRUF=" + list.toUtf8() + "|*|/gone.zva|*|\n");
    const frmMain& window = *d.window;
    const FakeMessageBox& messages = d.messages;

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
    WindowDriver d;
    d.start("[Zorvel20]\nMRUF=" + d.program.folder().toUtf8() +
            "/Arabic/gone.zva|*|\nFromRange=2\nToRange=3\nActiveTab=" + tab + "\n");
    const frmMain& window = *d.window;
    const FakeMessageBox& messages = d.messages;
    QVERIFY(window.items().isEmpty());
    QCOMPARE(window.findChild<QComboBox*>(QStringLiteral("cmbFrom"))->currentIndex(), -1);
    QVERIFY(messages.requests().isEmpty());
    QCOMPARE(window.findChild<ctlTabs*>()->SelectedTab(), tab.toInt());
    // The vanished file is still offered in the menu.
    QVERIFY(window.findChild<QAction*>(QStringLiteral("mnuFileMRUF1"))->isVisible());
}

void tst_startup::opensTheListItIsStartedOn()
{
    WindowDriver d;
    const QString recent = d.program.addList(QStringLiteral("Recent.zva"), QStringLiteral("r"));
    const QString chosen =
        d.program.addList(QStringLiteral("Arabic/Chosen.zva"), QStringLiteral("c1\r\nc2"));
    // As a file manager passes it: the list instead of the most recent one, its whole range
    // (the stored one belongs to the other list), and first among the recent files.
    d.start("[Zorvel20]\nFromRange=0\nToRange=0\nMRUF=" + recent.toUtf8() + "|*|\n", chosen);
    QCOMPARE(d.window->items(), (QStringList{"c1", "c2"}));
    QCOMPARE(d.window->range().size(), 2);
    d.close();
    QVERIFY(d.messages.requests().isEmpty());
    QCOMPARE(d.program.setting(QStringLiteral("MRUF")), chosen + "|*|" + recent + "|*|");

    // A name that leads nowhere is said so, and start-up goes on with the most recent list.
    d.start({}, d.program.folder() + QStringLiteral("/Nowhere.zva"));
    QCOMPARE(d.messages.captions(), QStringList{QStringLiteral("No item selected")});
    QCOMPARE(d.window->items(), (QStringList{"c1", "c2"}));
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
    WindowDriver d;
    d.start(ini);
    QVERIFY(d.window->items().isEmpty());
    QCOMPARE(d.window->lastOpenFolder(), d.program.folder() + QStringLiteral("/Arabic"));
    d.close();
    QVERIFY(d.messages.requests().isEmpty());
    QCOMPARE(d.program.setting(QStringLiteral("ActiveTab")), QStringLiteral("3"));
}

// Asked for its options in a terminal without a window system, the program answers and ends.
void tst_startup::printsItsOptionsWithoutADisplay()
{
    // --due and --memory with no practice history yet: nothing due, nothing practised, and no
    // history made for them.
    QTemporaryDir data;
    QTemporaryDir config;
    QTemporaryDir lists;
    const QString list = lists.filePath(QStringLiteral("Days.zva"));
    QVERIFY(
        !listfile::writeFile(
             list,
             u"# \u0627\u0644\u0623\u064A\u0627\u0645\r\n\u0633\u0628\u062A\r\n\u0623\u062D\u062F")
             .isError());
    const std::pair<QStringList, QByteArray> answers[] = {
        {{QStringLiteral("--help")}, "Usage:"},
        {{QStringLiteral("--version")}, "Zorvel 2.0"},
        {{QStringLiteral("--due")}, "Nothing to revise today."},
        {{QStringLiteral("--memory"), list},
         "reviews,lapses,difficulty,stability_days,recall_today,next_due\r\n1,1:1,"
         "\xD8\xB3\xD8\xA8\xD8\xAA,line,0,0,,,,\r\n2,1:2,"},
        {{QStringLiteral("--memory"), list, QStringLiteral("--word-mode")}, "2,1:2,"}};
    const auto run = [&](const QStringList& options) {
        QProcess program;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("XDG_DATA_HOME"), data.path());
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), config.path());
        for (const QString& name : {QStringLiteral("DISPLAY"), QStringLiteral("WAYLAND_DISPLAY"),
                                    QStringLiteral("QT_QPA_PLATFORM")})
            environment.remove(name);
        program.setProcessEnvironment(environment);
        program.start(QStringLiteral(ZORVEL_PROGRAM), options);
        program.waitForFinished(20000);
        return std::pair(program.exitCode(),
                         program.readAllStandardOutput() + program.readAllStandardError());
    };
    for (const auto& [options, answer] : answers) {
        const auto [code, printed] = run(options);
        QCOMPARE(code, 0);
        QVERIFY(printed.contains(answer));
    }
    QVERIFY(QDir(data.path()).isEmpty());

    // --share keeps the folder for the next start; a folder that is not there is refused.
    QCOMPARE(run({QStringLiteral("--share"), lists.filePath(QStringLiteral("gone"))}).first, 1);
    const auto [shared, said] = run({QStringLiteral("--share"), lists.path()});
    QCOMPARE(shared, 0);
    QVERIFY(said.contains("Practice is shared through"));
    QSettings settings(config.filePath(QStringLiteral("corvant/Zorvel.conf")),
                       QSettings::IniFormat);
    QCOMPARE(settings.value(QStringLiteral("Share/Folder")).toString(), lists.path());
    QCOMPARE(settings.value(QStringLiteral("Share/Device")).toString().size(), 16);

    // A history they cannot read is said, with a failing exit; one they read is not written.
    QDir().mkpath(data.filePath(QStringLiteral("zorvel")));
    const QString history = data.filePath(QStringLiteral("zorvel/progress.sqlite"));
    for (const QByteArray& content : {QByteArray(4096, 'x'), QByteArray()}) {
        QFile file(history);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
        file.close();
        for (const QStringList& options : {QStringList{QStringLiteral("--due")},
                                           QStringList{QStringLiteral("--memory"), list}}) {
            const auto [code, printed] = run(options);
            QCOMPARE(code, 2);
            QVERIFY2(printed.contains("cannot be read"), printed.constData());
        }
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), content);
    }
    QFile::remove(history);
    {
        QSqlDatabase database = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"));
        database.setDatabaseName(history);
        PracticeHistory written(database); // the current version, no list in it
    }
    QSqlDatabase::removeDatabase(QSqlDatabase::defaultConnection);
    QFile file(history);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray before = file.readAll();
    file.close();
    QCOMPARE(run({QStringLiteral("--memory"), list}).first, 0);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), before); // no list row added
}

QTEST_MAIN(tst_startup)
#include "tst_startup.moc"
