#include "app/settings/recentfiles.h"

namespace recentfiles {
namespace {

const QString kMarker = QStringLiteral("|*|");

} // namespace

QString add(const QString& stored, const QString& path)
{
    QString result = path + kMarker;
    const QStringList entries = stored.split(kMarker);
    // An entry is compared whole: removing the text "path|*|" wherever it stands would cut
    // the tail off a longer path that ends with this one.
    int position = 0;
    for (const QString& entry : entries) {
        if (entry == path)
            continue;
        if (position++ < kShown && !entry.isEmpty())
            result += entry + kMarker;
    }
    return result;
}

QStringList menuEntries(const QString& stored)
{
    if (stored.isEmpty())
        return {};
    return stored.split(kMarker).mid(0, kShown);
}

QString menuCaption(int k, const QString& path)
{
    // A "&" in a file name is shown as itself, not taken for a mnemonic.
    const QString name = path.mid(path.lastIndexOf(u'/') + 1).replace(u'&', QStringLiteral("&&"));
    return QStringLiteral("&%1  %2").arg(k).arg(name);
}

} // namespace recentfiles
