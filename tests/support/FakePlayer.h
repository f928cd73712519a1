#pragma once

#include "practice/recitation/AudioPlayer.h"

#include <QFileInfo>
#include <QStringList>

// A player that notes the names of the files it is asked to play; a playing ends when the test
// calls finished().
class FakePlayer : public AudioPlayer {
public:
    explicit FakePlayer(QStringList* played)
        : m_played(played)
    {
    }
    void play(const QString& path) override { m_played->append(QFileInfo(path).fileName()); }
    void stop() override {}
    void setPaused(bool) override {}
    void setRate(double) override {}

private:
    QStringList* m_played;
};
