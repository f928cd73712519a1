#include "practice/session/Practice.h"

#include "practice/plan/MemoryFit.h"

#include "practice/plan/listschedule.h"
#include "practice/plan/todayplan.h"
#include "practice/recital/recitalrecord.h"
#include "practice/search/LookAlikes.h"
#include "practice/search/PassageFinder.h"
#include "practice/session/progressdata.h"
#include "practice/shared/SharedFolder.h"

#include "practice/session/hemistich.h"
#include "practice/session/listing.h"

#include <QTimer>

#include <algorithm>
#include <chrono>

namespace {

// "Practise from it" takes the item and this many after it, as the First 5 preset would.
constexpr int kPractisedAfter = 4;
// The chart shows the latest tests of the range; more points would only blur the line.
constexpr int kCharted = 300;
constexpr int kWeakestShown = 50;
constexpr int kConfusedShown = 20;
constexpr int kAroundPair = 3;

} // namespace

Practice::Practice(QObject* parent)
    : Practice(
          std::mt19937(quint32(std::chrono::system_clock::now().time_since_epoch().count())),
          [] {
              return qint64(std::chrono::duration_cast<std::chrono::milliseconds>(
                                std::chrono::steady_clock::now().time_since_epoch())
                                .count());
          },
          &QDateTime::currentDateTime, parent)
{
}

Practice::Practice(std::mt19937 random, TesterSession::TickCounter tickCount, Clock clock,
                   QObject* parent)
    : QObject(parent)
    , m_tester(random, std::move(tickCount))
    , m_clock(std::move(clock))
{
}

Practice::~Practice() = default;

void Practice::open(LoadedList list, bool wordMode)
{
    blnWordMode = wordMode;
    m_lister.setWordMode(wordMode);
    colItems = std::move(list.items.items);
    m_lines = std::move(list.items.lines);
    m_parts = std::move(list.items.parts);
    m_divisions = std::move(list.items.divisions);
    m_list = std::move(list);
    m_historyKey.reset();
    m_finder.reset(); // made again for this list when asked
    m_lookAlikes.reset();
    emit listOpened();
    apply(PracticeRange(colItems));
}

void Practice::apply(const PracticeRange& range, std::optional<DivisionChoice> division)
{
    colRange = range;
    m_pairNext.reset();
    m_division = division;
    m_tester.restart(colRange);
    m_lister.restart(colRange);
    m_writing.restart(colRange);
    m_gradable.reset();
    emit rangeApplied();
}

bool Practice::choose(int first, int last)
{
    if (first < 1 || last > colRange.count() || first > last)
        return false;
    apply(colRange.chosen(first, last));
    return true;
}

void Practice::chooseFirst(int size)
{
    if (hasList())
        apply(colRange.firstItems(size));
}

void Practice::chooseNext()
{
    if (hasList() && colRange.last() < colRange.count() && !stepDivision(1) && !stepLines(1))
        apply(colRange.next());
}

void Practice::choosePrevious()
{
    if (hasList() && colRange.first() > 1 && !stepDivision(-1) && !stepLines(-1))
        apply(colRange.previous());
}

// A division chosen whole steps to the nearest one of its kind with items; at the first or
// last there is nothing to step to.
bool Practice::stepDivision(int direction)
{
    if (!m_division)
        return false;
    const QList<Part>& divisions = divisionsOf(m_division->kind);
    for (int index = m_division->index + direction; index >= 0 && index < divisions.size();
         index += direction) {
        if (!divisions[index].isEmpty()) {
            chooseDivision(m_division->kind, index);
            break;
        }
    }
    return true;
}

// Word mode's range is chosen in lines: a step moves by as many whole lines as the range
// holds, so that what the line lists say is what is practised.
bool Practice::stepLines(int direction)
{
    const int firstLine = lineIndexOfItem(m_lines, colRange.first());
    const int lastLine = lineIndexOfItem(m_lines, colRange.last());
    if (!blnWordMode || firstLine < 0 || lastLine < 0)
        return false;
    const int size = lastLine - firstLine + 1;
    const int from = std::max(0, direction > 0 ? lastLine + 1 : firstLine - size);
    const int to = std::min(int(m_lines.size()) - 1, from + size - 1);
    return from <= to && choose(m_lines[from].firstItem, m_lines[to].lastItem);
}

void Practice::chooseFound(int passage)
{
    const PassageFinder::Passage& found = finder().passage(passage);
    const int last =
        blnWordMode ? found.last : qMin(found.first + colRange.size() - 1, colRange.count());
    choose(found.first, last);
}

void Practice::practiseFrom(int number)
{
    choose(number, qMin(number + kPractisedAfter, colRange.count()));
}

// The item with one before and one after it, where the list has them: a test of three.
void Practice::practisePair(int number, int other)
{
    auto around = [this](int item) {
        const int last = qMin(colRange.count(), qMax(1, item - 1) + kAroundPair - 1);
        return std::pair(qMax(1, last - kAroundPair + 1), last);
    };
    const auto [first, last] = around(number);
    if (!choose(first, last))
        return;
    m_pairNext = around(other);
}

Practice::StoredRange Practice::storedRange() const
{
    if (!hasList())
        return {};
    return {colRange.first() - 1, colRange.last() - 1};
}

void Practice::restoreRange(StoredRange stored)
{
    if (stored.from == -1 || !hasList())
        return;
    int first = colRange.first();
    int last = colRange.last();
    if (stored.from < colRange.count())
        first = stored.from + 1;
    if (stored.to >= 0 && stored.to < colRange.count())
        last = stored.to + 1;
    choose(first, last);
}

int Practice::lineOfItem(int number) const
{
    return lineIndexOfItem(m_lines, number);
}

int Practice::listingInterval() const
{
    const std::optional<listing::Speed> speed = listing::speed(m_lister.speed());
    return speed ? speed->interval : 0;
}

QString Practice::reference(int number) const
{
    return listing::reference(m_list.name, itemReference(number));
}

QString Practice::itemReference(int number) const
{
    return ::itemReference(m_parts, m_lines, number);
}

const QList<Part>& Practice::divisionsOf(int kind) const
{
    return kind < 0 ? m_parts : m_divisions[kind].divisions;
}

QString Practice::placedReference(int number) const
{
    const QString divisions = divisionsOfItem(m_divisions, number);
    return divisions.isEmpty() ? itemReference(number)
                               : itemReference(number) + QStringLiteral(" \u00B7 ") + divisions;
}

QString Practice::namedReference(int number) const
{
    const int part = partOfItem(m_parts, number);
    return part < 0 ? placedReference(number) : m_parts[part].name + u' ' + placedReference(number);
}

QString Practice::partBegunBy(int number) const
{
    const int part = partOfItem(m_parts, number);
    return part >= 0 && m_parts[part].firstItem == number ? m_parts[part].name : QString();
}

void Practice::chooseDivision(int kind, int index)
{
    if (kind < -1 || kind >= m_divisions.size())
        return;
    const QList<Part>& divisions = divisionsOf(kind);
    if (index < 0 || index >= divisions.size() || divisions[index].isEmpty())
        return;
    apply(colRange.chosen(divisions[index].firstItem, divisions[index].lastItem),
          DivisionChoice{kind, index});
}

TesterSession::Answer Practice::pick(int row)
{
    const Drill drill = m_tester.question().isEmpty() ? Drill::Choices : Drill::HalfChoices;
    TesterSession::Answer answer = m_tester.pick(row - 1);
    if (answer.verdict == TesterSession::Verdict::None)
        return answer;
    const bool right = answer.verdict == TesterSession::Verdict::Right;
    history().recordAnswer(historyKey(),
                           {m_clock(), answer.number, colRange.byNumber(answer.number), row,
                            answer.picked, right, answer.firstTry, answer.seconds, 0, drill},
                           answer.confusedWith);
    publishShared();
    if (m_tester.isComplete()) {
        const PracticeRange& tested = m_tester.range();
        history().recordSession(historyKey(), {m_clock(), tested.first(), tested.last(),
                                               blnWordMode, m_tester.rightCount(),
                                               m_tester.wrongCount(), m_tester.elapsedSeconds()});
    }
    checkHistory();
    if (m_tester.isComplete()) {
        emit testCompleted();
        // The pair's other test follows once the complete one has been shown.
        if (m_pairNext)
            QMetaObject::invokeMethod(
                this,
                [this] {
                    if (const auto range = std::exchange(m_pairNext, std::nullopt))
                        choose(range->first, range->second);
                },
                Qt::QueuedConnection);
    }
    return answer;
}

std::optional<ListerSession::Step> Practice::trackRecall(std::optional<ListerSession::Step> step)
{
    m_gradable.reset();
    if (step && step->reveal)
        m_gradable = step->number;
    return step;
}

void Practice::gradeRecall(fsrs::Grade grade)
{
    if (const std::optional<int> number = std::exchange(m_gradable, std::nullopt)) {
        const bool half =
            m_lister.secondHalves() && !blnWordMode && hemistich::split(colRange.byNumber(*number));
        recordGrade(*number, grade, half ? Drill::HalfRecall : Drill::Recall);
    }
}

const WritingSession::Checked& Practice::checkWritten(const QString& typed)
{
    const WritingSession::Checked& checked = m_writing.check(typed);
    if (checked.number)
        recordGrade(checked.number, checked.grade, Drill::Written);
    return checked;
}

void Practice::recordRecited(const RecitalCheck::Checked& checked)
{
    recordGrade(checked.number, checked.grade, Drill::Recited, recitalrecord::marksOf(checked));
}

void Practice::recordGrade(int number, fsrs::Grade grade, Drill drill,
                           const QList<PracticeHistory::RecitalMark>& marks)
{
    Review review;
    review.at = m_clock();
    review.number = number;
    review.text = colRange.byNumber(number);
    review.right = grade != fsrs::Grade::Again;
    review.grade = int(grade);
    review.drill = drill;
    history().recordAnswer(historyKey(), review, 0, marks);
    publishShared();
    checkHistory();
}

void Practice::setLookAlikes(bool on)
{
    if (!on) {
        m_tester.setLookAlikes({});
        return;
    }
    m_tester.setLookAlikes([this](int number, int from, int to) {
        return m_lookAlikeIndexAllowed ? lookAlikes().mostLike(number, from, to) : 0;
    });
}

const LookAlikes& Practice::lookAlikes()
{
    if (!m_lookAlikes)
        m_lookAlikes = std::make_unique<LookAlikes>(colItems);
    return *m_lookAlikes;
}

// The passages of the open list, folded once when first asked: its items, or its lines.
const PassageFinder& Practice::finder()
{
    if (m_finder)
        return *m_finder;
    if (!blnWordMode) {
        m_finder = std::make_unique<PassageFinder>(PassageFinder::itemsOf(colItems));
    } else {
        QList<std::pair<int, int>> lines;
        lines.reserve(m_lines.size());
        for (const LineEntry& line : std::as_const(m_lines))
            lines.append({line.firstItem, line.lastItem});
        m_finder = std::make_unique<PassageFinder>(PassageFinder::linesOf(colItems, lines));
    }
    QList<int> partStarts;
    for (const Part& part : std::as_const(m_parts))
        partStarts.append(blnWordMode ? part.firstLine : part.firstItem - 1);
    m_finder->setPartStarts(partStarts);
    return *m_finder;
}

ProgressData Practice::progress(QDate today, double retention)
{
    ProgressData data;
    data.title = m_list.title;
    data.rangeFirst = colRange.first();
    data.rangeLast = colRange.last();
    data.reference = [parts = m_parts, lines = m_lines](int number) {
        return ::itemReference(parts, lines, number);
    };
    if (!hasList())
        return data;
    const PracticeHistory::ListKey key = historyKey();
    data.sessions = history().sessions(key);
    for (auto it = data.sessions.crbegin();
         it != data.sessions.crend() && data.charted.size() < kCharted; ++it)
        if (it->first == data.rangeFirst && it->last == data.rangeLast)
            data.charted.prepend(*it);
    // No test of this range yet: the chart shows the latest tests the table lists, not nothing.
    data.chartsRange = !data.charted.isEmpty() || data.sessions.isEmpty();
    if (!data.chartsRange)
        data.charted = data.sessions.mid(std::max<qsizetype>(0, data.sessions.size() - kCharted));
    data.weakest = history().weakestItems(key, colItems, kWeakestShown);
    for (const PracticeHistory::Confusion& pair :
         history().mostConfused(key, colItems, kConfusedShown))
        data.confused.append({pair.number, pair.other, pair.count, colItems[pair.number - 1],
                              colItems[pair.other - 1]});
    data.strength =
        strengthOf(history().memories(key), colItems, today, retention, history().weights());
    data.drills = history().drillCounts(key);
    for (const DivisionKind& kind : std::as_const(m_divisions)) {
        ProgressData::DivisionTable table{kind.name, {}};
        for (const Part& division : kind.divisions)
            table.divisions.append(
                {division.name, division.firstItem, division.lastItem,
                 strengthOfDivision(data.strength, division.firstItem, division.lastItem)});
        data.byDivision.append(table);
    }
    data.mapRows = listschedule::divisionSpans(m_divisions, QStringLiteral("page"));
    data.recital =
        recitalrecord::of(history().recitalMarks(key), history().daysOf(key, Drill::Recited),
                          m_parts, m_divisions, today);
    data.memory = memoryModel();
    checkHistory();
    return data;
}

// The plan reads the history this practice holds: a second connection to the file would close
// the one the answers are written through.
void Practice::share(const QString& folder, const QString& device, const QString& name)
{
    m_shared.reset();
    if (folder.isEmpty())
        return;
    m_shared = std::make_unique<SharedFolder>(folder, device, name);
    connect(m_shared.get(), &SharedFolder::trouble, this, &Practice::sharingTrouble);
    // A sync tool writes a file in many steps: read once it has been quiet a moment.
    auto* soon = new QTimer(m_shared.get());
    soon->setSingleShot(true);
    soon->setInterval(500);
    connect(soon, &QTimer::timeout, this, &Practice::mergeShared);
    connect(m_shared.get(), &SharedFolder::changed, soon, qOverload<>(&QTimer::start));
    QTimer::singleShot(0, m_shared.get(), [this] { mergeShared(); }); // after start-up
}

void Practice::mergeShared()
{
    if (takeInShared() > 0)
        emit sharedAnswersArrived();
}

int Practice::takeInShared()
{
    if (!m_shared)
        return 0;
    m_shared->publish(history()); // this machine's answers given before it shared, too
    const int added = m_shared->merge(history());
    checkHistory();
    return added;
}

int Practice::takeIn(const QString& folder)
{
    const int added = SharedFolder(folder, {}, {}).merge(history());
    checkHistory();
    return added;
}

void Practice::publishShared()
{
    if (m_shared)
        m_shared->publish(history());
}

// The plan takes in the other machines' answers first; it is itself what they would refresh.
QList<TodayRow> Practice::today(QDate day, const revisionplan::Options& options)
{
    takeInShared();
    QList<TodayRow> rows = todayPlan(history(), day, options);
    checkHistory();
    return rows;
}

QString Practice::memoryCsv(QDate day, double retention)
{
    const QMap<int, ItemMemory> memories =
        hasList() ? history().memories(historyKey()) : QMap<int, ItemMemory>();
    checkHistory();
    return listschedule::memoryCsv({colItems, m_lines, m_parts, m_divisions}, blnWordMode, memories,
                                   day, retention, history().weights());
}

MemoryModel Practice::memoryModel()
{
    MemoryModel model;
    model.fit = history().modelFit();
    model.reviews = history().reviewsToFit();
    model.offered = fitting::worthOffering(model.reviews, model.fit.reviews);
    checkHistory();
    return model;
}

void Practice::fitMemory()
{
    if (isFitting())
        return;
    if (!m_fit) {
        m_fit = new MemoryFit(this);
        connect(m_fit, &MemoryFit::progressed, this, &Practice::fitProgressed);
        connect(m_fit, &MemoryFit::finished, this, [this](const fitting::Result& result) {
            history().recordFit(result, m_clock().date());
            checkHistory();
            emit fitFinished(result);
        });
    }
    m_fit->start(history().fileName(), history().weights());
    checkHistory();
}

void Practice::cancelFit()
{
    if (m_fit)
        m_fit->cancel();
}

bool Practice::isFitting() const
{
    return m_fit && m_fit->isRunning();
}

void Practice::useDefaultWeights()
{
    history().useDefaultWeights();
    checkHistory();
}

QList<retentioncost::Cost> Practice::retentionCosts(QDate day, const QList<double>& retentions)
{
    QList<ItemMemory> memories;
    for (const PracticeHistory::KnownList& known : history().knownLists())
        memories += history().memories(known.key).values();
    checkHistory();
    if (memories.isEmpty())
        return {}; // nothing memorised costs nothing
    return retentioncost::costs(memories, day, retentions, history().weights());
}

PracticeHistory& Practice::history()
{
    if (!m_history) {
        m_history = m_openHistory ? m_openHistory() : PracticeHistory();
        checkHistory();
    }
    return *m_history;
}

PracticeHistory::ListKey Practice::historyKey()
{
    if (!m_historyKey) {
        m_historyKey = history().listFor(m_list.title, m_list.fingerprint(), blnWordMode, colItems);
        history().rememberPath(*m_historyKey, m_list.path);
        m_list.text.clear(); // known by its fingerprint now
    }
    return *m_historyKey;
}

// A history that cannot be opened or stops taking records (damaged, locked, a full disk) is
// said once; practice goes on without it.
void Practice::checkHistory()
{
    if (!m_history || !m_openHistory)
        return;
    if (!m_history->isOpen()) {
        if (!std::exchange(m_historyReported, true))
            emit historyTrouble(m_history->error());
        return;
    }
    // Answers that wait are said at once, and again only after they were saved.
    if (m_history->unsaved() == 0)
        m_waitingReported = false;
    else if (!std::exchange(m_waitingReported, true))
        emit answersWaiting(m_history->delay());
}

int Practice::saveWaitingAnswers()
{
    if (!m_history)
        return 0;
    m_history->saveWaiting();
    return m_history->unsaved();
}
