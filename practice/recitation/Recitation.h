#pragma once

#include "practice/recitation/RecitationSession.h"
#include "practice/recitation/recitationindex.h"

#include "practice/recitation/AudioPlayer.h"

#include <QFileSystemWatcher>
#include <QObject>
#include <QSet>
#include <QTimer>

#include <atomic>
#include <memory>
#include <optional>

class QThread;

// The open list's recitation: its folder, read in the background, and the reciting of the
// entries the Lister shows through a player. Off until a player is given; the Lister asks it to
// recite an entry and goes on when it says the entry is done.
class Recitation : public QObject {
    Q_OBJECT
public:
    explicit Recitation(QObject* parent = nullptr);
    ~Recitation() override;

    // The player; none: silent.
    void setPlayer(std::unique_ptr<AudioPlayer> player);
    bool isOn() const { return m_player != nullptr; }

    // The folder of the list whose parts are `parts` and entries `count`; an empty folder: none.
    void setFolder(const QString& folder, const QList<Part>& parts, int count);
    const QString& folder() const { return m_folder; }
    bool isIndexed() const { return m_indexed; }

    RecitationSession& session() { return m_session; }
    // After a right pick on the Tester: no playing, the entry played before the next choices
    // are offered, or played as they are.
    enum class TesterPlays { Off, Waiting, AtOnce };
    void setTesterPlays(TesterPlays plays) { m_testerPlays = plays; }
    TesterPlays testerPlays() const { return isOn() ? m_testerPlays : TesterPlays::Off; }
    void setRate(double rate);

    // Recites entry `number`, named `reference`, as the session's counts say, once the folder is
    // read (a list just opened); entryDone() follows at once where it has no file or recitation
    // is off.
    void recite(int number, const QString& reference);
    // Ends the entry's reciting: it is done.
    void stop();
    void togglePause();
    // Playing, in a gap, or waiting for the folder to be read.
    bool isReciting() const { return m_session.isReciting() || m_waiting.has_value(); }

signals:
    void entryDone();
    // The file being played has begun to sound.
    void sounding();
    // What plays, for the screen and a screen reader: "2:255, 3 of 5"; nothing once it stops.
    void playing(const QString& what);
    // A folder that matches no entry or is gone, or a file that cannot be played: said once each.
    void trouble(const QString& message);

private:
    void follow(const RecitationSession::Step& step);
    void indexed(const recitation::Index& index);
    void folderChanged();
    void unwatch();

    std::unique_ptr<AudioPlayer> m_player;
    RecitationSession m_session;
    recitation::Index m_index;
    QString m_folder;
    QList<Part> m_parts;
    int m_count = 0;
    bool m_indexed = false;
    bool m_paused = false;
    TesterPlays m_testerPlays = TesterPlays::Off;
    QString m_reference;
    std::optional<std::pair<int, QString>> m_waiting; // to recite once the folder is read
    QTimer m_gap;
    std::unique_ptr<QFileSystemWatcher> m_watcher; // the folder, to stop when it is removed
    QSet<QString> m_told;                          // files said to be unplayable
    QThread* m_reader = nullptr;
    std::shared_ptr<std::atomic_bool> m_cancel;
};
