#include "textfilecodec.h"

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

QByteArray iconvName(int codepage)
{
    switch (codepage) {
    case kUtf7:
        return "UTF-7";
    case kUtf8:
        return "UTF-8";
    case 20127:
        return "ASCII";
    default:
        if (codepage >= 28591 && codepage <= 28599)
            return "ISO-8859-" + QByteArray::number(codepage - 28590);
        return "CP" + QByteArray::number(codepage);
    }
}

// Runs iconv over `input`; an invalid or cut-off sequence is replaced and skipped, `skip`
// bytes at a time.
QByteArray convert(const QByteArray& from, const QByteArray& to, QByteArrayView input,
                   const QByteArray& replacement, int skip)
{
    iconv_t cd = iconv_open(to.constData(), from.constData());
    if (cd == iconv_t(-1))
        return {};
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

QString decodeCodepage(QByteArrayView bytes, int codepage)
{
    const QByteArray replacement("\xFD\xFF", 2); // U+FFFD in UTF-16LE
    return decodeUtf16(convert(iconvName(codepage), "UTF-16LE", bytes, replacement, 1), false);
}

QByteArray encodeCodepage(const QString& text, int codepage)
{
    return convert("UTF-16LE", iconvName(codepage), encodeUtf16LE(text), "?", 2);
}

int systemCodepage()
{
    const QByteArray codeset(nl_langinfo(CODESET));
    if (codeset == "UTF-8")
        return kUtf8;
    if (codeset.startsWith("ISO-8859-"))
        return 28590 + codeset.mid(9).toInt();
    if (codeset == "ANSI_X3.4-1968" || codeset == "ASCII")
        return 20127;
    if (codeset.startsWith("CP"))
        return codeset.mid(2).toInt();
    return kUtf8;
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

QByteArray encodeFile(const QString& text, int bom, int codepage)
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
        return kUtf7Signature + encodeCodepage(text, kUtf7);
    case kUtf8:
        return kUtf8Signature + encodeCodepage(text, kUtf8);
    default:
        return {};
    }
}

QString decodeFile(QByteArrayView bytes, bool inspectUtf8, int codepage, int* bom)
{
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
