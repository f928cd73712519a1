#include "practice/history/PracticeHistory.h"

#include "practice/history/historydatabase.h"
#include "practice/history/historyrows.h"

#include <QHash>
#include <QSqlQuery>
#include <QVariant>

QList<SharedAnswer> PracticeHistory::ownAnswersAfter(qint64 seq) const
{
    QList<SharedAnswer> answers;
    m_database->select(
        QStringLiteral("SELECT reviews.id, lists.title, lists.fingerprint, reviews.word_mode, %1 "
                       "FROM reviews JOIN lists ON lists.id = reviews.list WHERE reviews.device = "
                       "'' AND reviews.id > ? ORDER BY reviews.id")
            .arg(historyrows::kReviewColumns),
        {seq}, [&](const QSqlQuery& row) {
            answers.append({row.value(0).toLongLong(),
                            row.value(1).toString(),
                            listfingerprint::fromBytes(row.value(2).toByteArray()),
                            row.value(3).toBool(),
                            historyrows::reviewOf(row, 4),
                            {}});
        });
    if (answers.isEmpty())
        return answers;
    qsizetype at = 0;
    m_database->select(QStringLiteral("SELECT review, kind, word, word_text FROM recital_marks "
                                      "WHERE review > ? ORDER BY review, rowid"),
                       {seq}, [&](const QSqlQuery& row) {
                           const qint64 review = row.value(0).toLongLong();
                           while (at < answers.size() && answers[at].seq < review)
                               ++at;
                           if (at < answers.size() && answers[at].seq == review)
                               answers[at].marks.append({row.value(1).toInt(), row.value(2).toInt(),
                                                         row.value(3).toString()});
                       });
    return answers;
}

qint64 PracticeHistory::appliedFrom(const QString& device) const
{
    qint64 applied = 0;
    m_database->select(QStringLiteral("SELECT applied FROM shared_devices WHERE device = ?"),
                       {device},
                       [&](const QSqlQuery& row) { applied = row.value(0).toLongLong(); });
    return applied;
}

void PracticeHistory::recordShared(const QString& device, const QString& name,
                                   const QList<SharedAnswer>& answers)
{
    if (!isOpen() || m_readOnly || answers.isEmpty())
        return;
    // A log names few lists, many times over.
    QHash<QString, ListKey> keys;
    QList<std::pair<ListKey, const SharedAnswer*>> placed;
    for (const SharedAnswer& answer : answers) {
        auto key = keys.constFind(answer.listIdentity());
        if (key == keys.cend())
            key = keys.insert(answer.listIdentity(),
                              listFor(answer.title, answer.fingerprint, answer.wordMode, {}));
        if (key->list)
            placed.append({*key, &answer});
    }
    save([=](PracticeHistory& history) {
        bool written = true;
        for (const auto& [key, answer] : placed)
            written = written && history.writeAnswer(key, answer->review, 0, answer->marks, device,
                                                     answer->seq);
        QSqlQuery& applied = history.m_database->prepared(
            QStringLiteral("INSERT INTO shared_devices (device, name, applied) VALUES (?, ?, ?) "
                           "ON CONFLICT (device) DO UPDATE SET name = excluded.name, applied = "
                           "MAX(applied, excluded.applied)"),
            {device, name, answers.last().seq});
        return written && history.m_database->exec(applied);
    });
}

qint64 PracticeHistory::sharedOffset(const QString& file) const
{
    qint64 offset = 0;
    m_database->select(QStringLiteral("SELECT offset FROM shared_files WHERE file = ?"), {file},
                       [&](const QSqlQuery& row) { offset = row.value(0).toLongLong(); });
    return offset;
}

void PracticeHistory::setSharedOffset(const QString& file, qint64 offset)
{
    if (!isOpen() || m_readOnly)
        return;
    save([=](PracticeHistory& history) {
        QSqlQuery& query = history.m_database->prepared(
            QStringLiteral("INSERT OR REPLACE INTO shared_files (file, offset) VALUES (?, ?)"),
            {file, offset});
        return history.m_database->exec(query);
    });
}
