#pragma once

#include "controls/unitext/UniTextProperties.h"

// The designed properties of the New list editor's entry box: several lines, a vertical bar,
// Enter inserting a line break, in the Arabic font.
UniTextProperties txtNewProperties();
