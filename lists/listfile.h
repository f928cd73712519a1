#pragma once

#include <QByteArray>
#include <QString>

class QIODevice;

// The list file (".zva"): the list's text as 16-bit little-endian units, unit i holding the
// UTF-16 code unit read as signed plus (i mod 100). No header, no count, no signature.
namespace listfile {

// Largest list file the program reads: a whole book is a few megabytes, so anything far
// beyond this is not a list and is refused before it is read into memory.
inline constexpr qint64 kMebibyte = qint64{1} << 20;
inline constexpr qint64 kMaxFileBytes = 32 * kMebibyte;
// Largest text file a list is made from: the text of the largest list in the widest form a
// text file can hold it (four bytes a character).
inline constexpr qint64 kMaxTextBytes = 2 * kMaxFileBytes;

struct Error {
    enum Kind {
        None,
        CannotOpen,  // the file could not be opened
        ReadFailed,  // reading stopped with an error
        WriteFailed, // writing or committing the file failed
        Overflow,    // a unit leaves the signed 16-bit range at `position`
        TooLarge,    // the file is larger than kMaxFileBytes
        TooLong,     // the text makes a list file larger than kMaxFileBytes
    };
    Kind kind = None;
    qint64 position = 0; // 1-based character (unit) position, for Overflow
    QString detail;      // the system's reason, where there is one

    bool isError() const { return kind != None; }
};

// A sentence for the user about what went wrong with the file at `path`.
QString describe(const Error& error, const QString& path);

// Encodes `text`; on overflow nothing is returned and `error` names the first position. A
// text whose list would be larger than the reader takes is refused.
QByteArray encode(QStringView text, Error* error);

// The 0-based index of the first character that a list file cannot give back at its place:
// U+0000 and U+8000 and above, which the reader drops, and those whose stored unit would
// overflow. -1 when every character is kept.
qsizetype firstUnkeptCharacter(QStringView text);

// A character that a list file cannot keep, as `text` holds it: how often, and the line
// (1-based) of its first occurrence. A character beyond U+FFFF is one, not two halves.
struct UnkeptCharacter {
    QString character;
    int count = 0;
    int firstLine = 0;
};
// Every such character, in the order of first occurrence.
QList<UnkeptCharacter> unkeptCharacters(QStringView text);
// "U+FDFA ﷺ: 12 times, first on line 3", one line for each.
QString describeUnkept(const QList<UnkeptCharacter>& characters);

// Decodes the units of `bytes`; a trailing odd byte is ignored. Characters U+0000 and
// U+8000 and above were not kept by the writer and come back as nothing.
QString decode(QByteArrayView bytes, Error* error);

// Reads every complete unit as a character, as a plain UTF-16LE text file holds them.
QString plainUnits(QByteArrayView bytes);

QString read(QIODevice& device, Error* error);
Error write(QIODevice& device, QStringView text);

// File-level operations. Writes are atomic: when they fail, any existing file is left as it
// was and no partial file remains.
QString readFile(const QString& path, Error* error);
Error writeFile(const QString& path, QStringView text);

// Rewrites a plain UTF-16LE file (every unit a character, a byte-order mark included) as a
// list file in place.
Error convertPlainFile(const QString& path);

} // namespace listfile
