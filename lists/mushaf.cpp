#include "lists/mushaf.h"

#include <QFile>

namespace mushaf {

int Map::runningNumber(int surah, int verse) const
{
    if (surah < 1 || surah > surahs.size() || verse < 1 || verse > surahs[surah - 1].verses)
        return 0;
    int before = 0;
    for (int k = 0; k + 1 < surah; ++k)
        before += surahs[k].verses;
    return before + verse;
}

Map parse(QStringView data)
{
    Map map;
    int verses = 0;
    for (QStringView line : data.tokenize(u'\n', Qt::SkipEmptyParts)) {
        line = line.trimmed();
        if (line.isEmpty() || line.startsWith(u'#'))
            continue;
        const qsizetype space = line.indexOf(u' ');
        if (space <= 0)
            return {};
        const QStringView word = line.first(space);
        const QStringView rest = line.sliced(space + 1).trimmed();
        bool ok = false;
        if (word == u"surah") {
            const qsizetype nameAt = rest.indexOf(u' ');
            const int count = nameAt > 0 ? rest.first(nameAt).toInt(&ok) : 0;
            if (!ok || count < 1 || !map.kinds.isEmpty())
                return {};
            map.surahs.append({count, rest.sliced(nameAt + 1).trimmed().toString()});
            verses += count;
            continue;
        }
        Kind kind{word.toString(), {}};
        for (QStringView start : rest.tokenize(u' ', Qt::SkipEmptyParts)) {
            const int number = start.toInt(&ok);
            if (!ok || number < 1 || number > verses ||
                (!kind.starts.isEmpty() && number <= kind.starts.back()))
                return {};
            kind.starts.append(number);
        }
        if (kind.starts.isEmpty() || kind.starts.front() != 1)
            return {};
        map.kinds.append(std::move(kind));
    }
    return map;
}

const Map& madani()
{
    static const Map map = [] {
        QFile file(QStringLiteral(":/zorvel/mushaf/madani.txt"));
        return file.open(QIODevice::ReadOnly) ? parse(QString::fromUtf8(file.readAll())) : Map();
    }();
    return map;
}

} // namespace mushaf
