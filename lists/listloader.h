#pragma once

#include "lists/itemlist.h"
#include "lists/listfingerprint.h"

#include <QString>

// Everything that loading a list file can find out before the window changes anything, so
// that a load either replaces the open list completely or leaves it as it was.
struct LoadedList {
    enum Status { Loaded, Missing, Failed };
    Status status = Failed;
    QString message; // for Failed: what is wrong, in words for the user
    QString path;
    QString folder; // the path before its last separator
    QString title;  // the file name less its last four characters
    QString name;   // the title's first word: the list's reference name
    ItemList items;
    QString text; // the whole text, kept for the fingerprint until the history asks for it

    // What the practice history knows the list by: worked out when first needed, not while
    // the list opens.
    listfingerprint::Fingerprint fingerprint() const { return listfingerprint::of(text); }
};

LoadedList loadList(const QString& path, bool wordMode);

QString listTitle(const QString& path);
QString listName(const QString& title);
