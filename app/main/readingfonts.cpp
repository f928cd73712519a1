#include "app/main/readingfonts.h"

#include "app/settings/ZorvelSettings.h"

#include <QFontDatabase>

QStringList readingFonts()
{
    QStringList families = QFontDatabase::families(QFontDatabase::Arabic);
    families.removeIf([](const QString& family) {
        // Colour and private faces that no reader would choose to read with.
        return family.contains(u"Colored") || QFontDatabase::isPrivateFamily(family);
    });
    const QStringList preferred{QStringLiteral("Traditional Arabic"), QStringLiteral("Amiri"),
                                QStringLiteral("Amiri Quran"), QStringLiteral("Scheherazade New"),
                                QStringLiteral("Scheherazade")};
    QStringList offered;
    for (const QString& family : preferred)
        if (families.removeAll(family) > 0)
            offered.append(family);
    families.sort(Qt::CaseInsensitive);
    return offered + families;
}

FontRecord readingFont(const QString& family, int zoomPercent, bool bold)
{
    FontRecord font = arabicFont(20.25 * zoomPercent / 100.0, bold);
    if (!family.isEmpty())
        font.name = family;
    return font;
}

FontRecord readingFontAtZoom(const ZorvelSettings& settings, bool bold, int percentOfZoom)
{
    return readingFont(settings.arabicFont(), settings.zoomPercent() * percentOfZoom / 100, bold);
}
