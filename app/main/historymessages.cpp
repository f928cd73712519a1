#include "app/main/historymessages.h"

#include "controls/common/MessageBox.h"
#include "practice/session/Practice.h"

#include <QLocale>
#include <QWidget>

void HistoryMessages::follow(Practice* practice, QWidget* parent, const QString& path)
{
    QObject::connect(practice, &Practice::historyTrouble, parent,
                     [=](const QString& reason) { cannotBeUsed(parent, path, reason); });
    QObject::connect(practice, &Practice::answersWaiting, parent,
                     [=](const QString& reason) { waiting(parent, path, reason); });
}

void HistoryMessages::cannotBeUsed(QWidget* parent, const QString& path, const QString& reason)
{
    tell(parent, tr("The practice history in \u201C%1\u201D cannot be used: %2.\r\n"
                    "Practice goes on; picks are not remembered until Zorvel starts again.")
                     .arg(path, reason));
}

void HistoryMessages::waiting(QWidget* parent, const QString& path, const QString& reason)
{
    tell(parent, tr("Your answers could not be saved in the practice history \u201C%1\u201D: "
                    "%2.\r\nZorvel keeps them and saves them with your next answer, or when it "
                    "closes.")
                     .arg(path, reason));
}

void HistoryMessages::lost(QWidget* parent, const QString& path, int answers)
{
    tell(parent,
         tr("Answers that could not be saved in the practice history \u201C%1\u201D are lost: %2.")
             .arg(path, QLocale().toString(answers)));
}

void HistoryMessages::tell(QWidget* parent, const QString& text)
{
    MessageBox::inform(parent, text, tr("Practice history"));
}
