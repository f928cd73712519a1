#include "lists/itemlist.h"
#include "lists/mushaf.h"
#include "lists/textimport.h"

#include <QTest>

// The Madani mushaf's map, and a Quran text divided and named by it.
class tst_mushaf : public QObject {
    Q_OBJECT
private slots:
    void theMapIsTheMushafs();
    void realBoundaries_data();
    void realBoundaries();
    void textsTheMapDoesNotFit_data();
    void textsTheMapDoesNotFit();
    void badMapData_data();
    void badMapData();
    void aPartOfTheQuranGetsItsDivisions();
};

namespace {

// Every verse of the mushaf in the chapter|verse|text form, its text its reference.
QString wholeQuran(const mushaf::Map& map)
{
    QStringList lines;
    for (int surah = 1; surah <= map.surahs.size(); ++surah)
        for (int verse = 1; verse <= map.surahs[surah - 1].verses; ++verse)
            lines.append(QStringLiteral("%1|%2|آية %2 من %1").arg(surah).arg(verse));
    return lines.join(u'\n');
}

const ItemList& dividedQuran()
{
    static const ItemList list = [] {
        QString trouble;
        const QString text =
            textimport::mushafText(wholeQuran(mushaf::madani()), mushaf::madani(), &trouble);
        return buildItems(text, false);
    }();
    return list;
}

const DivisionKind* kindNamed(const ItemList& list, const QString& name)
{
    for (const DivisionKind& kind : list.divisions)
        if (kind.name == name)
            return &kind;
    return nullptr;
}

} // namespace

void tst_mushaf::theMapIsTheMushafs()
{
    const ItemList& list = dividedQuran();
    QCOMPARE(list.items.size(), 6236);
    QCOMPARE(list.parts.size(), 114);
    QCOMPARE(list.parts[77].name,
             QStringLiteral("\u0627\u0644\u0646\u0651\u064E\u0628\u064E\u0625")); // النبأ
    QCOMPARE(list.parts[1].lastItem - list.parts[1].firstItem + 1, 286);
    QCOMPARE(itemReference(list.parts, list.lines, 8 + 254), QStringLiteral("2:255"));
    QCOMPARE(list.items[8 + 254 - 1], QStringLiteral("آية 255 من 2"));
    QCOMPARE(itemReference(list.parts, list.lines, 6236), QStringLiteral("114:6"));
    QStringList counts;
    for (const DivisionKind& kind : list.divisions)
        counts.append(kind.name + u' ' + QString::number(kind.divisions.size()));
    QCOMPARE(counts.join(QStringLiteral(", ")),
             QStringLiteral("juz 30, page 604, quarter 240, manzil 7"));
    // Every division holds verses, and together those of a kind hold them all.
    for (const DivisionKind& kind : list.divisions) {
        QCOMPARE(kind.divisions.front().firstItem, 1);
        QCOMPARE(kind.divisions.back().lastItem, 6236);
        for (const Part& division : kind.divisions)
            QVERIFY(!division.isEmpty());
    }
}

void tst_mushaf::realBoundaries_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<int>("division");
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("last");
    QTest::newRow("page 2: the opening of al-Baqarah") << "page" << 2 << "2:1"
                                                       << "2:5";
    QTest::newRow("page 604: the last three surahs") << "page" << 604 << "112:1"
                                                     << "114:6";
    QTest::newRow("juz 2 begins inside al-Baqarah") << "juz" << 2 << "2:142"
                                                    << "2:252";
    QTest::newRow("juz 30") << "juz" << 30 << "78:1"
                            << "114:6";
    QTest::newRow("hizb quarter 2") << "quarter" << 2 << "2:26"
                                    << "2:43";
    QTest::newRow("manzil 2") << "manzil" << 2 << "5:1"
                              << "9:129";
}

void tst_mushaf::realBoundaries()
{
    QFETCH(QString, kind);
    QFETCH(int, division);
    QFETCH(QString, first);
    QFETCH(QString, last);
    const ItemList& list = dividedQuran();
    const DivisionKind* found = kindNamed(list, kind);
    QVERIFY(found);
    const Part& part = found->divisions[division - 1];
    QCOMPARE(part.name, QString::number(division));
    QCOMPARE(itemReference(list.parts, list.lines, part.firstItem), first);
    QCOMPARE(itemReference(list.parts, list.lines, part.lastItem), last);
}

void tst_mushaf::textsTheMapDoesNotFit_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("trouble");
    QTest::newRow("a verse beyond its surah: another numbering") << "2|286|a\n2|287|b"
                                                                 << "Verse 2:287 is not in the map";
    QTest::newRow("a surah beyond the 114") << "115|1|a"
                                            << "Verse 115:1 is not in the map";
    QTest::newRow("verse 0, as some files number the basmala") << "1|0|a"
                                                               << "Verse 1:0 is not in the map";
    QTest::newRow("not in the chapter|verse|text form") << "a\nb"
                                                        << "not in the chapter";
    QTest::newRow("empty") << ""
                           << "not in the chapter";
}

void tst_mushaf::textsTheMapDoesNotFit()
{
    QFETCH(QString, text);
    QFETCH(QString, trouble);
    QString told;
    QCOMPARE(textimport::mushafText(text, mushaf::madani(), &told), QString());
    QVERIFY2(told.contains(trouble), qPrintable(told));
}

void tst_mushaf::badMapData_data()
{
    QTest::addColumn<QString>("data");
    QTest::newRow("starts not ascending") << "surah 3 a\nsurah 2 b\npage 1 3 2";
    QTest::newRow("a start beyond the verses") << "surah 3 a\npage 1 4";
    QTest::newRow("the first division not at the first verse") << "surah 3 a\npage 2";
    QTest::newRow("a surah after the divisions") << "surah 3 a\npage 1\nsurah 2 b";
    QTest::newRow("a surah without a count") << "surah a";
    QTest::newRow("a word alone") << "surah";
}

void tst_mushaf::badMapData()
{
    QFETCH(QString, data);
    QVERIFY(mushaf::parse(data).isEmpty());
    QVERIFY(!mushaf::parse(QStringLiteral("# a note\nsurah 3 a b\npage 1 3")).isEmpty());
}

// The markers stand where the divisions begin, the first division's before the first verse
// even where it began before the text.
void tst_mushaf::aPartOfTheQuranGetsItsDivisions()
{
    QString trouble;
    const QString text = textimport::mushafText(QStringLiteral("2|4|d\n2|5|e\n2|6|f\n114|6|z"),
                                                mushaf::madani(), &trouble);
    QCOMPARE(trouble, QString());
    QCOMPARE(text.split(QStringLiteral("\r\n")),
             QStringList({"## juz 1", "## page 2", "## quarter 1", "## manzil 1",
                          QStringLiteral("# البَقَرَة"), "d", "e", "## page 3", "f", "## juz 30",
                          "## page 604", "## quarter 240", "## manzil 7",
                          QStringLiteral("# \u0627\u0644\u0646\u0651\u064E\u0627\u0633"), "z"}));
}

QTEST_MAIN(tst_mushaf)
#include "tst_mushaf.moc"
