#pragma once

#include <QString>

#include <functional>

// What plays a recitation's files: Qt Multimedia in a module of the program's own, a fake in
// the tests. A plain interface, so that the module needs nothing of the program but this.
class AudioPlayer {
public:
    virtual ~AudioPlayer() = default;

    // Plays the local file at `path` from its start, stopping whatever played.
    virtual void play(const QString& path) = 0;
    virtual void stop() = 0;
    virtual void setPaused(bool paused) = 0;
    // 0.5 to 1.5, the pitch kept.
    virtual void setRate(double rate) = 0;

    // The file has begun to sound (read and decoded, its first samples out).
    std::function<void()> started;
    // The file played to its end, after so many milliseconds of its own time.
    std::function<void(qint64 playedMs)> finished;
    // The file could not be played: damaged, empty, not audio, or gone.
    std::function<void(const QString& reason)> failed;
};
