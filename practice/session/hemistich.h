#pragma once

#include <QString>

#include <optional>

// The halves of a bayt, which a list writes with a TAB between them.
namespace hemistich {

struct Halves {
    QString first;
    QString second;
};

// The item split at its first TAB, each half trimmed (a further TAB stays in the second); none
// unless both halves hold a word.
std::optional<Halves> split(const QString& item);

} // namespace hemistich
