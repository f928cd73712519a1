// zorvel-quran-bench QURAN.json: Find and the look-alikes over the whole Quran in the Uthmani
// script (the quran-json package's dist/quran.json, never kept with the program): how long
// they take, and how well plain spellings find the verses that hold them. With SHOW_EXTRA set,
// the verses found beyond those known to hold a query are listed, to be read.

#include "bench/measuring.h"
#include "lists/arabicfold.h"
#include "practice/search/LookAlikes.h"
#include "practice/search/PassageFinder.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>
#include <QTextStream>

#include <algorithm>

namespace {

struct Verses {
    QStringList references;
    QStringList texts;
};

Verses readQuran(const QString& path)
{
    QFile file(path);
    Verses verses;
    if (!file.open(QIODevice::ReadOnly))
        return verses;
    for (const QJsonValue surah : QJsonDocument::fromJson(file.readAll()).array()) {
        const int number = surah[QStringLiteral("id")].toInt();
        for (const QJsonValue verse : surah[QStringLiteral("verses")].toArray()) {
            verses.references.append(
                QStringLiteral("%1:%2").arg(number).arg(verse[QStringLiteral("id")].toInt()));
            verses.texts.append(verse[QStringLiteral("text")].toString());
        }
    }
    return verses;
}

// What a learner types, and the words of the mushaf that it means, written as they stand
// there (alternatives apart by "|"): the truth the search is measured against, read from the
// letters of the Uthmani script, not through its folding.
const QList<std::pair<QString, QString>> kQueries{
    {QStringLiteral("الكتاب"), QStringLiteral("ٱلۡكِتَٰبِ")},
    {QStringLiteral("الصلاة"), QStringLiteral("ٱلصَّلَوٰةَ")},
    {QStringLiteral("الزكاة"), QStringLiteral("ٱلزَّكَوٰةَ")},
    {QStringLiteral("الحياة"), QStringLiteral("ٱلۡحَيَوٰةِ")},
    {QStringLiteral("إبراهيم"), QStringLiteral("إِبۡرَٰهِيمَ|إِبۡرَٰهِـۧمَ")},
    {QStringLiteral("إسماعيل"), QStringLiteral("إِسۡمَٰعِيلَ")},
    {QStringLiteral("السماوات"), QStringLiteral("ٱلسَّمَٰوَٰتِ")},
    {QStringLiteral("الرحمن"), QStringLiteral("ٱلرَّحۡمَٰنُ")},
    {QStringLiteral("قال"), QStringLiteral("قَالَ|قَٰلَ")},
    {QStringLiteral("هذا"), QStringLiteral("هَٰذَا")},
    {QStringLiteral("ذلك"), QStringLiteral("ذَٰلِكَ")},
    {QStringLiteral("لكن"), QStringLiteral("لَٰكِنِ")},
    {QStringLiteral("هؤلاء"), QStringLiteral("هَـٰٓؤُلَآءِ")},
    {QStringLiteral("أولئك"), QStringLiteral("أُوْلَـٰٓئِكَ")},
    {QStringLiteral("إله"), QStringLiteral("إِلَٰهَ|ءِلَٰهٞ")},
    {QStringLiteral("التوراة"), QStringLiteral("ٱلتَّوۡرَىٰةِ")},
    {QStringLiteral("موسى"), QStringLiteral("مُوسَىٰ|مُوسَى")},
    {QStringLiteral("الملائكة"), QStringLiteral("ٱلۡمَلَـٰٓئِكَةُ")},
    {QStringLiteral("إسرائيل"), QStringLiteral("إِسۡرَـٰٓءِيلَ")},
    {QStringLiteral("القرآن"), QStringLiteral("ٱلۡقُرۡءَانَ")},
    {QStringLiteral("شيئا"), QStringLiteral("شَيۡـٔٗا")},
    {QStringLiteral("داود"), QStringLiteral("دَاوُۥدَ")},
    {QStringLiteral("الآخرة"), QStringLiteral("ٱلۡأٓخِرَةِ")},
    {QStringLiteral("الجنة"), QStringLiteral("ٱلۡجَنَّةِ")},
    {QStringLiteral("الله"), QStringLiteral("ٱللَّهِ")},
    {QStringLiteral("يسألونك"), QStringLiteral("يَسۡـَٔلُونَكَ")},
    {QStringLiteral("السيئات"), QStringLiteral("ٱلسَّيِّـَٔاتِ")},
    {QStringLiteral("يوم القيامة"), QStringLiteral("يَوۡمَ ٱلۡقِيَٰمَةِ")},
    {QStringLiteral("رب العالمين"), QStringLiteral("رَبِّ ٱلۡعَٰلَمِينَ")},
    {QStringLiteral("الذين آمنوا"), QStringLiteral("ٱلَّذِينَ ءَامَنُواْ")},
    {QStringLiteral("يا أيها الناس"), QStringLiteral("يَـٰٓأَيُّهَا ٱلنَّاسِ")},
    {QStringLiteral("يا قوم"), QStringLiteral("يَٰقَوۡمِ")},
    {QStringLiteral("رأى"), QStringLiteral("رَءَا|رَأَىٰ")},
    {QStringLiteral("النبيين"), QStringLiteral("ٱلنَّبِيِّـۧنَ")},
    {QStringLiteral("الصالحات"), QStringLiteral("ٱلصَّـٰلِحَٰتِ")},
    {QStringLiteral("عيسى ابن مريم"), QStringLiteral("عِيسَى ٱبۡنُ مَرۡيَمَ")},
    {QStringLiteral("الأرض"), QStringLiteral("ٱلۡأَرۡضِ")},
    {QStringLiteral("الناس"), QStringLiteral("ٱلنَّاسِ")},
    {QStringLiteral("مثقال ذرة"), QStringLiteral("مِثۡقَالَ ذَرَّةٖ")},
    {QStringLiteral("سبحان"), QStringLiteral("سُبۡحَٰنَ|سُبۡحَانَ")},
};

// A word of the mushaf as its letters stand: vowels, signs and tatweel gone, the letters that
// tell spellings apart (the dagger alef, the small letters, the hamza's forms) kept.
QString letters(QStringView word)
{
    QString kept;
    for (const QChar c : word) {
        const char16_t u = c.unicode();
        const bool sign = (u >= 0x064B && u <= 0x0653) || (u >= 0x0656 && u <= 0x065F) ||
                          (u >= 0x06D6 && u <= 0x06E4) || (u >= 0x06E8 && u <= 0x06ED) ||
                          u == 0x0640;
        if (!sign)
            kept += c;
    }
    return kept;
}

// Whether a word of the mushaf is `stem` with the letters that attach before a word: the
// question's أ or the vocative يٰ, و or ف, then ب ل ك or س, and ل before the article as لل (لل
// before ل as ل).
bool holds(const QString& word, const QString& stem)
{
    static const QString kArticle = QStringLiteral("\u0671\u0644");
    for (const QString& conjunction :
         {QString(), QStringLiteral("و"), QStringLiteral("ف"), QStringLiteral("أ"),
          QStringLiteral("يٰ"), QStringLiteral("أو"), QStringLiteral("أف")}) {
        if (!word.startsWith(conjunction))
            continue;
        const QString rest = word.mid(conjunction.size());
        for (const QString& preposition : {QString(), QStringLiteral("ب"), QStringLiteral("ل"),
                                           QStringLiteral("ك"), QStringLiteral("س")}) {
            if (rest == preposition + stem)
                return true;
        }
        if (stem.startsWith(kArticle)) {
            const QString bare = stem.mid(2);
            if (rest == QStringLiteral("لل") + bare ||
                (bare.startsWith(u'ل') && rest == QStringLiteral("ل") + bare))
                return true;
        }
    }
    return false;
}

// The verses holding the words of `truth` one after the other.
QSet<int> versesHolding(const QList<QStringList>& words, const QString& truth)
{
    QList<QStringList> stems;
    for (const QString& word : truth.split(u' '))
        stems.append(word.split(u'|'));
    for (QStringList& alternatives : stems)
        for (QString& stem : alternatives)
            stem = letters(stem);
    QSet<int> found;
    for (int v = 0; v < words.size(); ++v) {
        const QStringList& verse = words[v];
        for (qsizetype at = 0; at + stems.size() <= verse.size(); ++at) {
            bool all = true;
            for (qsizetype k = 0; k < stems.size() && all; ++k)
                all = std::any_of(stems[k].begin(), stems[k].end(),
                                  [&](const QString& stem) { return holds(verse[at + k], stem); });
            if (all) {
                found.insert(v);
                break;
            }
        }
    }
    return found;
}

void measureQuality(const Verses& verses, const PassageFinder& finder)
{
    QList<QStringList> words;
    for (const QString& text : verses.texts) {
        QStringList verse;
        for (const QString& word : text.split(u' ', Qt::SkipEmptyParts)) {
            const QString kept = letters(word);
            if (!kept.isEmpty())
                verse.append(kept);
        }
        words.append(verse);
    }
    QTextStream out(stdout);
    out << "\n| Typed | Verses holding it | Found | Recall | Precision |\n|---|---|---|---|---|\n";
    qsizetype relevantAll = 0, foundAll = 0, rightAll = 0;
    for (const auto& [typed, truth] : kQueries) {
        const QSet<int> relevant = versesHolding(words, truth);
        const bool phrase = typed.contains(u' ');
        QSet<int> found;
        // A space after the words: the learner typed them whole.
        for (const PassageFinder::Hit& hit : finder.find(typed + u' '))
            if (!phrase || hit.together)
                found.insert(hit.passage);
        const qsizetype right = QSet<int>(relevant).intersect(found).size();
        if (qEnvironmentVariableIsSet("SHOW_EXTRA"))
            for (int v : std::as_const(found))
                if (!relevant.contains(v))
                    out << typed << " + " << verses.references[v] << " " << verses.texts[v] << "\n";
        relevantAll += relevant.size();
        foundAll += found.size();
        rightAll += right;
        out << QStringLiteral("| %1 | %2 | %3 | %4 | %5 |\n")
                   .arg(typed)
                   .arg(relevant.size())
                   .arg(found.size())
                   .arg(relevant.isEmpty() ? 1.0 : double(right) / double(relevant.size()), 0, 'f',
                        3)
                   .arg(found.isEmpty() ? 1.0 : double(right) / double(found.size()), 0, 'f', 3);
    }
    out << QStringLiteral("| all %1 queries | %2 | %3 | %4 | %5 |\n")
               .arg(kQueries.size())
               .arg(relevantAll)
               .arg(foundAll)
               .arg(double(rightAll) / double(relevantAll), 0, 'f', 3)
               .arg(double(rightAll) / double(foundAll), 0, 'f', 3);
}

void measureLookAlikes(const Verses& verses, const LookAlikes& lookAlikes)
{
    QTextStream out(stdout);
    out << "\n| Verse | Its look-alike |\n|---|---|\n";
    for (const QString& reference :
         {QStringLiteral("2:35"), QStringLiteral("7:19"), QStringLiteral("2:136"),
          QStringLiteral("3:84"), QStringLiteral("2:58"), QStringLiteral("7:161"),
          QStringLiteral("2:48"), QStringLiteral("2:123")}) {
        const int number = int(verses.references.indexOf(reference)) + 1;
        const int other = lookAlikes.mostLike(number, number, number + 2);
        out << QStringLiteral("| %1 | %2 |\n").arg(reference, verses.references.value(other - 1));
    }
}

} // namespace

int main(int argc, char* argv[])
{
    const Verses verses = readQuran(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString());
    if (verses.texts.isEmpty()) {
        QTextStream(stderr) << "usage: zorvel-quran-bench quran.json (from the quran-json "
                               "package)\n";
        return 2;
    }
    QTextStream(stdout)
        << "| Measured | Time | Reference | Time | Ratio |\n|---|---|---|---|---|\n";
    const PassageFinder finder(PassageFinder::itemsOf(verses.texts));
    std::vector<double> searches;
    std::vector<double> scans;
    for (const auto& query : kQueries) {
        const QString& typed = query.first;
        searches.push_back(measure(11, [&] { finder.find(typed); }));
        scans.push_back(measure(11, [&] {
            keep(std::count_if(verses.texts.cbegin(), verses.texts.cend(),
                               [&](const QString& verse) { return verse.contains(typed); }));
        }));
    }
    row(QStringLiteral("Find: a search over the whole Quran (median of %1 queries)")
            .arg(kQueries.size()),
        median(searches), QStringLiteral("scan the verses for the text unfolded"), median(scans));
    const double index = measure(7, [&] { LookAlikes built(verses.texts); });
    const double foldOnly = measure(7, [&] {
        for (const QString& verse : verses.texts)
            arabicfold::fold(verse);
    });
    row(QStringLiteral("build the look-alikes' index, whole Quran"), index,
        QStringLiteral("fold the verses alone"), foldOnly);
    const LookAlikes lookAlikes(verses.texts);
    const double everyQuestion = measure(3, [&] {
        for (int n = 1; n <= verses.texts.size(); ++n)
            lookAlikes.mostLike(n, n, n + 2);
    });
    row(QStringLiteral("one look-alike question, whole Quran (mean of every verse)"),
        everyQuestion / double(verses.texts.size()), QStringLiteral("fold one verse (mean)"),
        foldOnly / double(verses.texts.size()));
    measureQuality(verses, finder);
    measureLookAlikes(verses, lookAlikes);
    return 0;
}
