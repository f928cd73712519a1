// The item memories the history keeps beside its review log: updated with each answer, and
// rebuilt from the log whenever they are not known to follow it to its last row.

#include "practice/history/PracticeHistory.h"

#include "practice/history/historydatabase.h"
#include "schedule/revisionplan.h"

#include <QSqlQuery>
#include <QVariant>

namespace {

constexpr double kLongestPause = 120; // seconds; a longer wait is a pause, not the pace

// The columns a memory is read from, in this order, and the memory read from them.
const QString kMemoryColumns =
    QStringLiteral("text, difficulty, stability, last_review, reviews, lapses, first_review, "
                   "day_difficulty, day_stability, day_before, day_best");

QDate dayAt(const QSqlQuery& row, int column)
{
    bool isDay = false;
    const qint64 day = row.value(column).toLongLong(&isDay);
    return isDay ? QDate::fromJulianDay(day) : QDate();
}

QVariant dayValue(QDate day)
{
    return day.isValid() ? QVariant(day.toJulianDay()) : QVariant();
}

ItemMemory memoryAt(const QSqlQuery& row, int first)
{
    return {{row.value(first + 1).toDouble(), row.value(first + 2).toDouble()},
            dayAt(row, first + 3),
            row.value(first).toString(),
            row.value(first + 4).toInt(),
            row.value(first + 5).toInt(),
            dayAt(row, first + 6),
            {row.value(first + 7).toDouble(), row.value(first + 8).toDouble()},
            dayAt(row, first + 9),
            row.value(first + 10).toInt()};
}

} // namespace

std::optional<int> PracticeHistory::memoryIsCurrent(const ListKey& key) const
{
    QSqlQuery& query = m_database->prepared(
        QStringLiteral("SELECT (SELECT through FROM memory_marks WHERE list = ? AND word_mode = "
                       "?), (SELECT MAX(id) FROM reviews WHERE list = ? AND word_mode = ?), "
                       "(SELECT items FROM memory_marks WHERE list = ? AND word_mode = ?)"),
        {key.list, int(key.wordMode), key.list, int(key.wordMode), key.list, int(key.wordMode)});
    if (!m_database->exec(query) || !query.next())
        return std::nullopt;
    const qint64 through = query.value(0).toLongLong(); // NULL: nothing folded yet
    const qint64 last = query.value(1).toLongLong();    // NULL: no review yet
    return through == last ? std::optional(query.value(2).toInt()) : std::nullopt;
}

bool PracticeHistory::foldIntoMemory(const ListKey& key, const Review& review, qint64 id)
{
    bool newItem = false;
    if (const auto grade = itemmemory::gradeOf(review)) {
        QSqlQuery& read = m_database->prepared(
            QStringLiteral("SELECT %1 FROM memory WHERE list = ? AND word_mode = ? AND position "
                           "= ?")
                .arg(kMemoryColumns),
            {key.list, int(key.wordMode), review.number});
        if (!m_database->exec(read))
            return false;
        std::optional<ItemMemory> before;
        if (read.next())
            before = memoryAt(read, 0);
        read.finish();
        newItem = !before;
        // An answer dated before the item's last review (a clock that ran ahead) dates that
        // review anew: the memory waits to be made again from the log.
        if (before && review.day < before->lastReview)
            return true;
        if (!writeMemory(key, review.number,
                         itemmemory::after(before ? &*before : nullptr, review, *grade, review.day,
                                           weights())))
            return false;
    }
    const bool pick = review.pickedRow > 0;
    QSqlQuery& mark = m_database->prepared(
        QStringLiteral("INSERT INTO memory_marks (list, word_mode, through, items, answers, "
                       "seconds) VALUES (?, ?, ?, ?, ?, ?) ON CONFLICT (list, word_mode) DO "
                       "UPDATE SET through = excluded.through, items = items + excluded.items, "
                       "answers = answers + excluded.answers, seconds = seconds + "
                       "excluded.seconds"),
        {key.list, int(key.wordMode), id, int(newItem), int(pick),
         pick ? std::min(review.seconds, kLongestPause) : 0.0});
    return m_database->exec(mark);
}

bool PracticeHistory::writeMemory(const ListKey& key, int number, const ItemMemory& memory)
{
    QSqlQuery& write = m_database->prepared(
        QStringLiteral("INSERT OR REPLACE INTO memory (list, word_mode, position, %1) VALUES (?, "
                       "?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)")
            .arg(kMemoryColumns),
        {key.list, int(key.wordMode), number, memory.text, memory.state.difficulty,
         memory.state.stability, memory.lastReview.toJulianDay(), memory.reviews, memory.lapses,
         memory.firstReview.toJulianDay(),
         memory.dayBefore.isValid() ? QVariant(memory.dayStart.difficulty) : QVariant(),
         memory.dayBefore.isValid() ? QVariant(memory.dayStart.stability) : QVariant(),
         dayValue(memory.dayBefore), memory.dayBest});
    return m_database->exec(write);
}

QMap<int, ItemMemory> PracticeHistory::memories(const ListKey& key)
{
    QMap<int, ItemMemory> found;
    if (!isOpen())
        return found;
    if (const std::optional<int> items = memoryIsCurrent(key)) {
        bool sound = true;
        const QDate today = QDate::currentDate();
        const bool read = m_database->select(
            QStringLiteral("SELECT position, %1 FROM memory WHERE list = ? AND word_mode = ?")
                .arg(kMemoryColumns),
            {key.list, int(key.wordMode)}, [&](const QSqlQuery& row) {
                const ItemMemory memory = memoryAt(row, 1);
                sound = sound && itemmemory::isSound(memory, today);
                found.insert(row.value(0).toInt(), memory);
            });
        if (read && sound && found.size() == *items)
            return found;
        found.clear();
    }
    return isOpen() ? rebuildMemories(key) : found;
}

QMap<int, ItemMemory> PracticeHistory::rebuildMemories(const ListKey& key)
{
    revisionplan::Replay replay(QDate::currentDate(), weights());
    int answers = 0;
    double seconds = 0;
    forEachReview(key, [&](const Review& review) {
        replay.add(review);
        if (review.pickedRow > 0) {
            ++answers;
            seconds += std::min(review.seconds, kLongestPause);
        }
    });
    const QMap<int, ItemMemory>& rebuilt = replay.memories();
    if (m_readOnly)
        return rebuilt;
    bool written = m_database->transaction();
    QSqlQuery& clear =
        m_database->prepared(QStringLiteral("DELETE FROM memory WHERE list = ? AND word_mode = ?"),
                             {key.list, int(key.wordMode)});
    written = written && m_database->exec(clear);
    for (auto it = rebuilt.cbegin(); written && it != rebuilt.cend(); ++it)
        written = writeMemory(key, it.key(), *it);
    QSqlQuery& last = m_database->prepared(
        QStringLiteral("SELECT MAX(id) FROM reviews WHERE list = ? AND word_mode = ?"),
        {key.list, int(key.wordMode)});
    written = written && m_database->exec(last) && last.next();
    if (written && !last.value(0).isNull()) {
        QSqlQuery& mark = m_database->prepared(
            QStringLiteral("INSERT OR REPLACE INTO memory_marks (list, word_mode, through, items, "
                           "answers, seconds) VALUES (?, ?, ?, ?, ?, ?)"),
            {key.list, int(key.wordMode), last.value(0), rebuilt.size(), answers, seconds});
        written = m_database->exec(mark);
    }
    m_database->commit(written);
    return rebuilt;
}

double PracticeHistory::secondsPerAnswer(const ListKey& key) const
{
    QSqlQuery& query = m_database->prepared(
        QStringLiteral("SELECT seconds / answers FROM memory_marks WHERE list = ? AND word_mode = "
                       "? AND answers > 0"),
        {key.list, int(key.wordMode)});
    return m_database->exec(query) && query.next() ? query.value(0).toDouble() : 0;
}
