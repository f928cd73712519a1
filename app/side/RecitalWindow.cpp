#include "app/side/RecitalWindow.h"

#include "app/main/pagecontrols.h"
#include "app/side/arabicview.h"

#include "practice/recitation/Recitation.h"
#include "practice/session/Practice.h"

#include <QCheckBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLocale>
#include <QScrollBar>
#include <QTextBrowser>
#include <QVBoxLayout>

using recital::Mark;

namespace {

QList<std::pair<int, QString>> passageOf(const Practice& practice, int first, int last)
{
    QList<std::pair<int, QString>> passage;
    for (int number = first; number <= last; ++number)
        passage.append({number, practice.items().at(number - 1)});
    return passage;
}

// Each kind told apart without colour too: a wrong word underlined, a vowel slip overlined.
QString markedWord(const QString& word, const QList<recital::PlacedMark>& marks, int index)
{
    QStringList styles;
    for (const recital::PlacedMark& mark : marks) {
        if (mark.word != index)
            continue;
        styles.append(mark.kind == Mark::WrongWord
                          ? QStringLiteral("color:#b00020; text-decoration:underline")
                          : QStringLiteral("color:#a05a00; text-decoration:overline"));
    }
    return styles.isEmpty() ? word.toHtmlEscaped()
                            : QStringLiteral("<span style='%1'>%2</span>")
                                  .arg(styles.join(u';'), word.toHtmlEscaped());
}

} // namespace

QString recitalMarkName(Mark kind)
{
    switch (kind) {
    case Mark::Prompted:
        return RecitalWindow::tr("prompted");
    case Mark::WrongWord:
        return RecitalWindow::tr("wrong or missing word");
    case Mark::VowelSlip:
        return RecitalWindow::tr("vowel slip");
    case Mark::Skipped:
        return RecitalWindow::tr("skipped");
    }
    return {};
}

RecitalWindow::RecitalWindow(Practice& practice, int first, int last, const FontRecord& arabic,
                             Recitation* recitation, QWidget* parent)
    : QDialog(parent)
    , m_practice(practice)
    , m_check(passageOf(practice, first, last))
    , m_first(first)
    , m_recitation(recitation)
{
    setObjectName(QStringLiteral("RecitalWindow"));
    setWindowTitle(tr("Recite a Passage: %1 to %2")
                       .arg(practice.itemReference(first), practice.itemReference(last)));
    const QFont font = arabic.toQFont();
    m_passage = arabicView(font, "passage", this);
    m_passage->setAccessibleName(tr("The passage, as it is revealed"));
    m_passage->setOpenLinks(false);
    connect(m_passage, &QTextBrowser::anchorClicked, this, [this](const QUrl& link) {
        clickWord(link.fragment().toInt(),
                  QGuiApplication::keyboardModifiers().testFlag(Qt::ShiftModifier));
    });
    // The entry at hand stays in view as the passage grows.
    QScrollBar* bar = m_passage->verticalScrollBar();
    connect(bar, &QScrollBar::rangeChanged, bar, [bar](int, int end) { bar->setValue(end); });
    m_status = new QLabel(this);
    m_status->setObjectName(QStringLiteral("status"));
    m_status->setWordWrap(true);
    QStringList markKeys;
    for (int kind = 1; kind <= recital::kMarkKinds; ++kind)
        markKeys.append(tr("%1: %2").arg(QLocale().toString(kind), recitalMarkName(Mark(kind))));
    markKeys.append(tr("Backspace: take back the last mark"));
    m_keys = new QLabel(tr("Space: the next word · Enter: the whole entry, then the next") + u'\n' +
                            markKeys.join(QStringLiteral(" · ")) + u'\n' +
                            tr("Click a word: wrong or missing · Shift+click: vowel slip"),
                        this);
    m_keys->setObjectName(QStringLiteral("keys"));
    m_keys->setWordWrap(true);
    m_listen = new QCheckBox(tr("&Play the reciter once an entry is revealed"), this);
    m_listen->setObjectName(QStringLiteral("listen"));
    m_listen->setFocusPolicy(Qt::NoFocus); // Space belongs to the reveal
    m_listen->setVisible(m_recitation && m_recitation->isOn());
    setFocusPolicy(Qt::StrongFocus);

    auto* begin =
        new QLabel(m_first > 1 ? tr("Begin after %1:").arg(practice.itemReference(first - 1))
                               : tr("Begin with its first word:"),
                   this);
    begin->setObjectName(QStringLiteral("begin"));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(begin);
    layout->addWidget(m_passage, 1);
    layout->addWidget(m_status);
    layout->addWidget(m_keys);
    layout->addWidget(m_listen);
    resize(arabicWindowSize(this, font, 8, 160, 560));
    showPassage();
}

void RecitalWindow::keyPressEvent(QKeyEvent* event)
{
    const int digit = typedDigit(event->text());
    QString refused;
    if (event->key() == Qt::Key_Space)
        reveal(false);
    else if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        reveal(true);
    else if (digit >= 1 && digit <= recital::kMarkKinds)
        refused = mark(Mark(digit));
    else if (event->key() == Qt::Key_Backspace || event->matches(QKeySequence::Undo))
        refused = m_check.undo() ? QString() : tr("This entry has no mark to take back.");
    else
        return QDialog::keyPressEvent(event);
    showPassage(refused);
}

void RecitalWindow::clickWord(int word, bool shift)
{
    showPassage(mark(shift ? Mark::VowelSlip : Mark::WrongWord, word));
}

void RecitalWindow::reveal(bool whole)
{
    const RecitalCheck::Entry* before = m_check.current();
    const bool wasWhole = before && before->isWhole();
    keep(whole ? m_check.revealEntry() : m_check.revealWord());
    const RecitalCheck::Entry* now = m_check.current();
    if (now && now->isWhole() && (now != before || !wasWhole) && m_listen->isChecked() &&
        m_recitation && m_recitation->isOn())
        m_recitation->recite(now->number, m_practice.itemReference(now->number));
}

QString RecitalWindow::mark(Mark kind, int word)
{
    if (m_check.mark(kind, word) || m_check.isOver())
        return {};
    return m_check.current()->shown == 0 ? tr("Reveal the entry before marking it.")
                                         : tr("That word is marked so already.");
}

void RecitalWindow::keep(const std::optional<RecitalCheck::Checked>& checked)
{
    if (!checked)
        return;
    m_practice.recordRecited(*checked);
    emit recorded();
}

// Leaving in the middle keeps the entry revealed with what was marked on it.
void RecitalWindow::done(int result)
{
    keep(m_check.leave());
    if (m_recitation)
        m_recitation->stop();
    QDialog::done(result);
}

void RecitalWindow::showPassage(const QString& refused)
{
    QStringList paragraphs{
        QStringLiteral("<span style='color:gray'>%1</span>").arg(cue().toHtmlEscaped())};
    const RecitalCheck::Entry* atHand = m_check.current();
    for (const RecitalCheck::Entry& entry : m_check.entries())
        if (entry.shown > 0)
            paragraphs.append(shownEntry(entry, &entry == atHand));
    m_passage->setHtml(rightToLeft(paragraphs));
    if (!refused.isEmpty())
        m_status->setText(refused);
    else if (m_check.isOver())
        m_status->setText(summary());
    else if (atHand->shown == 0)
        m_status->setText(
            tr("Recite %1, then reveal it.").arg(m_practice.itemReference(atHand->number)));
    else
        m_status->setText(tr("%1 (%2 of %3): %n marks", nullptr, int(atHand->marks.size()))
                              .arg(m_practice.itemReference(atHand->number),
                                   QLocale().toString(m_check.at() + 1),
                                   QLocale().toString(m_check.entries().size())));
}

// The entry revealed so far; the words of the one at hand are links, to be marked.
QString RecitalWindow::shownEntry(const RecitalCheck::Entry& entry, bool atHand) const
{
    QStringList words;
    for (int i = 0; i < entry.shown; ++i) {
        const QString word = markedWord(entry.words[i], entry.marks, i);
        words.append(atHand ? QStringLiteral("<a href='#%1' style='color:black; "
                                             "text-decoration:none'>%2</a>")
                                  .arg(i)
                                  .arg(word)
                            : word);
    }
    if (!entry.isWhole())
        words.append(QStringLiteral("…"));
    QStringList kinds;
    for (const recital::PlacedMark& mark : entry.marks)
        if (mark.word < 0)
            kinds.append(recitalMarkName(mark.kind));
    QString shown = m_practice.itemReference(entry.number).toHtmlEscaped() + QStringLiteral(". ") +
                    words.join(u' ');
    if (!kinds.isEmpty())
        shown += QStringLiteral(" <span style='color:#b00020'>[%1]</span>")
                     .arg(kinds.join(QStringLiteral("، ")).toHtmlEscaped());
    return shown;
}

// Where to begin: the entry before the passage, else its first word.
QString RecitalWindow::cue() const
{
    if (m_first > 1)
        return (m_practice.itemReference(m_first - 1) + QStringLiteral(". ") +
                m_practice.items().at(m_first - 2))
            .toHtmlEscaped();
    return recital::wordsOf(m_practice.items().at(m_first - 1)).value(0).toHtmlEscaped() +
           QStringLiteral(" …");
}

QString RecitalWindow::summary() const
{
    const RecitalCheck::Summary summary = m_check.summary();
    QStringList kinds;
    for (int kind = 1; kind <= recital::kMarkKinds; ++kind)
        kinds.append(tr("%1: %2").arg(recitalMarkName(Mark(kind)),
                                      QLocale().toString(summary.byKind[kind - 1])));
    QStringList words;
    for (const auto& [number, word] : summary.words)
        words.append(tr("%1 in %2").arg(word, m_practice.itemReference(number)));
    QString text =
        tr("The passage is recited: %1 of %2 entries clean.")
            .arg(QLocale().toString(summary.clean), QLocale().toString(summary.entries)) +
        u'\n' + kinds.join(QStringLiteral(" · "));
    if (!words.isEmpty())
        text += u'\n' + tr("Words marked: %1").arg(words.join(QStringLiteral(" · ")));
    return text;
}
