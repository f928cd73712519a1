#include "controls/unitext/UniText.h"
#include "textfiles/textfilecodec.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/resource.h>

namespace {

QByteArray readBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

void writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// Bytes as the system's iconv command makes them from UTF-8.
QByteArray viaIconv(const QString& text, const char* to)
{
    QProcess iconv;
    iconv.start(QStringLiteral("iconv"), {QStringLiteral("-f"), QStringLiteral("UTF-8"),
                                          QStringLiteral("-t"), QString::fromLatin1(to)});
    iconv.write(text.toUtf8());
    iconv.closeWriteChannel();
    iconv.waitForFinished();
    return iconv.readAllStandardOutput();
}

const QString kArabicAndBeyond = QStringLiteral("قِفَا نَبْكِ\r\n") + QString::fromUcs4(U"\U0001F319 x");

} // namespace

class tst_textfile : public QObject {
    Q_OBJECT
private slots:
    void roundTrips_data();
    void roundTrips();
    void signatures_data();
    void signatures();
    void inspection_data();
    void inspection();
    void decodesWhatIconvMade();
    void mendedFaults();
    void readsLegacyFiles_data();
    void readsLegacyFiles();
    void everyLocaleCodepageConverts();
    void anUnknownCodepageFails();
};

void tst_textfile::roundTrips_data()
{
    QTest::addColumn<int>("bom");
    QTest::addColumn<QByteArray>("start");
    QTest::newRow("UTF-16LE") << 1200 << QByteArray("\xFF\xFE");
    QTest::newRow("UTF-16BE") << 1201 << QByteArray("\xFE\xFF");
    QTest::newRow("UTF-32LE") << 12000 << QByteArray("\xFF\xFE\x00\x00", 4);
    QTest::newRow("UTF-32BE") << 12001 << QByteArray("\x00\x00\xFE\xFF", 4);
    QTest::newRow("UTF-7") << 65000 << QByteArray("+/v8-");
    QTest::newRow("UTF-8") << 65001 << QByteArray("\xEF\xBB\xBF");
}

void tst_textfile::roundTrips()
{
    QFETCH(int, bom);
    QFETCH(QByteArray, start);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("text.txt"));
    UniText box;
    box.setMultiLine(true);
    box.setText(kArabicAndBeyond);
    QVERIFY(box.SaveFile(path, bom));
    QVERIFY(readBytes(path).startsWith(start));
    UniText other;
    other.setMultiLine(true);
    QVERIFY(other.LoadFile(path));
    QCOMPARE(other.Text(), kArabicAndBeyond);
    QCOMPARE(other.BOM(), bom);
    QVERIFY(!box.SaveFile(path, bom)); // exists, and overwriting was not allowed
    QVERIFY(box.SaveFile(path, bom, true));
}

void tst_textfile::signatures_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("bom");
    QTest::addColumn<QString>("text");

    // A mark with nothing after it is an empty text in its encoding, not characters.
    QTest::newRow("only a UTF-32LE mark") << QByteArray("\xFF\xFE\x00\x00", 4) << 12000 << "";
    QTest::newRow("only a UTF-32BE mark") << QByteArray("\x00\x00\xFE\xFF", 4) << 12001 << "";
    QTest::newRow("only a UTF-16LE mark") << QByteArray("\xFF\xFE") << 1200 << "";
    QTest::newRow("only a UTF-16BE mark") << QByteArray("\xFE\xFF") << 1201 << "";
    QTest::newRow("only a UTF-8 mark") << QByteArray("\xEF\xBB\xBF") << 65001 << "";
    QTest::newRow("only a UTF-7 mark") << QByteArray("+/v8-") << 65000 << "";
    QTest::newRow("a UTF-16LE mark and one odd byte") << QByteArray("\xFF\xFEx") << 1200 << "";
    QTest::newRow("+/v8 without - is text") << QByteArray("+/v8xy") << 0 << "+/v8xy";
    QTest::newRow("UTF-16LE with a trailing odd byte") << QByteArray("\xFF\xFE"
                                                                     "A\x00"
                                                                     "B",
                                                                     5)
                                                       << 1200 << "A";
    QTest::newRow("UTF-32 beyond the planes is dropped") << QByteArray("\xFF\xFE\x00\x00"
                                                                       "A\x00\x00\x00"
                                                                       "\x00\x00\x11\x00"
                                                                       "B\x00\x00\x00",
                                                                       16)
                                                         << 12000 << "AB";
}

void tst_textfile::signatures()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, bom);
    QFETCH(QString, text);
    int found = -1;
    // The code page here is Latin-1, so that every byte stands for itself.
    QCOMPARE(textfile::decodeFile(bytes, false, 28591, &found), text);
    QCOMPARE(found, bom);
}

void tst_textfile::inspection_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("utf8");
    QTest::newRow("plain ASCII is not UTF-8 by inspection") << QByteArray("hello") << false;
    QTest::newRow("Arabic in UTF-8") << QStringLiteral("سلام").toUtf8() << true;
    QTest::newRow("a trailing byte first") << QByteArray("\x80\xC3\xA9") << false;
    QTest::newRow("a broken sequence") << QByteArray("\xC3\x41") << false;
    QTest::newRow("a sequence cut by the end is not counted") << QByteArray("ab\xD8") << false;
    QTest::newRow("Windows-1256 Arabic") << QByteArray("\xD3\xE1\xC7\xE3") << false;
}

void tst_textfile::inspection()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, utf8);
    QCOMPARE(textfile::looksLikeUtf8(bytes), utf8);
}

void tst_textfile::decodesWhatIconvMade()
{
    const QString arabic = QStringLiteral("مَنْ جَدَّ وَجَدَ");
    const QByteArray utf7 = viaIconv(arabic, "UTF-7");
    QVERIFY(!utf7.isEmpty());
    QCOMPARE(textfile::decodeCodepage(utf7, 65000), arabic);
    const QString plain = QStringLiteral("سلام عليكم");
    const QByteArray cp1256 = viaIconv(plain, "CP1256");
    QCOMPARE(cp1256, QByteArray("\xD3\xE1\xC7\xE3 \xDA\xE1\xED\xDF\xE3"));
    QCOMPARE(textfile::decodeCodepage(cp1256, 1256), plain);
    QCOMPARE(textfile::encodeCodepage(plain + QStringLiteral(" \u4E2D"), 1256), cp1256 + " ?");
    QCOMPARE(textfile::decodeCodepage(QByteArray("a\xFF"
                                                 "b"),
                                      65001),
             QStringLiteral("a\uFFFDb"));

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("windows.txt"));
    writeBytes(path, cp1256);
    UniText box;
    box.setFileCodepage(1256);
    QVERIFY(box.LoadFile(path, 1));
    QCOMPARE(box.Text(), plain);
    QCOMPARE(box.BOM(), 0);
}

void tst_textfile::mendedFaults()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("kept.txt"));
    writeBytes(path, "old text");
    UniText box;
    box.setText(QString(400, u'x'));

    // A write stopped half-way by the file system reports failure and keeps the old file.
    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    const auto previous = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 64;
    setrlimit(RLIMIT_FSIZE, &small);
    const bool written = box.SaveFile(path, 1200, true);
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previous);
    QVERIFY(!written);
    QCOMPARE(readBytes(path), QByteArray("old text"));

    // An unknown form is refused before any file is made.
    const QString unknown = dir.filePath(QStringLiteral("unknown.txt"));
    QVERIFY(!box.SaveFile(unknown, 4711));
    QVERIFY(!QFile::exists(unknown));
    QVERIFY(!UniText().SaveFile(dir.filePath(QStringLiteral("empty.txt")), 1200)); // no text
    QVERIFY(!box.SaveFile(QString(), 1200));

    // A high surrogate without its low one is written alone; the next character stays.
    box.setText(QString(QChar(0xD83C)) + u'A');
    QVERIFY(box.SaveFile(unknown, 12000));
    QCOMPARE(readBytes(unknown), QByteArray("\xFF\xFE\x00\x00"
                                            "\x3C\xD8\x00\x00"
                                            "A\x00\x00\x00",
                                            12));
}

// Files made by iconv and checked with Python's codecs (tests/controls/fixtures), read as
// Import reads them: the UTF-8 inspection first, then the code page.
void tst_textfile::readsLegacyFiles_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("codepage"); // 0: the system's, Windows-1256 under a UTF-8 locale
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("bom");

    const QString salam = QStringLiteral("السَّلامُ عَلَيْكُمْ\r\nبِسْمِ اللهِ");
    QTest::newRow("Windows-1256 without a signature, under a UTF-8 locale")
        << "salam-windows-1256.txt" << 0 << salam << 0;
    QTest::newRow("UTF-8 without a signature") << "salam-utf-8.txt" << 0 << salam << 1;
    QTest::newRow("ISO-8859-6") << "salam-iso-8859-6.txt" << 28596 << salam << 0;
    QTest::newRow("UTF-16 without a signature") << "salam-utf-16le.txt" << 1200 << salam << 0;
    QTest::newRow("KOI8-R") << "privet-koi8-r.txt" << 20866 << QStringLiteral("Привет, мир") << 0;
    QTest::newRow("ISO-8859-15") << "euro-iso-8859-15.txt" << 28605 << QStringLiteral("12 € café")
                                 << 0;
}

void tst_textfile::readsLegacyFiles()
{
    QFETCH(QString, file);
    QFETCH(int, codepage);
    QFETCH(QString, text);
    QFETCH(int, bom);
    UniText box;
    box.setFileCodepage(codepage);
    QVERIFY(box.LoadFile(QStringLiteral(ZORVEL_FIXTURES "/") + file, 1));
    QCOMPARE(box.Text(), text);
    QCOMPARE(box.BOM(), bom);
    QVERIFY(!box.Text().contains(QChar(0xFFFD)));
}

// Whatever character set a locale names has a code page that converts.
void tst_textfile::everyLocaleCodepageConverts()
{
    QCOMPARE(textfile::systemCodepage(), 1256); // the tests run under C.UTF-8
    QStringList charsets;
    for (int n = 1; n <= 16; ++n)
        if (n != 12) // there is no ISO-8859-12
            charsets.append(QStringLiteral("ISO-8859-%1").arg(n));
    for (int n = 1250; n <= 1258; ++n)
        charsets.append(QStringLiteral("CP%1").arg(n));
    charsets << QStringLiteral("KOI8-R") << QStringLiteral("KOI8-U") << QStringLiteral("GB18030")
             << QStringLiteral("EUC-JP") << QStringLiteral("EUC-KR") << QStringLiteral("BIG5")
             << QStringLiteral("ANSI_X3.4-1968") << QStringLiteral("UTF-8");
    for (const QString& charset : charsets) {
        const int codepage = textfile::codepageOfCharset(charset.toLatin1());
        QVERIFY2(codepage != 0, qPrintable(charset));
        QVERIFY2(textfile::decodeCodepage("abc", codepage) == QStringLiteral("abc"),
                 qPrintable(charset));
    }
    QCOMPARE(textfile::codepageName(1256), QStringLiteral("Windows-1256"));
    QCOMPARE(textfile::codepageName(28596), QStringLiteral("ISO-8859-6"));
}

// A code page that cannot be converted fails, changes nothing, and leaves any file as it was.
void tst_textfile::anUnknownCodepageFails()
{
    for (const int codepage : {12345, 57005, 1})
        QVERIFY(!textfile::decodeCodepage("abc", codepage));
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("kept.txt"));
    writeBytes(path, "old text");
    UniText box;
    box.setText(QStringLiteral("new"));
    box.setFileCodepage(12345);
    QVERIFY(!box.SaveFile(path, 0, true));
    QCOMPARE(readBytes(path), QByteArray("old text"));
    QVERIFY(!box.LoadFile(path, 0));
    QCOMPARE(box.Text(), QStringLiteral("new"));
}

QTEST_MAIN(tst_textfile)
#include "tst_textfile.moc"
