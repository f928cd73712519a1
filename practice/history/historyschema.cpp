#include "practice/history/historyschema.h"

#include "schedule/itemmemory.h"

namespace historyschema {

namespace {

// The tables of version 4 onwards that earlier versions had in another form or not at all.
const QString kLists = QStringLiteral(
    "CREATE TABLE lists (id INTEGER PRIMARY KEY, title TEXT NOT NULL, fingerprint BLOB NOT NULL "
    "DEFAULT x'', path TEXT NOT NULL DEFAULT '')");
const QString kListsIndex = QStringLiteral("CREATE INDEX lists_title ON lists (title)");
const QString kSessionsIndex =
    QStringLiteral("CREATE INDEX sessions_list ON sessions (list, word_mode, id)");
const QString kItems = QStringLiteral(
    "CREATE TABLE items (list INTEGER NOT NULL, word_mode INTEGER NOT NULL, position INTEGER NOT "
    "NULL, text TEXT NOT NULL, right_first INTEGER NOT NULL DEFAULT 0, wrong INTEGER NOT NULL "
    "DEFAULT 0, PRIMARY KEY (list, word_mode, position))");
const QString kConfusions = QStringLiteral(
    "CREATE TABLE confusions (list INTEGER NOT NULL, word_mode INTEGER NOT NULL, item INTEGER NOT "
    "NULL, other INTEGER NOT NULL, count INTEGER NOT NULL DEFAULT 0, PRIMARY KEY (list, "
    "word_mode, item, other))");
const QString kReviewsIndex =
    QStringLiteral("CREATE INDEX reviews_list ON reviews (list, word_mode, id)");
// Days are Julian day numbers. The day_ columns hold the last review's day as it began: the
// state it found and the review before (NULL on an item's first day), the day's best grade.
const QString kMemory = QStringLiteral(
    "CREATE TABLE memory (list INTEGER NOT NULL, word_mode INTEGER NOT NULL, position INTEGER "
    "NOT NULL, text TEXT NOT NULL, difficulty REAL NOT NULL, stability REAL NOT NULL, "
    "last_review INTEGER NOT NULL, reviews INTEGER NOT NULL, lapses INTEGER NOT NULL, "
    "first_review INTEGER NOT NULL, day_difficulty REAL, day_stability REAL, day_before INTEGER, "
    "day_best INTEGER NOT NULL, PRIMARY KEY (list, word_mode, position))");
// How far into the log the memories are, and the learner's pace in it.
const QString kMemoryMarks = QStringLiteral(
    "CREATE TABLE memory_marks (list INTEGER NOT NULL, word_mode INTEGER NOT NULL, through "
    "INTEGER NOT NULL, items INTEGER NOT NULL, answers INTEGER NOT NULL, seconds REAL NOT NULL, "
    "PRIMARY KEY (list, word_mode))");

// The mistakes marked in a passage recited from memory, each on its review: its kind, the word
// marked (counted from 0; -1 for the whole entry) and that word's text.
const QString kRecitalMarks = QStringLiteral(
    "CREATE TABLE recital_marks (review INTEGER NOT NULL, kind INTEGER NOT NULL, word INTEGER "
    "NOT NULL, word_text TEXT NOT NULL)");
const QString kRecitalMarksIndex =
    QStringLiteral("CREATE INDEX recital_marks_review ON recital_marks (review)");

// Practice shared across a learner's machines: every other installation whose answers were
// taken in, with the last of them; and how far each log in the shared folder has been read.
const QString kSharedDevices = QStringLiteral(
    "CREATE TABLE shared_devices (device TEXT PRIMARY KEY, name TEXT NOT NULL, applied INTEGER "
    "NOT NULL)");
const QString kSharedFiles =
    QStringLiteral("CREATE TABLE shared_files (file TEXT PRIMARY KEY, offset INTEGER NOT NULL)");

// The last fit of the memory model's weights to the learner's reviews: the weights kept (NULL:
// the defaults in use), its day, the reviews it saw and held out, and the held-out reviews' loss
// with the weights then in use, the fitted ones and the defaults. One row at most.
const QString kMemoryFit = QStringLiteral(
    "CREATE TABLE memory_fit (id INTEGER PRIMARY KEY CHECK (id = 1), weights TEXT, fitted_on "
    "INTEGER NOT NULL, reviews INTEGER NOT NULL, held_out INTEGER NOT NULL, loss_current REAL "
    "NOT NULL, loss_fitted REAL NOT NULL, loss_defaults REAL NOT NULL)");

QString sessionsTable(const QString& name)
{
    return QStringLiteral("CREATE TABLE %1 (id INTEGER PRIMARY KEY, list INTEGER NOT NULL, "
                          "finished TEXT NOT NULL, first INTEGER, last INTEGER, word_mode "
                          "INTEGER, right INTEGER, wrong INTEGER, seconds INTEGER)")
        .arg(name);
}

// The review log up to version 4; later versions add a column each.
QString reviewsTable(const QString& laterColumns)
{
    return QStringLiteral("CREATE TABLE reviews (id INTEGER PRIMARY KEY, list INTEGER NOT NULL, "
                          "word_mode INTEGER NOT NULL, position INTEGER NOT NULL, text TEXT NOT "
                          "NULL, at TEXT NOT NULL, picked_row INTEGER, picked_item INTEGER, right "
                          "INTEGER, first_try INTEGER, seconds REAL%1)")
        .arg(laterColumns);
}

const QString kGrade = QStringLiteral("grade INTEGER NOT NULL DEFAULT 0");
const QString kDrill = QStringLiteral("drill INTEGER NOT NULL DEFAULT 0");
// The learner's calendar day when the answer was given.
const QString kDay = QStringLiteral("day INTEGER NOT NULL DEFAULT 0");
// The installation an answer came from (empty: this one) and its number there.
const QString kDevice = QStringLiteral("device TEXT NOT NULL DEFAULT ''");
const QString kSeq = QStringLiteral("seq INTEGER NOT NULL DEFAULT 0");

// Versions 1 to 3 knew a list by its title and an item by its text. Their lists become lists
// without content yet (the first list opened under that title takes them), their tests keep
// their mode and range, and their items and confusions wait in legacy_* tables for their places
// in the list, which they take when it is opened.
QStringList toContentKeys()
{
    return {kLists,
            kListsIndex,
            QStringLiteral("CREATE TABLE legacy_items (list INTEGER NOT NULL, text TEXT NOT NULL, "
                           "right_first INTEGER NOT NULL, wrong INTEGER NOT NULL)"),
            QStringLiteral("CREATE TABLE legacy_confusions (list INTEGER NOT NULL, item TEXT NOT "
                           "NULL, other TEXT NOT NULL, count INTEGER NOT NULL)"),
            sessionsTable(QStringLiteral("new_sessions")),
            QStringLiteral("INSERT INTO lists (title) SELECT list FROM items UNION SELECT list "
                           "FROM sessions UNION SELECT list FROM confusions"),
            QStringLiteral("INSERT INTO legacy_items SELECT lists.id, item, right_first, wrong "
                           "FROM items JOIN lists ON lists.title = items.list"),
            QStringLiteral("INSERT INTO legacy_confusions SELECT lists.id, item, other, count "
                           "FROM confusions JOIN lists ON lists.title = confusions.list"),
            QStringLiteral("INSERT INTO new_sessions SELECT sessions.id, lists.id, finished, "
                           "first, last, word_mode, right, wrong, seconds FROM sessions JOIN "
                           "lists ON lists.title = sessions.list"),
            QStringLiteral("DROP TABLE items"),
            QStringLiteral("DROP TABLE sessions"),
            QStringLiteral("DROP TABLE confusions"),
            QStringLiteral("ALTER TABLE new_sessions RENAME TO sessions"),
            kSessionsIndex,
            kItems,
            kConfusions,
            reviewsTable(QString()),
            kReviewsIndex};
}

} // namespace

QStringList current()
{
    return {kLists,
            kListsIndex,
            sessionsTable(QStringLiteral("sessions")),
            kSessionsIndex,
            kItems,
            kConfusions,
            reviewsTable(QStringList{QString(), kGrade, kDrill, kDay, kDevice, kSeq}.join(
                QStringLiteral(", "))),
            kReviewsIndex,
            kMemory,
            kMemoryMarks,
            kRecitalMarks,
            kRecitalMarksIndex,
            kSharedDevices,
            kSharedFiles,
            kMemoryFit};
}

QStringList upgradeFrom(int version)
{
    QStringList statements;
    if (version < 2) {
        statements.append(QStringLiteral(
            "CREATE TABLE sessions (id INTEGER PRIMARY KEY, list TEXT NOT NULL, finished TEXT NOT "
            "NULL, first INTEGER, last INTEGER, word_mode INTEGER, right INTEGER, wrong INTEGER, "
            "seconds INTEGER)"));
    }
    if (version < 3) {
        statements.append(QStringLiteral(
            "CREATE TABLE confusions (list TEXT NOT NULL, item TEXT NOT NULL, other TEXT NOT "
            "NULL, count INTEGER NOT NULL DEFAULT 0, PRIMARY KEY (list, item, other))"));
    }
    if (version < 4)
        statements += toContentKeys();
    if (version < 5)
        statements +=
            {QStringLiteral("ALTER TABLE reviews ADD COLUMN ") + kGrade, kMemory, kMemoryMarks};
    if (version < 6) {
        // Before drills were told apart, the Lister's recalls alone were graded.
        statements += {QStringLiteral("ALTER TABLE reviews ADD COLUMN ") + kDrill,
                       QStringLiteral("UPDATE reviews SET drill = %1 WHERE grade > 0")
                           .arg(int(Drill::Recall))};
    }
    if (version < 7) {
        // Answers take the day of the zone they are upgraded in; the memories are made again
        // from the log, with what they now keep of each day, when next read.
        statements += {QStringLiteral("ALTER TABLE reviews ADD COLUMN ") + kDay,
                       QStringLiteral("UPDATE reviews SET day = CAST(julianday(date(at, "
                                      "'localtime')) + 0.5 AS INTEGER)"),
                       QStringLiteral("DROP TABLE memory"), kMemory,
                       QStringLiteral("DELETE FROM memory_marks")};
    }
    if (version < 8)
        statements += {kRecitalMarks, kRecitalMarksIndex};
    if (version < 9)
        statements += {QStringLiteral("ALTER TABLE reviews ADD COLUMN ") + kDevice,
                       QStringLiteral("ALTER TABLE reviews ADD COLUMN ") + kSeq, kSharedDevices,
                       kSharedFiles};
    if (version < 10)
        statements += kMemoryFit;
    return statements;
}

} // namespace historyschema
