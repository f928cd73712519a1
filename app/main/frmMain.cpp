#include "app/main/frmMain.h"

#include "app/files/ListFiles.h"
#include "app/files/listmessages.h"
#include "app/main/HelpView.h"
#include "app/main/ListerPage.h"
#include "app/main/MainMenus.h"
#include "app/main/RangeBar.h"
#include "app/main/ReadingZoom.h"
#include "app/main/TesterPage.h"
#include "app/main/frmAbout.h"
#include "app/main/historymessages.h"
#include "app/main/mainlayout.h"
#include "app/main/programicon.h"
#include "app/main/readingfonts.h"
#include "app/recitation/RecitationMenu.h"
#include "app/settings/interfacelanguage.h"
#include "app/settings/recentfiles.h"
#include "app/share/SharingMenu.h"
#include "app/side/SideWindows.h"
#include "app/version.h"
#include "controls/common/MessageBox.h"
#include "controls/common/PropertyBag.h"
#include "controls/common/captionfit.h"
#include "controls/common/designed.h"
#include "controls/slider/RailSlider.h"
#include "controls/splitter/Splitter.h"
#include "controls/tabs/ctlTabs.h"
#include "controls/unitext/UniText.h"
#include "lists/listloader.h"
#include "lists/userlists.h"
#include "practice/history/historyfile.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QTimer>

namespace {

// The designed client area in twips.
constexpr int kClientWidth = 10740;
constexpr int kClientHeight = 8850;

QString baseCaption()
{
    return QStringLiteral("Zorvel %1.%2").arg(ZORVEL_VERSION_MAJOR).arg(ZORVEL_VERSION_MINOR);
}

} // namespace

frmMain::frmMain(const QString& programFolder, const QString& settingsFile,
                 const QString& listToOpen, QWidget* parent)
    : QMainWindow(parent)
    , m_programFolder(programFolder)
    , m_settings(settingsFile)
    , m_historyPath(defaultHistoryPath())
    , m_practice(new Practice(this))
{
    setObjectName(QStringLiteral("frmMain"));
    setFont(sansSerifFont(false).toQFont()); // the form's designed font, for every caption
    setWindowIcon(programIcon());
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    setCentralWidget(client);
    // At its designed size already, so that captions are fitted within it, and mirrored
    // within it right to left.
    client->resize(twipsToPixels(kClientWidth), twipsToPixels(kClientHeight));
    m_listFiles = new ListFiles(
        programFolder, userListFolder(programFolder, QFileInfo(programFolder).isWritable()),
        m_settings, this);
    connect(m_listFiles, &ListFiles::listSaved, this,
            [this](const QString& path) { LoadZVFFile(path); });
    m_rangeBar = new RangeBar(client, *m_practice);
    buildTabStrip(client);
    m_menus = new MainMenus(this);
    m_readingZoom =
        new ReadingZoom(m_settings, *m_menus, {fra1->list(), fra2->recalled(), fra2->choices()},
                        fra1->completeText(), this);
    connect(m_readingZoom, &ReadingZoom::applied, this, &frmMain::readingTextApplied);
    connectMenus();
    fitCaptionsToText(this);
    m_practice->setHistoryOpener([this] { return openHistoryFile(m_historyPath); });
    connect(m_practice, &Practice::listOpened, m_rangeBar, &RangeBar::FillRangeCombos);
    connect(m_practice, &Practice::rangeApplied, this, &frmMain::showAppliedRange);
    HistoryMessages::follow(m_practice, this, m_historyPath);
    // The window sees key presses before its controls.
    qApp->installEventFilter(this);
    setAcceptDrops(true); // a list file dropped on the window opens

    resize(twipsToPixels(kClientWidth),
           twipsToPixels(kClientHeight) + menuBar()->sizeHint().height());
    // The lists take the reading font before the stored list fills them; a large one makes
    // the window taller, and the window is centred as it will be shown.
    m_readingZoom->apply();
    if (const QScreen* screen = QApplication::primaryScreen())
        move(startingFrame(frameGeometry(), screen->availableGeometry()).topLeft());
    Form_Load(listToOpen);
}

void frmMain::buildTabStrip(QWidget* client)
{
    ctlTabs1 = makeDesigned<ctlTabs>(client, "ctlTabs1", twipsRect(105, 630, 10545, 8175));
    PropertyBag tabs;
    tabs.write(QStringLiteral("TABWIDE"), 161);
    tabs.write(QStringLiteral("TABHIGH"), 20);
    tabs.write(QStringLiteral("TABCOUNT"), 3);
    const QStringList captions{tr("Lister"), tr("Tester"), tr("Readme/Help")};
    for (int n = 1; n <= 3; ++n) {
        tabs.write(QStringLiteral("TABCAPTION%1").arg(n), captions[n - 1]);
        tabs.write(QStringLiteral("TABFRAME%1").arg(n), QStringLiteral("fra%1").arg(n));
    }
    tabs.write(QStringLiteral("TABSTYLE"), 0); // right to left, the strip mirrors itself
    tabs.write(QStringLiteral("TABFONT"), QVariant::fromValue(sansSerifFont(true)));
    tabs.write(QStringLiteral("TABFONTACTIVE"), QVariant::fromValue(sansSerifFont(true)));
    ctlTabs1->readProperties(tabs);
    ctlTabs1->setAccessibleName(tr("Pages"));

    const QRect page = twipsRect(45, 420, 10440, 7710);
    fra1 = new ListerPage(*m_practice, m_settings, ctlTabs1);
    fra2 = new TesterPage(*m_practice, m_settings, ctlTabs1);
    fra3 = makeDesigned<QFrame>(ctlTabs1, "fra3", page);
    for (QFrame* frame : {static_cast<QFrame*>(fra1), static_cast<QFrame*>(fra2)})
        placeDesigned(frame, page);
    wbHelp = makeDesigned<HelpView>(fra3, "wbHelp", twipsRect(150, 225, 10215, 7395));
    wbHelp->setAccessibleName(tr("Read-me"));
    connect(ctlTabs1, &ctlTabs::TabClick, this, &frmMain::ctlTabs1_TabClick);
}

void frmMain::connectMenus()
{
    connect(m_menus->mnuFileLoad, &QAction::triggered, this, &frmMain::mnuFileLoad_Click);
    connect(m_menus->mnuFileNew, &QAction::triggered, this, &frmMain::mnuFileNew_Click);
    connect(m_menus->mnuFileExit, &QAction::triggered, this, &frmMain::mnuFileExit_Click);
    connect(m_menus, &MainMenus::recentFileChosen, this, &frmMain::mnuFileMRUF_Click);
    m_sideWindows = new SideWindows(this, *m_menus, *m_practice, m_settings);
    auto* recitation =
        (new RecitationMenu(m_menus->mnuViewRecitation, *m_practice, m_settings, this))
            ->recitation();
    fra1->setRecitation(recitation);
    fra2->setRecitation(recitation);
    m_sideWindows->setRecitation(recitation);
    new SharingMenu(m_menus->mnuFileShare, m_menus->mnuFileStopSharing, m_menus->mnuFileClass,
                    *m_practice, m_settings, this);
    connect(m_sideWindows, &SideWindows::practise, this, &frmMain::practiseToday);
    connect(m_sideWindows, &SideWindows::practisePair, this, [this](int number, int other) {
        m_practice->practisePair(number, other);
        ctlTabs1->setSelectedTab(2);
    });
    connect(m_menus->mnuViewSecondHalves, &QAction::toggled, this,
            &frmMain::mnuViewSecondHalves_Click);
    connect(m_menus, &MainMenus::languageChosen, this, &frmMain::mnuViewLanguage_Click);
    connect(m_menus->mnuHelpHelp, &QAction::triggered, this, &frmMain::mnuHelpHelp_Click);
    connect(m_menus->mnuHelpAbout, &QAction::triggered, this, &frmMain::mnuHelpAbout_Click);
}

// The Tester's choices change with the option at once; the Lister's next prompt follows it.
void frmMain::mnuViewSecondHalves_Click(bool on)
{
    m_settings.setSecondHalves(on);
    m_practice->setSecondHalves(on);
    if (m_practice->hasList()) {
        m_practice->restartTest();
        fra2->showTestFromStart();
    }
}

// The whole interface is built in its language at start-up: the choice applies from the next.
void frmMain::mnuViewLanguage_Click(const QString& language)
{
    m_settings.setLanguage(language);
    MessageBox::inform(this, tr("Zorvel will speak the language chosen from its next start."),
                       tr("Language"));
}

// A new range is shown in the lists and both pages start again on it.
void frmMain::showAppliedRange()
{
    m_rangeBar->ApplyRange();
    fra2->showTestFromStart();
    fra1->showListingFromStart();
    m_sideWindows->refreshProgress();
}

// A passage of Today's plan: its list in its mode, opened if another is, then tested.
void frmMain::practiseToday(const TodayRow& row)
{
    if ((m_practice->path() != row.path || wordMode() != row.wordMode) &&
        !LoadZVFFile(row.path, row.wordMode))
        return;
    // The list may have been edited since the plan was made: never practise other than named.
    if (row.last > m_practice->items().size())
        return showPassageGoneMessage(this, row.title, row.references);
    // Recall first is on before the range starts, so that its first entry is prompted too.
    if (m_settings.todayRecalls())
        fra1->setRecallFirst(true);
    m_practice->choose(row.first, row.last);
    ctlTabs1->setSelectedTab(m_settings.todayRecalls() ? 1 : 2);
}

void frmMain::Form_Load(const QString& listToOpen)
{
    reportSettingsTrouble();
    wbHelp->setOffline(true);
    m_menus->showRecentFiles(recentfiles::menuEntries(m_settings.recentFiles()));
    setWindowTitle(baseCaption());
    openStartingList(listToOpen);
    {
        // Without a list the restart of the stored tab's page has nothing to say at start-up.
        const QSignalBlocker quiet(m_practice->hasList() ? nullptr : ctlTabs1);
        ctlTabs1->setSelectedTab(m_settings.activeTab());
    }
    m_menus->mnuViewSecondHalves->setChecked(m_settings.secondHalves());
    m_menus->offerLanguages(
        [folder = m_programFolder] { return interfacelanguage::available(folder); });
    m_menus->showLanguage(m_settings.language());
    fra1->restoreSettings(m_settings);
    fra2->restoreSettings(m_settings);
    strLastOpenFolder = m_settings.lastOpenFolder(m_programFolder + QStringLiteral("/Arabic"));
    wbHelp->setOffline(true);
    //: The read-me page's file in the program's folder; each language has its own.
    wbHelp->navigate(m_programFolder + u'/' + tr("ZV_Readme.htm"));
    wbHelp->setOffline(true);
    // Beside the window, once it shows: only when the learner asked for it.
    if (m_settings.todayAtStart())
        QTimer::singleShot(0, m_menus->mnuViewToday, &QAction::trigger);
}

void frmMain::openStartingList(const QString& listToOpen)
{
    // A list named at start-up that cannot be found is said so; start-up then goes on as usual.
    if (!listToOpen.isEmpty()) {
        const QString path = QFileInfo(listToOpen).absoluteFilePath();
        if (LoadZVFFile(path))
            return; // the stored range belongs to the most recent list, not to this one
    }
    const QString mostRecent = m_menus->recentFile(0);
    // A recent file that vanished is skipped silently at start-up.
    if (mostRecent.isEmpty() || !QFileInfo(mostRecent).isFile())
        return;
    if (LoadZVFFile(mostRecent))
        m_practice->restoreRange({m_settings.fromRange(), m_settings.toRange()});
}

void frmMain::closeEvent(QCloseEvent* event)
{
    m_sideWindows->closeAll();
    Form_Unload();
    event->accept();
}

// The range kept is the practised one, whatever the lists show.
void frmMain::Form_Unload()
{
    m_settings.setListerSpeed(fra1->speedSlider()->Value());
    m_settings.setActiveTab(ctlTabs1->SelectedTab());
    const Practice::StoredRange range = m_practice->storedRange();
    m_settings.setFromRange(range.from);
    m_settings.setToRange(range.to);
    m_settings.setRestartListing(fra1->restartOnFinish());
    m_settings.setSplitPercent(fra1->splitter()->SplitPercent());
    if (!m_settings.sync())
        reportSettingsTrouble();
    if (const int lost = m_practice->saveWaitingAnswers())
        HistoryMessages::lost(this, m_historyPath, lost);
}

// The look-alike index may be built once the window shows, never on the start-up path.
void frmMain::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (m_practice->allowLookAlikeIndex())
        QTimer::singleShot(0, fra2, &TesterPage::offerLookAlikes);
}

bool frmMain::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress || !watched->isWidgetType() ||
        static_cast<QWidget*>(watched)->window() != this)
        return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    // Enter presses the manual-listing button, the window's default button while it is shown.
    const Qt::KeyboardModifiers modifiers = key->modifiers() & ~Qt::KeypadModifier;
    QPushButton* manual = fra1->manualListingButton();
    if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) &&
        modifiers == Qt::NoModifier && manual->isVisible()) {
        manual->click();
        return true;
    }
    // The digits answer the Tester, or grade a recall on the Lister, and Space and Enter reveal
    // a waiting prompt, only while that page is shown; elsewhere they are the focused control's.
    return (ctlTabs1->SelectedTab() == 2 && fra2->Form_KeyPress(key->text())) ||
           (ctlTabs1->SelectedTab() == 1 && modifiers == Qt::NoModifier &&
            (fra1->gradeKey(key->text()) || fra1->revealKey(key->key())));
}

void frmMain::mnuFileLoad_Click()
{
    const auto chosen = m_listFiles->chooseInOpenWindow();
    if (chosen && LoadZVFFile(chosen->path, chosen->wordMode) && ctlTabs1->SelectedTab() == 3)
        ctlTabs1->setSelectedTab(1);
}

void frmMain::mnuFileNew_Click()
{
    m_listFiles->writeNewList();
}

void frmMain::dragEnterEvent(QDragEnterEvent* event)
{
    if (!ListFiles::droppedList(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void frmMain::dropEvent(QDropEvent* event)
{
    const QString path = ListFiles::droppedList(event->mimeData());
    if (path.isEmpty())
        return;
    event->acceptProposedAction();
    LoadZVFFile(path);
}

void frmMain::mnuHelpAbout_Click()
{
    auto* about = new frmAbout(this); // unloaded when it closes
    about->exec();
}

void frmMain::mnuFileExit_Click()
{
    close();
}

void frmMain::mnuFileMRUF_Click(int index)
{
    LoadZVFFile(m_menus->recentFile(index));
}

bool frmMain::LoadZVFFile(const QString& strZVFFile, bool wordMode)
{
    // Everything that can fail happens before the open list is touched.
    LoadedList list = loadList(strZVFFile, wordMode);
    if (list.status == LoadedList::Missing) {
        showNoItemSelectedMessage(this);
        return false;
    }
    if (list.status == LoadedList::Failed) {
        showErrorMessage(this, list.message);
        return false;
    }
    strLastOpenFolder = list.folder;
    m_settings.setLastOpenFolder(strLastOpenFolder);
    setWindowTitle(baseCaption() + QStringLiteral(" [ ") + list.title + QStringLiteral(" ]"));
    m_practice->open(std::move(list), wordMode); // the whole list, which the lists then show
    m_settings.setRecentFiles(recentfiles::add(m_settings.recentFiles(), strZVFFile));
    m_menus->showRecentFiles(recentfiles::menuEntries(m_settings.recentFiles()));
    return true;
}

// Settings that cannot be read or kept are said once; the program goes on without them.
void frmMain::reportSettingsTrouble()
{
    const QString trouble = m_settings.trouble();
    if (trouble.isEmpty() || std::exchange(m_settingsReported, true))
        return;
    MessageBox::inform(this, trouble, tr("Settings"));
}

void frmMain::ctlTabs1_TabClick(int&, int& NewTab)
{
    if (NewTab == 1)
        fra1->cmdRestartListing_Click();
    else if (NewTab == 2)
        fra2->cmdRestartTest_Click();
}

void frmMain::mnuHelpHelp_Click()
{
    if (ctlTabs1->SelectedTab() != 3)
        ctlTabs1->setSelectedTab(3);
}

void frmMain::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    Form_Resize();
}
