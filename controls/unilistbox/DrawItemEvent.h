#pragma once

#include "controls/common/controlevents.h"

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

    DrawItemEvent(int item, int state, QWidget* itemList, QPainter* itemPainter, QRect itemRect)
        : QEvent(ControlEvent::DrawItem)
        , itemID(item)
        , itemState(state)
        , list(itemList)
        , painter(itemPainter)
        , rect(itemRect)
    {
    }

    const int CtlType = ODT_LISTBOX;
    const int itemID;
    const int itemState; // ODS_ bits
    QWidget* const list; // the inner list whose item this is
    QPainter* const painter;
    const QRect rect;
};
