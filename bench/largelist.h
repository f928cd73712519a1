#pragma once

#include <QString>

// A deterministic Arabic text with diacritics for measuring big lists: `lines` lines holding
// `words` words in all, joined with CR LF as list files keep them.
QString generateLargeList(int lines, int words, quint32 seed = 6236);

// The size of a whole book: 6,236 lines, about 80,000 words.
inline constexpr int kLargeListLines = 6236;
inline constexpr int kLargeListWords = 80000;
