#include "frmToday.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

frmToday::frmToday(QWidget* parent)
    : QDialog(parent)
    , m_table(new QTableWidget(this))
{
    setObjectName(QStringLiteral("frmToday"));
    setWindowTitle(tr("Today"));
    resize(720, 420);
    m_table->setObjectName(QStringLiteral("plan"));
    m_table->setAccessibleName(tr("What to revise today"));
    m_table->setColumnCount(6);
    m_table->setHorizontalHeaderLabels(
        {tr("List"), tr("Passage"), tr("Due"), tr("Recall now"), tr("Overdue"), tr("Minutes")});
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->verticalHeader()->hide();
    m_table->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    QPushButton* practise = buttons->addButton(tr("&Practise"), QDialogButtonBox::ActionRole);
    practise->setObjectName(QStringLiteral("cmdPractise"));
    practise->setDefault(true);
    connect(practise, &QPushButton::clicked, this, &frmToday::choose);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_table, &QTableWidget::cellDoubleClicked, this, &frmToday::choose);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_table);
    layout->addWidget(buttons);
}

void frmToday::showPlan(const QList<TodayRow>& rows)
{
    m_rows = rows;
    m_table->setRowCount(int(rows.size()));
    for (int r = 0; r < rows.size(); ++r) {
        const TodayRow& row = rows[r];
        const QString list = row.wordMode ? tr("%1 (words)").arg(row.title) : row.title;
        const QStringList cells{
            list,
            row.isNew ? tr("Next to learn: %1").arg(row.references) : row.references,
            row.isNew ? QString() : QString::number(row.due),
            row.isNew ? QString() : QStringLiteral("%1 %").arg(qRound(row.lowestRecall * 100)),
            row.isNew || row.overdueDays == 0 ? QString()
                                              : tr("%n day(s)", nullptr, row.overdueDays),
            QString::number(qMax(1, qRound(row.minutes)))};
        for (int c = 0; c < cells.size(); ++c)
            m_table->setItem(r, c, new QTableWidgetItem(cells[c]));
    }
    if (!rows.isEmpty())
        m_table->selectRow(0);
}

void frmToday::choose()
{
    const int row = m_table->currentRow();
    if (row >= 0 && row < m_rows.size())
        emit practise(m_rows[row]);
}
