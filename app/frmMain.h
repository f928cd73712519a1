#pragma once

#include "PracticeRange.h"
#include "ZorvelSettings.h"
#include "rangestep.h"

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
    // leaves the open list, its range and the practice as they were; the result tells which.
    bool LoadZVFFile(const QString& strZVFFile);

    bool wordMode() const { return blnWordMode; }
    void setWordMode(bool wordMode) { blnWordMode = wordMode; }

    const QStringList& items() const { return colItems; }
    const QString& listName() const { return strListName; }
    const QString& lastOpenFolder() const { return strLastOpenFolder; }
    const QString& programFolder() const { return m_programFolder; }
    const PracticeRange& range() const { return colRange; }
    int currentItem() const { return intCurItem; }

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
    void restoreStoredRange();

    // Range selection.
    void connectRangeControls();
    void FillRangeCombos();
    void ApplyRange();
    void ShowComboFromTo();
    void applyAndRestart();
    void selectRange(const RangeSelection& range);
    RangeSelection selectedRange() const;
    void showRangeInLineLists();
    void cmbFrom_Click();
    void cmbTo_Click();
    void refuseInvalidChoice(QComboBox* corrected, int index);
    void cmbLineFrom_Click();
    void cmbLineTo_Click();
    void cmdAll_Click();
    void cmdFirst5_Click();
    void cmdFirst10_Click();
    void selectFirstItems(int size);
    void cmdNextRange_Click();
    void cmdPrevRange_Click();

    // The practice modes restarted by every change of range.
    void cmdRestartTest_Click();
    void cmdRestartListing_Click();

    QString m_programFolder;
    ZorvelSettings m_settings;

    // The open list.
    QStringList colItems;
    bool blnWordMode = false;
    QString strLastOpenFolder;
    QString strListName;
    bool blnComboEvents = true;

    // The current range and the overflow marks (Tag) of the From and To lists.
    PracticeRange colRange;
    int intCurItem = 0;
    std::optional<int> cmbFromTag;
    std::optional<int> cmbToTag;

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
