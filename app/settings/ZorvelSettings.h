#pragma once

#include "practice/session/recallcue.h"
#include "schedule/revisionplan.h"

#include <QSettings>

// The per-user settings store: every value kept as text under the group "Zorvel20" of an INI
// file, and the settings of the features the original program did not have under a group of their
// own, "Extras", so that no Zorvel20 key changes meaning. Reads are defensive; a damaged value
// yields the key's default.
// How a list's recitation is played, as the View menu's Recitation chooses it.
struct RecitationSettings {
    int repeatEach = 1;
    int repeatRange = 0; // 0: without end, as the Lister's restart says
    int gapFactor = 0;   // the gap after each playing, in playings' lengths
    int ratePercent = 100;
    int testerPlays = 0; // after a right pick: 0 no, 1 before the next choices, 2 at once
    bool on = false;
};

// Practice shared across the learner's machines: the folder they sync (none: not shared), this
// installation's id, made once, and the learner's name as the other machines and a teacher see it.
struct SharingSettings {
    QString folder;
    QString device;
    QString name;
};

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

    // Extras: the Arabic font chosen in the View menu (empty: the designed one) and the zoom
    // of the Arabic text in percent.
    QString arabicFont() const;
    int zoomPercent() const;
    // Extras: whether the Lister prompts before it reveals.
    bool recallFirst() const;
    recallcue::Cue recallCue() const;
    // Extras: whether the Tester offers a look-alike among its choices.
    bool lookAlikes() const;
    // Extras: whether a bayt's second half is asked from its first, on the Lister and the
    // Tester; whether an entry written from memory is checked with its marks.
    bool secondHalves() const;
    // Extras: the interface's language, "en" or "ar"; empty for the system's.
    QString language() const;
    bool writeMarks() const;
    // Extras: how Today plans (desired retention, passage length, new items a day), whether it
    // shows at start-up, and whether its passages are practised recalling first on the Lister
    // instead of on the Tester.
    revisionplan::Options planOptions() const;
    // The installation's id is made and kept the first time it is asked for.
    SharingSettings sharing();
    QString sharedFolder() const;
    void setSharing(const QString& folder, const QString& name);
    RecitationSettings recitation() const;
    void setRecitation(const RecitationSettings& recitation);
    // The recitation folder chosen for the list at `listPath`; nothing when none was.
    QString recitationFolder(const QString& listPath) const;
    void setRecitationFolder(const QString& listPath, const QString& folder);
    bool todayAtStart() const;
    bool todayRecalls() const;

    void setFromRange(int index);
    void setToRange(int index);
    void setActiveTab(int tab);
    void setListerSpeed(int speed);
    void setRestartListing(bool restart);
    void setLastOpenFolder(const QString& folder);
    void setSplitPercent(int percent);
    void setRecentFiles(const QString& recentFiles);
    void setArabicFont(const QString& family);
    void setZoomPercent(int percent);
    void setRecallFirst(bool recallFirst);
    void setRecallCue(recallcue::Cue cue);
    void setLookAlikes(bool lookAlikes);
    void setSecondHalves(bool secondHalves);
    void setLanguage(const QString& language);
    void setWriteMarks(bool marksToo);
    void setPlanOptions(const revisionplan::Options& options);
    void setTodayAtStart(bool show);
    void setTodayRecalls(bool recalls);

    // Writes what was set to the file; false when it could not.
    bool sync();
    // Why the settings are not read or kept, for the user; empty while they are.
    QString trouble() const;

private:
    QString text(const QString& key, const QString& group = {}) const;
    void setText(const QString& key, const QString& value, const QString& group = {});
    // A yes-or-no setting under "Extras", "1" or "0"; no by default.
    bool extraFlag(const QString& key) const;
    void setExtraFlag(const QString& key, bool on);

    QString m_filePath;
    bool m_ignored; // not a regular file: neither read nor written
    QSettings m_store;
};
