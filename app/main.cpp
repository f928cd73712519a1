#include "ZorvelSettings.h"
#include "frmMain.h"
#include "programfolder.h"
#include "version.h"

#include <QApplication>
#include <QCommandLineParser>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Zorvel"));
    QApplication::setOrganizationName(QStringLiteral("corvant"));
    QApplication::setApplicationVersion(
        QStringLiteral("%1.%2").arg(ZORVEL_VERSION_MAJOR).arg(ZORVEL_VERSION_MINOR));
    QApplication::setDesktopFileName(QStringLiteral("zorvel"));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Learn lists of Arabic text by heart."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("list"),
                                 QStringLiteral("A list file (.zva) to open instead of the most "
                                                "recent one."),
                                 QStringLiteral("[list]"));
    parser.process(app);

    frmMain window(findProgramFolder(QApplication::applicationDirPath()),
                   ZorvelSettings::defaultFilePath(), parser.positionalArguments().value(0));
    window.show();
    return app.exec();
}
