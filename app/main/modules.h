#pragma once

#include <QPluginLoader>
#include <QString>
#include <QStringList>

// The program's own modules: parts of it that need a large library (charts, audio) and are
// loaded when first used, so that start-up never loads that library.
namespace modules {

// Where module `name` may lie: where Qt looks for libraries (the program's own folder among
// them, as in the build tree), then the program's library folder once installed.
QStringList placesOf(const QString& name);

// The first of `places` that loads as an `Interface`; nothing, with `whyNot` the reason of the
// first that is there but does not load, or empty where none is there.
template <typename Interface> Interface* load(const QStringList& places, QString* whyNot)
{
    whyNot->clear();
    for (const QString& place : places) {
        QPluginLoader loader(place);
        if (auto* found = qobject_cast<Interface*>(loader.instance()))
            return found;
        // A file that is there but does not load says why; a missing one only that it is.
        if (whyNot->isEmpty() && !loader.fileName().isEmpty())
            *whyNot = loader.errorString();
    }
    return nullptr;
}

} // namespace modules
