#pragma once

#include <QEvent>

// What Qt hands over as a signal or a callback, sent synchronously to a control window as an
// event of its own type, so that interception sees it like any other message. Each number is
// QEvent::User plus the number of the platform notification it stands for:
//
//   DrawItem          0x2B   the owner-drawn list's item-paint request (WM_DRAWITEM)
//   EditChange        0x300  the edit's text has changed, after display (EN_CHANGE)
//   EditUpdate        0x400  the edit's text has changed, before display (EN_UPDATE)
//   EditSetFocus      0x100  the edit has received the focus (EN_SETFOCUS)
//   HorizontalScroll  0x114  the horizontal scroll bar moved (WM_HSCROLL)
//   VerticalScroll    0x115  the vertical scroll bar moved (WM_VSCROLL)
namespace ControlEvent {
inline const QEvent::Type DrawItem = QEvent::Type(QEvent::User + 0x2B);
inline const QEvent::Type EditChange = QEvent::Type(QEvent::User + 0x300);
inline const QEvent::Type EditUpdate = QEvent::Type(QEvent::User + 0x400);
inline const QEvent::Type EditSetFocus = QEvent::Type(QEvent::User + 0x100);
inline const QEvent::Type HorizontalScroll = QEvent::Type(QEvent::User + 0x114);
inline const QEvent::Type VerticalScroll = QEvent::Type(QEvent::User + 0x115);
} // namespace ControlEvent
