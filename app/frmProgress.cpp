#include "frmProgress.h"

#include "itemlist.h"
#include "testing.h"
#include "unilistbox/UniListBox.h"

#include <QChart>
#include <QChartView>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineSeries>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <QValueAxis>

frmProgress::frmProgress(const QString& listTitle, const QList<PracticeHistory::Session>& sessions,
                         const QList<PracticeHistory::ItemRecord>& weakest, int rangeFirst,
                         int rangeLast, const FontRecord& arabic, QWidget* parent)
    : QDialog(parent)
    , m_items(weakest)
    , m_chart(new QChartView(this))
    , m_table(new QTableWidget(int(sessions.size()), 6, this))
    , m_weakest(new UniListBox(this))
{
    setObjectName(QStringLiteral("frmProgress"));
    setWindowTitle(tr("Progress: %1").arg(listTitle));
    resize(720, 640);

    // The tests of the range being practised, one point each, oldest first.
    auto* time = new QLineSeries;
    time->setName(tr("Time taken (seconds)"));
    auto* wrong = new QLineSeries;
    wrong->setName(tr("Wrong picks"));
    int test = 0;
    double highest = 1;
    for (const PracticeHistory::Session& session : sessions) {
        if (session.first != rangeFirst || session.last != rangeLast)
            continue;
        ++test;
        time->append(test, double(session.seconds));
        wrong->append(test, session.wrong);
        highest = qMax(highest, double(qMax<qint64>(session.seconds, session.wrong)));
    }
    auto* chart = new QChart;
    chart->setTitle(tr("Tests of items %1 to %2").arg(rangeFirst).arg(rangeLast));
    chart->addSeries(time);
    chart->addSeries(wrong);
    auto* tests = new QValueAxis;
    tests->setTitleText(tr("Test"));
    tests->setLabelFormat(QStringLiteral("%d"));
    tests->setRange(1, qMax(2, test));
    auto* values = new QValueAxis;
    values->setRange(0, highest);
    chart->addAxis(tests, Qt::AlignBottom);
    chart->addAxis(values, Qt::AlignLeft);
    for (QLineSeries* series : {time, wrong}) {
        series->attachAxis(tests);
        series->attachAxis(values);
    }
    m_chart->setChart(chart);
    m_chart->setRenderHint(QPainter::Antialiasing);
    m_chart->setMinimumHeight(220);
    m_chart->setAccessibleName(chart->title());

    m_table->setObjectName(QStringLiteral("sessions"));
    m_table->setAccessibleName(tr("Completed tests"));
    m_table->setHorizontalHeaderLabels(
        {tr("Date"), tr("Range"), tr("Mode"), tr("Right"), tr("Wrong"), tr("Time")});
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->verticalHeader()->hide();
    for (int row = 0; row < sessions.size(); ++row) {
        const PracticeHistory::Session& session = sessions[row];
        const QStringList cells{
            QLocale().toString(session.finished.toLocalTime(), QLocale::ShortFormat),
            QStringLiteral("%1\u2013%2").arg(session.first).arg(session.last),
            session.wordMode ? tr("word") : tr("line"),
            QString::number(session.right),
            QString::number(session.wrong),
            testing::GetSecondsInHMSFormat(session.seconds)};
        for (int column = 0; column < cells.size(); ++column)
            m_table->setItem(row, column, new QTableWidgetItem(cells[column]));
    }
    m_table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_table->scrollToBottom();

    m_weakest->setObjectName(QStringLiteral("weakest"));
    m_weakest->setAccessibleName(tr("Items most often missed"));
    m_weakest->setFont(arabic);
    for (const PracticeHistory::ItemRecord& item : weakest)
        m_weakest->AddItem(withTabsAsGaps(
            QStringLiteral("%1 \u00D7 %2").arg(item.wrong).arg(getDisplayWords(item.text))));
    auto* weakestLabel =
        new QLabel(tr("Items most often &missed (choose one to practise from it):"), this);
    weakestLabel->setBuddy(m_weakest);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    QPushButton* practiseButton =
        buttons->addButton(tr("&Practise from it"), QDialogButtonBox::ActionRole);
    practiseButton->setObjectName(QStringLiteral("cmdPractise"));
    connect(practiseButton, &QPushButton::clicked, this, &frmProgress::choose);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_weakest, &UniListBox::DblClick, this, &frmProgress::choose);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_chart, 3);
    layout->addWidget(m_table, 2);
    layout->addWidget(weakestLabel);
    layout->addWidget(m_weakest, 2);
    layout->addWidget(buttons);
}

void frmProgress::choose()
{
    const int row = m_weakest->ListIndex();
    if (row < 0 || row >= m_items.size())
        return;
    emit practise(m_items[row].text);
    accept();
}
