#include "practice/recitation/recitationindex.h"

#include <QCoreApplication>
#include <QDir>

namespace recitation {

namespace {

bool isAudio(QStringView suffix)
{
    for (const char* known : {"mp3", "ogg", "opus", "flac", "wav"})
        if (suffix.compare(QLatin1String(known), Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

bool allDigits(QStringView name)
{
    return !name.isEmpty() &&
           std::all_of(name.begin(), name.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
}

QString pathOf(const Index& index, const QString& name)
{
    return name.isEmpty() ? QString() : index.folder + u'/' + name;
}

} // namespace

Index indexFolder(const QString& folder, const std::atomic_bool* cancel)
{
    Index index;
    if (cancel && *cancel)
        return index;
    index.folder = folder;
    const QStringList names = QDir(folder).entryList(QDir::Files | QDir::Readable, QDir::Unsorted);
    index.byName.reserve(names.size());
    for (const QString& name : names) {
        if (cancel && *cancel)
            return {};
        const qsizetype dot = name.lastIndexOf(u'.');
        if (dot <= 0 || !isAudio(QStringView(name).sliced(dot + 1)))
            continue;
        const QStringView base = QStringView(name).first(dot);
        ++index.files;
        index.byName.insert(base.toString(), name);
        if (base.size() >= 4 && base.size() <= 9 && allDigits(base))
            index.byNumber.insert(base.toInt(), name);
    }
    return index;
}

QString fileFor(const Index& index, const QList<Part>& parts, int number)
{
    if (const int part = partOfItem(parts, number); part >= 0) {
        const int inPart = number - parts[part].firstItem + 1;
        if (part < 999 && inPart < 1000) {
            const QString name = QStringLiteral("%1%2")
                                     .arg(part + 1, 3, 10, QChar(u'0'))
                                     .arg(inPart, 3, 10, QChar(u'0'));
            return pathOf(index, index.byName.value(name));
        }
        return {};
    }
    return pathOf(index, index.byNumber.value(number));
}

int matched(const Index& index, const QList<Part>& parts, int count)
{
    int found = 0;
    for (int number = 1; number <= count; ++number)
        found += fileFor(index, parts, number).isEmpty() ? 0 : 1;
    return found;
}

QString expectedNames(const QList<Part>& parts)
{
    return parts.isEmpty()
               ? QCoreApplication::translate("recitation",
                                             "files named by the entry's number in four digits: "
                                             "0007.mp3 for entry 7")
               : QCoreApplication::translate("recitation",
                                             "files named by the part's number and the entry's "
                                             "number in it, three digits each: 002255.mp3 for "
                                             "2:255");
}

} // namespace recitation
