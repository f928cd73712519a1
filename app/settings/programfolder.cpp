#include "app/settings/programfolder.h"

#include <QDir>
#include <QFileInfo>

QString findProgramFolder(const QString& executableFolder)
{
    const QDir folder(executableFolder);
    if (QFileInfo::exists(folder.filePath(QStringLiteral("ZV_Readme.htm"))))
        return folder.absolutePath();
    return QDir::cleanPath(folder.absoluteFilePath(QStringLiteral("../share/zorvel")));
}
