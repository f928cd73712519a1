#include "lists/textimport.h"

#include "lists/itemlist.h"

#include <QRegularExpression>
#include <QStringList>

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

// "2|255|text" on every line that is not blank: the verses of a Quran file.
QString fromChapterVerseLines(const QStringList& lines)
{
    static const QRegularExpression verse(QStringLiteral("^\\s*(\\d+)\\s*\\|\\s*\\d+\\s*\\|(.*)$"));
    QStringList made;
    QString chapter;
    for (const QString& line : lines) {
        if (isBlank(line))
            continue;
        const QRegularExpressionMatch match = verse.match(line);
        if (!match.hasMatch())
            return {};
        if (match.captured(1) != chapter) {
            chapter = match.captured(1);
            made.append(QStringLiteral("# ") + chapter);
        }
        made.append(match.captured(2).trimmed());
    }
    return made.join(QStringLiteral("\r\n"));
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

} // namespace

QString listText(const QString& text)
{
    const QStringList lines = linesOf(text);
    if (std::any_of(lines.begin(), lines.end(),
                    [](const QString& line) { return isHeading(line); }))
        return text;
    if (QString verses = fromChapterVerseLines(lines); !verses.isEmpty())
        return verses;
    if (QString stanzas = fromStanzas(lines); !stanzas.isEmpty())
        return stanzas;
    return text;
}

} // namespace textimport
