#include "practice/shared/SharedFolder.h"

#include "practice/history/PracticeHistory.h"
#include "practice/shared/sharedlog.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

// Enough of a log's end to hold its last record whole.
constexpr qint64 kTail = qint64{64} * 1024;
constexpr qint64 kHeaderRoom = 4096;

QByteArray readAt(QFile& file, qint64 from, qint64 length)
{
    return file.seek(from) ? file.read(length) : QByteArray();
}

} // namespace

SharedFolder::SharedFolder(const QString& folder, const QString& device, const QString& name,
                           QObject* parent)
    : QObject(parent)
    , m_folder(folder)
    , m_device(device)
    , m_name(name)
{
    if (QFileInfo(folder).isDir())
        m_watcher.addPath(folder);
    connect(&m_watcher, &QFileSystemWatcher::directoryChanged, this, &SharedFolder::changed);
}

QString SharedFolder::ownLog() const
{
    return QDir(m_folder).filePath(m_device + sharedlog::kSuffix);
}

void SharedFolder::tell(const QString& key, const QString& message)
{
    if (!m_told.contains(key)) {
        m_told.insert(key);
        emit trouble(message);
    }
}

// The number of the last answer the log holds: the log is read from its end, so that a year's
// log costs no more than a day's.
qint64 SharedFolder::lastPublished(const QString& path) const
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return 0;
    const qint64 from = std::max<qint64>(0, file.size() - kTail);
    QByteArray tail = readAt(file, from, kTail);
    if (from > 0)
        tail.remove(0, tail.indexOf('\n') + 1); // a line cut by the tail's start
    const sharedlog::Chunk chunk = sharedlog::readRecords(tail);
    return chunk.records.isEmpty() ? 0 : chunk.records.last().seq;
}

// The log is read only the first time and after the folder changed (a sync tool may have put an
// older copy back); in between, the last answer written is known.
void SharedFolder::publish(const PracticeHistory& history)
{
    const QString path = ownLog();
    QFile file(path);
    QByteArray lines;
    if (!m_published) {
        if (!file.exists() || file.size() == 0) {
            lines = sharedlog::headerLine({sharedlog::kVersion, m_device, m_name});
            m_published = 0;
        } else if (file.open(QIODevice::ReadOnly)) {
            const std::optional<sharedlog::Header> header =
                sharedlog::readHeader(file.read(kHeaderRoom));
            if (header && header->version > sharedlog::kVersion)
                return tell(path, tr("%1 was written by a newer Zorvel: this machine's answers "
                                     "are not shared until Zorvel is brought up to date here.")
                                      .arg(QDir::toNativeSeparators(path)));
            // A line cut short (a crash while writing) stays a damaged line of its own.
            if (readAt(file, file.size() - 1, 1) != "\n")
                lines = "\n";
            file.close();
            m_published = lastPublished(path);
        }
    }
    const QList<SharedAnswer> answers = history.ownAnswersAfter(m_published.value_or(0));
    for (const SharedAnswer& answer : answers)
        lines += sharedlog::recordLine(answer);
    if (lines.isEmpty())
        return;
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append) || file.write(lines) != lines.size() ||
        !file.flush()) {
        m_published.reset();
        return tell(path + QStringLiteral("/write"),
                    tr("Your answers could not be written to the shared folder: %1.")
                        .arg(file.errorString()));
    }
    if (!answers.isEmpty())
        m_published = answers.last().seq;
}

int SharedFolder::merge(PracticeHistory& history)
{
    m_published.reset(); // the folder changed: this machine's log is read again when next written
    int added = 0;
    QDir dir(m_folder);
    if (!dir.exists()) {
        tell(m_folder, tr("The shared folder %1 is not there: practice is not shared until it is.")
                           .arg(QDir::toNativeSeparators(m_folder)));
        return 0;
    }
    for (const QString& name :
         dir.entryList({QLatin1Char('*') + sharedlog::kSuffix}, QDir::Files, QDir::Name)) {
        QFile file(dir.filePath(name));
        if (!file.open(QIODevice::ReadOnly))
            continue;
        const QByteArray start = file.read(kHeaderRoom);
        const std::optional<sharedlog::Header> header = sharedlog::readHeader(start);
        if (!header) {
            if (start.contains('\n'))
                tell(name,
                     tr("%1 in the shared folder is no Zorvel log; it is left alone.").arg(name));
            continue; // else its first line is still on its way
        }
        if (header->device == m_device)
            continue; // this machine's own, or a sync tool's copy of it
        if (header->version > sharedlog::kVersion) {
            tell(name, tr("%1's answers in %2 were written by a newer Zorvel; bring Zorvel up to "
                          "date here to see them.")
                           .arg(header->name, name));
            continue;
        }
        const qint64 headerEnd = start.indexOf('\n') + 1;
        qint64 offset = std::max(history.sharedOffset(name), headerEnd);
        // A log shorter than what was read, or not ending a line where reading stopped, is an
        // older copy put back: read again from its start; what was taken in stays.
        if (offset > headerEnd && (file.size() < offset || readAt(file, offset - 1, 1) != "\n")) {
            tell(name + QStringLiteral("/older"),
                 tr("%1 in the shared folder was replaced by an older copy; the answers already "
                    "taken in from it are kept.")
                     .arg(name));
            offset = headerEnd;
        }
        const sharedlog::Chunk chunk = sharedlog::readRecords(readAt(file, offset, file.size()));
        qint64 applied = history.appliedFrom(header->device);
        QList<SharedAnswer> fresh;
        for (const SharedAnswer& answer : chunk.records) {
            if (answer.seq <= applied)
                continue; // taken in already, from this log or a copy of it
            fresh.append(answer);
            applied = answer.seq;
        }
        history.recordShared(header->device, header->name, fresh);
        added += int(fresh.size());
        if (chunk.damaged > 0)
            tell(name + QStringLiteral("/damaged"),
                 tr("%n damaged answers in %1 were skipped; the rest were read.", nullptr,
                    chunk.damaged)
                     .arg(name));
        history.setSharedOffset(name, offset + chunk.consumed);
    }
    return added;
}
