#include "practice/history/historyfile.h"

#include "lists/userlists.h"

#include <QFileInfo>
#include <QSqlDatabase>
#include <QStandardPaths>

QString defaultHistoryPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/zorvel/progress.sqlite");
}

PracticeHistory openHistoryFile(const QString& path, PracticeHistory::Access access)
{
    QString reason;
    if (access == PracticeHistory::Access::ReadWrite &&
        !makeFolder(QFileInfo(path).path(), &reason))
        return PracticeHistory::unusable(reason);
    const QString connection = QStringLiteral("zorvel-history");
    QSqlDatabase database = QSqlDatabase::contains(connection)
                                ? QSqlDatabase::database(connection, false)
                                : QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
    database.close();
    database.setDatabaseName(path);
    return PracticeHistory(database, access);
}
