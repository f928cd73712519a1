#include "app/settings/interfacelanguage.h"

#include <QDir>
#include <QGuiApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <optional>

namespace interfacelanguage {

namespace {

QString translationsFolder(const QString& programFolder)
{
    return programFolder + QStringLiteral("/translations");
}

} // namespace

QStringList available(const QString& programFolder)
{
    QStringList languages;
    const QStringList files =
        QDir(translationsFolder(programFolder))
            .entryList({QStringLiteral("zorvel_*.qm")}, QDir::Files, QDir::Name);
    for (const QString& file : files) {
        QTranslator translation;
        if (translation.load(file, translationsFolder(programFolder)) && !translation.isEmpty())
            languages.append(file.mid(7).chopped(3));
    }
    return languages;
}

QString resolve(const QString& choice, const QStringList& systemLanguages,
                const std::function<QStringList()>& availableLanguages)
{
    std::optional<QStringList> available;
    const auto speaks = [&](const QString& language) {
        if (language == kEnglish)
            return true;
        if (!available)
            available = availableLanguages();
        return available->contains(language);
    };
    if (!choice.isEmpty() && speaks(choice))
        return choice;
    for (const QString& language : systemLanguages) {
        QString code = language.section(u'_', 0, 0).section(u'-', 0, 0).toLower();
        // The C and POSIX locales speak the source texts.
        if (code == u"c" || code == u"posix")
            return kEnglish;
        if (speaks(code))
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
    if (!zorvel->load(QStringLiteral("zorvel_") + language, translationsFolder(programFolder)) ||
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
    if (QLocale(language).textDirection() == Qt::RightToLeft)
        QGuiApplication::setLayoutDirection(Qt::RightToLeft);
    return true;
}

} // namespace interfacelanguage
