#include "app/progress/RecitalView.h"

#include "app/side/RecitalWindow.h"
#include "practice/session/divisionchoices.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

QStringList markHeaders()
{
    QStringList headers;
    for (int kind = 1; kind <= recital::kMarkKinds; ++kind)
        headers.append(recitalMarkName(recital::Mark(kind)));
    return headers;
}

QTableWidget* table(const char* name, const QString& accessibleName, const QStringList& headers,
                    QWidget* parent)
{
    auto* table = new QTableWidget(0, int(headers.size()), parent);
    table->setObjectName(QString::fromLatin1(name));
    table->setAccessibleName(accessibleName);
    table->setHorizontalHeaderLabels(headers);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->verticalHeader()->hide();
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table->horizontalHeader()->setStretchLastSection(true);
    return table;
}

// A row's cells: a text first, then counts aligned as numbers are.
void fillRow(QTableWidget* table, int row, const QStringList& texts, const QList<int>& counts)
{
    int column = 0;
    for (const QString& text : texts)
        table->setItem(row, column++, new QTableWidgetItem(text));
    for (const int count : counts) {
        auto* item = new QTableWidgetItem(QLocale().toString(count));
        item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        table->setItem(row, column++, item);
    }
}

QList<int> countsOf(const recitalrecord::Counts& counts)
{
    return {counts.begin(), counts.end()};
}

} // namespace

RecitalView::RecitalView(const FontRecord& arabic, QWidget* parent)
    : QWidget(parent)
    , m_groupings(new QComboBox(this))
{
    setObjectName(QStringLiteral("recital"));
    m_groupings->setObjectName(QStringLiteral("recitalGroupings"));
    m_groupings->setAccessibleName(tr("Marks by"));
    m_byDivision = table("recitalByDivision", tr("Marks in each division"),
                         QStringList{tr("Division")} + markHeaders(), this);
    m_entries = table("recitalEntries", tr("Entries marked most often"),
                      {tr("Entry"), tr("Text"), tr("Marks")}, this);
    m_entries->setFont(arabic.toQFont());
    m_words = table("recitalWords", tr("Words marked most often"),
                    {tr("Word"), tr("Last in"), tr("Marks")}, this);
    m_words->setFont(arabic.toQFont());
    m_weeks = table("recitalWeeks", tr("Marks week by week"),
                    QStringList{tr("Week from"), tr("Entries recited")} + markHeaders(), this);
    connect(m_groupings, &QComboBox::currentIndexChanged, this, &RecitalView::showGrouping);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_groupings);
    layout->addWidget(m_byDivision, 2);
    auto* often = new QHBoxLayout;
    often->addWidget(m_entries, 3);
    often->addWidget(m_words, 2);
    layout->addLayout(often, 2);
    layout->addWidget(m_weeks, 2);
}

void RecitalView::showRecord(const recitalrecord::Record& record,
                             const std::function<QString(int)>& reference)
{
    m_record = record;
    const int shown = std::max(0, m_groupings->currentIndex());
    {
        const QSignalBlocker quiet(m_groupings);
        m_groupings->clear();
        for (const recitalrecord::Grouping& grouping : record.byDivision)
            m_groupings->addItem(grouping.kind.isEmpty() ? tr("By part")
                                                         : divisionchoices::caption(grouping.kind));
        m_groupings->setCurrentIndex(std::min(shown, int(record.byDivision.size()) - 1));
    }
    m_groupings->setVisible(!record.byDivision.isEmpty());
    m_byDivision->setVisible(!record.byDivision.isEmpty());
    showGrouping(m_groupings->currentIndex());

    m_entries->setRowCount(int(record.entries.size()));
    for (int row = 0; row < record.entries.size(); ++row) {
        const recitalrecord::Often& entry = record.entries[row];
        fillRow(m_entries, row, {reference(entry.number), entry.text}, {entry.count});
    }
    m_words->setRowCount(int(record.words.size()));
    for (int row = 0; row < record.words.size(); ++row) {
        const recitalrecord::Often& word = record.words[row];
        fillRow(m_words, row, {word.text, reference(word.number)}, {word.count});
    }
    m_weeks->setRowCount(int(record.weeks.size()));
    for (int row = 0; row < record.weeks.size(); ++row) {
        const recitalrecord::Week& week = record.weeks[row];
        fillRow(m_weeks, row, {QLocale().toString(week.from, QLocale::ShortFormat)},
                QList<int>{week.recited} + countsOf(week.marks));
    }
}

void RecitalView::showGrouping(int index)
{
    const QList<recitalrecord::Group> groups = index >= 0 && index < m_record.byDivision.size()
                                                   ? m_record.byDivision[index].groups
                                                   : QList<recitalrecord::Group>();
    m_byDivision->setRowCount(int(groups.size()));
    for (int row = 0; row < groups.size(); ++row)
        fillRow(m_byDivision, row, {groups[row].name}, countsOf(groups[row].marks));
}
