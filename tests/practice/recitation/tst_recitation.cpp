#include "practice/recitation/RecitationSession.h"
#include "practice/recitation/recitationindex.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

// A list's recitation: which file is whose, and what plays when.
class tst_recitation : public QObject {
    Q_OBJECT
private slots:
    void filesAreMatchedByReference_data();
    void filesAreMatchedByReference();
    void aHugeFolderIsReadByNames();
    void reciting_data();
    void reciting();
};

void tst_recitation::filesAreMatchedByReference_data()
{
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<bool>("withParts");  // parts 1-2 and 3-5
    QTest::addColumn<QString>("matched"); // entry:file, for entries 1 to 5
    QTest::newRow("part and entry, three digits each")
        << QStringList{"001001.mp3", "001002.ogg", "002001.opus", "002003.FLAC", "002000.mp3"}
        << true << "1:001001 2:001002 3:002001 5:002003";
    QTest::newRow("running numbers, four digits or more")
        << QStringList{"0001.mp3", "00002.wav", "003.mp3", "0005.txt", "0004.m3u"} << false
        << "1:0001 2:00002";
    QTest::newRow("a list with parts takes no running numbers for its entries")
        << QStringList{"0001.mp3", "001001.mp3"} << true << "1:001001";
    QTest::newRow("names that are no number, folders and hidden files are left")
        << QStringList{"fatiha.mp3", "1.mp3", "sub/0001.mp3", ".0002.mp3"} << false << "";
}

void tst_recitation::filesAreMatchedByReference()
{
    QFETCH(QStringList, files);
    QFETCH(bool, withParts);
    QFETCH(QString, matched);
    QTemporaryDir dir;
    for (const QString& name : files) {
        QDir().mkpath(QFileInfo(dir.filePath(name)).path());
        QFile file(dir.filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    const QList<Part> parts =
        withParts ? QList<Part>{{QStringLiteral("a"), 1, 2, 0}, {QStringLiteral("b"), 3, 5, 0}}
                  : QList<Part>{};
    const recitation::Index index = recitation::indexFolder(dir.path());
    QStringList found;
    for (int number = 1; number <= 5; ++number)
        if (const QString file = recitation::fileFor(index, parts, number); !file.isEmpty())
            found.append(QStringLiteral("%1:%2").arg(number).arg(QFileInfo(file).baseName()));
    QCOMPARE(found.join(u' '), matched);
    QCOMPARE(recitation::matched(index, parts, 5), int(found.size()));
}

// 6,236 files, one a verse, and a cancel that stops the reading at once.
void tst_recitation::aHugeFolderIsReadByNames()
{
    QTemporaryDir dir;
    for (int verse = 1; verse <= 6236; ++verse)
        QFile(dir.filePath(QStringLiteral("%1.mp3").arg(verse, 4, 10, QChar(u'0'))))
            .open(QIODevice::WriteOnly);
    const recitation::Index index = recitation::indexFolder(dir.path());
    QCOMPARE(index.files, 6236);
    QCOMPARE(recitation::matched(index, {}, 6236), 6236);
    const std::atomic_bool cancelled{true};
    QVERIFY(recitation::indexFolder(dir.path(), &cancelled).isEmpty());
}

void tst_recitation::reciting_data()
{
    QTest::addColumn<int>("repeatEach");
    QTest::addColumn<int>("gapFactor");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("steps"); // what follows each event, a playing lasting 2 s
    QTest::newRow("once, no gap") << 1 << 0 << "a.mp3"
                                  << "play 1/1, done";
    QTest::newRow("three times, no gap") << 3 << 0 << "a.mp3"
                                         << "play 1/3, play 2/3, play 3/3, done";
    QTest::newRow("twice, a gap as long as the verse")
        << 2 << 1 << "a.mp3"
        << "play 1/2, gap 2000, play 2/2, gap 2000, done";
    QTest::newRow("a gap twice as long") << 1 << 2 << "a.mp3"
                                         << "play 1/1, gap 4000, done";
    QTest::newRow("an entry without a file is done at once") << 5 << 1 << ""
                                                             << "done";
}

void tst_recitation::reciting()
{
    QFETCH(int, repeatEach);
    QFETCH(int, gapFactor);
    QFETCH(QString, file);
    QFETCH(QString, steps);
    RecitationSession session;
    session.setRepeatEach(repeatEach);
    session.setGapFactor(gapFactor);
    QStringList seen;
    RecitationSession::Step step = session.begin(7, file);
    for (;;) {
        if (step.kind == RecitationSession::Step::Done) {
            seen.append(QStringLiteral("done"));
            break;
        }
        if (step.kind == RecitationSession::Step::Play) {
            QCOMPARE(step.file, file);
            seen.append(QStringLiteral("play %1/%2").arg(step.repetition).arg(step.repetitions));
            step = session.played(2000);
        } else {
            seen.append(QStringLiteral("gap %1").arg(step.gapMs));
            step = session.gapOver();
        }
    }
    QCOMPARE(seen.join(QStringLiteral(", ")), steps);
    QVERIFY(!session.isReciting());
    // Stopped in the middle, nothing more comes.
    session.begin(8, QStringLiteral("b.mp3"));
    session.stop();
    QCOMPARE(session.played(2000).kind, RecitationSession::Step::Done);
}

QTEST_GUILESS_MAIN(tst_recitation)
#include "tst_recitation.moc"
