#pragma once

#include <QList>
#include <QString>

// The printed mushaf's own divisions, which cut across its surahs: pages, juz, hizb quarters,
// manzils. The Madani mushaf of the Hafs reading is shipped as data with the program.
namespace mushaf {

struct Surah {
    int verses = 0;
    QString name; // as the mushaf prints it
};

// A kind of division and the running verse number (1-based over the whole mushaf) where each
// of its divisions begins, in order: division k + 1 begins at starts[k].
struct Kind {
    QString name; // as a list's marker writes it: "page"
    QList<int> starts;
};

struct Map {
    QList<Surah> surahs;
    QList<Kind> kinds;

    // The running number of verse `verse` of surah `surah`, 0 when the map has no such verse.
    int runningNumber(int surah, int verse) const;
    bool isEmpty() const { return surahs.isEmpty(); }
};

// The map in its data form: "surah COUNT NAME" lines in order, then "KIND START..." lines;
// lines beginning with "#" are notes. Nothing when a line is out of this form or the starts of
// a kind are not ascending within the surahs' verses.
Map parse(QStringView data);

// The Madani mushaf, read once from the program's data.
const Map& madani();

} // namespace mushaf
