#include "app/files/UnkeptWindow.h"

#include <QDialogButtonBox>

#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

UnkeptWindow::UnkeptWindow(const QList<listfile::UnkeptCharacter>& characters, QWidget* parent)
    : QDialog(parent)
    , m_characters(characters)
{
    setObjectName(QStringLiteral("UnkeptWindow"));
    setWindowTitle(tr("Characters that cannot be kept"));
    auto* layout = new QVBoxLayout(this);
    auto* intro = new QLabel(tr("A list file cannot keep these characters. Type what should stand "
                                "in the place of each, or leave it empty to drop it."),
                             this);
    intro->setWordWrap(true);
    layout->addWidget(intro);
    auto* form = new QFormLayout;
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Save | QDialogButtonBox::Cancel, this);
    buttons->setObjectName(QStringLiteral("buttons"));
    for (const listfile::UnkeptCharacter& character : characters) {
        auto* replacement = new QLineEdit(this);
        replacement->setPlaceholderText(tr("(dropped)"));
        replacement->setLayoutDirection(Qt::RightToLeft); // most stand-ins are Arabic
        auto* label = new QLabel(listfile::describeUnkept({character}), this);
        label->setBuddy(replacement);
        replacement->setAccessibleName(label->text());
        auto* problem = new QLabel(this);
        problem->setObjectName(QStringLiteral("problem"));
        problem->setWordWrap(true);
        problem->hide();
        auto* field = new QVBoxLayout;
        field->addWidget(replacement);
        field->addWidget(problem);
        form->addRow(label, field);
        m_replacements.append(replacement);
        // A stand-in that a list cannot keep either would be lost with the character: it is
        // said at once, and the list is not saved until it is changed.
        connect(replacement, &QLineEdit::textChanged, this, [this, problem, buttons] {
            showProblem(problem, qobject_cast<QLineEdit*>(sender())->text());
            buttons->button(QDialogButtonBox::Save)
                ->setEnabled(std::none_of(
                    m_replacements.cbegin(), m_replacements.cend(), [](const QLineEdit* standIn) {
                        return listfile::firstUnkeptCharacter(standIn->text()) >= 0;
                    }));
        });
    }
    layout->addLayout(form);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    if (!m_replacements.isEmpty())
        m_replacements.front()->setFocus(); // the first stand-in is typed at once
}

void UnkeptWindow::showProblem(QLabel* problem, const QString& standIn)
{
    QStringList characters;
    for (const listfile::UnkeptCharacter& unkept : listfile::unkeptCharacters(standIn))
        characters.append(unkept.character);
    problem->setText(tr("A list cannot keep %1 either: type another text.")
                         .arg(characters.join(QStringLiteral(" "))));
    problem->setVisible(!characters.isEmpty());
    QPalette palette = problem->palette();
    palette.setColor(QPalette::WindowText, Qt::red);
    problem->setPalette(palette);
    // The window grows to show the explanation whole: its wrapped lines need more height
    // than the window had without it.
    layout()->activate();
    const int needed = layout()->totalHeightForWidth(width());
    if (needed > height())
        resize(width(), needed);
}

QString UnkeptWindow::replaced(QString text) const
{
    for (qsizetype i = 0; i < m_characters.size(); ++i)
        text.replace(m_characters[i].character, m_replacements[i]->text());
    return text;
}
