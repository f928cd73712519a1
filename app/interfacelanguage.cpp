#include "interfacelanguage.h"

#include <QGuiApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace interfacelanguage {

QString resolve(const QString& choice, const QStringList& systemLanguages)
{
    if (choice == kEnglish || choice == kArabic)
        return choice;
    for (const QString& language : systemLanguages) {
        const QString code = language.section(u'_', 0, 0).section(u'-', 0, 0).toLower();
        if (code == kEnglish || code == kArabic)
            return code;
    }
    return kEnglish;
}

bool install(QCoreApplication& application, const QString& language, const QString& programFolder)
{
    if (language == kEnglish)
        return true; // the source texts
    // A translation not yet written leaves the interface English, and left to right.
    auto* zorvel = new QTranslator(&application);
    if (!zorvel->load(QStringLiteral("zorvel_") + language,
                      programFolder + QStringLiteral("/translations")) ||
        zorvel->isEmpty()) {
        delete zorvel;
        return false;
    }
    QCoreApplication::installTranslator(zorvel);
    // The standard buttons and dialogs speak the same language.
    auto* qt = new QTranslator(&application);
    if (qt->load(QStringLiteral("qt_") + language,
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qt);
    else
        delete qt;
    if (language == kArabic)
        QGuiApplication::setLayoutDirection(Qt::RightToLeft);
    return true;
}

} // namespace interfacelanguage
