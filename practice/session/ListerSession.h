#pragma once

#include "practice/session/PracticeRange.h"
#include "practice/session/recallcue.h"

#include <optional>

// The Lister: which item of its range the next step shows, and when the listing is over.
// Steps come from the listing clock or, in manual mode, from the user.
class ListerSession {
public:
    struct Step {
        bool startedOver = false; // the range had been listed and begins again
        int position = 0;         // in the range, 1-based
        int number = 0;           // in the whole list
        QString text;             // the complete item
        bool prompt = false;      // recall first: only its start is shown yet
        bool reveal = false;      // recall first: the item prompted last, shown whole now
        int revealedWords = 0;    // word by word: how many of a prompt's words the learner asked
        bool again = false;       // the prompt shown last, with one word more
    };

    // Lists `range` from its first item at the next step.
    void restart(const PracticeRange& range);
    void setSpeed(int sliderValue) { m_speed = sliderValue; }
    int speed() const { return m_speed; }
    void setRestartOnFinish(bool restart) { m_restartOnFinish = restart; }
    // Restarting on finish, the range is listed this many times in all; 0: without end.
    void setRangeTimes(int times) { m_rangeTimes = qMax(0, times); }
    // Which listing of the range this is, from 1.
    int round() const { return m_round; }
    // Recall first: each new item is first a prompt, and is revealed whole at the next step.
    void setRecallFirst(bool recallFirst);
    bool recallFirst() const { return m_recallFirst; }
    // What a prompt shows of the item.
    void setRecallCue(recallcue::Cue cue) { m_cue = cue; }
    recallcue::Cue recallCue() const { return m_cue; }
    // The halves of a bayt: a bayt's prompt is its first half, whole.
    void setSecondHalves(bool on) { m_secondHalves = on; }
    bool secondHalves() const { return m_secondHalves; }
    // Word items are revealed whole by the first word asked.
    void setWordMode(bool wordMode) { m_wordMode = wordMode; }

    // What one step shows, and the listing moves past it; nothing when the range is empty or
    // the listing is finished.
    std::optional<Step> step();
    // Word by word: the waiting prompt with one word more, or the item revealed whole when no
    // other word is left; nothing while no prompt waits.
    std::optional<Step> revealWord();
    bool isPrompting() const { return m_prompted.has_value(); }

    // The range has been listed and does not start over: only a restart lists again.
    bool isFinished() const;
    // Whether a tick of the listing clock can show anything: a timed speed and a listing
    // that is not finished.
    bool needsClock() const;

    const PracticeRange& range() const { return m_range; }

private:
    PracticeRange m_range;
    int m_position = 1;
    int m_speed = 3;
    bool m_restartOnFinish = true;
    int m_rangeTimes = 0;
    int m_round = 1;
    bool m_recallFirst = false;
    recallcue::Cue m_cue = recallcue::Cue::FirstWord;
    bool m_wordMode = false;
    bool m_secondHalves = false;
    std::optional<Step> m_prompted; // the item waiting to be revealed
};
