#include "controls/common/captionfit.h"
#include "controls/common/designed.h"
#include "controls/slider/RailSlider.h"
#include "controls/tabs/ctlTabs.h"
#include "practice/session/listing.h"
#include "tests/support/WindowDriver.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTranslator>

// The designed main window laid out right to left, as an Arabic interface has it.
class tst_mirrored : public QObject {
    Q_OBJECT
private slots:
    void init() { QGuiApplication::setLayoutDirection(Qt::RightToLeft); }
    void cleanup() { QGuiApplication::setLayoutDirection(Qt::LeftToRight); }
    void placesAreMeasuredFromTheRight();
    void arabicCaptionsFitTheirControls();
    void numbersReadInTheInterfacesDigits();
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
    // The strip reads from the right: the first tab rightmost, and Left goes on to the next.
    auto* tabs = d.control<ctlTabs>("ctlTabs1");
    QVERIFY(tabs->tabRects()[0].left > tabs->tabRects()[1].left);
    QVERIFY(tabs->tabRects()[0].right >= tabs->width() - 1);
    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRects()[2].fill().center());
    QCOMPARE(tabs->SelectedTab(), 3);
    tabs->setSelectedTab(1);
    QTest::keyClick(tabs, Qt::Key_Left);
    QCOMPARE(tabs->SelectedTab(), 2);
    d.window->resize(d.window->width() + 150, d.window->height() + 90);
    QCOMPARE(mirroredEverywhere(), QString());
    d.close();
}

namespace {

// What the pages show, as "name: width < caption" for a caption cut short and "a & b" for two
// controls covering one another, at least one of them with a caption.
QStringList faultsOfThePages(WindowDriver& d)
{
    d.open({QStringLiteral("ٱلۡحَمۡدُ لِلَّهِ رَبِّ ٱلۡعَٰلَمِينَ")}, false, 1);
    d.control<RailSlider>("sdrListingSpeed")->setValue(listing::kManualSpeed);
    QStringList faults;
    for (const int tab : {1, 2}) {
        d.control<ctlTabs>("ctlTabs1")->setSelectedTab(tab);
        for (const QWidget* control : d.window->findChildren<QWidget*>()) {
            if (!control->isVisible() || control->isWindow())
                continue;
            if (control->width() < captionWidth(control))
                faults.append(
                    control->objectName() +
                    QStringLiteral(": %1 < %2").arg(control->width()).arg(captionWidth(control)));
            for (const QObject* object : control->parentWidget()->children()) {
                const auto* sibling = qobject_cast<const QWidget*>(object);
                if (sibling && sibling != control && sibling->isVisible() &&
                    captionWidth(control) > 0 &&
                    sibling->geometry().intersects(control->geometry()))
                    faults.append(control->objectName() + QStringLiteral(" & ") +
                                  sibling->objectName());
            }
        }
    }
    faults.removeDuplicates();
    d.close();
    return faults;
}

} // namespace

// In Arabic, every caption of the main window's pages is whole in its control, and no control
// covers another that the designed English window leaves apart.
void tst_mirrored::arabicCaptionsFitTheirControls()
{
    QGuiApplication::setLayoutDirection(Qt::LeftToRight);
    WindowDriver english;
    const QStringList designed = faultsOfThePages(english);

    QTranslator arabic;
    QVERIFY(arabic.load(QStringLiteral(ZORVEL_ARABIC_QM)));
    QCoreApplication::installTranslator(&arabic);
    QGuiApplication::setLayoutDirection(Qt::RightToLeft);
    WindowDriver d;
    QStringList faults = faultsOfThePages(d);
    QCoreApplication::removeTranslator(&arabic);
    for (const QString& fault : designed)
        faults.removeAll(fault);
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QStringLiteral(", "))));
}

// In an Arabic interface on an Arabic system, the counters and the listing speed are in the
// same digits as the spin boxes.
void tst_mirrored::numbersReadInTheInterfacesDigits()
{
    QTranslator arabic;
    QVERIFY(arabic.load(QStringLiteral(ZORVEL_ARABIC_QM)));
    QCoreApplication::installTranslator(&arabic);
    QLocale::setDefault(QLocale(QStringLiteral("ar_SA")));
    WindowDriver d;
    d.open({QStringLiteral("ٱلۡحَمۡدُ لِلَّهِ رَبِّ ٱلۡعَٰلَمِينَ")}, false, 2);
    const QString correct = d.control<QLabel>("lblCorrect")->text();
    d.control<RailSlider>("sdrListingSpeed")->setValue(1);
    const QString speed = d.control<QLabel>("lblSpeed")->text();
    d.close();
    QLocale::setDefault(QLocale::c());
    QCoreApplication::removeTranslator(&arabic);
    QCOMPARE(correct, QStringLiteral("\u0660"));
    QCOMPARE(speed, QStringLiteral("\u0660\u066b\u0665 \u062b"));
}

QTEST_MAIN(tst_mirrored)
#include "tst_mirrored.moc"
