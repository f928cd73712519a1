#include "practice/session/ListerSession.h"
#include "practice/session/listing.h"

#include <QTest>

namespace {

PracticeRange rangeOf(int count, int first, int last)
{
    QStringList items;
    for (int n = 1; n <= count; ++n)
        items.append(QStringLiteral("item %1").arg(n));
    return PracticeRange(items).chosen(first, last);
}

// What a step showed: the item's number, "*" before it when the listing started over, "-"
// for nothing.
QString shown(const std::optional<ListerSession::Step>& step)
{
    if (!step)
        return QStringLiteral("-");
    return (step->startedOver ? QStringLiteral("*") : QString()) + QString::number(step->number);
}

} // namespace

// The Lister's steps and its clock, without a window.
class tst_listersession : public QObject {
    Q_OBJECT
private slots:
    void steps_data();
    void steps();
    void finishedQuickListResumesAtATimedSpeed();
    void stepsCarryPositionAndText();
    void recallFirstPromptsThenReveals();
    void recallPrompts_data();
    void recallPrompts();
    void wordByWord_data();
    void wordByWord();
    void secondHalfFromTheFirst();
};

void tst_listersession::steps_data()
{
    QTest::addColumn<int>("speed");
    QTest::addColumn<bool>("restart");
    QTest::addColumn<int>("rangeTimes"); // 0: without end
    QTest::addColumn<QString>("shownSteps");
    QTest::addColumn<bool>("clockAtTheEnd");

    // Items 5 to 7 of a list of 12, six steps each.
    QTest::newRow("quick list stops at the end even with restart on")
        << listing::kQuickSpeed << true << 0 << "5 6 7 - - -" << false;
    QTest::newRow("a timed speed starts over when restart is on")
        << 2 << true << 0 << "5 6 7 *5 6 7" << true;
    QTest::newRow("a timed speed finishes when restart is off")
        << 2 << false << 0 << "5 6 7 - - -" << false;
    QTest::newRow("manual steps start over but never need the clock")
        << listing::kManualSpeed << true << 0 << "5 6 7 *5 6 7" << false;
    QTest::newRow("manual without restart finishes")
        << listing::kManualSpeed << false << 0 << "5 6 7 - - -" << false;
    QTest::newRow("the range twice, then finished") << 2 << true << 2 << "5 6 7 *5 6 7" << false;
    QTest::newRow("once: restart or not, finished") << 2 << true << 1 << "5 6 7 - - -" << false;
}

void tst_listersession::steps()
{
    QFETCH(int, speed);
    QFETCH(bool, restart);
    QFETCH(int, rangeTimes);
    QFETCH(QString, shownSteps);
    QFETCH(bool, clockAtTheEnd);

    ListerSession lister;
    lister.setSpeed(speed);
    lister.setRestartOnFinish(restart);
    lister.setRangeTimes(rangeTimes);
    lister.restart(rangeOf(12, 5, 7));
    QStringList seen;
    for (int i = 0; i < 6; ++i)
        seen.append(shown(lister.step()));
    if (rangeTimes == 2)
        QCOMPARE(lister.round(), 2);
    QCOMPARE(seen.join(u' '), shownSteps);
    QCOMPARE(lister.needsClock(), clockAtTheEnd);
    QCOMPARE(lister.isFinished(), shownSteps.endsWith(u'-') || rangeTimes == 2);
}

// From a finished quick list, a timed speed with restart on starts the listing again at the
// next tick; the listing clock is needed again from that moment only.
void tst_listersession::finishedQuickListResumesAtATimedSpeed()
{
    ListerSession lister;
    lister.setSpeed(listing::kQuickSpeed);
    lister.restart(rangeOf(3, 1, 3));
    while (lister.step()) {
    }
    QVERIFY(!lister.needsClock());
    lister.setSpeed(2);
    QVERIFY(lister.needsClock());
    QCOMPARE(shown(lister.step()), QStringLiteral("*1"));

    lister.setRestartOnFinish(false);
    lister.step();
    QVERIFY(lister.needsClock()); // item 3 is still to come
    lister.step();
    QVERIFY(!lister.needsClock());

    QVERIFY(!ListerSession().needsClock()); // no range, nothing to list
    QVERIFY(!ListerSession().step());
}

void tst_listersession::stepsCarryPositionAndText()
{
    ListerSession lister;
    lister.restart(rangeOf(12, 9, 12));
    lister.step();
    const std::optional<ListerSession::Step> second = lister.step();
    QCOMPARE(second->position, 2);
    QCOMPARE(second->number, 10);
    QCOMPARE(second->text, QStringLiteral("item 10"));
    lister.restart(rangeOf(12, 2, 3));
    QCOMPARE(shown(lister.step()), QStringLiteral("2")); // a restart begins afresh
}

// Each new item is first a prompt and is revealed at the next step; a range does not end, nor
// start over, before its last item is revealed.
void tst_listersession::recallFirstPromptsThenReveals()
{
    ListerSession lister;
    lister.setSpeed(2);
    lister.setRecallFirst(true);
    lister.restart(rangeOf(12, 5, 6));
    QStringList seen;
    for (int i = 0; i < 6; ++i) {
        const std::optional<ListerSession::Step> step = lister.step();
        seen.append(shown(step) + QString::fromLatin1(step->prompt   ? "?"
                                                      : step->reveal ? "!"
                                                                     : ""));
    }
    QCOMPARE(seen.join(u' '), QStringLiteral("5? 5! 6? 6! *5? 5!"));

    lister.setRestartOnFinish(false);
    lister.restart(rangeOf(12, 5, 5));
    lister.step();
    QVERIFY(!lister.isFinished()); // the prompt still waits for its reveal
    QVERIFY(lister.needsClock());
    QVERIFY(lister.step()->reveal);
    QVERIFY(lister.isFinished());

    lister.restart(rangeOf(12, 5, 6));
    lister.step();
    lister.setRecallFirst(false); // turned off between prompt and reveal: the next comes whole
    QCOMPARE(shown(lister.step()), QStringLiteral("6"));
}

void tst_listersession::recallPrompts_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<bool>("wordMode");
    QTest::addColumn<int>("cue");
    QTest::addColumn<int>("revealed");
    QTest::addColumn<QString>("prompt");
    const int word = int(recallcue::Cue::FirstWord);
    const int letters = int(recallcue::Cue::FirstLetters);
    const int blanks = int(recallcue::Cue::Blanks);
    QTest::newRow("a line: its first word") << "قِفَا نَبْكِ مِنْ ذِكْرَى" << false << word << 0 << "قِفَا …";
    QTest::newRow("the first word of a line: its marker")
        << "مَنْ. 3 >>" << true << word << 0 << ". 3 >>";
    QTest::newRow("the last word of a line") << "<< وَجَدَ" << true << word << 0 << "<< ";
    QTest::newRow("a line of one word") << "<< الصَّبْرُ. 7>>" << true << word << 0 << "<< . 7>>";
    QTest::newRow("a word within a line: nothing") << "جَدَّ" << true << word << 0 << "";

    QTest::newRow("letters: joining ones as a word's beginning")
        << "قِفَا نَبْكِ مِنْ ذِكْرَى" << false << letters << 0 << "قـ نـ مـ ذ";
    QTest::newRow("letters: the wasla is an alef")
        << "ٱلۡحَمۡدُ لِلَّهِ رَبِّ ٱلۡعَٰلَمِينَ" << false << letters << 0 << "ا لـ ر ا";
    QTest::newRow("letters: hamza seats stay")
        << "إِيَّاكَ أُوْلَٰٓئِكَ ءَامَنُواْ يُؤۡمِنُونَ" << false << letters << 0 << "إ أ ء يـ";
    QTest::newRow("letters: lam-alef begins with its lam, pause signs are no word")
        << "لَا رَيۡبَۛ فِيهِۛ ۞ قُلۡ" << false << letters << 0 << "لـ ر فـ قـ";
    QTest::newRow("letters: the halves of a bayt stay apart")
        << "قِفَا نَبْكِ\tمِنْ ذِكْرَى" << false << letters << 0 << "قـ نـ\tمـ ذ";
    QTest::newRow("blanks: one a word")
        << "قِفَا نَبْكِ ۞ مِنْ" << false << blanks << 0 << "____ ____ ____";
    QTest::newRow("letters of a word with its marker")
        << "مَنْ. 3 >>" << true << letters << 0 << "مـ. 3 >>";
    QTest::newRow("letters of the last word") << "<< وَجَدَ" << true << letters << 0 << "<< و";
    QTest::newRow("a blank for a word within a line") << "جَدَّ" << true << blanks << 0 << "____";

    // Word by word: the words asked for stand whole before the cue of the rest.
    QTest::newRow("one word more than the first")
        << "قِفَا نَبْكِ مِنْ ذِكْرَى" << false << word << 1 << "قِفَا نَبْكِ …";
    QTest::newRow("two words before the letters of the rest")
        << "قِفَا نَبْكِ مِنْ ذِكْرَى" << false << letters << 2 << "قِفَا نَبْكِ مـ ذ";
    QTest::newRow("a pause sign is no word to reveal")
        << "ذَٰلِكَ ٱلۡكِتَٰبُ لَا رَيۡبَۛ فِيهِۛ" << false << blanks << 4 << "ذَٰلِكَ ٱلۡكِتَٰبُ لَا رَيۡبَۛ ____";
    QTest::newRow("the second half's cue stays in its place")
        << "قِفَا نَبْكِ\tمِنْ ذِكْرَى" << false << letters << 2 << "قِفَا نَبْكِ\tمـ ذ";
    QTest::newRow("a line of one word still reads as a prompt")
        << "الٓمٓ" << false << word << 0 << "الٓمٓ …";
}

void tst_listersession::recallPrompts()
{
    QFETCH(QString, item);
    QFETCH(bool, wordMode);
    QFETCH(int, cue);
    QFETCH(int, revealed);
    QFETCH(QString, prompt);
    QCOMPARE(listing::recallPrompt(item, wordMode, recallcue::Cue(cue), revealed), prompt);
}

QTEST_GUILESS_MAIN(tst_listersession)
#include "tst_listersession.moc"

// Each press asks one word more of the waiting prompt; the press that would leave nothing to
// ask reveals the item, which is then the one to grade; a word item is revealed by the first.
void tst_listersession::wordByWord_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<bool>("wordMode");
    QTest::addColumn<int>("cue");
    QTest::addColumn<QString>("presses"); // what each press shows: words asked, "!" revealed

    QTest::newRow("first word cue")
        << "ٱلۡحَمۡدُ لِلَّهِ رَبِّ ٱلۡعَٰلَمِينَ" << false << int(recallcue::Cue::FirstWord) << "1 2 ! -";
    QTest::newRow("blanks, a sign among the words")
        << "لَا رَيۡبَۛ ۞ فِيهِ" << false << int(recallcue::Cue::Blanks) << "1 2 ! -";
    QTest::newRow("a word item") << "مَنْ. 3 >>" << true << int(recallcue::Cue::Blanks) << "! -";
}

void tst_listersession::wordByWord()
{
    QFETCH(QString, item);
    QFETCH(bool, wordMode);
    QFETCH(int, cue);
    QFETCH(QString, presses);

    ListerSession lister;
    lister.setSpeed(listing::kManualSpeed);
    lister.setRecallFirst(true);
    lister.setRecallCue(recallcue::Cue(cue));
    lister.setWordMode(wordMode);
    QVERIFY(!lister.revealWord()); // nothing prompted yet
    lister.restart(PracticeRange({item, QStringLiteral("next")}).chosen(1, 2));
    lister.step();
    QStringList seen;
    for (int i = 0; i < presses.count(u' ') + 1; ++i) {
        const std::optional<ListerSession::Step> step = lister.revealWord();
        seen.append(!step          ? QStringLiteral("-")
                    : step->reveal ? QStringLiteral("!")
                                   : QString::number(step->revealedWords));
        QVERIFY(!step || step->number == 1);
        QVERIFY(!step || step->again != step->reveal);
    }
    QCOMPARE(seen.join(u' '), presses);
    QVERIFY(!lister.isPrompting());
    QCOMPARE(lister.step()->text, QStringLiteral("next")); // the listing goes on
}

// With the halves of a bayt asked, a bayt's prompt is its first half whole and the cue of the
// second; word by word goes on into the second half. Prose is prompted as before.
void tst_listersession::secondHalfFromTheFirst()
{
    const QString bayt = QStringLiteral("الخَيْلُ وَاللّيْلُ وَالبَيْداءُ تَعرِفُني\tوَالسّيفُ وَالرّمحُ "
                                        "وَالقرْطاسُ وَالقَلَمُ");
    ListerSession lister;
    lister.setRecallFirst(true);
    lister.setSecondHalves(true);
    const QString prompts[] = {QStringLiteral("الخَيْلُ وَاللّيْلُ وَالبَيْداءُ تَعرِفُني\t…"),
                               QStringLiteral("الخَيْلُ وَاللّيْلُ وَالبَيْداءُ تَعرِفُني\tو و و و"),
                               QStringLiteral("الخَيْلُ وَاللّيْلُ وَالبَيْداءُ تَعرِفُني\t____ ____ "
                                              "____ ____")};
    for (const recallcue::Cue cue :
         {recallcue::Cue::FirstWord, recallcue::Cue::FirstLetters, recallcue::Cue::Blanks}) {
        lister.setRecallCue(cue);
        lister.restart(PracticeRange({bayt, QStringLiteral("قال الشاعر")}).chosen(1, 2));
        const std::optional<ListerSession::Step> prompt = lister.step();
        QCOMPARE(listing::recallPrompt(prompt->text, false, cue, prompt->revealedWords),
                 prompts[int(cue)]);
        const std::optional<ListerSession::Step> more = lister.revealWord();
        QVERIFY(listing::recallPrompt(more->text, false, cue, more->revealedWords)
                    .contains(QStringLiteral("تَعرِفُني\tوَالسّيفُ")));
        QVERIFY(lister.step()->reveal);
        QCOMPARE(lister.step()->revealedWords, 0); // prose
    }
}
