// Any bytes as the settings file, and as the stored recent-file list: every value is read as
// start-up reads it, and the recent files keep their rules whatever was stored.

#include "app/settings/ZorvelSettings.h"
#include "app/settings/recentfiles.h"
#include "app/settings/settingsvalues.h"

#include <QFile>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdlib>

namespace {

void checkRecentFiles(const QString& stored)
{
    if (recentfiles::menuEntries(stored).size() > recentfiles::kShown)
        std::abort();
    const QString path = QStringLiteral("/lists/A.zva");
    const QString updated = recentfiles::add(stored, path);
    if (!updated.startsWith(path + QStringLiteral("|*|")) ||
        recentfiles::menuEntries(updated).constFirst() != path)
        std::abort();
}

void readEveryValue(const QString& filePath)
{
    const ZorvelSettings settings(filePath);
    settings.fromRange();
    settings.toRange();
    const int tab = settings.activeTab();
    const int speed = settings.listerSpeed();
    const int split = settings.splitPercent();
    if (tab < 1 || tab > 3 || speed < 0 || speed > 6 || split < 0 || split > 100)
        std::abort();
    settings.restartListing();
    settings.lastOpenFolder(QStringLiteral("/lists"));
    checkRecentFiles(settings.recentFiles());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static QTemporaryDir folder;
    static int run = 0;
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));

    // A new name each run: the settings store caches what it read by file name.
    const QString filePath = folder.filePath(QStringLiteral("Zorvel%1.conf").arg(++run));
    QFile file(filePath);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        std::abort();
    file.close();
    readEveryValue(filePath);
    QFile::remove(filePath);

    const QString text = QString::fromUtf8(bytes);
    checkRecentFiles(text);
    settingsvalues::roundedNumber(text, 0, 100, 50);
    settingsvalues::wholeNumber(text, -1, 2147483647, -1);
    return 0;
}
