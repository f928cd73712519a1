#pragma once

#include "controls/common/FontRecord.h"
#include "controls/common/olecolor.h"

#include <QPixmap>
#include <QString>

class PropertyBag;

// The persisted properties of a UniText, with the values of a new control. Reading a saved
// control uses other values for a few missing keys (CaptureEnter false, MaxLength -1).
struct UniTextProperties {
    int Alignment = 0;
    int Appearance = 0;
    OleColor BackColor = SystemColor::WindowBackground;
    int BorderStyle = 2;
    bool CaptureEnter = true;
    bool CaptureEsc = false;
    bool CaptureTab = false;
    bool Enabled = true;
    int FileCodepage = 0;
    FontRecord Font;
    OleColor ForeColor = SystemColor::WindowText;
    bool HideSelection = true;
    bool Locked = false;
    int MaxLength = 0; // 0 and -1: no limit of the control's own
    QPixmap MouseIcon;
    int MousePointer = 0;
    bool MultiLine = false;
    QString PasswordChar;
    bool RightToLeft = false;
    int ScrollBars = 0;
    QString Text;
    bool UseEvents = true;

    // Every key is written, the text as its UTF-16LE bytes.
    void write(PropertyBag& bag) const;
    static UniTextProperties read(const PropertyBag& bag, const FontRecord& containerFont);
};
