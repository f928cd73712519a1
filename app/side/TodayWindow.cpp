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
    return choices;
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
