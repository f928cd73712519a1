#include "controls/common/PropertyBag.h"
#include "controls/splitter/Splitter.h"
#include "controls/splitter/splitlayout.h"
#include "controls/tabs/ctlTabs.h"
#include "controls/tabs/tabgeometry.h"

#include <QSignalSpy>
#include <QTest>

Q_DECLARE_METATYPE(TabRect)

namespace QTest {
template <> char* toString(const TabRect& r)
{
    const QByteArray text = QByteArray::number(r.left) + ',' + QByteArray::number(r.top) + ',' +
                            QByteArray::number(r.right) + ',' + QByteArray::number(r.bottom);
    return qstrdup(text.constData());
}
} // namespace QTest

namespace {

// A strip of three tabs with frames f1 to f3 and a stray child.
struct Strip {
    ctlTabs tabs;
    QList<std::pair<int, int>> clicks;

    Strip()
    {
        tabs.resize(500, 300);
        tabs.setTabs(3);
        tabs.setTabsWidth(161);
        for (int n = 1; n <= 3; ++n) {
            auto* frame = new QWidget(&tabs);
            frame->setObjectName(QStringLiteral("f%1").arg(n));
            tabs.setSelectedTab(n);
            tabs.setTabFrame(frame->objectName());
            tabs.setCaption(QStringLiteral("Tab %1").arg(n));
        }
        new QWidget(&tabs); // attached to no tab
        tabs.setSelectedTab(1);
        QObject::connect(&tabs, &ctlTabs::TabClick, &tabs, [this](int& oldTab, int& newTab) {
            clicks.append({oldTab, newTab});
        });
        tabs.show();
        QVERIFY(QTest::qWaitForWindowExposed(&tabs));
    }
    QStringList visibleChildren() const
    {
        QStringList names;
        for (QWidget* child : tabs.findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            if (child->isVisibleTo(&tabs))
                names.append(child->objectName());
        return names;
    }
};

} // namespace

class tst_tabsplitter : public QObject {
    Q_OBJECT
private slots:
    void tabGeometry_data();
    void tabGeometry();
    void captions();
    void selectingAndClicking();
    void oneFrameShowsAfterAnySequence();
    void changingTheNumberOfTabs();
    void arrowKeysRunPastTheEnds();
    void tabProperties();
    void splitLayouts();
    void splitterChildrenAndDrag();
    void splitterProperties();
};

void tst_tabsplitter::tabGeometry_data()
{
    QTest::addColumn<int>("style");
    QTest::addColumn<int>("tab");
    QTest::addColumn<TabRect>("stored");

    QTest::newRow("style 0, inactive tab 2 shrunk by one") << 0 << 2 << TabRect{162, 1, 322, 20};
    QTest::newRow("style 0, selected tab 1 covers the body's top line")
        << 0 << 1 << TabRect{0, 0, 162, 21};
    QTest::newRow("style 1, the last tab ends at W") << 1 << 3 << TabRect{339, 1, 499, 20};
    QTest::newRow("style 2 along the bottom") << 2 << 1 << TabRect{0, 279, 162, 300};
    QTest::newRow("style 7 right side from the bottom") << 7 << 3 << TabRect{339, 280, 499, 299};
    // Style -1 here: style 0 in a mirror, as a right-to-left window shows it.
    QTest::newRow("mirrored, the selected first tab at the right")
        << -1 << 1 << TabRect{338, 0, 500, 21};
    QTest::newRow("mirrored, tab 2 to its left") << -1 << 2 << TabRect{178, 1, 338, 20};
}

void tst_tabsplitter::tabGeometry()
{
    QFETCH(int, style);
    QFETCH(int, tab);
    QFETCH(TabRect, stored);
    const TabGeometry g = style < 0 ? mirrored(layoutTabs(0, 3, 1, 161, 20, 500, 300), 500)
                                    : layoutTabs(style, 3, 1, 161, 20, 500, 300);
    QCOMPARE(g.stored[tab - 1], stored);
    if (style == 1)
        QCOMPARE(g.tabs[2].right, 500);
}

void tst_tabsplitter::captions()
{
    const TabRect tab{0, 0, 162, 21};
    const QSizeF text(40, 13);
    QCOMPARE(captionPosition(0, tab, text), QPointF(3, 2));
    QCOMPARE(captionPosition(4, tab, text), QPointF(81 - 20 - 1, 10.5 - 6.5 - 1));
    QCOMPARE(captionPosition(8, tab, text), QPointF(162 - 40 - 4, 21 - 13 - 2));
}

void tst_tabsplitter::selectingAndClicking()
{
    Strip s;
    QCOMPARE(s.visibleChildren(), QStringList{"f1"});
    // A press on the right edge of inactive tab 2's stored rectangle selects it.
    QTest::mouseClick(&s.tabs, Qt::LeftButton, {}, QPoint(322, 10));
    QCOMPARE(s.tabs.SelectedTab(), 2);
    QCOMPARE(s.visibleChildren(), QStringList{"f2"});
    // Where the selected tab's enlarged rectangle overlaps tab 3, the lower number wins.
    QTest::mouseClick(&s.tabs, Qt::LeftButton, {}, QPoint(323, 10));
    QCOMPARE(s.tabs.SelectedTab(), 2);
    QTest::mouseClick(&s.tabs, Qt::LeftButton, {}, QPoint(400, 100)); // the body: nothing
    QCOMPARE(s.clicks, (QList<std::pair<int, int>>{{1, 2}, {2, 2}}));
}

// Showing a frame raises it, which reorders the strip's children; every sequence of choices
// still leaves exactly the selected tab's frame shown.
void tst_tabsplitter::oneFrameShowsAfterAnySequence()
{
    Strip s;
    for (int sequence = 0; sequence < 3 * 3 * 3 * 3; ++sequence) {
        for (int step = 0, rest = sequence; step < 4; ++step, rest /= 3) {
            const int tab = rest % 3 + 1;
            s.tabs.setSelectedTab(tab);
            QCOMPARE(s.visibleChildren(), QStringList{QStringLiteral("f%1").arg(tab)});
        }
    }
}

void tst_tabsplitter::changingTheNumberOfTabs()
{
    Strip s;
    s.tabs.setSelectedTab(3);
    s.clicks.clear();
    s.tabs.setTabs(1);
    QCOMPARE(s.tabs.SelectedTab(), 1);
    QCOMPARE(s.clicks, (QList<std::pair<int, int>>{{3, 1}}));
    s.tabs.setTabs(0);
    QCOMPARE(s.tabs.Tabs(), 1);
    s.tabs.setTabs(3);
    s.tabs.setSelectedTab(3);
    QCOMPARE(s.tabs.Caption(), QString()); // added tabs start empty
    QCOMPARE(s.tabs.TabFrame(), QString());
    QCOMPARE(s.visibleChildren(), QStringList{}); // no frame for the tab: every child hidden
    s.tabs.setStyle(9);
    QCOMPARE(s.tabs.Style(), 0);
}

void tst_tabsplitter::arrowKeysRunPastTheEnds()
{
    Strip s;
    QTest::keyClick(&s.tabs, Qt::Key_Left);
    QTest::keyClick(&s.tabs, Qt::Key_Down);
    QTest::keyClick(&s.tabs, Qt::Key_Right);
    QTest::keyClick(&s.tabs, Qt::Key_Right);
    QCOMPARE(s.clicks, (QList<std::pair<int, int>>{{1, 0}, {1, 2}, {2, 3}, {3, 4}}));
    QCOMPARE(s.tabs.SelectedTab(), 3);
}

void tst_tabsplitter::tabProperties()
{
    ctlTabs fresh;
    QCOMPARE(fresh.Tabs(), 2);
    QCOMPARE(fresh.TabsWidth(), 70);
    QCOMPARE(fresh.Caption(), QStringLiteral("Tab 1"));
    QVERIFY(fresh.TabFontActive().bold != fresh.TabFont().bold);

    Strip s;
    s.tabs.setShowFrameBorder(true);
    PropertyBag bag;
    s.tabs.writeProperties(bag);
    QCOMPARE(bag.read(QStringLiteral("tabcaption3")).toString(), QStringLiteral("Tab 3"));
    QCOMPARE(bag.read(QStringLiteral("TABFRAME2")).toString(), QStringLiteral("f2"));
    QVERIFY(bag.read(QStringLiteral("ShowFrameBorder")).toBool());
    ctlTabs copy;
    copy.readProperties(bag);
    QCOMPARE(copy.Tabs(), 3);
    copy.setSelectedTab(3);
    QCOMPARE(copy.Caption(), QStringLiteral("Tab 3"));
    QVERIFY(copy.ShowFrameBorder());
}

void tst_tabsplitter::splitLayouts()
{
    SplitLayout stacked = splitLayout(true, 4000, 3000, 50, 60 / 100.0f);
    // Each figure to single precision: 2950 x 0.6 with the single-precision fraction.
    QCOMPARE(float(stacked.child1.height()), 1770.0f);
    QCOMPARE(float(stacked.bar.top()), 1770.0f);
    QCOMPARE(float(stacked.bar.height()), 50.0f);
    QCOMPARE(float(stacked.child2.top()), 1820.0f);
    QCOMPARE(float(stacked.child2.height()), 1180.0f);
    QCOMPARE(stacked.child2.width(), 4000.0);
    SplitLayout side = splitLayout(false, 4000, 3000, 50, 0.25f);
    QCOMPARE(side.child1.width(), 987.5);
    QCOMPARE(side.bar.left(), 987.5);
    QCOMPARE(side.child2.left(), 1037.5);
    QCOMPARE(side.child2.width(), 2962.5);
    QCOMPARE(clampFraction(-3), 0.001f);
    QCOMPARE(clampFraction(1.5f), 0.999f);
}

void tst_tabsplitter::splitterChildrenAndDrag()
{
    QWidget window;
    auto* splitter = new Splitter(&window);
    splitter->setOrientation(-1);
    splitter->setSplitterWidth(60);
    splitter->setGeometry(0, 0, 200, 200); // 3000 x 3000 twips
    auto* top = new QWidget(splitter);
    auto* bottom = new QWidget(splitter);
    splitter->setChild1(top);
    splitter->setChild2(bottom);
    splitter->setSplitPercent(60);
    window.resize(200, 200);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(top->geometry(), QRect(0, 0, 200, 118)); // (3000 - 60) * 0.6 = 1764 twips
    QCOMPARE(splitter->SplitterBar()->geometry(), QRect(0, 118, 200, 4));

    // Dragged above the top: the bar follows, the children wait for the release.
    QWidget* bar = splitter->SplitterBar();
    QTest::mousePress(bar, Qt::LeftButton, {}, QPoint(10, 2));
    QMouseEvent move(QEvent::MouseMove, QPointF(10, -300), QPointF(), Qt::NoButton, Qt::LeftButton,
                     Qt::NoModifier);
    QCoreApplication::sendEvent(bar, &move);
    QVERIFY(bar->y() < 0);
    QCOMPARE(top->height(), 118);
    QTest::mouseRelease(bar, Qt::LeftButton, {}, QPoint(10, -300));
    QCOMPARE(splitter->splitFraction(), 0.001f);
    QCOMPARE(splitter->SplitPercent(), 0);
    QCOMPARE(bar->y(), 0); // just below the top
}

void tst_tabsplitter::splitterProperties()
{
    Splitter fresh;
    QCOMPARE(fresh.SplitterWidth(), 50);
    QCOMPARE(fresh.SplitPercent(), 50);
    PropertyBag empty;
    fresh.readProperties(empty);
    QCOMPARE(fresh.SplitterWidth(), 80); // a stored instance without the key
    fresh.setSplitPercent(60);
    fresh.setOrientation(7);
    QCOMPARE(fresh.Orientation(), -1);
    PropertyBag bag;
    fresh.writeProperties(bag);
    QCOMPARE(bag.names(), (QStringList{"Orientation", "SplitPercent"}));
}

QTEST_MAIN(tst_tabsplitter)
#include "tst_tabsplitter.moc"
