#include "app/main/frmMain.h"
#include "app/settings/ZorvelSettings.h"
#include "app/settings/interfacelanguage.h"
#include "app/settings/programfolder.h"
#include "app/version.h"
#include "lists/listloader.h"
#include "practice/history/historyfile.h"
#include "practice/plan/listschedule.h"
#include "practice/plan/todayplan.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QFileInfo>
#include <QLocale>

#include <cstdio>
#include <cstring>
#include <memory>

namespace {

// --help and --version print and end before a window system is asked for, so that they work
// without a display.
bool onlyPrints(int argc, char* argv[])
{
    for (int i = 1; i < argc; ++i) {
        for (const char* option :
             {"-h", "--help", "-?", "--help-all", "-v", "--version", "--due", "--memory"})
            if (std::strcmp(argv[i], option) == 0)
                return true;
    }
    return false;
}

// The learner's practice history; none when it was never made, for printing does not make it.
PracticeHistory existingHistory()
{
    const QString path = defaultHistoryPath();
    return QFileInfo::exists(path) ? openHistoryFile(path) : PracticeHistory();
}

int printDue(const revisionplan::Options& options)
{
    PracticeHistory history = existingHistory();
    std::fputs(qPrintable(describeToday(todayPlan(history, QDate::currentDate(), options))),
               stdout);
    return 0;
}

// The memory of every item of `path` in one mode, as CSV.
int printMemory(const QString& path, bool wordMode, double retention)
{
    const LoadedList list = loadList(path, wordMode);
    if (list.status != LoadedList::Loaded) {
        const QString why = list.status == LoadedList::Missing
                                ? QStringLiteral("\u201C%1\u201D does not exist.").arg(path)
                                : list.message;
        std::fprintf(stderr, "zorvel: %s\n", qPrintable(why));
        return 1;
    }
    PracticeHistory history = existingHistory();
    const QMap<int, ItemMemory> memories =
        history.isOpen() ? history.memories(history.listFor(list.title, list.fingerprint, wordMode,
                                                            list.items.items))
                         : QMap<int, ItemMemory>();
    const QByteArray csv =
        listschedule::memoryCsv(list.items, wordMode, memories, QDate::currentDate(), retention)
            .toUtf8();
    std::fwrite(csv.constData(), 1, size_t(csv.size()), stdout);
    return 0;
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
    parser.addPositionalArgument(QStringLiteral("list"),
                                 QStringLiteral("A list file (.zva) to open instead of the most "
                                                "recent one."),
                                 QStringLiteral("[list]"));
    parser.process(*app);
    if (parser.isSet(due) || parser.isSet(memory)) {
        const revisionplan::Options options =
            ZorvelSettings(ZorvelSettings::defaultFilePath()).planOptions();
        return parser.isSet(due)
                   ? printDue(options)
                   : printMemory(parser.value(memory), parser.isSet(wordMode), options.retention);
    }

    const QString programFolder = findProgramFolder(QCoreApplication::applicationDirPath());
    interfacelanguage::install(
        *app,
        interfacelanguage::resolve(ZorvelSettings(ZorvelSettings::defaultFilePath()).language(),
                                   QLocale::system().uiLanguages(),
                                   interfacelanguage::available(programFolder)),
        programFolder);
    frmMain window(programFolder, ZorvelSettings::defaultFilePath(),
                   parser.positionalArguments().value(0));
    window.show();
    return app->exec();
}
