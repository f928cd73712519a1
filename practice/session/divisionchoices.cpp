#include "practice/session/divisionchoices.h"

#include <QCoreApplication>

#include <array>

namespace divisionchoices {

namespace {

// A name that a marker made a megabyte long is shown by its start.
constexpr qsizetype kLongestName = 100;

QString shortened(const QString& name)
{
    return name.size() <= kLongestName ? name : name.left(kLongestName) + QChar(0x2026);
}

} // namespace

QString caption(const QString& kind)
{
    static const std::array<std::pair<const char*, const char*>, 5> known{{
        {"juz", QT_TRANSLATE_NOOP("divisionchoices", "Juz")},
        {"page", QT_TRANSLATE_NOOP("divisionchoices", "Page")},
        {"quarter", QT_TRANSLATE_NOOP("divisionchoices", "Quarter")},
        {"hizb", QT_TRANSLATE_NOOP("divisionchoices", "Hizb")},
        {"manzil", QT_TRANSLATE_NOOP("divisionchoices", "Manzil")},
    }};
    for (const auto& [name, shown] : known)
        if (kind.compare(QLatin1String(name), Qt::CaseInsensitive) == 0)
            return QCoreApplication::translate("divisionchoices", shown);
    return shortened(kind);
}

QList<Entry> entries(const QList<Part>& parts, const QList<DivisionKind>& kinds)
{
    QList<Entry> rows;
    for (int index = 0; index < parts.size(); ++index)
        rows.append({QString::number(index + 1) + u' ' + shortened(parts[index].name), -1, index});
    for (int kind = 0; kind < kinds.size(); ++kind) {
        const QString shown = caption(kinds[kind].name);
        rows.append({shown, kind, -1});
        const QList<Part>& divisions = kinds[kind].divisions;
        for (int index = 0; index < divisions.size(); ++index)
            rows.append({shown + u' ' + shortened(divisions[index].name), kind, index});
    }
    return rows;
}

int rowOf(const QList<Entry>& entries, int kind, int index)
{
    for (int row = 0; row < entries.size(); ++row)
        if (entries[row].kind == kind && entries[row].index == index)
            return row;
    return -1;
}

} // namespace divisionchoices
