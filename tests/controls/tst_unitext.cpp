#include "app/files/newlistdesign.h"
#include "app/main/listerdesign.h"
#include "controls/common/PropertyBag.h"
#include "controls/common/olecolor.h"
#include "controls/unitext/UniText.h"
#include "tests/support/EmissionCounter.h"
#include "tests/support/FakeMessageBox.h"

#include <QInputMethodEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QTextEdit>

namespace {

// A box in a window beside a button, so that focus has somewhere to go.
struct Scene {
    QWidget window;
    QWidget* before = new QLineEdit(&window);
    UniText* box = new UniText(&window);
    QWidget* after = new QLineEdit(&window);

    explicit Scene(bool multiLine = true)
    {
        before->setObjectName(QStringLiteral("before"));
        after->setObjectName(QStringLiteral("after"));
        box->setMultiLine(multiLine);
        box->setGeometry(10, 40, 300, 120);
        before->setGeometry(10, 10, 100, 20);
        after->setGeometry(10, 170, 100, 20);
        window.resize(320, 200);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        box->setFocus();
    }
    QWidget* edit() const { return box->hWnd(); }
    QWidget* mouseTarget() const
    {
        auto* multi = qobject_cast<QTextEdit*>(edit());
        return multi ? multi->viewport() : edit();
    }
};

void commit(QWidget* target, const QString& text)
{
    QInputMethodEvent event;
    event.setCommitString(text);
    QCoreApplication::sendEvent(target, &event);
}

} // namespace

class tst_unitext : public QObject {
    Q_OBJECT
private slots:
    void init() { m_messages = std::make_unique<FakeMessageBox>(); }
    void cleanup() { QVERIFY(m_messages->requests().isEmpty()); }
    void linesKeepTheirMarksApart_data();
    void linesKeepTheirMarksApart();

    void textUsesCrLf();
    void arabicTypedByAnInputMethodComesBack();
    void useEventsSilencesAllButKeyUpAndScroll();
    void clickOnlyWhileTheMouseIsOver();
    void enterThroughKeyPress_data();
    void enterThroughKeyPress();
    void enterWithoutCaptureGoesToTheContainer();
    void tabCapture();
    void lockedSwallowsKeysButNotNavigation();
    void getLine_data();
    void getLine();
    void recreationKeepsTextSelectionAndScrolling();
    void singleLineIgnoresAlignment();
    void maxLength();
    void appearanceInsetsTheEditor();
    void properties();

private:
    std::unique_ptr<FakeMessageBox> m_messages;
};

void tst_unitext::textUsesCrLf()
{
    Scene scene;
    scene.box->setText(QStringLiteral("a\r\nbc\r\nd"));
    QCOMPARE(scene.box->Lines(), 3);
    QCOMPARE(scene.box->Length(), 8);
    QCOMPARE(scene.box->Text(), QStringLiteral("a\r\nbc\r\nd"));
    scene.box->SetSel(3, 5);
    QCOMPARE(scene.box->SelText(), QStringLiteral("bc"));
    QCOMPARE(scene.box->Line(), 1);
    scene.box->setSelText(QStringLiteral("x\r\ny"));
    QCOMPARE(scene.box->Text(), QStringLiteral("a\r\nx\r\ny\r\nd"));
    QVERIFY(scene.box->CanUndo());
    scene.box->Undo();
    QCOMPARE(scene.box->Text(), QStringLiteral("a\r\nbc\r\nd"));
}

void tst_unitext::arabicTypedByAnInputMethodComesBack()
{
    Scene scene;
    QSignalSpy change(scene.box, &UniText::Change);
    const QString verse = QStringLiteral("قِفَا نَبْكِ مِنْ ذِكْرَى حَبِيبٍ وَمَنْزِلِ");
    commit(scene.edit(), verse);
    QTest::keyClick(scene.edit(), Qt::Key_Return);
    commit(scene.edit(), QStringLiteral("بِسِقْطِ اللِّوَى"));
    QCOMPARE(scene.box->Text(), verse + QStringLiteral("\r\nبِسِقْطِ اللِّوَى"));
    QVERIFY(change.count() >= 3);
}

void tst_unitext::useEventsSilencesAllButKeyUpAndScroll()
{
    Scene scene;
    scene.box->setScrollBars(2);
    scene.box->setText(QString(QStringLiteral("line\r\n")).repeated(60));
    scene.box->setUseEvents(false);
    QSignalSpy change(scene.box, &UniText::Change);
    EmissionCounter keyDown(scene.box, &UniText::KeyDown);
    EmissionCounter keyPress(scene.box, &UniText::KeyPress);
    EmissionCounter keyUp(scene.box, &UniText::KeyUp);
    EmissionCounter mouseDown(scene.box, &UniText::MouseDown);
    QSignalSpy scroll(scene.box, &UniText::Scroll);

    QTest::keyClick(scene.edit(), Qt::Key_A);
    QTest::mouseClick(scene.mouseTarget(), Qt::LeftButton);
    scene.box->setScrollVertical(10);
    QCOMPARE(keyUp.count(), 1);
    QCOMPARE(scroll.count(), 1);
    QCOMPARE(scroll.first().first().toInt(), 2);
    QCOMPARE(change.count() + keyDown.count() + keyPress.count() + mouseDown.count(), 0);

    scene.box->setUseEvents(true);
    QTest::keyClick(scene.edit(), Qt::Key_B);
    QCOMPARE(change.count(), 1);
    QCOMPARE(keyDown.count(), 1);
    QCOMPARE(keyPress.count(), 1);
}

void tst_unitext::clickOnlyWhileTheMouseIsOver()
{
    Scene scene;
    QList<int> click;
    connect(scene.box, &UniText::Click, this, [&](int& button) { click.append(button); });
    EmissionCounter mouseUp(scene.box, &UniText::MouseUp);
    float x = -1;
    connect(scene.box, &UniText::MouseUp, this, [&](int&, int, float& X, float&) { x = X; });
    QSignalSpy enter(scene.box, &UniText::MouseEnter);
    QTest::mouseClick(scene.mouseTarget(), Qt::LeftButton);
    QCOMPARE(mouseUp.count(), 1);
    QCOMPARE(click.count(), 0);

    QTest::mouseMove(scene.mouseTarget(), QPoint(20, 20));
    QCOMPARE(enter.count(), 1);
    QTest::mouseClick(scene.mouseTarget(), Qt::LeftButton, {}, QPoint(20, 20));
    QCOMPARE(click.count(), 1);
    QCOMPARE(click.first(), 1);
    // Positions come in the container's twips.
    QCOMPARE(x, 300.0f);

    // Leaving is said once, though the editor and its viewport both report it.
    QSignalSpy leave(scene.box, &UniText::MouseLeave);
    QEvent viewportLeft(QEvent::Leave);
    QCoreApplication::sendEvent(scene.mouseTarget(), &viewportLeft);
    QEvent editorLeft(QEvent::Leave);
    QCoreApplication::sendEvent(scene.edit(), &editorLeft);
    QCOMPARE(leave.count(), 1);
}

void tst_unitext::enterThroughKeyPress_data()
{
    QTest::addColumn<int>("replacement"); // -1 leaves the code as it is
    QTest::addColumn<QString>("text");
    QTest::newRow("line break") << -1 << "ab\r\n";
    QTest::newRow("a handler that sets 0 suppresses it") << 0 << "ab";
    QTest::newRow("a handler that sets another code inserts it") << int('x') << "abx";
}

void tst_unitext::enterThroughKeyPress()
{
    QFETCH(int, replacement);
    QFETCH(QString, text);
    Scene scene;
    scene.box->setText(QStringLiteral("ab"));
    scene.box->SetSel(2, 2);
    QList<int> seen;
    connect(scene.box, &UniText::KeyPress, this, [&](int& keyAscii) {
        seen.append(keyAscii);
        if (replacement >= 0)
            keyAscii = replacement;
    });
    QTest::keyClick(scene.edit(), Qt::Key_Return);
    QCOMPARE(seen, QList<int>{13});
    QCOMPARE(scene.box->Text(), text);
}

// Without CaptureEnter, Enter is the default button's where the window has one; where it has
// none, Enter breaks the line as in any editor.
void tst_unitext::enterWithoutCaptureGoesToTheContainer()
{
    Scene scene;
    scene.box->setCaptureEnter(false);
    scene.box->setUseEvents(false);
    EmissionCounter keyPress(scene.box, &UniText::KeyPress);
    QTest::keyClick(scene.edit(), Qt::Key_Return);
    QCOMPARE(scene.box->Text(), QStringLiteral("\r\n"));
    scene.box->setText(QString());
    auto* ok = new QPushButton(QStringLiteral("OK"), &scene.window);
    ok->setDefault(true);
    ok->show();
    struct Catcher : QObject {
        int enters = 0;
        bool eventFilter(QObject*, QEvent* event) override
        {
            if (event->type() == QEvent::KeyPress &&
                static_cast<QKeyEvent*>(event)->key() == Qt::Key_Return)
                ++enters;
            return false;
        }
    } catcher;
    scene.window.installEventFilter(&catcher);
    QTest::keyClick(scene.edit(), Qt::Key_Return);
    QCOMPARE(scene.box->Text(), QString());
    QCOMPARE(catcher.enters, 1);

    // Captured Enter and Esc raise no KeyPress while the events are off.
    scene.box->setCaptureEnter(true);
    scene.box->setCaptureEsc(true);
    QTest::keyClick(scene.edit(), Qt::Key_Return);
    QTest::keyClick(scene.edit(), Qt::Key_Escape);
    QCOMPARE(scene.box->Text(), QStringLiteral("\r\n"));
    QCOMPARE(keyPress.count(), 0);
}

void tst_unitext::tabCapture()
{
    Scene scene;
    scene.box->setCaptureTab(true);
    QTest::keyClick(scene.edit(), Qt::Key_Tab);
    QCOMPARE(scene.box->Text(), QStringLiteral("\t"));
    QVERIFY(scene.edit()->hasFocus());
    QTest::keyClick(scene.edit(), Qt::Key_Tab, Qt::ControlModifier);
    QCOMPARE(QApplication::focusWidget(), scene.after);
    scene.box->setFocus();
    QTest::keyClick(scene.edit(), Qt::Key_Backtab, Qt::ShiftModifier);
    QCOMPARE(QApplication::focusWidget(), scene.before);

    scene.box->setCaptureTab(false);
    scene.box->setFocus();
    QTest::keyClick(scene.edit(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), scene.after);
    QCOMPARE(scene.box->Text(), QStringLiteral("\t"));

    // A re-created editor keeps its place in the focus chain.
    scene.box->setLocked(true);
    scene.before->setFocus();
    QTest::keyClick(scene.before, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), scene.box->hWnd());
}

void tst_unitext::lockedSwallowsKeysButNotNavigation()
{
    Scene scene;
    scene.box->setText(QStringLiteral("abc"));
    scene.box->setLocked(true);
    scene.box->SetSel(0, 0);
    EmissionCounter keyPress(scene.box, &UniText::KeyPress);
    QTest::keyClick(scene.edit(), Qt::Key_X);
    commit(scene.edit(), QStringLiteral("ب")); // an input method's text is refused too
    QTest::keyClick(scene.edit(), Qt::Key_Right);
    QTest::keyClick(scene.edit(), Qt::Key_Right);
    QCOMPARE(scene.box->Text(), QStringLiteral("abc"));
    QCOMPARE(scene.box->SelStart(), 2);
    QCOMPARE(keyPress.count(), 0);
}

void tst_unitext::getLine_data()
{
    QTest::addColumn<int>("line");
    QTest::addColumn<int>("maxLength");
    QTest::addColumn<QString>("text");

    QTest::newRow("line 1") << 1 << 100 << "one";
    QTest::newRow("the last line") << 4 << 100 << "four";
    QTest::newRow("0: the caret's line") << 0 << 100 << "two";
    QTest::newRow("-1: the line before the last") << -1 << 100 << "three";
    QTest::newRow("-3: the first") << -3 << 100 << "one";
    QTest::newRow("-4: beyond") << -4 << 100 << "";
    QTest::newRow("above the count") << 5 << 100 << "";
    QTest::newRow("cut to MaxLength") << 3 << 2 << "th";
    QTest::newRow("MaxLength below 1") << 1 << 0 << "";
}

void tst_unitext::getLine()
{
    QFETCH(int, line);
    QFETCH(int, maxLength);
    QFETCH(QString, text);
    Scene scene;
    scene.box->setText(QStringLiteral("one\r\ntwo\r\nthree\r\nfour"));
    scene.box->SetSel(6, 6);
    QCOMPARE(scene.box->GetLine(line, maxLength), text);
}

void tst_unitext::recreationKeepsTextSelectionAndScrolling()
{
    Scene scene;
    scene.box->setScrollBars(3);
    QStringList lines;
    for (int i = 0; i < 80; ++i)
        lines << QStringLiteral("سطر %1 ").arg(i).repeated(8);
    scene.box->setText(lines.join(QStringLiteral("\r\n")));
    QApplication::processEvents();
    scene.box->SetSel(40, 55);
    scene.box->setScrollVertical(30);
    scene.box->setScrollHorizontal(25);
    QCOMPARE(scene.box->ScrollVertical(), 30);

    using Change = std::function<void(UniText*)>;
    const QList<Change> changes{
        [](UniText* b) { b->setLocked(true); },      [](UniText* b) { b->setHideSelection(false); },
        [](UniText* b) { b->setRightToLeft(true); }, [](UniText* b) { b->setAppearance(1); },
        [](UniText* b) { b->setAlignment(2); },
    };
    const QString text = scene.box->Text();
    for (const Change& change : changes) {
        QWidget* old = scene.box->hWnd();
        change(scene.box);
        QVERIFY(scene.box->hWnd() != old);
        QCOMPARE(scene.box->Text(), text);
        QCOMPARE(scene.box->SelStart(), 40);
        QCOMPARE(scene.box->SelLength(), 15);
        QCOMPARE(scene.box->ScrollVertical(), 30);
        QCOMPARE(scene.box->ScrollHorizontal(), 25);
    }
    scene.box->setMultiLine(false);
    QCOMPARE(scene.box->Text(), text);
    QVERIFY(qobject_cast<QLineEdit*>(scene.box->hWnd()));
}

void tst_unitext::singleLineIgnoresAlignment()
{
    Scene scene(false);
    QSignalSpy changed(scene.box, &UniText::propertyChanged);
    scene.box->setAlignment(1);
    QCOMPARE(scene.box->Alignment(), 0);
    QCOMPARE(changed.count(), 0);
}

void tst_unitext::maxLength()
{
    Scene scene;
    QCOMPARE(scene.box->MaxLength(), 0);
    scene.box->setMaxLength(-1);
    QCOMPARE(scene.box->MaxLength(), 0);
    scene.box->setMaxLength(5);
    commit(scene.edit(), QStringLiteral("abcdefgh"));
    QCOMPARE(scene.box->Text(), QStringLiteral("abcde"));
    // Typing at the start of a full box is refused; nothing already there is lost.
    scene.box->SetSel(0, 0);
    QTest::keyClick(scene.edit(), Qt::Key_X);
    commit(scene.edit(), QStringLiteral("ب"));
    QCOMPARE(scene.box->Text(), QStringLiteral("abcde"));
    // A text set by code, or read from a file, is kept whole.
    scene.box->setText(QStringLiteral("abcdefgh"));
    QCOMPARE(scene.box->Text(), QStringLiteral("abcdefgh"));
    scene.box->setMaxLength(0);
    commit(scene.edit(), QStringLiteral("fgh"));
    QCOMPARE(scene.box->Length(), 11);

    // The single-line box keeps the same rules.
    UniText line;
    line.setMaxLength(3);
    line.setText(QStringLiteral("abcdef"));
    QCOMPARE(line.Text(), QStringLiteral("abcdef"));
    line.SetSel(0, 0);
    QTest::keyClick(line.hWnd(), Qt::Key_X);
    QCOMPARE(line.Text(), QStringLiteral("abcdef"));
    line.SetSel(0, 6);
    QTest::keyClick(line.hWnd(), Qt::Key_Delete);
    QTest::keyClicks(line.hWnd(), QStringLiteral("wxyz"));
    QCOMPARE(line.Text(), QStringLiteral("wxy"));
}

void tst_unitext::appearanceInsetsTheEditor()
{
    Scene scene;
    const QRect client = scene.box->rect();
    QCOMPARE(scene.edit()->geometry(), client.adjusted(2, 2, -2, -2));
    scene.box->setBorderStyle(1);
    QCOMPARE(scene.edit()->geometry(), client.adjusted(1, 1, -1, -1));
    // The control draws the sunken edge itself: the top-left pixel is the shadow colour.
    const QImage image = scene.box->grab().toImage();
    QCOMPARE(image.pixel(0, 0), scene.box->palette().color(QPalette::Dark).rgb());
    scene.box->setAppearance(1);
    QCOMPARE(scene.edit()->geometry(), client);
}

void tst_unitext::properties()
{
    PropertyBag bag;
    txtCompleteTextProperties().write(bag);
    QCOMPARE(bag.names().size(), 22);
    QCOMPARE(bag.read(QStringLiteral("MaxLength")).toInt(), -1);

    UniText box;
    box.readProperties(bag);
    QVERIFY(box.MultiLine());
    QCOMPARE(box.Alignment(), 1);
    QVERIFY(box.Enabled());
    QVERIFY(box.Locked()); // read-only, yet it scrolls
    QCOMPARE(box.Font().weight, 700);
    QCOMPARE(box.Font().charset, 178);
    box.setText(QStringLiteral("أ\r\nب"));
    PropertyBag saved;
    box.writeProperties(saved);
    QCOMPARE(saved.read(QStringLiteral("Text")).toByteArray(),
             QByteArray::fromHex("23060d000a002806"));

    // A saved control without the capture keys gets false for CaptureEnter.
    PropertyBag empty;
    box.readProperties(empty);
    QVERIFY(!box.CaptureEnter());
    QCOMPARE(box.Text(), QString());
    QVERIFY(UniText().CaptureEnter());

    UniText editor;
    editor.setProperties(txtNewProperties());
    QCOMPARE(editor.Font().name, QStringLiteral("Traditional Arabic"));
    QVERIFY(editor.RightToLeft()); // Arabic is typed from the right
    QCOMPARE(editor.Alignment(), 1);
    QVERIFY(editor.CaptureEnter());
}

void tst_unitext::linesKeepTheirMarksApart_data()
{
    QTest::addColumn<QString>("family");
    QTest::addColumn<double>("size");
    for (const char* family : {"Amiri", "Amiri Quran", "Scheherazade"})
        for (const double size : {14.0, 20.25, 36.0})
            QTest::addRow("%s %g pt", family, size) << QString::fromLatin1(family) << size;
}

// Kasra and sukun below one line and the pause signs above the next never meet: between the
// ink of the two lines lies at least one blank row of pixels, and the first line's marks are
// not cut at the top.
void tst_unitext::linesKeepTheirMarksApart()
{
    QFETCH(QString, family);
    QFETCH(double, size);
    UniTextProperties properties = txtCompleteTextProperties();
    properties.Font.name = family;
    properties.Font.size = size;
    properties.ScrollBars = 0;
    properties.ForeColor = oleColor(0, 0, 0);
    properties.BackColor = oleColor(255, 255, 255);
    UniText box;
    box.setProperties(properties);
    box.setText(QStringLiteral("وَٱلۡأَرۡضِۖ إِنَّۚ بِسۡمِ\r\nذَٰلِكَ ٱلۡكِتَٰبُ لَا رَيۡبَۛ فِيهِۛ"));
    box.resize(1200, 400);
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    const QImage image = qobject_cast<QTextEdit*>(box.hWnd())->viewport()->grab().toImage();
    QList<bool> inkRows;
    for (int y = 0; y < image.height(); ++y) {
        bool ink = false;
        for (int x = 0; x < image.width() && !ink; ++x)
            ink = qGray(image.pixel(x, y)) < 200;
        inkRows.append(ink);
    }
    const qsizetype first = inkRows.indexOf(true);
    const qsizetype last = inkRows.lastIndexOf(true);
    QVERIFY(first > 0);
    QVERIFY(last < image.height() - 1);
    QVERIFY2(inkRows.mid(first, last - first).contains(false), "the two lines' marks touch");
}

QTEST_MAIN(tst_unitext)
#include "tst_unitext.moc"
