#pragma once

#include "practice/shared/classview.h"

#include <QObject>

class Practice;
class QAction;
class QWidget;
class ZorvelSettings;

// File > Share Practice... and Stop Sharing: the folder the learner syncs between their machines
// and the name the others see, kept in the settings; sharing starts with the program where
// it was chosen, and what goes wrong with the folder is said. File > Open Class...: a teacher's
// view of the learners whose shared folders stand in one folder.
class SharingMenu : public QObject {
    Q_OBJECT
public:
    SharingMenu(QAction* share, QAction* stop, QAction* openClass, Practice& practice,
                ZorvelSettings& settings, QWidget* window);

private:
    void choose();
    void start();
    void openClass();
    void showLearner(const QString& folder, const QString& name);

    classview::Cache m_classes; // a class opened again reads only what changed
    QAction* m_stop;
    Practice& m_practice;
    ZorvelSettings& m_settings;
    QWidget* m_window;
};
