#include "controls/unitext/crlftext.h"
#include "controls/unitext/keytranslation.h"

#include <QTest>

Q_DECLARE_METATYPE(keytranslation::Action)
Q_DECLARE_METATYPE(keytranslation::Rules)

// The text box's logic without a box: CR LF positions, GetLine's line rule, and the keys it
// keeps for itself.
class tst_unitextlogic : public QObject {
    Q_OBJECT
private slots:
    void positions_data();
    void positions();
    void lineIndex_data();
    void lineIndex();
    void keys_data();
    void keys();
};

void tst_unitextlogic::positions_data()
{
    QTest::addColumn<QString>("editText"); // LF breaks, as the editor holds it
    QTest::addColumn<int>("editPosition");
    QTest::addColumn<int>("textPosition");

    const QString text = QStringLiteral("a\nbc\nd"); // "a\r\nbc\r\nd" in the control
    QTest::newRow("start") << text << 0 << 0;
    QTest::newRow("end of the first line") << text << 1 << 1;
    QTest::newRow("start of the second line counts the CR LF") << text << 2 << 3;
    QTest::newRow("start of the last line") << text << 5 << 7;
    QTest::newRow("end of the text") << text << 6 << 8;
    QTest::newRow("no breaks: the same") << QStringLiteral("بِسْمِ") << 4 << 4;
    QTest::newRow("empty lines") << QStringLiteral("\n\n") << 2 << 4;
}

void tst_unitextlogic::positions()
{
    QFETCH(QString, editText);
    QFETCH(int, editPosition);
    QFETCH(int, textPosition);
    QCOMPARE(crlftext::fromEditPosition(editText, editPosition), textPosition);
    QCOMPARE(crlftext::toEditPosition(editText, textPosition), editPosition);

    // Between CR and LF, or past the end, the position falls at the end of its line.
    const QString text = QStringLiteral("a\nbc\nd");
    QCOMPARE(crlftext::toEditPosition(text, 2), 1);
    QCOMPARE(crlftext::toEditPosition(text, 6), 4);
    QCOMPARE(crlftext::toEditPosition(text, 99), 6);
    QCOMPARE(crlftext::toEditPosition(text, -3), 0);
    QCOMPARE(crlftext::toEditorBreaks(QStringLiteral("a\r\nb\rc\r\n")),
             QStringLiteral("a\nb\rc\n"));
}

void tst_unitextlogic::lineIndex_data()
{
    QTest::addColumn<int>("line");
    QTest::addColumn<int>("index");

    // Five lines, the caret on the third (index 2).
    QTest::newRow("the first") << 1 << 0;
    QTest::newRow("the last") << 5 << 4;
    QTest::newRow("past the last") << 6 << -1;
    QTest::newRow("0 is the caret's line") << 0 << 2;
    QTest::newRow("-1 is the last but one") << -1 << 3;
    QTest::newRow("-4 is the first") << -4 << 0;
    QTest::newRow("-5 names none") << -5 << -1;
}

void tst_unitextlogic::lineIndex()
{
    QFETCH(int, line);
    QFETCH(int, index);
    QCOMPARE(crlftext::lineIndex(line, 5, 2), index);
}

void tst_unitextlogic::keys_data()
{
    using keytranslation::Action;
    using keytranslation::Rules;
    QTest::addColumn<int>("key"); // classic key code
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::addColumn<Rules>("rules");
    QTest::addColumn<Action>("action");

    const Qt::KeyboardModifiers none;
    const Rules plain;
    Rules captureAll;
    captureAll.captureTab = captureAll.captureEnter = captureAll.captureEsc = true;
    Rules multiLine;
    multiLine.multiLine = true;
    Rules withDefault = multiLine;
    withDefault.containerHasDefaultButton = true;
    Rules locked;
    locked.locked = true;
    Rules disabled;
    disabled.enabled = false;

    QTest::newRow("captured Tab is typed") << 9 << none << captureAll << Action::TypeTab;
    QTest::newRow("captured Shift+Tab goes back")
        << 9 << Qt::KeyboardModifiers(Qt::ShiftModifier) << captureAll << Action::FocusPrevious;
    QTest::newRow("captured Ctrl+Tab goes on")
        << 9 << Qt::KeyboardModifiers(Qt::ControlModifier) << captureAll << Action::FocusNext;
    QTest::newRow("Tab not captured is the editor's") << 9 << none << plain << Action::ToEditor;
    QTest::newRow("captured Enter") << 13 << none << captureAll << Action::CaptureEnter;
    QTest::newRow("captured Esc") << 27 << none << captureAll << Action::CaptureEsc;
    QTest::newRow("Enter in a multi-line box is the default button's")
        << 13 << none << withDefault << Action::ToContainer;
    QTest::newRow("without a default button Enter breaks the line")
        << 13 << none << multiLine << Action::CaptureEnter;
    QTest::newRow("Enter in a single line is the editor's")
        << 13 << none << plain << Action::ToEditor;
    QTest::newRow("a letter in a locked box is swallowed")
        << 65 << none << locked << Action::Swallow;
    QTest::newRow("a letter in a disabled box is swallowed")
        << 65 << none << disabled << Action::Swallow;
    const auto control = Qt::KeyboardModifiers(Qt::ControlModifier);
    QTest::newRow("Ctrl+C copies from a locked box") << 67 << control << locked << Action::ToEditor;
    QTest::newRow("Ctrl+A selects all of it") << 65 << control << locked << Action::ToEditor;
    QTest::newRow("Ctrl+Insert copies too") << 45 << control << locked << Action::ToEditor;
    QTest::newRow("Ctrl+V pastes nothing into it") << 86 << control << locked << Action::Swallow;
    QTest::newRow("Ctrl+X cuts nothing from it") << 88 << control << locked << Action::Swallow;
    QTest::newRow("nor does a disabled box copy") << 67 << control << disabled << Action::Swallow;
    QTest::newRow("arrows move the caret even when locked")
        << 37 << none << locked << Action::ToEditor;
    QTest::newRow("Page Up too") << 33 << none << locked << Action::ToEditor;
    QTest::newRow("a letter is typed") << 65 << none << plain << Action::ToEditor;
}

void tst_unitextlogic::keys()
{
    QFETCH(int, key);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QFETCH(keytranslation::Rules, rules);
    QFETCH(keytranslation::Action, action);
    QCOMPARE(keytranslation::translate(key, modifiers, rules), action);
}

QTEST_GUILESS_MAIN(tst_unitextlogic)
#include "tst_unitextlogic.moc"
