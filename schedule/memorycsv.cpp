#include "schedule/memorycsv.h"

#include "schedule/revisionplan.h"

#include <algorithm>

QString csvField(const QString& text)
{
    // A leading =, +, - or @ makes a formula of a cell, as does one behind a TAB or a line
    // break, which a spreadsheet passes over; an apostrophe keeps it text.
    QString value = text;
    const auto start = std::find_if(value.cbegin(), value.cend(),
                                    [](QChar c) { return !QStringLiteral(" \t\r\n").contains(c); });
    if (start != value.cend() && QStringLiteral("=+-@").contains(*start))
        value.prepend(u'\'');
    if (!value.contains(u',') && !value.contains(u'"') && !value.contains(u'\n') &&
        !value.contains(u'\r') && !value.contains(u'\t'))
        return value;
    value.replace(u'"', QStringLiteral("\"\""));
    return u'"' + value + u'"';
}

QString memoryCsv(const QStringList& items, const QStringList& references, bool wordMode,
                  const QMap<int, ItemMemory>& memories, QDate today, double retention,
                  const fsrs::Parameters& weights)
{
    QString csv = QStringLiteral("number,reference,text,mode,reviews,lapses,difficulty,"
                                 "stability_days,recall_today,next_due\r\n");
    const QString mode = wordMode ? QStringLiteral("word") : QStringLiteral("line");
    for (int number = 1; number <= items.size(); ++number) {
        QStringList row{QString::number(number), csvField(references.value(number - 1)),
                        csvField(items[number - 1]), mode};
        const auto memory = memories.constFind(number);
        // A memory of another text is of an edited item: this one was never practised.
        if (memory != memories.cend() && memory->text == items[number - 1]) {
            row << QString::number(memory->reviews) << QString::number(memory->lapses)
                << QString::number(memory->state.difficulty, 'f', 2)
                << QString::number(memory->state.stability, 'f', 2)
                << QString::number(revisionplan::recallOn(*memory, today, weights), 'f', 3)
                << revisionplan::dueOn(*memory, retention, weights).toString(Qt::ISODate);
        } else {
            row << QStringLiteral("0") << QStringLiteral("0") << QString() << QString() << QString()
                << QString();
        }
        csv += row.join(u',') + QStringLiteral("\r\n");
    }
    return csv;
}
