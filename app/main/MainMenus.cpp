#include "app/main/MainMenus.h"

#include "app/main/readingfonts.h"
#include "app/settings/interfacelanguage.h"
#include "app/settings/recentfiles.h"

#include <QActionGroup>
#include <QLocale>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

#include <utility>

namespace {

QAction* addAction(QMenu* menu, const char* name, const QString& text,
                   const QKeySequence& shortcut = {})
{
    QAction* action = menu->addAction(text);
    action->setObjectName(QString::fromLatin1(name));
    action->setShortcut(shortcut);
    return action;
}

} // namespace

MainMenus::MainMenus(QMainWindow* window)
    : QObject(window)
{
    setObjectName(QStringLiteral("menus"));
    buildFileMenu(window);
    buildViewMenu(window);
    buildHelpMenu(window);
}

void MainMenus::buildFileMenu(QMainWindow* window)
{
    mnuFile = window->menuBar()->addMenu(tr("&File"));
    mnuFile->setObjectName(QStringLiteral("mnuFile"));
    mnuFileLoad =
        addAction(mnuFile, "mnuFileLoad", tr("&Open"), QKeySequence(Qt::CTRL | Qt::Key_O));
    mnuFile->addSeparator()->setObjectName(QStringLiteral("sepFileBeforeNew"));
    mnuFileNew = addAction(mnuFile, "mnuFileNew", tr("&New"), QKeySequence(Qt::CTRL | Qt::Key_N));
    mnuFileShare = addAction(mnuFile, "mnuFileShare", tr("&Share Practice..."));
    mnuFileStopSharing = addAction(mnuFile, "mnuFileStopSharing", tr("S&top Sharing"));
    mnuFileClass = addAction(mnuFile, "mnuFileClass", tr("Open &Class..."));
    mnuFileSep = mnuFile->addSeparator();
    mnuFileSep->setObjectName(QStringLiteral("mnuFileSep"));
    for (int k = 0; k < recentfiles::kShown; ++k) {
        mnuFileMRUF[k] = mnuFile->addAction(QString());
        mnuFileMRUF[k]->setObjectName(QStringLiteral("mnuFileMRUF%1").arg(k + 1));
        connect(mnuFileMRUF[k], &QAction::triggered, this, [this, k] { emit recentFileChosen(k); });
    }
    mnuFile->addSeparator()->setObjectName(QStringLiteral("mnuFileSep1"));
    mnuFileExit = addAction(mnuFile, "mnuFileExit", tr("&Exit"));
}

void MainMenus::buildViewMenu(QMainWindow* window)
{
    mnuView = window->menuBar()->addMenu(tr("&View"));
    mnuView->setObjectName(QStringLiteral("mnuView"));
    mnuViewFont = mnuView->addMenu(tr("Arabic &Font"));
    mnuViewFont->setObjectName(QStringLiteral("mnuViewFont"));
    // Asking the font system for every face that writes Arabic takes a while: not at start-up.
    connect(mnuViewFont, &QMenu::aboutToShow, this, &MainMenus::fillFontMenu);
    mnuView->addSeparator();
    mnuViewZoomIn = addAction(mnuView, "mnuViewZoomIn", tr("Zoom &In"));
    mnuViewZoomIn->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Equal)});
    mnuViewZoomOut = addAction(mnuView, "mnuViewZoomOut", tr("Zoom &Out"),
                               QKeySequence(Qt::CTRL | Qt::Key_Minus));
    mnuViewActualSize = addAction(mnuView, "mnuViewActualSize", tr("&Actual Size"),
                                  QKeySequence(Qt::CTRL | Qt::Key_0));
    mnuView->addSeparator();
    mnuViewFind =
        addAction(mnuView, "mnuViewFind", tr("&Find..."), QKeySequence(Qt::CTRL | Qt::Key_F));
    mnuViewProgress = addAction(mnuView, "mnuViewProgress", tr("&Progress..."),
                                QKeySequence(Qt::CTRL | Qt::Key_P));
    mnuViewToday =
        addAction(mnuView, "mnuViewToday", tr("&Today..."), QKeySequence(Qt::CTRL | Qt::Key_T));
    mnuViewWrite = addAction(mnuView, "mnuViewWrite", tr("&Write from Memory..."),
                             QKeySequence(Qt::CTRL | Qt::Key_M));
    mnuViewRecital = addAction(mnuView, "mnuViewRecital", tr("&Recite a Passage..."),
                               QKeySequence(Qt::CTRL | Qt::Key_R));
    mnuViewSecondHalves =
        addAction(mnuView, "mnuViewSecondHalves", tr("Ask the &Second Half of a Bayt"));
    mnuViewSecondHalves->setCheckable(true);
    mnuViewRecitation = mnuView->addMenu(tr("Re&citation"));
    mnuViewRecitation->setObjectName(QStringLiteral("mnuViewRecitation"));
    mnuView->addSeparator();
    mnuViewLanguage = mnuView->addMenu(tr("&Language"));
    mnuViewLanguage->setObjectName(QStringLiteral("mnuViewLanguage"));
    m_languages = new QActionGroup(mnuViewLanguage);
    addLanguage(QString(), tr("&System"));
    addLanguage(interfacelanguage::kEnglish, QStringLiteral("English"));
    connect(mnuViewLanguage, &QMenu::aboutToShow, this, &MainMenus::fillLanguageMenu);
}

void MainMenus::offerLanguages(std::function<QStringList()> findLanguages)
{
    m_findLanguages = std::move(findLanguages);
}

// The translations are looked for when the menu first opens, not at start-up. Each language
// by its own name, so that a learner lost in another finds it.
void MainMenus::fillLanguageMenu()
{
    if (!m_findLanguages)
        return;
    for (const QString& language : std::exchange(m_findLanguages, nullptr)())
        addLanguage(language, QLocale(language).nativeLanguageName());
    showLanguage(m_language);
}

void MainMenus::addLanguage(const QString& language, const QString& caption)
{
    QAction* choice = mnuViewLanguage->addAction(caption);
    choice->setCheckable(true);
    choice->setData(language);
    m_languages->addAction(choice);
    connect(choice, &QAction::triggered, this, [this, language] { emit languageChosen(language); });
}

void MainMenus::showLanguage(const QString& language)
{
    m_language = language;
    for (QAction* choice : mnuViewLanguage->actions())
        choice->setChecked(choice->data().toString() == language);
}

void MainMenus::buildHelpMenu(QMainWindow* window)
{
    mnuHelp = window->menuBar()->addMenu(tr("&Help"));
    mnuHelp->setObjectName(QStringLiteral("mnuHelp"));
    mnuHelpHelp = addAction(mnuHelp, "mnuHelpHelp", tr("&Help"));
    mnuHelp->addSeparator()->setObjectName(QStringLiteral("sep21"));
    mnuHelpAbout = addAction(mnuHelp, "mnuHelpAbout", tr("&About"));
}

void MainMenus::showRecentFiles(const QStringList& paths)
{
    bool anyShown = false;
    for (int k = 0; k < recentfiles::kShown; ++k) {
        const QString path = paths.value(k);
        mnuFileMRUF[k]->setVisible(!path.isEmpty());
        mnuFileMRUF[k]->setData(path);
        mnuFileMRUF[k]->setText(path.isEmpty() ? QString() : recentfiles::menuCaption(k + 1, path));
        anyShown = anyShown || !path.isEmpty();
    }
    mnuFileSep->setVisible(anyShown);
}

QString MainMenus::recentFile(int index) const
{
    return mnuFileMRUF[index]->data().toString();
}

void MainMenus::showReadingFace(const QString& family)
{
    m_shownFace = family;
    checkShownFace();
}

void MainMenus::fillFontMenu()
{
    if (!mnuViewFont->isEmpty())
        return;
    auto* faces = new QActionGroup(mnuViewFont);
    for (const QString& family : readingFonts()) {
        QAction* face = mnuViewFont->addAction(family);
        face->setCheckable(true);
        face->setData(family);
        faces->addAction(face);
        connect(face, &QAction::triggered, this,
                [this, family] { emit readingFaceChosen(family); });
    }
    checkShownFace();
}

// The face the lists show, whether chosen or the designed one's stand-in.
void MainMenus::checkShownFace()
{
    for (QAction* face : mnuViewFont->actions())
        face->setChecked(face->data().toString() == m_shownFace);
}
