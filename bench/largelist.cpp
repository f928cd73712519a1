#include "bench/largelist.h"

#include <random>

QString generateLargeList(int lines, int words, quint32 seed)
{
    static const QString consonants = QStringLiteral("بتثجحخدذرزسشصضطظعغفقكلمنهوي");
    static const QString vowels = QStringLiteral("\u064E\u064F\u0650"); // fatha, damma, kasra
    constexpr QChar kSukun(0x0652);
    constexpr QChar kShadda(0x0651);

    std::mt19937 random(seed);
    auto pick = [&random](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };

    QString text;
    text.reserve(qsizetype(words) * 9);
    int wordsLeft = words;
    for (int line = 0; line < lines; ++line) {
        // Spread the words evenly with some variation, at least one per line.
        const int linesLeft = lines - line;
        const int average = wordsLeft / linesLeft;
        int count = linesLeft == 1 ? wordsLeft : qMax(1, average - 3 + pick(7));
        count = qMin(count, wordsLeft - (linesLeft - 1));
        wordsLeft -= count;
        for (int w = 0; w < count; ++w) {
            if (w > 0)
                text += u' ';
            const int syllables = 2 + pick(3);
            for (int s = 0; s < syllables; ++s) {
                text += consonants[pick(consonants.size())];
                if (pick(8) == 0)
                    text += kShadda;
                text += s + 1 == syllables && pick(3) == 0 ? kSukun : vowels[pick(3)];
            }
        }
        text += QStringLiteral("\r\n");
    }
    return text;
}
