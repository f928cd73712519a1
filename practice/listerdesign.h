#pragma once

#include "unitext/UniTextProperties.h"

// The designed properties of the Lister's full-text box: several lines, right-aligned, a
// vertical bar, disabled, in the large Arabic font.
UniTextProperties txtCompleteTextProperties();
