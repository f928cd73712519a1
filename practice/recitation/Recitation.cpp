#include "practice/recitation/Recitation.h"

#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QThread>

Recitation::Recitation(QObject* parent)
    : QObject(parent)
{
    m_gap.setSingleShot(true);
    connect(&m_gap, &QTimer::timeout, this, [this] { follow(m_session.gapOver()); });
}

Recitation::~Recitation()
{
    if (m_cancel)
        *m_cancel = true;
    if (m_reader)
        m_reader->wait();
}

void Recitation::setPlayer(std::unique_ptr<AudioPlayer> player)
{
    stop();
    m_player = std::move(player);
    if (!m_player)
        return;
    m_player->started = [this] { emit sounding(); };
    // The player calls back from the event loop, never from inside play().
    m_player->finished = [this](qint64 playedMs) {
        if (m_session.isReciting())
            follow(m_session.played(playedMs));
    };
    // A player may say a file failed more than once: the first time counts.
    m_player->failed = [this](const QString& reason) {
        if (!m_session.isReciting())
            return;
        const QString file = fileFor(m_index, m_parts, m_session.number());
        if (!m_told.contains(file)) {
            m_told.insert(file);
            emit trouble(tr("%1 could not be played (%2); the listing goes on.")
                             .arg(QDir::toNativeSeparators(file), reason));
        }
        m_session.stop();
        follow({});
    };
}

// The folder is read by names in a thread of its own, so that a folder of tens of thousands of
// files never holds up the window; until it is read, entries are silent.
void Recitation::setFolder(const QString& folder, const QList<Part>& parts, int count)
{
    stop();
    if (m_cancel)
        *m_cancel = true;
    if (m_reader)
        m_reader->wait();
    delete std::exchange(m_reader, nullptr);
    m_folder = folder;
    m_parts = parts;
    m_count = count;
    m_index = {};
    m_indexed = false;
    m_waiting.reset();
    m_told.clear();
    unwatch();
    if (folder.isEmpty())
        return;
    // Made with the folder, not at start-up.
    m_watcher = std::make_unique<QFileSystemWatcher>(QStringList{folder});
    connect(m_watcher.get(), &QFileSystemWatcher::directoryChanged, this,
            &Recitation::folderChanged);
    m_cancel = std::make_shared<std::atomic_bool>(false);
    m_reader = QThread::create([this, folder, cancel = m_cancel] {
        recitation::Index index = recitation::indexFolder(folder, cancel.get());
        if (!*cancel)
            QMetaObject::invokeMethod(
                this, [this, index] { indexed(index); }, Qt::QueuedConnection);
    });
    m_reader->start();
}

void Recitation::indexed(const recitation::Index& index)
{
    m_index = index;
    m_indexed = true;
    if (const auto waiting = std::exchange(m_waiting, std::nullopt))
        recite(waiting->first, waiting->second);
    if (recitation::matched(m_index, m_parts, m_count) == 0)
        emit trouble(
            tr("No file in the recitation folder %1 belongs to an entry of this list: "
               "Zorvel looks for %2.")
                .arg(QDir::toNativeSeparators(m_folder), recitation::expectedNames(m_parts)));
}

// A folder removed or moved away (a USB stick taken out) silences the entries at once.
void Recitation::folderChanged()
{
    if (QFileInfo::exists(m_folder))
        return;
    stop();
    unwatch(); // said once
    m_index = {};
    emit trouble(tr("The recitation folder %1 is no longer there: the entries are silent until "
                    "it is chosen again.")
                     .arg(QDir::toNativeSeparators(m_folder)));
}

void Recitation::unwatch()
{
    if (m_watcher)
        m_watcher.release()->deleteLater(); // it may be telling of the change just now
}

void Recitation::setRate(double rate)
{
    if (m_player)
        m_player->setRate(rate);
}

void Recitation::recite(int number, const QString& reference)
{
    stop();
    if (!m_indexed && !m_folder.isEmpty()) {
        m_waiting = std::pair(number, reference);
        return;
    }
    m_reference = reference;
    follow(m_session.begin(number, m_player ? fileFor(m_index, m_parts, number) : QString()));
}

void Recitation::follow(const RecitationSession::Step& step)
{
    switch (step.kind) {
    case RecitationSession::Step::Play:
        emit playing(
            tr("%1, %L2 of %L3").arg(m_reference).arg(step.repetition).arg(step.repetitions));
        m_player->play(step.file);
        return;
    case RecitationSession::Step::Gap:
        m_gap.start(int(std::min<qint64>(step.gapMs, qint64{10} * 60 * 1000)));
        return;
    case RecitationSession::Step::Done:
        emit playing({});
        emit entryDone();
        return;
    }
}

void Recitation::stop()
{
    m_gap.stop();
    m_paused = false;
    const bool waited = std::exchange(m_waiting, std::nullopt).has_value();
    if (m_session.isReciting()) {
        if (m_player)
            m_player->stop();
        m_session.stop();
    } else if (!waited) {
        return;
    }
    emit playing({});
    emit entryDone(); // a listing that waited goes on
}

void Recitation::togglePause()
{
    if (!m_session.isReciting() || !m_player)
        return;
    m_paused = !m_paused;
    m_player->setPaused(m_paused);
}
