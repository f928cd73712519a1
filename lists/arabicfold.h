#pragma once

#include <QString>
#include <QStringList>

// Arabic as searches and comparisons see it, so that spellings of the same words from
// different sources meet: without harakat, the dagger alef, Quranic marks and tatweel; with one
// alef for أ إ آ ٱ ا, ي for ى, ه for ة, the hamza's carrier for ؤ and ئ and no hamza on the
// line; Arabic-Indic digits
// as Latin ones, Latin letters in lower case; punctuation gone and spaces single.
namespace arabicfold {

QString fold(QStringView text);

// The folded words of `text`.
QStringList foldedWords(QStringView text);

} // namespace arabicfold
