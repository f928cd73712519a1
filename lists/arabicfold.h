#pragma once

#include <QString>
#include <QStringList>

// Arabic as searches and comparisons see it, so that the Uthmani script of the mushaf and the
// ordinary spelling a learner types, with or without marks, meet:
// - harakat, Quranic signs and tatweel are gone; Arabic-Indic digits are Latin ones, Latin
//   letters lower case; punctuation is gone and spaces are single;
// - one alef for أ إ آ ٱ ا, و for ؤ, ي for ئ and ى, ه for ة; the hamza on the line is gone;
// - a hamza on a tatweel is the seat the ordinary spelling gives it (يسـَٔلون, يسألون;
//   شيـٔا, شيئا);
// - the dagger alef is an alef (الكتٰب, الكتاب), and nothing in the words whose ordinary
//   spelling has none (هٰذا ذٰلك لٰكن هٰؤلاء أولٰئك إلٰه الرحمٰن); a waw or an alef maqsura
//   carrying it inside a word is an alef (الصلوٰة, التورىٰة);
// - the vocative يا written onto its noun is a word of its own (يٰقوم, يا قوم);
// - the small yeh and waw are letters inside a word (إبرٰهـۧم) and nothing at its end (بهۦ);
// - a doubled alef, waw or yeh is one (مـَٔاب, مآب; داوۥد, داود; إسرٰءيل, إسرائيل).
namespace arabicfold {

QString fold(QStringView text);

// The folded words of `text`.
QStringList foldedWords(QStringView text);

} // namespace arabicfold
