#pragma once

#include <QDate>
#include <QDateTime>
#include <QHash>
#include <QList>
#include <QString>

// A teacher's view of a class: a folder whose subfolders are the learners' shared folders,
// shared read-only with the teacher. Each learner's logs are read whole (every machine of
// theirs, each answer once) and their memory replayed; nothing is ever written there.
namespace classview {

struct Learner {
    QString folder; // the subfolder's name
    QString name;   // as the learner chose it
    QDateTime lastPractised;
    int answersThisWeek = 0; // in the 7 days up to today
    int dueToday = 0;
    int memorised = 0;      // entries with a memory
    double meanRecall = 0;  // their mean chance of recall today
    QStringList weakest;    // the entries least likely recalled today: "title number"
    QString confused;       // the pair of entries taken for one another most often
    QList<int> marksByKind; // the mistakes marked in recited passages, prompted first
};

// The learner whose shared folder is `folder`, on `today`, due below `retention`.
Learner learnerOf(const QString& folder, QDate today, double retention);
// What was read of each learner, kept while their logs stay as they were: a class opened again
// reads only the learners whose logs changed.
struct Cache {
    QDate today;
    double retention = 0;
    QHash<QString, std::pair<QString, Learner>> learners; // by folder: its logs' state, the row
};

// Every learner of the class folder, by name.
QList<Learner> classOf(const QString& folder, QDate today, double retention,
                       Cache* cache = nullptr);

// The table as CSV, a header row first.
QString csv(const QList<Learner>& learners);

} // namespace classview
