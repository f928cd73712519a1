#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// The byte side of the text box's files: signatures, UTF-32 and UTF-16 in both byte orders,
// the UTF-8 inspection, and single code pages through iconv.
namespace textfile {

// BOM values: 0 none (code page), 1 none but UTF-8 by inspection, and the code page numbers
// of the Unicode forms.
inline constexpr int kNone = 0;
inline constexpr int kUtf8ByInspection = 1;
inline constexpr int kUtf16LE = 1200;
inline constexpr int kUtf16BE = 1201;
inline constexpr int kUtf32LE = 12000;
inline constexpr int kUtf32BE = 12001;
inline constexpr int kUtf7 = 65000;
inline constexpr int kUtf8 = 65001;

struct Signature {
    int bom = kNone;
    int length = 0;
};

// The signature at the start of a file of `fileSize` bytes whose first bytes are `head` (at
// least five when the file has them): tested in order, each needing a minimum file size.
Signature detectSignature(QByteArrayView head, qint64 fileSize);

QString decodeUtf32(QByteArrayView bytes, bool bigEndian);
QString decodeUtf16(QByteArrayView bytes, bool bigEndian); // a trailing odd byte is ignored
QByteArray encodeUtf16LE(const QString& text);

// Whether the first 2048 bytes read as UTF-8 with at least one multi-byte sequence.
bool looksLikeUtf8(QByteArrayView bytes);

// Conversions through a code page; invalid input becomes U+FFFD when decoding and "?" when
// encoding. 65000 is UTF-7, 65001 UTF-8, 1200 and 1201 UTF-16 without a signature. None for a
// code page that cannot be converted: a failure, never an empty success.
std::optional<QString> decodeCodepage(QByteArrayView bytes, int codepage);
std::optional<QByteArray> encodeCodepage(const QString& text, int codepage);

// The system's ANSI code page: the locale's character set as a code page number. A UTF-8
// locale has no legacy code page; there it is Windows-1256, the code page of legacy Arabic
// files.
int systemCodepage();
// The code page a locale's character set (nl_langinfo's CODESET) names; 0 for none.
int codepageOfCharset(const QByteArray& codeset);
// A code page's name for people: "Windows-1256", "ISO-8859-6", "UTF-8".
QString codepageName(int codepage);

// The whole file for a BOM value, signature included; none for an unknown value or a code
// page that cannot be converted.
std::optional<QByteArray> encodeFile(const QString& text, int bom, int codepage);
bool isKnownBom(int bom);

// The text of a whole file, and the BOM value it was read as; none when its code page cannot
// be converted.
std::optional<QString> decodeFile(QByteArrayView bytes, bool inspectUtf8, int codepage, int* bom);

} // namespace textfile
