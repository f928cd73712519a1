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
#include <QPushButton>
#include <QVBoxLayout>

const QString FindWindow::kTogether = QStringLiteral("\u25C6 ");

FindWindow::FindWindow(const PassageFinder& finder, std::function<QString(int)> reference,
                       const FontRecord& arabic, QWidget* parent)
    : QDialog(parent)
    , m_finder(finder)
    , m_reference(std::move(reference))
    , txtFind(new QLineEdit(this))
    , lstFound(new UniListBox(this))
    , lblFound(new QLabel(this))
    , chkBestFirst(new QCheckBox(tr("&Best matches first"), this))
{
    setObjectName(QStringLiteral("FindWindow"));
    setWindowTitle(tr("Find a passage"));
    resize(640, 480);
    txtFind->setObjectName(QStringLiteral("txtFind"));
    txtFind->setLayoutDirection(Qt::RightToLeft);
    txtFind->setFont(arabic.toQFont());
    txtFind->setClearButtonEnabled(true);
    lstFound->setObjectName(QStringLiteral("lstFound"));
    lstFound->setFont(arabic);
    lstFound->setAccessibleName(tr("Passages found"));
    auto* label = new QLabel(tr("&Words to find (with or without their marks):"), this);
    label->setBuddy(txtFind);
    lblFound->setObjectName(QStringLiteral("lblFound"));
    lblFound->setBuddy(lstFound);
    chkBestFirst->setObjectName(QStringLiteral("chkBestFirst"));
    chkBestFirst->setToolTip(
        tr("The words together and early first; otherwise in the list's order"));
    auto* above = new QHBoxLayout;
    above->addWidget(lblFound, 1);
    above->addWidget(chkBestFirst);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Cancel, this);
    QPushButton* practise =
        buttons->addButton(tr("&Practise from it"), QDialogButtonBox::AcceptRole);
    practise->setObjectName(QStringLiteral("cmdPractise"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(txtFind);
    layout->addLayout(above);
    layout->addWidget(lstFound, 1);
    layout->addWidget(buttons);
    connect(txtFind, &QLineEdit::textChanged, this, &FindWindow::search);
    connect(chkBestFirst, &QCheckBox::toggled, this, &FindWindow::search);
    connect(txtFind, &QLineEdit::returnPressed, this, &FindWindow::choose);
    connect(practise, &QPushButton::clicked, this, &FindWindow::choose);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(lstFound, &UniListBox::DblClick, this, &FindWindow::choose);
    lstFound->hWnd()->installEventFilter(this); // Enter in the results chooses
    txtFind->setFocus();
}

void FindWindow::search()
{
    const QString query = txtFind->text();
    m_found = m_finder.find(query, chkBestFirst->isChecked() ? PassageFinder::Order::Best
                                                             : PassageFinder::Order::List);
    // One word is always together with itself: the mark tells phrases apart.
    const bool phrase = arabicfold::foldedWords(query).size() > 1;
    int together = 0;
    lstFound->Clear();
    for (const PassageFinder::Hit& hit : std::as_const(m_found)) {
        const bool marked = phrase && hit.together;
        together += marked ? 1 : 0;
        lstFound->AddItem(withTabsAsGaps(QStringLiteral(" %1.  %2%3")
                                             .arg(m_reference(m_finder.passage(hit.passage).first),
                                                  marked ? kTogether : QString(),
                                                  m_finder.excerpt(hit.passage, query))));
    }
    if (!m_found.isEmpty())
        lstFound->setListIndex(0);
    lblFound->setText(countText(query, int(m_found.size()), phrase ? together : -1));
}

// "12 passages, 3 with the words together (◆)"; nothing before a word is typed.
QString FindWindow::countText(const QString& query, int found, int together)
{
    if (query.trimmed().isEmpty())
        return {};
    if (found == 0)
        return tr("No passage holds these words");
    const QString passages = found == 1 ? tr("1 passage") : tr("%1 passages").arg(found);
    if (together < 0)
        return passages;
    return tr("%1, %2 with the words together (%3)")
        .arg(passages)
        .arg(together)
        .arg(kTogether.trimmed());
}

// The highlighted passage, the first when none is.
void FindWindow::choose()
{
    if (m_found.isEmpty())
        return;
    const int row = qBound(0, lstFound->ListIndex(), int(m_found.size()) - 1);
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
