#include "ZorvelSettings.h"
#include "frmMain.h"
#include "programfolder.h"
#include "version.h"

#include <QApplication>
#include <QCommandLineParser>

#include <cstring>
#include <memory>

namespace {

// --help and --version print and end before a window system is asked for, so that they work
// without a display.
bool onlyPrints(int argc, char* argv[])
{
    for (int i = 1; i < argc; ++i) {
        for (const char* option : {"-h", "--help", "-?", "--help-all", "-v", "--version"})
            if (std::strcmp(argv[i], option) == 0)
                return true;
    }
    return false;
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
    parser.addPositionalArgument(QStringLiteral("list"),
                                 QStringLiteral("A list file (.zva) to open instead of the most "
                                                "recent one."),
                                 QStringLiteral("[list]"));
    parser.process(*app);

    frmMain window(findProgramFolder(QCoreApplication::applicationDirPath()),
                   ZorvelSettings::defaultFilePath(), parser.positionalArguments().value(0));
    window.show();
    return app->exec();
}
