#pragma once

#include "controls/common/FontRecord.h"

#include <QStringList>

// The Arabic faces the View menu offers: the installed font families that write Arabic, the
// Quranic and Naskh faces first, then the rest by name.
QStringList readingFonts();

// The font of the practice lists and the full text at `zoomPercent`: the designed "Traditional
// Arabic" (with its stand-ins) when `family` is empty, else that family.
FontRecord readingFont(const QString& family, int zoomPercent, bool bold);

class ZorvelSettings;

// The reading font at the user's face and zoom (`percentOfZoom` percent of it, for smaller text).
FontRecord readingFontAtZoom(const ZorvelSettings& settings, bool bold, int percentOfZoom = 100);
