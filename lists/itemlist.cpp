#include "itemlist.h"

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

void appendWordItems(QStringView line, int lineNumber, QStringList& items)
{
    const QStringView trimmed = trimSpaces(line);
    const qsizetype lastSpace = trimmed.lastIndexOf(kSpace);
    const QString number = QString::number(lineNumber);
    if (lastSpace < 0) {
        items.append(joined({u"<< ", trimmed, u". ", number, u">>"}));
        return;
    }
    // Both ends of a trimmed line are words; empty words between double spaces are skipped.
    const qsizetype firstSpace = trimmed.indexOf(kSpace);
    items.append(joined({trimmed.left(firstSpace), u". ", number, u" >>"}));
    const QStringView middle = trimmed.sliced(firstSpace, lastSpace - firstSpace);
    for (QStringView word : middle.tokenize(kSpace, Qt::SkipEmptyParts))
        items.append(word.toString());
    items.append(joined({u"<< ", trimmed.sliced(lastSpace + 1)}));
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

ItemList buildItems(QStringView text, bool wordMode)
{
    ItemList list;
    int lineNumber = 0;
    QString withoutNulls;
    for (QStringView line : text.tokenize(kLineBreak)) {
        ++lineNumber;
        if (line.contains(QChar(u'\0'))) {
            withoutNulls = line.toString().remove(QChar(u'\0'));
            line = withoutNulls;
        }
        if (trimSpaces(line).isEmpty())
            continue;
        if (!wordMode) {
            list.items.append(line.toString());
            continue;
        }
        LineEntry entry{lineNumber, static_cast<int>(list.items.size()) + 1, 0};
        appendWordItems(line, lineNumber, list.items);
        entry.lastItem = static_cast<int>(list.items.size());
        list.lines.append(entry);
    }
    return list;
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
