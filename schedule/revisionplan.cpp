#include "schedule/revisionplan.h"

#include <algorithm>
#include <limits>

namespace revisionplan {

Replay::Replay(QDate latest, const fsrs::Parameters& weights)
    : m_latest(latest.isValid() ? latest.toJulianDay() : std::numeric_limits<qint64>::max())
    , m_weights(weights)
{
}

void Replay::add(const Review& review)
{
    const auto grade = itemmemory::gradeOf(review);
    if (!grade)
        return;
    const QDate day = review.day.isValid() ? review.day : m_days.dayOf(review.at);
    const auto known = m_textIds.constFind(review.text);
    int text = 0;
    if (known != m_textIds.cend()) {
        text = *known;
    } else {
        text = int(m_texts.size());
        m_texts.append(review.text);
        m_textIds.insert(review.text, text);
    }
    m_answers.push_back({review.number, text, day.toJulianDay(), *grade});
}

std::vector<qint64> Replay::answerDays() const
{
    std::vector<qint64> days(m_answers.size());
    qint64 latest = m_latest;
    for (size_t i = m_answers.size(); i-- > 0;) {
        latest = std::min(latest, m_answers[i].day);
        days[i] = latest;
    }
    return days;
}

QMap<int, ItemMemory> Replay::memories() const
{
    const std::vector<qint64> days = answerDays();
    QMap<int, ItemMemory> memories;
    Review review;
    for (size_t i = 0; i < m_answers.size(); ++i) {
        const Answer& answer = m_answers[i];
        review.text = m_texts[answer.text];
        const QDate day = QDate::fromJulianDay(days[i]);
        const auto found = memories.find(answer.number);
        if (found == memories.end())
            memories.insert(answer.number,
                            itemmemory::after(nullptr, review, answer.grade, day, m_weights));
        else
            *found = itemmemory::after(&*found, review, answer.grade, day, m_weights);
    }
    return memories;
}

void Replay::addSequencesTo(fitting::Log& log) const
{
    const std::vector<qint64> days = answerDays();
    QHash<int, std::pair<size_t, int>> open; // by item: its sequence in `log`, and its text
    for (size_t i = 0; i < m_answers.size(); ++i) {
        const Answer& answer = m_answers[i];
        auto found = open.find(answer.number);
        if (found == open.end() || found->second != answer.text) {
            log.emplace_back();
            found = open.insert(answer.number, {log.size() - 1, answer.text});
        }
        log[found->first].push_back({int(days[i]), int(answer.grade)});
    }
}

QMap<int, ItemMemory> replay(const QList<Review>& log, QDate latest,
                             const fsrs::Parameters& weights)
{
    Replay replay(latest, weights);
    for (const Review& review : log)
        replay.add(review);
    return replay.memories();
}

double recallOn(const ItemMemory& memory, QDate day, const fsrs::Parameters& weights)
{
    return fsrs::recall(double(qMax<qint64>(0, memory.lastReview.daysTo(day))),
                        memory.state.stability, weights);
}

QDate dueOn(const ItemMemory& memory, double retention, const fsrs::Parameters& weights)
{
    return memory.lastReview.addDays(fsrs::interval(memory.state.stability, retention, weights));
}

namespace {

// The span of `spans` that holds `item`, or -1.
int spanOf(const QList<ItemSpan>& spans, int item)
{
    const auto span =
        std::lower_bound(spans.cbegin(), spans.cend(), item,
                         [](const ItemSpan& entry, int number) { return entry.last < number; });
    return span == spans.cend() || span->first > item ? -1 : int(span - spans.cbegin());
}

// The first and last item of the unit that holds `item`: itself, or in word mode its line.
std::pair<int, int> unitOf(const QList<ItemSpan>& lines, int item)
{
    const int line = spanOf(lines, item);
    return line < 0 ? std::pair{item, item} : std::pair{lines[line].first, lines[line].last};
}

} // namespace

QList<Passage> duePassages(const QMap<int, ItemMemory>& memories, const QList<ItemSpan>& parts,
                           const QList<ItemSpan>& lines, QDate today, const Options& options)
{
    QList<Passage> passages;
    for (auto it = memories.cbegin(); it != memories.cend(); ++it) {
        const int overdue = int(dueOn(*it, options.retention, options.weights).daysTo(today));
        if (overdue < 0)
            continue;
        const auto [first, last] = unitOf(lines, it.key());
        const double recall = recallOn(*it, today, options.weights);
        Passage* open = passages.isEmpty() ? nullptr : &passages.back();
        const bool joins = open && first <= open->last + options.bridged + 1 &&
                           spanOf(parts, first) == spanOf(parts, open->first) &&
                           (last - open->first + 1 <= options.longestPassage ||
                            (!lines.isEmpty() && first <= open->last));
        if (!joins) {
            passages.append({first, last, 1, recall, overdue});
            continue;
        }
        ++open->due;
        open->last = std::max(open->last, last);
        open->lowestRecall = std::min(open->lowestRecall, recall);
        open->overdueDays = std::max(open->overdueDays, overdue);
    }
    std::stable_sort(passages.begin(), passages.end(), [](const Passage& a, const Passage& b) {
        return a.lowestRecall < b.lowestRecall;
    });
    return passages;
}

QList<Passage> dueDivisions(const QMap<int, ItemMemory>& memories, const QList<ItemSpan>& divisions,
                            const QList<ItemSpan>& parts, const QList<ItemSpan>& lines, QDate today,
                            const Options& options)
{
    // Memories and divisions both come in the list's order: one walk through each.
    QList<Passage> learnt; // a division's, while it is the one walked through
    QMap<int, ItemMemory> outside;
    qsizetype division = 0;
    qsizetype open = -1; // the division `learnt.back()` is
    for (auto it = memories.cbegin(); it != memories.cend(); ++it) {
        while (division < divisions.size() && divisions[division].last < it.key())
            ++division;
        if (division == divisions.size() || divisions[division].first > it.key()) {
            outside.insert(it.key(), *it);
            continue;
        }
        if (open != division) {
            learnt.append({it.key(), it.key(), 0, 1, 0});
            open = division;
        }
        Passage& passage = learnt.back();
        passage.last = it.key();
        const int overdue = int(dueOn(*it, options.retention, options.weights).daysTo(today));
        if (overdue < 0)
            continue;
        ++passage.due;
        passage.lowestRecall =
            std::min(passage.lowestRecall, recallOn(*it, today, options.weights));
        passage.overdueDays = std::max(passage.overdueDays, overdue);
    }
    learnt.removeIf([](const Passage& passage) { return passage.due == 0; });
    std::stable_sort(learnt.begin(), learnt.end(), [](const Passage& a, const Passage& b) {
        return a.lowestRecall < b.lowestRecall;
    });
    QList<Passage> due = learnt.mid(0, std::max(0, options.divisionsPerDay));
    due += duePassages(outside, parts, lines, today, options);
    std::stable_sort(due.begin(), due.end(), [](const Passage& a, const Passage& b) {
        return a.lowestRecall < b.lowestRecall;
    });
    return due;
}

QList<Passage> cycleShare(const QMap<int, ItemMemory>& memories, const QList<ItemSpan>& divisions,
                          const QList<Passage>& revisedToday, QDate today, const Options& options)
{
    struct Learnt {
        Passage passage;
        QDate revised; // the latest review of any of its items
    };
    QMap<int, Learnt> learnt; // by index among `divisions`
    for (auto it = memories.cbegin(); it != memories.cend(); ++it) {
        const int division = spanOf(divisions, it.key());
        if (division < 0)
            continue;
        auto entry = learnt.find(division);
        if (entry == learnt.end())
            entry = learnt.insert(division, {{it.key(), it.key(), 0, 1, 0}, it->lastReview});
        Passage& passage = entry->passage;
        passage.last = it.key();
        passage.due += dueOn(*it, options.retention, options.weights) <= today ? 1 : 0;
        passage.lowestRecall =
            std::min(passage.lowestRecall, recallOn(*it, today, options.weights));
        entry->revised = std::max(entry->revised, it->lastReview);
    }
    const int days = std::max(1, options.cycleDays);
    int share = int((learnt.size() + days - 1) / days);
    QList<int> waiting; // divisions not revised today, least recently revised first
    for (auto it = learnt.cbegin(); it != learnt.cend(); ++it) {
        const bool inPassage =
            std::any_of(revisedToday.cbegin(), revisedToday.cend(), [&](const Passage& due) {
                return due.first <= it->passage.last && due.last >= it->passage.first;
            });
        if (it->revised >= today || inPassage)
            --share;
        else
            waiting.append(it.key());
    }
    std::stable_sort(waiting.begin(), waiting.end(),
                     [&](int a, int b) { return learnt[a].revised < learnt[b].revised; });
    QList<int> chosen;
    for (int division : std::as_const(waiting))
        if (learnt[division].revised.daysTo(today) >= days || int(chosen.size()) < share)
            chosen.append(division);
    std::sort(chosen.begin(), chosen.end());
    QList<Passage> passages;
    for (int division : std::as_const(chosen))
        passages.append(learnt[division].passage);
    return passages;
}

QMap<int, ItemMemory> present(QMap<int, ItemMemory> memories, const QStringList& items)
{
    memories.removeIf([&](const QMap<int, ItemMemory>::iterator& it) {
        return it.key() < 1 || it.key() > items.size() || items[it.key() - 1] != it->text;
    });
    return memories;
}

std::optional<std::pair<int, int>> nextToLearn(const QMap<int, ItemMemory>& memories,
                                               const QList<ItemSpan>& parts,
                                               const QList<ItemSpan>& lines, int itemCount,
                                               QDate today, const Options& options,
                                               const QList<ItemSpan>& divisions)
{
    const int learntToday =
        int(std::count_if(memories.cbegin(), memories.cend(),
                          [&](const ItemMemory& memory) { return memory.firstReview == today; }));
    const int next = memories.isEmpty() ? 1 : memories.lastKey() + 1;
    if (next > itemCount)
        return std::nullopt;
    const int first = unitOf(lines, next).first;
    if (const int division = spanOf(divisions, next); division >= 0) {
        if (learntToday > 0)
            return std::nullopt; // the day's stretch is learnt
        const ItemSpan& span = divisions[division];
        const int half = (span.last - span.first + 2) / 2;
        const int end = options.learnHalf ? std::min(span.last, next + half - 1) : span.last;
        return std::pair{first, unitOf(lines, std::min(itemCount, end)).second};
    }
    const int count = options.newPerDay - learntToday;
    if (count <= 0)
        return std::nullopt;
    int last = unitOf(lines, std::min(itemCount, next + count - 1)).second;
    if (const int part = spanOf(parts, first); part >= 0)
        last = std::min(last, parts[part].last);
    return std::pair{first, last};
}

} // namespace revisionplan
