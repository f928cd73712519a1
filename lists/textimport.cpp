#include "lists/textimport.h"

#include "lists/itemlist.h"

#include <QCoreApplication>
#include <QLocale>
#include <QRegularExpression>
#include <QStringList>

#include <algorithm>

namespace textimport {

namespace {

QStringList linesOf(const QString& text)
{
    QStringList lines = text.split(u'\n');
    for (QString& line : lines)
        if (line.endsWith(u'\r'))
            line.chop(1);
    return lines;
}

bool isBlank(const QString& line)
{
    return trimSpaces(line).isEmpty();
}

struct Verse {
    int chapter = 0;
    int verse = 0;
    QString text;
};

// "2|255|text" on every line that is not blank: the verses of a Quran file; nothing for a text
// in another form.
QList<Verse> chapterVerseLines(const QStringList& lines)
{
    static const QRegularExpression form(
        QStringLiteral("^\\s*(\\d+)\\s*\\|\\s*(\\d+)\\s*\\|(.*)$"));
    QList<Verse> verses;
    for (const QString& line : lines) {
        if (isBlank(line))
            continue;
        const QRegularExpressionMatch match = form.match(line);
        if (!match.hasMatch())
            return {};
        verses.append(
            {match.captured(1).toInt(), match.captured(2).toInt(), match.captured(3).trimmed()});
    }
    return verses;
}

// A heading at each new chapter, named by its number.
QString withChapterHeadings(const QList<Verse>& verses)
{
    QStringList made;
    int chapter = -1;
    for (const Verse& verse : verses) {
        if (verse.chapter != chapter) {
            chapter = verse.chapter;
            made.append(QStringLiteral("# %1").arg(chapter));
        }
        made.append(verse.text);
    }
    return made.join(QStringLiteral("\r\n"));
}

QString tr(const char* text)
{
    return QCoreApplication::translate("textimport", text);
}

// Two stanzas or more, set apart by blank lines: each becomes a part.
QString fromStanzas(const QStringList& lines)
{
    QStringList made;
    int stanza = 0;
    bool betweenStanzas = true;
    for (const QString& line : lines) {
        if (isBlank(line)) {
            betweenStanzas = true;
            continue;
        }
        if (betweenStanzas) {
            made.append(QStringLiteral("# %1").arg(++stanza));
            betweenStanzas = false;
        }
        made.append(line);
    }
    return stanza >= 2 ? made.join(QStringLiteral("\r\n")) : QString();
}

bool hasHeadings(const QStringList& lines)
{
    return std::any_of(lines.begin(), lines.end(),
                       [](const QString& line) { return isHeading(line); });
}

} // namespace

QString listText(const QString& text)
{
    const QStringList lines = linesOf(text);
    if (hasHeadings(lines))
        return text;
    if (const QList<Verse> verses = chapterVerseLines(lines); !verses.isEmpty())
        return withChapterHeadings(verses);
    if (QString stanzas = fromStanzas(lines); !stanzas.isEmpty())
        return stanzas;
    return text;
}

bool isChapterVerseText(const QString& text)
{
    const QStringList lines = linesOf(text);
    return !hasHeadings(lines) && !chapterVerseLines(lines).isEmpty();
}

QString mushafText(const QString& text, const mushaf::Map& map, QString* trouble)
{
    const QList<Verse> verses = chapterVerseLines(linesOf(text));
    if (verses.isEmpty()) {
        *trouble = tr("The text is not in the chapter|verse|text form, so the mushaf's divisions "
                      "could not be placed.");
        return {};
    }
    QStringList made;
    int chapter = -1;
    QList<int> division(map.kinds.size(), -1); // each kind's division of the verse before
    for (const Verse& verse : verses) {
        const int number = map.runningNumber(verse.chapter, verse.verse);
        if (number == 0) {
            *trouble = tr("Verse %1:%2 is not in the map of the Madani mushaf (%3 verses in %4 "
                          "surahs): the text numbers its verses otherwise, and nothing was "
                          "changed.")
                           .arg(verse.chapter)
                           .arg(verse.verse)
                           .arg(QLocale().toString(
                               map.runningNumber(int(map.surahs.size()), map.surahs.back().verses)))
                           .arg(QLocale().toString(map.surahs.size()));
            return {};
        }
        // A division's marker stands before its first verse, and before the text's first verse
        // for the division that holds it.
        for (qsizetype kind = 0; kind < map.kinds.size(); ++kind) {
            const QList<int>& starts = map.kinds[kind].starts;
            const int at =
                int(std::upper_bound(starts.begin(), starts.end(), number) - starts.begin());
            if (at != division[kind])
                made.append(QStringLiteral("## %1 %2").arg(map.kinds[kind].name).arg(at));
            division[kind] = at;
        }
        if (verse.chapter != chapter) {
            chapter = verse.chapter;
            made.append(QStringLiteral("# ") + map.surahs[chapter - 1].name);
        }
        made.append(verse.text);
    }
    return made.join(QStringLiteral("\r\n"));
}

} // namespace textimport
