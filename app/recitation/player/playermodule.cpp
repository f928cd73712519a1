// The module zorvel-player: the recitation's player on Qt Multimedia.

#include "app/recitation/playermodule.h"

#include <QAudioOutput>
#include <QMediaPlayer>
#include <QObject>
#include <QUrl>

namespace {

// Plays local files only: a path is never taken for a URL, so nothing reaches the network.
class MediaAudioPlayer : public AudioPlayer {
public:
    MediaAudioPlayer()
    {
        m_player.setAudioOutput(&m_output); // at the system's volume
        QObject::connect(&m_player, &QMediaPlayer::mediaStatusChanged, &m_player,
                         [this](QMediaPlayer::MediaStatus status) {
                             if (status == QMediaPlayer::BufferedMedia && started &&
                                 m_player.playbackState() == QMediaPlayer::PlayingState)
                                 started();
                             else if (status == QMediaPlayer::EndOfMedia && finished)
                                 finished(std::max(m_player.duration(), m_player.position()));
                             else if (status == QMediaPlayer::InvalidMedia && failed)
                                 failed(m_player.errorString());
                         });
        // A file played before is ready at once: it sounds as soon as it plays.
        QObject::connect(&m_player, &QMediaPlayer::playbackStateChanged, &m_player,
                         [this](QMediaPlayer::PlaybackState state) {
                             if (state == QMediaPlayer::PlayingState && started &&
                                 (m_player.mediaStatus() == QMediaPlayer::BufferedMedia ||
                                  m_player.mediaStatus() == QMediaPlayer::LoadedMedia))
                                 started();
                         });
        QObject::connect(&m_player, &QMediaPlayer::errorOccurred, &m_player,
                         [this](QMediaPlayer::Error error, const QString& reason) {
                             if (error != QMediaPlayer::NoError && failed)
                                 failed(reason);
                         });
    }

    void play(const QString& path) override
    {
        m_player.stop();
        m_player.setSource(QUrl::fromLocalFile(path));
        m_player.play();
    }
    void stop() override { m_player.stop(); }
    void setPaused(bool paused) override { paused ? m_player.pause() : m_player.play(); }
    void setRate(double rate) override { m_player.setPlaybackRate(rate); }

private:
    QAudioOutput m_output;
    QMediaPlayer m_player;
};

class PlayerModule : public QObject, public AudioPlayerMaker {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID AudioPlayerMaker_iid)
    Q_INTERFACES(AudioPlayerMaker)
public:
    std::unique_ptr<AudioPlayer> makePlayer() const override
    {
        return std::make_unique<MediaAudioPlayer>();
    }
};

} // namespace

#include "playermodule.moc"
