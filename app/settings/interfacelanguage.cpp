#include "app/settings/interfacelanguage.h"

#include "textfiles/boundedread.h"

#include <QCryptographicHash>
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

constexpr qint64 kLargestTranslation = qint64{8} * 1024 * 1024;

// A translation loaded only when its bytes are the ones built, as the SHA-256 beside it says:
// Qt reads a damaged translation without a check and may crash on it while the window is built.
// It keeps the bytes it reads, which the translator reads from to the end.
class CheckedTranslation : public QTranslator {
public:
    using QTranslator::QTranslator;

    bool load(const QString& path)
    {
        const BoundedRead file = readAtMost(path, kLargestTranslation);
        const BoundedRead hash = readAtMost(path + QStringLiteral(".sha256"), 256);
        if (file.status != BoundedRead::Read || hash.status != BoundedRead::Read ||
            QCryptographicHash::hash(file.bytes, QCryptographicHash::Sha256).toHex() !=
                hash.bytes.trimmed().toLower())
            return false;
        m_bytes = file.bytes;
        return QTranslator::load(reinterpret_cast<const uchar*>(m_bytes.constData()),
                                 int(m_bytes.size())) &&
               !isEmpty();
    }

private:
    QByteArray m_bytes;
};

QString translationFile(const QString& programFolder, const QString& language)
{
    return translationsFolder(programFolder) + QStringLiteral("/zorvel_") + language +
           QStringLiteral(".qm");
}

} // namespace

QStringList available(const QString& programFolder)
{
    QStringList languages;
    const QStringList files =
        QDir(translationsFolder(programFolder))
            .entryList({QStringLiteral("zorvel_*.qm")}, QDir::Files, QDir::Name);
    for (const QString& file : files) {
        const QString language = file.mid(7).chopped(3);
        if (CheckedTranslation().load(translationFile(programFolder, language)))
            languages.append(language);
        else
            qWarning(
                "zorvel: %s is damaged or not this Zorvel's; the interface does not use it",
                qPrintable(QDir::toNativeSeparators(translationFile(programFolder, language))));
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

QLocale numberLocale(const QString& language, const QLocale& system)
{
    const QLocale own(language);
    return system.language() == own.language() ? system : own;
}

bool install(QCoreApplication& application, const QString& language, const QString& programFolder)
{
    QLocale::setDefault(numberLocale(kEnglish, QLocale::system()));
    if (language == kEnglish)
        return true; // the source texts
    // A translation not yet written, or damaged, leaves the interface English, left to right.
    auto* zorvel = new CheckedTranslation(&application);
    if (!zorvel->load(translationFile(programFolder, language))) {
        delete zorvel;
        return false;
    }
    QLocale::setDefault(numberLocale(language, QLocale::system()));
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
