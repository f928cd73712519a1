#pragma once

#include "practice/recitation/AudioPlayer.h"

#include <QtPlugin>

#include <memory>

// Makes the recitation's player. It lives in a module of its own, zorvel-player, loaded when
// recitation is first turned on: Qt Multimedia and the sound system's libraries are large, and
// a start that recites nothing never loads them.
class AudioPlayerMaker {
public:
    virtual ~AudioPlayerMaker() = default;
    virtual std::unique_ptr<AudioPlayer> makePlayer() const = 0;
};

#define AudioPlayerMaker_iid "example.corvant.zorvel.AudioPlayerMaker/1"
Q_DECLARE_INTERFACE(AudioPlayerMaker, AudioPlayerMaker_iid)

// A player from the program's module, or nothing with `trouble` saying why.
std::unique_ptr<AudioPlayer> makeRecitationPlayer(QString* trouble);
