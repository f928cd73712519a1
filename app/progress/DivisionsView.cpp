#include "app/progress/DivisionsView.h"

#include "practice/session/divisionchoices.h"

#include <QComboBox>
#include <QHeaderView>
#include <QLocale>
#include <QTableWidget>
#include <QVBoxLayout>

DivisionsView::DivisionsView(QWidget* parent)
    : QWidget(parent)
    , m_kinds(new QComboBox(this))
    , m_table(new QTableWidget(0, 5, this))
{
    setObjectName(QStringLiteral("divisions"));
    m_kinds->setObjectName(QStringLiteral("divisionKinds"));
    m_kinds->setAccessibleName(tr("Kind of division"));
    m_table->setObjectName(QStringLiteral("divisionTable"));
    m_table->setAccessibleName(tr("Strength of each division"));
    m_table->setHorizontalHeaderLabels({tr("Division"), tr("Practised"), tr("Recall today"),
                                        tr("Due within 7 days"), tr("Weakest")});
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->verticalHeader()->hide();
    m_table->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    m_table->setToolTip(tr("Double-click a division to practise it whole"));
    connect(m_kinds, &QComboBox::currentIndexChanged, this, &DivisionsView::showKind);
    connect(m_table, &QTableWidget::cellDoubleClicked, this,
            [this](int row) { emit practiseDivision(m_kinds->currentIndex(), row); });
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_kinds);
    layout->addWidget(m_table, 1);
}

void DivisionsView::showDivisions(const QList<ProgressData::DivisionTable>& tables,
                                  const std::function<QString(int)>& reference)
{
    m_tables = tables;
    m_reference = reference;
    const int shown = std::max(0, m_kinds->currentIndex());
    {
        const QSignalBlocker quiet(m_kinds);
        m_kinds->clear();
        for (const ProgressData::DivisionTable& table : tables)
            m_kinds->addItem(divisionchoices::caption(table.kind));
        m_kinds->setCurrentIndex(std::min(shown, int(tables.size()) - 1));
    }
    showKind(m_kinds->currentIndex());
}

void DivisionsView::showKind(int kind)
{
    const QList<ProgressData::Division> divisions = kind >= 0 && kind < m_tables.size()
                                                        ? m_tables[kind].divisions
                                                        : QList<ProgressData::Division>();
    const QString caption = kind >= 0 ? m_kinds->itemText(kind) : QString();
    const QLocale locale;
    m_table->setRowCount(int(divisions.size()));
    for (int row = 0; row < divisions.size(); ++row) {
        const ProgressData::Division& division = divisions[row];
        const DivisionStrength& strength = division.strength;
        const bool practised = strength.practised > 0;
        const QStringList cells{
            caption + u' ' + division.name,
            locale.toString(strength.practised) + QStringLiteral(" / ") +
                locale.toString(std::max(0, division.last - division.first + 1)),
            practised ? locale.toString(qRound(strength.meanRecall * 100)) + QStringLiteral(" %")
                      : QString(),
            practised ? locale.toString(strength.dueThisWeek) : QString(),
            practised ? asWritten(m_reference(strength.weakest)) : QString()};
        for (int column = 0; column < cells.size(); ++column)
            m_table->setItem(row, column, new QTableWidgetItem(cells[column]));
    }
}
