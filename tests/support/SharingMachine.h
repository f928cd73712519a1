#pragma once

#include "practice/history/PracticeHistory.h"
#include "practice/shared/SharedFolder.h"

#include <QSqlDatabase>
#include <QStringList>

// One of a learner's machines sharing practice through `sharedFolder`: its history in the file
// `historyFile`, one list of `entries`, and each graded recall recorded and written to its log
// there at once.
struct SharingMachine {
    SharingMachine(const QString& device, const QString& sharedFolder, const QString& historyFile,
                   const QString& title, const QStringList& entries)
        : folder(sharedFolder)
        , verses(entries)
        , shared(sharedFolder, device, QStringLiteral("Maryam"))
    {
        QSqlDatabase database = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), device);
        database.setDatabaseName(historyFile);
        history = PracticeHistory(database);
        key = history.listFor(title, listfingerprint::of(verses.join(u'\n')), false, verses);
    }
    void answer(int number, fsrs::Grade grade, const QDateTime& at)
    {
        Review review;
        review.at = at;
        review.number = number;
        review.text = verses[number - 1];
        review.grade = int(grade);
        review.right = grade != fsrs::Grade::Again;
        review.drill = Drill::Recall;
        history.recordAnswer(key, review);
        shared.publish(history);
    }
    int answers() { return int(history.reviews(key).size()); }

    QString folder;
    QStringList verses;
    SharedFolder shared;
    PracticeHistory history;
    PracticeHistory::ListKey key;
};
