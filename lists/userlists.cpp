#include "lists/userlists.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include <cerrno>
#include <cstring>

QString userListFolder(const QString& programFolder, bool programFolderWritable)
{
    if (programFolderWritable)
        return {};
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
                           QStringLiteral("/zorvel/lists");
    return QDir::cleanPath(folder) == QDir::cleanPath(programFolder) ? QString() : folder;
}

bool makeFolder(const QString& folder, QString* reason)
{
    if (QFileInfo(folder).isDir())
        return true;
    errno = 0;
    if (QDir().mkpath(folder))
        return true;
    if (reason)
        *reason = QString::fromLocal8Bit(std::strerror(errno != 0 ? errno : EACCES));
    return false;
}
