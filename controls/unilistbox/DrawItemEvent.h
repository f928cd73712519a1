#pragma once

#include "common/controlevents.h"

#include <QEvent>
#include <QRect>

class QPainter;
class QWidget;

// The inner list's request to its control window to paint one item.
class DrawItemEvent : public QEvent {
public:
    static constexpr int ODT_LISTBOX = 2;
    static constexpr int ODS_SELECTED = 0x01; // the item is checked
    static constexpr int ODS_FOCUS = 0x10;    // the caret item while the list has the focus

    DrawItemEvent(int itemID, int itemState, QWidget* hwndItem, QPainter* hDC, QRect rcItem)
        : QEvent(ControlEvent::DrawItem)
        , itemID(itemID)
        , itemState(itemState)
        , hwndItem(hwndItem)
        , hDC(hDC)
        , rcItem(rcItem)
    {
    }

    const int CtlType = ODT_LISTBOX;
    const int itemID;
    const int itemState;
    QWidget* const hwndItem;
    QPainter* const hDC;
    const QRect rcItem;
};
