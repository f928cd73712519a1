#pragma once

#include <QString>

// The program's folder, where the read-me page, the installed lists and the word-mode marker
// live: the executable's own folder when it holds the read-me page (a build tree), otherwise
// ../share/zorvel beside it (an installed program).
QString findProgramFolder(const QString& executableFolder);
