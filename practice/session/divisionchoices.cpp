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
        rows.append({-1, index});
    for (int kind = 0; kind < kinds.size(); ++kind) {
        rows.append({kind, -1});
        for (int index = 0; index < kinds[kind].divisions.size(); ++index)
            rows.append({kind, index});
    }
    return rows;
}

QString text(const Entry& entry, const QList<Part>& parts, const QList<DivisionKind>& kinds)
{
    if (entry.kind < 0)
        return QString::number(entry.index + 1) + u' ' + shortened(parts[entry.index].name);
    const QString shown = caption(kinds[entry.kind].name);
    return entry.index < 0
               ? shown
               : shown + u' ' + shortened(kinds[entry.kind].divisions[entry.index].name);
}

int rowOf(const QList<Entry>& entries, int kind, int index)
{
    for (int row = 0; row < entries.size(); ++row)
        if (entries[row].kind == kind && entries[row].index == index)
            return row;
    return -1;
}

} // namespace divisionchoices
