#include "app/side/WriteWindow.h"

#include "app/side/AnswerBox.h"
#include "app/side/arabicview.h"

#include "lists/itemlist.h"
#include "practice/recitation/Recitation.h"
#include "practice/session/Practice.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QScrollBar>
#include <QTextBrowser>
#include <QTextOption>
#include <QVBoxLayout>

namespace {

// How many entries stand above the one to write.
constexpr int kLeadIn = 2;

// A checked word as the result shows it: a wrong or extra word struck through, the right or
// missing word beside it, so that the marks are told apart without colour too.
QString shownWord(const writtencheck::Word& word)
{
    QString expected = word.expected.toHtmlEscaped();
    const QString typed = word.typed.toHtmlEscaped();
    switch (word.mark) {
    case writtencheck::Mark::Right:
        return expected;
    case writtencheck::Mark::Wrong:
        return QStringLiteral("<s style='color:#b00020'>%1</s> <u style='color:#006400'>%2</u>")
            .arg(typed, expected);
    case writtencheck::Mark::Missing:
        return QStringLiteral("<u style='color:#a05a00'>[%1]</u>").arg(expected);
    case writtencheck::Mark::Extra:
        return QStringLiteral("<s style='color:#b00020'>%1</s>").arg(typed);
    }
    return expected;
}

} // namespace

WriteWindow::WriteWindow(Practice& practice, const FontRecord& arabic, bool marksToo,
                         QWidget* parent)
    : QDialog(parent)
    , m_practice(practice)
{
    setObjectName(QStringLiteral("WriteWindow"));
    setWindowTitle(tr("Write from Memory"));
    const QFont font = arabic.toQFont();
    m_before = arabicView(font, "before", this);
    m_before->setAccessibleName(tr("The entries before"));
    // The entry just before stays in view, whatever the pane's size.
    QScrollBar* leadInBar = m_before->verticalScrollBar();
    connect(leadInBar, &QScrollBar::rangeChanged, leadInBar,
            [leadInBar](int, int end) { leadInBar->setValue(end); });
    m_task = new QLabel(this);
    m_task->setObjectName(QStringLiteral("task"));
    m_written = new AnswerBox(this);
    m_written->setObjectName(QStringLiteral("written"));
    m_written->setFont(font);
    m_written->setLayoutDirection(Qt::RightToLeft);
    // Typed Arabic starts at the right, before its first letter decides the paragraph.
    QTextOption typing = m_written->document()->defaultTextOption();
    typing.setTextDirection(Qt::RightToLeft);
    typing.setAlignment(Qt::AlignRight);
    m_written->document()->setDefaultTextOption(typing);
    m_written->setTabChangesFocus(true);
    m_written->setAccessibleName(tr("The entry, written from memory"));
    m_written->installEventFilter(this);
    connect(m_written, &AnswerBox::cut, this, [this](int longest) {
        m_verdict->setText(
            tr("Cut at %1 characters: no entry needs more.").arg(QLocale().toString(longest)));
    });
    m_result = arabicView(font, "result", this);
    m_result->setAccessibleName(tr("The entry checked"));
    m_verdict = new QLabel(this);
    m_verdict->setObjectName(QStringLiteral("verdict"));
    m_verdict->setWordWrap(true);
    m_legend = new QLabel(tr("Struck through: what the entry does not have. Underlined: the "
                             "entry's word. In brackets: a word left out."),
                          this);
    m_legend->setObjectName(QStringLiteral("legend"));
    m_legend->setWordWrap(true);
    m_legend->hide();
    m_marksToo = new QCheckBox(tr("&Marks too"), this);
    m_marksToo->setObjectName(QStringLiteral("marksToo"));
    m_marksToo->setToolTip(tr("Compare the vowels, shadda and sukun of every word as well"));
    m_marksToo->setChecked(marksToo);
    m_practice.setWriteMarks(marksToo);
    m_keys = new QLabel(this);
    m_keys->setObjectName(QStringLiteral("keys"));
    m_listen = new QPushButton(tr("&Listen"), this);
    m_listen->setObjectName(QStringLiteral("listen"));
    m_listen->setAutoDefault(false);
    m_listen->hide();
    connect(m_listen, &QPushButton::clicked, this, [this] {
        if (const int number = m_practice.writing().number(); m_recitation && number)
            m_recitation->recite(number, m_practice.itemReference(number));
    });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_before, 2);
    layout->addWidget(m_task);
    layout->addWidget(m_written, 2);
    layout->addWidget(m_result, 3);
    layout->addWidget(m_verdict);
    layout->addWidget(m_legend);
    auto* keys = new QHBoxLayout;
    keys->addWidget(m_marksToo);
    keys->addStretch();
    keys->addWidget(m_listen);
    keys->addWidget(m_keys);
    layout->addLayout(keys);
    // Room for a few lines of each Arabic pane at any zoom, within the screen.
    resize(arabicWindowSize(this, font, 9, 120, 600));

    connect(m_marksToo, &QCheckBox::toggled, this, [this](bool on) {
        m_practice.setWriteMarks(on);
        emit marksTooChanged(on);
    });
    showEntry();
}

void WriteWindow::showEntry()
{
    m_listen->hide();
    const WritingSession& writing = m_practice.writing();
    const int number = writing.number();
    m_before->setHtml(leadIn());
    m_task->setText(number ? tr("Write %1 from memory (%2 of %3), then press Enter.")
                                 .arg(m_practice.itemReference(number),
                                      QLocale().toString(writing.position()),
                                      QLocale().toString(writing.range().size()))
                           : tr("Open a list to write its entries from memory."));
    m_written->setLongest(number ? writtencheck::longestAnswer(m_practice.items().at(number - 1))
                                 : 0);
    m_written->clear();
    m_written->setReadOnly(!number);
    m_result->clear();
    m_result->hide();
    m_verdict->clear();
    m_legend->hide();
    m_keys->setText(tr("Enter: check"));
    m_written->setFocus();
}

// The entries before the one to write, each after its reference; the list's start says so.
QString WriteWindow::leadIn() const
{
    const int number = m_practice.writing().number();
    if (!number)
        return {};
    QStringList lines;
    for (int before = std::max(1, number - kLeadIn); before < number; ++before)
        lines.append((m_practice.itemReference(before) + QStringLiteral(". ") +
                      withTabsAsGaps(m_practice.items().at(before - 1)))
                         .toHtmlEscaped());
    return lines.isEmpty() ? tr("(The start of the list)") : rightToLeft(lines);
}

bool WriteWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_written && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            checkOrGoOn();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

// Enter checks what was typed; once checked, it goes on to the next entry. Nothing typed is
// nothing to check: an Enter pressed twice does not grade the next entry unseen.
void WriteWindow::checkOrGoOn()
{
    if (!m_practice.writing().number())
        return;
    if (m_practice.writing().checked()) {
        m_practice.writeNext();
        showEntry();
        return;
    }
    if (m_written->toPlainText().trimmed().isEmpty())
        return;
    m_practice.checkWritten(m_written->toPlainText());
    showChecked();
}

void WriteWindow::showChecked()
{
    const WritingSession::Checked& checked = *m_practice.writing().checked();
    QStringList words;
    for (const writtencheck::Word& word : checked.words)
        words.append(shownWord(word));
    m_result->setHtml(rightToLeft({words.join(u' ')}));
    m_result->show();
    m_written->setReadOnly(true); // what was typed stays in view beside its check
    const int mistakes = writtencheck::mistakes(checked.words);
    switch (checked.grade) {
    case fsrs::Grade::Good:
        m_verdict->setText(tr("Good: every word right."));
        break;
    case fsrs::Grade::Hard:
        m_verdict->setText(tr("Hard: one word to mend."));
        break;
    default:
        m_verdict->setText(tr("Again: %n words to mend.", nullptr, mistakes));
        break;
    }
    m_legend->setVisible(mistakes > 0);
    m_keys->setText(tr("Enter: the next entry"));
    m_listen->setVisible(m_recitation && m_recitation->isOn());
}
