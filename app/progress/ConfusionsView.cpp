#include "app/progress/ConfusionsView.h"

#include "controls/unilistbox/UniListBox.h"
#include "practice/search/pairdiff.h"

#include <QHBoxLayout>
#include <QLabel>
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
    , lstConfused(new UniListBox(this))
    , txtPair(new QTextBrowser(this))
    , cmdPractisePair(new QPushButton(tr("Practise the pa&ir"), this))
{
    setObjectName(QStringLiteral("confusions"));
    lstConfused->setObjectName(QStringLiteral("lstConfused"));
    lstConfused->setAccessibleName(tr("Passages taken for one another"));
    txtPair->setObjectName(QStringLiteral("txtPair"));
    txtPair->setAccessibleName(tr("The pair side by side"));
    txtPair->setFont(arabic.toQFont());
    txtPair->setLayoutDirection(Qt::RightToLeft);
    cmdPractisePair->setObjectName(QStringLiteral("cmdPractisePair"));
    cmdPractisePair->setToolTip(tr("Test a few entries around each passage of the pair in turn"));
    auto* label = new QLabel(tr("The pairs, the words that tell them apart marked:"), this);
    label->setBuddy(lstConfused);
    label->setWordWrap(true);
    // The pairs are short rows; the pair chosen takes the room, its verses side by side.
    auto* choosing = new QVBoxLayout;
    choosing->addWidget(label);
    choosing->addWidget(lstConfused, 1);
    choosing->addWidget(cmdPractisePair);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(choosing, 1);
    layout->addWidget(txtPair, 3);
    connect(lstConfused, &UniListBox::Click, this, &ConfusionsView::showChosenPair);
    connect(lstConfused, &UniListBox::DblClick, this, &ConfusionsView::choose);
    connect(cmdPractisePair, &QPushButton::clicked, this, &ConfusionsView::choose);
}

void ConfusionsView::showPairs(const QList<ProgressData::Confused>& pairs,
                               const std::function<QString(int)>& reference)
{
    m_pairs = pairs;
    m_reference = reference;
    lstConfused->Clear();
    for (const ProgressData::Confused& pair : pairs)
        lstConfused->AddItem(QStringLiteral("%1 \u00D7  %2 \u2194 %3")
                                 .arg(pair.count)
                                 .arg(reference(pair.number), reference(pair.other)));
    if (!pairs.isEmpty())
        lstConfused->setListIndex(0);
    showChosenPair();
}

// Side by side, as the learner reads them: the first of the pair at the right.
void ConfusionsView::showChosenPair()
{
    const int row = lstConfused->ListIndex();
    if (row < 0 || row >= m_pairs.size()) {
        txtPair->clear();
        return;
    }
    const ProgressData::Confused& pair = m_pairs[row];
    const auto [one, other] = pairdiff::compare(pair.text, pair.otherText);
    // The references in the window's own size, the words in the reading size. Rich text lays
    // a table's cells out from the left: the first of the pair comes last, to stand at the right.
    const QString heading =
        QStringLiteral("<th style=\"font-family:sans-serif; font-size:%1pt\">%2</th>")
            .arg(font().pointSizeF());
    txtPair->setHtml(QStringLiteral("<table width=\"100%\" cellpadding=\"6\"><tr>%1%2"
                                    "</tr><tr><td width=\"50%\">%3</td><td width=\"50%\">%4</td>"
                                    "</tr></table>")
                         .arg(heading.arg(m_reference(pair.other)),
                              heading.arg(m_reference(pair.number)), markedWords(other),
                              markedWords(one)));
    txtPair->verticalScrollBar()->setValue(0);
}

void ConfusionsView::choose()
{
    const int row = lstConfused->ListIndex();
    if (row >= 0 && row < m_pairs.size())
        emit practisePair(m_pairs[row].number, m_pairs[row].other);
}
