// Any bytes as a text file for the text box: signatures, UTF-32 and UTF-16 of both orders,
// the UTF-8 inspection and the code pages, UTF-7 among them; and the bounded read, which gives
// a file whole or refuses it, never part of it.

#include "textfiles/boundedread.h"
#include "textfiles/textfilecodec.h"

#include <QTemporaryFile>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArrayView bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    int bom = -1;
    textfile::decodeFile(bytes, true, 1256, &bom);
    if (!textfile::isKnownBom(bom))
        std::abort();
    textfile::decodeFile(bytes, false, 1252, &bom);
    // The import's other encodings, and a code page that cannot be converted.
    for (const int codepage : {28596, 28605, 20866, textfile::kUtf16LE, textfile::kUtf16BE})
        if (!textfile::decodeCodepage(bytes, codepage))
            std::abort();
    if (textfile::decodeCodepage(bytes, 12345))
        std::abort();

    const QString utf7 = textfile::decodeCodepage(bytes, textfile::kUtf7).value_or(QString());
    textfile::encodeCodepage(utf7, textfile::kUtf7);

    // UTF-16 written by the program reads back as it was.
    const QString units = textfile::decodeUtf16(bytes, false);
    if (textfile::decodeUtf16(textfile::encodeUtf16LE(units), false) != units)
        std::abort();
    const QString wide = textfile::decodeUtf32(bytes, true);
    textfile::encodeFile(wide, textfile::kUtf32LE, 0);

    static QTemporaryFile file;
    if (!file.isOpen() && !file.open())
        std::abort();
    file.resize(0);
    file.write(bytes.data(), bytes.size());
    file.flush();
    const qint64 limit = qint64(size) - (size > 0 ? data[0] % 2 : 0);
    const BoundedRead read = readAtMost(file.fileName(), limit);
    if (qint64(size) > limit ? read.status != BoundedRead::TooLarge || !read.bytes.isEmpty()
                             : read.status != BoundedRead::Read || read.bytes != bytes)
        std::abort();
    return 0;
}
