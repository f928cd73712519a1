#include "app/main/modules.h"

#include <QCoreApplication>

namespace modules {

QStringList placesOf(const QString& name)
{
    return {name, QCoreApplication::applicationDirPath() +
                      QStringLiteral("/" ZORVEL_MODULES_FROM_PROGRAM "/") + name};
}

} // namespace modules
