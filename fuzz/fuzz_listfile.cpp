// Any bytes as a list file: the reader, the import's part finding and the item building of both
// modes must neither crash nor lose a character the writer can keep, and the writer never
// makes a file larger than the reader takes.

#include "lists/itemlist.h"
#include "lists/listfile.h"
#include "lists/textimport.h"

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
        if (again.isError() || written.size() > listfile::kMaxFileBytes ||
            listfile::decode(written, &again) != text)
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

    // From the first heading on, the parts cover the items in order (a text that had headings
    // of its own may keep entries before them), and every item has a reference.
    for (const bool wordMode : {false, true}) {
        const ItemList parted = buildItems(textimport::listText(text), wordMode);
        int next = parted.parts.isEmpty() ? 1 : parted.parts.front().firstItem;
        for (const Part& part : parted.parts) {
            if (part.firstItem != next || part.lastItem < part.firstItem - 1)
                std::abort();
            next = part.lastItem + 1;
        }
        for (int item = 1; item <= parted.items.size(); ++item) {
            const int part = partOfItem(parted.parts, item);
            if (part >= parted.parts.size() ||
                (part >= 0 &&
                 (item < parted.parts[part].firstItem || item > parted.parts[part].lastItem)) ||
                itemReference(parted.parts, parted.lines, item).isEmpty())
                std::abort();
        }
    }
    return 0;
}
