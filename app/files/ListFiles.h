#pragma once

#include <QObject>
#include <QString>

#include <optional>

class QMimeData;
class QWidget;
class ZorvelSettings;
class frmOpen;

// Where the lists the main window opens come from, besides the recent-file menu: the Open
// window (made when first asked for, then only hidden), the New list editor and a file dropped
// on the window.
class ListFiles : public QObject {
    Q_OBJECT
public:
    struct Chosen {
        QString path;
        bool wordMode = false;
    };

    ListFiles(const QString& programFolder, const QString& userFolder, ZorvelSettings& settings,
              QWidget* window);

    // The list chosen in the Open window and its mode; nothing when it was cancelled.
    std::optional<Chosen> chooseInOpenWindow();
    // The New list editor; a list it saves is told by listSaved().
    void writeNewList();
    // The first local list file among dropped addresses; empty when there is none.
    static QString droppedList(const QMimeData* data);

signals:
    void listSaved(const QString& path);

private:
    QString m_programFolder;
    QString m_userFolder; // the user's own lists; none when the program's folder keeps them
    ZorvelSettings& m_settings;
    QWidget* m_window;
    frmOpen* m_openWindow = nullptr;
};
