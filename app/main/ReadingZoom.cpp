#include "app/main/ReadingZoom.h"

#include "app/main/MainMenus.h"
#include "app/main/readingfonts.h"
#include "app/settings/ZorvelSettings.h"
#include "app/settings/zoom.h"
#include "controls/unilistbox/NativeList.h"
#include "controls/unilistbox/UniListBox.h"
#include "controls/unitext/UniText.h"

#include <QAction>
#include <QFontInfo>
#include <QWheelEvent>

ReadingZoom::ReadingZoom(ZorvelSettings& settings, MainMenus& menus, QList<UniListBox*> lists,
                         UniText* fullText, QObject* parent)
    : QObject(parent)
    , m_settings(settings)
    , m_menus(menus)
    , m_lists(std::move(lists))
    , m_fullText(fullText)
{
    connect(&menus, &MainMenus::readingFaceChosen, this, &ReadingZoom::chooseFace);
    connect(menus.mnuViewZoomIn, &QAction::triggered, this,
            [this] { setZoom(zoom::in(m_settings.zoomPercent())); });
    connect(menus.mnuViewZoomOut, &QAction::triggered, this,
            [this] { setZoom(zoom::out(m_settings.zoomPercent())); });
    connect(menus.mnuViewActualSize, &QAction::triggered, this,
            [this] { setZoom(zoom::kActualSize); });
    for (UniListBox* list : std::as_const(m_lists))
        list->hWnd()->viewport()->installEventFilter(this);
}

void ReadingZoom::chooseFace(const QString& family)
{
    m_settings.setArabicFont(family);
    apply();
}

void ReadingZoom::setZoom(int percent)
{
    m_settings.setZoomPercent(percent);
    apply();
}

void ReadingZoom::apply()
{
    const FontRecord font = readingFontAtZoom(m_settings, true);
    for (UniListBox* list : std::as_const(m_lists))
        list->setFont(font);
    m_fullText->setFont(font);
    m_menus.showReadingFace(QFontInfo(font.toQFont()).family());
    emit applied();
}

// Ctrl with the wheel over a practice list zooms, as in a browser.
bool ReadingZoom::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::Wheel)
        return QObject::eventFilter(watched, event);
    const auto* wheel = static_cast<QWheelEvent*>(event);
    if (!(wheel->modifiers() & Qt::ControlModifier) || wheel->angleDelta().y() == 0)
        return false;
    setZoom(wheel->angleDelta().y() > 0 ? zoom::in(m_settings.zoomPercent())
                                        : zoom::out(m_settings.zoomPercent()));
    return true;
}
