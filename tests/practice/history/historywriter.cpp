// Another Zorvel answering on the same history: records `count` answers to the list of the
// tests, saves what waits at the end and exits with the number it could not save.

#include "practice/history/PracticeHistory.h"

#include <QCoreApplication>
#include <QSqlDatabase>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 3)
        return 255;
    const QStringList items{QStringLiteral("الٓمٓ"), QStringLiteral("ذَٰلِكَ ٱلۡكِتَٰبُ")};
    int unsaved = 0;
    {
        QSqlDatabase database = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"));
        database.setDatabaseName(args[1]);
        PracticeHistory history(database);
        const PracticeHistory::ListKey key =
            history.listFor(QStringLiteral("L"),
                            listfingerprint::of(items.join(QStringLiteral("\r\n"))), false, items);
        for (int i = 0; i < args[2].toInt(); ++i)
            history.recordAnswer(key, {QDateTime::currentDateTimeUtc(), 1 + i % 2, items[i % 2], 1,
                                       1 + i % 2, true, true, 1.0});
        history.saveWaiting();
        unsaved = history.isOpen() ? history.unsaved() : 254;
    }
    QSqlDatabase::removeDatabase(QSqlDatabase::defaultConnection);
    return unsaved;
}
