#pragma once

#include "practice/plan/todayrow.h"

#include <QObject>
#include <QPointer>

class MainMenus;
class Practice;
struct ProgressData;
class QWidget;
class Recitation;
class ZorvelSettings;
class ProgressWindow;
class TodayWindow;
class WriteWindow;

// The windows a learner opens beside the practice from the View menu: Find, Progress, Today
// and Write from Memory. All but Find stay open and follow the practice as it goes on.
class SideWindows : public QObject {
    Q_OBJECT
public:
    SideWindows(QWidget* window, MainMenus& menus, Practice& practice, ZorvelSettings& settings);

    void closeAll();
    // Reciting, Write from Memory can play a checked entry.
    void setRecitation(Recitation* recitation) { m_recitation = recitation; }
    // The Progress window brought up to date, after another range or list.
    void refreshProgress();

signals:
    // Today's row chosen to practise: its list (opened in its mode if need be) and passage.
    void practise(const TodayRow& row);
    // A pair of items taken for one another, to be tested in turn.
    void practisePair(int number, int other);

private:
    void keepTodayAside();
    void mnuViewFind_Click();
    void mnuViewProgress_Click();
    void mnuViewToday_Click();
    void mnuViewWrite_Click();
    // The passage `first` to `last` of the open list, recited aloud and marked.
    void recite(int first, int last);
    void exportMemory();
    // Both windows brought up to date, after a test or another plan.
    void refresh();
    ProgressData progressToday();
    bool requireOpenList();

    QWidget* m_window;
    Practice& m_practice;
    ZorvelSettings& m_settings;
    QPointer<ProgressWindow> m_progress;
    QPointer<TodayWindow> m_today;
    QPointer<WriteWindow> m_write;
    Recitation* m_recitation = nullptr;
};
