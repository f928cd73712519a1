#pragma once

#include <QObject>

class Practice;
class QAction;
class QActionGroup;
class QMenu;
class QWidget;
class Recitation;
class ZorvelSettings;
struct RecitationSettings;

// The View menu's Recitation: turning it on (off by default: silent, and nothing else changes),
// the open list's folder, how often each entry and the range are played, the gap after each
// playing, the playing speed, and play/pause (F7) and stop (F8), keys the drills do not use.
// The choices are kept in the settings, the folder for each list.
class RecitationMenu : public QObject {
    Q_OBJECT
public:
    // Fills `menu` and makes the recitation it drives.
    RecitationMenu(QMenu* menu, Practice& practice, ZorvelSettings& settings, QWidget* window);

    QAction* recite() const { return m_recite; }
    Recitation* recitation() const { return &m_recitation; }

private:
    void turn(bool on);
    // One of the choices kept in the settings.
    void keep(int RecitationSettings::*choice, int value);
    void chooseFolder();
    // The open list's folder: the one chosen for it, else one beside it named after it.
    void followList();
    QActionGroup* addChoices(QMenu* menu, const char* name,
                             const QList<QPair<QString, int>>& choices, int chosen,
                             const std::function<void(int)>& apply);

    Recitation& m_recitation;
    Practice& m_practice;
    ZorvelSettings& m_settings;
    QWidget* m_window;
    QAction* m_recite;
};
