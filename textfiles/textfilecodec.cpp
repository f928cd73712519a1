#include "textfiles/textfilecodec.h"

#include <cerrno>
#include <iconv.h>
#include <langinfo.h>

namespace textfile {
namespace {

const QByteArray kUtf32LESignature("\xFF\xFE\x00\x00", 4);
const QByteArray kUtf32BESignature("\x00\x00\xFE\xFF", 4);
const QByteArray kUtf16LESignature("\xFF\xFE", 2);
const QByteArray kUtf16BESignature("\xFE\xFF", 2);
const QByteArray kUtf8Signature("\xEF\xBB\xBF", 3);
const QByteArray kUtf7Start("+/v8", 4);
const QByteArray kUtf7Signature("+/v8-", 5);

// Code pages whose iconv names are not "CP" and the number, both ways.
struct NamedCodepage {
    int codepage;
    const char* iconv;
    const char* shown;
};
constexpr NamedCodepage kNamed[] = {
    {kUtf7, "UTF-7", "UTF-7"},
    {kUtf8, "UTF-8", "UTF-8"},
    {kUtf16LE, "UTF-16LE", "UTF-16 (little-endian)"},
    {kUtf16BE, "UTF-16BE", "UTF-16 (big-endian)"},
    {20127, "ASCII", "ASCII"},
    {20866, "KOI8-R", "KOI8-R"},
    {21866, "KOI8-U", "KOI8-U"},
    {10000, "MACINTOSH", "Mac Roman"},
    {20932, "EUC-JP", "EUC-JP"},
    {51932, "EUC-JP", "EUC-JP"},
    {51936, "EUC-CN", "EUC-CN"},
    {51949, "EUC-KR", "EUC-KR"},
    {54936, "GB18030", "GB18030"},
    {50220, "ISO-2022-JP", "ISO-2022-JP"},
    {950, "BIG5", "Big5"},
};

QByteArray iconvName(int codepage)
{
    for (const NamedCodepage& named : kNamed)
        if (named.codepage == codepage)
            return named.iconv;
    // 28591 to 28606 are ISO-8859-1 to -16.
    if (codepage >= 28591 && codepage <= 28606)
        return "ISO-8859-" + QByteArray::number(codepage - 28590);
    return "CP" + QByteArray::number(codepage);
}

// Runs iconv over `input`; an invalid or cut-off sequence is replaced and skipped, `skip`
// bytes at a time.
std::optional<QByteArray> convert(const QByteArray& from, const QByteArray& to,
                                  QByteArrayView input, const QByteArray& replacement, int skip)
{
    iconv_t cd = iconv_open(to.constData(), from.constData());
    if (cd == iconv_t(-1)) // NOLINT(performance-no-int-to-ptr): iconv_open says failure so
        return std::nullopt;
    QByteArray output;
    output.reserve(input.size() * 2 + 16);
    char* in = const_cast<char*>(input.data());
    size_t inLeft = size_t(input.size());
    char buffer[8192];
    while (inLeft > 0) {
        char* out = buffer;
        size_t outLeft = sizeof buffer;
        const size_t result = iconv(cd, &in, &inLeft, &out, &outLeft);
        output.append(buffer, qsizetype(out - buffer));
        if (result != size_t(-1) || errno == E2BIG)
            continue;
        output.append(replacement);
        const size_t step = qMin(size_t(skip), inLeft);
        in += step;
        inLeft -= step;
    }
    char* out = buffer;
    size_t outLeft = sizeof buffer;
    iconv(cd, nullptr, nullptr, &out, &outLeft); // the closing shift of a stateful form
    output.append(buffer, qsizetype(out - buffer));
    iconv_close(cd);
    return output;
}

void appendUnit32(QByteArray& bytes, quint32 unit, bool bigEndian)
{
    for (int i = 0; i < 4; ++i) {
        const int shift = bigEndian ? 8 * (3 - i) : 8 * i;
        bytes.append(char((unit >> shift) & 0xFF));
    }
}

} // namespace

Signature detectSignature(QByteArrayView head, qint64 size)
{
    if (head.startsWith(kUtf32BESignature) && size >= 5)
        return {kUtf32BE, 4};
    if (head.startsWith(kUtf32LESignature) && size >= 5)
        return {kUtf32LE, 4};
    if (head.startsWith(kUtf16BESignature) && size >= 3)
        return {kUtf16BE, 2};
    if (head.startsWith(kUtf16LESignature) && size >= 3)
        return {kUtf16LE, 2};
    if (head.startsWith(kUtf8Signature) && size >= 4)
        return {kUtf8, 3};
    if (head.startsWith(kUtf7Start) && size >= 6 && head.startsWith(kUtf7Signature))
        return {kUtf7, 5};
    return {kNone, 0};
}

QString decodeUtf32(QByteArrayView bytes, bool bigEndian)
{
    QString text;
    text.reserve(bytes.size() / 4);
    for (qsizetype i = 0; i + 4 <= bytes.size(); i += 4) {
        quint32 unit = 0;
        for (int b = 0; b < 4; ++b) {
            const int shift = bigEndian ? 8 * (3 - b) : 8 * b;
            unit |= quint32(quint8(bytes[i + b])) << shift;
        }
        if (unit < 0x10000) {
            text += QChar(char16_t(unit));
        } else if (unit <= 0x10FFFF) {
            const quint32 v = unit - 0x10000;
            text += QChar(char16_t(0xD800 + (v >> 10)));
            text += QChar(char16_t(0xDC00 + (v & 0x3FF)));
        }
    }
    return text;
}

QByteArray encodeUtf16LE(const QString& text)
{
    QByteArray bytes;
    bytes.reserve(text.size() * 2);
    for (const QChar c : text) {
        bytes.append(char(c.unicode() & 0xFF));
        bytes.append(char(c.unicode() >> 8));
    }
    return bytes;
}

QString decodeUtf16(QByteArrayView bytes, bool bigEndian)
{
    QString text(bytes.size() / 2, Qt::Uninitialized);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const quint8 first = quint8(bytes[2 * i]);
        const quint8 second = quint8(bytes[2 * i + 1]);
        text[i] = QChar(char16_t(bigEndian ? (first << 8) | second : (second << 8) | first));
    }
    return text;
}

bool looksLikeUtf8(QByteArrayView bytes)
{
    const qsizetype end = qMin<qsizetype>(bytes.size(), 2048);
    int sequences = 0;
    qsizetype i = 0;
    while (i < end) {
        const quint8 lead = quint8(bytes[i]);
        if (lead <= 127 || lead >= 254) {
            ++i;
            continue;
        }
        if (lead <= 191)
            return false; // a trailing byte where a sequence should start
        const int trailing = lead >= 252   ? 5
                             : lead >= 248 ? 4
                             : lead >= 240 ? 3
                             : lead >= 224 ? 2
                                           : 1;
        if (i + trailing >= end)
            break;
        for (int t = 1; t <= trailing; ++t) {
            const quint8 next = quint8(bytes[i + t]);
            if (next < 128 || next > 191)
                return false;
        }
        ++sequences;
        i += trailing + 1;
    }
    return sequences > 0;
}

std::optional<QString> decodeCodepage(QByteArrayView bytes, int codepage)
{
    const QByteArray replacement("\xFD\xFF", 2); // U+FFFD in UTF-16LE
    const std::optional<QByteArray> wide =
        convert(iconvName(codepage), "UTF-16LE", bytes, replacement, 1);
    if (!wide)
        return std::nullopt;
    return decodeUtf16(*wide, false);
}

std::optional<QByteArray> encodeCodepage(const QString& text, int codepage)
{
    return convert("UTF-16LE", iconvName(codepage), encodeUtf16LE(text), "?", 2);
}

int codepageOfCharset(const QByteArray& codeset)
{
    if (codeset == "UTF-8")
        return kUtf8;
    if (codeset.startsWith("ISO-8859-"))
        return 28590 + codeset.mid(9).toInt();
    if (codeset == "ANSI_X3.4-1968" || codeset == "ASCII")
        return 20127;
    if (codeset.startsWith("CP"))
        return codeset.mid(2).toInt();
    for (const NamedCodepage& named : kNamed)
        if (codeset == named.iconv)
            return named.codepage;
    return 0;
}

int systemCodepage()
{
    const int codepage = codepageOfCharset(QByteArray(nl_langinfo(CODESET)));
    return codepage == kUtf8 || codepage == 0 ? 1256 : codepage;
}

QString codepageName(int codepage)
{
    for (const NamedCodepage& named : kNamed)
        if (named.codepage == codepage)
            return QString::fromLatin1(named.shown);
    if (codepage >= 28591 && codepage <= 28606)
        return QStringLiteral("ISO-8859-%1").arg(codepage - 28590);
    if (codepage >= 1250 && codepage <= 1258)
        return QStringLiteral("Windows-%1").arg(codepage);
    return QStringLiteral("code page %1").arg(codepage);
}

bool isKnownBom(int bom)
{
    switch (bom) {
    case kNone:
    case kUtf8ByInspection:
    case kUtf16LE:
    case kUtf16BE:
    case kUtf32LE:
    case kUtf32BE:
    case kUtf7:
    case kUtf8:
        return true;
    default:
        return false;
    }
}

std::optional<QByteArray> encodeFile(const QString& text, int bom, int codepage)
{
    const QString marked = QChar(0xFEFF) + text;
    switch (bom) {
    case kNone:
        return encodeCodepage(text, codepage);
    case kUtf8ByInspection:
        return encodeCodepage(text, kUtf8);
    case kUtf16LE:
        return encodeUtf16LE(marked);
    case kUtf16BE: {
        QByteArray bytes = encodeUtf16LE(marked);
        for (qsizetype i = 0; i + 1 < bytes.size(); i += 2)
            std::swap(bytes[i], bytes[i + 1]);
        return bytes;
    }
    case kUtf32LE: {
        QByteArray bytes;
        for (qsizetype i = 0; i < marked.size(); ++i) {
            const QChar c = marked[i];
            if (c.isHighSurrogate() && i + 1 < marked.size() && marked[i + 1].isLowSurrogate()) {
                appendUnit32(bytes, QChar::surrogateToUcs4(c, marked[i + 1]), false);
                ++i;
            } else {
                appendUnit32(bytes, c.unicode(), false); // an unpaired unit stands for itself
            }
        }
        return bytes;
    }
    case kUtf32BE: {
        QByteArray bytes;
        for (const QChar c : marked)
            appendUnit32(bytes, c.unicode(), true);
        return bytes;
    }
    case kUtf7:
        return kUtf7Signature + *encodeCodepage(text, kUtf7);
    case kUtf8:
        return kUtf8Signature + *encodeCodepage(text, kUtf8);
    default:
        return std::nullopt;
    }
}

std::optional<QString> decodeFile(QByteArrayView bytes, bool inspectUtf8, int codepage, int* bom)
{
    // A mark with nothing after it is an empty text in its encoding: the signatures' minimum
    // sizes would otherwise read the mark itself as characters of a code page.
    const std::pair<QByteArrayView, int> marks[] = {
        {kUtf32LESignature, kUtf32LE}, {kUtf32BESignature, kUtf32BE}, {kUtf16LESignature, kUtf16LE},
        {kUtf16BESignature, kUtf16BE}, {kUtf8Signature, kUtf8},       {kUtf7Signature, kUtf7}};
    for (const auto& [mark, form] : marks) {
        if (bytes == mark) {
            *bom = form;
            return QString();
        }
    }
    const Signature signature =
        detectSignature(bytes.first(qMin<qsizetype>(5, bytes.size())), bytes.size());
    const QByteArrayView rest = bytes.sliced(signature.length);
    switch (signature.bom) {
    case kUtf32LE:
    case kUtf32BE:
        *bom = signature.bom;
        return decodeUtf32(rest, signature.bom == kUtf32BE);
    case kUtf16LE:
    case kUtf16BE:
        *bom = signature.bom;
        return decodeUtf16(rest, signature.bom == kUtf16BE);
    case kUtf8:
    case kUtf7:
        *bom = signature.bom;
        return decodeCodepage(rest, signature.bom);
    default:
        if (inspectUtf8 && looksLikeUtf8(bytes)) {
            *bom = kUtf8ByInspection;
            return decodeCodepage(bytes, kUtf8);
        }
        *bom = kNone;
        return decodeCodepage(bytes, codepage);
    }
}

} // namespace textfile
