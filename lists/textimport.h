#pragma once

#include "lists/mushaf.h"

#include <QString>

// A text file made into a list's text, its parts found where the file's form shows them: the
// widely used "chapter|verse|text" form of Quran files (one verse a line; a heading at each new
// chapter, named by its number) and stanzas set apart by blank lines (each stanza a part,
// numbered). A text that already has headings, or has neither form, is kept as it is.
namespace textimport {

QString listText(const QString& text);

// Whether listText() takes `text` for a Quran file in the chapter|verse|text form.
bool isChapterVerseText(const QString& text);

// A Quran text in the chapter|verse|text form as `map`'s mushaf divides and names it: each
// surah's heading its name, and a marker ("## page 582") where each division begins. Nothing,
// and `trouble` says why, for a text in another form or with a verse the map does not have.
QString mushafText(const QString& text, const mushaf::Map& map, QString* trouble);

} // namespace textimport
