#pragma once

#include <QString>
#include <QTemporaryDir>

// A scratch program folder and settings file for one whole-window test.
class ScratchProgram {
public:
    ScratchProgram();

    QString folder() const { return m_dir.path() + QStringLiteral("/program"); }
    QString settingsFile() const { return m_dir.path() + QStringLiteral("/Zorvel.conf"); }
    // The user's data folder ($XDG_DATA_HOME) while the window runs: own lists, history.
    QString dataFolder() const { return m_dir.path() + QStringLiteral("/data"); }

    // Writes a list file below the program folder and returns its full path.
    QString addList(const QString& relativePath, const QString& text) const;

    // Writes the settings file as given: lines of an INI file.
    void writeSettings(const QByteArray& ini) const;
    QString setting(const QString& key) const;

private:
    QTemporaryDir m_dir;
};
