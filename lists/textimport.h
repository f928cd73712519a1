#pragma once

#include <QString>

// A text file made into a list's text, its parts found where the file's form shows them: the
// widely used "chapter|verse|text" form of Quran files (one verse a line; a heading at each new
// chapter, named by its number) and stanzas set apart by blank lines (each stanza a part,
// numbered). A text that already has headings, or has neither form, is kept as it is.
namespace textimport {

QString listText(const QString& text);

} // namespace textimport
