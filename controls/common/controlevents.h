#pragma once

#include <QEvent>

// What Qt hands over as a signal or a callback, sent synchronously to a control window as an
// event of its own type, so that interception sees it like any other message.
namespace ControlEvent {
inline const QEvent::Type DrawItem = QEvent::Type(QEvent::User + 0x2B);
inline const QEvent::Type EditChange = QEvent::Type(QEvent::User + 0x300);
inline const QEvent::Type EditUpdate = QEvent::Type(QEvent::User + 0x400);
inline const QEvent::Type EditSetFocus = QEvent::Type(QEvent::User + 0x100);
inline const QEvent::Type HorizontalScroll = QEvent::Type(QEvent::User + 0x114);
inline const QEvent::Type VerticalScroll = QEvent::Type(QEvent::User + 0x115);
} // namespace ControlEvent
