#include "controls/common/PropertyBag.h"
#include "controls/unilistbox/NativeList.h"
#include "controls/unilistbox/UniListBox.h"
#include "controls/unilistbox/itemlayout.h"
#include "controls/unilistbox/tellingwords.h"
#include "tests/support/inkmeasure.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QRegularExpression>
#include <QScrollBar>

#include <QSignalSpy>
#include <QTest>
#include <QToolTip>

namespace {

QList<QRect> segmentRects(const ItemLayout& layout)
{
    QList<QRect> rects;
    for (const ItemLayout::Segment& segment : layout.segments)
        rects.append(segment.rect);
    return rects;
}

// The columns of `image` within `rows` that hold a pixel close to `colour`: text is drawn
// with antialiasing, so its edges blend into the background.
QList<int> columnsWith(const QImage& image, const QRect& rows, QRgb colour)
{
    auto near = [colour](QRgb pixel) {
        return qAbs(qRed(pixel) - qRed(colour)) < 100 &&
               qAbs(qGreen(pixel) - qGreen(colour)) < 100 &&
               qAbs(qBlue(pixel) - qBlue(colour)) < 100;
    };
    QList<int> columns;
    for (int x = rows.left(); x <= rows.right(); ++x) {
        for (int y = rows.top(); y <= rows.bottom(); ++y) {
            if (near(image.pixel(x, y))) {
                columns.append(x);
                break;
            }
        }
    }
    return columns;
}

// Black text on white in `font`, so that the ink can be told from the background.
void blackOnWhite(UniListBox& list, const FontRecord& font)
{
    list.setFont(font);
    list.setForeColor(oleColor(0, 0, 0));
    list.setBackColor(oleColor(255, 255, 255));
}

} // namespace

class tst_unilistbox : public QObject {
    Q_OBJECT
private slots:
    void itemLayout_data();
    void itemLayout();
    void members();
    void find_data();
    void find();
    void checkedAndItemCheck();
    void columns();
    void properties();
    void paintsColumnsAndCheckBox();
    void paintsArabicFromTheRight();
    void longRowsKeepTheirStartAndShowWholeInATip();
    void tellingWords_data();
    void tellingWords();
    void rowsThatBeginAlikeShowWhatTellsThemApart();
    void marksStayInsideTheirRow_data();
    void marksStayInsideTheirRow();
    void rowsFollowTheFontItShowsIn();
    void updateModePaintsNothing();
    void clickSelectsAndRaisesEvents();
};

void tst_unilistbox::itemLayout_data()
{
    QTest::addColumn<QRect>("item");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("checkBox");
    QTest::addColumn<QList<int>>("widths");
    QTest::addColumn<QRect>("box");
    QTest::addColumn<QList<QRect>>("segments");

    const QRect item(10, 0, 300, 20);
    QTest::newRow("TAB columns 50 and 30 take 51 and 31 pixels, the rest runs to the edge")
        << item << "a\tb\tc" << false << QList<int>{50, 30} << QRect()
        << QList<QRect>{{10, 0, 51, 20}, {61, 0, 31, 20}, {92, 0, 218, 20}};
    QTest::newRow("widths repeat from the first column")
        << item << "a\tb\tc\td\te" << false << QList<int>{10, 20, 30} << QRect()
        << QList<QRect>{{10, 0, 11, 20},
                        {21, 0, 21, 20},
                        {42, 0, 31, 20},
                        {73, 0, 11, 20},
                        {84, 0, 226, 20}};
    QTest::newRow("a column reaching the edge ends the drawing")
        << item << "a\tb\tc" << false << QList<int>{400} << QRect()
        << QList<QRect>{{10, 0, 300, 20}};
    QTest::newRow("check box on a 20-pixel item: 3 below the top, text 16 further right")
        << item << "a" << true << QList<int>{0} << QRect(12, 3, 13, 13)
        << QList<QRect>{{26, 0, 284, 20}};
    QTest::newRow("check box on a low item: 1 below the top")
        << QRect(0, 40, 100, 14) << "" << true << QList<int>{0} << QRect(2, 41, 13, 13)
        << QList<QRect>{};
    QTest::newRow("one ASCII character is painted like any other")
        << item << "x" << false << QList<int>{0} << QRect() << QList<QRect>{item};
}

void tst_unilistbox::itemLayout()
{
    QFETCH(QRect, item);
    QFETCH(QString, text);
    QFETCH(bool, checkBox);
    QFETCH(QList<int>, widths);
    QFETCH(QRect, box);
    QFETCH(QList<QRect>, segments);
    const ItemLayout layout = layoutItem(item, text, checkBox, widths);
    QCOMPARE(layout.checkBox, box);
    QCOMPARE(segmentRects(layout), segments);
}

void tst_unilistbox::members()
{
    UniListBox list;
    QCOMPARE(list.NewIndex(), -1);
    QCOMPARE(list.AddItem(QStringLiteral("b")), 0);
    QCOMPARE(list.AddItem(QStringLiteral("c"), 7, 30), 1);
    QCOMPARE(list.AddItem(QStringLiteral("a"), 0, 10), 0);
    QCOMPARE(list.NewIndex(), 0);
    QCOMPARE(list.ListCount(), 3);
    QCOMPARE(list.List(0), QStringLiteral("a"));
    QCOMPARE(list.ItemData(2), 30);
    QCOMPARE(list.List(5), QString());
    QVERIFY(!list.RemoveItem(5));
    list.setListIndex(2);
    QVERIFY(list.RemoveItem(0));
    QCOMPARE(list.ListIndex(), 1); // the caret item moved up with the list
    list.Clear();
    QCOMPARE(list.ListCount(), 0);
    QCOMPARE(list.ListIndex(), -1);
}

void tst_unilistbox::find_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("found");

    QTest::newRow("from the top") << "ba" << -1 << 1;
    QTest::newRow("case ignored") << "BA" << -1 << 1;
    QTest::newRow("after the start") << "ba" << 1 << 3;
    QTest::newRow("wraps around to the top") << "ba" << 3 << 1;
    QTest::newRow("the start itself last") << "c" << 2 << 2;
    QTest::newRow("none") << "z" << 0 << -1;
    QTest::newRow("Arabic prefix") << QStringLiteral("سَ") << -1 << 4;
}

void tst_unilistbox::find()
{
    QFETCH(QString, text);
    QFETCH(int, start);
    QFETCH(int, found);
    UniListBox list;
    for (const QString& item :
         {QStringLiteral("apple"), QStringLiteral("banana"), QStringLiteral("cherry"),
          QStringLiteral("Bay"), QStringLiteral("سَلَام")})
        list.AddItem(item);
    list.setListIndex(0);
    QCOMPARE(list.Find(text, false, start), found);
    QCOMPARE(list.ListIndex(), 0);
    QCOMPARE(list.Find(text, true, start), found);
    QCOMPARE(list.ListIndex(), found);

    list.setListIndex(2);
    QCOMPARE(list.Find(QString(), true, start), 0);
    QCOMPARE(list.ListIndex(), 2);
}

void tst_unilistbox::checkedAndItemCheck()
{
    UniListBox list;
    for (int i = 0; i < 5; ++i)
        list.AddItem(QString::number(i));
    QSignalSpy itemCheck(&list, &UniListBox::ItemCheck);
    list.setChecked(3, true);
    QVERIFY(list.Checked(3));
    QCOMPARE(itemCheck.count(), 0); // a plain list checks without the event

    list.setStyle(1);
    list.setChecked(1, true);
    list.setChecked(-1, true);
    list.setChecked(9, true);
    QCOMPARE(itemCheck.count(), 1);
    QCOMPARE(itemCheck.first().first().toInt(), 1);
    QCOMPARE(list.CheckCount(), 2);
    list.CheckAll();
    QCOMPARE(list.CheckCount(), 5);
    list.CheckClear();
    QCOMPARE(list.CheckCount(), 0);
}

void tst_unilistbox::columns()
{
    UniListBox list;
    list.resize(100, 50);
    list.show();
    QVERIFY(QTest::qWaitForWindowExposed(&list));
    QCOMPARE(list.Columns(), 1);
    QCOMPARE(list.Column(0), 96); // one column takes the width inside the border
    QCOMPARE(list.Column(5), 0);
    list.setColumns(3);
    QCOMPARE(list.Columns(), 3);
    list.setColumn(1, 40);
    list.setColumn(7, 40);
    QCOMPARE(list.Column(1), 40);
    list.setAutoColumn(true);
    QCOMPARE((QList<int>{list.Column(0), list.Column(1), list.Column(2)}),
             (QList<int>{32, 32, 32}));
    list.setBorder(false);
    list.resize(101, 50);
    QCOMPARE((QList<int>{list.Column(0), list.Column(1), list.Column(2)}),
             (QList<int>{33, 33, 35}));
    list.SetColumns({});
    QCOMPARE(list.Columns(), 3);
    list.setColumns(0);
    QCOMPARE(list.Columns(), 1);
}

void tst_unilistbox::properties()
{
    UniListBox list;
    PropertyBag defaults;
    list.writeProperties(defaults);
    QCOMPARE(defaults.names(), (QStringList{"Column", "Font"}));

    list.setBackColor(0x00FFDDDD);
    list.setStyle(1);
    list.SetColumns({50, 300});
    list.setFont(arabicFont(20.25, true));
    PropertyBag bag;
    list.writeProperties(bag);
    QCOMPARE(bag.read(QStringLiteral("column")).toString().toLatin1(),
             QByteArray::fromHex("320000002c010000"));

    UniListBox copy;
    copy.readProperties(bag);
    QCOMPARE(copy.BackColor(), OleColor(0x00FFDDDD));
    QCOMPARE(copy.Style(), 1);
    QCOMPARE(copy.Column(1), 300);
    QCOMPARE(copy.Font().name, QStringLiteral("Traditional Arabic"));
    QVERIFY(copy.Font().bold);

    PropertyBag shortColumn;
    shortColumn.write(QStringLiteral("Column"), QStringLiteral("ab"));
    copy.readProperties(shortColumn);
    QCOMPARE(copy.Columns(), 1);
}

void tst_unilistbox::paintsColumnsAndCheckBox()
{
    UniListBox list;
    list.resize(300, 60);
    list.setBackColor(oleColor(0, 0, 255));
    list.setForeColor(oleColor(255, 0, 0));
    list.SetColumns({50, 30});
    list.setStyle(1);
    list.AddItem(QStringLiteral("aaaaaaaaaaaaaaaa\tbbbbbbbbbbbb\tc"));
    list.show();
    QVERIFY(QTest::qWaitForWindowExposed(&list));

    NativeList* inner = list.hWnd();
    const QRect item = inner->itemRect(0);
    const QImage image = inner->viewport()->grab().toImage();
    const ItemLayout layout = layoutItem(item, list.List(0), true, {50, 30});
    QCOMPARE(image.pixel(layout.checkBox.center()), qRgb(255, 255, 255));
    // Red text of the first segment stays within its 51 pixels, the second within its 31.
    const QList<int> first = columnsWith(image, layout.segments[0].rect, qRgb(255, 0, 0));
    QVERIFY(!first.isEmpty());
    QVERIFY(first.last() <= layout.segments[0].rect.right());
    const QRect secondSpan = layout.segments[1].rect;
    const QList<int> second = columnsWith(image, secondSpan, qRgb(255, 0, 0));
    QVERIFY(!second.isEmpty());
    QVERIFY(second.last() <= secondSpan.right());
    // "c" starts right after the second column.
    QVERIFY(!columnsWith(image, QRect(secondSpan.right() + 1, item.top(), 6, item.height()),
                         qRgb(255, 0, 0))
                 .isEmpty());
}

void tst_unilistbox::paintsArabicFromTheRight()
{
    // Every pixel read lies inside the picture: a read outside it would find no ink and let
    // the check pass.
    QTest::failOnWarning(QRegularExpression(QStringLiteral("QImage::pixel")));
    UniListBox list;
    blackOnWhite(list, arabicFont(20.25, true));
    list.AddItem(QStringLiteral(" 7.  قِفَا نَبْكِ"));
    list.AddItem(QStringLiteral(" 8.  abc"));
    NativeList* inner = list.hWnd();
    list.resize(400, 3 * inner->rowHeight());
    list.show();
    QVERIFY(QTest::qWaitForWindowExposed(&list));
    // Shadda with a vowel and the vowels below fit in the row.
    QVERIFY(inner->rowHeight() >= QFontMetrics(arabicFont(20.25, true).toQFont()).height());
    const QImage image = inner->viewport()->grab().toImage();
    for (const int row : {0, 1})
        QVERIFY2(image.rect().contains(inner->itemRect(row)), "the row lies inside the picture");
    auto inkColumns = [&](const QImage& picture, int row) {
        QList<int> ink;
        const QRect rect = inner->itemRect(row);
        for (int x = rect.left(); x <= rect.right(); ++x)
            for (int y = rect.top(); y <= rect.bottom(); ++y)
                if (qGray(picture.pixel(x, y)) < 128) {
                    ink.append(x);
                    break;
                }
        return ink;
    };
    const QList<int> arabic = inkColumns(image, 0);
    const QList<int> latin = inkColumns(image, 1);
    QVERIFY(!arabic.isEmpty() && !latin.isEmpty());
    QVERIFY2(arabic.last() > inner->viewport()->width() - 12,
             "the Arabic item starts at the right");
    QVERIFY2(latin.first() < 12, "a Latin item starts at the left");

    // A row without letters (a part's heading "# 1") reads as the list does.
    list.Clear();
    list.AddItem(QStringLiteral("# 1"));
    list.setLayoutDirection(Qt::RightToLeft);
    QCoreApplication::processEvents();
    const QList<int> heading = inkColumns(inner->viewport()->grab().toImage(), 0);
    QVERIFY(!heading.isEmpty());
    QVERIFY2(heading.first() > inner->viewport()->width() / 2,
             "at the right of a right-to-left list");
}

// A row too wide for the list keeps its start (the number, at the right of an Arabic row) and
// ends in an ellipsis; hovering shows it whole. A row that fits shows no tip.
void tst_unilistbox::longRowsKeepTheirStartAndShowWholeInATip()
{
    QTest::failOnWarning(QRegularExpression(QStringLiteral("QImage::pixel")));
    const QString verse =
        QStringLiteral(" 7.  ") + QStringLiteral("وَٱتَّقُواْ يَوۡمٗا لَّا تَجۡزِي ").repeated(4);
    UniListBox list;
    blackOnWhite(list, arabicFont(20.25, true));
    list.setElidesLongRows(true);
    list.AddItem(verse);
    list.AddItem(QStringLiteral("قِفَا"));
    NativeList* inner = list.hWnd();
    list.resize(260, 3 * inner->rowHeight());
    list.show();
    QVERIFY(QTest::qWaitForWindowExposed(&list));
    const QImage image = inner->viewport()->grab().toImage();
    const QRect row = inner->itemRect(0);
    QVERIFY(image.rect().contains(row));
    int leftmost = -1;
    for (int x = row.left(); x <= row.right() && leftmost < 0; ++x)
        for (int y = row.top(); y <= row.bottom(); ++y)
            if (qGray(image.pixel(x, y)) < 128) {
                leftmost = x;
                break;
            }
    QVERIFY2(leftmost > row.left(), "the row ends in its ellipsis, not cut at the edge");

    auto tipAt = [&](int index) {
        const QPoint at = inner->itemRect(index).center();
        QHelpEvent help(QEvent::ToolTip, at, inner->viewport()->mapToGlobal(at));
        QCoreApplication::sendEvent(inner->viewport(), &help);
        return QToolTip::isVisible() ? QToolTip::text() : QString();
    };
    QCOMPARE(tipAt(1), QString());
    QCOMPARE(tipAt(0), verse);
}

// Al-Baqarah 48 and 123 differ in their last word only.
const QString k48 = QStringLiteral("وَٱتَّقُواْ يَوۡمٗا لَّا تَجۡزِي نَفۡسٌ عَن نَّفۡسٖ شَيۡـٔٗا وَلَا يُقۡبَلُ مِنۡهَا شَفَٰعَةٞ");
const QString k123 = QStringLiteral("وَٱتَّقُواْ يَوۡمٗا لَّا تَجۡزِي نَفۡسٌ عَن نَّفۡسٖ شَيۡـٔٗا وَلَا يُقۡبَلُ مِنۡهَا عَدۡلٞ");

void tst_unilistbox::tellingWords_data()
{
    QTest::addColumn<QString>("row");
    QTest::addColumn<QStringList>("others");
    QTest::addColumn<int>("width"); // in characters
    QTest::addColumn<QString>("shown");
    QTest::newRow("a row that fits is whole") << "a b c" << QStringList{"a b d"} << 5 << "a b c";
    QTest::newRow("the shared start gives way, one word kept before the telling one")
        << "a b c d x" << QStringList{"a b c d y"} << 5 << "\u2026 d x";
    QTest::newRow("then the end") << "a b c d x y z" << QStringList{"a b c d w"} << 7
                                  << "\u2026 d x \u2026";
    QTest::newRow("rows that differ at once keep their start")
        << "a b c d" << QStringList{"x b c d"} << 5 << "a b \u2026";
    QTest::newRow("the row most like it decides")
        << "a b c d x" << QStringList{"a q", "a b c d y", "z"} << 5 << "\u2026 d x";
    QTest::newRow("a row repeating this one tells nothing")
        << "a b c d" << QStringList{"a b c d", "a x"} << 5 << "a b \u2026";
    QTest::newRow("Al-Baqarah 48 beside 123")
        << k48 << QStringList{k123} << 22 << QStringLiteral("\u2026 مِنۡهَا شَفَٰعَةٞ");
}

void tst_unilistbox::tellingWords()
{
    QFETCH(QString, row);
    QFETCH(QStringList, others);
    QFETCH(int, width);
    QFETCH(QString, shown);
    QCOMPARE(tellingwords::elided(row, others,
                                  [&](const QString& text) { return text.size() <= width; }),
             shown);
}

// Two verses that differ in their last word, too wide for the list: cut at the edge they look
// the same; keeping the telling words, they do not.
void tst_unilistbox::rowsThatBeginAlikeShowWhatTellsThemApart()
{
    UniListBox list;
    blackOnWhite(list, arabicFont(24, false));
    list.AddItem(k48);
    list.AddItem(k123);
    NativeList* inner = list.hWnd();
    list.resize(300, 3 * inner->rowHeight());
    list.show();
    QVERIFY(QTest::qWaitForWindowExposed(&list));
    auto rowsLookAlike = [&] {
        const QImage image = inner->viewport()->grab().toImage();
        const QRect first = inner->itemRect(0);
        return image.copy(first) == image.copy(inner->itemRect(1));
    };
    QVERIFY(rowsLookAlike());
    list.setKeepsTellingWords(true);
    QVERIFY(!rowsLookAlike());
}

void tst_unilistbox::marksStayInsideTheirRow_data()
{
    QTest::addColumn<QString>("family");
    QTest::addColumn<double>("size");
    for (const char* family : {"Traditional Arabic", "Amiri", "Amiri Quran", "Scheherazade"}) {
        for (const double size : {12.0, 20.25, 40.0})
            QTest::addRow("%s %g pt", family, size) << QString::fromLatin1(family) << size;
    }
}

// Every mark of a Quranic verse is painted whole, inside its own row: the row's ink is as tall
// as the same text's ink drawn unclipped, and touches neither edge of the row.
void tst_unilistbox::marksStayInsideTheirRow()
{
    QFETCH(QString, family);
    QFETCH(double, size);
    QTest::failOnWarning(QRegularExpression(QStringLiteral("QImage::pixel")));
    FontRecord font = arabicFont(size, true);
    font.name = family;
    // The faces the program depends on; the designed face is Amiri where it is missing.
    const bool designedMissing =
        family == u"Traditional Arabic" && !QFontDatabase::hasFamily(family);
    QCOMPARE(QFontInfo(font.toQFont()).family(),
             designedMissing ? QStringLiteral("Amiri") : family);
    const QStringList verses{QStringLiteral("ذَٰلِكَ ٱلۡكِتَٰبُ لَا رَيۡبَۛ فِيهِۛ"), QStringLiteral("بِسۡمِ ٱللَّهِ"),
                             QStringLiteral("وَٱلۡأَرۡضِۖ إِنَّۚ"), QStringLiteral("ءَآلۡـَٰٔنَ")};
    UniListBox list;
    blackOnWhite(list, font);
    for (const QString& verse : verses)
        list.AddItem(verse);
    NativeList* inner = list.hWnd();
    list.resize(900, (verses.size() + 1) * inner->rowHeight());
    list.show();
    QVERIFY(QTest::qWaitForWindowExposed(&list));
    const QImage image = inner->viewport()->grab().toImage();
    for (int row = 0; row < verses.size(); ++row) {
        const QRect rect = inner->itemRect(row);
        QVERIFY(image.rect().contains(rect));
        const QRect ink = inkmeasure::inkBounds(image, rect);
        QVERIFY2(ink.top() > rect.top() && ink.bottom() < rect.bottom(), qPrintable(verses[row]));
        QVERIFY2(ink.height() >= inkmeasure::freeInkHeight(verses[row], font.toQFont()) - 2,
                 qPrintable(verses[row]));
    }
}

// A list filled while hidden (as the Tester's lists are on another page), in another font than
// the one it shows in, scrolls over all its items once shown again, and its rows and scroll
// range follow a later font.
void tst_unilistbox::rowsFollowTheFontItShowsIn()
{
    UniListBox list;
    NativeList* inner = list.hWnd();
    list.resize(300, 200);
    list.show();
    QVERIFY(QTest::qWaitForWindowExposed(&list));
    list.hide();
    for (int i = 0; i < 50; ++i)
        list.AddItem(QStringLiteral("بِسۡمِ ٱللَّهِ %1").arg(i));
    list.setFont(arabicFont(20.25, true));
    list.show();
    auto lastItemReachable = [&] {
        const int rows = inner->viewport()->height() / inner->rowHeight();
        return inner->verticalScrollBar()->maximum() == 50 - rows;
    };
    QVERIFY(lastItemReachable());
    const int smallRow = inner->rowHeight();
    list.setFont(arabicFont(40, true));
    QTRY_VERIFY(lastItemReachable());
    QVERIFY(inner->rowHeight() > smallRow * 3 / 2);
    list.setListIndex(49);
    QVERIFY(inner->viewport()->rect().contains(inner->itemRect(49)));
}

void tst_unilistbox::updateModePaintsNothing()
{
    UniListBox list;
    list.resize(200, 60);
    list.setBackColor(oleColor(255, 255, 255));
    list.setForeColor(oleColor(255, 0, 0));
    list.setUpdateMode(true);
    list.AddItem(QStringLiteral("xxxxxxxx"));
    list.show();
    QVERIFY(QTest::qWaitForWindowExposed(&list));
    const QRect item = list.hWnd()->itemRect(0);
    auto redColumns = [&] {
        return columnsWith(list.hWnd()->viewport()->grab().toImage(), item, qRgb(255, 0, 0));
    };
    QVERIFY(redColumns().isEmpty());
    list.setUpdateMode(false);
    list.Refresh();
    QVERIFY(!redColumns().isEmpty());
}

void tst_unilistbox::clickSelectsAndRaisesEvents()
{
    UniListBox list;
    list.resize(200, 200);
    list.setStyle(1);
    for (int i = 0; i < 3; ++i)
        list.AddItem(QStringLiteral("item %1").arg(i), -1, 100 + i);
    list.show();
    QVERIFY(QTest::qWaitForWindowExposed(&list));
    QSignalSpy click(&list, &UniListBox::Click);
    QSignalSpy mouseUp(&list, &UniListBox::MouseUp);
    QSignalSpy itemCheck(&list, &UniListBox::ItemCheck);
    QWidget* viewport = list.hWnd()->viewport();
    QTest::mouseClick(viewport, Qt::LeftButton, {}, list.hWnd()->itemRect(2).center());
    QCOMPARE(list.ListIndex(), 2);
    QCOMPARE(click.count(), 1);
    QCOMPARE(mouseUp.count(), 1);
    QCOMPARE(mouseUp.first().first().toInt(), 1);
    QCOMPARE(itemCheck.count(), 1);
    QVERIFY(list.Checked(2));

    QTest::keyClick(list.hWnd(), Qt::Key_Up);
    QCOMPARE(list.ListIndex(), 1);
    QCOMPARE(click.count(), 2);
    list.setListIndex(0); // set by code: no Click
    QCOMPARE(click.count(), 2);
}

QTEST_MAIN(tst_unilistbox)
#include "tst_unilistbox.moc"
