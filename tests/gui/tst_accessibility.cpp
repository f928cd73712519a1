#include "app/files/frmNew.h"
#include "app/files/frmOpen.h"
#include "controls/slider/RailSlider.h"
#include "controls/splitter/Splitter.h"
#include "controls/tabs/ctlTabs.h"
#include "controls/unilistbox/NativeList.h"
#include "controls/unilistbox/UniListBox.h"
#include "controls/unitext/UniText.h"
#include "tests/support/WindowDriver.h"

#include <QAbstractScrollArea>
#include <QAccessible>
#include <QComboBox>
#include <QLabel>
#include <QScrollBar>
#include <QTest>
#include <QTreeView>

namespace {

QAccessibleInterface* of(QObject* object)
{
    return QAccessible::queryAccessibleInterface(object);
}

} // namespace

// What a screen reader finds in the main window, read through Qt's accessibility interfaces.
class tst_accessibility : public QObject {
    Q_OBJECT
private slots:
    void everyControlHasAName();
    void tabStripIsAPageTabList();
    void sliderAndSplitterHaveValues();
    void listBoxItemsCanBeReadAndPressed();
    void textBoxIsNamedEditableText();
    void countersAndDialogsAreNamed();
    void changesAreAnnounced();
    void rangeListsAreLabelledInBothModes_data();
    void rangeListsAreLabelledInBothModes();
};

void tst_accessibility::everyControlHasAName()
{
    WindowDriver d;
    d.open({QStringLiteral("أَلِف"), QStringLiteral("بَاء")}, false, 1);
    QStringList unnamed;
    for (QWidget* widget : d.window->findChildren<QWidget*>()) {
        // Parts of other controls (scroll bars, a combo box's own list) are theirs to name.
        if (widget->window() != d.window.get() || widget->focusPolicy() == Qt::NoFocus ||
            qobject_cast<QScrollBar*>(widget) || qobject_cast<QComboBox*>(widget->parentWidget()) ||
            qobject_cast<QAbstractScrollArea*>(widget->parentWidget()) || widget->focusProxy() ||
            widget->inherits("QMenu") || widget->inherits("QMenuBar"))
            continue;
        if (of(widget)->text(QAccessible::Name).isEmpty())
            unnamed.append(widget->objectName() + u':' + widget->metaObject()->className());
    }
    QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(u", ")));

    // Names come from captions, without the access key's ampersand; a list named by a label
    // is labelled by it (on this desktop a combo box's name is its text).
    QCOMPARE(of(d.control("cmdAll"))->text(QAccessible::Name), QStringLiteral("All"));
    const auto labels = of(d.control("cmbFrom"))->relations(QAccessible::Label);
    QCOMPARE(labels.size(), 1);
    QCOMPARE(labels[0].first->object(), d.control("lblFrom"));
}

void tst_accessibility::tabStripIsAPageTabList()
{
    WindowDriver d;
    d.open({QStringLiteral("أَلِف"), QStringLiteral("بَاء")}, false, 1);
    auto* strip = d.control<ctlTabs>("ctlTabs1");
    QAccessibleInterface* tabs = of(strip);
    QCOMPARE(tabs->role(), QAccessible::PageTabList);
    QVERIFY(tabs->childCount() > 3); // the three tabs, then the pages
    QStringList names;
    for (int i = 0; i < 3; ++i) {
        QAccessibleInterface* tab = tabs->child(i);
        QCOMPARE(tab->role(), QAccessible::PageTab);
        QCOMPARE(tab->state().selected, i == 0);
        QCOMPARE(tabs->indexOfChild(tab), i);
        QVERIFY(!tab->rect().isEmpty());
        QCOMPARE(tabs->childAt(tab->rect().center().x(), tab->rect().center().y()), tab);
        names.append(tab->text(QAccessible::Name));
    }
    QCOMPARE(names, (QStringList{"Lister", "Tester", "Readme/Help"}));
    const int page = tabs->indexOfChild(of(d.control("fra1")));
    QVERIFY(page >= 3);
    QCOMPARE(tabs->child(page)->object(), d.control("fra1"));

    // Pressing the Tester tab opens its page and starts a test, as a click does.
    QAccessibleInterface* tester = tabs->child(1);
    QCOMPARE(tester->actionInterface()->actionNames(),
             QStringList{QAccessibleActionInterface::pressAction()});
    tester->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(strip->SelectedTab(), 2);
    QVERIFY(tester->state().selected);
    QVERIFY(d.control("lstSelect")->isVisible());
}

void tst_accessibility::sliderAndSplitterHaveValues()
{
    WindowDriver d;
    d.open({QStringLiteral("أَلِف")}, false, 1);
    auto* slider = d.control<RailSlider>("sdrListingSpeed");
    QAccessibleInterface* speed = of(slider);
    QCOMPARE(speed->role(), QAccessible::Slider);
    QVERIFY(!speed->text(QAccessible::Name).isEmpty());
    QAccessibleValueInterface* value = speed->valueInterface();
    QVERIFY(value);
    QCOMPARE(value->currentValue().toInt(), slider->Value());
    QCOMPARE(value->minimumValue().toInt(), slider->Min());
    QCOMPARE(value->maximumValue().toInt(), slider->Max());
    value->setCurrentValue(slider->Max());
    QCOMPARE(slider->Value(), slider->Max());
    QCOMPARE(speed->text(QAccessible::Value), QStringLiteral("Manual")); // what 6 means
    value->setCurrentValue(slider->Max() + 1); // refused by the slider's own rules
    QCOMPARE(slider->Value(), slider->Max());

    auto* splitter = d.control<Splitter>("Splitter1");
    QAccessibleInterface* divider = of(splitter);
    QCOMPARE(divider->role(), QAccessible::Splitter);
    QCOMPARE(divider->valueInterface()->currentValue().toInt(), 60);
    divider->valueInterface()->setCurrentValue(40);
    QCOMPARE(splitter->SplitPercent(), 40);
}

void tst_accessibility::listBoxItemsCanBeReadAndPressed()
{
    WindowDriver d;
    const QStringList items{QStringLiteral("أَلِف"), QStringLiteral("بَاء"), QStringLiteral("تَاء")};
    d.open(items, false, 2);
    auto* select = d.control<UniListBox>("lstSelect");
    QAccessibleInterface* choices = of(select->hWnd());
    QCOMPARE(choices->role(), QAccessible::List);
    QVERIFY(!choices->text(QAccessible::Name).isEmpty());
    QCOMPARE(choices->childCount(), select->ListCount());
    for (int i = 0; i < select->ListCount(); ++i) {
        QCOMPARE(choices->child(i)->role(), QAccessible::ListItem);
        QCOMPARE(choices->child(i)->text(QAccessible::Name), select->List(i));
        QCOMPARE(choices->indexOfChild(choices->child(i)), i);
    }
    QCOMPARE(choices->child(select->ListCount()), nullptr);

    // Pressing the right choice picks it, as a click does.
    const int right = d.rows("lstSelect").indexOf(u' ' + items[0] + QStringLiteral("   "));
    QVERIFY(right > 0);
    QAccessibleInterface* choice = choices->child(right);
    choice->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(d.control<QLabel>("lblCorrect")->text(), QStringLiteral("1"));
    QCOMPARE(d.control<UniListBox>("lstSelected")->ListCount(), 1);

    // An item that is no longer there says so instead of reading past the end.
    select->Clear();
    QVERIFY(!choice->isValid());
    QCOMPARE(choice->text(QAccessible::Name), QString());
    QCOMPARE(choices->childCount(), 0);
}

void tst_accessibility::textBoxIsNamedEditableText()
{
    WindowDriver d;
    d.open({QStringLiteral("أَلِف")}, false, 1);
    auto* text = d.control<UniText>("txtCompleteText");
    QAccessibleInterface* editor = of(text->focusProxy());
    QCOMPARE(editor->role(), QAccessible::EditableText);
    QVERIFY(!editor->text(QAccessible::Name).isEmpty());
    QVERIFY(editor->textInterface());
}

void tst_accessibility::countersAndDialogsAreNamed()
{
    WindowDriver d;
    d.open({QStringLiteral("أَلِف")}, true, 2);
    QCOMPARE(of(d.control("lblCorrect"))->text(QAccessible::Name), QStringLiteral("Correct"));
    QCOMPARE(of(d.control("lblCorrect"))->text(QAccessible::Description), QStringLiteral("0"));
    QCOMPARE(of(d.control("lblWrong"))->text(QAccessible::Name), QStringLiteral("Wrong"));
    QCOMPARE(of(d.control("lblTimeTaken"))->text(QAccessible::Name), QStringLiteral("Time Taken"));
    for (const char* lineList : {"cmbLineFrom", "cmbLineTo"})
        QVERIFY(!d.control(lineList)->accessibleName().isEmpty());

    frmOpen open(d.program.folder());
    QAccessibleInterface* tree = of(open.tree());
    QCOMPARE(tree->text(QAccessible::Name), QStringLiteral("Lists"));
    QCOMPARE(open.tree()->model()->headerData(0, Qt::Horizontal),
             QStringLiteral("Lists")); // not "1"
    frmNew editor(d.program.folder());
    QVERIFY(!of(editor.editor()->focusProxy())->text(QAccessible::Name).isEmpty());
}

// Each verdict, each newly listed entry and the end of a test reach a screen reader as the
// description of the object that has the focus (the control or its focused item), which a
// screen reader speaks when it changes; an alert raised elsewhere never reached the AT-SPI
// bridge. The offscreen platform of the tests has no bridge to deliver events to, so the check
// reads the accessible interfaces the bridge reads.
void tst_accessibility::changesAreAnnounced()
{
    const auto spokenOnTheFocus = [] {
        QAccessibleInterface* focus =
            QAccessible::queryAccessibleInterface(QApplication::focusWidget());
        QAccessibleInterface* item = focus ? focus->focusChild() : nullptr;
        return (item ? item : focus)->text(QAccessible::Description);
    };
    WindowDriver d;
    d.open({QStringLiteral("أَلِف"), QStringLiteral("بَاء")}, false, 1);
    QApplication::setActiveWindow(d.window.get());
    QVERIFY(QTest::qWaitForWindowActive(d.window.get()));
    d.control<RailSlider>("sdrListingSpeed")->setValue(6);
    d.control("sdrListingSpeed")->setFocus();
    QTest::keyClick(d.window.get(), Qt::Key_Return);
    QCOMPARE(spokenOnTheFocus(), QStringLiteral("بَاء"));
    QCOMPARE(d.control("lstList")->accessibleDescription(), QStringLiteral("بَاء"));

    d.control<ctlTabs>("ctlTabs1")->setSelectedTab(2);
    auto pick = [&](const QString& item) {
        d.clickRow("lstSelect", d.rows("lstSelect").indexOf(u' ' + item + QStringLiteral("   ")));
        return spokenOnTheFocus();
    };
    d.control<UniListBox>("lstSelect")->hWnd()->setFocus();
    QCOMPARE(pick(QStringLiteral("بَاء")), QStringLiteral("Wrong"));
    // The Lister ticking on its hidden page tells nothing: the verdict is what stays spoken.
    d.control<RailSlider>("sdrListingSpeed")->setValue(2);
    for (int tick = 0; tick < 4; ++tick)
        d.tick("Timer2");
    QCOMPARE(spokenOnTheFocus(), QStringLiteral("Wrong"));
    QCOMPARE(pick(QStringLiteral("أَلِف")), QStringLiteral("Correct"));
    QCOMPARE(pick(QStringLiteral("بَاء")), QStringLiteral("--- TEST COMPLETE ---"));
    // The row focused is the header, which a screen reader reads with the verdict.
    QCOMPARE(QAccessible::queryAccessibleInterface(QApplication::focusWidget())
                 ->focusChild()
                 ->text(QAccessible::Name),
             QStringLiteral("--- TEST COMPLETE ---"));
}

void tst_accessibility::rangeListsAreLabelledInBothModes_data()
{
    QTest::addColumn<bool>("wordMode");
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("to");
    QTest::newRow("line mode") << false << "From"
                               << "To";
    QTest::newRow("word mode") << true << "From line"
                               << "To line";
}

// A screen reader reads a list with the caption that labels it: the visible one, in each mode.
void tst_accessibility::rangeListsAreLabelledInBothModes()
{
    QFETCH(bool, wordMode);
    QFETCH(QString, from);
    QFETCH(QString, to);
    WindowDriver d;
    d.open({QStringLiteral("أَلِف بَاء"), QStringLiteral("تَاء ثَاء")}, wordMode, 1);
    const auto label = [&](const char* list) {
        const auto relations = of(d.control(list))->relations(QAccessible::Label);
        return relations.isEmpty() ? QString() : relations.first().first->text(QAccessible::Name);
    };
    QCOMPARE(label(wordMode ? "cmbLineFrom" : "cmbFrom"), from);
    QCOMPARE(label(wordMode ? "cmbLineTo" : "cmbTo"), to);
    QTest::keyClick(d.window.get(), Qt::Key_O, Qt::AltModifier);
    QCOMPARE(QApplication::focusWidget(), d.control(wordMode ? "cmbLineFrom" : "cmbFrom"));
}

QTEST_MAIN(tst_accessibility)
#include "tst_accessibility.moc"
