#pragma once

#include <QString>
#include <QStringList>

// The recent-file list as the settings store keeps it: full paths, most recent first, each
// followed by the marker "|*|". Six are kept; the File menu shows the first five.
namespace recentfiles {

inline constexpr int kShown = 5;

// The stored text after `path` was loaded: `path` first, once, then up to five others.
QString add(const QString& stored, const QString& path);

// The menu's entries 1 to 5 by position; an empty string is an entry that stays hidden.
QStringList menuEntries(const QString& stored);

// "&k  name": the accelerator k and the file name of `path`.
QString menuCaption(int k, const QString& path);

} // namespace recentfiles
