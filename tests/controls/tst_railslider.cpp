#include "controls/common/PropertyBag.h"
#include "controls/slider/RailSlider.h"

#include <QSignalSpy>
#include <QTest>

namespace {

QPixmap knob()
{
    QPixmap pixmap(8, 16);
    pixmap.fill(Qt::darkGray);
    return pixmap;
}

// The designed speed slider: horizontal, 0 to 6, 100 pixels wide, value 3.
struct Slider {
    RailSlider slider;
    QStringList events;

    Slider()
    {
        PropertyBag bag;
        bag.write(QStringLiteral("Orientation"), 0);
        bag.write(QStringLiteral("Max"), 6);
        bag.write(QStringLiteral("Value"), 3);
        bag.write(QStringLiteral("SliderIcon"), knob());
        slider.readProperties(bag);
        slider.resize(100, 40);
        slider.show();
        QVERIFY(QTest::qWaitForWindowExposed(&slider));
        auto log = [this](const char* name) {
            return [this, name] { events.append(QString::fromLatin1(name)); };
        };
        QObject::connect(&slider, &RailSlider::ValueChanged, &slider, log("ValueChanged"));
        QObject::connect(&slider, &RailSlider::ArrivedFirst, &slider, log("ArrivedFirst"));
        QObject::connect(&slider, &RailSlider::ArrivedLast, &slider, log("ArrivedLast"));
        QObject::connect(&slider, &RailSlider::Click, &slider, log("Click"));
        QObject::connect(&slider, &RailSlider::MouseDown, &slider,
                         [this] { events.append("MouseDown"); });
        QObject::connect(&slider, &RailSlider::MouseUp, &slider,
                         [this] { events.append("MouseUp"); });
    }
};

} // namespace

class tst_railslider : public QObject {
    Q_OBJECT
private slots:
    void geometryOfAHundredPixelSlider();
    void pressBesideTheKnobJumps();
    void dragSnapsHalvesToEven();
    void releaseRaisesClickOnlyInside();
    void settingTheValue_data();
    void settingTheValue();
    void refusalsChangeNothing();
    void lastValueAfterReading();
    void writesOnlyWhatDiffers();
    void keysMoveTheValue_data();
    void keysMoveTheValue();
    void rightToLeftRunsFromTheRight();
};

void tst_railslider::geometryOfAHundredPixelSlider()
{
    Slider s;
    QCOMPARE(s.slider.height(), 16); // forced to the knob's height
    QCOMPARE(s.slider.railRect(), QRect(QPoint(2, 6), QPoint(98, 10)));
    s.slider.setValue(3); // 3 differs from the last announced 0: placed and announced
    QCOMPARE(s.slider.knobPosition().x(), 46.0);
    QCOMPARE(s.events, QStringList{"ValueChanged"});
}

void tst_railslider::pressBesideTheKnobJumps()
{
    Slider s;
    s.slider.setValue(3);
    s.events.clear();
    QTest::mousePress(&s.slider, Qt::LeftButton, {}, QPoint(70, 8));
    QCOMPARE(s.slider.Value(), 4); // round(66 / 92 * 6)
    QVERIFY(qAbs(s.slider.knobPosition().x() - 92.0 * 4 / 6) < 1e-4);
    QCOMPARE(s.events, (QStringList{"ValueChanged", "MouseDown"}));
    QTest::mouseRelease(&s.slider, Qt::LeftButton, {}, QPoint(70, 8));
    QCOMPARE(s.events, (QStringList{"ValueChanged", "MouseDown", "Click", "MouseUp"}));
}

void tst_railslider::dragSnapsHalvesToEven()
{
    Slider s;
    s.slider.setValue(0);
    s.slider.setValue(3);
    s.events.clear();
    // Grab the knob at its left edge, then drag to left / 92 * 6 = 2.5.
    QTest::mousePress(&s.slider, Qt::LeftButton, {}, QPoint(46, 8));
    QCOMPARE(s.events, QStringList{"MouseDown"});
    QMouseEvent move(QEvent::MouseMove, QPointF(92.0 * 2.5 / 6, 8), QPointF(), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&s.slider, &move);
    QCOMPARE(s.slider.Value(), 2);
    QVERIFY(qAbs(s.slider.knobPosition().x() - 92.0 * 2 / 6) < 1e-4);
    QMouseEvent end(QEvent::MouseMove, QPointF(-50, 8), QPointF(), Qt::NoButton, Qt::LeftButton,
                    Qt::NoModifier);
    QCoreApplication::sendEvent(&s.slider, &end);
    QCOMPARE(s.slider.Value(), 0);
    QCOMPARE(s.events, (QStringList{"MouseDown", "ValueChanged", "ValueChanged", "ArrivedFirst"}));
}

void tst_railslider::releaseRaisesClickOnlyInside()
{
    Slider s;
    s.slider.setEnabled(false);
    QTest::mousePress(&s.slider, Qt::LeftButton, {}, QPoint(70, 8));
    QCOMPARE(s.slider.Value(), 3); // disabled: no drag
    QTest::mouseRelease(&s.slider, Qt::LeftButton, {}, QPoint(70, 8));
    QCOMPARE(s.events, QStringList{"Click"});
    QTest::mouseRelease(&s.slider, Qt::LeftButton, {}, QPoint(150, 8));
    QCOMPARE(s.events, QStringList{"Click"});
}

void tst_railslider::settingTheValue_data()
{
    QTest::addColumn<QList<int>>("values");
    QTest::addColumn<QStringList>("events");

    QTest::newRow("to the maximum") << QList<int>{6} << QStringList{"ValueChanged", "ArrivedLast"};
    QTest::newRow("the same value twice") << QList<int>{4, 4} << QStringList{"ValueChanged"};
    QTest::newRow("to the minimum")
        << QList<int>{2, 0} << QStringList{"ValueChanged", "ValueChanged", "ArrivedFirst"};
}

void tst_railslider::settingTheValue()
{
    QFETCH(QList<int>, values);
    QFETCH(QStringList, events);
    Slider s;
    QSignalSpy marked(&s.slider, &RailSlider::propertyChanged);
    for (int value : values)
        QCOMPARE(s.slider.setValue(value), RailSlider::SetResult::Ok);
    QCOMPARE(s.events, events);
    QCOMPARE(marked.count(), values.size()); // "Value" is marked even when unchanged
}

void tst_railslider::refusalsChangeNothing()
{
    Slider s;
    QCOMPARE(s.slider.setValue(7), RailSlider::SetResult::InvalidValue);
    QCOMPARE(s.slider.setValue(70000), RailSlider::SetResult::Overflow);
    QCOMPARE(s.slider.setMax(0), RailSlider::SetResult::InvalidValue);
    QCOMPARE(s.slider.setMin(6), RailSlider::SetResult::InvalidValue);
    QCOMPARE(s.slider.setMin(-40000), RailSlider::SetResult::Overflow);
    QCOMPARE(s.slider.Value(), 3);
    QVERIFY(s.events.isEmpty());

    // Max below the value is allowed: the value stays above it until it is next set.
    QCOMPARE(s.slider.setMax(2), RailSlider::SetResult::Ok);
    QCOMPARE(s.slider.Value(), 3);
    s.slider.setMax(6);
    s.slider.setValue(5);
    s.events.clear();
    QCOMPARE(s.slider.setMin(2), RailSlider::SetResult::Ok);
    QCOMPARE(s.slider.Value(), 2);
    QCOMPARE(s.events, (QStringList{"ValueChanged", "ArrivedFirst"}));
}

void tst_railslider::lastValueAfterReading()
{
    Slider s; // read with value 3; nothing announced yet, so lastValue is 0
    s.slider.setValue(0);
    QVERIFY(s.events.isEmpty()); // 0 equals lastValue: no placement, no event
    QCOMPARE(s.slider.Value(), 0);
    QCOMPARE(s.slider.knobPosition().x(), 46.0);
}

void tst_railslider::writesOnlyWhatDiffers()
{
    RailSlider fresh;
    PropertyBag bag;
    fresh.writeProperties(bag);
    QCOMPARE(bag.names(), (QStringList{"SliderIcon", "RailPicture"}));
    Slider s;
    PropertyBag designed;
    s.slider.writeProperties(designed);
    QCOMPARE(designed.names(),
             (QStringList{"SliderIcon", "Orientation", "RailPicture", "Max", "Value"}));
}

// From the designed value 3 of 0 to 6, a key moves the value as a drag would, with the same
// events.
void tst_railslider::keysMoveTheValue_data()
{
    QTest::addColumn<QList<int>>("keys");
    QTest::addColumn<int>("value");
    QTest::addColumn<QStringList>("events");

    QTest::newRow("Right and Up raise") << QList<int>{Qt::Key_Right, Qt::Key_Up} << 5
                                        << QStringList{"ValueChanged", "ValueChanged"};
    QTest::newRow("Left and Down lower") << QList<int>{Qt::Key_Left, Qt::Key_Down} << 1
                                         << QStringList{"ValueChanged", "ValueChanged"};
    QTest::newRow("End goes to the last")
        << QList<int>{Qt::Key_End} << 6 << QStringList{"ValueChanged", "ArrivedLast"};
    QTest::newRow("Home goes to the first")
        << QList<int>{Qt::Key_Home} << 0 << QStringList{"ValueChanged", "ArrivedFirst"};
    QTest::newRow("a page is a third of the range")
        << QList<int>{Qt::Key_PageUp} << 5 << QStringList{"ValueChanged"};
    QTest::newRow("never past an end")
        << QList<int>{Qt::Key_PageDown, Qt::Key_PageDown, Qt::Key_Down} << 0
        << QStringList{"ValueChanged", "ValueChanged", "ArrivedFirst"};
}

void tst_railslider::keysMoveTheValue()
{
    QFETCH(QList<int>, keys);
    QFETCH(int, value);
    QFETCH(QStringList, events);
    Slider s;
    s.slider.setValue(3); // as the window starts it: the value last announced is 3
    s.events.clear();
    QCOMPARE(s.slider.focusPolicy(), Qt::StrongFocus);
    s.slider.setFocus();
    for (const int key : keys)
        QTest::keyClick(&s.slider, Qt::Key(key));
    QCOMPARE(s.slider.Value(), value);
    QCOMPARE(s.events, events);
}

// Right to left, the first value is at the right: a press near the left edge is near the last
// value, and Left raises the value.
void tst_railslider::rightToLeftRunsFromTheRight()
{
    Slider s;
    s.slider.setLayoutDirection(Qt::RightToLeft);
    s.slider.setValue(3);
    QTest::mousePress(&s.slider, Qt::LeftButton, {}, QPoint(30, 8)); // the mirror of 70
    QCOMPARE(s.slider.Value(), 4);
    QTest::mouseRelease(&s.slider, Qt::LeftButton, {}, QPoint(30, 8));
    s.slider.setFocus();
    QTest::keyClick(&s.slider, Qt::Key_Left);
    QCOMPARE(s.slider.Value(), 5);
    QTest::keyClick(&s.slider, Qt::Key_Right);
    QTest::keyClick(&s.slider, Qt::Key_Right);
    QCOMPARE(s.slider.Value(), 3);
}

QTEST_MAIN(tst_railslider)
#include "tst_railslider.moc"
