#pragma once

#include <QObject>
#include <QStringList>

#include <array>
#include <functional>

class QAction;
class QActionGroup;
class QMainWindow;
class QMenu;

// The main window's menus: File (with the recent files), View (the reading face, zoom, Find,
// Progress) and Help. The menus only tell what was chosen; the window acts.
class MainMenus : public QObject {
    Q_OBJECT
public:
    explicit MainMenus(QMainWindow* window);

    // The recent-file entries, "1 path" to "5 path"; the separator shows only with some.
    void showRecentFiles(const QStringList& paths);
    QString recentFile(int index) const;
    // The face the lists show, checked in the Arabic Font menu.
    void showReadingFace(const QString& family);
    // The languages offered beside System and English, found by `findLanguages` when the
    // Language menu first opens, and the one chosen ("" for System).
    void offerLanguages(std::function<QStringList()> findLanguages);
    void showLanguage(const QString& language);

    QAction* mnuFileLoad = nullptr;
    QAction* mnuFileNew = nullptr;
    QAction* mnuFileExit = nullptr;
    QAction* mnuFileShare = nullptr;
    QAction* mnuFileStopSharing = nullptr;
    QAction* mnuFileClass = nullptr;
    QAction* mnuViewZoomIn = nullptr;
    QAction* mnuViewZoomOut = nullptr;
    QAction* mnuViewActualSize = nullptr;
    QAction* mnuViewFind = nullptr;
    QAction* mnuViewProgress = nullptr;
    QAction* mnuViewToday = nullptr;
    QAction* mnuViewWrite = nullptr;
    QAction* mnuViewRecital = nullptr;
    QAction* mnuViewSecondHalves = nullptr; // checkable
    QMenu* mnuViewRecitation = nullptr;     // filled by the recitation's own menu
    QMenu* mnuViewLanguage = nullptr;
    QAction* mnuHelpHelp = nullptr;
    QAction* mnuHelpAbout = nullptr;

signals:
    void recentFileChosen(int index);
    void readingFaceChosen(const QString& family);
    void languageChosen(const QString& language);

private:
    void buildFileMenu(QMainWindow* window);
    void buildViewMenu(QMainWindow* window);
    void addLanguage(const QString& language, const QString& caption);
    void fillLanguageMenu();
    void buildHelpMenu(QMainWindow* window);
    void fillFontMenu();
    void checkShownFace();

    QMenu* mnuFile = nullptr;
    QAction* mnuFileSep = nullptr;
    std::array<QAction*, 5> mnuFileMRUF{};
    QMenu* mnuView = nullptr;
    QMenu* mnuViewFont = nullptr;
    QMenu* mnuHelp = nullptr;
    QString m_shownFace;
    QActionGroup* m_languages = nullptr;
    std::function<QStringList()> m_findLanguages;
    QString m_language;
};
