#include "practice/history/PracticeHistory.h"

#include "practice/history/historydatabase.h"

#include <QHash>
#include <QSqlQuery>
#include <QVariant>

namespace {

// Lists sharing at least this much of their lines are one list, edited or saved again.
constexpr double kSameList = 0.5;

} // namespace

PracticeHistory::ListKey PracticeHistory::listFor(const QString& title,
                                                  const listfingerprint::Fingerprint& fingerprint,
                                                  bool wordMode, const QStringList& items)
{
    qint64 found = 0;
    qint64 withoutContent = 0;
    double best = kSameList;
    QByteArray kept;
    const bool read = m_database->select(
        QStringLiteral("SELECT id, fingerprint FROM lists WHERE title = ? ORDER BY id"), {title},
        [&](const QSqlQuery& row) {
            const QByteArray bytes = row.value(1).toByteArray();
            if (bytes.isEmpty()) {
                withoutContent = withoutContent ? withoutContent : row.value(0).toLongLong();
                return;
            }
            const double likeness =
                listfingerprint::likeness(fingerprint, listfingerprint::fromBytes(bytes));
            if (likeness >= best) {
                best = likeness;
                found = row.value(0).toLongLong();
                kept = bytes;
            }
        });
    if (!read)
        return {};
    found = found ? found : withoutContent;
    if (m_readOnly)
        return {found, wordMode}; // a list it does not know has no answers to read
    const QByteArray current = listfingerprint::toBytes(fingerprint);
    QSqlQuery write(m_database->connection());
    if (!found) {
        write.prepare(QStringLiteral("INSERT INTO lists (title, fingerprint) VALUES (?, ?)"));
        write.addBindValue(title);
        write.addBindValue(current);
        if (!m_database->exec(write))
            return {};
        found = write.lastInsertId().toLongLong();
    } else if (kept != current) {
        // The list follows its content as it is edited.
        write.prepare(QStringLiteral("UPDATE lists SET fingerprint = ? WHERE id = ?"));
        write.addBindValue(current);
        write.addBindValue(found);
        if (!m_database->exec(write))
            return {};
    }
    const ListKey key{found, wordMode};
    if (m_olderRecords)
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
    m_database->select(
        QStringLiteral("SELECT rowid, text, '', right_first, wrong FROM legacy_items WHERE list = "
                       "? UNION ALL SELECT -rowid, item, other, count, 0 FROM legacy_confusions "
                       "WHERE list = ?"),
        {key.list, key.list}, [&](const QSqlQuery& row) {
            older.append({row.value(0),
                          row.value(1).toString(),
                          row.value(2).toString(),
                          {row.value(3), row.value(4)}});
        });
    if (older.isEmpty())
        return;
    QHash<QString, int> numbers;
    for (int k = int(items.size()); k >= 1; --k)
        numbers.insert(items[k - 1], k);
    bool written = m_database->transaction();
    for (const Older& record : std::as_const(older)) {
        const int number = numbers.value(record.item);
        const bool confusion = record.row.toLongLong() < 0;
        const int other = confusion ? numbers.value(record.other) : 0;
        if (!number || (confusion && !other))
            continue;
        if (confusion) {
            written = addConfusions(key, number, other, record.counts[0].toInt());
        } else {
            QSqlQuery& place = m_database->prepared(
                QStringLiteral("INSERT INTO items (list, word_mode, position, text, right_first, "
                               "wrong) VALUES (?, ?, ?, ?, ?, ?) ON CONFLICT (list, word_mode, "
                               "position) DO UPDATE SET right_first = right_first + "
                               "excluded.right_first, wrong = wrong + excluded.wrong"),
                {key.list, int(key.wordMode), number, record.item, record.counts[0],
                 record.counts[1]});
            written = m_database->exec(place);
        }
        QSqlQuery& placed = m_database->prepared(
            confusion ? QStringLiteral("DELETE FROM legacy_confusions WHERE rowid = ?")
                      : QStringLiteral("DELETE FROM legacy_items WHERE rowid = ?"),
            {qAbs(record.row.toLongLong())});
        written = written && m_database->exec(placed);
        if (!written)
            break;
    }
    m_database->commit(written);
}

void PracticeHistory::rememberPath(const ListKey& key, const QString& path)
{
    if (!isOpen() || !key.list)
        return;
    QSqlQuery& query =
        m_database->prepared(QStringLiteral("UPDATE lists SET path = ? WHERE id = ? AND path <> ?"),
                             {path, key.list, path});
    m_database->exec(query);
}

QList<PracticeHistory::KnownList> PracticeHistory::knownLists() const
{
    QList<KnownList> found;
    // Each list in each mode, asked of the log's index: no scan of the answers.
    m_database->select(
        QStringLiteral("SELECT lists.id, modes.word_mode, title, path FROM lists JOIN (SELECT 0 "
                       "AS word_mode UNION ALL SELECT 1) modes WHERE EXISTS (SELECT 1 FROM "
                       "reviews WHERE reviews.list = lists.id AND reviews.word_mode = "
                       "modes.word_mode) ORDER BY title, lists.id, modes.word_mode"),
        {}, [&](const QSqlQuery& row) {
            found.append({{row.value(0).toLongLong(), row.value(1).toBool()},
                          row.value(2).toString(),
                          row.value(3).toString()});
        });
    return found;
}
