#include "controls/common/FontRecord.h"

#include <QApplication>
#include <QFontDatabase>

namespace {

// A face asked for by a name the machine lacks sends Qt searching the font system for a stand-in,
// which costs as much as loading a face. The designed names and their stand-ins are asked for
// only where installed; where none is, Qt's own search stands in.
QStringList installedOf(const QStringList& families)
{
    static const QStringList installed = QFontDatabase::families();
    QStringList found = families;
    found.removeIf(
        [](const QString& family) { return !installed.contains(family, Qt::CaseInsensitive); });
    return found.isEmpty() ? families : found;
}

} // namespace

QFont FontRecord::toQFont() const
{
    QFont font;
    if (name.compare(u"Traditional Arabic", Qt::CaseInsensitive) == 0) {
        font.setFamilies(
            installedOf({name, QStringLiteral("Amiri"), QStringLiteral("Noto Naskh Arabic")}));
    } else if (name.compare(u"MS Sans Serif", Qt::CaseInsensitive) == 0) {
        font = QApplication::font();
        font.setFamilies(installedOf({name, QApplication::font().family()}));
    } else {
        font.setFamily(name);
    }
    font.setPointSizeF(size > 0 ? size : 8.25);
    // The weight decides boldness when it says more than the bold flag.
    font.setWeight(QFont::Weight(qBound(100, bold && weight < 700 ? 700 : weight, 900)));
    font.setItalic(italic);
    font.setUnderline(underline);
    font.setStrikeOut(strikethrough);
    return font;
}

FontRecord FontRecord::fromQFont(const QFont& font)
{
    FontRecord record;
    record.name = font.family();
    record.size = font.pointSizeF() > 0 ? font.pointSizeF() : 8.25;
    record.weight = font.weight();
    record.bold = font.weight() >= QFont::Bold;
    record.italic = font.italic();
    record.underline = font.underline();
    record.strikethrough = font.strikeOut();
    return record;
}

void FontRecord::copyFrom(const FontRecord& source)
{
    bold = source.bold;
    charset = source.charset;
    italic = source.italic;
    name = source.name;
    size = source.size;
    strikethrough = source.strikethrough;
    underline = source.underline;
    weight = source.weight;
}

FontRecord arabicFont(double size, bool bold)
{
    FontRecord font;
    font.name = QStringLiteral("Traditional Arabic");
    font.size = size;
    font.bold = bold;
    font.weight = bold ? 700 : 400;
    font.charset = 178;
    return font;
}

FontRecord sansSerifFont(bool bold)
{
    FontRecord font;
    font.bold = bold;
    font.weight = bold ? 700 : 400;
    return font;
}
