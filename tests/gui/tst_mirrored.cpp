#include "WindowDriver.h"
#include "common/designed.h"
#include "tabs/ctlTabs.h"

#include <QPushButton>
#include <QTest>

// The designed main window laid out right to left, as an Arabic interface has it.
class tst_mirrored : public QObject {
    Q_OBJECT
private slots:
    void init() { QGuiApplication::setLayoutDirection(Qt::RightToLeft); }
    void cleanup() { QGuiApplication::setLayoutDirection(Qt::LeftToRight); }
    void placesAreMeasuredFromTheRight();
};

// Every designed control stands as far from its parent's right edge as it was designed to
// stand from the left, and stays so when the window is resized.
void tst_mirrored::placesAreMeasuredFromTheRight()
{
    WindowDriver d;
    d.open({QStringLiteral("ٱلۡحَمۡدُ لِلَّهِ رَبِّ ٱلۡعَٰلَمِينَ")}, false, 1);
    const auto mirroredEverywhere = [&] {
        for (const QString& name :
             {QStringLiteral("cmdRestartListing"), QStringLiteral("Splitter1"),
              QStringLiteral("cmbFrom"), QStringLiteral("lblFrom"), QStringLiteral("fra1")}) {
            auto* control = d.window->findChild<QWidget*>(name);
            const QRect designed = designedPlace(control);
            const QWidget* parent = control->parentWidget();
            if (control->geometry().right() != parent->width() - 1 - designed.x() ||
                control->width() != designed.width())
                return name;
        }
        return QString();
    };
    QCOMPARE(mirroredEverywhere(), QString());
    QVERIFY(d.control("cmdRestartListing")->x() < d.control("Splitter1")->x()); // beside, at left
    QCOMPARE(d.control<ctlTabs>("ctlTabs1")->Style(), 1); // the first tab at the right
    d.window->resize(d.window->width() + 150, d.window->height() + 90);
    QCOMPARE(mirroredEverywhere(), QString());
    d.close();
}

QTEST_MAIN(tst_mirrored)
#include "tst_mirrored.moc"
