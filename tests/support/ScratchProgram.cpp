#include "tests/support/ScratchProgram.h"

#include "lists/listfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTest>

ScratchProgram::ScratchProgram()
{
    QDir().mkpath(folder());
    // Every program folder has its read-me, which the window shows on its third page.
    QFile readme(folder() + QStringLiteral("/ZV_Readme.htm"));
    if (!readme.open(QIODevice::WriteOnly) || readme.write("<html><body>Zorvel</body></html>") < 0)
        qFatal("cannot write the scratch read-me");
}

QString ScratchProgram::addList(const QString& relativePath, const QString& text) const
{
    QString path = folder() + u'/' + relativePath;
    QDir().mkpath(QFileInfo(path).absolutePath());
    const listfile::Error error = listfile::writeFile(path, text);
    if (error.isError())
        qFatal("cannot write the scratch list %s", qPrintable(path));
    return path;
}

void ScratchProgram::writeSettings(const QByteArray& ini) const
{
    QFile file(settingsFile());
    if (!file.open(QIODevice::WriteOnly) || file.write(ini) != ini.size())
        qFatal("cannot write the scratch settings");
}

QString ScratchProgram::setting(const QString& key) const
{
    QSettings settings(settingsFile(), QSettings::IniFormat);
    return settings.value(QStringLiteral("Zorvel20/") + key).toString();
}
