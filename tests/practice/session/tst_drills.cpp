#include "practice/session/hemistich.h"
#include "practice/session/writtencheck.h"
#include "schedule/fsrs.h"

#include <QTest>

Q_DECLARE_METATYPE(fsrs::Grade)

namespace {

// A check in short: a letter a word, R right, W wrong, M missing, X extra.
QString marksOf(const QList<writtencheck::Word>& words)
{
    QString marks;
    for (const writtencheck::Word& word : words)
        marks.append(QLatin1Char("RWMX"[int(word.mark)]));
    return marks;
}

} // namespace

// The rules of the recall drills, without a window.
class tst_drills : public QObject {
    Q_OBJECT
private slots:
    void writtenChecks_data();
    void writtenChecks();
    void writtenWordsCarryBothSpellings();
    void hemistichs_data();
    void hemistichs();
    void answersKeepWithinBounds();
};

// An answer box takes room for a generous answer and no control that turns the words after it.
void tst_drills::answersKeepWithinBounds()
{
    QCOMPARE(writtencheck::longestAnswer(QStringLiteral("الٓمٓ")), 200);
    QCOMPARE(writtencheck::longestAnswer(QString(1000, u'ب')), 4000);
    for (const char16_t control : {u'\u202A', u'\u202B', u'\u202C', u'\u202D', u'\u202E', u'\u2066',
                                   u'\u2067', u'\u2068', u'\u2069'})
        QCOMPARE(writtencheck::withoutDirectionControls(QStringLiteral("مالك ") + QChar(control) +
                                                        QStringLiteral("يوم")),
                 QStringLiteral("مالك يوم"));
    // The marks that only hint a direction change no order: they stay.
    QCOMPARE(writtencheck::withoutDirectionControls(QStringLiteral("a\u200Fb\u200Ec")),
             QStringLiteral("a\u200Fb\u200Ec"));
}

void tst_drills::writtenChecks_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("entry");
    QTest::addColumn<bool>("marksToo");
    QTest::addColumn<QString>("marks");
    QTest::addColumn<fsrs::Grade>("grade");

    // Al-Baqarah 43 and the start of 35, in the mushaf's Uthmani script.
    QTest::newRow("the plain spelling of a Uthmani verse")
        << QStringLiteral("وأقيموا الصلاة وآتوا الزكاة واركعوا مع الراكعين")
        << QStringLiteral("وَأَقِيمُواْ ٱلصَّلَوٰةَ وَءَاتُواْ ٱلزَّكَوٰةَ وَٱرۡكَعُواْ مَعَ ٱلرَّـٰكِعِينَ") << false << "RRRRRRR"
        << fsrs::Grade::Good;
    QTest::newRow("a wrong word")
        << QStringLiteral("وأقيموا الصلاة وآتوا الزكاة واسجدوا مع الراكعين")
        << QStringLiteral("وَأَقِيمُواْ ٱلصَّلَوٰةَ وَءَاتُواْ ٱلزَّكَوٰةَ وَٱرۡكَعُواْ مَعَ ٱلرَّـٰكِعِينَ") << false << "RRRRWRR"
        << fsrs::Grade::Hard;
    QTest::newRow("a word left out")
        << QStringLiteral("وأقيموا الصلاة وآتوا الزكاة واركعوا الراكعين")
        << QStringLiteral("وَأَقِيمُواْ ٱلصَّلَوٰةَ وَءَاتُواْ ٱلزَّكَوٰةَ وَٱرۡكَعُواْ مَعَ ٱلرَّـٰكِعِينَ") << false << "RRRRRMR"
        << fsrs::Grade::Hard;
    QTest::newRow("a word added")
        << QStringLiteral("وأقيموا الصلاة وآتوا الزكاة واركعوا مع الراكعين جميعا")
        << QStringLiteral("وَأَقِيمُواْ ٱلصَّلَوٰةَ وَءَاتُواْ ٱلزَّكَوٰةَ وَٱرۡكَعُواْ مَعَ ٱلرَّـٰكِعِينَ") << false << "RRRRRRRX"
        << fsrs::Grade::Hard;
    QTest::newRow("two words swapped")
        << QStringLiteral("الصلاة وأقيموا وآتوا الزكاة واركعوا مع الراكعين")
        << QStringLiteral("وَأَقِيمُواْ ٱلصَّلَوٰةَ وَءَاتُواْ ٱلزَّكَوٰةَ وَٱرۡكَعُواْ مَعَ ٱلرَّـٰكِعِينَ") << false << "WWRRRRR"
        << fsrs::Grade::Again;
    QTest::newRow("words run together and a word split")
        << QStringLiteral("وأقيموا الصلاةوآتوا الزكاة وار كعوا مع الراكعين")
        << QStringLiteral("وَأَقِيمُواْ ٱلصَّلَوٰةَ وَءَاتُواْ ٱلزَّكَوٰةَ وَٱرۡكَعُواْ مَعَ ٱلرَّـٰكِعِينَ") << false << "RRRRRRR"
        << fsrs::Grade::Good;
    QTest::newRow("spaces, tabs and stops")
        << QStringLiteral("  وأقيموا   الصلاة،\tوآتوا الزكاة . واركعوا مع الراكعين ")
        << QStringLiteral("وَأَقِيمُواْ ٱلصَّلَوٰةَ وَءَاتُواْ ٱلزَّكَوٰةَ وَٱرۡكَعُواْ مَعَ ٱلرَّـٰكِعِينَ") << false << "RRRRRRR"
        << fsrs::Grade::Good;
    QTest::newRow("the vocative typed apart")
        << QStringLiteral("وقلنا يا آدم اسكن أنت") << QStringLiteral("وَقُلۡنَا يَـٰٓـَٔادَمُ ٱسۡكُنۡ أَنتَ")
        << false << "RRRR" << fsrs::Grade::Good;
    QTest::newRow("nothing typed")
        << QStringLiteral("") << QStringLiteral("وَأَقِيمُواْ ٱلصَّلَوٰةَ وَءَاتُواْ ٱلزَّكَوٰةَ وَٱرۡكَعُواْ مَعَ ٱلرَّـٰكِعِينَ")
        << false << "MMMMMMM" << fsrs::Grade::Again;
    QTest::newRow("marks too: typed as a keyboard types them")
        << QStringLiteral("وَأَقِيمُوا الصَّلَاةَ وَآتُوا الزَّكَاةَ وَارْكَعُوا مَعَ الرَّاكِعِينَ")
        << QStringLiteral("وَأَقِيمُواْ ٱلصَّلَوٰةَ وَءَاتُواْ ٱلزَّكَوٰةَ وَٱرۡكَعُواْ مَعَ ٱلرَّـٰكِعِينَ") << true << "RRRRRRR"
        << fsrs::Grade::Good;
    QTest::newRow("marks too: shadda typed after its vowel")
        << QStringLiteral("وَأَقِيمُوا الصَّلَاةَ وَآتُوا الزَّكَاةَ وَارْكَعُوا مَعَ الرَّاكِعِينَ")
        << QStringLiteral("وَأَقِيمُواْ ٱلصَّلَوٰةَ وَءَاتُواْ ٱلزَّكَوٰةَ وَٱرۡكَعُواْ مَعَ ٱلرَّـٰكِعِينَ") << true << "RRRRRRR"
        << fsrs::Grade::Good;
    QTest::newRow("marks too: a wrong vowel")
        << QStringLiteral("وَأَقِيمُوا الصَّلَاةِ وَآتُوا الزَّكَاةَ وَارْكَعُوا مَعَ الرَّاكِعِينَ")
        << QStringLiteral("وَأَقِيمُواْ ٱلصَّلَوٰةَ وَءَاتُواْ ٱلزَّكَوٰةَ وَٱرۡكَعُواْ مَعَ ٱلرَّـٰكِعِينَ") << true << "RWRRRRR"
        << fsrs::Grade::Hard;
    QTest::newRow("marks too: marks left out")
        << QStringLiteral("وأقيموا الصلاة وَآتُوا الزَّكَاةَ وَارْكَعُوا مَعَ الرَّاكِعِينَ")
        << QStringLiteral("وَأَقِيمُواْ ٱلصَّلَوٰةَ وَءَاتُواْ ٱلزَّكَوٰةَ وَٱرۡكَعُواْ مَعَ ٱلرَّـٰكِعِينَ") << true << "WWRRRRR"
        << fsrs::Grade::Again;
    QTest::newRow("marks off: a wrong vowel is no mistake")
        << QStringLiteral("وَأَقِيمُوا الصَّلَاةِ") << QStringLiteral("وَأَقِيمُواْ ٱلصَّلَوٰةَ") << false << "RR"
        << fsrs::Grade::Good;
}

void tst_drills::writtenChecks()
{
    QFETCH(QString, typed);
    QFETCH(QString, entry);
    QFETCH(bool, marksToo);
    QFETCH(QString, marks);
    QFETCH(fsrs::Grade, grade);

    const QList<writtencheck::Word> words = writtencheck::compare(typed, entry, marksToo);
    QCOMPARE(marksOf(words), marks);
    QCOMPARE(writtencheck::grade(words), grade);
}

// A wrong word shows what was typed and what the entry has; a missing one the entry's word, an
// extra one the typed word; a word split in two is one right word.
void tst_drills::writtenWordsCarryBothSpellings()
{
    const QString entry = QStringLiteral("قِفَا نَبْكِ مِنْ ذِكْرَى");
    const QList<writtencheck::Word> words =
        writtencheck::compare(QStringLiteral("قفا نب كِ عن ذكرى حبيب"), entry);
    QCOMPARE(marksOf(words), QStringLiteral("RRWRX"));
    QCOMPARE(words[1].typed, QStringLiteral("نب كِ"));
    QCOMPARE(words[2].expected, QStringLiteral("مِنْ"));
    QCOMPARE(words[2].typed, QStringLiteral("عن"));
    QCOMPARE(words[4].expected, QString());
    QCOMPARE(words[4].typed, QStringLiteral("حبيب"));
    QCOMPARE(writtencheck::mistakes(words), 2);

    const QList<writtencheck::Word> missing =
        writtencheck::compare(QStringLiteral("قفا من ذكرى"), entry);
    QCOMPARE(marksOf(missing), QStringLiteral("RMRR"));
    QCOMPARE(missing[1].expected, QStringLiteral("نَبْكِ"));
    QCOMPARE(missing[1].typed, QString());
}

void tst_drills::hemistichs_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("halves"); // the two joined by "|", empty for none

    QTest::newRow("a bayt") << "قِفَا نَبْكِ مِنْ ذِكْرَى حَبِيبٍ وَمَنْزِلِ\tبِسِقْطِ اللِّوَى بَيْنَ الدَّخُولِ فَحَوْمَلِ"
                            << "قِفَا نَبْكِ مِنْ ذِكْرَى حَبِيبٍ وَمَنْزِلِ|بِسِقْطِ اللِّوَى بَيْنَ الدَّخُولِ فَحَوْمَلِ";
    QTest::newRow("spaces around the TAB") << "الخَيْلُ وَاللّيْلُ  \t  وَالبَيْداءُ تَعرِفُني"
                                           << "الخَيْلُ وَاللّيْلُ|وَالبَيْداءُ تَعرِفُني";
    QTest::newRow("a further TAB stays in the second") << "أ ب\tج\tد"
                                                       << "أ ب|ج\tد";
    QTest::newRow("a verse of prose") << "ٱلرَّحۡمَٰنِ ٱلرَّحِيمِ"
                                      << "";
    QTest::newRow("a TAB at the end") << "ٱلرَّحۡمَٰنِ ٱلرَّحِيمِ\t"
                                      << "";
    QTest::newRow("a sign alone after the TAB") << "ٱلرَّحۡمَٰنِ\t۞"
                                                << "";
}

void tst_drills::hemistichs()
{
    QFETCH(QString, item);
    QFETCH(QString, halves);
    const std::optional<hemistich::Halves> split = hemistich::split(item);
    QCOMPARE(split ? split->first + u'|' + split->second : QString(), halves);
}

QTEST_GUILESS_MAIN(tst_drills)
#include "tst_drills.moc"
