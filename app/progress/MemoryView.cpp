#include "app/progress/MemoryView.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QString lossText(double loss)
{
    return QLocale().toString(loss, 'f', 4);
}

} // namespace

MemoryView::MemoryView(QWidget* parent)
    : QWidget(parent)
    , m_status(new QLabel(this))
    , m_outcome(new QLabel(this))
    , m_progress(new QProgressBar(this))
    , m_fit(new QPushButton(tr("&Fit to my reviews"), this))
    , m_cancel(new QPushButton(tr("&Stop the fit"), this))
    , m_defaults(new QPushButton(tr("&Use the default weights"), this))
{
    m_status->setObjectName(QStringLiteral("memoryStatus"));
    m_status->setWordWrap(true);
    m_status->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_outcome->setObjectName(QStringLiteral("fitOutcome"));
    m_outcome->setWordWrap(true);
    m_progress->setObjectName(QStringLiteral("fitProgress"));
    m_progress->setAccessibleName(tr("Fitting to your reviews"));
    m_progress->setRange(0, 100);
    m_fit->setObjectName(QStringLiteral("fit"));
    m_fit->setToolTip(tr("Fit the memory model to your own reviews; the result is kept only if "
                         "it predicts your latest reviews better"));
    m_cancel->setObjectName(QStringLiteral("cancelFit"));
    m_defaults->setObjectName(QStringLiteral("useDefaults"));
    connect(m_fit, &QPushButton::clicked, this, [this] {
        showFitting(0);
        emit fit();
    });
    connect(m_cancel, &QPushButton::clicked, this, &MemoryView::cancel);
    connect(m_defaults, &QPushButton::clicked, this, &MemoryView::useDefaults);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_fit);
    buttons->addWidget(m_defaults);
    buttons->addStretch();
    auto* running = new QHBoxLayout;
    running->addWidget(m_progress, 1);
    running->addWidget(m_cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_status);
    layout->addWidget(m_outcome);
    layout->addLayout(running);
    layout->addLayout(buttons);
    layout->addStretch();
    enableButtons();
}

void MemoryView::showModel(const MemoryModel& model)
{
    const PracticeHistory::ModelFit& fit = model.fit;
    const QLocale locale;
    QStringList lines;
    lines.append(tr("Reviews a fit can learn from (each after an earlier review of its entry): %1.")
                     .arg(locale.toString(model.reviews)));
    lines.append(fit.ownWeights
                     ? tr("In use: your own weights, fitted on %1 to %2 reviews.")
                           .arg(locale.toString(fit.fittedOn, QLocale::LongFormat),
                                locale.toString(fit.reviews))
                     : tr("In use: the default weights, fitted to many people's reviews."));
    if (fit.fittedOn.isValid())
        lines.append(tr("The last fit, on your latest %1 reviews held out of it: loss %2 with the "
                        "weights it found, %3 with the weights then in use, %4 with the default "
                        "weights (lower predicts better).")
                         .arg(locale.toString(fit.heldOut), lossText(fit.lossFitted),
                              lossText(fit.lossCurrent), lossText(fit.lossDefaults)));
    if (model.reviews < fitting::kLeastSamples)
        lines.append(tr("A fit needs at least %1 such reviews.")
                         .arg(locale.toString(fitting::kLeastSamples)));
    else if (model.offered)
        lines.append(
            fit.fittedOn.isValid()
                ? tr("Your reviews have grown by half since the last fit: a new fit may "
                     "predict your memory better.")
                : tr("You have enough reviews for the model to be fitted to your memory."));
    m_status->setText(lines.join(u'\n'));
    m_outcome->clear();
    m_model = model;
    enableButtons();
}

void MemoryView::enableButtons()
{
    m_fit->setEnabled(!m_running && m_model.reviews >= fitting::kLeastSamples);
    m_defaults->setEnabled(!m_running && m_model.fit.ownWeights);
    m_progress->setVisible(m_running);
    m_cancel->setVisible(m_running);
}

void MemoryView::showFitting(int percent)
{
    m_progress->setValue(percent);
    m_running = true;
    enableButtons();
}

void MemoryView::showOutcome(const fitting::Result& result)
{
    m_running = false;
    enableButtons();
    const QLocale locale;
    switch (result.status) {
    case fitting::Result::Cancelled:
        m_outcome->setText(tr("The fit was stopped; nothing changed."));
        break;
    case fitting::Result::TooFew:
        m_outcome->setText(
            tr("A fit needs at least %1 reviews that follow an earlier review of "
               "the same entry, on more than one day; you have %2.")
                .arg(locale.toString(fitting::kLeastSamples), locale.toString(result.samples)));
        break;
    case fitting::Result::Fitted:
        m_outcome->setText(
            result.helps()
                ? tr("Kept: the fitted weights predict your latest reviews better (loss %1 "
                     "against %2). Your plan now follows them.")
                      .arg(lossText(result.lossFitted), lossText(result.lossCurrent))
                : tr("Not kept: the fitted weights predict your latest reviews no better than "
                     "those in use (loss %1 against %2).")
                      .arg(lossText(result.lossFitted), lossText(result.lossCurrent)));
        break;
    }
}
