#include "app/progress/ProgressWindow.h"

#include "app/progress/ConfusionsView.h"
#include "app/progress/DivisionsView.h"
#include "app/progress/DueBars.h"
#include "app/progress/MemoryView.h"
#include "app/progress/RecitalView.h"
#include "app/progress/StrengthMap.h"
#include "app/progress/progresschart.h"
#include "controls/unilistbox/UniListBox.h"
#include "lists/itemlist.h"
#include "practice/session/testing.h"

#include <QAbstractTableModel>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QTabWidget>
#include <QTableView>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

// The completed tests, a row each, made as the view asks: ten thousand tests open at once.
class SessionModel : public QAbstractTableModel {
public:
    SessionModel(QList<PracticeHistory::Session> sessions, std::function<QString(int)> reference,
                 QObject* parent)
        : QAbstractTableModel(parent)
        , m_sessions(std::move(sessions))
        , m_reference(std::move(reference))
    {
    }
    int rowCount(const QModelIndex& parent = {}) const override
    {
        return parent.isValid() ? 0 : int(m_sessions.size());
    }
    int columnCount(const QModelIndex& parent = {}) const override
    {
        return parent.isValid() ? 0 : 6;
    }
    QVariant data(const QModelIndex& index, int role) const override
    {
        if (!index.isValid() || role != Qt::DisplayRole)
            return {};
        const PracticeHistory::Session& session = m_sessions[index.row()];
        switch (index.column()) {
        case 0:
            return QLocale().toString(session.finished.toLocalTime(), QLocale::ShortFormat);
        case 1:
            return asWritten(QStringLiteral("%1\u2013%2")
                                 .arg(m_reference(session.first), m_reference(session.last)));
        case 2:
            return session.wordMode ? ProgressWindow::tr("word") : ProgressWindow::tr("line");
        case 3:
            return session.right;
        case 4:
            return session.wrong;
        default:
            return testing::GetSecondsInHMSFormat(session.seconds);
        }
    }
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override
    {
        if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
            return {};
        const QStringList titles{ProgressWindow::tr("Date"),  ProgressWindow::tr("Range"),
                                 ProgressWindow::tr("Mode"),  ProgressWindow::tr("Right"),
                                 ProgressWindow::tr("Wrong"), ProgressWindow::tr("Time")};
        return titles.value(section);
    }

private:
    QList<PracticeHistory::Session> m_sessions;
    std::function<QString(int)> m_reference;
};

} // namespace

ProgressWindow::ProgressWindow(const ProgressData& progress, const FontRecord& arabic,
                               QWidget* parent)
    : QDialog(parent)
    , m_table(new QTableView(this))
    , m_weakest(new UniListBox(this))
    , m_layout(new QVBoxLayout(this))
{
    setObjectName(QStringLiteral("ProgressWindow"));
    resize(720, 760);

    m_table->setObjectName(QStringLiteral("sessions"));
    m_table->setAccessibleName(tr("Completed tests"));
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->verticalHeader()->hide();
    // Stretched columns: no row is measured, however many there are.
    m_table->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);

    m_weakest->setObjectName(QStringLiteral("weakest"));
    m_weakest->setAccessibleName(tr("Items most often missed"));
    m_weakest->setFont(arabic);
    m_weakest->setElidesLongRows(true);
    auto* weakestLabel = new QLabel(tr("Choose one to practise from it:"), this);
    weakestLabel->setBuddy(m_weakest);
    auto* weakest = new QWidget(this);
    auto* weakestLayout = new QVBoxLayout(weakest);
    weakestLayout->addWidget(weakestLabel);
    weakestLayout->addWidget(m_weakest, 1);
    m_confusions = new ConfusionsView(arabic, this);
    connect(m_confusions, &ConfusionsView::practisePair, this, &ProgressWindow::practisePair);
    m_mistakes = new QTabWidget(this);
    m_mistakes->setObjectName(QStringLiteral("tabMistakes"));
    m_mistakes->addTab(weakest, tr("Items most often &missed"));
    m_mistakes->addTab(m_confusions, tr("Passages &taken for one another"));
    m_drills = new QTableWidget(0, 6, this);
    m_drills->setObjectName(QStringLiteral("drills"));
    m_drills->setAccessibleName(tr("Answers of each drill"));
    m_drills->setHorizontalHeaderLabels(
        {tr("Drill"), tr("Answers"), tr("Again"), tr("Hard"), tr("Good"), tr("Easy")});
    m_drills->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_drills->verticalHeader()->hide();
    m_drills->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_drills->horizontalHeader()->setStretchLastSection(true);
    m_mistakes->addTab(m_drills, tr("&Drills"));
    m_divisions = new DivisionsView(this);
    connect(m_divisions, &DivisionsView::practiseDivision, this, &ProgressWindow::practiseDivision);
    m_mistakes->addTab(m_divisions, tr("By di&vision"));
    m_recital = new RecitalView(arabic, this);
    m_mistakes->addTab(m_recital, tr("Recited &aloud"));
    m_memory = new MemoryView(this);
    m_mistakes->addTab(m_memory, tr("&Your memory"));

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    QPushButton* practiseButton =
        buttons->addButton(tr("&Practise from it"), QDialogButtonBox::ActionRole);
    practiseButton->setObjectName(QStringLiteral("practise"));
    connect(practiseButton, &QPushButton::clicked, this, &ProgressWindow::choose);
    QPushButton* reciteButton =
        buttons->addButton(tr("&Recite the Range..."), QDialogButtonBox::ActionRole);
    reciteButton->setObjectName(QStringLiteral("recite"));
    connect(reciteButton, &QPushButton::clicked, this, &ProgressWindow::reciteRange);
    QPushButton* exportButton = buttons->addButton(tr("&Export..."), QDialogButtonBox::ActionRole);
    exportButton->setObjectName(QStringLiteral("export"));
    exportButton->setToolTip(tr("Write the memory of every entry to a CSV file"));
    connect(exportButton, &QPushButton::clicked, this, &ProgressWindow::exportAsked);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_weakest, &UniListBox::DblClick, this, &ProgressWindow::choose);

    m_map = new StrengthMap(this);
    auto* mapArea = new QScrollArea(this);
    mapArea->setWidget(m_map);
    mapArea->setWidgetResizable(true);
    mapArea->setFrameShape(QFrame::NoFrame);
    mapArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    connect(m_map, &StrengthMap::chosen, this, &ProgressWindow::practise);
    m_dueBars = new DueBars(this);
    auto* strengthLabel = new QLabel(
        tr("Every entry's chance of recall today (choose one to practise from it), and the "
           "entries due in the next 30 days:"),
        this);
    strengthLabel->setWordWrap(true);
    auto* strength = new QHBoxLayout;
    strength->addWidget(mapArea, 3);
    strength->addWidget(m_dueBars, 2);

    m_layout->addWidget(m_table, 2);
    m_layout->addWidget(strengthLabel);
    m_layout->addLayout(strength, 2);
    m_layout->addWidget(m_mistakes, 3);
    m_layout->addWidget(buttons);
    showProgress(progress);
}

// Picks and graded recalls told apart, each with the grades the revision plan took them as.
void ProgressWindow::showDrills(const QList<PracticeHistory::DrillCount>& drills)
{
    const QString names[kDrills] = {tr("Choices on the Tester"),
                                    tr("Recall first on the Lister"),
                                    tr("Written from memory"),
                                    tr("Second halves chosen on the Tester"),
                                    tr("Second halves recalled on the Lister"),
                                    tr("Recited aloud and marked")};
    m_drills->setRowCount(int(drills.size()));
    for (int row = 0; row < drills.size(); ++row) {
        const PracticeHistory::DrillCount& drill = drills[row];
        m_drills->setItem(row, 0, new QTableWidgetItem(names[int(drill.drill)]));
        QList<int> counts{drill.answers};
        counts.append(QList<int>(drill.grades.begin(), drill.grades.end()));
        for (int column = 1; column <= counts.size(); ++column) {
            auto* count = new QTableWidgetItem(QLocale().toString(counts[column - 1]));
            count->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            m_drills->setItem(row, column, count);
        }
    }
    m_mistakes->setTabVisible(m_mistakes->indexOf(m_drills), !drills.isEmpty());
}

void ProgressWindow::setReadOnly()
{
    for (const char* name : {"practise", "recite", "export"})
        findChild<QPushButton*>(QLatin1String(name))->hide();
    m_mistakes->removeTab(m_mistakes->indexOf(m_memory)); // the teacher's own, not the learner's
}

void ProgressWindow::showProgress(const ProgressData& progress)
{
    setWindowTitle(tr("Progress: %1").arg(progress.title));
    ProgressChartData chartData;
    chartData.title = progress.chartsRange ? tr("Tests of items %1 to %2")
                                                 .arg(progress.reference(progress.rangeFirst),
                                                      progress.reference(progress.rangeLast))
                                           : tr("The latest tests, of any range");
    chartData.testAxis = tr("Test");
    chartData.timeName = tr("Time taken (seconds)");
    chartData.wrongName = tr("Wrong picks");
    for (const PracticeHistory::Session& session : progress.charted) {
        const double test = double(chartData.time.size() + 1);
        chartData.time.append(QPointF(test, double(session.seconds)));
        chartData.wrong.append(QPointF(test, session.wrong));
    }
    QWidget* chart = nullptr;
    if (const ProgressChartMaker* maker = chartModule().maker) {
        chart = maker->makeChart(chartData, this);
    } else {
        auto* missing = new QLabel(chartModule().trouble, this);
        missing->setAlignment(Qt::AlignCenter);
        missing->setWordWrap(true);
        chart = missing;
    }
    chart->setObjectName(QStringLiteral("chart"));
    chart->setMinimumHeight(220);
    chart->setAccessibleName(chartData.title);
    if (m_chart) {
        delete m_layout->replaceWidget(m_chart, chart);
        delete m_chart;
    } else {
        m_layout->insertWidget(0, chart, 3);
    }
    m_chart = chart;

    QAbstractItemModel* old = m_table->model();
    m_table->setModel(new SessionModel(progress.sessions, progress.reference, m_table));
    delete old;
    m_table->scrollToBottom();

    m_map->setStrength(progress.strength.recall, progress.reference, progress.mapRows);
    m_dueBars->setCounts(progress.strength.dueByDay);

    m_confusions->showPairs(progress.confused, progress.reference);
    m_mistakes->setTabVisible(m_mistakes->indexOf(m_confusions), !progress.confused.isEmpty());
    showDrills(progress.drills);
    m_divisions->showDivisions(progress.byDivision, progress.reference);
    m_mistakes->setTabVisible(m_mistakes->indexOf(m_divisions), !progress.byDivision.isEmpty());
    m_recital->showRecord(progress.recital, progress.reference);
    m_mistakes->setTabVisible(m_mistakes->indexOf(m_recital), progress.recital.recited > 0);
    m_memory->showModel(progress.memory);

    m_items = progress.weakest;
    m_weakest->Clear();
    for (const PracticeHistory::ItemRecord& item : std::as_const(m_items))
        m_weakest->AddItem(withTabsAsGaps(
            asWritten(QStringLiteral("%1 \u00D7 %2.")
                          .arg(QLocale().toString(item.wrong), progress.reference(item.number))) +
            QStringLiteral("  ") + getDisplayWords(item.text)));
}

void ProgressWindow::choose()
{
    const int row = m_weakest->ListIndex();
    if (row < 0 || row >= m_items.size())
        return;
    emit practise(m_items[row].number);
}
