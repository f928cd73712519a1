#pragma once

#include "ListerSession.h"
#include "LookAlikes.h"
#include "PassageFinder.h"
#include "PracticeHistory.h"
#include "PracticeRange.h"
#include "TesterSession.h"
#include "ZorvelSettings.h"
#include "common/FontRecord.h"

#include <QMainWindow>
#include <QStringList>

#include <array>

class HelpView;
class frmOpen;
class IntervalTimer;
class QFrame;
class Splitter;
class ctlTabs;
class QCheckBox;
class QLineEdit;
class RailSlider;
class UniListBox;
class UniText;
class ItemNumberModel;
class LineListModel;
class QAction;
class QComboBox;
class QGroupBox;
class QLabel;
class QMenu;
class QPushButton;
class QToolButton;
class QActionGroup;

// The choice list's designed height, in twips; a larger font makes it taller.
inline constexpr double kDesignedChoicesHeight = 2775;
// The mistakes of a test share a narrow column: their text is smaller than the lists'.
inline constexpr int kMistakesZoom = 60;

// The main window: it holds the open list and the practice state for the whole run, restores
// the previous run's state when it is created and stores it again when it closes.
class frmMain : public QMainWindow {
    Q_OBJECT
public:
    // `listToOpen`, when given, is opened at start-up instead of the most recent list, as when
    // the program is started on a list file.
    frmMain(const QString& programFolder, const QString& settingsFile,
            const QString& listToOpen = QString(), QWidget* parent = nullptr);
    ~frmMain() override;

    // Loads the list file at `strZVFFile` in the current mode. A load that fails says why and
    // leaves the open list, its range and the practice as they were; the result tells which.
    bool LoadZVFFile(const QString& strZVFFile) { return LoadZVFFile(strZVFFile, blnWordMode); }
    // The same in the mode given, which becomes the window's mode only when the load succeeds.
    bool LoadZVFFile(const QString& strZVFFile, bool wordMode);

    bool wordMode() const { return blnWordMode; }

    const QStringList& items() const { return colItems; }
    const QString& listName() const { return strListName; }
    const QString& listTitle() const { return m_listTitle; }
    const QString& lastOpenFolder() const { return strLastOpenFolder; }
    const QString& programFolder() const { return m_programFolder; }
    const PracticeRange& range() const { return colRange; }
    const ListerSession& lister() const { return m_lister; }
    const TesterSession& tester() const { return m_tester; }

    // What varies from run to run: the millisecond tick counter and the random order.
    void setTickCounter(TesterSession::TickCounter tickCount)
    {
        m_tester.setTickCounter(std::move(tickCount));
    }
    void seedRandom(quint32 seed) { m_tester.setRandom(std::mt19937(seed)); }

protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildTopBand(QWidget* client);
    void buildMenus();
    void nameForScreenReaders();
    void buildTabStrip(QWidget* client);
    void buildListerPage(QWidget* page);
    void buildTesterPage(QWidget* page);
    void buildHelpPage(QWidget* page);

    void Form_Resize();
    void ctlTabs1_TabClick(int& OldTab, int& NewTab);
    void mnuHelpHelp_Click();
    void buildViewMenu();
    void fillFontMenu();
    void checkShownFace();
    void chooseReadingFont(const QString& family);
    void setZoom(int percent);
    void applyReadingFont();
    void keepRoomForTheChoices();
    bool zoomByWheel(QObject* watched, QEvent* event);
    void Form_Load(const QString& listToOpen);
    void Form_Unload();
    void mnuFileLoad_Click();
    void mnuFileNew_Click();
    void mnuFileExit_Click();
    void mnuHelpAbout_Click();
    void mnuFileMRUF_Click(int index);

    void buildRecentFileMenu();
    void addToRecentFiles(const QString& path);

    void openStartingList(const QString& listToOpen);
    void restoreStoredRange();

    // Range selection.
    void connectRangeControls();
    void FillRangeCombos();
    void ApplyRange();
    void ShowComboFromTo();
    void applyAndRestart(const PracticeRange& range);
    void showRangeInLineLists();
    void cmbFrom_Click();
    void cmbTo_Click();
    void refuseInvalidChoice(QComboBox* corrected, int index);
    void cmbLineFrom_Click();
    void cmbLineTo_Click();
    void cmdAll_Click();
    void cmdFirst5_Click();
    void cmdFirst10_Click();
    bool requireOpenList();
    void selectFirstItems(int size);
    void cmdNextRange_Click();
    void cmdPrevRange_Click();

    // The Lister.
    void cmdRestartListing_Click();
    void cmdManualListing_Click();
    void Timer2_Timer();
    void runListingClockWhenNeeded();
    void sdrListingSpeed_ValueChanged();
    void chkRestartListing_Click();
    void chkRecallFirst_Click();
    void lstList_Click();
    void lstList_DblClick();
    void putReferenceOnClipboard();

    // The Tester.
    void cmdRestartTest_Click();
    void ShowChoices();
    void lstSelect_MouseDown();
    void lstSelect_MouseUp();
    void lstSelect_KeyDown(int KeyCode);
    void answerChoice(int row);
    bool Form_KeyPress(const QString& text);
    void Timer1_Timer();
    void showVerdict(bool right);
    void showCounts();
    void showMistakes();
    // The reading face at the user's zoom (percent of it, for smaller text).
    FontRecord readingFontAtZoom(bool bold, int percentOfZoom = 100) const;
    // The choice list's height in twips: the designed one, or taller for header + three rows.
    double choicesHeight() const;
    PracticeHistory& history();
    void reportHistoryTrouble();
    void mnuViewProgress_Click();
    void practiseFrom(const QString& item);
    void mnuViewFind_Click();
    const PassageFinder& finder();
    const LookAlikes& lookAlikes();
    void chkLookAlikes_Click();
    void showTimeTaken(const QString& text);

    QString m_programFolder;
    QString m_userFolder; // the user's own lists; none when the program's folder keeps them
    ZorvelSettings m_settings;

    // The open list.
    QStringList colItems;
    bool blnWordMode = false;
    QString strLastOpenFolder;
    QString strListName;
    QString m_listTitle; // the list as the practice history knows it
    bool blnComboEvents = true;

    // The practised range; each practice mode keeps the one it was restarted with.
    PracticeRange colRange;
    ListerSession m_lister;
    TesterSession m_tester;
    bool m_pickArmed = false;                 // a press on the choices that its release may answer
    std::optional<PracticeHistory> m_history; // opened at the first pick
    std::optional<PassageFinder> m_finder;    // made for the open list when first asked
    std::optional<LookAlikes> m_lookAlikes;
    QString m_historyPath;
    QString m_historyTrouble;
    bool m_historyReported = false;

    IntervalTimer* Timer1 = nullptr;
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
    ctlTabs* ctlTabs1 = nullptr;
    QFrame* fra1 = nullptr;
    QFrame* fra2 = nullptr;
    QFrame* fra3 = nullptr;
    Splitter* Splitter1 = nullptr;
    HelpView* wbHelp = nullptr;

    UniListBox* lstList = nullptr;
    UniText* txtCompleteText = nullptr;
    QPushButton* cmdRestartListing = nullptr;
    QCheckBox* chkRestartListing = nullptr;
    QCheckBox* chkRecallFirst = nullptr; // beyond the design: off unless the user ticks it
    RailSlider* sdrListingSpeed = nullptr;
    QLabel* lblSpeed = nullptr;
    QPushButton* cmdManualListing = nullptr;

    UniListBox* lstSelected = nullptr;
    UniListBox* lstSelect = nullptr;
    QPushButton* cmdRestartTest = nullptr;
    QLabel* lblCorrect = nullptr;
    QLabel* lblWrong = nullptr;
    QLabel* lblTimeTaken = nullptr;
    QLineEdit* txtAnswer = nullptr;
    QLabel* lblMistakes = nullptr; // beyond the design: shown after a test with mistakes
    UniListBox* lstMistakes = nullptr;
    QCheckBox* chkLookAlikes = nullptr; // beyond the design: off unless the user ticks it

    frmOpen* m_openWindow = nullptr; // loaded on first use, then only hidden

    QMenu* mnuFile = nullptr;
    QAction* mnuFileLoad = nullptr;
    QAction* mnuFileNew = nullptr;
    QAction* mnuFileSep = nullptr;
    std::array<QAction*, 5> mnuFileMRUF{};
    QAction* mnuFileSep1 = nullptr;
    QAction* mnuFileExit = nullptr;
    QMenu* mnuView = nullptr;
    QMenu* mnuViewFont = nullptr;
    QMenu* mnuHelp = nullptr;
    QAction* mnuHelpHelp = nullptr;
    QAction* mnuHelpAbout = nullptr;
};
