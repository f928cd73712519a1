#pragma once

#include <QList>
#include <QObject>

class MainMenus;
class UniListBox;
class UniText;
class ZorvelSettings;

// The face and zoom of the Arabic text in the practice lists and the full text: chosen in the
// View menu, or by Ctrl with the wheel over a list, kept in the settings and applied at once.
class ReadingZoom : public QObject {
    Q_OBJECT
public:
    ReadingZoom(ZorvelSettings& settings, MainMenus& menus, QList<UniListBox*> lists,
                UniText* fullText, QObject* parent);

    // The stored face and zoom on every list and the full text.
    void apply();

signals:
    // The reading text changed size: the window makes room for it.
    void applied();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void chooseFace(const QString& family);
    void setZoom(int percent);

    ZorvelSettings& m_settings;
    MainMenus& m_menus;
    QList<UniListBox*> m_lists;
    UniText* m_fullText;
};
