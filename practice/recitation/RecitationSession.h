#pragma once

#include <QString>

// The rules of reciting an entry as the Lister shows it: its file played `repeatEach` times,
// each playing followed by a gap as long as the playing itself times `gapFactor` (0: none),
// so that the learner can recite it back; then the entry is done and the listing goes on.
// An entry without a file is done at once. The player and its clock are the caller's: it
// says when a playing ended and when a gap is over.
class RecitationSession {
public:
    struct Step {
        enum Kind { Play, Gap, Done } kind = Done;
        QString file;        // Play: what to play
        int repetition = 0;  // Play: 1 to repetitions
        int repetitions = 0; // Play
        qint64 gapMs = 0;    // Gap: how long
    };

    void setRepeatEach(int times) { m_repeatEach = qMax(1, times); }
    int repeatEach() const { return m_repeatEach; }
    void setGapFactor(int factor) { m_gapFactor = qMax(0, factor); }
    int gapFactor() const { return m_gapFactor; }

    // Entry `number` shown: its first playing, or Done where it has no file.
    Step begin(int number, const QString& file);
    // The playing ended after `playedMs` (0 for a file that could not be played: no gap).
    Step played(qint64 playedMs);
    // The gap is over.
    Step gapOver();
    // Nothing more of the entry: stopped by the learner, or another entry shown.
    void stop() { m_file.clear(); }

    bool isReciting() const { return !m_file.isEmpty(); }
    int number() const { return m_number; }
    int repetition() const { return m_repetition; }

private:
    Step playNext();

    int m_repeatEach = 1;
    int m_gapFactor = 0;
    int m_number = 0;
    QString m_file;
    int m_repetition = 0;
};
