#pragma once

#include "lists/itemlist.h"

#include <QHash>
#include <QString>

#include <atomic>

// A list's recitation: a folder of audio files, one an entry, as reciters' verse-by-verse sets
// are. A file is matched to an entry by its name: "PPPNNN" in a list with parts (the part's
// number and the entry's number in it, three digits each: "002255.mp3" is 2:255), or the
// entry's running number in four digits or more ("0007.ogg"). Only files Qt Multimedia plays
// here are taken: mp3, ogg, opus, flac and wav. A part's basmala ("002000") is no entry.
namespace recitation {

struct Index {
    QString folder;
    QHash<QString, QString> byName; // a file's name without its suffix: its whole name
    QHash<int, QString> byNumber;   // names of four digits or more, as running numbers
    int files = 0;                  // audio files read

    bool isEmpty() const { return byName.isEmpty(); }
};

// The audio files in `folder` (not its subfolders), by name only: nothing is opened or
// followed, so that a folder of tens of thousands of files is read in moments. Nothing once
// `cancel` is set.
Index indexFolder(const QString& folder, const std::atomic_bool* cancel = nullptr);

// The path of entry `number`'s file, or nothing.
QString fileFor(const Index& index, const QList<Part>& parts, int number);

// How many of the list's `count` entries have a file.
int matched(const Index& index, const QList<Part>& parts, int count);

// What the files of a list should be called: "002255.mp3 for 2:255" or "0007.mp3 for entry 7".
QString expectedNames(const QList<Part>& parts);

} // namespace recitation
