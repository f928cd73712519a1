#include "app/progress/ConfusionsView.h"

#include "controls/unilistbox/UniListBox.h"
#include "lists/itemlist.h"
#include "practice/search/pairdiff.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QScrollBar>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace {

// A passage's words as HTML, those that tell it from its pair marked.
QString markedWords(const pairdiff::Words& words)
{
    QStringList shown;
    for (qsizetype w = 0; w < words.words.size(); ++w) {
        const QString word = words.words[w].toHtmlEscaped();
        shown.append(words.differs[w]
                         ? QStringLiteral("<b style=\"color:#b00000\"><u>%1</u></b>").arg(word)
                         : word);
    }
    return shown.join(u' ');
}

} // namespace

ConfusionsView::ConfusionsView(const FontRecord& arabic, QWidget* parent)
    : QWidget(parent)
    , m_pairList(new UniListBox(this))
    , m_pairText(new QTextBrowser(this))
    , m_practisePair(new QPushButton(tr("Practise the pa&ir"), this))
{
    setObjectName(QStringLiteral("confusions"));
    m_pairList->setObjectName(QStringLiteral("pairList"));
    m_pairList->setAccessibleName(tr("Passages taken for one another"));
    m_pairText->setObjectName(QStringLiteral("pairText"));
    m_pairText->setAccessibleName(tr("The pair side by side"));
    m_pairText->setFont(arabic.toQFont());
    m_pairText->setLayoutDirection(Qt::RightToLeft);
    m_practisePair->setObjectName(QStringLiteral("practisePair"));
    m_practisePair->setToolTip(tr("Test a few entries around each passage of the pair in turn"));
    auto* label = new QLabel(tr("The pairs, the words that tell them apart marked:"), this);
    label->setBuddy(m_pairList);
    label->setWordWrap(true);
    // The pairs are short rows; the pair chosen takes the room, its verses side by side.
    auto* choosing = new QVBoxLayout;
    choosing->addWidget(label);
    choosing->addWidget(m_pairList, 1);
    choosing->addWidget(m_practisePair);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(choosing, 1);
    layout->addWidget(m_pairText, 3);
    connect(m_pairList, &UniListBox::Click, this, &ConfusionsView::showChosenPair);
    connect(m_pairList, &UniListBox::DblClick, this, &ConfusionsView::choose);
    connect(m_practisePair, &QPushButton::clicked, this, &ConfusionsView::choose);
}

void ConfusionsView::showPairs(const QList<ProgressData::Confused>& pairs,
                               const std::function<QString(int)>& reference)
{
    m_pairs = pairs;
    m_reference = reference;
    m_pairList->Clear();
    for (const ProgressData::Confused& pair : pairs)
        m_pairList->AddItem(asWritten(QStringLiteral("%1 \u00D7  %2 \u2194 %3")
                                          .arg(QLocale().toString(pair.count),
                                               reference(pair.number), reference(pair.other))));
    if (!pairs.isEmpty())
        m_pairList->setListIndex(0);
    showChosenPair();
}

// Side by side, as the learner reads them: the first of the pair at the right.
void ConfusionsView::showChosenPair()
{
    const int row = m_pairList->ListIndex();
    if (row < 0 || row >= m_pairs.size()) {
        m_pairText->clear();
        return;
    }
    const ProgressData::Confused& pair = m_pairs[row];
    const auto [one, other] = pairdiff::compare(pair.text, pair.otherText);
    // The references in the window's own size, the words in the reading size. Rich text lays
    // a table's cells out from the left: the first of the pair comes last, to stand at the right.
    const QString heading =
        QStringLiteral("<th style=\"font-family:sans-serif; font-size:%1pt\">%2</th>")
            .arg(font().pointSizeF());
    m_pairText->setHtml(QStringLiteral("<table width=\"100%\" cellpadding=\"6\"><tr>%1%2"
                                       "</tr><tr><td width=\"50%\">%3</td><td width=\"50%\">%4</td>"
                                       "</tr></table>")
                            .arg(heading.arg(m_reference(pair.other)),
                                 heading.arg(m_reference(pair.number)), markedWords(other),
                                 markedWords(one)));
    m_pairText->verticalScrollBar()->setValue(0);
}

void ConfusionsView::choose()
{
    const int row = m_pairList->ListIndex();
    if (row >= 0 && row < m_pairs.size())
        emit practisePair(m_pairs[row].number, m_pairs[row].other);
}
