#pragma once

#include "lists/listfingerprint.h"
#include "practice/history/sharedanswer.h"
#include "schedule/fitting.h"
#include "schedule/itemmemory.h"

#include <QDateTime>
#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>

#include <array>
#include <deque>
#include <functional>
#include <memory>
#include <optional>

class HistoryDatabase;
class QSqlDatabase;

// The memory of a learner's practice, kept in an embedded SQLite database: every answer as a
// review, and from them for every item how often it was picked right at the first try and how
// often a wrong row was picked while it was the one to pick, the look-alikes taken for it, and
// every completed test. A list is known by its title and its content (a list moved or saved
// again keeps its history, another list of the same title does not share it); an item by its
// list, its mode and its position, with its text, so that an edited line starts afresh.
// A database that cannot be opened, read or written leaves the history off, and says why once;
// practice goes on. Its tables are in historyschema.
class PracticeHistory {
public:
    // A list in one mode, as the history knows it.
    struct ListKey {
        qint64 list = 0;
        bool wordMode = false;
    };
    using Review = ::Review;
    struct ItemRecord {
        int number = 0;
        QString text;
        int rightFirst = 0;
        int wrong = 0;
    };
    struct Session {
        QDateTime finished;
        int first = 0;
        int last = 0;
        bool wordMode = false;
        int right = 0;
        int wrong = 0;
        qint64 seconds = 0;
    };

    // No history: every record is dropped, every question answered with nothing.
    PracticeHistory();
    // No history, and why: its file cannot be reached.
    static PracticeHistory unusable(const QString& why);
    // Opens the database `database` names (its connection already made with its file name),
    // making or upgrading its tables. A file of a newer version is refused untouched. Read only,
    // nothing is written: a file of another version is refused, records are dropped.
    enum class Access { ReadWrite, ReadOnly };
    explicit PracticeHistory(const QSqlDatabase& database, Access access = Access::ReadWrite);
    PracticeHistory(PracticeHistory&&) noexcept;
    PracticeHistory& operator=(PracticeHistory&&) noexcept;
    ~PracticeHistory();

    bool isOpen() const;
    // The file the history is kept in; none for a history in memory or none at all.
    QString fileName() const;
    // Why the history is off; empty while it works.
    QString error() const;

    // The list titled `title` whose content is like `fingerprint`, made when it is new. Items
    // kept by an older version under their text alone find their place in `items`.
    ListKey listFor(const QString& title, const listfingerprint::Fingerprint& fingerprint,
                    bool wordMode, const QStringList& items);

    // Where the list's file was last opened from, so that a plan can open it again.
    void rememberPath(const ListKey& key, const QString& path);
    // A list in one mode with answers in the log, and where its file was last.
    struct KnownList {
        ListKey key;
        QString title;
        QString path;
    };
    QList<KnownList> knownLists() const;

    using RecitalMark = ::RecitalMark;
    // An answer: the review row, the item's counts and, when a look-alike elsewhere in the list
    // was picked (`confusedWith`), the confusion; for a recited entry, its marks.
    void recordAnswer(const ListKey& key, const Review& review, int confusedWith = 0,
                      const QList<RecitalMark>& marks = {});
    void recordSession(const ListKey& key, const Session& session);
    // Records not saved yet, kept in order while Zorvel runs, and why they wait; the next
    // record, or saveWaiting(), tries them again.
    int unsaved() const;
    QString delay() const;
    void saveWaiting();

    // How often item `other` was taken for item `number`.
    int confusions(const ListKey& key, int number, int other) const;
    // Two items taken for one another, either way round, and how often.
    struct Confusion {
        int number = 0; // the lower of the two
        int other = 0;
        int count = 0;
    };
    // The pairs taken for one another most often, the most first; `items` is the open list, and
    // a pair with an item whose text changed since is left out.
    QList<Confusion> mostConfused(const ListKey& key, const QStringList& items, int count) const;
    // The items that drew the most wrong picks, worst first; `items` is the open list, and an
    // item whose text changed since is left out.
    QList<ItemRecord> weakestItems(const ListKey& key, const QStringList& items, int count) const;
    // The completed tests in this mode, oldest first.
    QList<Session> sessions(const ListKey& key) const;
    // Every answer in this mode, oldest first: handed over one by one, or all at once.
    void forEachReview(const ListKey& key, const std::function<void(const Review&)>& take) const;
    QList<Review> reviews(const ListKey& key) const;
    // The memory of every item reviewed in this mode, by number: kept up to date with each
    // answer, and replayed from the log when it is not known to follow it or is damaged.
    QMap<int, ItemMemory> memories(const ListKey& key);
    // The answers of each drill in this mode, and how many the model took as each grade.
    struct DrillCount {
        Drill drill = Drill::Choices;
        int answers = 0;
        std::array<int, 4> grades{}; // Again, Hard, Good, Easy
    };
    QList<DrillCount> drillCounts(const ListKey& key) const;
    // Every mark of the passages recited in this mode, oldest first, with its entry and day.
    struct MarkedEntry {
        int number = 0;
        QString text;
        QDate day;
        RecitalMark mark;
    };
    QList<MarkedEntry> recitalMarks(const ListKey& key) const;
    // The day of every answer of `drill` in this mode, oldest first.
    QList<QDate> daysOf(const ListKey& key, Drill drill) const;
    // Practice shared across the learner's machines. This installation's answers after its
    // answer `seq` (seq: their row in the log), oldest first, to be written to its shared log.
    QList<SharedAnswer> ownAnswersAfter(qint64 seq) const;
    // The last answer of installation `device` taken in; 0 before the first.
    qint64 appliedFrom(const QString& device) const;
    // Answers of another installation `device` (named `name`), in its order, taken in at once:
    // each list known by its title and content (made when this history never saw it), its
    // memory made again from the log, in time order, when next read.
    void recordShared(const QString& device, const QString& name,
                      const QList<SharedAnswer>& answers);
    // How far the shared log `file` (its name) has been read.
    qint64 sharedOffset(const QString& file) const;
    void setSharedOffset(const QString& file, qint64 offset);
    // The seconds a pick took on average in this mode, pauses cut short; 0 before the first.
    double secondsPerAnswer(const ListKey& key) const;

    // The memory model's weights for this learner, and the last fit of them to their reviews.
    struct ModelFit {
        fsrs::Parameters weights = fsrs::kDefaults; // in use
        bool ownWeights = false;                    // fitted to the learner and kept
        QDate fittedOn;                             // the last fit, kept or not; none: never
        int reviews = 0;                            // the reviews it saw
        int heldOut = 0;                            // of them, the latest held out to judge it
        double lossCurrent = 0;                     // on those, with the weights then in use
        double lossFitted = 0;
        double lossDefaults = 0;
    };
    ModelFit modelFit() const;
    fsrs::Parameters weights() const { return modelFit().weights; }
    // A fit done on `day`, remembered; its weights kept when they predict the held-out reviews
    // better, and every memory made again with them.
    void recordFit(const fitting::Result& fit, QDate day);
    // The default weights in use again; the last fit is remembered.
    void useDefaultWeights();
    // Every answer of every list in each mode, as the weights are fitted to them; and about
    // how many of them a fit learns from (an item's answers after its first).
    fitting::Log fittingLog() const;
    int reviewsToFit() const;

private:
    using Write = std::function<bool(PracticeHistory&)>;
    void save(Write write);
    // An answer of this installation, or of another (`device`, its answer `seq` there).
    bool writeAnswer(const ListKey& key, const Review& review, int confusedWith,
                     const QList<RecitalMark>& marks, const QString& device = {}, qint64 seq = 0);
    bool upgrade();
    // The number of items with a memory when the memories have taken in the log's last review.
    std::optional<int> memoryIsCurrent(const ListKey& key) const;
    bool foldIntoMemory(const ListKey& key, const Review& review, qint64 id);
    bool writeFit(const ModelFit& fit, bool newWeights);
    bool writeMemory(const ListKey& key, int number, const ItemMemory& memory);
    QMap<int, ItemMemory> rebuildMemories(const ListKey& key);
    bool addConfusions(const ListKey& key, int item, int other, int count);
    void placeOlderRecords(const ListKey& key, const QStringList& items);

    std::unique_ptr<HistoryDatabase> m_database;
    std::deque<Write> m_unsaved;
    // Whether items and confusions of a version before 4 still wait for their places.
    bool m_olderRecords = false;
    bool m_readOnly = false;
};
