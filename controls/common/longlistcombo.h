#pragma once

class QComboBox;

// Makes a drop-down list ready for tens of thousands of entries: uniform item sizes, and a
// plain drop-down list below the box instead of a popup menu, which would measure the text
// of every entry each time it opens.
void makeLongListReady(QComboBox* combo);
