#include "practice/plan/listschedule.h"

#include "schedule/memorycsv.h"

namespace listschedule {

QList<revisionplan::ItemSpan> partSpans(const QList<Part>& parts)
{
    QList<revisionplan::ItemSpan> spans;
    for (const Part& part : parts) {
        if (!part.isEmpty())
            spans.append({part.firstItem, part.lastItem});
    }
    return spans;
}

QList<revisionplan::ItemSpan> divisionSpans(const QList<DivisionKind>& kinds, const QString& kind)
{
    for (const DivisionKind& divisions : kinds)
        if (!kind.isEmpty() && divisions.name.compare(kind, Qt::CaseInsensitive) == 0)
            return partSpans(divisions.divisions);
    return {};
}

QList<revisionplan::ItemSpan> lineSpans(const QList<LineEntry>& lines)
{
    QList<revisionplan::ItemSpan> spans;
    spans.reserve(lines.size());
    for (const LineEntry& line : lines)
        spans.append({line.firstItem, line.lastItem});
    return spans;
}

QString memoryCsv(const ItemList& list, bool wordMode, const QMap<int, ItemMemory>& memories,
                  QDate today, double retention, const fsrs::Parameters& weights)
{
    QStringList references;
    references.reserve(list.items.size());
    for (int number = 1; number <= list.items.size(); ++number)
        references.append(itemReference(list.parts, list.lines, number));
    return ::memoryCsv(list.items, references, wordMode, memories, today, retention, weights);
}

} // namespace listschedule
