#include "app/progress/progresschart.h"

#include "app/main/modules.h"

#include <QCoreApplication>

LoadedChart loadChartModule(const QStringList& names)
{
    QString whyNot;
    if (const auto* found = modules::load<ProgressChartMaker>(names, &whyNot))
        return {found, {}};
    if (!whyNot.isEmpty())
        return {nullptr, QCoreApplication::translate("ProgressWindow",
                                                     "The chart cannot be shown: the module "
                                                     "zorvel-chart could not be loaded (%1).")
                             .arg(whyNot)};
    return {nullptr, QCoreApplication::translate(
                         "ProgressWindow", "The chart cannot be shown: the module zorvel-chart "
                                           "is missing from this installation.")};
}

const LoadedChart& chartModule()
{
    static const LoadedChart module =
        loadChartModule(modules::placesOf(QStringLiteral("zorvel-chart")));
    return module;
}
