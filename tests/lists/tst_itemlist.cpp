#include "lists/itemlist.h"
#include "lists/listfile.h"
#include "lists/listloader.h"
#include "lists/textimport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

Q_DECLARE_METATYPE(QList<LineEntry>)

namespace QTest {
template <> char* toString(const LineEntry& line)
{
    return qstrdup(QByteArray(QByteArray::number(line.lineNumber) + ':' +
                              QByteArray::number(line.firstItem) + '-' +
                              QByteArray::number(line.lastItem))
                       .constData());
}
} // namespace QTest

class tst_itemlist : public QObject {
    Q_OBJECT
private slots:
    void lineMode_data();
    void lineMode();
    void wordMode_data();
    void wordMode();
    void parts_data();
    void parts();
    void divisions_data();
    void divisions();
    void manyMarkersAndLongOnes();
    void importsFindTheParts_data();
    void importsFindTheParts();
    void displayWords_data();
    void displayWords();
    void titles_data();
    void titles();
    void loadOutcomes();
};

void tst_itemlist::lineMode_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("items");

    QTest::newRow("blank lines and the empty last line are skipped") << "a\r\n\r\nb\r\n"
                                                                     << QStringList{"a", "b"};
    QTest::newRow("a line of spaces is blank, a tab is not") << "   \r\n\t" << QStringList{"\t"};
    QTest::newRow("items keep their spaces") << " a b " << QStringList{" a b "};
    QTest::newRow("U+0000 removed, and a line of only U+0000 is blank")
        << QStringLiteral("a") + QChar(0) + "b\r\n" + QChar(0) << QStringList{"ab"};
    QTest::newRow("a lone LF does not break a line") << "a\nb\rc" << QStringList{"a\nb\rc"};
    QTest::newRow("empty text has no items") << "" << QStringList{};
}

void tst_itemlist::lineMode()
{
    QFETCH(QString, text);
    QFETCH(QStringList, items);
    const ItemList list = buildItems(text, false);
    QCOMPARE(list.items, items);
    QVERIFY(list.lines.isEmpty());
}

void tst_itemlist::wordMode_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("items");
    QTest::addColumn<QList<LineEntry>>("lines");

    QTest::newRow("one-word lines, the blank line keeps its number")
        << "a\r\n\r\nb\r\n"
        << QStringList{"<< a. 1>>", "<< b. 3>>"} << QList<LineEntry>{{1, 1, 1}, {3, 2, 2}};
    QTest::newRow("double spaces give no empty words")
        << "first\r\nx  y z" << QStringList{"<< first. 1>>", "x. 2 >>", "y", "<< z"}
        << QList<LineEntry>{{1, 1, 1}, {2, 2, 4}};
    QTest::newRow("two words have no middle")
        << "  a b  " << QStringList{"a. 1 >>", "<< b"} << QList<LineEntry>{{1, 1, 2}};
    QTest::newRow("Arabic words with diacritics")
        << QStringLiteral("مَنْ جَدَّ وَجَدَ")
        << QStringList{QStringLiteral("مَنْ. 1 >>"), QStringLiteral("جَدَّ"), QStringLiteral("<< وَجَدَ")}
        << QList<LineEntry>{{1, 1, 3}};
    QTest::newRow("blank lines only") << " \r\n\r\n" << QStringList{} << QList<LineEntry>{};
    QTest::newRow("a TAB parts the hemistichs, the second keeps the break")
        << QStringLiteral("قِفَا نَبْكِ ومَنْزِلِ\tبِسِقْطِ اللِّوَى")
        << QStringList{QStringLiteral("قِفَا. 1 >>"), QStringLiteral("نَبْكِ"), QStringLiteral("ومَنْزِلِ"),
                       QStringLiteral("\tبِسِقْطِ"), QStringLiteral("<< اللِّوَى")}
        << QList<LineEntry>{{1, 1, 5}};
    QTest::newRow("the last word after a TAB")
        << "a\tb" << QStringList{"a. 1 >>", "<< \tb"} << QList<LineEntry>{{1, 1, 2}};
    QTest::newRow("TABs and spaces around the words mark nothing")
        << "\t a \t\t b\t " << QStringList{"a. 1 >>", "<< \tb"} << QList<LineEntry>{{1, 1, 2}};
    QTest::newRow("a line of TABs has no word")
        << "a\r\n\t\t\r\nb" << QStringList{"<< a. 1>>", "<< b. 3>>"}
        << QList<LineEntry>{{1, 1, 1}, {3, 2, 2}};
}

void tst_itemlist::wordMode()
{
    QFETCH(QString, text);
    QFETCH(QStringList, items);
    QFETCH(QList<LineEntry>, lines);
    const ItemList list = buildItems(text, true);
    QCOMPARE(list.items, items);
    QCOMPARE(list.lines, lines);
}

namespace {

// "name 1-3" for each part, and the references of every item.
QString describeParts(const ItemList& list)
{
    QStringList parts;
    for (const Part& part : list.parts)
        parts.append(
            QStringLiteral("%1 %2-%3").arg(part.name).arg(part.firstItem).arg(part.lastItem));
    QStringList references;
    for (int item = 1; item <= list.items.size(); ++item)
        references.append(itemReference(list.parts, list.lines, item));
    return parts.join(QStringLiteral(", ")) + QStringLiteral(" | ") + references.join(u' ');
}

} // namespace

void tst_itemlist::parts_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("wordMode");
    QTest::addColumn<QStringList>("items");
    QTest::addColumn<QString>("parts");

    QTest::newRow("no heading: running numbers")
        << "a\r\n\r\nb" << false << QStringList{"a", "b"} << " | 1 2";
    QTest::newRow("headings name the items after them, numbered within")
        << "# الفاتحة\r\nf1\r\nf2\r\n# البقرة\r\nb1\r\n\r\nb2\r\nb3" << false
        << QStringList{"f1", "f2", "b1", "b2", "b3"}
        << QStringLiteral("الفاتحة 1-2, البقرة 3-5 | 1:1 1:2 2:1 2:2 2:3");
    QTest::newRow("items before the first heading keep their running numbers")
        << "intro\r\n# One\r\nx" << false << QStringList{"intro", "x"} << "One 2-2 | 1 1:1";
    QTest::newRow("a heading as the last line is an empty part")
        << "# One\r\nx\r\n# Two" << false << QStringList{"x"} << "One 1-1, Two 2-1 | 1:1";
    QTest::newRow("an entry, then a heading named by one unassigned character")
        << QStringLiteral("ال\u200Cحَذ\r\n# \u05F5") << false
        << QStringList{QStringLiteral("ال\u200Cحَذ")} << QStringLiteral("\u05F5 2-1 | 1");
    QTest::newRow("a list of headings only has no items")
        << "# One\r\n# Two" << false << QStringList{} << "One 1-0, Two 1-0 | ";
    QTest::newRow("# without a name, or without its space, is an item")
        << "# \r\n#x\r\n#" << false << QStringList{"# ", "#x", "#"} << " | 1 2 3";
    QTest::newRow("spaces around a heading and its name")
        << "  #  Al-Ikhlas  \r\nq" << false << QStringList{"q"} << "Al-Ikhlas 1-1 | 1:1";
    QTest::newRow("word mode: each line's first word carries its reference")
        << "# One\r\na b\r\nc\r\n# Two\r\nd e f" << true
        << QStringList{"a. 1:1 >>", "<< b", "<< c. 1:2>>", "d. 2:1 >>", "e", "<< f"}
        << "One 1-3, Two 4-6 | 1:1 1:1 1:2 2:1 2:1 2:1";
    QTest::newRow("word mode without parts: the line numbers")
        << "a b\r\n\r\nc" << true << QStringList{"a. 1 >>", "<< b", "<< c. 3>>"} << " | 1 1 3";
    const QString longName = QStringLiteral("ديوان ").repeated(200).trimmed();
    QTest::newRow("a very long part name is kept whole")
        << QStringLiteral("# ") + longName + QStringLiteral("\r\nx") << false << QStringList{"x"}
        << longName + QStringLiteral(" 1-1 | 1:1");
}

void tst_itemlist::parts()
{
    QFETCH(QString, text);
    QFETCH(bool, wordMode);
    QFETCH(QStringList, items);
    QFETCH(QString, parts);
    const ItemList list = buildItems(text, wordMode);
    QCOMPARE(list.items, items);
    QCOMPARE(describeParts(list), parts);
}

namespace {

// "kind: name first-last, ..." for each kind of division, "; " between kinds.
QString describeDivisions(const ItemList& list)
{
    QStringList kinds;
    for (const DivisionKind& kind : list.divisions) {
        QStringList divisions;
        for (const Part& division : kind.divisions)
            divisions.append(QStringLiteral("%1 %2-%3")
                                 .arg(division.name)
                                 .arg(division.firstItem)
                                 .arg(division.lastItem));
        kinds.append(kind.name + QStringLiteral(": ") + divisions.join(QStringLiteral(", ")));
    }
    return kinds.join(QStringLiteral("; "));
}

} // namespace

void tst_itemlist::divisions_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("wordMode");
    QTest::addColumn<QString>("parts");
    QTest::addColumn<QString>("divisions");

    QTest::newRow("markers cut across parts and change no number")
        << "## page 1\r\n# A\r\na1\r\na2\r\n## page 2\r\na3\r\n# B\r\nb1" << false
        << "A 1-3, B 4-4 | 1:1 1:2 1:3 2:1"
        << "page: 1 1-2, 2 3-4";
    QTest::newRow("items before the first marker are in no division")
        << "a\r\n## page 5\r\nb" << false << " | 1 2"
        << "page: 5 2-2";
    QTest::newRow("word mode: a division begins at its line's first word")
        << "a b\r\n## juz 2\r\nc d" << true << " | 1 1 3 3"
        << "juz: 2 3-4";
    QTest::newRow("names out of order keep the list's order")
        << "## page 3\r\nx\r\n## page 2\r\ny" << false << " | 1 2"
        << "page: 3 1-1, 2 2-2";
    QTest::newRow("two markers in a row: the first division has no items")
        << "## page 1\r\n## page 2\r\nx" << false << " | 1"
        << "page: 1 1-0, 2 1-1";
    QTest::newRow("a kind is one whatever its case, named as first written")
        << "## Page 1\r\nx\r\n## PAGE 2\r\ny" << false << " | 1 2"
        << "Page: 1 1-1, 2 2-2";
    QTest::newRow("kinds in the order first marked, each on its own")
        << "## juz 1\r\n## page 1\r\nx\r\n## page 2\r\ny" << false << " | 1 2"
        << "juz: 1 1-2; page: 1 1-1, 2 2-2";
    QTest::newRow("a name of several words, spaces around")
        << QStringLiteral("  ##  حزب   الربع الثالث  \r\nx") << false << " | 1"
        << QStringLiteral("حزب: الربع الثالث 1-1");
    QTest::newRow("## without a name, or without its space, is an item")
        << "## page\r\n##page 1\r\n##" << false << " | 1 2 3"
        << "";
    QTest::newRow("a heading named \"## x y\" stays a part")
        << "# ## x y\r\nz" << false << "## x y 1-1 | 1:1"
        << "";
    QTest::newRow("a list of markers only") << "## page 1" << false << " | "
                                            << "page: 1 1-0";
}

void tst_itemlist::divisions()
{
    QFETCH(QString, text);
    QFETCH(bool, wordMode);
    QFETCH(QString, parts);
    QFETCH(QString, divisions);
    const ItemList list = buildItems(text, wordMode);
    QCOMPARE(describeParts(list), parts);
    QCOMPARE(describeDivisions(list), divisions);
}

// A hundred thousand markers, each of another kind, and a marker of a megabyte are read in one
// pass, as any other lines.
void tst_itemlist::manyMarkersAndLongOnes()
{
    QStringList lines;
    for (int k = 0; k < 100000; ++k)
        lines << QStringLiteral("## kind%1 %1").arg(k) << QStringLiteral("x");
    lines << QStringLiteral("## KIND5 again") << QStringLiteral("z"); // one kind, whatever case
    const QString longName = QStringLiteral("ص").repeated(1 << 20);
    lines << QStringLiteral("## page ") + longName << QStringLiteral("y");
    const ItemList list = buildItems(lines.join(QStringLiteral("\r\n")), false);
    QCOMPARE(list.items.size(), 100002);
    QCOMPARE(list.divisions.size(), 100001);
    QCOMPARE(list.divisions[5].divisions.size(), 2);
    QCOMPARE(list.divisions.back().divisions.front().name, longName);
    QCOMPARE(list.divisions[99999].divisions.front().lastItem, 100002);
}

void tst_itemlist::importsFindTheParts_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("list");
    QTest::newRow("chapter|verse|text: a heading at each new chapter")
        << QStringLiteral("1|1|بِسۡمِ ٱللَّهِ\n1|2|ٱلۡحَمۡدُ لِلَّهِ\n2|1|الٓمٓ\r\n2|2| ذَٰلِكَ ٱلۡكِتَٰبُ \n")
        << QStringLiteral("# 1\r\nبِسۡمِ ٱللَّهِ\r\nٱلۡحَمۡدُ لِلَّهِ\r\n# 2\r\nالٓمٓ\r\nذَٰلِكَ ٱلۡكِتَٰبُ");
    QTest::newRow("a verse text holding a bar keeps it") << "3|7|a|b"
                                                         << "# 3\r\na|b";
    QTest::newRow("stanzas set apart by blank lines: each a part")
        << "a\nb\n\n\nc\nd\n"
        << "# 1\r\na\r\nb\r\n# 2\r\nc\r\nd";
    QTest::newRow("one stanza, a blank line at the end: kept as it is") << "a\nb\n\n"
                                                                        << "a\nb\n\n";
    QTest::newRow("a line out of the chapter|verse form: stanzas or nothing") << "1|1|a\nplain"
                                                                              << "1|1|a\nplain";
    QTest::newRow("a text with headings already is kept") << "# One\na\n\nb"
                                                          << "# One\na\n\nb";
}

void tst_itemlist::importsFindTheParts()
{
    QFETCH(QString, text);
    QFETCH(QString, list);
    QCOMPARE(textimport::listText(text), list);
}

void tst_itemlist::displayWords_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("label");

    QTest::newRow("three words") << "a b c"
                                 << " a b c   ";
    QTest::newRow("seven words are cut after six") << "1 2 3 4 5 6 7"
                                                   << " 1 2 3 4 5 6...";
    QTest::newRow("exactly six words") << "1 2 3 4 5 6"
                                       << " 1 2 3 4 5 6   ";
    QTest::newRow("empty words count") << "a  b"
                                       << " a  b   ";
    QTest::newRow("leading spaces count as words, trimmed in the comparison") << "      a b"
                                                                              << "      ...";
    QTest::newRow("an empty item") << ""
                                   << "   ";
}

void tst_itemlist::displayWords()
{
    QFETCH(QString, item);
    QFETCH(QString, label);
    QCOMPARE(getDisplayWords(item), label);
}

void tst_itemlist::titles_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("name");

    QTest::newRow("two words") << "/lists/Week One.zva"
                               << "Week One"
                               << "Week";
    QTest::newRow("one word") << "/l/Alphabet.zva"
                              << "Alphabet"
                              << "Alphabet";
    QTest::newRow("Arabic name") << QStringLiteral("/l/أيام الأسبوع.zva")
                                 << QStringLiteral("أيام الأسبوع") << QStringLiteral("أيام");
    QTest::newRow("name shorter than an extension") << "/l/ab"
                                                    << ""
                                                    << "";
}

void tst_itemlist::titles()
{
    QFETCH(QString, path);
    QFETCH(QString, title);
    QFETCH(QString, name);
    QCOMPARE(listTitle(path), title);
    QCOMPARE(listName(listTitle(path)), name);
}

void tst_itemlist::loadOutcomes()
{
    QTemporaryDir dir;
    const QString good = dir.filePath(QStringLiteral("Week One.zva"));
    QVERIFY(!listfile::writeFile(good, u"a b\r\nc").isError());
    LoadedList list = loadList(good, true);
    QCOMPARE(list.status, LoadedList::Loaded);
    QCOMPARE(list.folder, dir.path());
    QCOMPARE(list.name, QStringLiteral("Week"));
    QCOMPARE(list.items.items.size(), 3);

    QCOMPARE(loadList(dir.filePath(QStringLiteral("gone.zva")), false).status, LoadedList::Missing);
    // A name in a legacy code page reaches the program with its bytes replaced: said as such,
    // not as a missing choice.
    list = loadList(dir.filePath(QFile::decodeName("Juz\xff.zva")), false);
    QCOMPARE(list.status, LoadedList::Failed);
    QVERIFY(list.message.contains(QStringLiteral("Rename the file")));
    list = loadList(dir.path(), false);
    QCOMPARE(list.status, LoadedList::Failed);
    QVERIFY(list.message.contains(QStringLiteral("is a folder")));
    list = loadList(QStringLiteral("/dev/zero"), false); // never read: it would not end
    QCOMPARE(list.status, LoadedList::Failed);
    QVERIFY(list.message.contains(QStringLiteral("not a regular file")));

    const QString blank = dir.filePath(QStringLiteral("blank.zva"));
    QVERIFY(!listfile::writeFile(blank, u"  \r\n").isError());
    list = loadList(blank, false);
    QCOMPARE(list.status, LoadedList::Failed);
    QVERIFY(list.message.contains(QStringLiteral("no entries")));
    list = loadList(blank, true);
    QCOMPARE(list.status, LoadedList::Failed);
    QVERIFY(list.message.contains(QStringLiteral("word mode")));

    const QString damaged = dir.filePath(QStringLiteral("damaged.zva"));
    QFile file(damaged);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(QByteArray::fromHex("00800080")); // -32768 twice: the second falls out of range
    file.close();
    list = loadList(damaged, false);
    QCOMPARE(list.status, LoadedList::Failed);
    QVERIFY(list.message.contains(QStringLiteral("character 1")));
}

QTEST_GUILESS_MAIN(tst_itemlist)
#include "tst_itemlist.moc"
