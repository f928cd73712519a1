#pragma once

#include <QCoreApplication>
#include <QString>

class Practice;
class QWidget;

// What the main window tells of the practice history at `path`: that it cannot be used, that
// answers wait to be saved, or that some were lost at closing.
class HistoryMessages {
    Q_DECLARE_TR_FUNCTIONS(HistoryMessages)

public:
    // Tells `parent` what `practice` says of its history: once that it cannot be used (practice
    // goes on without it), and each time answers begin to wait.
    static void follow(Practice* practice, QWidget* parent, const QString& path);
    static void cannotBeUsed(QWidget* parent, const QString& path, const QString& reason);
    static void waiting(QWidget* parent, const QString& path, const QString& reason);
    static void lost(QWidget* parent, const QString& path, int answers);

private:
    static void tell(QWidget* parent, const QString& text);
};
