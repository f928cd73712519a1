#pragma once

#include <QString>

// Where the user's own lists live. An installed program's folder is read-only to its users,
// so their lists go to $XDG_DATA_HOME/zorvel/lists; a writable program folder (a build tree,
// a portable copy) keeps them itself, as it always did, and then there is no second place.
QString userListFolder(const QString& programFolder, bool programFolderWritable);

// Makes `folder` when it does not exist yet; false, with the system's reason, when it cannot.
bool makeFolder(const QString& folder, QString* reason);
