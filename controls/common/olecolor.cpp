#include "controls/common/olecolor.h"

#include <QApplication>
#include <QPalette>

#include <array>

namespace {

// The system colour numbers onto the palette roles that play the same part on this desktop.
constexpr std::array<QPalette::ColorRole, 25> kSystemRoles{
    QPalette::Button,          // 0 scroll bar
    QPalette::Window,          // 1 desktop
    QPalette::Highlight,       // 2 active caption
    QPalette::Mid,             // 3 inactive caption
    QPalette::Window,          // 4 menu
    QPalette::Base,            // 5 window background
    QPalette::Shadow,          // 6 window frame
    QPalette::WindowText,      // 7 menu text
    QPalette::Text,            // 8 window text
    QPalette::HighlightedText, // 9 caption text
    QPalette::Window,          // 10 active border
    QPalette::Window,          // 11 inactive border
    QPalette::Dark,            // 12 application workspace
    QPalette::Highlight,       // 13 highlight
    QPalette::HighlightedText, // 14 highlight text
    QPalette::Button,          // 15 button face
    QPalette::Dark,            // 16 button shadow
    QPalette::PlaceholderText, // 17 grey text
    QPalette::ButtonText,      // 18 button text
    QPalette::Text,            // 19 inactive caption text
    QPalette::Light,           // 20 button highlight
    QPalette::Shadow,          // 21 3-D dark shadow
    QPalette::Midlight,        // 22 3-D light
    QPalette::ToolTipText,     // 23 tool tip text
    QPalette::ToolTipBase,     // 24 tool tip background
};

} // namespace

QColor resolveColor(OleColor color, const QPalette& palette)
{
    if (color & 0x80000000u) {
        const quint32 index = color & 0xFF;
        return index < kSystemRoles.size() ? palette.color(QPalette::Active, kSystemRoles[index])
                                           : QColor(Qt::black);
    }
    return QColor(int(color & 0xFF), int((color >> 8) & 0xFF), int((color >> 16) & 0xFF));
}

QColor resolveColor(OleColor color)
{
    return resolveColor(color, QApplication::palette());
}
