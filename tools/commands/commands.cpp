#include "tools/commands/commands.h"

#include "app/settings/ZorvelSettings.h"

#include "lists/listloader.h"
#include "practice/history/historyfile.h"
#include "practice/plan/listschedule.h"
#include "practice/plan/todayplan.h"
#include "practice/shared/classview.h"

#include <QDir>
#include <QFileInfo>

#include <cstdio>

namespace commands {

namespace {

// The learner's practice history, read and never written; none when it was never made.
PracticeHistory existingHistory()
{
    const QString path = defaultHistoryPath();
    return QFileInfo::exists(path) ? openHistoryFile(path, PracticeHistory::Access::ReadOnly)
                                   : PracticeHistory();
}

// A history that exists but could not be read all through, and says why: what was printed
// would mislead. One never made has nothing to say.
bool readWhole(const PracticeHistory& history)
{
    if (history.isOpen() || history.error().isEmpty())
        return true;
    std::fprintf(stderr, "zorvel: the practice history \u201C%s\u201D cannot be read: %s.\n",
                 qPrintable(defaultHistoryPath()), qPrintable(history.error()));
    return false;
}

} // namespace

int printDue(const revisionplan::Options& options)
{
    PracticeHistory history = existingHistory();
    const QString due = describeToday(todayPlan(history, QDate::currentDate(), options));
    if (!readWhole(history))
        return 2;
    std::fputs(qPrintable(due), stdout);
    return 0;
}

int fitWeights()
{
    const QString path = defaultHistoryPath();
    PracticeHistory history = QFileInfo::exists(path) ? openHistoryFile(path) : PracticeHistory();
    if (!readWhole(history))
        return 2;
    const fitting::Result fit = fitting::fit(history.fittingLog(), history.weights());
    if (fit.status == fitting::Result::TooFew) {
        std::printf("A fit needs at least %d reviews that follow an earlier review of the same "
                    "entry, on more than one day; the history has %d.\n",
                    fitting::kLeastSamples, fit.samples);
        return 1;
    }
    history.recordFit(fit, QDate::currentDate());
    history.saveWaiting();
    if (!readWhole(history) || history.unsaved() > 0) {
        std::fprintf(stderr, "zorvel: the fit could not be kept: %s\n",
                     qPrintable(history.delay()));
        return 2;
    }
    std::printf("Fitted to %d reviews; the latest %d held out: loss %.4f with the weights in use, "
                "%.4f fitted (%.4f with the defaults).\n%s\n",
                fit.samples, fit.heldOut, fit.lossCurrent, fit.lossFitted, fit.lossDefaults,
                fit.helps() ? "Kept: the plan follows the fitted weights."
                            : "Not kept: they predict the latest reviews no better.");
    return fit.helps() ? 0 : 1;
}

int printWeights()
{
    PracticeHistory history = existingHistory();
    const PracticeHistory::ModelFit fit = history.modelFit();
    if (!readWhole(history))
        return 2;
    if (fit.ownWeights)
        std::printf("Your own weights, fitted on %s to %d reviews:\n",
                    qPrintable(fit.fittedOn.toString(Qt::ISODate)), fit.reviews);
    else
        std::printf("The default weights:\n");
    for (size_t i = 0; i < fit.weights.size(); ++i)
        std::printf("w%zu %s\n", i, qPrintable(QString::number(fit.weights[i], 'g', 6)));
    return 0;
}

int printClass(const QString& folder, double retention)
{
    if (!QFileInfo(folder).isDir()) {
        std::fprintf(stderr, "zorvel: \u201C%s\u201D is no folder.\n", qPrintable(folder));
        return 1;
    }
    std::fputs(
        qPrintable(classview::csv(classview::classOf(folder, QDate::currentDate(), retention))),
        stdout);
    return 0;
}

int shareThrough(const QString& folder, ZorvelSettings& settings)
{
    const QFileInfo info(folder);
    if (!info.isDir() || !info.isWritable()) {
        std::fprintf(stderr, "zorvel: \u201C%s\u201D is no folder Zorvel can write in.\n",
                     qPrintable(folder));
        return 1;
    }
    settings.setSharing(info.absoluteFilePath(), settings.sharing().name);
    std::printf("Practice is shared through %s from the next start on.\n",
                qPrintable(QDir::toNativeSeparators(info.absoluteFilePath())));
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
        history.isOpen() ? history.memories(history.listFor(list.title, list.fingerprint(),
                                                            wordMode, list.items.items))
                         : QMap<int, ItemMemory>();
    if (!readWhole(history))
        return 2;
    const QByteArray csv =
        listschedule::memoryCsv(list.items, wordMode, memories, QDate::currentDate(), retention,
                                history.weights())
            .toUtf8();
    std::fwrite(csv.constData(), 1, size_t(csv.size()), stdout);
    return 0;
}

} // namespace commands
