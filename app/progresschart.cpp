#include "progresschart.h"

#include <QCoreApplication>
#include <QPluginLoader>

const ProgressChartMaker* progressChartMaker()
{
    static const ProgressChartMaker* const maker = []() -> const ProgressChartMaker* {
        // Where Qt looks for libraries (the program's own folder among them, as in the build
        // tree), then the program's library folder once installed.
        const QString names[] = {
            QStringLiteral("zorvel-chart"),
            QCoreApplication::applicationDirPath() +
                QStringLiteral("/" ZORVEL_MODULES_FROM_PROGRAM "/zorvel-chart")};
        for (const QString& name : names) {
            QPluginLoader loader(name);
            if (const auto* found = qobject_cast<ProgressChartMaker*>(loader.instance()))
                return found;
        }
        return nullptr;
    }();
    return maker;
}
