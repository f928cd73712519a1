#pragma once

#include <QFileSystemWatcher>
#include <QObject>
#include <QSet>
#include <QString>

#include <optional>

class PracticeHistory;

// A learner's practice shared across their machines through a folder they sync by any means
// (Syncthing, Nextcloud, a USB stick). Each installation writes only its own log there and
// reads the others' from where it stopped, so that no two machines ever write one file and a
// sync tool has nothing to merge. An answer is taken in once, by its installation and number,
// however many copies of a log the sync tool leaves (conflict copies, an older copy put back).
class SharedFolder : public QObject {
    Q_OBJECT
public:
    // `device` names this installation (made once), `name` the learner on it.
    SharedFolder(const QString& folder, const QString& device, const QString& name,
                 QObject* parent = nullptr);

    const QString& folder() const { return m_folder; }
    QString ownLog() const;

    // Writes this installation's answers that its log does not hold yet.
    void publish(const PracticeHistory& history);
    // Takes in the answers of the other installations' logs from where each was read to;
    // how many were new.
    int merge(PracticeHistory& history);

signals:
    // A log in the folder changed: another machine's answers may have arrived.
    void changed();
    // Something a sync tool did to a log, or a log that cannot be used: said once a run.
    void trouble(const QString& message);

private:
    void tell(const QString& key, const QString& message);
    qint64 lastPublished(const QString& path) const;

    QString m_folder;
    QString m_device;
    QString m_name;
    QFileSystemWatcher m_watcher;
    QSet<QString> m_told;
    std::optional<qint64> m_published; // the last answer in this machine's log, once read
};
