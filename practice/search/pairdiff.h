#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// Two passages a learner takes for one another, word by word: the words they share in order
// (compared folded, as Find does) and the words that tell them apart.
namespace pairdiff {

struct Words {
    QStringList words;   // as written
    QList<bool> differs; // by word: not among the words both share in order
};

std::pair<Words, Words> compare(const QString& one, const QString& other);

} // namespace pairdiff
