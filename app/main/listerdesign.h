#pragma once

#include "controls/unitext/UniTextProperties.h"

#include <QPixmap>

// The designed properties of the Lister's full-text box: several lines, right-aligned, a
// vertical bar, read-only, in the large Arabic font.
UniTextProperties txtCompleteTextProperties();

// The speed slider's knob, 8 x 16 pixels, drawn by the program.
QPixmap knobPicture();
