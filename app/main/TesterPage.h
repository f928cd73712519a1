#pragma once

#include "practice/session/TesterSession.h"

#include <QFrame>

class IntervalTimer;
class Practice;
class QCheckBox;
class QLabel;
class QLineEdit;
class Recitation;
class QPushButton;
class UniListBox;
class ZorvelSettings;

// The choice list's designed height, in twips; a larger font makes it taller.
inline constexpr double kDesignedChoicesHeight = 2775;

// The "Tester" page: the next item is to be picked among up to three choices; right picks
// gather above, with the counts, the verdict and the clock beside them. The test itself is the
// practice's; the page shows its choices, verdicts, counts and clock and forwards the picks.
class TesterPage : public QFrame {
    Q_OBJECT
public:
    TesterPage(Practice& practice, ZorvelSettings& settings, QWidget* parent);

    void restoreSettings(const ZorvelSettings& stored);

    void cmdRestartTest_Click();
    // The test the practice restarted, shown with its first choices.
    void showTestFromStart();
    // Once the look-alikes may be found: a test not yet begun is offered them.
    void offerLookAlikes();
    // The digits 1 to 3, on a Latin or an Arabic keyboard or the keypad, answer that choice row
    // at once, as a click on it would; true when `text` was such a digit.
    bool Form_KeyPress(const QString& text);
    void applyMistakesFont();
    // Reciting, a right pick may play the entry picked, and the next choices wait for it.
    void setRecitation(Recitation* recitation);

    UniListBox* recalled() const { return lstSelected; }
    UniListBox* choices() const { return lstSelect; }
    UniListBox* mistakes() const { return lstMistakes; }
    QLineEdit* verdict() const { return txtAnswer; }

private:
    void nameForScreenReaders();
    void ShowChoices();
    bool playAnswer(int number);
    void lstSelect_MouseDown();
    void lstSelect_MouseUp();
    void lstSelect_KeyDown(int KeyCode);
    void answerChoice(int row);
    void Timer1_Timer();
    void showVerdict(const TesterSession::Answer& answer);
    void showLookAlikes(bool on);
    void showCounts();
    void showTimeTaken(const QString& text);
    void showMistakes();
    void chkLookAlikes_Click();

    static constexpr int kMistakesZoom = 60; // percent of the lists' size

    Practice& m_practice;
    ZorvelSettings& m_settings;
    IntervalTimer* Timer1;
    bool m_pickArmed = false; // a press on the choices that its release may answer
    Recitation* m_recitation = nullptr;
    bool m_choicesWaiting = false; // for the recitation of the entry just picked
    QString m_question; // the first half of the bayt asked, shown last among the recalled

    UniListBox* lstSelected = nullptr;
    UniListBox* lstSelect = nullptr;
    QPushButton* cmdRestartTest = nullptr;
    QLabel* lblCorrect = nullptr;
    QLabel* lblWrong = nullptr;
    QLabel* lblTimeTaken = nullptr;
    QLineEdit* txtAnswer = nullptr;
    QCheckBox* chkLookAlikes = nullptr; // off unless the user ticks it
    QLabel* lblMistakes = nullptr;      // shown after a test with mistakes
    UniListBox* lstMistakes = nullptr;
};
