#include "lists/listfile.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

struct Run {
    int status = -1;
    QByteArray out;
    QByteArray err;
};

Run runTool(const QStringList& arguments)
{
    QProcess process;
    process.start(QStringLiteral(ZORVEL_LIST_TOOL), arguments);
    process.waitForFinished(120000);
    return {process.exitCode(), process.readAllStandardOutput(), process.readAllStandardError()};
}

void writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

} // namespace

class tst_listtool : public QObject {
    Q_OBJECT
private slots:
    void encodesAndDecodes();
    void encodeKeepsTheTextOrMakesParts_data();
    void encodeKeepsTheTextOrMakesParts();
    void refusesWhatItCannotKeep_data();
    void refusesWhatItCannotKeep();
    void convertsEveryFileItCan();
    void refusesANameItCannotCarry();
    void refusesWhatNoListCanHold_data();
    void refusesWhatNoListCanHold();
};

void tst_listtool::encodesAndDecodes()
{
    QTemporaryDir dir;
    const QString text = dir.filePath(QStringLiteral("days.txt"));
    const QString list = dir.filePath(QStringLiteral("days.zva"));
    writeBytes(text, QStringLiteral("\uFEFFالأَحَد\nالإِثْنَيْن\r\nالثُّلَاثَاء\n").toUtf8());

    Run run = runTool({QStringLiteral("encode"), text, list});
    QCOMPARE(run.status, 0);
    QVERIFY(run.err.isEmpty());
    listfile::Error error;
    QCOMPARE(listfile::readFile(list, &error), QStringLiteral("الأَحَد\r\nالإِثْنَيْن\r\nالثُّلَاثَاء\r\n"));

    run = runTool({QStringLiteral("decode"), list});
    QCOMPARE(run.status, 0);
    QCOMPARE(QString::fromUtf8(run.out), QStringLiteral("الأَحَد\r\nالإِثْنَيْن\r\nالثُّلَاثَاء\r\n"));
}

// encode keeps the text as given, decode gives it back; --parts makes the parts Import makes;
// --mushaf names and divides a Quran as the Madani mushaf does.
void tst_listtool::encodeKeepsTheTextOrMakesParts_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QString>("decoded");
    const QString stanzas = QStringLiteral("قِفَا نَبْكِ\r\nبِسِقْطِ اللِّوَى\r\n\r\nفَتُوضِحَ\r\n");
    const QString verses = QStringLiteral("1|1|بِسۡمِ ٱللَّهِ\n1|2|ٱلۡحَمۡدُ لِلَّهِ\n2|1|الٓمٓ\n");
    const QStringList parts{QStringLiteral("--parts")};
    QTest::newRow("stanzas set apart by a blank line") << stanzas << QStringList() << stanzas;
    QTest::newRow("blank lines at the start and the end")
        << QStringLiteral("\r\n\r\na\r\n\r\n") << QStringList()
        << QStringLiteral("\r\n\r\na\r\n\r\n");
    QTest::newRow("headings of its own")
        << QStringLiteral("# One\r\na\r\n\r\n# Two\r\nb") << QStringList()
        << QStringLiteral("# One\r\na\r\n\r\n# Two\r\nb");
    QTest::newRow("the verse form, as given")
        << verses << QStringList()
        << QString(verses).replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
    QTest::newRow("--parts: a stanza a part")
        << stanzas << parts << QStringLiteral("# 1\r\nقِفَا نَبْكِ\r\nبِسِقْطِ اللِّوَى\r\n# 2\r\nفَتُوضِحَ");
    QTest::newRow("--parts --mushaf: surahs named, divisions marked")
        << QStringLiteral("78|1|عَمَّ يَتَسَآءَلُونَ\n") << QStringList{"--parts", "--mushaf"}
        << QStringLiteral("## juz 30\r\n## page 582\r\n## quarter 233\r\n## manzil 7\r\n"
                          "# \u0627\u0644\u0646\u0651\u064E\u0628\u064E\u0625\r\nعَمَّ يَتَسَآءَلُونَ");
    QTest::newRow("--parts: a chapter a part")
        << verses << parts << QStringLiteral("# 1\r\nبِسۡمِ ٱللَّهِ\r\nٱلۡحَمۡدُ لِلَّهِ\r\n# 2\r\nالٓمٓ");
}

void tst_listtool::encodeKeepsTheTextOrMakesParts()
{
    QFETCH(QString, text);
    QFETCH(QStringList, options);
    QFETCH(QString, decoded);
    QTemporaryDir dir;
    const QString source = dir.filePath(QStringLiteral("text.txt"));
    const QString list = dir.filePath(QStringLiteral("text.zva"));
    writeBytes(source, text.toUtf8());
    QCOMPARE(
        runTool(QStringList{QStringLiteral("encode")} + options + QStringList{source, list}).status,
        0);
    QCOMPARE(QString::fromUtf8(runTool({QStringLiteral("decode"), list}).out), decoded);
}

void tst_listtool::refusesWhatItCannotKeep_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QString>("reason");
    const QStringList none;

    QTest::newRow("invalid UTF-8") << QByteArray("ab\xff\xfe") << none << "not a valid UTF-8 text";
    QTest::newRow("a character the reader would drop")
        << QStringLiteral("a\nb\uFEFB").toUtf8() << none << "U+FEFB \uFEFB: once, first on line 2";
    QTest::newRow("a character that overflows")
        << QStringLiteral("\u7FFF").toUtf8() << none << "U+7FFF \u7FFF: once, first on line 1";
    QTest::newRow("every character named, with its count")
        << QStringLiteral("\uFDFA a\n\uFD3Eb\uFD3F \uFDFA\n\uFDFA").toUtf8() << none
        << "U+FDFA \uFDFA: 3 times, first on line 1\nU+FD3E \uFD3E: once, first on line 2\n"
           "U+FD3F \uFD3F: once, first on line 2";
    QTest::newRow("--mushaf: a verse the mushaf does not have")
        << QByteArray("2|286|a\n2|287|b") << QStringList{"--parts", "--mushaf"}
        << "Verse 2:287 is not in the map of the Madani mushaf";
}

void tst_listtool::refusesWhatItCannotKeep()
{
    QFETCH(QByteArray, content);
    QFETCH(QStringList, options);
    QFETCH(QString, reason);
    QTemporaryDir dir;
    const QString text = dir.filePath(QStringLiteral("in.txt"));
    const QString list = dir.filePath(QStringLiteral("out.zva"));
    writeBytes(text, content);

    const Run run =
        runTool(QStringList{QStringLiteral("encode")} + options + QStringList{text, list});
    QCOMPARE(run.status, 1);
    QVERIFY2(run.err.contains(reason.toUtf8()), run.err.constData());
    QVERIFY(run.err.contains(text.toUtf8()));
    QVERIFY(!QFile::exists(list));
}

void tst_listtool::convertsEveryFileItCan()
{
    QTemporaryDir dir;
    const QString first = dir.filePath(QStringLiteral("a.zva"));
    const QString second = dir.filePath(QStringLiteral("b.zva"));
    const QString missing = dir.filePath(QStringLiteral("missing.zva"));
    const QString plain = QStringLiteral("بَاء\r\nتَاء");
    const QByteArray bytes(reinterpret_cast<const char*>(plain.utf16()), plain.size() * 2);
    writeBytes(first, bytes);
    writeBytes(second, bytes);

    const Run run = runTool({QStringLiteral("convert"), first, missing, second});
    QCOMPARE(run.status, 1);
    QCOMPARE(run.err.count('\n'), 1);
    QVERIFY(run.err.contains(missing.toUtf8()));
    listfile::Error error;
    QCOMPARE(listfile::readFile(first, &error), plain);
    QCOMPARE(listfile::readFile(second, &error), plain);

    QCOMPARE(runTool({QStringLiteral("decode")}).status, 1);
}

// A name whose bytes the system's encoding cannot carry would be written under another name:
// it is refused, and nothing is written.
void tst_listtool::refusesANameItCannotCarry()
{
    QTemporaryDir dir;
    const QString text = dir.filePath(QStringLiteral("in.txt"));
    writeBytes(text, "a");
    QProcess process;
    // Arguments pass through QProcess as text: the byte goes in through a shell.
    process.setProgram(QStringLiteral("/bin/sh"));
    process.setArguments(
        {QStringLiteral("-c"), QStringLiteral("\"$0\" encode \"$1\" \"$2\"$(printf '\\377').zva"),
         QStringLiteral(ZORVEL_LIST_TOOL), text, dir.filePath(QStringLiteral("out"))});
    process.start();
    QVERIFY(process.waitForFinished(30000));
    QCOMPARE(process.exitCode(), 1);
    QVERIFY(process.readAllStandardError().contains("not valid in the system's encoding"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("in.txt")});
}

// Input larger than any list is refused before it is read (a stream once it passes the limit),
// and a list the program could not open is never written; each with its reason and status 1.
void tst_listtool::refusesWhatNoListCanHold_data()
{
    QTest::addColumn<QString>("source"); // "sparse", "zero" or "long"
    QTest::addColumn<QString>("reason");
    QTest::newRow("a 100 MB file, refused before it is read") << "sparse"
                                                              << "more than a list can hold";
    QTest::newRow("an endless stream, read only to the limit") << "zero"
                                                               << "more than a list can hold";
    QTest::newRow("a text whose list would pass 32 MB") << "long"
                                                        << "would be larger than 32 MB";
}

void tst_listtool::refusesWhatNoListCanHold()
{
    QFETCH(QString, source);
    QFETCH(QString, reason);
    QTemporaryDir dir;
    QString text = dir.filePath(QStringLiteral("in.txt"));
    const QString list = dir.filePath(QStringLiteral("out.zva"));
    if (source == u"zero") {
        text = QStringLiteral("/dev/zero");
    } else {
        QFile file(text);
        QVERIFY(file.open(QIODevice::WriteOnly));
        if (source == u"sparse")
            QVERIFY(file.resize(100LL * 1024 * 1024));
        else
            file.write(
                (QByteArray(999, 'a') + '\n').repeated(int(listfile::kMaxFileBytes / 2000) + 8));
    }
    const Run run = runTool({QStringLiteral("encode"), text, list});
    QCOMPARE(run.status, 1);
    QVERIFY2(run.err.contains(reason.toUtf8()), run.err.constData());
    QVERIFY(!QFile::exists(list));
}

QTEST_GUILESS_MAIN(tst_listtool)
#include "tst_listtool.moc"
