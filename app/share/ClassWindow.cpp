#include "app/share/ClassWindow.h"

#include "app/side/RecitalWindow.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QHeaderView>
#include <QLocale>
#include <QTableWidget>
#include <QVBoxLayout>

ClassWindow::ClassWindow(const QString& folder, const QList<classview::Learner>& learners,
                         QWidget* parent)
    : QDialog(parent)
    , m_table(new QTableWidget(int(learners.size()), 7 + recital::kMarkKinds, this))
{
    setObjectName(QStringLiteral("ClassWindow"));
    setWindowTitle(tr("Class: %1").arg(QDir::toNativeSeparators(folder)));
    QStringList headers{tr("Learner"),      tr("Last practised"), tr("Answers in 7 days"),
                        tr("Due today"),    tr("Mean recall"),    tr("Weakest"),
                        tr("Confused most")};
    for (int kind = 1; kind <= recital::kMarkKinds; ++kind)
        headers.append(recitalMarkName(recital::Mark(kind)));
    m_table->setObjectName(QStringLiteral("learners"));
    m_table->setAccessibleName(tr("The learners of the class"));
    m_table->setHorizontalHeaderLabels(headers);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->verticalHeader()->hide();
    m_table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    const QLocale locale;
    for (int row = 0; row < learners.size(); ++row) {
        const classview::Learner& learner = learners[row];
        QStringList cells{
            learner.name,
            learner.lastPractised.isValid()
                ? locale.toString(learner.lastPractised.toLocalTime(), QLocale::ShortFormat)
                : tr("never"),
            locale.toString(learner.answersThisWeek),
            locale.toString(learner.dueToday),
            learner.memorised ? locale.toString(learner.meanRecall * 100, 'f', 0) + locale.percent()
                              : QString(),
            learner.weakest.join(QStringLiteral("، ")),
            learner.confused};
        for (const int count : learner.marksByKind)
            cells.append(locale.toString(count));
        for (int column = 0; column < cells.size(); ++column)
            m_table->setItem(row, column, new QTableWidgetItem(cells[column]));
    }
    m_table->setToolTip(tr("Double-click a learner to see their progress in the open list"));
    connect(m_table, &QTableWidget::cellDoubleClicked, this, [this, folder, learners](int row) {
        emit learnerChosen(QDir(folder).filePath(learners[row].folder), learners[row].name);
    });
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_table);
    layout->addWidget(buttons);
    resize(1200, 420);
}
