#include "app/progress/progresschart.h"

#include <QCoreApplication>
#include <QPluginLoader>

LoadedChart loadChartModule(const QStringList& names)
{
    LoadedChart module;
    for (const QString& name : names) {
        QPluginLoader loader(name);
        if (const auto* found = qobject_cast<ProgressChartMaker*>(loader.instance()))
            return {found, {}};
        // A file that is there but does not load says why; a missing one only that it is.
        if (module.trouble.isEmpty() && !loader.fileName().isEmpty())
            module.trouble = QCoreApplication::translate("ProgressWindow",
                                                         "The chart cannot be shown: the module "
                                                         "zorvel-chart could not be loaded (%1).")
                                 .arg(loader.errorString());
    }
    if (module.trouble.isEmpty())
        module.trouble = QCoreApplication::translate(
            "ProgressWindow", "The chart cannot be shown: the module zorvel-chart is missing from "
                              "this installation.");
    return module;
}

const LoadedChart& chartModule()
{
    // Where Qt looks for libraries (the program's own folder among them, as in the build tree),
    // then the program's library folder once installed.
    static const LoadedChart module =
        loadChartModule({QStringLiteral("zorvel-chart"),
                         QCoreApplication::applicationDirPath() +
                             QStringLiteral("/" ZORVEL_MODULES_FROM_PROGRAM "/zorvel-chart")});
    return module;
}
