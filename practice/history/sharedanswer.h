#pragma once

#include "lists/listfingerprint.h"
#include "schedule/itemmemory.h"

#include <QList>
#include <QString>

// A mistake marked on an entry recited from memory: its kind (1 to 4), the word marked (from 0;
// -1 for the whole entry) and that word.
struct RecitalMark {
    int kind = 0;
    int word = -1;
    QString wordText;
};

// An answer as it travels between a learner's machines, with what names its list on any of
// them: its title and content, not a path or a row of one history.
struct SharedAnswer {
    qint64 seq = 0; // increasing within the answers of one installation
    QString title;
    listfingerprint::Fingerprint fingerprint;
    bool wordMode = false;
    Review review;
    QList<RecitalMark> marks;

    // What tells its list in its mode apart from any other, on any machine.
    QString listIdentity() const
    {
        return title + u'\x1f' +
               QString::fromLatin1(listfingerprint::toBytes(fingerprint).toHex()) +
               (wordMode ? u'w' : u'l');
    }
};
