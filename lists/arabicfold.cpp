#include "arabicfold.h"

namespace arabicfold {
namespace {

bool dropped(char16_t c)
{
    return (c >= 0x064B && c <= 0x065F)    // harakat, shadda, sukun and the rest
           || c == 0x0670                  // dagger alef
           || (c >= 0x0610 && c <= 0x061A) // small high signs
           || (c >= 0x06D6 && c <= 0x06ED) // Quranic pause signs and small letters
           || (c >= 0x08F0 && c <= 0x08F2) // open tanween
           || c == 0x0640                  // tatweel
           || c == 0x0621;                 // a hamza on the line, which many spellings omit
}

char16_t unified(char16_t c)
{
    switch (c) {
    case 0x0622: // آ
    case 0x0623: // أ
    case 0x0625: // إ
    case 0x0671: // ٱ
    case 0x0672:
    case 0x0673:
        return 0x0627; // ا
    case 0x0649:       // ى
    case 0x06CC:       // Farsi yeh
    case 0x0626:       // ئ
        return 0x064A; // ي
    case 0x0629:       // ة
        return 0x0647; // ه
    case 0x0624:       // ؤ
        return 0x0648; // و
    case 0x06A9:       // keheh
        return 0x0643; // ك
    default:
        if (c >= 0x0660 && c <= 0x0669) // Arabic-Indic digits
            return u'0' + (c - 0x0660);
        if (c >= 0x06F0 && c <= 0x06F9) // Eastern Arabic-Indic digits
            return u'0' + (c - 0x06F0);
        return c;
    }
}

} // namespace

QString fold(QStringView text)
{
    QString folded;
    folded.reserve(text.size());
    bool space = true; // no space at the start
    for (const QChar c : text) {
        const char16_t unit = c.unicode();
        if (dropped(unit))
            continue;
        if (c.isSpace() || c.isPunct() || c.isSymbol()) {
            if (!space)
                folded += u' ';
            space = true;
            continue;
        }
        folded += QChar(unified(unit)).toCaseFolded();
        space = false;
    }
    if (folded.endsWith(u' '))
        folded.chop(1);
    return folded;
}

QStringList foldedWords(QStringView text)
{
    return fold(text).split(u' ', Qt::SkipEmptyParts);
}

} // namespace arabicfold
