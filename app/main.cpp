#include "ZorvelSettings.h"
#include "frmMain.h"
#include "historyfile.h"
#include "programfolder.h"
#include "todayplan.h"
#include "version.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QFileInfo>
#include <QStandardPaths>

#include <cstdio>
#include <cstring>
#include <memory>

namespace {

// --help and --version print and end before a window system is asked for, so that they work
// without a display.
bool onlyPrints(int argc, char* argv[])
{
    for (int i = 1; i < argc; ++i) {
        for (const char* option : {"-h", "--help", "-?", "--help-all", "-v", "--version", "--due"})
            if (std::strcmp(argv[i], option) == 0)
                return true;
    }
    return false;
}

// Today's plan from the learner's practice history; a history not made yet is not made now.
QString dueToday()
{
    const QString path = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
                         QStringLiteral("/zorvel/progress.sqlite");
    if (!QFileInfo::exists(path))
        return describeToday({});
    PracticeHistory history = openHistoryFile(path);
    return describeToday(todayPlan(history, QDate::currentDate(), {}));
}

} // namespace

int main(int argc, char* argv[])
{
    std::unique_ptr<QCoreApplication> app;
    if (onlyPrints(argc, argv))
        app = std::make_unique<QCoreApplication>(argc, argv);
    else
        app = std::make_unique<QApplication>(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Zorvel"));
    QCoreApplication::setOrganizationName(QStringLiteral("corvant"));
    QCoreApplication::setApplicationVersion(
        QStringLiteral("%1.%2").arg(ZORVEL_VERSION_MAJOR).arg(ZORVEL_VERSION_MINOR));
    QGuiApplication::setDesktopFileName(QStringLiteral("zorvel"));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Learn lists of Arabic text by heart."));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption due(QStringLiteral("due"),
                                 QStringLiteral("Print what is due for revision today, one "
                                                "passage a line, and end (no display needed)."));
    parser.addOption(due);
    parser.addPositionalArgument(QStringLiteral("list"),
                                 QStringLiteral("A list file (.zva) to open instead of the most "
                                                "recent one."),
                                 QStringLiteral("[list]"));
    parser.process(*app);
    if (parser.isSet(due)) {
        std::fputs(qPrintable(dueToday()), stdout);
        return 0;
    }

    frmMain window(findProgramFolder(QCoreApplication::applicationDirPath()),
                   ZorvelSettings::defaultFilePath(), parser.positionalArguments().value(0));
    window.show();
    return app->exec();
}
