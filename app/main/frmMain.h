#pragma once

#include "app/settings/ZorvelSettings.h"
#include "practice/session/Practice.h"

#include <QMainWindow>

#include <array>

class HelpView;
class ListerPage;
class MainMenus;
class QFrame;
class RangeBar;
class SideWindows;
struct TodayRow;
class ReadingZoom;
class TesterPage;
class ctlTabs;
class ListFiles;

// The main window: the range bar above the "Lister", "Tester" and "Readme/Help" pages and the
// menus. It shows the practice of the open list, restores the previous run's state when it is
// created and stores it again when it closes.
class frmMain : public QMainWindow {
    Q_OBJECT
public:
    // `listToOpen`, when given, is opened at start-up instead of the most recent list, as when
    // the program is started on a list file.
    frmMain(const QString& programFolder, const QString& settingsFile,
            const QString& listToOpen = QString(), QWidget* parent = nullptr);

    // Loads the list file at `strZVFFile` in the current mode. A load that fails says why and
    // leaves the open list, its range and the practice as they were; the result tells which.
    bool LoadZVFFile(const QString& strZVFFile) { return LoadZVFFile(strZVFFile, wordMode()); }
    // The same in the mode given, which becomes the window's mode only when the load succeeds.
    bool LoadZVFFile(const QString& strZVFFile, bool wordMode);

    Practice& practice() { return *m_practice; }
    bool wordMode() const { return m_practice->wordMode(); }
    const QStringList& items() const { return m_practice->items(); }
    const QString& listName() const { return m_practice->name(); }
    const QString& lastOpenFolder() const { return strLastOpenFolder; }
    const PracticeRange& range() const { return m_practice->range(); }
    const TesterSession& tester() const { return m_practice->tester(); }

    // What varies from run to run: the millisecond tick counter and the random order.
    void setTickCounter(TesterSession::TickCounter tickCount)
    {
        m_practice->setTickCounter(std::move(tickCount));
    }
    void seedRandom(quint32 seed) { m_practice->setRandom(std::mt19937(seed)); }

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildTabStrip(QWidget* client);
    void connectMenus();
    void showAppliedRange();
    void reportSettingsTrouble();

    void Form_Load(const QString& listToOpen);
    void openStartingList(const QString& listToOpen);
    void Form_Unload();
    void Form_Resize();
    void ctlTabs1_TabClick(int& OldTab, int& NewTab);
    void mnuFileLoad_Click();
    void mnuFileNew_Click();
    void mnuFileExit_Click();
    void mnuFileMRUF_Click(int index);
    void mnuViewSecondHalves_Click(bool on);
    void mnuViewLanguage_Click(const QString& language);
    void mnuHelpHelp_Click();
    void mnuHelpAbout_Click();

    void readingTextApplied();
    void keepRoomForTheChoices();
    void practiseToday(const TodayRow& row);
    // The choice list's height in twips: the designed one, or taller for header + three rows.
    double choicesHeight() const;

    QString m_programFolder;
    ZorvelSettings m_settings;
    QString strLastOpenFolder;
    QString m_historyPath;
    bool m_settingsReported = false;

    Practice* m_practice;
    RangeBar* m_rangeBar = nullptr;
    MainMenus* m_menus = nullptr;
    ReadingZoom* m_readingZoom = nullptr;
    ctlTabs* ctlTabs1 = nullptr;
    ListerPage* fra1 = nullptr;
    TesterPage* fra2 = nullptr;
    QFrame* fra3 = nullptr;
    HelpView* wbHelp = nullptr;
    ListFiles* m_listFiles = nullptr;     // Open, New and dropped files
    SideWindows* m_sideWindows = nullptr; // Find, Progress, Today
};
