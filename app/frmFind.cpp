#include "frmFind.h"

#include "itemlist.h"
#include "unilistbox/NativeList.h"
#include "unilistbox/UniListBox.h"

#include <QDialogButtonBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr int kMostShown = 100;

} // namespace

frmFind::frmFind(const PassageFinder& finder, std::function<QString(int)> reference,
                 const FontRecord& arabic, QWidget* parent)
    : QDialog(parent)
    , m_finder(finder)
    , m_reference(std::move(reference))
    , txtFind(new QLineEdit(this))
    , lstFound(new UniListBox(this))
{
    setObjectName(QStringLiteral("frmFind"));
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
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Cancel, this);
    QPushButton* practise =
        buttons->addButton(tr("&Practise from it"), QDialogButtonBox::AcceptRole);
    practise->setObjectName(QStringLiteral("cmdPractise"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(txtFind);
    layout->addWidget(lstFound, 1);
    layout->addWidget(buttons);
    connect(txtFind, &QLineEdit::textChanged, this, &frmFind::search);
    connect(txtFind, &QLineEdit::returnPressed, this, &frmFind::choose);
    connect(practise, &QPushButton::clicked, this, &frmFind::choose);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(lstFound, &UniListBox::DblClick, this, &frmFind::choose);
    lstFound->hWnd()->installEventFilter(this); // Enter in the results chooses
    txtFind->setFocus();
}

void frmFind::search()
{
    m_found = m_finder.find(txtFind->text(), kMostShown);
    lstFound->Clear();
    for (const int index : m_found) {
        const PassageFinder::Passage& passage = m_finder.passage(index);
        lstFound->AddItem(withTabsAsGaps(QStringLiteral(" %1.  %2")
                                             .arg(m_reference(passage.first))
                                             .arg(m_finder.excerpt(index, txtFind->text()))));
    }
    if (!m_found.isEmpty())
        lstFound->setListIndex(0);
}

// The highlighted passage, the first when none is.
void frmFind::choose()
{
    if (m_found.isEmpty())
        return;
    const int row = qBound(0, lstFound->ListIndex(), int(m_found.size()) - 1);
    emit chosen(m_found[row]);
    accept();
}

bool frmFind::eventFilter(QObject* watched, QEvent* event)
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
