#include "app/side/FindWindow.h"

#include "controls/unilistbox/NativeList.h"
#include "controls/unilistbox/UniListBox.h"
#include "lists/arabicfold.h"
#include "lists/itemlist.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QVBoxLayout>

const QString FindWindow::kTogether = QStringLiteral("\u25C6 ");

FindWindow::FindWindow(const PassageFinder& finder, std::function<QString(int)> reference,
                       const FontRecord& arabic, QWidget* parent)
    : QDialog(parent)
    , m_finder(finder)
    , m_reference(std::move(reference))
    , m_query(new QLineEdit(this))
    , m_results(new UniListBox(this))
    , m_count(new QLabel(this))
    , m_bestFirst(new QCheckBox(tr("&Best matches first"), this))
{
    setObjectName(QStringLiteral("FindWindow"));
    setWindowTitle(tr("Find a passage"));
    resize(640, 480);
    m_query->setObjectName(QStringLiteral("query"));
    m_query->setLayoutDirection(Qt::RightToLeft);
    m_query->setFont(arabic.toQFont());
    m_query->setClearButtonEnabled(true);
    m_results->setObjectName(QStringLiteral("results"));
    m_results->setFont(arabic);
    m_results->setAccessibleName(tr("Passages found"));
    auto* label = new QLabel(tr("&Words to find (with or without their marks):"), this);
    label->setBuddy(m_query);
    m_count->setObjectName(QStringLiteral("count"));
    m_count->setBuddy(m_results);
    m_bestFirst->setObjectName(QStringLiteral("bestFirst"));
    m_bestFirst->setToolTip(
        tr("The words together and early first; otherwise in the list's order"));
    auto* above = new QHBoxLayout;
    above->addWidget(m_count, 1);
    above->addWidget(m_bestFirst);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Cancel, this);
    QPushButton* practise =
        buttons->addButton(tr("&Practise from it"), QDialogButtonBox::AcceptRole);
    practise->setObjectName(QStringLiteral("practise"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(m_query);
    layout->addLayout(above);
    layout->addWidget(m_results, 1);
    layout->addWidget(buttons);
    connect(m_query, &QLineEdit::textChanged, this, &FindWindow::search);
    connect(m_bestFirst, &QCheckBox::toggled, this, &FindWindow::search);
    connect(m_query, &QLineEdit::returnPressed, this, &FindWindow::choose);
    connect(practise, &QPushButton::clicked, this, &FindWindow::choose);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_results, &UniListBox::DblClick, this, &FindWindow::choose);
    m_results->hWnd()->installEventFilter(this); // Enter in the results chooses
    m_query->setFocus();
}

void FindWindow::search()
{
    const QString query = m_query->text();
    m_found = m_finder.find(query, m_bestFirst->isChecked() ? PassageFinder::Order::Best
                                                            : PassageFinder::Order::List);
    // One word is always together with itself: the mark tells phrases apart.
    const bool phrase = arabicfold::foldedWords(query).size() > 1;
    int together = 0;
    m_results->Clear();
    for (const PassageFinder::Hit& hit : std::as_const(m_found)) {
        const bool marked = phrase && hit.together;
        together += marked ? 1 : 0;
        m_results->AddItem(withTabsAsGaps(QStringLiteral(" %1.  %2%3")
                                              .arg(m_reference(m_finder.passage(hit.passage).first),
                                                   marked ? kTogether : QString(),
                                                   m_finder.excerpt(hit.passage, query))));
    }
    if (!m_found.isEmpty())
        m_results->setListIndex(0);
    m_count->setText(countText(query, int(m_found.size()), phrase ? together : -1));
}

// "12 passages, 3 with the words together (◆)"; nothing before a word is typed.
QString FindWindow::countText(const QString& query, int found, int together)
{
    if (query.trimmed().isEmpty())
        return {};
    if (found == 0)
        return tr("No passage holds these words");
    QString passages =
        found == 1 ? tr("1 passage") : tr("%1 passages").arg(QLocale().toString(found));
    if (together < 0)
        return passages;
    return tr("%1, %2 with the words together (%3)")
        .arg(passages, QLocale().toString(together), kTogether.trimmed());
}

// The highlighted passage, the first when none is.
void FindWindow::choose()
{
    if (m_found.isEmpty())
        return;
    const int row = qBound(0, m_results->ListIndex(), int(m_found.size()) - 1);
    emit chosen(m_found[row].passage);
    accept();
}

bool FindWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            choose();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}
