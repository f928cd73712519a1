#include "lists/arabicfold.h"
#include "lists/itemlist.h"
#include "lists/typedword.h"
#include "practice/search/LookAlikes.h"
#include "practice/search/PassageFinder.h"
#include "practice/search/pairdiff.h"
#include "practice/session/TesterSession.h"

#include <QFile>
#include <QTest>

namespace {

// Al-Fatiha in the Uthmani script.
const QStringList kFatiha{QStringLiteral("بِسۡمِ ٱللَّهِ ٱلرَّحۡمَٰنِ ٱلرَّحِيمِ"),
                          QStringLiteral("ٱلۡحَمۡدُ لِلَّهِ رَبِّ ٱلۡعَٰلَمِينَ"),
                          QStringLiteral("ٱلرَّحۡمَٰنِ ٱلرَّحِيمِ"),
                          QStringLiteral("مَٰلِكِ يَوۡمِ ٱلدِّينِ"),
                          QStringLiteral("إِيَّاكَ نَعۡبُدُ وَإِيَّاكَ نَسۡتَعِينُ"),
                          QStringLiteral("ٱهۡدِنَا ٱلصِّرَٰطَ ٱلۡمُسۡتَقِيمَ"),
                          QStringLiteral("صِرَٰطَ ٱلَّذِينَ أَنۡعَمۡتَ عَلَيۡهِمۡ غَيۡرِ ٱلۡمَغۡضُوبِ عَلَيۡهِمۡ وَلَا ٱلضَّآلِّينَ")};

// Al-Baqarah 48 and 123 begin with the same seven words.
const QString k48 = QStringLiteral("وَٱتَّقُواْ يَوۡمٗا لَّا تَجۡزِي نَفۡسٌ عَن نَّفۡسٖ شَيۡـٔٗا وَلَا يُقۡبَلُ مِنۡهَا شَفَٰعَةٞ");
const QString k123 = QStringLiteral("وَٱتَّقُواْ يَوۡمٗا لَّا تَجۡزِي نَفۡسٌ عَن نَّفۡسٖ شَيۡـٔٗا وَلَا يُقۡبَلُ مِنۡهَا عَدۡلٞ");

// Verses of Al-Baqarah, Al-A'raf and others in the Uthmani script, each with its reference:
// look-alike verses among verses that share their formulas.
struct Verses {
    QStringList references;
    QStringList texts;
    int number(const QString& reference) const { return int(references.indexOf(reference)) + 1; }
};

Verses loadVerses()
{
    QFile file(QStringLiteral(ZORVEL_VERSES));
    if (!file.open(QIODevice::ReadOnly))
        qFatal("no verses");
    Verses verses;
    for (const QString& line : QString::fromUtf8(file.readAll()).split(u'\n', Qt::SkipEmptyParts)) {
        verses.references.append(line.section(u'\t', 0, 0));
        verses.texts.append(line.section(u'\t', 1));
    }
    return verses;
}

} // namespace

// Finding passages by their words, and telling look-alike passages apart.
class tst_finding : public QObject {
    Q_OBJECT
private slots:
    void folding_data();
    void folding();
    void typedWords_data();
    void typedWords();
    void finding_data();
    void finding();
    void findingVerses_data();
    void findingVerses();
    void wordModeFindsLines();
    void lookAlikes();
    void lookAlikeVerses_data();
    void lookAlikeVerses();
    void pairDifferences_data();
    void pairDifferences();
    void testerOffersALookAlike();
};

void tst_finding::folding_data()
{
    QTest::addColumn<QString>("one");
    QTest::addColumn<QString>("other");
    const auto row = [](const char* name, const char* one, const char* other) {
        QTest::newRow(name) << QString::fromUtf8(one) << QString::fromUtf8(other);
    };
    row("Uthmani and plain", "بِسۡمِ ٱللَّهِ", "بسم الله");
    row("the dagger alef is an alef", "ٱلۡكِتَٰبِ", "الكتاب");
    row("the dagger alef in a verb", "قَٰلَ", "قال");
    row("the dagger alef, with the article", "ٱلۡعَٰلَمِينَ", "العالمين");
    row("silent in the merciful", "ٱلرَّحۡمَٰنُ", "الرحمن");
    row("silent after a preposition", "لِلرَّحۡمَٰنِ", "للرحمن");
    row("silent in this", "هَٰذِهِ", "هذه");
    row("silent in that", "ذَٰلِكَ", "ذلك");
    row("silent after ka", "كَذَٰلِكَ", "كذلك");
    row("silent in but", "وَلَٰكِنَّ", "ولكن");
    row("silent in these", "هَـٰٓؤُلَآءِ", "هؤلاء");
    row("silent in those", "فَأُوْلَـٰٓئِكَ", "فأولئك");
    row("silent in god", "إِلَٰهَ", "إله");
    row("a waw carrying it is an alef", "ٱلصَّلَوٰةَ", "الصلاة");
    row("in the alms", "ٱلزَّكَوٰةَ", "الزكاة");
    row("in life", "ٱلۡحَيَوٰةِ", "الحياة");
    row("a waw with its own vowel stays", "ٱلسَّمَٰوَٰتِ", "السماوات");
    row("an alef maqsura carrying it inside a word", "ٱلتَّوۡرَىٰةِ", "التوراة");
    row("at the end of a word it stays", "مُوسَىٰ", "موسى");
    row("the small high yeh is a yeh", "إِبۡرَٰهِـۧمَ", "إبراهيم");
    row("and doubles a yeh", "ٱلنَّبِيِّـۧنَ", "النبيين");
    row("the small yeh inside a word", "إِۦلَٰفِهِمۡ", "إيلافهم");
    row("the small yeh at the end is nothing", "بِهِۦ", "به");
    row("the small waw at the end is nothing", "لَهُۥ", "له");
    row("the small waw inside a word", "يَلۡوُۥنَ", "يلوون");
    row("a doubled waw is one", "دَاوُۥدَ", "داود");
    row("the vocative written onto its noun", "يَٰقَوۡمِ", "يا قوم");
    row("the vocative before a hamza", "يَـٰٓأَيُّهَا", "يا أيها");
    row("the vocative before a hamza on a tatweel", "يَـٰٓـَٔادَمُ", "يا آدم");
    row("ha written onto its pronoun", "هَـٰٓأَنتُمۡ", "ها أنتم");
    row("a hamza on a tatweel written on an alef", "يَسۡـَٔلُونَكَ", "يسألونك");
    row("a hamza on a tatweel after a yeh", "شَيۡـٔٗا", "شيئا");
    row("a hamza on a tatweel after a kasra", "ٱلسَّيِّـَٔاتِ", "السيئات");
    row("a hamza with a damma", "مَسۡـُٔولٗا", "مسؤولا");
    row("a hamza on a tatweel before an alef", "مَـَٔابٖ", "مآب");
    row("the hamza on the line and its seats", "إِسۡرَـٰٓءِيلَ", "إسرائيل");
    row("a yeh seat", "ٱلۡمَلَـٰٓئِكَةُ", "الملائكة");
    row("a waw seat", "يُؤۡمِنُونَ", "يؤمنون");
    row("a hamza on the line before an alef", "ٱلۡقُرۡءَانَ", "القرآن");
    row("at the start of a word", "ءَامَنُواْ", "آمنوا");
    row("a hamza over a dagger alef", "ٱلۡـَٰٔنَ", "الآن");
    row("a hamza on a dagger alef after a yeh", "خَطِيٓـَٰٔتِكُمۡۚ", "خطيئاتكم");
    row("alef with hamza below", "إِيَّاكَ", "اياك");
    row("alif maqsura and ya", "مُوسَىٰ", "موسي");
    row("ta marbuta and ha", "رَحۡمَةٌ", "رحمه");
    row("hamza on the line, and madda", "ءَامَنُواْ", "آمنوا");
    row("a hamza seat typed as its letter", "يُؤۡمِنُونَ", "يومنون");
    row("joiners are nothing", "لا\u200Cاله", "لااله");
    row("pause signs and tatweel", "رَيۡبَۛ فِيهِۛ", "ريـــب فيه");
    row("punctuation and repeated spaces", "﴿قُلۡ  هُوَ﴾، ٱللَّهُ", "قل هو الله");
    row("Arabic-Indic digits", "٢٥ آية", "25 اية");
    row("Latin letters in any case", "Al-Fatiha", "al fatiha");
}

void tst_finding::folding()
{
    QFETCH(QString, one);
    QFETCH(QString, other);
    QCOMPARE(arabicfold::fold(one), arabicfold::fold(other));
}

// A typed word meets a text word whole or after its attached letters, never inside another.
void tst_finding::typedWords_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("beginning"); // the word is still being typed
    QTest::addColumn<bool>("meets");
    QTest::newRow("the word itself") << "قَالَ"
                                     << "قال" << false << true;
    QTest::newRow("after wa") << "وَقَالَ"
                              << "قال" << false << true;
    QTest::newRow("after fa") << "فَقَالَ"
                              << "قال" << false << true;
    QTest::newRow("after bi and the article") << "بِٱلۡكِتَٰبِ"
                                              << "كتاب" << false << true;
    QTest::newRow("after li and the article, its alef gone") << "لِلۡمُتَّقِينَ"
                                                             << "المتقين" << false << true;
    QTest::newRow("the typed article before li") << "لِلَّهِ"
                                                 << "الله" << false << true;
    QTest::newRow("after wa, bi and the article") << "وَبِٱلۡأٓخِرَةِ"
                                                  << "الآخرة" << false << true;
    QTest::newRow("after sa") << "سَيَقُولُ"
                              << "يقول" << false << true;
    QTest::newRow("after ka and the article") << "كَٱلَّذِي"
                                              << "الذي" << false << true;
    QTest::newRow("after fa and li") << "فَلَهُمۡ"
                                     << "هم" << false << true;
    QTest::newRow("the article typed, the text without it") << "كِتَٰبٖ"
                                                            << "الكتاب" << false << false;
    QTest::newRow("the text with the article, typed without") << "ٱلۡكِتَٰبِ"
                                                              << "كتاب" << false << true;
    QTest::newRow("a longer word is not its end") << "مِثۡقَالَ"
                                                  << "قال" << false << false;
    QTest::newRow("nor its beginning") << "ٱللَّهُمَّ"
                                       << "الله" << false << false;
    QTest::newRow("unless the word is being typed") << "ٱللَّهُمَّ"
                                                    << "الل" << true << true;
    QTest::newRow("a word being typed after attached letters") << "وَٱلسَّمَٰوَٰتِ"
                                                               << "السما" << true << true;
    QTest::newRow("a short word with al is kept whole") << "لِلَّهِ"
                                                        << "إله" << false << false;
    QTest::newRow("a suffix is another word") << "قَالُواْ"
                                              << "قال" << false << false;
    QTest::newRow("and the typed word its start") << "قَالُواْ"
                                                  << "قال" << true << true;
}

void tst_finding::typedWords()
{
    QFETCH(QString, text);
    QFETCH(QString, typed);
    QFETCH(bool, beginning);
    QFETCH(bool, meets);
    QCOMPARE(TypedWord(arabicfold::fold(typed), beginning).meets(arabicfold::fold(text)), meets);
}

void tst_finding::finding_data()
{
    QTest::addColumn<QString>("query");
    QTest::addColumn<QList<int>>("firsts"); // the passages found, by their first item
    QTest::newRow("a word in two verses: the one where it stands first comes first")
        << "الرحمن" << QList<int>{3, 1};
    QTest::newRow("two words anywhere") << "الرحيم بسم" << QList<int>{1};
    QTest::newRow("typed with its marks") << "رَبِّ ٱلۡعَٰلَمِينَ" << QList<int>{2};
    QTest::newRow("a verse number") << "5" << QList<int>{5};
    QTest::newRow("nothing holds it") << "البقرة" << QList<int>{};
    QTest::newRow("an empty query finds nothing") << "  " << QList<int>{};
    // Two parts here, verses 1-3 and 4-7.
    QTest::newRow("a reference goes to its verse") << "2:2" << QList<int>{5};
    QTest::newRow("in Arabic-Indic digits, spaced") << "٢ : ١" << QList<int>{4};
    QTest::newRow("a reference past its part names nothing") << "1:4" << QList<int>{};
}

void tst_finding::finding()
{
    QFETCH(QString, query);
    QFETCH(QList<int>, firsts);
    PassageFinder finder(PassageFinder::itemsOf(kFatiha));
    finder.setPartStarts({0, 3});
    QList<int> found;
    for (const PassageFinder::Hit& hit : finder.find(query, PassageFinder::Order::Best))
        found.append(finder.passage(hit.passage).first);
    QCOMPARE(found, firsts);
}

// Every verse holding the words, in the mushaf's order or best first, the phrases marked.
void tst_finding::findingVerses_data()
{
    QTest::addColumn<QString>("query");
    QTest::addColumn<bool>("bestFirst");
    QTest::addColumn<QStringList>("found");
    QTest::addColumn<QStringList>("together");
    QTest::newRow("a formula, in order; apart after fa in 2:60")
        << "وإذ قلنا" << false << QStringList{"2:34", "2:58", "2:60", "17:61", "18:50", "20:116"}
        << QStringList{"2:34", "2:58", "17:61", "18:50", "20:116"};
    QTest::newRow("the vocative, typed apart")
        << "يا آدم" << false << QStringList{"2:33", "2:35", "7:19"}
        << QStringList{"2:33", "2:35", "7:19"};
    QTest::newRow("words apart") << "الجنة الشجرة" << false << QStringList{"2:35", "7:19", "7:22"}
                                 << QStringList{};
    QTest::newRow("the plain spelling of the prayer")
        << "الصلاة" << false << QStringList{"2:43", "2:45"} << QStringList{"2:43", "2:45"};
    QTest::newRow("best first: together and early")
        << "ادخلوا الباب" << true << QStringList{"2:58", "7:161"} << QStringList{"2:58", "7:161"};
    QTest::newRow("a word being typed")
        << "خطاي" << false << QStringList{"2:58"} << QStringList{"2:58"};
}

void tst_finding::findingVerses()
{
    QFETCH(QString, query);
    QFETCH(bool, bestFirst);
    QFETCH(QStringList, found);
    QFETCH(QStringList, together);
    const Verses verses = loadVerses();
    const PassageFinder finder(PassageFinder::itemsOf(verses.texts));
    QStringList actual;
    QStringList actualTogether;
    const auto order = bestFirst ? PassageFinder::Order::Best : PassageFinder::Order::List;
    for (const PassageFinder::Hit& hit : finder.find(query, order)) {
        actual.append(verses.references[finder.passage(hit.passage).first - 1]);
        if (hit.together)
            actualTogether.append(actual.back());
    }
    QCOMPARE(actual, found);
    QCOMPARE(actualTogether, together);
}

// In word mode a passage is a line: found by its words, it covers the line's word items.
void tst_finding::wordModeFindsLines()
{
    const ItemList list = buildItems(u"مَنْ جَدَّ وَجَدَ\r\n\r\nمَنْ زَرَعَ حَصَدَ", true);
    QList<std::pair<int, int>> lines;
    for (const LineEntry& line : list.lines)
        lines.append({line.firstItem, line.lastItem});
    const PassageFinder finder(PassageFinder::linesOf(list.items, lines));
    const QList<PassageFinder::Hit> found = finder.find(QStringLiteral("زرع"));
    QCOMPARE(found.size(), 1);
    const PassageFinder::Passage& line = finder.passage(found[0].passage);
    QCOMPARE(line.first, 4);
    QCOMPARE(line.last, 6);
    QCOMPARE(line.text, QStringLiteral("مَنْ زَرَعَ حَصَدَ"));
    QCOMPARE(finder.find(QStringLiteral("من")).size(), 2);

    // A long passage shows a few words around the match.
    const PassageFinder verses(PassageFinder::itemsOf(kFatiha));
    QCOMPARE(verses.excerpt(6, QStringLiteral("الضالين")),
             QStringLiteral("\u2026 عَلَيۡهِمۡ وَلَا ٱلضَّآلِّينَ"));
}

void tst_finding::lookAlikes()
{
    QStringList list = kFatiha;
    list << k48 << QStringLiteral("قُلۡ هُوَ ٱللَّهُ أَحَدٌ") << k123;
    const LookAlikes alike(list);
    QCOMPARE(alike.mostLike(8, 8, 10), 0); // the look-alike lies among the next three
    QCOMPARE(alike.mostLike(8, 8, 9), 10); // Al-Baqarah 123 for 48
    QCOMPARE(alike.mostLike(10, 10, 10), 8);
    QCOMPARE(alike.mostLike(4, 4, 6), 0); // nothing like "مالك يوم الدين"
}

// Twin verses find each other though their first words differ, and a formula shared with many
// verses does not outweigh the rest.
void tst_finding::lookAlikeVerses_data()
{
    QTest::addColumn<QString>("verse");
    QTest::addColumn<QString>("twin");
    QTest::newRow("Adam told to dwell, with wa") << "2:35"
                                                 << "7:19";
    QTest::newRow("and the other way") << "7:19"
                                       << "2:35";
    QTest::newRow("say: we believe") << "2:136"
                                     << "3:84";
    QTest::newRow("and back") << "3:84"
                              << "2:136";
    QTest::newRow("enter the town, not the prostration") << "2:58"
                                                         << "7:161";
    QTest::newRow("the day no soul avails") << "2:48"
                                            << "2:123";
}

void tst_finding::lookAlikeVerses()
{
    QFETCH(QString, verse);
    QFETCH(QString, twin);
    const Verses verses = loadVerses();
    const LookAlikes alike(verses.texts);
    const int number = verses.number(verse);
    QVERIFY(number > 0);
    const int found = alike.mostLike(number, number, number);
    QCOMPARE(verses.references.value(found - 1), twin);
}

// The words that tell a pair apart: what is not shared in order, spellings folded.
void tst_finding::pairDifferences_data()
{
    QTest::addColumn<QString>("one");
    QTest::addColumn<QString>("other");
    QTest::addColumn<QString>("differing"); // the differing words of each, "|" between
    const Verses verses = loadVerses();
    auto text = [&](const QString& reference) {
        return verses.texts[verses.number(reference) - 1];
    };
    QTest::newRow("the last word") << k48 << k123 << "شفاعة|عدل";
    QTest::newRow("the same words in another order")
        << text("2:48") << text("2:123") << "شفاعة ولا يؤخذ منها|تنفعها شفاعة ولا";
    QTest::newRow("twins apart at the start and in the middle")
        << text("2:35") << text("7:19") << "وقلنا يا آدم وكلا منها رغدا|ويا آدم فكلا من";
    QTest::newRow("a word added") << "a b c"
                                  << "a x b c"
                                  << "|x";
    QTest::newRow("spellings that fold alike are the same word") << "ٱلصَّلَوٰةَ قَائِمَة"
                                                                 << "الصلاة قائمة"
                                                                 << "|";
}

void tst_finding::pairDifferences()
{
    QFETCH(QString, one);
    QFETCH(QString, other);
    QFETCH(QString, differing);
    const auto [a, b] = pairdiff::compare(one, other);
    auto marked = [](const pairdiff::Words& words) {
        QStringList found;
        for (qsizetype w = 0; w < words.words.size(); ++w)
            if (words.differs[w])
                found.append(words.words[w]);
        return found.join(u' ');
    };
    QCOMPARE(arabicfold::fold(marked(a)) + u'|' + arabicfold::fold(marked(b)),
             arabicfold::fold(differing.section(u'|', 0, 0)) + u'|' +
                 arabicfold::fold(differing.section(u'|', 1)));
}

// With look-alikes on, one wrong choice is the look-alike, the rows show as many words as it
// takes to tell them apart, and picking the look-alike is a confusion.
void tst_finding::testerOffersALookAlike()
{
    QStringList list{k48, QStringLiteral("a b"), QStringLiteral("c d")};
    for (int i = 0; i < 6; ++i)
        list << QStringLiteral("x%1").arg(i);
    list << k123;
    const LookAlikes alike(list);
    TesterSession tester(std::mt19937(1), [] { return qint64(0); });
    tester.setLookAlikes([&](int n, int from, int to) { return alike.mostLike(n, from, to); });
    tester.restart(PracticeRange(list).chosen(1, 3));
    const QStringList choices = tester.choices();
    QCOMPARE(choices.size(), 3);
    // They differ only in their last word, so the rows show them whole.
    const QString right = getDisplayWords(k48, 99);
    const QString other = getDisplayWords(k123, 99);
    QVERIFY2(choices.contains(right) && choices.contains(other), qPrintable(choices.join(u'|')));
    QVERIFY(right != other);
    const TesterSession::Answer confused = tester.pick(int(choices.indexOf(other)));
    QCOMPARE(confused.verdict, TesterSession::Verdict::Wrong);
    QCOMPARE(confused.confusedWith, 10);
    QCOMPARE(tester.pick(int(tester.choices().indexOf(right))).verdict,
             TesterSession::Verdict::Right);

    // Al-Baqarah 34 goes on where Ta-Ha 116 ends: its row shows the words that tell it apart.
    list.front() = QStringLiteral("وَإِذۡ قُلۡنَا لِلۡمَلَٰٓئِكَةِ ٱسۡجُدُواْ لِأٓدَمَ فَسَجَدُوٓاْ إِلَّآ إِبۡلِيسَ "
                                  "أَبَىٰ وَٱسۡتَكۡبَرَ وَكَانَ مِنَ ٱلۡكَٰفِرِينَ");
    list.back() = QStringLiteral("وَإِذۡ قُلۡنَا لِلۡمَلَٰٓئِكَةِ ٱسۡجُدُواْ لِأٓدَمَ فَسَجَدُوٓاْ إِلَّآ إِبۡلِيسَ أَبَىٰ");
    const LookAlikes again(list);
    tester.setLookAlikes([&](int n, int from, int to) { return again.mostLike(n, from, to); });
    tester.restart(PracticeRange(list).chosen(1, 3));
    const QStringList rows = tester.choices();
    QVERIFY2(rows.contains(getDisplayWords(list.back(), 99)), qPrintable(rows.join(u'|')));
    QVERIFY2(
        std::any_of(rows.cbegin(), rows.cend(),
                    [](const QString& row) { return row.contains(QStringLiteral("وَٱسۡتَكۡبَرَ")); }),
        qPrintable(rows.join(u'|')));
}

QTEST_GUILESS_MAIN(tst_finding)
#include "tst_finding.moc"
