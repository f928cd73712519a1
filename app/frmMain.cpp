#include "frmMain.h"

#include "HelpView.h"
#include "ItemNumberModel.h"
#include "LineListModel.h"
#include "common/FontRecord.h"
#include "common/IntervalTimer.h"
#include "common/captionfit.h"
#include "common/designed.h"
#include "common/longlistcombo.h"
#include "frmAbout.h"
#include "frmNew.h"
#include "frmOpen.h"
#include "listloader.h"
#include "listmessages.h"
#include "mainlayout.h"
#include "programicon.h"
#include "rangestepicon.h"
#include "readingfonts.h"
#include "recentfiles.h"
#include "slider/RailSlider.h"
#include "splitter/Splitter.h"
#include "tabs/ctlTabs.h"
#include "unilistbox/UniListBox.h"
#include "unitext/UniText.h"
#include "userlists.h"
#include "version.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMimeData>
#include <QPushButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QToolButton>

#include <chrono>

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
    , m_userFolder(userListFolder(programFolder, QFileInfo(programFolder).isWritable()))
    , m_settings(settingsFile)
    , m_tester(std::mt19937(quint32(std::chrono::system_clock::now().time_since_epoch().count())),
               [] {
                   return qint64(std::chrono::duration_cast<std::chrono::milliseconds>(
                                     std::chrono::steady_clock::now().time_since_epoch())
                                     .count());
               })
    , Timer1(new IntervalTimer(this))
    , Timer2(new IntervalTimer(this))
    , m_itemNumbers(new ItemNumberModel(this))
    , m_lines(new LineListModel(this))
{
    setObjectName(QStringLiteral("frmMain"));
    setFont(sansSerifFont(false).toQFont()); // the form's designed font, for every caption
    setWindowIcon(programIcon());
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    setCentralWidget(client);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer2->setObjectName(QStringLiteral("Timer2"));
    Timer1->setInterval(1000);
    Timer1->setEnabled(false);
    connect(Timer1, &IntervalTimer::timeout, this, &frmMain::Timer1_Timer);
    connect(Timer2, &IntervalTimer::timeout, this, &frmMain::Timer2_Timer);
    buildTopBand(client);
    buildMenus();
    nameForScreenReaders();
    connectRangeControls();
    fitCaptionsToText(this);
    // The window sees key presses before its controls.
    qApp->installEventFilter(this);
    setAcceptDrops(true); // a list file dropped on the window opens

    resize(twipsToPixels(kClientWidth),
           twipsToPixels(kClientHeight) + menuBar()->sizeHint().height());
    // The lists take the reading font before the stored list fills them; a large one makes
    // the window taller, and the window is centred as it will be shown.
    applyReadingFont();
    if (const QScreen* screen = QApplication::primaryScreen())
        move(startingFrame(frameGeometry(), screen->availableGeometry()).topLeft());
    Form_Load(listToOpen);
}

frmMain::~frmMain() = default;

// Controls that have no caption or label of their own; the rest are named by them.
void frmMain::nameForScreenReaders()
{
    const std::pair<QWidget*, QString> names[] = {
        {cmdPrevRange, cmdPrevRange->toolTip()},
        {cmdNextRange, cmdNextRange->toolTip()},
        {cmbLineFrom, tr("From line")},
        {cmbLineTo, tr("To line")},
        {ctlTabs1, tr("Pages")},
        {Splitter1, tr("Divider between the listed items and the complete text")},
        {lstList, tr("Listed items")},
        {txtCompleteText, tr("Complete text")},
        {sdrListingSpeed, tr("Listing speed")},
        {lstSelected, tr("Recalled items")},
        {lstSelect, tr("Choices")},
        {txtAnswer, tr("Verdict")},
        {lblCorrect, tr("Correct")},
        {lblWrong, tr("Wrong")},
        {lblTimeTaken, tr("Time Taken")},
        {wbHelp, tr("Read-me")},
    };
    for (const auto& [control, name] : names)
        control->setAccessibleName(name);
}

void frmMain::buildTopBand(QWidget* client)
{
    // Alt+F is the File menu's, as everywhere; From is Alt+O.
    lblFrom = makeDesigned<QLabel>(client, "lblFrom", twipsRect(120, 210, 675, 255),
                                   QStringLiteral("Fr&om"));
    cmbFrom = makeDesigned<QComboBox>(client, "cmbFrom", twipsRect(555, 165, 1320, 315));
    lblTo = makeDesigned<QLabel>(client, "lblTo", twipsRect(1980, 210, 240, 270),
                                 QStringLiteral("&To"));
    cmbTo = makeDesigned<QComboBox>(client, "cmbTo", twipsRect(2265, 165, 1320, 315));
    cmdPrevRange =
        makeDesigned<QToolButton>(client, "cmdPrevRange", twipsRect(3630, 180, 240, 285));
    cmdNextRange =
        makeDesigned<QToolButton>(client, "cmdNextRange", twipsRect(3915, 180, 240, 285));
    Frame1 = makeDesigned<QGroupBox>(client, "Frame1", twipsRect(4260, -30, 3120, 615),
                                     QStringLiteral("Select"));
    cmdAll = makeDesigned<QPushButton>(Frame1, "cmdAll", twipsRect(180, 255, 825, 285),
                                       QStringLiteral("&All"));
    cmdFirst5 = makeDesigned<QPushButton>(Frame1, "cmdFirst5", twipsRect(1170, 255, 825, 285),
                                          QStringLiteral("First &5"));
    cmdFirst10 = makeDesigned<QPushButton>(Frame1, "cmdFirst10", twipsRect(2175, 255, 825, 285),
                                           QStringLiteral("First &10"));
    // Start-up moves the line lists onto the places of the item lists.
    cmbLineFrom = makeDesigned<QComboBox>(client, "cmbLineFrom", twipsRect(0, 0, 1320, 315));
    cmbLineTo = makeDesigned<QComboBox>(client, "cmbLineTo", twipsRect(0, 0, 1320, 315));
    buildTabStrip(client);

    lblFrom->setBuddy(cmbFrom);
    lblTo->setBuddy(cmbTo);
    cmdPrevRange->setToolTip(QStringLiteral("Select Previous Range"));
    cmdNextRange->setToolTip(QStringLiteral("Select Next Range"));
    cmdPrevRange->setIcon(rangeStepIcon(Qt::LeftArrow));
    cmdNextRange->setIcon(rangeStepIcon(Qt::RightArrow));

    cmbFrom->setModel(m_itemNumbers);
    cmbTo->setModel(m_itemNumbers);
    cmbLineFrom->setModel(m_lines);
    cmbLineTo->setModel(m_lines);
    for (QComboBox* combo : {cmbFrom, cmbTo, cmbLineFrom, cmbLineTo})
        makeLongListReady(combo);
}

void frmMain::buildMenus()
{
    mnuFile = menuBar()->addMenu(QStringLiteral("&File"));
    mnuFile->setObjectName(QStringLiteral("mnuFile"));
    mnuFileLoad = mnuFile->addAction(QStringLiteral("&Open"));
    mnuFileLoad->setObjectName(QStringLiteral("mnuFileLoad"));
    mnuFileLoad->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    connect(mnuFileLoad, &QAction::triggered, this, &frmMain::mnuFileLoad_Click);
    mnuFile->addSeparator()->setObjectName(QStringLiteral("sepFileBeforeNew"));
    mnuFileNew = mnuFile->addAction(QStringLiteral("&New"));
    mnuFileNew->setObjectName(QStringLiteral("mnuFileNew"));
    mnuFileNew->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    connect(mnuFileNew, &QAction::triggered, this, &frmMain::mnuFileNew_Click);
    mnuFileSep = mnuFile->addSeparator();
    mnuFileSep->setObjectName(QStringLiteral("mnuFileSep"));
    for (int k = 0; k < recentfiles::kShown; ++k) {
        mnuFileMRUF[k] = mnuFile->addAction(QString());
        mnuFileMRUF[k]->setObjectName(QStringLiteral("mnuFileMRUF%1").arg(k + 1));
        connect(mnuFileMRUF[k], &QAction::triggered, this, [this, k] { mnuFileMRUF_Click(k); });
    }
    mnuFileSep1 = mnuFile->addSeparator();
    mnuFileSep1->setObjectName(QStringLiteral("mnuFileSep1"));
    mnuFileExit = mnuFile->addAction(QStringLiteral("&Exit"));
    mnuFileExit->setObjectName(QStringLiteral("mnuFileExit"));
    connect(mnuFileExit, &QAction::triggered, this, &frmMain::mnuFileExit_Click);

    buildViewMenu();

    mnuHelp = menuBar()->addMenu(QStringLiteral("&Help"));
    mnuHelp->setObjectName(QStringLiteral("mnuHelp"));
    mnuHelpHelp = mnuHelp->addAction(QStringLiteral("&Help"));
    mnuHelpHelp->setObjectName(QStringLiteral("mnuHelpHelp"));
    connect(mnuHelpHelp, &QAction::triggered, this, &frmMain::mnuHelpHelp_Click);
    mnuHelp->addSeparator()->setObjectName(QStringLiteral("sep21"));
    mnuHelpAbout = mnuHelp->addAction(QStringLiteral("&About"));
    mnuHelpAbout->setObjectName(QStringLiteral("mnuHelpAbout"));
    connect(mnuHelpAbout, &QAction::triggered, this, &frmMain::mnuHelpAbout_Click);
}

void frmMain::Form_Load(const QString& listToOpen)
{
    wbHelp->setOffline(true);
    lblTimeTaken->setText(QStringLiteral("0 sec"));
    Timer1->setEnabled(false);
    buildRecentFileMenu();
    setWindowTitle(baseCaption());
    openStartingList(listToOpen);
    {
        // Without a list the restart of the stored tab's page has nothing to say at start-up.
        const QSignalBlocker quiet(colItems.isEmpty() ? ctlTabs1 : nullptr);
        ctlTabs1->setSelectedTab(m_settings.activeTab());
    }
    sdrListingSpeed->setValue(3);
    sdrListingSpeed->setValue(m_settings.listerSpeed());
    sdrListingSpeed_ValueChanged(); // an unchanged value raised no event
    chkRestartListing->setChecked(m_settings.restartListing());
    chkRecallFirst->setChecked(m_settings.recallFirst());
    chkLookAlikes->setChecked(m_settings.lookAlikes());
    strLastOpenFolder = m_settings.lastOpenFolder(m_programFolder + QStringLiteral("/Arabic"));
    Splitter1->setChild1(lstList);
    Splitter1->setChild2(txtCompleteText);
    Splitter1->setSplitPercent(m_settings.splitPercent());
    cmbLineFrom->move(cmbFrom->pos());
    cmbLineTo->move(cmbTo->pos());
    ShowComboFromTo();
    wbHelp->setOffline(true);
    wbHelp->navigate(m_programFolder + QStringLiteral("/ZV_Readme.htm"));
    wbHelp->setOffline(true);
}

void frmMain::openStartingList(const QString& listToOpen)
{
    // A list named at start-up that cannot be found is said so; start-up then goes on as usual.
    if (!listToOpen.isEmpty()) {
        const QString path = QFileInfo(listToOpen).absoluteFilePath();
        if (QFileInfo(path).isFile() && LoadZVFFile(path))
            return; // the stored range belongs to the most recent list, not to this one
        if (!QFileInfo(path).isFile())
            showNoItemSelectedMessage(this);
    }
    const QString mostRecent = mnuFileMRUF[0]->data().toString();
    // A recent file that vanished is skipped silently at start-up.
    if (mostRecent.isEmpty() || !QFileInfo(mostRecent).isFile())
        return;
    if (LoadZVFFile(mostRecent))
        restoreStoredRange();
}

void frmMain::closeEvent(QCloseEvent* event)
{
    Form_Unload();
    event->accept();
}

void frmMain::Form_Unload()
{
    m_settings.setListerSpeed(sdrListingSpeed->Value());
    m_settings.setActiveTab(ctlTabs1->SelectedTab());
    m_settings.setFromRange(cmbFrom->currentIndex());
    m_settings.setToRange(cmbTo->currentIndex());
    m_settings.setRestartListing(chkRestartListing->isChecked());
    m_settings.setSplitPercent(Splitter1->SplitPercent());
    m_settings.sync();
    colItems.clear();
}

bool frmMain::eventFilter(QObject* watched, QEvent* event)
{
    if (zoomByWheel(watched, event))
        return true;
    if (event->type() != QEvent::KeyPress || !watched->isWidgetType() ||
        static_cast<QWidget*>(watched)->window() != this)
        return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    // Enter presses the manual-listing button, the window's default button while it is shown.
    const Qt::KeyboardModifiers modifiers = key->modifiers() & ~Qt::KeypadModifier;
    if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) &&
        modifiers == Qt::NoModifier && cmdManualListing->isVisible()) {
        cmdManualListing->click();
        return true;
    }
    return Form_KeyPress(key->text());
}

void frmMain::mnuFileLoad_Click()
{
    if (!m_openWindow) {
        m_openWindow = new frmOpen(m_programFolder, this);
        m_openWindow->setUserFolder(m_userFolder);
    }
    m_openWindow->SelectedFileName.clear();
    m_openWindow->WordMode = false;
    m_openWindow->showModal();
    if (m_openWindow->SelectedFileName.isEmpty())
        return;
    if (LoadZVFFile(m_openWindow->SelectedFileName, m_openWindow->WordMode) &&
        ctlTabs1->SelectedTab() == 3)
        ctlTabs1->setSelectedTab(1);
}

void frmMain::mnuFileNew_Click()
{
    frmNew editor(m_programFolder, this);
    editor.setUserFolder(m_userFolder);
    editor.editor()->setFont(readingFontAtZoom(false));
    connect(&editor, &frmNew::listSaved, this, [this](const QString& path) { LoadZVFFile(path); });
    editor.exec();
}

namespace {

// The first local list file among dropped addresses; empty when there is none.
QString droppedList(const QMimeData* data)
{
    for (const QUrl& url : data->urls())
        if (url.isLocalFile() && url.toLocalFile().endsWith(QStringLiteral(".zva")))
            return url.toLocalFile();
    return {};
}

} // namespace

void frmMain::dragEnterEvent(QDragEnterEvent* event)
{
    if (!droppedList(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void frmMain::dropEvent(QDropEvent* event)
{
    const QString path = droppedList(event->mimeData());
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
    LoadZVFFile(mnuFileMRUF[index]->data().toString());
}

void frmMain::buildRecentFileMenu()
{
    const QStringList entries = recentfiles::menuEntries(m_settings.recentFiles());
    bool anyShown = false;
    for (int k = 0; k < recentfiles::kShown; ++k) {
        const QString path = entries.value(k);
        mnuFileMRUF[k]->setVisible(!path.isEmpty());
        mnuFileMRUF[k]->setData(path);
        mnuFileMRUF[k]->setText(path.isEmpty() ? QString() : recentfiles::menuCaption(k + 1, path));
        anyShown = anyShown || !path.isEmpty();
    }
    mnuFileSep->setVisible(anyShown);
}

void frmMain::addToRecentFiles(const QString& path)
{
    m_settings.setRecentFiles(recentfiles::add(m_settings.recentFiles(), path));
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

    blnWordMode = wordMode;
    colItems = std::move(list.items.items);
    m_finder.reset(); // made again for this list when asked
    m_lookAlikes.reset();
    {
        // The old selection of the line lists means nothing for the new lines; the range
        // applied below shows itself in them.
        const QSignalBlocker fromBlocker(cmbLineFrom);
        const QSignalBlocker toBlocker(cmbLineTo);
        m_lines->setLines(std::move(list.items.lines));
    }
    FillRangeCombos(); // the whole list, which in word mode the line lists show too

    strLastOpenFolder = list.folder;
    m_settings.setLastOpenFolder(strLastOpenFolder);
    setWindowTitle(baseCaption() + QStringLiteral(" [ ") + list.title + QStringLiteral(" ]"));
    strListName = list.name;
    m_listTitle = list.title;
    ShowComboFromTo();
    addToRecentFiles(strZVFFile);
    buildRecentFileMenu();
    return true;
}
