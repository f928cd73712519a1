#pragma once

#include "controls/common/FontRecord.h"
#include "practice/recital/RecitalCheck.h"

#include <QDialog>

#include <optional>

class Practice;
class QCheckBox;
class QLabel;
class QTextBrowser;
class QUrl;
class Recitation;

// The name of a kind of mistake, as the keys, the summary and Progress show it.
QString recitalMarkName(recital::Mark kind);

// A passage recited aloud from memory and marked as a hifz teacher marks it. Where to begin
// stands above; the passage is hidden. Space reveals the next word and Enter the whole entry (or,
// once it is whole, the next entry); 1 to 4 mark the entry revealed, a click a word of it (with
// Shift, a vowel slip); Backspace takes back the last mark. Each entry left is kept as a review
// with its marks; leaving in the middle keeps what was marked.
class RecitalWindow : public QDialog {
    Q_OBJECT
public:
    // The entries `first` to `last` of the open list.
    RecitalWindow(Practice& practice, int first, int last, const FontRecord& arabic,
                  Recitation* recitation, QWidget* parent = nullptr);

    const RecitalCheck& check() const { return m_check; }
    QTextBrowser* passage() const { return m_passage; }
    QLabel* status() const { return m_status; }
    // A click on word `word` of the entry revealed, with Shift held or not.
    void clickWord(int word, bool shift);

    void done(int result) override;

signals:
    // An entry was checked and kept in the history.
    void recorded();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void reveal(bool whole);
    // Why the mark was refused; nothing when it was placed.
    QString mark(recital::Mark kind, int word = -1);
    void keep(const std::optional<RecitalCheck::Checked>& checked);
    // The passage revealed, and in the status line why a key was refused, or where it stands.
    void showPassage(const QString& refused = {});
    QString shownEntry(const RecitalCheck::Entry& entry, bool atHand) const;
    // The entry before the passage, or its first word.
    QString cue() const;
    QString summary() const;

    Practice& m_practice;
    RecitalCheck m_check;
    int m_first;
    Recitation* m_recitation;
    QTextBrowser* m_passage;
    QLabel* m_status;
    QLabel* m_keys;
    QCheckBox* m_listen; // play the reciter once an entry is whole, where the list has one
};
