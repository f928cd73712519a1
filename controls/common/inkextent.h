#pragma once

class QFont;

// How far Arabic ink reaches above and below the baseline in a font: at least the font's
// ascent and descent, and further where stacked marks (shadda with a vowel, hamza with a
// vowel, the Quranic pause signs and small high letters) stand beyond them, as they do in
// Amiri. Rows and lines sized by it never clip a mark nor let it touch the next line.
struct InkExtent {
    double above = 0;
    double below = 0;
    double height() const { return above + below; }
};

InkExtent arabicInkExtent(const QFont& font);
