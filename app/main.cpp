#include "app/main/frmMain.h"
#include "app/settings/ZorvelSettings.h"
#include "app/settings/interfacelanguage.h"
#include "app/settings/programfolder.h"
#include "app/version.h"
#include "controls/common/righttoleftstyle.h"
#include "tools/commands/commands.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QLocale>

#include <cstring>
#include <memory>

namespace {

// --help and --version print and end before a window system is asked for, so that they work
// without a display.
bool onlyPrints(int argc, char* argv[])
{
    for (int i = 1; i < argc; ++i) {
        for (const char* option : {"-h", "--help", "-?", "--help-all", "-v", "--version", "--due",
                                   "--memory", "--share", "--class", "--fit", "--weights"})
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
    const QCommandLineOption due(QStringLiteral("due"),
                                 QStringLiteral("Print what is due for revision today, one "
                                                "passage a line, and end (no display needed)."));
    parser.addOption(due);
    const QCommandLineOption memory(
        QStringLiteral("memory"),
        QStringLiteral("Print the memory of every entry of LIST as CSV (number, reference, text, "
                       "mode, reviews, lapses, difficulty, stability in days, chance of recall "
                       "today, next due date), and end."),
        QStringLiteral("LIST"));
    parser.addOption(memory);
    const QCommandLineOption wordMode(QStringLiteral("word-mode"),
                                      QStringLiteral("With --memory: the list's word mode."));
    parser.addOption(wordMode);
    const QCommandLineOption share(
        QStringLiteral("share"),
        QStringLiteral("Share practice through FOLDER, a folder synced between your machines "
                       "(Syncthing, Nextcloud, a USB stick), from the next start on, and end."),
        QStringLiteral("FOLDER"));
    parser.addOption(share);
    const QCommandLineOption openClass(
        QStringLiteral("class"),
        QStringLiteral("Print a teacher's class as CSV: a row for each learner whose shared folder "
                       "stands in FOLDER, and end. Nothing is written there."),
        QStringLiteral("FOLDER"));
    parser.addOption(openClass);
    const QCommandLineOption fit(
        QStringLiteral("fit"),
        QStringLiteral("Fit the memory model to your own reviews and keep it if it predicts your "
                       "latest reviews better; print the loss before and after, and end (exit "
                       "status 1 when not kept)."));
    parser.addOption(fit);
    const QCommandLineOption weights(
        QStringLiteral("weights"),
        QStringLiteral("Print the memory model's weights in use, and end."));
    parser.addOption(weights);
    parser.addPositionalArgument(QStringLiteral("list"),
                                 QStringLiteral("A list file (.zva) to open instead of the most "
                                                "recent one."),
                                 QStringLiteral("[list]"));
    parser.process(*app);
    if (parser.isSet(share)) {
        ZorvelSettings settings(ZorvelSettings::defaultFilePath());
        return commands::shareThrough(parser.value(share), settings);
    }
    if (parser.isSet(fit))
        return commands::fitWeights();
    if (parser.isSet(weights))
        return commands::printWeights();
    if (parser.isSet(openClass))
        return commands::printClass(
            parser.value(openClass),
            ZorvelSettings(ZorvelSettings::defaultFilePath()).planOptions().retention);
    if (parser.isSet(due) || parser.isSet(memory)) {
        const revisionplan::Options options =
            ZorvelSettings(ZorvelSettings::defaultFilePath()).planOptions();
        return parser.isSet(due) ? commands::printDue(options)
                                 : commands::printMemory(parser.value(memory),
                                                         parser.isSet(wordMode), options.retention);
    }

    const QString programFolder = findProgramFolder(QCoreApplication::applicationDirPath());
    interfacelanguage::install(
        *app,
        interfacelanguage::resolve(ZorvelSettings(ZorvelSettings::defaultFilePath()).language(),
                                   QLocale::system().uiLanguages(),
                                   [&] { return interfacelanguage::available(programFolder); }),
        programFolder);
    if (QGuiApplication::layoutDirection() == Qt::RightToLeft)
        QApplication::setStyle(new RightToLeftStyle);
    frmMain window(programFolder, ZorvelSettings::defaultFilePath(),
                   parser.positionalArguments().value(0));
    window.show();
    return app->exec();
}
