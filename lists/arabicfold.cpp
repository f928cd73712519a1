#include "lists/arabicfold.h"

#include <algorithm>
#include <array>

namespace arabicfold {
namespace {

constexpr char16_t kAlef = 0x0627;
constexpr char16_t kWaw = 0x0648;
constexpr char16_t kYeh = 0x064A;
constexpr char16_t kMaqsura = 0x0649;
constexpr char16_t kHeh = 0x0647;
constexpr char16_t kTatweel = 0x0640;
constexpr char16_t kDagger = 0x0670;
constexpr char16_t kSmallWaw = 0x06E5;
constexpr char16_t kSmallYeh = 0x06E6;
constexpr char16_t kSmallHighYeh = 0x06E7;

// Stand-ins in a word being folded, for letters whose reading depends on the rest of the word.
constexpr char16_t kSeatedOnWaw = 0xE000;     // وٰ: an alef, a waw at the word's end
constexpr char16_t kSeatedOnMaqsura = 0xE001; // ىٰ: an alef, ي at the word's end
constexpr char16_t kLetterIfInside = 0xE002;  // small waw: و inside, nothing at the end
constexpr char16_t kYehIfInside = 0xE003;     // small yeh: ي inside, nothing at the end

enum class Vowel { None, Fatha, Damma, Kasra, Sukun };

Vowel vowelOf(char16_t c)
{
    switch (c) {
    case 0x064E: // fatha
    case 0x064B: // fathatan, and its open forms
    case 0x0657:
    case 0x08F0:
        return Vowel::Fatha;
    case 0x064F:
    case 0x064C:
    case 0x065E:
    case 0x08F1:
        return Vowel::Damma;
    case 0x0650:
    case 0x064D:
    case 0x0656:
    case 0x08F2:
        return Vowel::Kasra;
    case 0x0652:
    case 0x06E1: // the Quranic sukun
        return Vowel::Sukun;
    default:
        return Vowel::None;
    }
}

bool isMark(char16_t c)
{
    return (c >= 0x064B && c <= 0x065F)     // harakat, shadda, sukun and the rest
           || (c >= 0x0610 && c <= 0x061A)  // small high signs
           || (c >= 0x06D6 && c <= 0x06ED)  // Quranic pause signs and small letters
           || (c >= 0x08F0 && c <= 0x08F2); // open tanween
}

bool isHamzaMark(char16_t c)
{
    return c == 0x0654 || c == 0x0655;
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
        return kAlef;
    case kMaqsura:
    case 0x06CC: // Farsi yeh
        return kYeh;
    case 0x0629: // ة
        return kHeh;
    case 0x0624: // ؤ
        return kWaw;
    case 0x0626: // ئ
        return kYeh;
    case 0x06A9: // keheh
        return 0x0643;
    default:
        if (c >= 0x0660 && c <= 0x0669) // Arabic-Indic digits
            return u'0' + (c - 0x0660);
        if (c >= 0x06F0 && c <= 0x06F9) // Eastern Arabic-Indic digits
            return u'0' + (c - 0x06F0);
        return QChar(c).toCaseFolded().unicode();
    }
}

// The words whose dagger alef the ordinary spelling leaves out, as they begin folded; they may
// follow a few attached letters (فأولٰئك، كذٰلك).
const std::array<QStringView, 8> kSilentDagger{u"هٰذ",    u"ذٰلك", u"لٰكن",  u"هٰولا",
                                               u"اولٰيك", u"الٰه", u"رحمٰن", u"هٰكذ"};
constexpr QStringView kAttached = u"وفبلكا";
constexpr int kMostAttached = 3;

bool hasSilentDagger(const QString& word)
{
    for (const QStringView silent : kSilentDagger) {
        const qsizetype at = word.indexOf(silent);
        if (at < 0 || at > kMostAttached)
            continue;
        const QStringView before = QStringView(word).left(at);
        if (std::all_of(before.begin(), before.end(),
                        [](QChar c) { return kAttached.contains(c); }))
            return true;
    }
    return false;
}

// One word at a time: letters come in as they are read, the marks after them tell how some
// read, and the whole word settles the dagger alef and the small letters.
class WordFolder {
public:
    explicit WordFolder(QString& folded)
        : m_folded(folded)
    {
    }

    void add(char16_t c)
    {
        if (c == kTatweel) {
            settleHamza(c);
            m_onTatweel = true;
            m_beforeTatweel = m_vowel;
            m_letterBeforeTatweel = m_word.isEmpty() ? 0 : m_word.back().unicode();
            m_vowel = Vowel::None;
        } else if (isHamzaMark(c)) {
            addHamzaMark();
        } else if (c == kDagger) {
            addDagger();
        } else if ((isMark(c) && c != kSmallWaw && c != kSmallYeh && c != kSmallHighYeh) ||
                   QChar::category(c) == QChar::Other_Format) {
            if (const Vowel vowel = vowelOf(c); vowel != Vowel::None)
                m_vowel = vowel;
        } else {
            addLetter(c);
        }
        m_last = c;
    }

    // The word ends: what it settles goes to the folded text, a space before it when needed.
    void end()
    {
        settleHamza(0);
        m_onTatweel = false;
        if (!m_word.isEmpty()) {
            splitVocative();
            settleDaggers();
            appendCollapsed();
        }
        m_word.clear();
        m_vowel = Vowel::None;
        m_last = 0;
    }

private:
    void addLetter(char16_t c)
    {
        settleHamza(c);
        m_onTatweel = false;
        m_vowel = Vowel::None;
        if (c == 0x0621) // the hamza on the line, which the ordinary spelling may seat
            return;
        switch (c) {
        case kSmallWaw:
            m_word += QChar(kLetterIfInside);
            return;
        case kSmallYeh:
            m_word += QChar(kYehIfInside);
            return;
        case kSmallHighYeh:
            m_word += QChar(kYeh);
            return;
        default:
            m_word += QChar(unified(c));
        }
    }

    // The dagger alef on a waw or alef maqsura replaces it; elsewhere the word decides.
    void addDagger()
    {
        settleHamza(kAlef);
        m_onTatweel = false;
        if (!m_word.isEmpty() && (m_last == kWaw || m_last == kMaqsura))
            m_word.back() = QChar(m_last == kWaw ? kSeatedOnWaw : kSeatedOnMaqsura);
        else
            m_word += QChar(kDagger);
    }

    // A hamza written over or under a letter leaves the letter as its seat; on a tatweel, the
    // seat comes with the next letter.
    void addHamzaMark()
    {
        if (m_onTatweel)
            m_hamzaOnTatweel = true;
    }

    // The seat the ordinary spelling gives a hamza on a tatweel, before letter `next` (0 at the
    // word's end): an alef before an alef (مـَٔاب, مآب), else a yeh with or after a kasra or
    // after a yeh (شيـٔا, شيئا), a waw with or after a damma, an alef otherwise.
    void settleHamza(char16_t next)
    {
        if (!std::exchange(m_hamzaOnTatweel, false))
            return;
        auto either = [&](Vowel vowel) { return m_vowel == vowel || m_beforeTatweel == vowel; };
        char16_t seat = kAlef;
        if (unified(next) != kAlef) {
            if (either(Vowel::Kasra) || m_letterBeforeTatweel == kYeh)
                seat = kYeh;
            else if (either(Vowel::Damma))
                seat = kWaw;
        }
        m_word += QChar(seat);
    }

    // يٰقوم is يا قوم, and هٰأنتم is ها أنتم; a conjunction before them stays with them.
    void splitVocative()
    {
        const qsizetype start = m_word.startsWith(QChar(kWaw)) || m_word.startsWith(u'ف') ? 1 : 0;
        const QStringView rest = QStringView(m_word).mid(start);
        const bool calling =
            rest.size() > 2 && rest[1] == QChar(kDagger) &&
            (rest[0] == QChar(kYeh) || (rest[0] == QChar(kHeh) && rest[2] == QChar(kAlef)));
        if (calling) {
            m_word[start + 1] = QChar(kAlef);
            m_word.insert(start + 2, u' ');
        }
    }

    void settleDaggers()
    {
        const bool silent = m_word.contains(QChar(kDagger)) && hasSilentDagger(m_word);
        for (qsizetype i = 0; i < m_word.size(); ++i) {
            const char16_t c = m_word[i].unicode();
            const bool last = i + 1 == m_word.size() || m_word[i + 1] == u' ';
            switch (c) {
            case kDagger:
                m_word[i] = silent ? QChar() : QChar(kAlef);
                break;
            case kSeatedOnWaw:
                m_word[i] = QChar(last ? kWaw : kAlef);
                break;
            case kSeatedOnMaqsura:
                m_word[i] = QChar(last ? kYeh : kAlef);
                break;
            case kLetterIfInside:
                m_word[i] = last ? QChar() : QChar(kWaw);
                break;
            case kYehIfInside:
                m_word[i] = last ? QChar() : QChar(kYeh);
                break;
            default:
                break;
            }
        }
    }

    void appendCollapsed()
    {
        if (!m_folded.isEmpty())
            m_folded += u' ';
        const qsizetype start = m_folded.size();
        for (const QChar c : std::as_const(m_word)) {
            if (c.isNull())
                continue;
            const bool doubled = m_folded.size() > start && m_folded.back() == c &&
                                 (c == QChar(kAlef) || c == QChar(kWaw) || c == QChar(kYeh));
            if (!doubled)
                m_folded += c;
        }
        if (m_folded.size() == start && start > 0)
            m_folded.chop(1);
    }

    QString& m_folded;
    QString m_word;
    char16_t m_last = 0;         // the last code unit read of this word
    Vowel m_vowel = Vowel::None; // of the last letter, or of the hamza on a tatweel
    bool m_onTatweel = false;
    bool m_hamzaOnTatweel = false;
    Vowel m_beforeTatweel = Vowel::None;
    char16_t m_letterBeforeTatweel = 0;
};

} // namespace

QString fold(QStringView text)
{
    QString folded;
    folded.reserve(text.size());
    WordFolder word(folded);
    for (const QChar c : text) {
        const char16_t unit = c.unicode();
        const bool separates = !isMark(unit) && unit != kDagger && unit != kTatweel &&
                               (c.isSpace() || c.isPunct() || c.isSymbol());
        if (separates)
            word.end();
        else
            word.add(unit);
    }
    word.end();
    return folded;
}

QStringList foldedWords(QStringView text)
{
    return fold(text).split(u' ', Qt::SkipEmptyParts);
}

} // namespace arabicfold
