#include "practice/shared/classview.h"

#include "practice/history/historyrows.h"
#include "practice/recital/RecitalCheck.h"
#include "practice/shared/sharedlog.h"
#include "schedule/memorycsv.h"
#include "schedule/revisionplan.h"

#include <QDir>
#include <QFile>
#include <QHash>
#include <QLocale>
#include <QSet>
#include <QThread>

#include <algorithm>
#include <atomic>
#include <map>
#include <thread>

namespace classview {

namespace {

// One list in one mode, as the logs name it.
struct ListLog {
    QString title;
    std::vector<std::pair<QString, Review>> answers; // with the machine each came from
};

} // namespace

Learner learnerOf(const QString& folder, QDate today, double retention)
{
    Learner learner;
    learner.folder = QFileInfo(folder).fileName();
    learner.name = learner.folder;
    learner.marksByKind = QList<int>(recital::kMarkKinds, 0);
    std::map<QString, ListLog> lists;
    QHash<QString, QSet<qint64>> seen; // each machine's answers, once however many copies
    QHash<std::pair<int, int>, int> confusions;
    QHash<std::pair<int, int>, QString> confusedTitles;
    const QDir dir(folder);
    for (const QString& name :
         dir.entryList({QLatin1Char('*') + sharedlog::kSuffix}, QDir::Files, QDir::Name)) {
        QFile file(dir.filePath(name));
        if (!file.open(QIODevice::ReadOnly))
            continue;
        const QByteArray bytes = file.readAll();
        const std::optional<sharedlog::Header> header = sharedlog::readHeader(bytes);
        if (!header || header->version > sharedlog::kVersion)
            continue;
        learner.name = header->name;
        QSet<qint64>& device = seen[header->device];
        for (const SharedAnswer& answer :
             sharedlog::readRecords(bytes.mid(bytes.indexOf('\n') + 1)).records) {
            if (device.contains(answer.seq))
                continue;
            device.insert(answer.seq);
            const Review& review = answer.review;
            learner.lastPractised = std::max(learner.lastPractised, review.at);
            if (review.day.daysTo(today) >= 0 && review.day.daysTo(today) < 7)
                ++learner.answersThisWeek;
            for (const RecitalMark& mark : answer.marks)
                if (mark.kind >= 1 && mark.kind <= recital::kMarkKinds)
                    ++learner.marksByKind[mark.kind - 1];
            if (review.pickedRow > 0 && !review.right && review.pickedItem != review.number) {
                const std::pair pair(std::min(review.number, review.pickedItem),
                                     std::max(review.number, review.pickedItem));
                ++confusions[pair];
                confusedTitles[pair] = answer.title;
            }
            ListLog& list = lists[answer.listIdentity()];
            list.title = answer.title;
            list.answers.emplace_back(header->device, review);
        }
    }
    std::vector<std::pair<double, QString>> recalls;
    double recallSum = 0;
    for (auto& [key, list] : lists) {
        // A learner's own weights stay on their machines: the class is seen with the defaults.
        revisionplan::Replay replay(today, fsrs::kDefaults);
        for (const Review& review : historyrows::inTimeOrder(std::move(list.answers)))
            replay.add(review);
        const QMap<int, ItemMemory> memories = replay.memories();
        for (auto it = memories.cbegin(); it != memories.cend(); ++it) {
            const double recall = revisionplan::recallOn(*it, today, fsrs::kDefaults);
            recallSum += recall;
            recalls.emplace_back(recall, list.title + u' ' + QLocale().toString(it.key()));
            if (revisionplan::dueOn(*it, retention, fsrs::kDefaults) <= today)
                ++learner.dueToday;
        }
    }
    learner.memorised = int(recalls.size());
    learner.meanRecall = recalls.empty() ? 0 : recallSum / double(recalls.size());
    std::partial_sort(recalls.begin(), recalls.begin() + std::min<size_t>(3, recalls.size()),
                      recalls.end());
    for (size_t i = 0; i < std::min<size_t>(3, recalls.size()); ++i)
        learner.weakest.append(recalls[i].second);
    int most = 0;
    for (auto it = confusions.cbegin(); it != confusions.cend(); ++it)
        if (it.value() > most) {
            most = it.value();
            learner.confused =
                QStringLiteral("%1 %2 / %3")
                    .arg(confusedTitles[it.key()], QLocale().toString(it.key().first),
                         QLocale().toString(it.key().second));
        }
    return learner;
}

QList<Learner> classOf(const QString& folder, QDate today, double retention, Cache* cache)
{
    if (cache && (cache->today != today || cache->retention != retention))
        *cache = {today, retention, {}};
    Cache fresh{today, retention, {}};
    Cache& kept = cache ? *cache : fresh;
    const QDir dir(folder);
    QList<std::pair<QString, QString>> folders; // each learner's folder and its logs' state
    QStringList toRead;
    for (const QString& sub : dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name)) {
        const QString path = dir.filePath(sub);
        QString state;
        for (const QFileInfo& log : QDir(path).entryInfoList(
                 {QLatin1Char('*') + sharedlog::kSuffix}, QDir::Files, QDir::Name))
            state += QStringLiteral("%1:%2:%3;")
                         .arg(log.fileName())
                         .arg(log.size())
                         .arg(log.lastModified().toMSecsSinceEpoch());
        if (!kept.learners.contains(path) || kept.learners[path].first != state)
            toRead.append(path);
        folders.append({path, state});
    }
    // Each learner on their own: a class of forty takes every core of the machine.
    QList<Learner> read(toRead.size());
    std::atomic_int next = 0;
    std::vector<std::thread> readers(
        size_t(std::clamp(QThread::idealThreadCount(), 1, int(toRead.size()) + 1)));
    for (std::thread& reader : readers)
        reader = std::thread([&] {
            for (int at = next++; at < toRead.size(); at = next++)
                read[at] = learnerOf(toRead[at], today, retention);
        });
    for (std::thread& reader : readers)
        reader.join();
    QList<Learner> learners;
    for (const auto& [path, state] : std::as_const(folders)) {
        if (const qsizetype at = toRead.indexOf(path); at >= 0)
            kept.learners.insert(path, {state, read[at]});
        learners.append(kept.learners[path].second);
    }
    std::stable_sort(learners.begin(), learners.end(), [](const Learner& a, const Learner& b) {
        return QString::localeAwareCompare(a.name, b.name) < 0;
    });
    return learners;
}

QString csv(const QList<Learner>& learners)
{
    QString out = QStringLiteral(
        "name,folder,last_practised,answers_7_days,due_today,memorised,mean_recall,weakest,"
        "confused,prompted,wrong_or_missing,vowel_slips,skipped\r\n");
    for (const Learner& l : learners) {
        QStringList row{csvField(l.name),
                        csvField(l.folder),
                        l.lastPractised.isValid() ? l.lastPractised.toString(Qt::ISODate)
                                                  : QString(),
                        QString::number(l.answersThisWeek),
                        QString::number(l.dueToday),
                        QString::number(l.memorised),
                        QString::number(l.meanRecall, 'f', 3),
                        csvField(l.weakest.join(QStringLiteral("; "))),
                        csvField(l.confused)};
        for (const int count : l.marksByKind)
            row.append(QString::number(count));
        out += row.join(u',') + QStringLiteral("\r\n");
    }
    return out;
}

} // namespace classview
