#include "lists/itemlist.h"

#include <QHash>
#include <QVarLengthArray>

#include <algorithm>

namespace {

constexpr QChar kSpace = u' ';
constexpr QStringView kLineBreak = u"\r\n";

QString joined(std::initializer_list<QStringView> parts)
{
    qsizetype size = 0;
    for (QStringView part : parts)
        size += part.size();
    QString text;
    text.reserve(size);
    for (QStringView part : parts)
        text += part;
    return text;
}

// A word of a line, and whether a TAB stands before it: a TAB parts the two hemistichs of a
// bayt, and the word after it keeps it before its text so that the listing shows the break.
struct Word {
    QStringView text;
    bool afterTab = false;
};

// The words of a line, split at spaces and TABs, as views into it: a load of tens of thousands
// of words makes each item's text once.
QVarLengthArray<Word, 32> lineWords(QStringView line)
{
    QVarLengthArray<Word, 32> words;
    bool afterTab = false;
    qsizetype start = -1;
    for (qsizetype at = 0; at <= line.size(); ++at) {
        const bool separator = at == line.size() || line[at] == kSpace || line[at] == u'\t';
        if (!separator) {
            if (start < 0)
                start = at;
            continue;
        }
        if (start >= 0) {
            words.append({line.sliced(start, at - start), afterTab && !words.isEmpty()});
            afterTab = false;
            start = -1;
        }
        if (at < line.size() && line[at] == u'\t')
            afterTab = true;
    }
    return words;
}

QStringView tabBefore(const Word& word)
{
    return word.afterTab ? QStringView(u"\t") : QStringView();
}

// The first and last word of a line carry its number, so that a reader sees where lines begin
// and end; the number of items appended is returned.
qsizetype appendWordItems(QStringView line, const QString& number, QStringList& items)
{
    const QVarLengthArray<Word, 32> words = lineWords(line);
    if (words.size() == 1) {
        items.append(joined({u"<< ", words.front().text, u". ", number, u">>"}));
    } else if (words.size() > 1) {
        items.append(joined({words.front().text, u". ", number, u" >>"}));
        for (qsizetype k = 1; k + 1 < words.size(); ++k)
            items.append(joined({tabBefore(words[k]), words[k].text}));
        items.append(joined({u"<< ", tabBefore(words.back()), words.back().text}));
    }
    return words.size();
}

} // namespace

QStringView trimSpaces(QStringView text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text[begin] == kSpace)
        ++begin;
    while (end > begin && text[end - 1] == kSpace)
        --end;
    return text.sliced(begin, end - begin);
}

bool isHeading(QStringView line)
{
    const QStringView trimmed = trimSpaces(line);
    return trimmed.startsWith(u"# ") && !trimSpaces(trimmed.sliced(2)).isEmpty();
}

std::optional<DivisionMarker> divisionMarker(QStringView line)
{
    const QStringView trimmed = trimSpaces(line);
    if (!trimmed.startsWith(u"## "))
        return std::nullopt;
    const QStringView rest = trimSpaces(trimmed.sliced(3));
    const qsizetype space = rest.indexOf(kSpace);
    if (space < 0)
        return std::nullopt;
    return DivisionMarker{rest.first(space), trimSpaces(rest.sliced(space))};
}

namespace {

// Divisions are found as their markers come; each ends where the next of its kind begins.
class DivisionBuilder {
public:
    void begin(const DivisionMarker& marker, int firstItem, int firstLine)
    {
        m_divisions[kindOf(marker.kind)].divisions.append(
            {marker.name.toString(), firstItem, firstItem - 1, firstLine});
    }
    QList<DivisionKind> finish(int itemCount)
    {
        for (DivisionKind& kind : m_divisions) {
            for (qsizetype k = 0; k < kind.divisions.size(); ++k)
                kind.divisions[k].lastItem =
                    k + 1 < kind.divisions.size() ? kind.divisions[k + 1].firstItem - 1 : itemCount;
        }
        return std::move(m_divisions);
    }

private:
    // A list has a few kinds, compared in place; one with many finds them by name.
    static constexpr qsizetype kFewKinds = 8;

    int kindOf(QStringView kind)
    {
        if (m_divisions.size() <= kFewKinds) {
            for (qsizetype k = 0; k < m_divisions.size(); ++k)
                if (kind.compare(m_divisions[k].name, Qt::CaseInsensitive) == 0)
                    return int(k);
        } else if (const auto found = m_kinds.constFind(kind.toString().toCaseFolded());
                   found != m_kinds.cend()) {
            return *found;
        }
        m_divisions.append({kind.toString(), {}});
        if (m_divisions.size() > kFewKinds) {
            if (m_kinds.isEmpty())
                for (qsizetype k = 0; k < m_divisions.size(); ++k)
                    m_kinds.insert(m_divisions[k].name.toCaseFolded(), int(k));
            else
                m_kinds.insert(kind.toString().toCaseFolded(), int(m_divisions.size() - 1));
        }
        return int(m_divisions.size() - 1);
    }

    QList<DivisionKind> m_divisions;
    QHash<QString, int> m_kinds; // case-folded name: index, once there are many
};

} // namespace

ItemList buildItems(QStringView text, bool wordMode)
{
    ItemList list;
    DivisionBuilder divisions;
    int lineNumber = 0;
    int lineInPart = 0;
    QString withoutNulls;
    for (QStringView line : text.tokenize(kLineBreak)) {
        ++lineNumber;
        if (line.contains(QChar(u'\0'))) {
            withoutNulls = line.toString().remove(QChar(u'\0'));
            line = withoutNulls;
        }
        if (trimSpaces(line).isEmpty())
            continue;
        const int next = static_cast<int>(list.items.size()) + 1;
        if (const std::optional<DivisionMarker> marker = divisionMarker(line)) {
            divisions.begin(*marker, next, static_cast<int>(list.lines.size()));
            continue;
        }
        if (isHeading(line)) {
            list.parts.append({trimSpaces(trimSpaces(line).sliced(2)).toString(), next, next - 1,
                               static_cast<int>(list.lines.size())});
            lineInPart = 0;
            continue;
        }
        if (!wordMode) {
            list.items.append(line.toString());
        } else {
            // In a list with parts a line is known by its reference, as the learner knows it.
            const QString marker =
                list.parts.isEmpty()
                    ? QString::number(lineNumber)
                    : QStringLiteral("%1:%2").arg(list.parts.size()).arg(lineInPart + 1);
            if (appendWordItems(line, marker, list.items) == 0)
                continue; // TABs alone: no word
            list.lines.append({lineNumber, next, static_cast<int>(list.items.size())});
        }
        ++lineInPart;
        if (!list.parts.isEmpty())
            list.parts.back().lastItem = static_cast<int>(list.items.size());
    }
    list.divisions = divisions.finish(static_cast<int>(list.items.size()));
    return list;
}

int partOfItem(const QList<Part>& parts, int item)
{
    // The last part that starts at or before the item; empty parts hold nothing.
    const auto after =
        std::upper_bound(parts.cbegin(), parts.cend(), item,
                         [](int number, const Part& part) { return number < part.firstItem; });
    for (auto part = after; part != parts.cbegin();) {
        --part;
        if (!part->isEmpty())
            return item <= part->lastItem ? static_cast<int>(part - parts.cbegin()) : -1;
    }
    return -1;
}

QString itemReference(const QList<Part>& parts, const QList<LineEntry>& lines, int item)
{
    const int part = partOfItem(parts, item);
    const int line = lines.isEmpty() ? -1 : lineIndexOfItem(lines, item);
    if (part < 0)
        return QString::number(lines.isEmpty() ? item : lines[line].lineNumber);
    const int inPart =
        lines.isEmpty() ? item - parts[part].firstItem + 1 : line - parts[part].firstLine + 1;
    return QStringLiteral("%1:%2").arg(part + 1).arg(inPart);
}

QString divisionsOfItem(const QList<DivisionKind>& kinds, int item)
{
    QStringList names;
    for (const DivisionKind& kind : kinds)
        if (const int division = partOfItem(kind.divisions, item); division >= 0)
            names.append(kind.name + u' ' + kind.divisions[division].name);
    return names.join(QStringLiteral(" \u00B7 "));
}

QString asWritten(const QString& text)
{
    return QChar(0x2066) + text + QChar(0x2069); // LEFT-TO-RIGHT ISOLATE ... POP
}

QString getDisplayWords(QStringView item, int kShownWords)
{
    QString label;
    int words = 0;
    // An empty item has no words at all, not one empty word.
    for (QStringView word : item.tokenize(kSpace)) {
        if (item.isEmpty() || words++ == kShownWords)
            break;
        label += kSpace;
        label += word;
    }
    label += trimSpaces(label) == trimSpaces(item) ? u"   " : u"...";
    return label;
}

QString withTabsAsGaps(QString text)
{
    return text.replace(u'\t', QStringLiteral("\u2003\u2003"));
}

int lineIndexOfItem(const QList<LineEntry>& lines, int item)
{
    const auto line = std::lower_bound(
        lines.cbegin(), lines.cend(), item,
        [](const LineEntry& entry, int number) { return entry.lastItem < number; });
    if (line == lines.cend() || line->firstItem > item)
        return -1;
    return static_cast<int>(line - lines.cbegin());
}
