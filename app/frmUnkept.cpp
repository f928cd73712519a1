#include "frmUnkept.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

frmUnkept::frmUnkept(const QList<listfile::UnkeptCharacter>& characters, QWidget* parent)
    : QDialog(parent)
    , m_characters(characters)
{
    setObjectName(QStringLiteral("frmUnkept"));
    setWindowTitle(tr("Characters that cannot be kept"));
    auto* layout = new QVBoxLayout(this);
    auto* intro = new QLabel(tr("A list file cannot keep these characters. Type what should stand "
                                "in the place of each, or leave it empty to drop it."),
                             this);
    intro->setWordWrap(true);
    layout->addWidget(intro);
    auto* form = new QFormLayout;
    for (const listfile::UnkeptCharacter& character : characters) {
        auto* replacement = new QLineEdit(this);
        replacement->setPlaceholderText(tr("(dropped)"));
        replacement->setLayoutDirection(Qt::RightToLeft); // most stand-ins are Arabic
        auto* label = new QLabel(listfile::describeUnkept({character}), this);
        label->setBuddy(replacement);
        replacement->setAccessibleName(label->text());
        form->addRow(label, replacement);
        m_replacements.append(replacement);
    }
    layout->addLayout(form);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Save | QDialogButtonBox::Cancel, this);
    buttons->setObjectName(QStringLiteral("buttons"));
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

QString frmUnkept::replaced(QString text) const
{
    for (qsizetype i = 0; i < m_characters.size(); ++i)
        text.replace(m_characters[i].character, m_replacements[i]->text());
    return text;
}
