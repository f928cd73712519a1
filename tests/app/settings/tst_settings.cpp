#include "app/settings/ZorvelSettings.h"
#include "app/settings/settingsvalues.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>
#include <unistd.h>

class tst_settings : public QObject {
    Q_OBJECT
private slots:
    void wholeNumbers_data();
    void wholeNumbers();
    void roundedNumbers_data();
    void roundedNumbers();
    void storedFiles_data();
    void storedFiles();
    void writesTextBack();
    void unchangedValuesLeaveTheFileAlone();
    void aPipeIsNotRead();
    void aFolderThatCannotBeWrittenIsTold();
};

void tst_settings::wholeNumbers_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("value"); // read with range 1..3, fallback 3

    QTest::newRow("in range") << "2" << 2;
    QTest::newRow("spaces around") << " 1 " << 1;
    QTest::newRow("absent") << "" << 3;
    QTest::newRow("out of range") << "7" << 3;
    QTest::newRow("negative") << "-1" << 3;
    QTest::newRow("not a number") << "two" << 3;
    QTest::newRow("trailing text") << "2x" << 3;
    QTest::newRow("decimal") << "2.0" << 3;
    QTest::newRow("beyond 32 bits") << "99999999999" << 3;
}

void tst_settings::wholeNumbers()
{
    QFETCH(QString, text);
    QFETCH(int, value);
    QCOMPARE(settingsvalues::wholeNumber(text, 1, 3, 3), value);
}

void tst_settings::roundedNumbers_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("value"); // read with range 0..100, fallback 60

    QTest::newRow("whole") << "45" << 45;
    QTest::newRow("half to even, down") << "42.5" << 42;
    QTest::newRow("half to even, up") << "43.5" << 44;
    QTest::newRow("negative") << "-5" << 60;
    QTest::newRow("beyond the pane") << "101" << 60;
    QTest::newRow("infinite") << "inf" << 60;
    QTest::newRow("not a number") << "nan" << 60;
}

void tst_settings::roundedNumbers()
{
    QFETCH(QString, text);
    QFETCH(int, value);
    QCOMPARE(settingsvalues::roundedNumber(text, 0, 100, 60), value);
}

void tst_settings::storedFiles_data()
{
    QTest::addColumn<QByteArray>("ini");
    QTest::addColumn<QList<int>>("numbers"); // from, to, tab, speed, restart, split
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("recent");

    QTest::newRow("no file") << QByteArray() << QList<int>{-1, -1, 3, 3, 1, 60} << "/default"
                             << "";
    QTest::newRow("a normal file")
        << QByteArray("[Zorvel20]\nFromRange=4\nToRange=9\nActiveTab=2\nListerSpeed=6\n"
                      "RestartListing=0\nsplitpercent=45\nLastOpenFolder=/home/a/Lists\n"
                      "MRUF=/home/a/Lists/One.zva|*|\n")
        << QList<int>{4, 9, 2, 6, 0, 45} << "/home/a/Lists"
        << "/home/a/Lists/One.zva|*|";
    QTest::newRow("every key damaged")
        << QByteArray("[Zorvel20]\nFromRange=-7\nToRange=x\nActiveTab=7\nListerSpeed=9\n"
                      "RestartListing=2\nsplitpercent=-3\nLastOpenFolder=\nMRUF=\n")
        << QList<int>{-1, -1, 3, 3, 1, 60} << "/default"
        << "";
    QTest::newRow("a comma in a path")
        << QByteArray("[Zorvel20]\nMRUF=/a/One, Two.zva|*|\nLastOpenFolder=/a/x,y\n")
        << QList<int>{-1, -1, 3, 3, 1, 60} << "/a/x, y"
        << "/a/One, Two.zva|*|";
    QTest::newRow("not an INI file at all") << QByteArray("\x00\xff\x13[[[=\n\x01=\x02\n", 12)
                                            << QList<int>{-1, -1, 3, 3, 1, 60} << "/default"
                                            << "";
}

void tst_settings::storedFiles()
{
    QFETCH(QByteArray, ini);
    QFETCH(QList<int>, numbers);
    QFETCH(QString, folder);
    QFETCH(QString, recent);

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Zorvel.conf"));
    if (!ini.isEmpty()) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(ini);
    }
    const ZorvelSettings settings(path);
    const QList<int> read{settings.fromRange(),      settings.toRange(),
                          settings.activeTab(),      settings.listerSpeed(),
                          settings.restartListing(), settings.splitPercent()};
    QCOMPARE(read, numbers);
    QCOMPARE(settings.lastOpenFolder(QStringLiteral("/default")), folder);
    QCOMPARE(settings.recentFiles(), recent);
}

void tst_settings::writesTextBack()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("corvant/Zorvel.conf"));
    {
        ZorvelSettings settings(path);
        settings.setFromRange(-1);
        settings.setActiveTab(2);
        settings.setRestartListing(false);
        settings.setRecentFiles(QStringLiteral("/ق/أ.zva|*|"));
        settings.sync();
    }
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray ini = file.readAll();
    QVERIFY(ini.contains("[Zorvel20]"));
    QVERIFY(ini.contains("FromRange=-1"));
    QVERIFY(ini.contains("ActiveTab=2"));
    QVERIFY(ini.contains("RestartListing=0"));
    QCOMPARE(ZorvelSettings(path).recentFiles(), QStringLiteral("/ق/أ.zva|*|"));
}

// Start-up sets the folder and recent files of the list it reopens as they stand: the file is
// not rewritten for that (a rewrite would drop the user's comment); a change is written, and
// so is an empty value for a key the file lacks.
void tst_settings::unchangedValuesLeaveTheFileAlone()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Zorvel.conf"));
    const QByteArray ini("; kept by hand\n[Zorvel20]\nActiveTab=2\nLastOpenFolder=/home/a/Lists\n");
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(ini);
    }
    auto stored = [&] {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    };
    {
        ZorvelSettings settings(path);
        settings.setActiveTab(2);
        settings.setLastOpenFolder(QStringLiteral("/home/a/Lists"));
        settings.sync();
    }
    QCOMPARE(stored(), ini);
    {
        ZorvelSettings settings(path);
        settings.setActiveTab(3);
        settings.setRecentFiles(QString());
        settings.sync();
    }
    QVERIFY(stored().contains("ActiveTab=3"));
    QVERIFY(stored().contains("MRUF="));
}

// A settings file that is a pipe would block start-up for ever: it is neither read nor written,
// and that is told.
void tst_settings::aPipeIsNotRead()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Zorvel.conf"));
    QVERIFY(::mkfifo(QFile::encodeName(path).constData(), 0600) == 0);
    ZorvelSettings settings(path); // returns at once
    QCOMPARE(settings.activeTab(),
             ZorvelSettings(dir.filePath(QStringLiteral("none"))).activeTab());
    settings.setActiveTab(3);
    QVERIFY(!settings.sync());
    QVERIFY(settings.trouble().contains(QStringLiteral("not a regular file")));
    QVERIFY(QFileInfo(path).exists() && !QFileInfo(path).isFile());
}

// Settings that cannot be kept are told, not lost in silence.
void tst_settings::aFolderThatCannotBeWrittenIsTold()
{
    if (::geteuid() == 0)
        QSKIP("the superuser writes into any folder");
    QTemporaryDir dir;
    QVERIFY(QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner));
    ZorvelSettings settings(dir.filePath(QStringLiteral("Zorvel.conf")));
    QVERIFY(settings.trouble().isEmpty());
    settings.setActiveTab(3);
    QVERIFY(!settings.sync());
    QVERIFY(settings.trouble().contains(QStringLiteral("could not be kept")));
    QFile::setPermissions(dir.path(),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

QTEST_GUILESS_MAIN(tst_settings)
#include "tst_settings.moc"
