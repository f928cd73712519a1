#include "practice/recital/RecitalCheck.h"
#include "practice/recital/recitalrecord.h"

#include <QTest>

using recital::Mark;
using recital::PlacedMark;

Q_DECLARE_METATYPE(fsrs::Grade)

namespace {

// Al-Ikhlas, as the mushaf writes it: its verses end in their numbers.
const QList<std::pair<int, QString>> kIkhlas{
    {1, QStringLiteral("قُلۡ هُوَ ٱللَّهُ أَحَدٌ ١")},
    {2, QStringLiteral("ٱللَّهُ ٱلصَّمَدُ ٢")},
    {3, QStringLiteral("لَمۡ يَلِدۡ وَلَمۡ يُولَدۡ ٣")},
    {4, QStringLiteral("وَلَمۡ يَكُن لَّهُۥ كُفُوًا أَحَدُۢ ٤")},
};

// Plays `keys` on a check of al-Ikhlas: w a word, E the entry, 1 to 4 a mark on the entry, W or
// V and a digit a wrong word or a vowel slip on that word, u undo, L leave. Gives the entries
// checked, as "number:grade", and a ! for every key refused.
QString play(const QString& keys)
{
    RecitalCheck check(kIkhlas);
    QStringList out;
    auto note = [&](const std::optional<RecitalCheck::Checked>& checked) {
        if (checked)
            out.append(QStringLiteral("%1:%2").arg(checked->number).arg(int(checked->grade)));
    };
    for (qsizetype i = 0; i < keys.size(); ++i) {
        const QChar key = keys[i];
        bool done = true;
        if (key == u'w')
            note(check.revealWord());
        else if (key == u'E')
            note(check.revealEntry());
        else if (key == u'u')
            done = check.undo();
        else if (key == u'L')
            note(check.leave());
        else if (key == u'W' || key == u'V') // a word's mark: the next digit is the word
            done =
                check.mark(key == u'W' ? Mark::WrongWord : Mark::VowelSlip, keys[++i].digitValue());
        else
            done = check.mark(Mark(key.digitValue()));
        if (!done)
            out.append(QStringLiteral("!"));
    }
    return out.join(u' ');
}

} // namespace

// The rules of a passage recited aloud and marked: its words, the reveals, the marks, the
// grades, the summary and the record a teacher reads.
class tst_recital : public QObject {
    Q_OBJECT
private slots:
    void grades_data();
    void grades();
    void words();
    void checking_data();
    void checking();
    void summary();
    void record();
};

void tst_recital::grades_data()
{
    QTest::addColumn<QList<PlacedMark>>("marks");
    QTest::addColumn<fsrs::Grade>("grade");
    using G = fsrs::Grade;
    QTest::newRow("clean") << QList<PlacedMark>{} << G::Good;
    QTest::newRow("one prompt") << QList<PlacedMark>{{Mark::Prompted}} << G::Hard;
    QTest::newRow("one vowel slip on a word") << QList<PlacedMark>{{Mark::VowelSlip, 2}} << G::Hard;
    QTest::newRow("a prompt and a slip")
        << QList<PlacedMark>{{Mark::Prompted}, {Mark::VowelSlip, 1}} << G::Again;
    QTest::newRow("two slips") << QList<PlacedMark>{{Mark::VowelSlip, 0}, {Mark::VowelSlip, 1}}
                               << G::Again;
    QTest::newRow("a wrong word") << QList<PlacedMark>{{Mark::WrongWord, 3}} << G::Again;
    QTest::newRow("skipped") << QList<PlacedMark>{{Mark::Skipped}} << G::Again;
}

void tst_recital::grades()
{
    QFETCH(QList<PlacedMark>, marks);
    QFETCH(fsrs::Grade, grade);
    QCOMPARE(recital::gradeOf(marks), grade);
}

// A verse's number, a pause sign and a bayt's TAB are no words of their own.
void tst_recital::words()
{
    QCOMPARE(recital::wordsOf(kIkhlas[0].second),
             (QStringList{QStringLiteral("قُلۡ"), QStringLiteral("هُوَ"), QStringLiteral("ٱللَّهُ"),
                          QStringLiteral("أَحَدٌ ١")}));
    QCOMPARE(recital::wordsOf(QStringLiteral("ذَٰلِكَ ٱلۡكِتَٰبُ لَا رَيۡبَۛ فِيهِۛ")).size(), 5);
    QCOMPARE(recital::wordsOf(QStringLiteral("قِفا نَبكِ\tمِن ذِكرى")).size(), 4);
    QCOMPARE(recital::wordsOf(QStringLiteral("۞ بَلَىٰ")),
             (QStringList{QStringLiteral("۞"), QStringLiteral("بَلَىٰ")}));
}

void tst_recital::checking_data()
{
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("checked");
    QTest::newRow("clean, entry by entry") << "EEEEE"
                                           << "1:3 2:3 3:3 4:3";
    QTest::newRow("word by word: the last word makes it whole") << "wwwwwE"
                                                                << "1:3";
    QTest::newRow("marks make the grades") << "E1E3E2E4E"
                                           << "1:2 2:2 3:1 4:1";
    QTest::newRow("a word's marks, once each") << "EW1W1V2E"
                                               << "! 1:1";
    QTest::newRow("a mark before the entry is revealed is refused") << "1E"
                                                                    << "!";
    QTest::newRow("a word not shown yet is refused") << "wW2wW1EE"
                                                     << "! 1:1";
    QTest::newRow("undo takes back the last mark") << "E2uE"
                                                   << "1:3";
    QTest::newRow("nothing to undo") << "Eu"
                                     << "!";
    QTest::newRow("undo reaches no entry already left") << "E2Eu"
                                                        << "1:1 !";
    QTest::newRow("leaving keeps what was marked") << "E3EL"
                                                   << "1:2 2:3";
    QTest::newRow("leaving before a reveal records nothing") << "EEL"
                                                             << "1:3 2:3";
    QTest::newRow("after the last entry, nothing more") << "EEEEE1Eu"
                                                        << "1:3 2:3 3:3 4:3 ! !";
}

void tst_recital::checking()
{
    QFETCH(QString, keys);
    QFETCH(QString, checked);
    QCOMPARE(play(keys), checked);
}

void tst_recital::summary()
{
    RecitalCheck check(kIkhlas.mid(0, 1)); // a passage of one entry
    QVERIFY(!check.revealEntry());
    QVERIFY(check.mark(Mark::VowelSlip, 2));
    QVERIFY(check.mark(Mark::Prompted));
    const std::optional<RecitalCheck::Checked> checked = check.revealEntry();
    QVERIFY(checked && check.isOver());
    QCOMPARE(checked->markedWords, QStringList{QStringLiteral("ٱللَّهُ")});
    const RecitalCheck::Summary summary = check.summary();
    QCOMPARE(summary.entries, 1);
    QCOMPARE(summary.clean, 0);
    QCOMPARE(summary.byKind, (std::array<int, 4>{1, 0, 1, 0}));
    QCOMPARE(summary.words.size(), 1);
    QCOMPARE(summary.words[0].first, 1);
}

// By part and page, the most marked first, and the weeks' counts up to today.
void tst_recital::record()
{
    const QDate today(2026, 12, 8);
    auto marked = [&](int number, int daysAgo, Mark kind, const QString& word = {}) {
        return PracticeHistory::MarkedEntry{number,
                                            QStringLiteral("آية %1").arg(number),
                                            today.addDays(-daysAgo),
                                            {int(kind), word.isEmpty() ? -1 : 0, word}};
    };
    const QList<PracticeHistory::MarkedEntry> marks{
        marked(2, 0, Mark::WrongWord, QStringLiteral("ٱلصَّمَدُ")),
        marked(5, 1, Mark::VowelSlip, QStringLiteral("ٱلصَّمَدُ")), marked(5, 8, Mark::Prompted),
        marked(9, 60, Mark::Skipped), // before the weeks shown
    };
    const QList<Part> parts{{QStringLiteral("الإخلاص"), 1, 4}, {QStringLiteral("الفلق"), 5, 9}};
    const QList<DivisionKind> pages{{QStringLiteral("page"), {{QStringLiteral("604"), 1, 9}}}};
    const QList<QDate> recited{today, today, today.addDays(-1), today.addDays(-8)};
    const recitalrecord::Record record =
        recitalrecord::of(marks, recited, parts, pages, today, 2, 2);
    QCOMPARE(record.marks, 4);
    QCOMPARE(record.byDivision.size(), 2);
    QCOMPARE(record.byDivision[0].groups.size(), 2);
    QCOMPARE(record.byDivision[0].groups[1].marks, (recitalrecord::Counts{1, 0, 1, 1}));
    QCOMPARE(record.byDivision[1].kind, QStringLiteral("page"));
    QCOMPARE(record.byDivision[1].groups[0].marks, (recitalrecord::Counts{1, 1, 1, 1}));
    QCOMPARE(record.entries.size(), 2);
    QCOMPARE(record.entries[0].number, 5); // twice
    QCOMPARE(record.entries[0].count, 2);
    QCOMPARE(record.words.size(), 1);
    QCOMPARE(record.words[0].count, 2);
    QCOMPARE(record.words[0].number, 5); // where it was marked last
    QCOMPARE(record.weeks.size(), 2);
    QCOMPARE(record.weeks[1].from, today.addDays(-6));
    QCOMPARE(record.weeks[1].recited, 3);
    QCOMPARE(record.weeks[1].marks, (recitalrecord::Counts{0, 1, 1, 0}));
    QCOMPARE(record.weeks[0].recited, 1);
    QCOMPARE(record.weeks[0].marks, (recitalrecord::Counts{1, 0, 0, 0}));
}

QTEST_MAIN(tst_recital)
#include "tst_recital.moc"
