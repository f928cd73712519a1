#include "practice/history/PracticeHistory.h"

#include <QHash>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

namespace {

// Lists sharing at least this much of their lines are one list, edited or saved again.
constexpr double kSameList = 0.5;

QString isoTime(const QDateTime& time)
{
    return time.toUTC().toString(Qt::ISODateWithMs);
}

// A time as isoTime() writes it, "2026-12-07T08:30:00.000Z", read without the general parser
// (a log of a million answers is read back when a memory is rebuilt); any other form through it.
QDateTime timeOf(const QString& text)
{
    const auto number = [&](int from, int length) {
        int value = 0;
        for (int i = from; i < from + length; ++i) {
            const char16_t c = text[i].unicode();
            if (c < u'0' || c > u'9')
                return -1;
            value = value * 10 + (c - u'0');
        }
        return value;
    };
    if (text.size() == 24 && text[4] == u'-' && text[7] == u'-' && text[10] == u'T' &&
        text[13] == u':' && text[16] == u':' && text[19] == u'.' && text[23] == u'Z') {
        const QDate date(number(0, 4), number(5, 2), number(8, 2));
        const QTime time(number(11, 2), number(14, 2), number(17, 2), number(20, 3));
        if (date.isValid() && time.isValid())
            return QDateTime(date, time, Qt::UTC);
    }
    return QDateTime::fromString(text, Qt::ISODateWithMs);
}

} // namespace

PracticeHistory::PracticeHistory(QSqlDatabase database)
    : m_database(std::move(database))
{
    // Another Zorvel holding the file must not freeze a pick for long: wait briefly, then fail.
    m_database.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=200"));
    if (!m_database.open()) {
        const QSqlError error = m_database.lastError();
        fail(error.databaseText().isEmpty() ? error.text() : error.databaseText());
        return;
    }
    m_open = upgrade();
}

PracticeHistory PracticeHistory::unusable(const QString& why)
{
    PracticeHistory history;
    history.fail(why);
    return history;
}

void PracticeHistory::fail(const QString& why)
{
    m_open = false;
    if (m_error.isEmpty())
        m_error = why.isEmpty() ? QStringLiteral("the practice history cannot be used") : why;
}

bool PracticeHistory::exec(QSqlQuery& query)
{
    if (query.exec())
        return true;
    // The driver's and the database's texts can say the same; one is enough.
    const QSqlError error = query.lastError();
    fail(error.databaseText().isEmpty() ? error.text() : error.databaseText());
    return false;
}

QSqlQuery PracticeHistory::prepared(const QString& statement, const QVariantList& values) const
{
    QSqlQuery query(m_database);
    query.setForwardOnly(true);
    query.prepare(statement);
    for (const QVariant& value : values)
        query.addBindValue(value);
    return query;
}

bool PracticeHistory::run(const QString& statement)
{
    QSqlQuery query(m_database);
    query.prepare(statement);
    return exec(query);
}

// The version is read before anything is written: a file of a newer Zorvel stays as it is, and
// an up-to-date one is not written at all.
bool PracticeHistory::upgrade()
{
    QSqlQuery version(m_database);
    if (!version.exec(QStringLiteral("PRAGMA user_version")) || !version.next()) {
        fail(version.lastError().databaseText());
        return false;
    }
    const int found = version.value(0).toInt();
    version.finish();
    if (found > kSchemaVersion) {
        fail(QStringLiteral("the practice history was written by a newer Zorvel"));
        return false;
    }
    m_open = true;
    // A pick is recorded at once; the write-ahead log keeps that cheap and a crash harmless.
    if (!run(QStringLiteral("PRAGMA journal_mode=WAL")) ||
        !run(QStringLiteral("PRAGMA synchronous=NORMAL")))
        return false;
    if (found == kSchemaVersion)
        return true;
    // All or nothing: a failed upgrade leaves the file as the older version wrote it.
    m_database.transaction();
    const bool done =
        (found >= 4 || upgradeToContentKeys(found)) &&
        (found >= 5 || (run(QStringLiteral("ALTER TABLE reviews ADD COLUMN grade INTEGER NOT NULL "
                                           "DEFAULT 0")) &&
                        createMemoryTables())) &&
        run(QStringLiteral("ALTER TABLE reviews ADD COLUMN drill INTEGER NOT NULL DEFAULT 0")) &&
        // Before drills were told apart, the Lister's recalls alone were graded.
        run(QStringLiteral("UPDATE reviews SET drill = %1 WHERE grade > 0")
                .arg(int(Drill::Recall))) &&
        run(QStringLiteral("PRAGMA user_version = %1").arg(kSchemaVersion));
    if (!done || !m_database.commit()) {
        m_database.rollback();
        fail(m_database.lastError().databaseText());
        return false;
    }
    return true;
}

// Version 4's tables, from nothing or from a version that knew items by their text.
bool PracticeHistory::upgradeToContentKeys(int found)
{
    return run(QStringLiteral("CREATE TABLE lists (id INTEGER PRIMARY KEY, title TEXT NOT NULL, "
                              "fingerprint BLOB NOT NULL DEFAULT x'', path TEXT NOT NULL DEFAULT "
                              "'')")) &&
           run(QStringLiteral("CREATE INDEX lists_title ON lists (title)")) &&
           run(QStringLiteral("CREATE TABLE legacy_items (list INTEGER NOT NULL, text TEXT NOT "
                              "NULL, right_first INTEGER NOT NULL, wrong INTEGER NOT NULL)")) &&
           run(QStringLiteral(
               "CREATE TABLE legacy_confusions (list INTEGER NOT NULL, item TEXT NOT "
               "NULL, other TEXT NOT NULL, count INTEGER NOT NULL)")) &&
           run(QStringLiteral(
               "CREATE TABLE new_sessions (id INTEGER PRIMARY KEY, list INTEGER NOT "
               "NULL, finished TEXT NOT NULL, first INTEGER, last INTEGER, word_mode "
               "INTEGER, right INTEGER, wrong INTEGER, seconds INTEGER)")) &&
           (found == 0 || upgradeTextKeyedTables(found)) &&
           run(QStringLiteral("ALTER TABLE new_sessions RENAME TO sessions")) &&
           run(QStringLiteral("CREATE INDEX sessions_list ON sessions (list, word_mode, id)")) &&
           run(QStringLiteral("CREATE TABLE items (list INTEGER NOT NULL, word_mode INTEGER NOT "
                              "NULL, position INTEGER NOT NULL, text TEXT NOT NULL, right_first "
                              "INTEGER NOT NULL DEFAULT 0, wrong INTEGER NOT NULL DEFAULT 0, "
                              "PRIMARY KEY (list, word_mode, position))")) &&
           run(QStringLiteral(
               "CREATE TABLE confusions (list INTEGER NOT NULL, word_mode INTEGER NOT "
               "NULL, item INTEGER NOT NULL, other INTEGER NOT NULL, count INTEGER "
               "NOT NULL DEFAULT 0, PRIMARY KEY (list, word_mode, item, other))")) &&
           run(QStringLiteral(
               "CREATE TABLE reviews (id INTEGER PRIMARY KEY, list INTEGER NOT NULL, "
               "word_mode INTEGER NOT NULL, position INTEGER NOT NULL, text TEXT NOT "
               "NULL, at TEXT NOT NULL, picked_row INTEGER, picked_item INTEGER, right INTEGER, "
               "first_try INTEGER, seconds REAL)")) &&
           run(QStringLiteral("CREATE INDEX reviews_list ON reviews (list, word_mode, id)"));
}

// Versions 1 to 3 knew a list by its title and an item by its text. Their lists become lists
// without content yet (the first list opened under that title takes them), their tests keep
// their mode and range, and their items and confusions wait for their places in the list.
bool PracticeHistory::upgradeTextKeyedTables(int found)
{
    return (found >= 2 ||
            run(QStringLiteral("CREATE TABLE IF NOT EXISTS sessions (id INTEGER PRIMARY KEY, "
                               "list TEXT NOT NULL, finished TEXT NOT NULL, first INTEGER, last "
                               "INTEGER, word_mode INTEGER, right INTEGER, wrong INTEGER, "
                               "seconds INTEGER)"))) &&
           (found >= 3 ||
            run(QStringLiteral("CREATE TABLE IF NOT EXISTS confusions (list TEXT NOT NULL, item "
                               "TEXT NOT NULL, other TEXT NOT NULL, count INTEGER NOT NULL "
                               "DEFAULT 0, PRIMARY KEY (list, item, other))"))) &&
           run(QStringLiteral("INSERT INTO lists (title) SELECT list FROM items UNION SELECT "
                              "list FROM sessions UNION SELECT list FROM confusions")) &&
           run(QStringLiteral("INSERT INTO legacy_items SELECT lists.id, item, right_first, "
                              "wrong FROM items JOIN lists ON lists.title = items.list")) &&
           run(QStringLiteral("INSERT INTO legacy_confusions SELECT lists.id, item, other, count "
                              "FROM confusions JOIN lists ON lists.title = confusions.list")) &&
           run(QStringLiteral("INSERT INTO new_sessions SELECT sessions.id, lists.id, finished, "
                              "first, last, word_mode, right, wrong, seconds FROM sessions JOIN "
                              "lists ON lists.title = sessions.list")) &&
           run(QStringLiteral("DROP TABLE items")) && run(QStringLiteral("DROP TABLE sessions")) &&
           run(QStringLiteral("DROP TABLE confusions"));
}

PracticeHistory::ListKey PracticeHistory::listFor(const QString& title,
                                                  const listfingerprint::Fingerprint& fingerprint,
                                                  bool wordMode, const QStringList& items)
{
    if (!m_open)
        return {};
    QSqlQuery query(m_database);
    query.prepare(QStringLiteral("SELECT id, fingerprint FROM lists WHERE title = ? ORDER BY id"));
    query.addBindValue(title);
    if (!exec(query))
        return {};
    qint64 found = 0;
    qint64 withoutContent = 0;
    double best = kSameList;
    QByteArray kept;
    while (query.next()) {
        const QByteArray bytes = query.value(1).toByteArray();
        if (bytes.isEmpty()) {
            withoutContent = withoutContent ? withoutContent : query.value(0).toLongLong();
            continue;
        }
        const double likeness =
            listfingerprint::likeness(fingerprint, listfingerprint::fromBytes(bytes));
        if (likeness >= best) {
            best = likeness;
            found = query.value(0).toLongLong();
            kept = bytes;
        }
    }
    found = found ? found : withoutContent;
    const QByteArray current = listfingerprint::toBytes(fingerprint);
    QSqlQuery write(m_database);
    if (!found) {
        write.prepare(QStringLiteral("INSERT INTO lists (title, fingerprint) VALUES (?, ?)"));
        write.addBindValue(title);
        write.addBindValue(current);
        if (!exec(write))
            return {};
        found = write.lastInsertId().toLongLong();
    } else if (kept != current) {
        // The list follows its content as it is edited.
        write.prepare(QStringLiteral("UPDATE lists SET fingerprint = ? WHERE id = ?"));
        write.addBindValue(current);
        write.addBindValue(found);
        if (!exec(write))
            return {};
    }
    const ListKey key{found, wordMode};
    placeOlderRecords(key, items);
    return key;
}

// An item kept by its text alone takes the place of the first item with that text in this
// mode (a line is found in line mode, a word in word mode); what is not found waits.
void PracticeHistory::placeOlderRecords(const ListKey& key, const QStringList& items)
{
    struct Older {
        QVariant row;
        QString item;
        QString other; // a confusion's look-alike; empty for an item's counts
        QVariantList counts;
    };
    QList<Older> older;
    QSqlQuery query(m_database);
    query.setForwardOnly(true);
    query.prepare(QStringLiteral("SELECT rowid, text, '', right_first, wrong FROM legacy_items "
                                 "WHERE list = ? UNION ALL SELECT -rowid, item, other, count, 0 "
                                 "FROM legacy_confusions WHERE list = ?"));
    query.addBindValue(key.list);
    query.addBindValue(key.list);
    if (!exec(query))
        return;
    while (query.next())
        older.append({query.value(0),
                      query.value(1).toString(),
                      query.value(2).toString(),
                      {query.value(3), query.value(4)}});
    if (older.isEmpty())
        return;
    QHash<QString, int> numbers;
    for (int k = int(items.size()); k >= 1; --k)
        numbers.insert(items[k - 1], k);
    m_database.transaction();
    bool written = true;
    for (const Older& record : std::as_const(older)) {
        const int number = numbers.value(record.item);
        const bool confusion = record.row.toLongLong() < 0;
        const int other = confusion ? numbers.value(record.other) : 0;
        if (!number || (confusion && !other))
            continue;
        if (confusion) {
            written = addConfusions(key, number, other, record.counts[0].toInt());
        } else {
            QSqlQuery place = prepared(
                QStringLiteral("INSERT INTO items (list, word_mode, position, text, right_first, "
                               "wrong) VALUES (?, ?, ?, ?, ?, ?) ON CONFLICT (list, word_mode, "
                               "position) DO UPDATE SET right_first = right_first + "
                               "excluded.right_first, wrong = wrong + excluded.wrong"),
                {key.list, int(key.wordMode), number, record.item, record.counts[0],
                 record.counts[1]});
            written = exec(place);
        }
        QSqlQuery placed =
            prepared(confusion ? QStringLiteral("DELETE FROM legacy_confusions WHERE rowid = ?")
                               : QStringLiteral("DELETE FROM legacy_items WHERE rowid = ?"),
                     {qAbs(record.row.toLongLong())});
        written = written && exec(placed);
        if (!written)
            break;
    }
    if (!written || !m_database.commit())
        m_database.rollback();
}

void PracticeHistory::recordAnswer(const ListKey& key, const Review& review, int confusedWith)
{
    if (!m_open || !key.list)
        return;
    m_database.transaction();
    const bool memoryIsUpToDate = memoryIsCurrent(key).has_value();
    QSqlQuery log = prepared(
        QStringLiteral("INSERT INTO reviews (list, word_mode, position, text, at, picked_row, "
                       "picked_item, right, first_try, seconds, grade, drill) VALUES (?, ?, ?, ?, "
                       "?, ?, ?, ?, ?, ?, ?, ?)"),
        {key.list, int(key.wordMode), review.number, review.text, isoTime(review.at),
         review.pickedRow, review.pickedItem, int(review.right), int(review.firstTry),
         review.seconds, review.grade, int(review.drill)});
    bool written = exec(log);
    // Taken now: the connection's last row id moves with every later insert.
    const qint64 reviewId = log.lastInsertId().toLongLong();
    // A right pick after a wrong one adds nothing to the counts: the wrong one was counted.
    // A graded recall is no pick.
    if (written && review.pickedRow > 0 && (!review.right || review.firstTry)) {
        // An item whose text changed since its last answer starts afresh.
        QSqlQuery item = prepared(
            QStringLiteral(
                "INSERT INTO items (list, word_mode, position, text, right_first, wrong) VALUES "
                "(?, ?, ?, ?, ?, ?) ON CONFLICT (list, word_mode, position) DO UPDATE SET "
                "right_first = CASE WHEN text = excluded.text THEN right_first ELSE 0 END + "
                "excluded.right_first, wrong = CASE WHEN text = excluded.text THEN wrong ELSE 0 "
                "END + excluded.wrong, text = excluded.text"),
            {key.list, int(key.wordMode), review.number, review.text, int(review.right),
             int(!review.right)});
        written = exec(item);
    }
    if (written && confusedWith != 0)
        written = addConfusions(key, review.number, confusedWith, 1);
    // The memory follows the log answer by answer while it is up to date; one that is not is
    // rebuilt from the log when next read.
    if (written && memoryIsUpToDate)
        written = foldIntoMemory(key, review, reviewId);
    if (!written || !m_database.commit())
        m_database.rollback();
}

bool PracticeHistory::addConfusions(const ListKey& key, int item, int other, int count)
{
    QSqlQuery confusion = prepared(
        QStringLiteral("INSERT INTO confusions (list, word_mode, item, other, count) VALUES (?, ?, "
                       "?, ?, ?) ON CONFLICT (list, word_mode, item, other) DO UPDATE SET count = "
                       "count + excluded.count"),
        {key.list, int(key.wordMode), item, other, count});
    return exec(confusion);
}

void PracticeHistory::rememberPath(const ListKey& key, const QString& path)
{
    if (!m_open || !key.list)
        return;
    QSqlQuery query =
        prepared(QStringLiteral("UPDATE lists SET path = ? WHERE id = ? AND path <> ?"),
                 {path, key.list, path});
    exec(query);
}

QList<PracticeHistory::KnownList> PracticeHistory::knownLists() const
{
    QList<KnownList> found;
    if (!m_open)
        return found;
    // Each list in each mode, asked of the log's index: no scan of the answers.
    QSqlQuery query = prepared(
        QStringLiteral("SELECT lists.id, modes.word_mode, title, path FROM lists JOIN (SELECT 0 "
                       "AS word_mode UNION ALL SELECT 1) modes WHERE EXISTS (SELECT 1 FROM "
                       "reviews WHERE reviews.list = lists.id AND reviews.word_mode = "
                       "modes.word_mode) ORDER BY title, lists.id, modes.word_mode"),
        {});
    if (!query.exec())
        return found;
    while (query.next())
        found.append({{query.value(0).toLongLong(), query.value(1).toBool()},
                      query.value(2).toString(),
                      query.value(3).toString()});
    return found;
}

void PracticeHistory::recordSession(const ListKey& key, const Session& session)
{
    if (!m_open || !key.list)
        return;
    QSqlQuery query = prepared(
        QStringLiteral("INSERT INTO sessions (list, finished, first, last, word_mode, right, "
                       "wrong, seconds) VALUES (?, ?, ?, ?, ?, ?, ?, ?)"),
        {key.list, session.finished.toUTC().toString(Qt::ISODate), session.first, session.last,
         int(key.wordMode), session.right, session.wrong, session.seconds});
    exec(query);
}

int PracticeHistory::confusions(const ListKey& key, int number, int other) const
{
    if (!m_open)
        return 0;
    QSqlQuery query = prepared(QStringLiteral("SELECT count FROM confusions WHERE list = ? AND "
                                              "word_mode = ? AND item = ? AND other = ?"),
                               {key.list, int(key.wordMode), number, other});
    return query.exec() && query.next() ? query.value(0).toInt() : 0;
}

QList<PracticeHistory::Confusion>
PracticeHistory::mostConfused(const ListKey& key, const QStringList& items, int count) const
{
    QList<Confusion> found;
    if (!m_open)
        return found;
    // The item's text is kept with its counts; the look-alike taken for it must still be there.
    QSqlQuery pairs = prepared(
        QStringLiteral("SELECT confusions.item, other, count, items.text FROM confusions JOIN "
                       "items ON items.list = confusions.list AND items.word_mode = "
                       "confusions.word_mode AND items.position = confusions.item WHERE "
                       "confusions.list = ? AND confusions.word_mode = ?"),
        {key.list, int(key.wordMode)});
    if (!pairs.exec())
        return found;
    QMap<std::pair<int, int>, int> counts;
    while (pairs.next()) {
        const int number = pairs.value(0).toInt();
        const int other = pairs.value(1).toInt();
        const bool present = number >= 1 && number <= items.size() && other >= 1 &&
                             other <= items.size() &&
                             items[number - 1] == pairs.value(3).toString();
        if (present && number != other)
            counts[{qMin(number, other), qMax(number, other)}] += pairs.value(2).toInt();
    }
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
    if (!m_open)
        return found;
    QSqlQuery query = prepared(QStringLiteral("SELECT position, text, right_first, wrong FROM "
                                              "items WHERE list = ? AND word_mode = ? AND wrong > "
                                              "0 ORDER BY wrong DESC, right_first ASC, position "
                                              "ASC"),
                               {key.list, int(key.wordMode)});
    if (!query.exec())
        return found;
    while (found.size() < count && query.next()) {
        const ItemRecord item{query.value(0).toInt(), query.value(1).toString(),
                              query.value(2).toInt(), query.value(3).toInt()};
        if (item.number >= 1 && item.number <= items.size() && items[item.number - 1] == item.text)
            found.append(item);
    }
    return found;
}

QList<PracticeHistory::Session> PracticeHistory::sessions(const ListKey& key) const
{
    QList<Session> found;
    if (!m_open)
        return found;
    QSqlQuery query = prepared(QStringLiteral("SELECT finished, first, last, right, wrong, seconds "
                                              "FROM sessions WHERE list = ? AND word_mode = ? "
                                              "ORDER BY id"),
                               {key.list, int(key.wordMode)});
    if (!query.exec())
        return found;
    while (query.next()) {
        Session session;
        session.finished = QDateTime::fromString(query.value(0).toString(), Qt::ISODate);
        session.first = query.value(1).toInt();
        session.last = query.value(2).toInt();
        session.wordMode = key.wordMode;
        session.right = query.value(3).toInt();
        session.wrong = query.value(4).toInt();
        session.seconds = query.value(5).toLongLong();
        found.append(session);
    }
    return found;
}

void PracticeHistory::forEachReview(const ListKey& key,
                                    const std::function<void(const Review&)>& take) const
{
    if (!m_open)
        return;
    QSqlQuery query = prepared(QStringLiteral("SELECT at, position, text, picked_row, "
                                              "picked_item, right, first_try, seconds, grade, "
                                              "drill FROM reviews WHERE list = ? AND word_mode = ? "
                                              "ORDER BY id"),
                               {key.list, int(key.wordMode)});
    if (!query.exec())
        return;
    Review review;
    while (query.next()) {
        review.at = timeOf(query.value(0).toString());
        review.number = query.value(1).toInt();
        review.text = query.value(2).toString();
        review.pickedRow = query.value(3).toInt();
        review.pickedItem = query.value(4).toInt();
        review.right = query.value(5).toBool();
        review.firstTry = query.value(6).toBool();
        review.seconds = query.value(7).toDouble();
        review.grade = query.value(8).toInt();
        const int drill = query.value(9).toInt();
        review.drill = drill >= 0 && drill < kDrills ? Drill(drill) : Drill::Choices;
        take(review);
    }
}

QList<PracticeHistory::DrillCount> PracticeHistory::drillCounts(const ListKey& key) const
{
    QList<DrillCount> counts;
    if (!m_open)
        return counts;
    // Answers that count alike are counted together: a few groups, however long the log.
    QSqlQuery query =
        prepared(QStringLiteral("SELECT drill, right, first_try, grade, COUNT(*) FROM "
                                "reviews WHERE list = ? AND word_mode = ? GROUP BY "
                                "1, 2, 3, 4 ORDER BY 1"),
                 {key.list, int(key.wordMode)});
    if (!query.exec())
        return counts;
    while (query.next()) {
        const int drill = query.value(0).toInt();
        if (drill < 0 || drill >= kDrills)
            continue;
        if (counts.isEmpty() || int(counts.last().drill) != drill)
            counts.append({Drill(drill)});
        Review review;
        review.right = query.value(1).toBool();
        review.firstTry = query.value(2).toBool();
        review.grade = query.value(3).toInt();
        const int count = query.value(4).toInt();
        counts.last().answers += count;
        if (const std::optional<fsrs::Grade> grade = itemmemory::gradeOf(review))
            counts.last().grades[size_t(*grade) - 1] += count;
    }
    return counts;
}

QList<PracticeHistory::Review> PracticeHistory::reviews(const ListKey& key) const
{
    QList<Review> found;
    forEachReview(key, [&](const Review& review) { found.append(review); });
    return found;
}
