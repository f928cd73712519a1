#include "app/side/TodayWindow.h"

#include "lists/itemlist.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>

TodayWindow::TodayWindow(QWidget* parent)
    : QDialog(parent)
    , m_table(new QTableWidget(this))
{
    setObjectName(QStringLiteral("TodayWindow"));
    setWindowTitle(tr("Today"));
    resize(720, 520);
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
    practise->setObjectName(QStringLiteral("practise"));
    practise->setDefault(true);
    connect(practise, &QPushButton::clicked, this, &TodayWindow::choose);
    m_listen = buttons->addButton(tr("&Listen"), QDialogButtonBox::ActionRole);
    m_listen->setObjectName(QStringLiteral("listen"));
    m_listen->hide();
    connect(m_listen, &QPushButton::clicked, this, [this] {
        if (const int row = m_table->currentRow(); row >= 0 && row < m_rows.size())
            emit listen(m_rows[row]);
    });
    QPushButton* recite = buttons->addButton(tr("&Recite..."), QDialogButtonBox::ActionRole);
    recite->setObjectName(QStringLiteral("recite"));
    connect(recite, &QPushButton::clicked, this, [this] {
        if (const int row = m_table->currentRow(); row >= 0 && row < m_rows.size())
            emit this->recite(m_rows[row]);
    });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_table, &QTableWidget::cellDoubleClicked, this, &TodayWindow::choose);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_table);
    layout->addWidget(makeChoices());
    layout->addWidget(buttons);
}

QWidget* TodayWindow::makeChoices()
{
    auto* choices = new QWidget(this);
    auto* form = new QFormLayout(choices);
    form->setContentsMargins({});
    auto spinBox = [&](const char* name, int min, int max, const QString& suffix) {
        auto* box = new QSpinBox(choices);
        box->setObjectName(QString::fromLatin1(name));
        box->setRange(min, max);
        box->setSuffix(suffix);
        connect(box, &QSpinBox::valueChanged, this, &TodayWindow::choicesChanged);
        return box;
    };
    m_retention = spinBox("retention", 80, 97, QStringLiteral(" %"));
    m_retention->setToolTip(tr("An entry is due when its chance of recall falls below this"));
    m_longestPassage = spinBox("longestPassage", 1, 100, tr(" entries"));
    m_newPerDay = spinBox("newPerDay", 0, 100, tr(" entries"));
    m_learnBy = new QComboBox(choices);
    m_learnBy->setObjectName(QStringLiteral("learnBy"));
    m_learnBy->addItem(tr("as many entries as above"), QString());
    m_learnBy->addItem(tr("a page"), QStringLiteral("page"));
    m_learnBy->addItem(tr("half a page"), QStringLiteral("half"));
    m_learnBy->setToolTip(tr("In lists with pages, what to learn each day"));
    connect(m_learnBy, &QComboBox::currentIndexChanged, this, &TodayWindow::choicesChanged);
    // Lists divided as a mushaf may be revised a whole page or quarter at a time.
    m_passagesBy = new QComboBox(choices);
    m_passagesBy->setObjectName(QStringLiteral("passagesBy"));
    m_passagesBy->addItem(tr("the entries due"), QString());
    m_passagesBy->addItem(tr("whole pages"), QStringLiteral("page"));
    m_passagesBy->addItem(tr("whole quarters"), QStringLiteral("quarter"));
    m_passagesBy->setToolTip(tr("In lists with pages or quarters, an entry due brings what you "
                                "have learnt of its page or quarter"));
    connect(m_passagesBy, &QComboBox::currentIndexChanged, this, &TodayWindow::choicesChanged);
    m_divisionsPerDay = spinBox("divisionsPerDay", 1, 60, QString());
    // A teacher's cycle: every page learnt revised at least once in so many days.
    m_cycleBy = new QComboBox(choices);
    m_cycleBy->setObjectName(QStringLiteral("cycleBy"));
    m_cycleBy->addItem(tr("no cycle"), QString());
    m_cycleBy->addItem(tr("every page learnt"), QStringLiteral("page"));
    m_cycleBy->addItem(tr("every quarter learnt"), QStringLiteral("quarter"));
    m_cycleBy->addItem(tr("every juz learnt"), QStringLiteral("juz"));
    connect(m_cycleBy, &QComboBox::currentIndexChanged, this, &TodayWindow::choicesChanged);
    m_cycleDays = spinBox("cycleDays", 1, 365, tr(" days"));
    connect(m_cycleBy, &QComboBox::currentIndexChanged, this,
            [this](int index) { m_cycleDays->setEnabled(index > 0); });
    connect(m_passagesBy, &QComboBox::currentIndexChanged, this,
            [this](int index) { m_divisionsPerDay->setEnabled(index > 0); });
    m_practiseWith = new QComboBox(choices);
    m_practiseWith->setObjectName(QStringLiteral("practiseWith"));
    m_practiseWith->addItems({tr("the Tester"), tr("the Lister, recalling first")});
    connect(m_practiseWith, &QComboBox::currentIndexChanged, this, &TodayWindow::choicesChanged);
    m_atStart = new QCheckBox(tr("Show Today when Zorvel &starts"), choices);
    m_atStart->setObjectName(QStringLiteral("atStart"));
    connect(m_atStart, &QCheckBox::toggled, this, &TodayWindow::choicesChanged);
    form->addRow(tr("Desired &retention:"), m_retention);
    form->addRow(tr("&Longest passage:"), m_longestPassage);
    form->addRow(tr("&New entries a day:"), m_newPerDay);
    form->addRow(tr("Learn &each day:"), m_learnBy);
    form->addRow(tr("Re&vise:"), m_passagesBy);
    form->addRow(tr("Pages or &quarters a day, at most:"), m_divisionsPerDay);
    form->addRow(tr("Revise in a &cycle:"), m_cycleBy);
    form->addRow(tr("At least once e&very:"), m_cycleDays);
    form->addRow(tr("Practise &with:"), m_practiseWith);
    form->addRow(m_atStart);

    // Beside the choices, what aiming higher would cost.
    m_costArea = new QWidget(this);
    auto* costLayout = new QVBoxLayout(m_costArea);
    costLayout->setContentsMargins({});
    auto* caption = new QLabel(
        tr("Over the next %1 days, from your memory:").arg(QLocale().toString(30)), m_costArea);
    caption->setWordWrap(true);
    m_costs = new QTableWidget(0, 3, m_costArea);
    m_costs->setObjectName(QStringLiteral("retentionCosts"));
    m_costs->setAccessibleName(tr("What each desired retention costs"));
    m_costs->setHorizontalHeaderLabels({tr("Retention"), tr("Reviews a day"), tr("Recalled")});
    m_costs->horizontalHeaderItem(2)->setToolTip(
        tr("The share of what you have memorised you would recall on a random day"));
    m_costs->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_costs->setSelectionMode(QAbstractItemView::NoSelection);
    m_costs->setFocusPolicy(Qt::NoFocus);
    m_costs->verticalHeader()->hide();
    m_costs->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_costs->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
    m_costs->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_costs->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    costLayout->addWidget(caption);
    costLayout->addWidget(m_costs);
    costLayout->addStretch();
    m_costArea->hide();
    auto* beside = new QWidget(this);
    auto* besideLayout = new QHBoxLayout(beside);
    besideLayout->setContentsMargins({});
    besideLayout->addWidget(choices, 3);
    besideLayout->addWidget(m_costArea, 2);
    return beside;
}

void TodayWindow::showCosts(const QList<retentioncost::Cost>& costs)
{
    m_costArea->setVisible(!costs.isEmpty());
    m_costs->setRowCount(int(costs.size()));
    const QLocale locale;
    const int chosen = m_retention->value();
    for (int row = 0; row < costs.size(); ++row) {
        const retentioncost::Cost& cost = costs[row];
        const int retention = qRound(cost.retention * 100);
        const QStringList cells{
            retention == chosen ? tr("%1 % (chosen)").arg(locale.toString(retention))
                                : locale.toString(retention) + QStringLiteral(" %"),
            locale.toString(cost.reviewsPerDay, 'f', cost.reviewsPerDay < 10 ? 1 : 0),
            locale.toString(cost.recalled * 100, 'f', 1) + QStringLiteral(" %")};
        for (int column = 0; column < cells.size(); ++column) {
            auto* item = new QTableWidgetItem(cells[column]);
            item->setTextAlignment(column == 0 ? Qt::AlignVCenter | Qt::AlignLeading
                                               : Qt::AlignVCenter | Qt::AlignTrailing);
            QFont font = item->font();
            font.setBold(retention == chosen);
            item->setFont(font);
            m_costs->setItem(row, column, item);
        }
    }
}

void TodayWindow::setChoices(const revisionplan::Options& options, bool atStart, bool recalls)
{
    const QSignalBlocker quiet(this);
    m_retention->setValue(qRound(options.retention * 100));
    m_longestPassage->setValue(options.longestPassage);
    m_newPerDay->setValue(options.newPerDay);
    m_passagesBy->setCurrentIndex(std::max(0, m_passagesBy->findData(options.passagesBy)));
    m_learnBy->setCurrentIndex(std::max(
        0, m_learnBy->findData(options.learnHalf ? QStringLiteral("half") : options.learnBy)));
    m_divisionsPerDay->setValue(options.divisionsPerDay);
    m_divisionsPerDay->setEnabled(m_passagesBy->currentIndex() > 0);
    m_cycleBy->setCurrentIndex(std::max(0, m_cycleBy->findData(options.cycleBy)));
    m_cycleDays->setValue(options.cycleDays);
    m_cycleDays->setEnabled(m_cycleBy->currentIndex() > 0);
    m_atStart->setChecked(atStart);
    m_practiseWith->setCurrentIndex(recalls ? 1 : 0);
}

revisionplan::Options TodayWindow::options() const
{
    revisionplan::Options options;
    options.retention = m_retention->value() / 100.0;
    options.longestPassage = m_longestPassage->value();
    options.newPerDay = m_newPerDay->value();
    options.passagesBy = m_passagesBy->currentData().toString();
    options.divisionsPerDay = m_divisionsPerDay->value();
    options.cycleBy = m_cycleBy->currentData().toString();
    options.cycleDays = m_cycleDays->value();
    const QString learnBy = m_learnBy->currentData().toString();
    options.learnHalf = learnBy == u"half";
    options.learnBy = options.learnHalf ? QStringLiteral("page") : learnBy;
    return options;
}

bool TodayWindow::atStart() const
{
    return m_atStart->isChecked();
}

bool TodayWindow::recalls() const
{
    return m_practiseWith->currentIndex() == 1;
}

void TodayWindow::showPlan(const QList<TodayRow>& rows)
{
    m_rows = rows;
    m_table->setRowCount(int(rows.size()));
    for (int r = 0; r < rows.size(); ++r) {
        const TodayRow& row = rows[r];
        const QString list = row.wordMode ? tr("%1 (words)").arg(row.title) : row.title;
        const QStringList cells{
            list,
            row.isNew     ? tr("Next to learn: %1").arg(asWritten(row.references))
            : row.inCycle ? tr("In the cycle: %1").arg(asWritten(row.references))
                          : asWritten(row.references),
            row.isNew ? QString() : QLocale().toString(row.due),
            row.isNew ? QString()
                      : QLocale().toString(qRound(row.lowestRecall * 100)) + QStringLiteral(" %"),
            row.isNew || row.overdueDays == 0 ? QString()
                                              : tr("%n day(s)", nullptr, row.overdueDays),
            QLocale().toString(qMax(1, qRound(row.minutes)))};
        for (int c = 0; c < cells.size(); ++c)
            m_table->setItem(r, c, new QTableWidgetItem(cells[c]));
    }
    if (!rows.isEmpty())
        m_table->selectRow(0);
}

void TodayWindow::setListening(bool on)
{
    m_listen->setVisible(on);
}

void TodayWindow::choose()
{
    const int row = m_table->currentRow();
    if (row >= 0 && row < m_rows.size())
        emit practise(m_rows[row]);
}
