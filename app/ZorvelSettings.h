#pragma once

#include <QSettings>

// The per-user settings store: every value kept as text under the group "Zorvel20" of an INI
// file. Reads are defensive; a damaged value yields the key's default.
class ZorvelSettings {
public:
    // $XDG_CONFIG_HOME/corvant/Zorvel.conf
    static QString defaultFilePath();

    explicit ZorvelSettings(const QString& filePath);

    int fromRange() const;
    int toRange() const;
    int activeTab() const;
    int listerSpeed() const;
    bool restartListing() const;
    QString lastOpenFolder(const QString& fallback) const;
    int splitPercent() const;
    QString recentFiles() const;

    void setFromRange(int index);
    void setToRange(int index);
    void setActiveTab(int tab);
    void setListerSpeed(int speed);
    void setRestartListing(bool restart);
    void setLastOpenFolder(const QString& folder);
    void setSplitPercent(int percent);
    void setRecentFiles(const QString& recentFiles);

    // Writes what was set to the file.
    void sync();

private:
    QString text(const QString& key) const;
    void setText(const QString& key, const QString& value);

    QSettings m_store;
};
