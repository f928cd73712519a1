// zorvel-bench: measures the program on big lists and prints one table, each figure beside
// the reference it is compared with, in the same run.

#include "app/files/frmOpen.h"
#include "app/main/frmMain.h"
#include "app/progress/ProgressWindow.h"
#include "app/recitation/playermodule.h"
#include "app/side/AnswerBox.h"
#include "app/side/WriteWindow.h"
#include "bench/largelist.h"
#include "bench/measuring.h"
#include "controls/common/IntervalTimer.h"
#include "controls/common/MessageBox.h"
#include "controls/common/longlistcombo.h"
#include "controls/slider/RailSlider.h"
#include "controls/unilistbox/UniListBox.h"
#include "lists/arabicfold.h"
#include "lists/itemlist.h"
#include "lists/listfile.h"
#include "lists/listloader.h"
#include "lists/mushaf.h"
#include "lists/textimport.h"
#include "practice/history/PracticeHistory.h"
#include "practice/models/ItemNumberModel.h"
#include "practice/plan/todayplan.h"
#include "practice/recital/recitalrecord.h"
#include "practice/recitation/Recitation.h"
#include "practice/search/LookAlikes.h"
#include "practice/search/PassageFinder.h"
#include "practice/session/listing.h"
#include "practice/session/writtencheck.h"
#include "practice/shared/SharedFolder.h"
#include "practice/shared/classview.h"
#include "practice/shared/sharedlog.h"
#include "schedule/revisionplan.h"
#include "tests/support/tones.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QFontInfo>
#include <QGuiApplication>
#include <QProcess>
#include <QPushButton>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTimer>

#include <malloc.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <vector>

namespace {

QString writeList(const QTemporaryDir& dir, const QString& name, int words)
{
    QString path = dir.filePath(name);
    const int lines = qMax(1, int(qint64(words) * kLargeListLines / kLargeListWords));
    listfile::writeFile(path, generateLargeList(lines, words));
    return path;
}

// The same with a page marker before every 15th line, as a mushaf's pages divide it.
QString writePagedList(const QTemporaryDir& dir, const QString& name, int words)
{
    QString path = dir.filePath(name);
    const int lines = qMax(1, int(qint64(words) * kLargeListLines / kLargeListWords));
    QStringList paged;
    const QStringList text = generateLargeList(lines, words).split(QStringLiteral("\r\n"));
    for (int line = 0; line < text.size(); ++line) {
        if (line % 15 == 0)
            paged.append(QStringLiteral("## page %1").arg(line / 15 + 1));
        paged.append(text[line]);
    }
    listfile::writeFile(path, paged.join(QStringLiteral("\r\n")));
    return path;
}

// Settings as the program leaves them after opening `list` (none if empty).
void writeSettings(const QString& file, const QString& list)
{
    QFile settings(file);
    settings.open(QIODevice::WriteOnly);
    settings.write("[Zorvel20]\nActiveTab=1\nListerSpeed=1\n");
    if (!list.isEmpty()) {
        settings.write("LastOpenFolder=" + QFileInfo(list).path().toUtf8() + "\n");
        settings.write("MRUF=" + list.toUtf8() + "|*|\n");
    }
}

// The row of lstSelect that holds the item to pick next.
int rightRow(const UniListBox* select, const QString& item)
{
    const QString label = getDisplayWords(item);
    for (int row = 1; row < select->ListCount(); ++row)
        if (select->List(row) == label)
            return row;
    return -1;
}

// A program to start: this one in one of its child modes, or the floor; `prepare` runs before
// each start, outside the time measured.
struct Run {
    QString program;
    QStringList arguments;
    std::function<void()> prepare = {};
};

// This program in a child mode, in the folder of its settings, which are written afresh before
// every run with `reopened` as the most recent list: the list a run opens joins the recent
// files, and the next run must not find it there. `wordList` is loaded in word mode after
// start-up.
Run childMode(const QString& mode, const QString& settings, const QString& reopened,
              const QString& wordList = QString())
{
    return {QCoreApplication::applicationFilePath(),
            {mode, QFileInfo(settings).path(), settings, wordList},
            [=] { writeSettings(settings, reopened); }};
}

// Starts a program; the time until it first prints (the end of its start-up, before it shuts
// down), and what it printed.
std::pair<double, double> runOnce(const Run& run)
{
    if (run.prepare)
        run.prepare();
    QProcess process;
    QElapsedTimer timer;
    timer.start();
    process.start(run.program, run.arguments);
    process.waitForReadyRead(60000);
    const double startUp = double(timer.nsecsElapsed()) / 1e6;
    process.waitForFinished(60000);
    return {startUp, process.readAllStandardOutput().trimmed().toDouble()};
}

// The median of what a child mode prints, over five runs.
double printedByChild(const Run& child)
{
    std::vector<double> values;
    values.reserve(5);
    for (int i = 0; i < 5; ++i)
        values.push_back(runOnce(child).second);
    return median(values);
}

// The start-ups of several programs, each the median of 31 runs taken in turns after a run of
// each to warm the caches, so that the machine's drift weighs on all alike.
std::vector<double> startUps(const std::vector<Run>& programs)
{
    for (const Run& program : programs)
        runOnce(program);
    std::vector<std::vector<double>> times(programs.size());
    for (int i = 0; i < 31; ++i)
        for (size_t p = 0; p < programs.size(); ++p)
            times[p].push_back(runOnce(programs[p]).first);
    std::vector<double> medians;
    medians.reserve(times.size());
    for (const std::vector<double>& programTimes : times)
        medians.push_back(median(programTimes));
    return medians;
}

// The child modes: the program's first painted window with a list reopened or loaded in word
// mode, and its memory with a list loaded in word mode.
int runChild(const QStringList& args)
{
    QTextStream out(stdout);
    frmMain window(args[2], args[3]);
    if (args[1] == u"--child-word" || args[1] == u"--child-memory") {
        if (!args.value(4).isEmpty())
            window.LoadZVFFile(args[4], true);
    }
    window.show();
    QApplication::processEvents();
    if (args[1] == u"--child-memory")
        out << peakMegabytes() << Qt::endl;
    else
        out << "painted" << Qt::endl;
    return 0;
}

// Start-up against its floor: a minimal program that reads the same text plainly and paints
// its first lines with the same font; and against an empty window.
void startUpRows(const QTemporaryDir& dir, const QString& large, const QString& settings)
{
    const QString plain = dir.filePath(QStringLiteral("Large List.utf16"));
    {
        QFile copy(plain);
        copy.open(QIODevice::WriteOnly);
        listfile::Error error;
        const QString text = listfile::readFile(large, &error);
        copy.write(reinterpret_cast<const char*>(text.utf16()), text.size() * 2);
    }
    const QString floorProgram =
        QCoreApplication::applicationDirPath() + QStringLiteral("/zorvel-floor");
    const QFontInfo face(arabicFont(20.25, true).toQFont());
    const auto floor = [&](const QString& entries) {
        return Run{floorProgram,
                   {plain, entries, face.family(), QString::number(face.pointSizeF())}};
    };
    const struct {
        QString measured;
        Run program;
        QString floorDone;
        Run floor;
    } startUpRows[] = {
        {QStringLiteral("start-up to the first painted window, large list reopened, line mode"),
         childMode(QStringLiteral("--child-main"), settings, large),
         QStringLiteral("minimal program: read, split lines, paint"),
         floor(QStringLiteral("line"))},
        {QStringLiteral("start-up to the first painted window, large list, word mode"),
         childMode(QStringLiteral("--child-word"), settings, QString(), large),
         QStringLiteral("minimal program: read, split words, paint"),
         floor(QStringLiteral("word"))},
    };
    for (const auto& startUp : startUpRows) {
        const std::vector<double> times =
            startUps({startUp.program, startUp.floor, Run{floorProgram, {}}});
        row(startUp.measured, times[0], startUp.floorDone, times[1]);
        row(startUp.measured, times[0], QStringLiteral("an empty top-level window"), times[2]);
    }
}

} // namespace

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // A message box would wait for a user who is not there: say it and go on.
    MessageBox::setHandler([](QWidget*, const MessageBox::Request& request) {
        QTextStream(stderr) << "message: " << request.caption << ": " << request.text << Qt::endl;
        return request.defaultAnswer;
    });
    if (app.arguments().value(1).startsWith(QStringLiteral("--child-")))
        return runChild(app.arguments());
    IntervalTimer::setClockDriven(false); // the bench ticks the Lister itself
    QCoreApplication::addLibraryPath(QStringLiteral(ZORVEL_MODULES)); // the Progress chart
    QTemporaryDir dir;
    qputenv("XDG_DATA_HOME", dir.filePath(QStringLiteral("data")).toLocal8Bit()); // no real history
    const QString large = writeList(dir, QStringLiteral("Large List.zva"), kLargeListWords);
    const QString settings = dir.filePath(QStringLiteral("Zorvel.conf"));
    QTextStream(stdout)
        << "| Measured | Value | Reference | Value | Ratio |\n|---|---|---|---|---|\n";
    // Start-up alone, to watch it as features land.
    if (app.arguments().contains(QStringLiteral("--start-up"))) {
        startUpRows(dir, large, settings);
        return 0;
    }

    // The reader against a plain copy of the same bytes, from the file and in memory; each
    // makes its output anew, as a load does.
    const auto readBytes = [&] {
        QFile file(large);
        file.open(QIODevice::ReadOnly);
        return file.readAll();
    };
    const QByteArray bytes = readBytes();
    const double megabytes = double(bytes.size()) / (1024.0 * 1024.0);
    const auto throughput = [&](double milliseconds) { return megabytes / milliseconds * 1000; };
    const double fileCopy = measure(51, readBytes);
    const double fileRead = measure(51, [&] {
        listfile::Error error;
        listfile::readFile(large, &error);
    });
    row(QStringLiteral("read a %1 MiB list file (MiB/s)").arg(megabytes, 0, 'f', 1),
        throughput(fileRead), QStringLiteral("read its bytes plainly (MiB/s)"),
        throughput(fileCopy), QString());
    const double memoryCopy = measure(51, [&] { QByteArray(bytes.constData(), bytes.size()); });
    const double memoryDecode = measure(51, [&] {
        listfile::Error error;
        listfile::decode(bytes, &error);
    });
    row(QStringLiteral("decode the same bytes in memory (MiB/s)"), throughput(memoryDecode),
        QStringLiteral("copy them in memory (MiB/s)"), throughput(memoryCopy), QString());

    // The whole load in word mode against decoding, splitting and building alone, at sizes.
    frmMain window(dir.path(), settings);
    window.show();
    QApplication::processEvents();
    for (const int words : {1000, 10000, kLargeListWords, 320000}) {
        const QString path = words == kLargeListWords
                                 ? large
                                 : writeList(dir, QStringLiteral("List %1.zva").arg(words), words);
        // The window holds the open list while it builds the next, and so does this: freeing
        // first would hand the memory back to the system and fault it in again.
        ItemList open;
        const double modelOnly = measure(7, [&] {
            listfile::Error error;
            ItemList next = buildItems(listfile::readFile(path, &error), true);
            open = std::move(next);
        });
        const double wholeLoad = measure(7, [&] {
            window.LoadZVFFile(path, true);
            QApplication::processEvents();
        });
        row(QStringLiteral("LoadZVFFile, word mode, %1 words, shown window").arg(words), wholeLoad,
            QStringLiteral("decode, split, build items"), modelOnly);
    }

    // The whole Quran's shape, 6,236 verses in 114 surahs, opened with its headings and without.
    {
        const QStringList verses = generateLargeList(6236, 6236 * 12).split(QStringLiteral("\r\n"));
        QStringList withParts;
        for (int verse = 0; verse < verses.size(); ++verse) {
            if (verse % 55 == 0)
                withParts.append(QStringLiteral("# سورة %1").arg(verse / 55 + 1));
            withParts.append(verses[verse]);
        }
        auto listOf = [&](const QString& name, const QStringList& lines) {
            QString path = dir.filePath(name);
            listfile::writeFile(path, lines.join(QStringLiteral("\r\n")));
            return path;
        };
        const QString parted = listOf(QStringLiteral("Quran parts.zva"), withParts);
        const QString plain = listOf(QStringLiteral("Quran plain.zva"), verses);
        auto open = [&](const QString& path) {
            return measure(21, [&] {
                window.LoadZVFFile(path, false);
                QApplication::processEvents();
            });
        };
        row(QStringLiteral("open the whole Quran's shape with its 114 parts, line mode"),
            open(parted), QStringLiteral("the same without headings"), open(plain));
        // Its surahs, pages, juz, quarters and manzils as the Madani mushaf has them.
        QStringList chapterVerse;
        int verse = 0;
        const mushaf::Map& map = mushaf::madani();
        for (int surah = 1; surah <= map.surahs.size(); ++surah)
            for (int n = 1; n <= map.surahs[surah - 1].verses; ++n)
                chapterVerse.append(QStringLiteral("%1|%2|").arg(surah).arg(n) + verses[verse++]);
        QString trouble;
        const QString divided =
            listOf(QStringLiteral("Quran mushaf.zva"),
                   textimport::mushafText(chapterVerse.join(u'\n'), map, &trouble)
                       .split(QStringLiteral("\r\n")));
        row(QStringLiteral("open the whole Quran's shape with its surahs, 604 pages, 30 juz, 240 "
                           "quarters and 7 manzils"),
            open(divided), QStringLiteral("with its 114 parts alone"), open(parted));
    }

    // One Lister tick with 10 entries listed and with all 80,000 listed.
    window.LoadZVFFile(large, true);
    IntervalTimer* timer2 = window.findChild<IntervalTimer*>(QStringLiteral("Timer2"));
    auto tick = [&] { emit timer2->timeout(); };
    for (int i = 0; i < 9; ++i)
        tick();
    auto tickCost = [&] {
        return measure(9,
                       [&] {
                           for (int i = 0; i < 50; ++i)
                               tick();
                           QApplication::processEvents();
                       }) /
               50;
    };
    // Zooming in and out again, painted.
    QAction* zoomIn = window.findChild<QAction*>(QStringLiteral("mnuViewZoomIn"));
    QAction* zoomOut = window.findChild<QAction*>(QStringLiteral("mnuViewZoomOut"));
    auto zoomCost = [&] {
        return measure(9, [&] {
            zoomIn->trigger();
            QApplication::processEvents();
            zoomOut->trigger();
            QApplication::processEvents();
        });
    };
    const double earlyTick = tickCost();
    const double earlyZoom = zoomCost();
    const auto* lstList = window.findChild<UniListBox*>(QStringLiteral("lstList"));
    while (lstList->ListCount() < kLargeListWords - 500)
        tick();
    const double lateTick = tickCost();
    row(QStringLiteral("zoom in and out, 80,000 entries listed"), zoomCost(),
        QStringLiteral("the same with 10 listed"), earlyZoom);
    row(QStringLiteral("one Lister tick, 80,000 entries listed"), lateTick,
        QStringLiteral("the same with 10 listed"), earlyTick);

    // A Quick List of the whole large list, start to finish, each tick as the clock gives it.
    auto* slider = window.findChild<RailSlider*>(QStringLiteral("sdrListingSpeed"));
    auto* restart = window.findChild<QPushButton*>(QStringLiteral("cmdRestartListing"));
    slider->setValue(listing::kQuickSpeed);
    int quickTicks = 0;
    const double quickList = measure(3, [&] {
        restart->click();
        for (quickTicks = 0; timer2->wouldTick(); ++quickTicks)
            tick();
        QApplication::processEvents();
    });
    const double addAtOnce = measure(3, [&] {
        UniListBox plain;
        for (int number = 1; number <= kLargeListWords; ++number)
            plain.AddItem(window.range().byNumber(number));
    });
    row(QStringLiteral("Quick List of 80,000 entries, start to finish (%1 ticks)").arg(quickTicks),
        quickList, QStringLiteral("add the 80,000 entries to a list box"), addAtOnce);

    // One right pick in the Tester over the whole 80,000 items.
    auto* lstSelect = window.findChild<UniListBox*>(QStringLiteral("lstSelect"));
    auto pick = [&](int number) {
        lstSelect->setListIndex(rightRow(lstSelect, window.range().byNumber(number)));
        emit lstSelect->MouseDown(1, 0, 0, 0);
        emit lstSelect->MouseUp(1, 0, 0, 0);
    };
    int next = window.range().first();
    const double bigPick = measure(101, [&] { pick(next++); });
    window.LoadZVFFile(writeList(dir, QStringLiteral("Ten.zva"), 10));
    next = 1;
    const double smallPick = measure(9, [&] { pick(next++); });
    row(QStringLiteral("one right pick, range of 80,000 items"), bigPick,
        QStringLiteral("the same in a range of 10"), smallPick);

    // A book pasted into Write from Memory by mistake, against one entry pasted.
    window.findChild<QAction*>(QStringLiteral("mnuViewWrite"))->trigger();
    AnswerBox* answerBox = window.findChild<WriteWindow*>()->written();
    auto pasteCost = [&](const QString& text) {
        QGuiApplication::clipboard()->setText(text);
        return measure(3, [&] {
            answerBox->clear();
            answerBox->paste();
            QApplication::processEvents();
        });
    };
    row(QStringLiteral("paste 10 MB into Write from Memory"),
        pasteCost(QStringLiteral("كلمة ").repeated(2'000'000)), QStringLiteral("paste one entry"),
        pasteCost(window.range().byNumber(1)));
    window.findChild<WriteWindow*>()->close();

    // The practice history: a pick recorded into a history of 80,000 items and 10,000 tests,
    // and the Progress window opened on it, each against a nearly empty history.
    listfile::Error readError;
    const QStringList items = buildItems(listfile::readFile(large, &readError), true).items;
    const Review review{QDateTime::currentDateTime(), 1, QString(), 1, 1, false, true, 2.0};
    auto historyOf = [&](const QString& name, int itemCount, int testCount) {
        QSqlDatabase database = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        database.setDatabaseName(dir.filePath(name + QStringLiteral(".sqlite")));
        PracticeHistory history(database);
        const PracticeHistory::ListKey key = history.listFor(QStringLiteral("Large"), {}, true, {});
        for (int i = 0; i < itemCount; ++i) {
            Review answer = review;
            answer.number = i + 1;
            answer.text = items[i];
            answer.right = i % 3 == 0;
            history.recordAnswer(key, answer);
        }
        for (int i = 0; i < testCount; ++i)
            history.recordSession(
                key, {QDateTime::currentDateTime(), 1, 10, true, 10, i % 7, 60 + i % 50});
        return std::pair{std::move(history), key};
    };
    auto [full, fullKey] = historyOf(QStringLiteral("full"), kLargeListWords, 10000);
    auto [small, smallKey] = historyOf(QStringLiteral("small"), 10, 10);
    int picked = 0;
    auto recordInto = [&](PracticeHistory& history, const PracticeHistory::ListKey& key) {
        return measure(101, [&] {
            Review answer = review;
            answer.number = picked % 10 + 1;
            answer.text = items[picked++ % 10];
            history.recordAnswer(key, answer);
        });
    };
    row(QStringLiteral("record an answer and its memory, history of 80,000 items and 10,000 tests"),
        recordInto(full, fullKey), QStringLiteral("the same into a history of 10"),
        recordInto(small, smallKey));
    // A recited entry marked and left: the check's rules, its review with a word's mark and an
    // entry's, and the memory that follows.
    auto markInto = [&](PracticeHistory& history, const PracticeHistory::ListKey& key) {
        return measure(101, [&] {
            const int number = picked++ % 10 + 1;
            RecitalCheck check({{number, items[number - 1]}, {number + 1, items[number]}});
            check.revealEntry();
            check.mark(recital::Mark::VowelSlip, 0);
            check.mark(recital::Mark::Prompted);
            const std::optional<RecitalCheck::Checked> checked = check.revealEntry();
            Review answer = review;
            answer.number = checked->number;
            answer.text = checked->text;
            answer.pickedRow = 0;
            answer.grade = int(checked->grade);
            answer.drill = Drill::Recited;
            history.recordAnswer(key, answer, 0, recitalrecord::marksOf(*checked));
        });
    };
    row(QStringLiteral("mark a recited entry, with its review and memory, the same history"),
        markInto(full, fullKey), QStringLiteral("the same into a history of 10"),
        markInto(small, smallKey));
    auto openProgress = [&](PracticeHistory& history, const PracticeHistory::ListKey& key) {
        return measure(9, [&] {
            ProgressData data;
            data.title = QStringLiteral("Large");
            data.sessions = history.sessions(key);
            data.rangeFirst = 1;
            data.rangeLast = 10;
            data.charted = data.sessions.mid(qMax<qsizetype>(0, data.sessions.size() - 300));
            data.weakest = history.weakestItems(key, items, 50);
            data.reference = [](int number) { return QString::number(number); };
            ProgressWindow progress(data, arabicFont(20.25, false));
            progress.show();
            QApplication::processEvents();
        });
    };
    row(QStringLiteral("open the Progress window, 10,000 tests"), openProgress(full, fullKey),
        QStringLiteral("the same with 10 tests"), openProgress(small, smallKey));

    // Today over 10 lists of 10,000 entries each with a year of answers, against one list of
    // 10 entries with ten answers.
    const QDateTime now = QDateTime::currentDateTime();
    // A history of `lists` lists, and the plan of Today over it timed by the returned call.
    auto plannerOf = [&](const QString& name, int lists, int words, int answers, bool byPages) {
        QSqlDatabase database = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        database.setDatabaseName(dir.filePath(name + QStringLiteral(".sqlite")));
        auto history = std::make_shared<PracticeHistory>(database);
        for (int l = 0; l < lists; ++l) {
            const QString file = name + QStringLiteral(" %1.zva").arg(l);
            const QString path =
                byPages ? writePagedList(dir, file, words) : writeList(dir, file, words);
            const LoadedList list = loadList(path, true);
            const PracticeHistory::ListKey key =
                history->listFor(list.title, list.fingerprint(), true, list.items.items);
            history->rememberPath(key, path);
            for (int a = 0; a < answers; ++a) {
                Review answer = review;
                answer.number = a % (words / 4) + 1;
                answer.text = list.items.items[answer.number - 1];
                answer.at = now.addDays(-365 + a * 365 / answers);
                answer.right = a % 5 != 0;
                history->recordAnswer(key, answer);
            }
        }
        revisionplan::Options options;
        options.passagesBy = byPages ? QStringLiteral("page") : QString();
        return [history, options, day = now.date()] {
            return measure(9, [&] { todayPlan(*history, day, options); });
        };
    };
    const auto year = plannerOf(QStringLiteral("year"), 10, 10000, 5000, false);
    const auto pages = plannerOf(QStringLiteral("pages"), 10, 10000, 5000, true);
    row(QStringLiteral("plan Today, 10 lists of 100,000 entries in all, a year of 50,000 answers"),
        year(), QStringLiteral("the same for one list of 10 entries"),
        plannerOf(QStringLiteral("week"), 1, 10, 10, false)());
    // Timed one after the other: the machine's pace drifts over a run.
    const double byPages = pages();
    row(QStringLiteral("plan Today by whole pages, the same lists with pages and year"), byPages,
        QStringLiteral("by the entries due, without pages"), year());

    // Recitation through the program's player: from reciting an entry to its file sounding, the
    // first time (the sound system and the file cold) and once played before; and reading a
    // folder of one file a verse against listing it.
    {
        QTemporaryDir folder;
        const QByteArray wav = tones::wav(200);
        for (int verse = 1; verse <= 6236; ++verse) {
            QFile file(folder.filePath(QStringLiteral("%1.wav").arg(verse, 4, 10, QChar(u'0'))));
            file.open(QIODevice::WriteOnly);
            if (verse <= 2)
                file.write(wav);
        }
        row(QStringLiteral("read a recitation folder of 6,236 files"),
            measure(9, [&] { keep(recitation::indexFolder(folder.path()).files); }),
            QStringLiteral("list it with QDir"),
            measure(9, [&] { keep(QDir(folder.path()).entryList(QDir::Files).size()); }));
        Recitation recitation;
        QString trouble;
        recitation.setPlayer(makeRecitationPlayer(&trouble));
        recitation.setFolder(folder.path(), {}, 6236);
        while (!recitation.isIndexed())
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        auto toSound = [&](int number) {
            QEventLoop wait;
            bool sounded = false; // a file ready at once sounds within recite()
            QObject::connect(&recitation, &Recitation::sounding, &wait, [&] {
                sounded = true;
                wait.quit();
            });
            QTimer::singleShot(5000, &wait, &QEventLoop::quit);
            QElapsedTimer clock;
            clock.start();
            recitation.recite(number, QString::number(number));
            if (!sounded)
                wait.exec();
            const double ms = double(clock.nsecsElapsed()) / 1e6;
            recitation.stop();
            return ms;
        };
        if (recitation.isOn()) {
            const double first = toSound(1);
            std::vector<double> again;
            again.reserve(9);
            for (int k = 0; k < 9; ++k)
                again.push_back(toSound(1));
            row(QStringLiteral("from reciting an entry to its sound, played before"), median(again),
                QStringLiteral("the first time"), first);
        } else {
            QTextStream(stderr) << trouble << Qt::endl;
        }
    }

    // A memory rebuilt from a log of 1,000,000 answers (10,000 items answered a hundred times),
    // against reading the log alone.
    {
        QSqlDatabase database =
            QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("replay"));
        database.setDatabaseName(dir.filePath(QStringLiteral("replay.sqlite")));
        PracticeHistory history(database);
        const PracticeHistory::ListKey key = history.listFor(QStringLiteral("Log"), {}, false, {});
        database.transaction();
        QSqlQuery insert(database);
        insert.prepare(QStringLiteral("INSERT INTO reviews (list, word_mode, position, text, at, "
                                      "picked_row, picked_item, right, first_try, seconds) VALUES "
                                      "(?, 0, ?, ?, ?, 1, ?, ?, 1, 2.5)"));
        for (int r = 0; r < 1'000'000; ++r) {
            const int number = r % 10'000 + 1;
            for (const QVariant& value :
                 {QVariant(key.list), QVariant(number), QVariant(items[number - 1]),
                  QVariant(now.addSecs(-3600LL * (1'000'000 - r) / 100)
                               .toUTC()
                               .toString(Qt::ISODateWithMs)),
                  QVariant(number), QVariant(int(r % 7 != 0))})
                insert.addBindValue(value);
            insert.exec();
        }
        database.commit();
        QSqlQuery forget(database);
        const double replay = measure(3, [&] {
            forget.exec(QStringLiteral("DELETE FROM memory_marks")); // the memory is behind
            history.memories(key);
        });
        QList<Review> log;
        const double readLog = measure(3, [&] { log = history.reviews(key); });
        row(QStringLiteral("rebuild the memory from 1,000,000 answers in the history"), replay,
            QStringLiteral("read the answers alone"), readLog);
        const double replayOnly = measure(3, [&] { revisionplan::replay(log); });
        const double copyOnly = measure(3, [&] {
            QList<Review> copy;
            for (const Review& answer : std::as_const(log))
                copy.append(answer);
        });
        row(QStringLiteral("replay 1,000,000 answers"), replayOnly,
            QStringLiteral("copy them one by one"), copyOnly);
    }

    // Practice shared across machines: a machine's year of 50,000 answers taken in, then a day's
    // more, and a teacher's class of 40 learners with a year each; beside the history's own
    // replay of the same year.
    {
        QTemporaryDir shared;
        QByteArray yearBytes = sharedlog::headerLine({1, QStringLiteral("0123456789abcdef"), {}});
        QList<Review> yearLog;
        SharedAnswer answer{0, QStringLiteral("Large"), {}, false, {}, {}};
        for (int r = 0; r < 50'000; ++r) {
            answer.seq = r + 1;
            answer.review.at = now.addSecs(-365LL * 86400 + r * (365LL * 86400 / 50'000));
            answer.review.day = answer.review.at.toLocalTime().date();
            answer.review.number = r % 6'000 + 1;
            answer.review.text = items[answer.review.number - 1];
            answer.review.grade = 1 + r % 4;
            answer.review.drill = Drill::Recall;
            yearBytes += sharedlog::recordLine(answer);
            yearLog.append(answer.review);
        }
        QByteArray day;
        for (int r = 0; r < 137; ++r) {
            answer.seq = 50'001 + r;
            answer.review.at = now;
            day += sharedlog::recordLine(answer);
        }
        const QString log = shared.filePath(QStringLiteral("0123456789abcdef.zorvel-log"));
        const auto writeLog = [&](const QString& path, const QByteArray& content) {
            QFile file(path);
            file.open(QIODevice::WriteOnly | QIODevice::Append);
            file.write(content);
        };
        writeLog(log, yearBytes);
        int round = 0;
        std::optional<PracticeHistory> taken;
        SharedFolder folder(shared.path(), QStringLiteral("fedcba9876543210"), {});
        const double firstTime = measure(3, [&] {
            QSqlDatabase database = QSqlDatabase::addDatabase(
                QStringLiteral("QSQLITE"), QStringLiteral("shared%1").arg(++round));
            database.setDatabaseName(dir.filePath(QStringLiteral("shared%1.sqlite").arg(round)));
            taken.emplace(database);
            folder.merge(*taken);
        });
        const double replayYear = measure(3, [&] { revisionplan::replay(yearLog); });
        row(QStringLiteral("take in a machine's year of 50,000 answers, the first time"), firstTime,
            QStringLiteral("replay the same year"), replayYear);
        writeLog(log, day);
        const double aDay = measure(1, [&] { folder.merge(*taken); });
        row(QStringLiteral("take in a day's 137 answers after it"), aDay,
            QStringLiteral("replay the same year"), replayYear);

        QTemporaryDir school;
        for (int learner = 1; learner <= 40; ++learner) {
            QDir(school.path()).mkdir(QString::number(learner));
            QFile::copy(log, school.filePath(QStringLiteral("%1/a.zorvel-log").arg(learner)));
        }
        classview::Cache cache;
        const double classFirst = measure(
            1, [&] { classview::classOf(school.path(), QDate::currentDate(), 0.9, &cache); });
        const double classAgain = measure(
            3, [&] { classview::classOf(school.path(), QDate::currentDate(), 0.9, &cache); });
        row(QStringLiteral("a class of 40 learners with a year each, the first time"), classFirst,
            QStringLiteral("replay the 40 years"), 40 * replayYear);
        row(QStringLiteral("the same class opened again"), classAgain,
            QStringLiteral("replay one year"), replayYear);
    }

    // Finding passages as the user types, and the look-alikes' index, over 80,000 items.
    const PassageFinder finder(PassageFinder::itemsOf(items));
    const QString typed = items[items.size() / 2].section(u' ', 0, 0).left(3);
    const double search = measure(21, [&] { finder.find(typed); });
    const double plainScan = measure(21, [&] {
        keep(std::count_if(items.cbegin(), items.cend(),
                           [&](const QString& item) { return item.contains(typed); }));
    });
    row(QStringLiteral("Find: a search as the user types, 80,000 items"), search,
        QStringLiteral("scan the items for the text unfolded"), plainScan);
    const double lookAlikeIndex = measure(5, [&] { LookAlikes index(items); });
    const double foldOnly = measure(5, [&] {
        for (const QString& item : items)
            arabicfold::fold(item);
    });
    row(QStringLiteral("build the look-alikes' index, 80,000 items"), lookAlikeIndex,
        QStringLiteral("fold the items alone"), foldOnly);
    const LookAlikes lookAlikes(items);
    constexpr int kQuestions = 400;
    const double question = measure(5,
                                    [&] {
                                        for (int q = 0; q < kQuestions; ++q) {
                                            const int number =
                                                1 + q * int(items.size() / kQuestions);
                                            lookAlikes.mostLike(number, number, number + 2);
                                        }
                                    }) /
                            kQuestions;
    const double foldOne = measure(5,
                                   [&] {
                                       for (int q = 0; q < kQuestions; ++q)
                                           arabicfold::fold(items[q * (items.size() / kQuestions)]);
                                   }) /
                           kQuestions;
    row(QStringLiteral("one look-alike question, 80,000 items"), question,
        QStringLiteral("fold the item asked about"), foldOne);

    // An entry written from memory, checked: a verse of 128 words typed plainly, with a word
    // wrong, one left out and one added.
    QStringList verseWords;
    for (int at = 0; verseWords.size() < 128; ++at)
        verseWords += items[at].split(u' ', Qt::SkipEmptyParts);
    verseWords.resize(128);
    const QString verse = verseWords.join(u' ');
    QStringList typedWords = arabicfold::foldedWords(verse);
    typedWords[20] = QStringLiteral("كتب");
    typedWords.removeAt(60);
    typedWords.insert(100, QStringLiteral("جميعا"));
    const QString typedVerse = typedWords.join(u' ');
    const double check = measure(21, [&] { writtencheck::compare(typedVerse, verse); });
    const double checkMarks = measure(21, [&] { writtencheck::compare(typedVerse, verse, true); });
    const double foldVerse = measure(21, [&] { arabicfold::fold(verse); });
    row(QStringLiteral("check a typed verse of 128 words"), check,
        QStringLiteral("fold the verse alone"), foldVerse);
    row(QStringLiteral("the same, marks too"), checkMarks, QStringLiteral("fold the verse alone"),
        foldVerse);

    // The Open window over a program folder of 20,000 lists, against the same with 10: the time
    // to search, fill and show the tree, and the memory the tree holds.
    auto openWindowOn = [&](int lists) {
        QTemporaryDir folder;
        QFile(folder.filePath(QStringLiteral("ZV_Readme.htm"))).open(QIODevice::WriteOnly);
        for (int k = 0; k < lists; ++k) {
            const QString sub = folder.filePath(QStringLiteral("Arabic/Part %1").arg(k / 100));
            QDir().mkpath(sub);
            QFile(sub + QStringLiteral("/List %1.zva").arg(k)).open(QIODevice::WriteOnly);
        }
        size_t heldBytes = 0;
        const double time = measure(3, [&] {
            const size_t before = mallinfo2().uordblks;
            frmOpen open(folder.path());
            QTimer::singleShot(0, &open, &QDialog::reject);
            open.showModal();
            heldBytes = mallinfo2().uordblks - before;
        });
        return std::pair{time, double(heldBytes) / (1024 * 1024)};
    };
    const auto [manyTime, manyMemory] = openWindowOn(20000);
    const auto [fewTime, fewMemory] = openWindowOn(10);
    row(QStringLiteral("show the Open window, 20,000 lists"), manyTime,
        QStringLiteral("the same with 10 lists"), fewTime);
    row(QStringLiteral("memory the Open window holds, 20,000 lists"), manyMemory,
        QStringLiteral("the same with 10 lists"), fewMemory, QStringLiteral("MB"));

    // Peak memory and start-up, each in a process of its own.
    const QString memory = QStringLiteral("--child-memory");
    row(QStringLiteral("peak resident memory, large list in word mode"),
        printedByChild(childMode(memory, settings, QString(), large)),
        QStringLiteral("the program with no list"),
        printedByChild(childMode(memory, settings, QString())), QStringLiteral("MB"));
    startUpRows(dir, large, settings);

    // The From and To lists: one shared model against one insert per entry and list.
    QComboBox from;
    QComboBox to;
    ItemNumberModel numbers;
    from.setModel(&numbers);
    to.setModel(&numbers);
    makeLongListReady(&from);
    makeLongListReady(&to);
    const double modelFill = measure(7, [&] {
        numbers.setCount(0);
        numbers.setCount(kLargeListWords);
        from.setCurrentIndex(0);
        to.setCurrentIndex(kLargeListWords - 1);
    });
    const double insertFill = measure(3, [&] {
        QComboBox plainFrom;
        QComboBox plainTo;
        for (int n = 1; n <= kLargeListWords; ++n) {
            plainFrom.addItem(QString::number(n));
            plainTo.addItem(QString::number(n));
        }
    });
    row(QStringLiteral("fill From and To, 80,000 entries each"), modelFill,
        QStringLiteral("80,000 inserts into each"), insertFill);
    from.show();
    const auto popupTime = [&](int count) {
        numbers.setCount(count);
        return measure(5, [&] {
            from.showPopup();
            QApplication::processEvents();
            from.hidePopup();
        });
    };
    const double longPopup = popupTime(kLargeListWords);
    row(QStringLiteral("open the From drop-down, 80,000 entries"), longPopup,
        QStringLiteral("the same with 10 entries"), popupTime(10));

    // The Unicode list box: adding one item at a time, as the Lister does.
    const QStringList words =
        buildItems(generateLargeList(kLargeListLines, kLargeListWords), true).items;
    UniListBox listBox;
    listBox.resize(500, 400);
    listBox.show();
    const double addAll = measure(3, [&] {
        listBox.Clear();
        for (const QString& word : words)
            listBox.AddItem(word);
        QApplication::processEvents();
    });
    const double appendAll = measure(3, [&] {
        QStringList list;
        for (const QString& word : words)
            list.append(word);
    });
    row(QStringLiteral("UniListBox: add 80,000 items one at a time, then paint"), addAll,
        QStringLiteral("append them to a string list"), appendAll);
    return 0;
}
