#include "practice/history/PracticeHistory.h"
#include "practice/shared/SharedFolder.h"
#include "tests/support/SharingMachine.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSqlDatabase>
#include <QStandardPaths>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace {

// A port free on the loopback address now.
quint16 freePort()
{
    QTcpServer server;
    server.listen(QHostAddress::LocalHost);
    return server.serverPort();
}

// A Syncthing instance of its own home, sharing one folder with one other device over the
// loopback address only: no discovery, relays, NAT traversal, crash or usage reports or upgrades.
struct Instance {
    QTemporaryDir home;
    QTemporaryDir folder;
    QString id;
    quint16 port = freePort();
    quint16 gui = freePort();
    QProcess process;

    bool generate()
    {
        QProcess generate;
        generate.start(QStringLiteral("syncthing"),
                       {QStringLiteral("generate"), QStringLiteral("--home=") + home.path(),
                        QStringLiteral("--no-default-folder"),
                        QStringLiteral("--skip-port-probing")});
        if (!generate.waitForFinished(30000) || generate.exitCode() != 0)
            return false;
        const QString printed =
            QString::fromUtf8(generate.readAllStandardOutput() + generate.readAllStandardError());
        id = QRegularExpression(QStringLiteral("([A-Z0-9]{7}-){7}[A-Z0-9]{7}"))
                 .match(printed)
                 .captured(0);
        return !id.isEmpty() && QDir(folder.path()).mkdir(QStringLiteral(".stfolder"));
    }

    bool configure(const Instance& other)
    {
        const auto device = [](const Instance& instance, const char* name) {
            return QStringLiteral("<device id=\"%1\" name=\"%2\" compression=\"metadata\" "
                                  "introducer=\"false\" autoAcceptFolders=\"false\"><address>"
                                  "tcp://127.0.0.1:%3</address></device>")
                .arg(instance.id, QLatin1String(name))
                .arg(instance.port);
        };
        const QString config =
            QStringLiteral(
                "<configuration version=\"36\">"
                "<folder id=\"zorvel\" label=\"zorvel\" path=\"%1\" type=\"sendreceive\" "
                "rescanIntervalS=\"2\" fsWatcherEnabled=\"true\" fsWatcherDelayS=\"1\">"
                "<device id=\"%2\"></device><device id=\"%3\"></device></folder>%4%5"
                "<gui enabled=\"true\" tls=\"false\"><address>127.0.0.1:%6</address>"
                "<apikey>zorvel-test</apikey></gui>"
                "<options><listenAddress>tcp://127.0.0.1:%7</listenAddress>"
                "<globalAnnounceEnabled>false</globalAnnounceEnabled>"
                "<localAnnounceEnabled>false</localAnnounceEnabled>"
                "<relaysEnabled>false</relaysEnabled><natEnabled>false</natEnabled>"
                "<urAccepted>-1</urAccepted><autoUpgradeIntervalH>0</autoUpgradeIntervalH>"
                "<crashReportingEnabled>false</crashReportingEnabled>"
                "<startBrowser>false</startBrowser></options></configuration>")
                .arg(folder.path(), id, other.id, device(*this, "this"), device(other, "other"))
                .arg(gui)
                .arg(port);
        QFile file(home.filePath(QStringLiteral("config.xml")));
        return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
               file.write(config.toUtf8()) > 0;
    }

    void start()
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("STNOUPGRADE"), QStringLiteral("1"));
        environment.insert(QStringLiteral("STNORESTART"), QStringLiteral("1"));
        environment.insert(QStringLiteral("STNODEFAULTFOLDER"), QStringLiteral("1"));
        process.setProcessEnvironment(environment);
        process.setProcessChannelMode(QProcess::MergedChannels);
        process.start(QStringLiteral("syncthing"),
                      {QStringLiteral("serve"), QStringLiteral("--home=") + home.path(),
                       QStringLiteral("--no-browser"), QStringLiteral("--no-restart"),
                       QStringLiteral("--no-upgrade")});
    }

    ~Instance()
    {
        process.terminate();
        if (!process.waitForFinished(5000))
            process.kill();
        process.waitForFinished(5000);
    }
};

// A Zorvel installation on one machine: its history and the folder its Syncthing keeps.
struct Learner : SharingMachine {
    Learner(const QString& device, const QString& sharedFolder, const QString& historyFile)
        : SharingMachine(
              device, sharedFolder, historyFile, QStringLiteral("الكوثر"),
              {QStringLiteral("آية 1"), QStringLiteral("آية 2"), QStringLiteral("آية 3")})
    {
    }
    void answer(int number)
    {
        SharingMachine::answer(number, fsrs::Grade::Good, QDateTime::currentDateTimeUtc());
    }
};

} // namespace

// Two real Syncthing instances on this machine, each with its home and a shared folder, and two
// Zorvel installations answering in turn: each sees the other's answers.
class tst_syncthing : public QObject {
    Q_OBJECT
private slots:
    void twoMachinesSeeEachOthersAnswers();
};

void tst_syncthing::twoMachinesSeeEachOthersAnswers()
{
    if (QStandardPaths::findExecutable(QStringLiteral("syncthing")).isEmpty())
        QSKIP("syncthing is not installed (Debian's package syncthing)");
    Instance home;
    Instance mosque;
    if (!home.generate() || !mosque.generate())
        QSKIP("syncthing cannot make its keys here");
    QVERIFY(home.configure(mosque) && mosque.configure(home));
    home.start();
    mosque.start();
    if (!home.process.waitForStarted(10000) || !mosque.process.waitForStarted(10000))
        QSKIP("syncthing cannot start here");

    QTemporaryDir histories;
    {
        Learner atHome(QStringLiteral("a1b2c3d4e5f60718"), home.folder.path(),
                       histories.filePath(QStringLiteral("home.sqlite")));
        Learner atMosque(QStringLiteral("f0e1d2c3b4a59687"), mosque.folder.path(),
                         histories.filePath(QStringLiteral("mosque.sqlite")));
        const auto arrives = [](Learner& learner, int answers) {
            for (int tries = 0; tries < 400 && learner.answers() < answers; ++tries) {
                learner.shared.merge(learner.history);
                QTest::qWait(100);
            }
            return learner.answers();
        };
        atHome.answer(1);
        QCOMPARE(arrives(atMosque, 1), 1);
        atMosque.answer(2);
        QCOMPARE(arrives(atHome, 2), 2);
        atHome.answer(3);
        QCOMPARE(arrives(atMosque, 3), 3);
        QCOMPARE(atHome.answers(), 3);
    }
    for (const char* device : {"a1b2c3d4e5f60718", "f0e1d2c3b4a59687"})
        QSqlDatabase::removeDatabase(QLatin1String(device));
}

QTEST_MAIN(tst_syncthing)
#include "tst_syncthing.moc"
