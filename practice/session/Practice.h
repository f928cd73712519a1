#pragma once

#include "lists/listloader.h"
#include "practice/history/PracticeHistory.h"
#include "practice/recital/RecitalCheck.h"
#include "practice/session/ListerSession.h"
#include "practice/session/PracticeRange.h"
#include "practice/session/TesterSession.h"
#include "practice/session/WritingSession.h"
#include "schedule/retentioncost.h"
#include "schedule/revisionplan.h"

#include <QObject>

#include <functional>
#include <memory>
#include <optional>

class LookAlikes;
class MemoryFit;
class PassageFinder;
struct MemoryModel;
struct ProgressData;
struct TodayRow;

// The practice of the open list, which the windows only show: the list (items, lines, mode,
// identity), the practised range, the Lister and Tester sessions, the finder and look-alikes,
// and the practice history. Input comes as plain calls; every change of the practised range
// restarts both sessions and is told by rangeApplied().
class SharedFolder;

class Practice : public QObject {
    Q_OBJECT
public:
    using Clock = std::function<QDateTime()>;
    using HistoryOpener = std::function<PracticeHistory()>;

    // A range as the settings keep it: 0-based item indexes, -1 for none.
    struct StoredRange {
        int from = -1;
        int to = -1;
    };

    Practice(std::mt19937 random, TesterSession::TickCounter tickCount, Clock clock,
             QObject* parent = nullptr);
    // On the system's clock and steady tick counter, in an order seeded from the clock.
    explicit Practice(QObject* parent);
    ~Practice() override;

    // The history opens when first needed, so that start-up never waits for it. Without an
    // opener there is none.
    void setHistoryOpener(HistoryOpener opener) { m_openHistory = std::move(opener); }
    void setRandom(std::mt19937 random) { m_tester.setRandom(random); }
    void setTickCounter(TesterSession::TickCounter tickCount)
    {
        m_tester.setTickCounter(std::move(tickCount));
    }

    // The open list. Opening one practises the whole of it.
    void open(LoadedList list, bool wordMode);
    bool hasList() const { return !colItems.isEmpty(); }
    bool wordMode() const { return blnWordMode; }
    const QStringList& items() const { return colItems; }
    const QList<LineEntry>& lines() const { return m_lines; }
    // The list's parts; none for a list without headings.
    const QList<Part>& parts() const { return m_parts; }
    // The list's divisions of other kinds, as pages and juz; none for a list without markers.
    const QList<DivisionKind>& divisions() const { return m_divisions; }
    // The parts (kind -1) or the divisions of kind `kind`.
    const QList<Part>& divisionsOf(int kind) const;
    // What the learner calls item `number`: "2:255" in a list with parts, else its number.
    QString itemReference(int number) const;
    // The same with the divisions it stands in: "78:1 · juz 30 · page 582".
    QString placedReference(int number) const;
    // The same with the part's name before it: "النبأ 78:1 · juz 30 · page 582".
    QString namedReference(int number) const;
    // The name of the part that item `number` begins, or nothing.
    QString partBegunBy(int number) const;
    const QString& title() const { return m_list.title; }
    const QString& path() const { return m_list.path; }
    // The list's reference name: its title's first word.
    const QString& name() const { return m_list.name; }

    // The practised range, and the calls that choose another.
    const PracticeRange& range() const { return colRange; }
    // Items `first` to `last`; refused, changing nothing, when they are out of order or
    // outside the list.
    bool choose(int first, int last);
    // The first `size` items, all of them for 0.
    void chooseFirst(int size);
    void chooseNext();
    void choosePrevious();
    // The passage found by the finder starts the range, which keeps its size where the list
    // allows; in word mode the range is the passage's line.
    void chooseFound(int passage);
    // The whole of division `index` (0-based) of kind `kind` (-1: the parts); one without items
    // changes nothing. The next and previous ranges are then the divisions beside it, until
    // another range is chosen.
    void chooseDivision(int kind, int index);
    // The division the range is, while it is one chosen whole: its kind and index.
    struct DivisionChoice {
        int kind = -1;
        int index = 0;
    };
    std::optional<DivisionChoice> chosenDivision() const { return m_division; }
    // An item and the four after it, as a preset would choose them.
    void practiseFrom(int number);
    // Two items the learner takes for one another, tested in turn: a short range around the
    // first, and once its test is complete, one around the other. Another range ends the turn.
    void practisePair(int number, int other);
    // The range stored at exit comes back only for the list it was stored with in mind: an
    // index beyond the list is ignored, a pair left reversed is not restored.
    StoredRange storedRange() const;
    // Saves the answers still waiting; how many could not be saved.
    int saveWaitingAnswers();
    void restoreRange(StoredRange stored);
    // The row among lines() of the line holding item `number`, or -1.
    int lineOfItem(int number) const;

    // The Lister.
    const ListerSession& lister() const { return m_lister; }
    void restartListing()
    {
        m_lister.restart(colRange);
        m_gradable.reset();
    }
    std::optional<ListerSession::Step> stepListing() { return trackRecall(m_lister.step()); }
    std::optional<ListerSession::Step> revealWord() { return trackRecall(m_lister.revealWord()); }
    void setListingSpeed(int sliderValue) { m_lister.setSpeed(sliderValue); }
    void setRestartOnFinish(bool restart) { m_lister.setRestartOnFinish(restart); }
    // Reciting: the range listed so many times in all; 0: as the restart says.
    void setRangeTimes(int times) { m_lister.setRangeTimes(times); }
    void setRecallFirst(bool recallFirst) { m_lister.setRecallFirst(recallFirst); }
    void setRecallCue(recallcue::Cue cue) { m_lister.setRecallCue(cue); }
    // Milliseconds between the listing clock's ticks, 0 when it is stopped: recalling first,
    // the prompt and the reveal stand an interval each.
    int listingInterval() const;
    // Recall first: the item revealed last, while the learner may still grade the recall.
    std::optional<int> gradableItem() const { return m_gradable; }
    // The learner's grade of that recall, kept as a review; nothing when none waits.
    void gradeRecall(fsrs::Grade grade);
    // The clipboard's name for item `number`: the list's name and the item's reference.
    QString reference(int number) const;

    // The Tester.
    const TesterSession& tester() const { return m_tester; }
    void restartTest() { m_tester.restart(colRange); }
    // A pick of choice row `row` (1 to 3) of the list that shows the header first; it is
    // remembered in the history, and a test it completes too.
    TesterSession::Answer pick(int row);
    // A bayt's second half asked from its first, on the Lister and the Tester.
    void setSecondHalves(bool on)
    {
        m_lister.setSecondHalves(on);
        m_tester.setSecondHalves(on);
    }
    // Look-alike choices; the index is built at the first question asked once
    // allowLookAlikeIndex() was called, never before.
    void setLookAlikes(bool on);
    // True the first time: the test already offered may then take a look-alike.
    bool allowLookAlikeIndex() { return !std::exchange(m_lookAlikeIndexAllowed, true); }

    // Write from memory, on the practised range.
    const WritingSession& writing() const { return m_writing; }
    void setWriteMarks(bool marksToo) { m_writing.setMarksToo(marksToo); }
    // What was typed for the item to write, checked; its grade is kept as a review.
    const WritingSession::Checked& checkWritten(const QString& typed);
    void writeNext() { m_writing.next(); }

    // Practice shared across the learner's machines through `folder` (none: not shared), as
    // installation `device` of the learner `name`: this machine's answers are written there as
    // they are given, the others' taken in soon after start, whenever the folder changes and
    // before Today is planned.
    void share(const QString& folder, const QString& device, const QString& name);
    bool isShared() const { return m_shared != nullptr; }
    // Another learner's shared folder read into this practice's history, nothing written there:
    // a teacher's view of their progress. How many answers it held.
    int takeIn(const QString& folder);

    // A passage recited aloud: an entry checked, kept as a review with its marks.
    void recordRecited(const RecitalCheck::Checked& checked);

    // Finding and progress.
    const PassageFinder& finder();
    // The progress of the open list in its mode, its strength as on `today` at `retention`.
    ProgressData progress(QDate today, double retention);
    // What to revise on `today` across every list the history knows, this one among them.
    QList<TodayRow> today(QDate day, const revisionplan::Options& options = {});
    // The open list's memory, a row an item, for a spreadsheet.
    QString memoryCsv(QDate day, double retention);

    MemoryModel memoryModel();
    // The weights fitted to every answer of every list, in the background, and kept when they
    // predict the latest answers better: told by fitProgressed() and fitFinished().
    void fitMemory();
    void cancelFit();
    bool isFitting() const;
    void useDefaultWeights();
    // What each of `retentions` would cost across every list, from `day`; none before anything
    // was practised.
    QList<retentioncost::Cost> retentionCosts(QDate day, const QList<double>& retentions);

signals:
    // Another list is open; the range of its whole follows at once.
    void listOpened();
    // The practised range changed and both sessions started again on it.
    void rangeApplied();
    void testCompleted();
    // The history cannot be used, said once: it could not be opened or stopped taking records.
    void historyTrouble(const QString& reason);
    // Answers could not be saved for now and wait in memory, said once until they are saved.
    void answersWaiting(const QString& reason);
    // Answers of the learner's other machines arrived.
    void sharedAnswersArrived();
    // What a sync tool did to the shared folder, or why it cannot be used: said once a run.
    void sharingTrouble(const QString& message);
    void fitProgressed(int percent);
    // A fit ended: its weights kept or not (`result.helps()`), stopped, or refused.
    void fitFinished(const fitting::Result& result);

private:
    void apply(const PracticeRange& range, std::optional<DivisionChoice> division = {});
    // A step that reveals a recall makes it the one to grade.
    std::optional<ListerSession::Step> trackRecall(std::optional<ListerSession::Step> step);
    bool stepLines(int direction);
    bool stepDivision(int direction);
    PracticeHistory& history();
    PracticeHistory::ListKey historyKey();
    void checkHistory();
    const LookAlikes& lookAlikes();
    // The other machines' answers taken in, said to the windows; takeInShared() only takes
    // them in, and tells how many were new.
    void mergeShared();
    int takeInShared();
    void publishShared();
    void recordGrade(int number, fsrs::Grade grade, Drill drill,
                     const QList<PracticeHistory::RecitalMark>& marks = {});

    LoadedList m_list; // the open list's name, title and content; its items moved out
    QStringList colItems;
    QList<LineEntry> m_lines;
    QList<Part> m_parts;
    QList<DivisionKind> m_divisions;
    std::optional<DivisionChoice> m_division;
    bool blnWordMode = false;
    PracticeRange colRange;
    ListerSession m_lister;
    TesterSession m_tester;
    WritingSession m_writing;
    Clock m_clock;

    HistoryOpener m_openHistory;
    std::unique_ptr<SharedFolder> m_shared;
    std::optional<PracticeHistory> m_history;
    std::optional<PracticeHistory::ListKey> m_historyKey; // the open list's, found when needed
    bool m_historyReported = false;
    bool m_waitingReported = false;

    std::unique_ptr<PassageFinder> m_finder; // made for the open list when first asked
    std::unique_ptr<LookAlikes> m_lookAlikes;
    MemoryFit* m_fit = nullptr; // made when first asked
    bool m_lookAlikeIndexAllowed = false;
    std::optional<int> m_gradable;
    // The range around the other of a pair practised in turn, its test still to come.
    std::optional<std::pair<int, int>> m_pairNext;
};
