#include "app/progress/ProgressWindow.h"
#include "app/progress/RecitalView.h"
#include "app/side/AnswerBox.h"
#include "app/side/RecitalWindow.h"
#include "app/side/WriteWindow.h"
#include "lists/itemlist.h"
#include "practice/recitation/Recitation.h"
#include "tests/support/FakePlayer.h"
#include "tests/support/WindowDriver.h"
#include "tests/support/whenShown.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>

namespace {

// Al-Fatiha 2 to 4, as the mushaf writes them.
const QStringList kFatiha{QStringLiteral("ٱلۡحَمۡدُ لِلَّهِ رَبِّ ٱلۡعَٰلَمِينَ"), QStringLiteral("ٱلرَّحۡمَٰنِ ٱلرَّحِيمِ"),
                          QStringLiteral("مَٰلِكِ يَوۡمِ ٱلدِّينِ")};

// Text typed as an input method gives it: composed, then committed.
void typeThroughInputMethod(QWidget* widget, const QString& text)
{
    QInputMethodEvent composing(text.left(1), {});
    QCoreApplication::sendEvent(widget, &composing);
    QInputMethodEvent committed;
    committed.setCommitString(text);
    QCoreApplication::sendEvent(widget, &committed);
}

} // namespace

// The drills' windows with the keyboard, as a learner uses them.
class tst_drillwindows : public QObject {
    Q_OBJECT
private slots:
    void writtenEntriesAreCheckedAndGraded();
    void theSecondHalfIsAskedFromTheFirst();
    void aPassageIsRecitedAndMarked();
};

void tst_drillwindows::writtenEntriesAreCheckedAndGraded()
{
    WindowDriver d;
    d.open(kFatiha, false, 1);
    d.control<QAction>("mnuViewWrite")->trigger();
    auto* write = d.window->findChild<WriteWindow*>();
    QVERIFY(write);
    AnswerBox* box = write->written();
    auto* before = write->findChild<QTextBrowser*>(QStringLiteral("before"));
    QCOMPARE(before->toPlainText(), QStringLiteral("(The start of the list)"));

    QTemporaryDir folder;
    QFile(folder.filePath(QStringLiteral("0001.wav"))).open(QIODevice::WriteOnly);
    auto* recitation = d.window->findChild<Recitation*>();
    QStringList played;
    recitation->setPlayer(std::make_unique<FakePlayer>(&played));
    recitation->setFolder(folder.path(), {}, int(kFatiha.size()));
    QTRY_VERIFY(recitation->isIndexed());

    QTest::keyClick(box, Qt::Key_Return); // nothing typed: nothing checked
    QVERIFY(write->verdict()->text().isEmpty());
    typeThroughInputMethod(box, QStringLiteral("الحمد لله رب العالمين"));
    QCOMPARE(box->toPlainText(), QStringLiteral("الحمد لله رب العالمين"));
    QTest::keyClick(box, Qt::Key_Return);
    QCOMPARE(write->verdict()->text(), QStringLiteral("Good: every word right."));
    QVERIFY(write->result()->isVisible());
    QVERIFY(box->isReadOnly());
    // Reciting, the entry checked can be heard.
    auto* listen = write->findChild<QPushButton*>(QStringLiteral("listen"));
    QVERIFY(listen->isVisible());
    listen->click();
    QCOMPARE(played, QStringList{QStringLiteral("0001.wav")});

    QTest::keyClick(box, Qt::Key_Return); // on to the next entry, the first above it
    QVERIFY(!box->isReadOnly());
    QVERIFY(box->toPlainText().isEmpty());
    QVERIFY(before->toPlainText().contains(kFatiha[0]));
    typeThroughInputMethod(box, QStringLiteral("الرحمن الرحيم الكريم"));
    QTest::keyClick(box, Qt::Key_Return);
    QCOMPARE(write->verdict()->text(), QStringLiteral("Hard: one word to mend."));
    QVERIFY(write->result()->toPlainText().endsWith(QStringLiteral("الكريم")));
    QVERIFY(write->result()->toHtml().contains(QStringLiteral("line-through")));

    // A book pasted by mistake is cut to what an entry could need, and said; a direction
    // override typed in is left out.
    QTest::keyClick(box, Qt::Key_Return);
    QGuiApplication::clipboard()->setText(QStringLiteral("كلمة ").repeated(2'000'000));
    box->paste();
    QCOMPARE(box->toPlainText().size(), writtencheck::longestAnswer(kFatiha[2]));
    QVERIFY(write->verdict()->text().startsWith(QStringLiteral("Cut at ")));
    box->clear();
    typeThroughInputMethod(box, QStringLiteral("مالك \u202Eيوم الدين"));
    QCOMPARE(box->toPlainText(), QStringLiteral("مالك يوم الدين"));
    box->clear();

    // With marks too, the same plain letters are three words to mend.
    write->findChild<QCheckBox*>(QStringLiteral("marksToo"))->setChecked(true);
    typeThroughInputMethod(box, QStringLiteral("مالك يوم الدين"));
    QTest::keyClick(box, Qt::Key_Return);
    QCOMPARE(write->verdict()->text(), QStringLiteral("Again: 3 words to mend."));

    // Progress tells the written answers apart, with the grades they were given.
    d.control<QAction>("mnuViewProgress")->trigger();
    auto* progress = d.window->findChild<ProgressWindow*>();
    QVERIFY(progress);
    QTableWidget* drills = progress->drills();
    QCOMPARE(drills->rowCount(), 1);
    QStringList row;
    for (int column = 0; column < drills->columnCount(); ++column)
        row.append(drills->item(0, column)->text());
    QCOMPARE(row, (QStringList{QStringLiteral("Written from memory"), QStringLiteral("3"),
                               QStringLiteral("1"), QStringLiteral("1"), QStringLiteral("1"),
                               QStringLiteral("0")}));
    d.close();
}

// The Tester asks a bayt's second half under its first, which then stands whole among the
// recalled; off again, the choices are whole lines.
void tst_drillwindows::theSecondHalfIsAskedFromTheFirst()
{
    const QStringList poem{
        QStringLiteral("قِفَا نَبْكِ مِنْ ذِكْرَى حَبِيبٍ وَمَنْزِلِ\tبِسِقْطِ اللِّوَى بَيْنَ الدَّخُولِ فَحَوْمَلِ"),
        QStringLiteral("فَتُوضِحَ فَالمِقْرَاةِ لَمْ يَعْفُ رَسْمُهَا\tلِمَا نَسَجَتْهَا مِنْ جَنُوبٍ وَشَمْأَلِ"),
        QStringLiteral("تَرَى بَعَرَ الأرْآمِ فِي عَرَصَاتِهَا\tوَقِيعَانِهَا كَأنَّهُ حَبُّ فُلْفُلِ")};
    WindowDriver d;
    d.open(poem, false, 2);
    auto* halves = d.control<QAction>("mnuViewSecondHalves");
    QVERIFY(!halves->isChecked());
    halves->setChecked(true);
    QCOMPARE(d.rows("lstSelected").size(), 1);
    const QString question = d.rows("lstSelected")[0];
    QVERIFY(question.contains(QStringLiteral("مِنْ ذِكْرَى حَبِيبٍ وَمَنْزِلِ")));
    QVERIFY(question.endsWith(QStringLiteral("…")));
    QVERIFY(!question.contains(QStringLiteral("بِسِقْطِ")));
    const QStringList choices = d.rows("lstSelect");
    QCOMPARE(choices.size(), 4); // the header and three second halves
    const int right =
        int(choices.indexOf(getDisplayWords(QStringLiteral("بِسِقْطِ اللِّوَى بَيْنَ الدَّخُولِ فَحَوْمَلِ"))));
    QVERIFY(right > 0);
    d.clickRow("lstSelect", right);
    QCOMPARE(d.rows("lstSelected").size(), 2);
    QVERIFY(d.rows("lstSelected")[0].contains(QStringLiteral("بِسِقْطِ")));
    QVERIFY(!d.rows("lstSelected")[0].contains(QStringLiteral("…")));
    QVERIFY(d.rows("lstSelected")[1].contains(QStringLiteral("فَتُوضِحَ")));

    halves->setChecked(false);
    QVERIFY(d.rows("lstSelected").isEmpty());
    QVERIFY(d.rows("lstSelect").join(u'|').contains(QStringLiteral("قِفَا نَبْكِ")));
    d.close();
}

// The practised range recited aloud: keys and clicks mark the entries revealed, each entry left
// is kept with its grade, and Progress shows the marks.
void tst_drillwindows::aPassageIsRecitedAndMarked()
{
    WindowDriver d;
    d.open(kFatiha);
    QStringList said;
    QString passage;
    whenShown([&] {
        auto* recital = qobject_cast<RecitalWindow*>(QApplication::activeModalWidget());
        if (!recital)
            return;
        auto key = [&](int code, const QString& text = {}) {
            QKeyEvent press(QEvent::KeyPress, code, Qt::NoModifier, text);
            QCoreApplication::sendEvent(recital, &press);
            said.append(recital->status()->text());
        };
        key(Qt::Key_1, QStringLiteral("1")); // nothing revealed: refused
        key(Qt::Key_Return);
        recital->clickWord(1, false); // لِلَّهِ, wrong
        key(Qt::Key_Space);           // 2 begins, 1 is kept
        key(Qt::Key_Return);
        key(0, QStringLiteral("٣")); // a vowel slip, in Arabic-Indic digits
        key(Qt::Key_Return);
        key(Qt::Key_Backspace); // entry 3 has no mark
        passage = recital->passage()->toPlainText();
        recital->reject(); // leaving keeps entry 3, clean
    });
    d.control<QAction>("mnuViewRecital")->trigger();
    QCOMPARE(said.first(), QStringLiteral("Reveal the entry before marking it."));
    QCOMPARE(said.last(), QStringLiteral("This entry has no mark to take back."));
    QVERIFY(passage.startsWith(QStringLiteral("ٱلۡحَمۡدُ …"))); // where to begin
    QVERIFY(passage.contains(QStringLiteral("3. ") + kFatiha[2]));

    d.control<QAction>("mnuViewProgress")->trigger();
    auto* progress = d.window->findChild<ProgressWindow*>();
    QStringList row;
    for (int column = 0; column < progress->drills()->columnCount(); ++column)
        row.append(progress->drills()->item(0, column)->text());
    QCOMPARE(row, (QStringList{QStringLiteral("Recited aloud and marked"), QStringLiteral("3"),
                               QStringLiteral("1"), QStringLiteral("1"), QStringLiteral("1"),
                               QStringLiteral("0")}));
    QTableWidget* words = progress->recital()->words();
    QCOMPARE(words->rowCount(), 1);
    QCOMPARE(words->item(0, 0)->text(), QStringLiteral("لِلَّهِ"));
    QVERIFY(progress->mistakes()->isTabVisible(progress->mistakes()->indexOf(progress->recital())));
    d.close();
}

QTEST_MAIN(tst_drillwindows)
#include "tst_drillwindows.moc"
