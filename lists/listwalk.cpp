#include "lists/listwalk.h"

#include <QDir>
#include <QFileInfo>
#include <QQueue>

namespace {

bool isPlainFolder(const QFileInfo& entry)
{
    return entry.isDir() && !entry.isSymLink() && !entry.fileName().startsWith(u'.') &&
           (entry.permissions() & (QFile::WriteOwner | QFile::WriteGroup | QFile::WriteOther));
}

} // namespace

void walkListFiles(const QString& startFolder,
                   const std::function<void(const QString& folder, const QString& name)>& found)
{
    QQueue<QString> folders;
    folders.enqueue(startFolder.endsWith(u'/') ? startFolder : startFolder + u'/');
    while (!folders.isEmpty()) {
        const QString folder = folders.dequeue();
        const QFileInfoList entries = QDir(folder).entryInfoList(
            QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
            QDir::Name | QDir::IgnoreCase);
        for (const QFileInfo& entry : entries) {
            if (isPlainFolder(entry))
                folders.enqueue(folder + entry.fileName() + u'/');
            else if (!entry.isDir() && entry.fileName().contains(u".zva"))
                found(folder, entry.fileName());
        }
    }
}
