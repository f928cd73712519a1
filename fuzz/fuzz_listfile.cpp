// Any bytes as a list file: the reader and the item building of both modes must neither crash
// nor lose a character the writer can keep.

#include "itemlist.h"
#include "listfile.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArrayView bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    listfile::Error error;
    const QString text = listfile::decode(bytes, &error);
    if (error.isError())
        return 0;

    // What the reader gives back, the writer keeps: writing and reading it again is lossless.
    if (listfile::firstUnkeptCharacter(text) == -1) {
        listfile::Error again;
        const QByteArray written = listfile::encode(text, &again);
        if (again.isError() || listfile::decode(written, &again) != text)
            std::abort();
    }

    const ItemList lines = buildItems(text, false);
    const ItemList words = buildItems(text, true);
    // Every word-mode line names words that exist, in order.
    int previousLast = 0;
    for (const LineEntry& line : words.lines) {
        if (line.firstItem != previousLast + 1 || line.lastItem < line.firstItem ||
            line.lastItem > words.items.size())
            std::abort();
        previousLast = line.lastItem;
    }
    if (previousLast != words.items.size())
        std::abort();
    for (const QString& item : lines.items)
        getDisplayWords(item);
    return 0;
}
