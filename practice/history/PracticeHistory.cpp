#include "practice/history/PracticeHistory.h"

#include "practice/history/historydatabase.h"
#include "practice/history/historyrows.h"
#include "practice/history/historyschema.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

PracticeHistory::PracticeHistory()
    : m_database(std::make_unique<HistoryDatabase>())
{
}

PracticeHistory::PracticeHistory(const QSqlDatabase& database, Access access)
    : m_database(std::make_unique<HistoryDatabase>(database))
    , m_readOnly(access == Access::ReadOnly)
{
    QSqlDatabase& connection = m_database->connection();
    // Another Zorvel writing the file holds it for moments: wait for it as long as a pick may
    // take unnoticed; a longer hold leaves the answer waiting for the next save.
    connection.setConnectOptions(
        m_readOnly ? QStringLiteral("QSQLITE_BUSY_TIMEOUT=400;QSQLITE_OPEN_READONLY")
                   : QStringLiteral("QSQLITE_BUSY_TIMEOUT=400"));
    if (!connection.open()) {
        const QSqlError error = connection.lastError();
        m_database->fail(error.databaseText().isEmpty() ? error.text() : error.databaseText());
        return;
    }
    m_database->setOpen();
    if (!upgrade())
        return;
    // Records of a version before 4 are looked for at every list opened only while some wait.
    QSqlQuery& legacy = m_database->prepared(
        QStringLiteral("SELECT 1 FROM sqlite_master WHERE name = 'legacy_items'"), {});
    if (!m_database->exec(legacy) || !legacy.next())
        return;
    legacy.finish();
    QSqlQuery& waiting = m_database->prepared(
        QStringLiteral("SELECT EXISTS (SELECT 1 FROM legacy_items) OR EXISTS (SELECT 1 FROM "
                       "legacy_confusions)"),
        {});
    m_olderRecords = m_database->exec(waiting) && waiting.next() && waiting.value(0).toBool();
}

PracticeHistory::PracticeHistory(PracticeHistory&&) noexcept = default;
PracticeHistory& PracticeHistory::operator=(PracticeHistory&&) noexcept = default;
// A last try for what waits: a disk that filled may have room again.
PracticeHistory::~PracticeHistory()
{
    if (m_database)
        saveWaiting();
}

PracticeHistory PracticeHistory::unusable(const QString& why)
{
    PracticeHistory history;
    history.m_database->fail(why);
    return history;
}

bool PracticeHistory::isOpen() const
{
    return m_database->isOpen();
}

QString PracticeHistory::fileName() const
{
    const QString name = m_database->connection().databaseName();
    return name == u":memory:" ? QString() : name;
}

QString PracticeHistory::error() const
{
    return m_database->error();
}

// The version is read before anything is written: a file of a newer Zorvel stays as it is, and
// an up-to-date one is not written at all.
bool PracticeHistory::upgrade()
{
    QSqlQuery& version = m_database->prepared(QStringLiteral("PRAGMA user_version"), {});
    if (!m_database->exec(version) || !version.next())
        return false;
    const int found = version.value(0).toInt();
    version.finish();
    if (found > historyschema::kVersion) {
        m_database->fail(QStringLiteral("the practice history was written by a newer Zorvel"));
        return false;
    }
    if (m_readOnly && found != historyschema::kVersion) {
        m_database->fail(found == 0 ? QStringLiteral("it holds nothing Zorvel wrote")
                                    : QStringLiteral("it is of an older Zorvel; start Zorvel once "
                                                     "to bring it up to date"));
        return false;
    }
    if (m_readOnly)
        return true;
    // A pick is recorded at once; the write-ahead log keeps that cheap and a crash harmless.
    if (!m_database->run(QStringLiteral("PRAGMA journal_mode=WAL")) ||
        !m_database->run(QStringLiteral("PRAGMA synchronous=NORMAL")))
        return false;
    if (found == historyschema::kVersion)
        return true;
    // All or nothing: a failed upgrade leaves the file as the older version wrote it.
    bool done = m_database->transaction();
    const QStringList statements =
        found == 0 ? historyschema::current() : historyschema::upgradeFrom(found);
    for (const QString& statement : statements)
        done = done && m_database->run(statement);
    done = done &&
           m_database->run(QStringLiteral("PRAGMA user_version = %1").arg(historyschema::kVersion));
    return m_database->commit(done);
}

void PracticeHistory::recordAnswer(const ListKey& key, const Review& review, int confusedWith,
                                   const QList<RecitalMark>& marks)
{
    if (isOpen() && key.list && !m_readOnly)
        save([=](PracticeHistory& history) {
            return history.writeAnswer(key, review, confusedWith, marks);
        });
}

// Each record is saved in its own transaction, after those still waiting, in the order given:
// one that cannot be saved for a while (a full disk, another Zorvel holding the file) waits with
// those after it, and the next record tries them all again.
void PracticeHistory::save(Write write)
{
    m_unsaved.push_back(std::move(write));
    saveWaiting();
}

void PracticeHistory::saveWaiting()
{
    while (!m_unsaved.empty() && isOpen()) {
        const bool written = m_database->transaction() && m_unsaved.front()(*this);
        if (!m_database->commit(written))
            return;
        m_unsaved.pop_front();
    }
    if (!isOpen())
        m_unsaved.clear(); // nowhere to keep them: the learner is told the history is off
}

int PracticeHistory::unsaved() const
{
    return int(m_unsaved.size());
}

QString PracticeHistory::delay() const
{
    return m_unsaved.empty() ? QString() : m_database->delay();
}

bool PracticeHistory::writeAnswer(const ListKey& key, const Review& given, int confusedWith,
                                  const QList<RecitalMark>& marks, const QString& device,
                                  qint64 seq)
{
    Review review = given;
    if (!review.day.isValid())
        review.day = itemmemory::LocalDays().dayOf(review.at);
    // Another machine's answer may be older than answers already here: the memory is made
    // again, in time order, when next read.
    const bool memoryIsUpToDate = device.isEmpty() && memoryIsCurrent(key).has_value();
    QSqlQuery& log = m_database->prepared(
        QStringLiteral("INSERT INTO reviews (list, word_mode, position, text, at, picked_row, "
                       "picked_item, right, first_try, seconds, grade, drill, day, device, seq) "
                       "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
        {key.list, int(key.wordMode), review.number, review.text, historyrows::isoTime(review.at),
         review.pickedRow, review.pickedItem, int(review.right), int(review.firstTry),
         review.seconds, review.grade, int(review.drill), review.day.toJulianDay(),
         device.isNull() ? QStringLiteral("") : device, seq});
    bool written = m_database->exec(log);
    // Taken now: the connection's last row id moves with every later insert.
    const qint64 reviewId = log.lastInsertId().toLongLong();
    // A right pick after a wrong one adds nothing to the counts: the wrong one was counted.
    // A graded recall is no pick.
    if (written && review.pickedRow > 0 && (!review.right || review.firstTry)) {
        // An item whose text changed since its last answer starts afresh.
        QSqlQuery& item = m_database->prepared(
            QStringLiteral(
                "INSERT INTO items (list, word_mode, position, text, right_first, wrong) VALUES "
                "(?, ?, ?, ?, ?, ?) ON CONFLICT (list, word_mode, position) DO UPDATE SET "
                "right_first = CASE WHEN text = excluded.text THEN right_first ELSE 0 END + "
                "excluded.right_first, wrong = CASE WHEN text = excluded.text THEN wrong ELSE 0 "
                "END + excluded.wrong, text = excluded.text"),
            {key.list, int(key.wordMode), review.number, review.text, int(review.right),
             int(!review.right)});
        written = m_database->exec(item);
    }
    if (written && confusedWith != 0)
        written = addConfusions(key, review.number, confusedWith, 1);
    for (const RecitalMark& mark : marks) {
        if (!written)
            break;
        QSqlQuery& marked = m_database->prepared(
            QStringLiteral("INSERT INTO recital_marks (review, kind, word, word_text) VALUES (?, "
                           "?, ?, ?)"),
            {reviewId, mark.kind, mark.word,
             mark.wordText.isNull() ? QStringLiteral("") : mark.wordText}); // no NULL
        written = m_database->exec(marked);
    }
    // The memory follows the log answer by answer while it is up to date; one that is not is
    // rebuilt from the log when next read.
    if (written && memoryIsUpToDate)
        written = foldIntoMemory(key, review, reviewId);
    return written;
}

bool PracticeHistory::addConfusions(const ListKey& key, int item, int other, int count)
{
    QSqlQuery& confusion = m_database->prepared(
        QStringLiteral("INSERT INTO confusions (list, word_mode, item, other, count) VALUES (?, ?, "
                       "?, ?, ?) ON CONFLICT (list, word_mode, item, other) DO UPDATE SET count = "
                       "count + excluded.count"),
        {key.list, int(key.wordMode), item, other, count});
    return m_database->exec(confusion);
}

void PracticeHistory::recordSession(const ListKey& key, const Session& session)
{
    if (!isOpen() || !key.list || m_readOnly)
        return;
    save([=](PracticeHistory& history) {
        QSqlQuery& query = history.m_database->prepared(
            QStringLiteral("INSERT INTO sessions (list, finished, first, last, word_mode, right, "
                           "wrong, seconds) VALUES (?, ?, ?, ?, ?, ?, ?, ?)"),
            {key.list, session.finished.toUTC().toString(Qt::ISODate), session.first, session.last,
             int(key.wordMode), session.right, session.wrong, session.seconds});
        return history.m_database->exec(query);
    });
}

int PracticeHistory::confusions(const ListKey& key, int number, int other) const
{
    QSqlQuery& query =
        m_database->prepared(QStringLiteral("SELECT count FROM confusions WHERE list = ? AND "
                                            "word_mode = ? AND item = ? AND other = ?"),
                             {key.list, int(key.wordMode), number, other});
    return m_database->exec(query) && query.next() ? query.value(0).toInt() : 0;
}

QList<PracticeHistory::Confusion>
PracticeHistory::mostConfused(const ListKey& key, const QStringList& items, int count) const
{
    // The item's text is kept with its counts; the look-alike taken for it must still be there.
    QMap<std::pair<int, int>, int> counts;
    m_database->select(
        QStringLiteral("SELECT confusions.item, other, count, items.text FROM confusions JOIN "
                       "items ON items.list = confusions.list AND items.word_mode = "
                       "confusions.word_mode AND items.position = confusions.item WHERE "
                       "confusions.list = ? AND confusions.word_mode = ?"),
        {key.list, int(key.wordMode)}, [&](const QSqlQuery& pair) {
            const int number = pair.value(0).toInt();
            const int other = pair.value(1).toInt();
            const bool present = number >= 1 && number <= items.size() && other >= 1 &&
                                 other <= items.size() &&
                                 items[number - 1] == pair.value(3).toString();
            if (present && number != other)
                counts[{qMin(number, other), qMax(number, other)}] += pair.value(2).toInt();
        });
    QList<Confusion> found;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        found.append({it.key().first, it.key().second, it.value()});
    std::stable_sort(found.begin(), found.end(),
                     [](const Confusion& a, const Confusion& b) { return a.count > b.count; });
    if (found.size() > count)
        found.resize(count);
    return found;
}

QList<PracticeHistory::ItemRecord>
PracticeHistory::weakestItems(const ListKey& key, const QStringList& items, int count) const
{
    QList<ItemRecord> found;
    m_database->select(QStringLiteral("SELECT position, text, right_first, wrong FROM items WHERE "
                                      "list = ? AND word_mode = ? AND wrong > 0 ORDER BY wrong "
                                      "DESC, right_first ASC, position ASC"),
                       {key.list, int(key.wordMode)}, [&](const QSqlQuery& row) {
                           const ItemRecord item{row.value(0).toInt(), row.value(1).toString(),
                                                 row.value(2).toInt(), row.value(3).toInt()};
                           if (found.size() < count && item.number >= 1 &&
                               item.number <= items.size() && items[item.number - 1] == item.text)
                               found.append(item);
                       });
    return found;
}

QList<PracticeHistory::Session> PracticeHistory::sessions(const ListKey& key) const
{
    QList<Session> found;
    m_database->select(
        QStringLiteral("SELECT finished, first, last, right, wrong, seconds FROM "
                       "sessions WHERE list = ? AND word_mode = ? ORDER BY id"),
        {key.list, int(key.wordMode)}, [&](const QSqlQuery& row) {
            found.append({QDateTime::fromString(row.value(0).toString(), Qt::ISODate),
                          row.value(1).toInt(), row.value(2).toInt(), key.wordMode,
                          row.value(3).toInt(), row.value(4).toInt(), row.value(5).toLongLong()});
        });
    return found;
}

QList<PracticeHistory::MarkedEntry> PracticeHistory::recitalMarks(const ListKey& key) const
{
    QList<MarkedEntry> found;
    m_database->select(
        QStringLiteral("SELECT position, text, day, kind, word, word_text FROM recital_marks JOIN "
                       "reviews ON reviews.id = recital_marks.review WHERE list = ? AND "
                       "word_mode = ? ORDER BY reviews.id, recital_marks.rowid"),
        {key.list, int(key.wordMode)}, [&](const QSqlQuery& row) {
            found.append({row.value(0).toInt(),
                          row.value(1).toString(),
                          QDate::fromJulianDay(row.value(2).toLongLong()),
                          {row.value(3).toInt(), row.value(4).toInt(), row.value(5).toString()}});
        });
    return found;
}

QList<QDate> PracticeHistory::daysOf(const ListKey& key, Drill drill) const
{
    QList<QDate> days;
    m_database->select(QStringLiteral("SELECT day FROM reviews WHERE list = ? AND word_mode = ? "
                                      "AND drill = ? ORDER BY id"),
                       {key.list, int(key.wordMode), int(drill)}, [&](const QSqlQuery& row) {
                           days.append(QDate::fromJulianDay(row.value(0).toLongLong()));
                       });
    return days;
}

// This installation's answers stream in the log's order. With answers of other machines among
// them, each machine's answers count no later than the day of any after them in its own log
// (the rule of a clock run ahead, kept for each machine) and the union is taken in time order.
void PracticeHistory::forEachReview(const ListKey& key,
                                    const std::function<void(const Review&)>& take) const
{
    bool shared = false;
    m_database->select(QStringLiteral("SELECT EXISTS (SELECT 1 FROM reviews WHERE list = ? AND "
                                      "word_mode = ? AND device <> '')"),
                       {key.list, int(key.wordMode)},
                       [&](const QSqlQuery& row) { shared = row.value(0).toBool(); });
    if (!shared) {
        m_database->select(QStringLiteral("SELECT %1 FROM reviews WHERE list = ? AND word_mode = "
                                          "? ORDER BY id")
                               .arg(historyrows::kReviewColumns),
                           {key.list, int(key.wordMode)},
                           [&](const QSqlQuery& row) { take(historyrows::reviewOf(row, 0)); });
        return;
    }
    std::vector<std::pair<QString, Review>> log;
    m_database->select(QStringLiteral("SELECT device, %1 FROM reviews WHERE list = ? AND "
                                      "word_mode = ? ORDER BY id")
                           .arg(historyrows::kReviewColumns),
                       {key.list, int(key.wordMode)}, [&](const QSqlQuery& row) {
                           log.emplace_back(row.value(0).toString(), historyrows::reviewOf(row, 1));
                       });
    for (const Review& review : historyrows::inTimeOrder(std::move(log)))
        take(review);
}

QList<PracticeHistory::DrillCount> PracticeHistory::drillCounts(const ListKey& key) const
{
    QList<DrillCount> counts;
    // Answers that count alike are counted together: a few groups, however long the log.
    m_database->select(
        QStringLiteral("SELECT drill, right, first_try, grade, COUNT(*) FROM reviews WHERE list = "
                       "? AND word_mode = ? GROUP BY 1, 2, 3, 4 ORDER BY 1"),
        {key.list, int(key.wordMode)}, [&](const QSqlQuery& row) {
            const int drill = row.value(0).toInt();
            if (drill < 0 || drill >= kDrills)
                return;
            if (counts.isEmpty() || int(counts.last().drill) != drill)
                counts.append({Drill(drill)});
            Review review;
            review.right = row.value(1).toBool();
            review.firstTry = row.value(2).toBool();
            review.grade = row.value(3).toInt();
            const int count = row.value(4).toInt();
            counts.last().answers += count;
            if (const std::optional<fsrs::Grade> grade = itemmemory::gradeOf(review))
                counts.last().grades[size_t(*grade) - 1] += count;
        });
    return counts;
}

QList<PracticeHistory::Review> PracticeHistory::reviews(const ListKey& key) const
{
    QList<Review> found;
    forEachReview(key, [&](const Review& review) { found.append(review); });
    return found;
}
