#pragma once

#include "ZorvelSettings.h"

#include <QMainWindow>
#include <QStringList>

#include <array>

class IntervalTimer;
class ItemNumberModel;
class LineListModel;
class QAction;
class QComboBox;
class QGroupBox;
class QLabel;
class QMenu;
class QPushButton;
class QToolButton;

// The main window: it holds the open list and the practice state for the whole run, restores
// the previous run's state when it is created and stores it again when it closes.
class frmMain : public QMainWindow {
    Q_OBJECT
public:
    frmMain(const QString& programFolder, const QString& settingsFile, QWidget* parent = nullptr);
    ~frmMain() override;

    // Loads the list file at `strZVFFile` in the current mode. A load that fails says why and
    // leaves the open list, its range and the practice as they were.
    void LoadZVFFile(const QString& strZVFFile);

    bool wordMode() const { return blnWordMode; }
    void setWordMode(bool wordMode) { blnWordMode = wordMode; }

    const QStringList& items() const { return colItems; }
    const QString& listName() const { return strListName; }
    const QString& lastOpenFolder() const { return strLastOpenFolder; }
    const QString& programFolder() const { return m_programFolder; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildTopBand(QWidget* client);
    void buildMenus();

    void Form_Load();
    void Form_Unload();
    void mnuFileExit_Click();
    void mnuFileMRUF_Click(int index);

    void buildRecentFileMenu();
    void addToRecentFiles(const QString& path);
    void reopenMostRecentList();

    void FillRangeCombos();
    void ShowComboFromTo();

    QString m_programFolder;
    ZorvelSettings m_settings;

    // The open list.
    QStringList colItems;
    bool blnWordMode = false;
    QString strLastOpenFolder;
    QString strListName;
    bool blnComboEvents = true;

    // Restored at start-up and stored at shutdown for the pages that show them.
    int m_activeTab = 3;
    int m_listerSpeed = 3;
    bool m_restartListing = true;
    int m_splitPercent = 60;

    IntervalTimer* Timer2 = nullptr;
    ItemNumberModel* m_itemNumbers = nullptr;
    LineListModel* m_lines = nullptr;

    QLabel* lblFrom = nullptr;
    QComboBox* cmbFrom = nullptr;
    QLabel* lblTo = nullptr;
    QComboBox* cmbTo = nullptr;
    QComboBox* cmbLineFrom = nullptr;
    QComboBox* cmbLineTo = nullptr;
    QToolButton* cmdPrevRange = nullptr;
    QToolButton* cmdNextRange = nullptr;
    QGroupBox* Frame1 = nullptr;
    QPushButton* cmdAll = nullptr;
    QPushButton* cmdFirst5 = nullptr;
    QPushButton* cmdFirst10 = nullptr;
    QWidget* ctlTabs1 = nullptr;

    QMenu* mnuFile = nullptr;
    QAction* mnuFileSep = nullptr;
    std::array<QAction*, 5> mnuFileMRUF{};
    QAction* mnuFileSep1 = nullptr;
    QAction* mnuFileExit = nullptr;
};
