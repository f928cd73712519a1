#pragma once

#include <QList>
#include <QString>

#include <functional>

// Rows that begin alike, too wide for their list, show what tells them apart: the words a row
// shares at its start with the row most like it give way to an ellipsis before the words that
// differ do.
namespace tellingwords {

// How many words `row` shares at its start with the row of `others` most like it.
int sharedStart(const QStringList& row, const QList<QStringList>& others);

// `row` whole when `fits` it; otherwise its shared start gives way from its beginning, one
// word kept before the telling ones, then its end, each gap shown as "…".
QString elided(const QString& row, const QStringList& others,
               const std::function<bool(const QString&)>& fits);

} // namespace tellingwords
