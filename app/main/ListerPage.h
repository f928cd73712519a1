#pragma once

#include "practice/session/ListerSession.h"

#include <QFrame>

class IntervalTimer;
class Practice;
class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class RailSlider;
class Recitation;
class Splitter;
class UniListBox;
class UniText;
class ZorvelSettings;

// The "Lister" page: it shows the items of the practised range one after another, on the
// listing clock or one per Enter, with the whole of the latest item below. The listing itself
// is the practice's; the page shows what each step lists.
class ListerPage : public QFrame {
    Q_OBJECT
public:
    ListerPage(Practice& practice, ZorvelSettings& settings, QWidget* parent);

    // The stored speed, restart and recall choices, and the divider's place.
    void restoreSettings(const ZorvelSettings& stored);

    void cmdRestartListing_Click();
    // The listing the practice restarted, shown from its first step.
    void showListingFromStart();

    UniListBox* list() const { return lstList; }
    UniText* completeText() const { return txtCompleteText; }
    Splitter* splitter() const { return Splitter1; }
    RailSlider* speedSlider() const { return sdrListingSpeed; }
    bool restartOnFinish() const;
    void setRecallFirst(bool on);
    // The window's default button, which Enter presses while it is shown.
    QPushButton* manualListingButton() const { return cmdManualListing; }
    // A grade typed for the recall revealed last (1 Again to 4 Easy); false when the key is
    // no grade or no recall waits for one.
    bool gradeKey(const QString& text);
    // Word by word, while a prompt waits: Space reveals its next word, Enter the whole entry;
    // false for other keys or when no prompt waits.
    bool revealKey(int key);
    // Reciting: each entry shown whole is played, and a timed listing waits for it.
    void setRecitation(Recitation* recitation);

private:
    void nameForScreenReaders();
    void cmdManualListing_Click();
    void Timer2_Timer();
    void showStep(const ListerSession::Step& step);
    // The last step shown in full below the list, and what it waits for.
    void showLatest(const std::optional<ListerSession::Step>& shown);
    // What waits for the learner's key: a prompt's next word or a grade.
    void showKeysAwaited();
    void runListingClockWhenNeeded();
    void sdrListingSpeed_ValueChanged();
    void chkRestartListing_Click();
    void chkRecallFirst_Click();
    void cmbRecallCue_Click();
    void lstList_Click();
    void lstList_DblClick();
    void putReferenceOnClipboard();

    Practice& m_practice;
    ZorvelSettings& m_settings;
    IntervalTimer* Timer2;

    Splitter* Splitter1 = nullptr;
    UniListBox* lstList = nullptr;
    UniText* txtCompleteText = nullptr;
    QPushButton* cmdRestartListing = nullptr;
    QCheckBox* chkRestartListing = nullptr;
    QCheckBox* chkRecallFirst = nullptr; // off unless the user ticks it
    QComboBox* cmbRecallCue = nullptr;   // what a prompt shows; beside Recall first, when on
    QLabel* lblGrade = nullptr;          // shown only while a recall waits for its grade
    QLabel* lblWordByWord = nullptr;     // the keys that reveal a waiting prompt
    RailSlider* sdrListingSpeed = nullptr;
    QLabel* lblSpeed = nullptr;
    QPushButton* cmdManualListing = nullptr;
    QLabel* lblRecitation = nullptr; // what plays: "2:255, 3 of 5"
    Recitation* m_recitation = nullptr;
};
