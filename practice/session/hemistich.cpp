#include "practice/session/hemistich.h"

#include "practice/session/recallcue.h"

namespace hemistich {

std::optional<Halves> split(const QString& item)
{
    const qsizetype tab = item.indexOf(u'\t');
    if (tab < 0)
        return std::nullopt;
    Halves halves{item.left(tab).trimmed(), item.mid(tab + 1).trimmed()};
    if (recallcue::wordCount(halves.first) == 0 || recallcue::wordCount(halves.second) == 0)
        return std::nullopt;
    return halves;
}

} // namespace hemistich
