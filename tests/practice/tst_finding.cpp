#include "LookAlikes.h"
#include "PassageFinder.h"
#include "TesterSession.h"
#include "arabicfold.h"
#include "itemlist.h"

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

} // namespace

// Finding passages by their words, and telling look-alike passages apart.
class tst_finding : public QObject {
    Q_OBJECT
private slots:
    void folding_data();
    void folding();
    void finding_data();
    void finding();
    void wordModeFindsLines();
    void lookAlikes();
    void testerOffersALookAlike();
};

void tst_finding::folding_data()
{
    QTest::addColumn<QString>("one");
    QTest::addColumn<QString>("other");
    QTest::newRow("Uthmani and plain") << "بِسۡمِ ٱللَّهِ"
                                       << "بسم الله";
    QTest::newRow("the dagger alef") << "ٱلرَّحۡمَٰنِ"
                                     << "الرحمن";
    QTest::newRow("alef with hamza below") << "إِيَّاكَ"
                                           << "اياك";
    QTest::newRow("alif maqsura and ya") << "مُوسَىٰ"
                                         << "موسي";
    QTest::newRow("ta marbuta and ha") << "رَحۡمَةٌ"
                                       << "رحمه";
    QTest::newRow("hamza on the line, and madda") << "ءَامَنُواْ"
                                                  << "آمنوا";
    QTest::newRow("hamza carriers") << "يُؤۡمِنُونَ"
                                    << "يومنون";
    QTest::newRow("pause signs and tatweel") << "رَيۡبَۛ فِيهِۛ"
                                             << "ريـــب فيه";
    QTest::newRow("punctuation and repeated spaces") << "﴿قُلۡ  هُوَ﴾، ٱللَّهُ"
                                                     << "قل هو الله";
    QTest::newRow("Arabic-Indic digits") << "٢٥ آية"
                                         << "25 اية";
    QTest::newRow("Latin letters in any case") << "Al-Fatiha"
                                               << "al fatiha";
}

void tst_finding::folding()
{
    QFETCH(QString, one);
    QFETCH(QString, other);
    QCOMPARE(arabicfold::fold(one), arabicfold::fold(other));
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
}

void tst_finding::finding()
{
    QFETCH(QString, query);
    QFETCH(QList<int>, firsts);
    const PassageFinder finder(PassageFinder::itemsOf(kFatiha));
    QList<int> found;
    for (const int index : finder.find(query, 10))
        found.append(finder.passage(index).first);
    QCOMPARE(found, firsts);
}

// In word mode a passage is a line: found by its words, it covers the line's word items.
void tst_finding::wordModeFindsLines()
{
    const ItemList list = buildItems(u"مَنْ جَدَّ وَجَدَ\r\n\r\nمَنْ زَرَعَ حَصَدَ", true);
    QList<std::pair<int, int>> lines;
    for (const LineEntry& line : list.lines)
        lines.append({line.firstItem, line.lastItem});
    const PassageFinder finder(PassageFinder::linesOf(list.items, lines));
    const QList<int> found = finder.find(QStringLiteral("زرع"), 5);
    QCOMPARE(found.size(), 1);
    QCOMPARE(finder.passage(found[0]).first, 4);
    QCOMPARE(finder.passage(found[0]).last, 6);
    QCOMPARE(finder.passage(found[0]).text, QStringLiteral("مَنْ زَرَعَ حَصَدَ"));
    QCOMPARE(finder.find(QStringLiteral("من"), 5).size(), 2);

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
}

QTEST_GUILESS_MAIN(tst_finding)
#include "tst_finding.moc"
