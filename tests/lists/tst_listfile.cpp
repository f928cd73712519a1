#include "lists/listfile.h"

#include <QBuffer>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <csignal>
#include <sys/resource.h>

using listfile::Error;

namespace {

QByteArray units(std::initializer_list<int> values)
{
    QByteArray bytes;
    for (int v : values) {
        const auto u = static_cast<quint16>(static_cast<qint16>(v));
        bytes.append(static_cast<char>(u & 0xFF));
        bytes.append(static_cast<char>(u >> 8));
    }
    return bytes;
}

QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

// A device whose writes fail after `limit` bytes, as a full disk does.
class FailingDevice : public QIODevice {
public:
    explicit FailingDevice(qint64 limit)
        : m_limit(limit)
    {
        open(QIODevice::WriteOnly);
    }

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char*, qint64 size) override
    {
        if (m_written + size > m_limit) {
            setErrorString(QStringLiteral("No space left on device"));
            return -1;
        }
        m_written += size;
        return size;
    }

private:
    qint64 m_limit;
    qint64 m_written = 0;
};

// A pipe-like device that hands out its bytes a few at a time and has no size.
class TricklingDevice : public QIODevice {
public:
    explicit TricklingDevice(QByteArray bytes)
        : m_bytes(std::move(bytes))
    {
        open(QIODevice::ReadOnly);
    }
    bool isSequential() const override { return true; }

protected:
    qint64 readData(char* data, qint64 size) override
    {
        const qint64 count = std::min<qint64>({size, 7, m_bytes.size() - m_offset});
        memcpy(data, m_bytes.constData() + m_offset, size_t(count));
        m_offset += count;
        return count;
    }
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    QByteArray m_bytes;
    qint64 m_offset = 0;
};

} // namespace

class tst_listfile : public QObject {
    Q_OBJECT
private slots:
    void encodes_data();
    void encodes();
    void decodes_data();
    void decodes();
    void randomTextsRoundTrip();
    void devicesReadAsTheBytesDecode();
    void keptCharacters_data();
    void keptCharacters();
    void unkeptCharactersAreCounted();
    void failedWritesLeaveTheOldFile();
    void refusesHugeFiles();
    void convertsPlainFilesInPlace();
};

void tst_listfile::encodes_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<qint64>("overflowAt");

    QTest::newRow("abc shifted by 1, 2, 3") << "abc" << QByteArray::fromHex("620064006600") << 0LL;
    QTest::newRow("empty text, empty file") << "" << QByteArray() << 0LL;
    QTest::newRow("U+8000 and above stored as negative units")
        << QString(QChar(0xFFFF)) << units({0}) << 0LL;
    QTest::newRow("U+7FFF at position 1 overflows")
        << QString(QChar(0x7FFF)) << QByteArray() << 1LL;
    QTest::newRow("U+7F9D overflows only at shift 99")
        << QString(98, u'a') + QChar(0x7F9D) << QByteArray() << 99LL;
    QTest::newRow("position 100 adds nothing, so U+7FFF fits there")
        << QString(99, u'a') + QChar(0x7FFF) << QByteArray() << 0LL;
}

void tst_listfile::encodes()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    QFETCH(qint64, overflowAt);

    Error error;
    const QByteArray encoded = listfile::encode(text, &error);
    QCOMPARE(error.kind == Error::Overflow, overflowAt != 0);
    QCOMPARE(error.position, overflowAt);
    if (overflowAt)
        QVERIFY(encoded.isEmpty());
    else if (!bytes.isEmpty())
        QCOMPARE(encoded, bytes);
    else
        QCOMPARE(encoded.size(), text.size() * 2);
}

void tst_listfile::decodes_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");
    QTest::addColumn<qint64>("overflowAt");

    QTest::newRow("abc") << QByteArray::fromHex("620064006600") << "abc" << 0LL;
    QTest::newRow("odd length ignores the last byte")
        << QByteArray::fromHex("62006400660041") << "abc" << 0LL;
    QTest::newRow("a single byte is an empty text") << QByteArray("x") << "" << 0LL;
    QTest::newRow("units that give 0 or less are dropped, the rest keep their place")
        << units({1, 'b' + 2, -5, 'd' + 4}) << "bd" << 0LL;
    QTest::newRow("a unit that falls below the range after its shift")
        << units({'a' + 1, -32768}) << "" << 2LL;
    Error none;
    QTest::newRow("-32768 at position 100 is still in range and gives nothing")
        << listfile::encode(QString(99, u'a'), &none) + units({-32768}) << QString(99, u'a') << 0LL;
}

void tst_listfile::decodes()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    QFETCH(qint64, overflowAt);

    Error error;
    const QString decoded = listfile::decode(bytes, &error);
    QCOMPARE(error.position, overflowAt);
    QCOMPARE(error.isError(), overflowAt != 0);
    QCOMPARE(decoded, text);
}

void tst_listfile::randomTextsRoundTrip()
{
    QRandomGenerator random(20261206);
    for (int round = 0; round < 200; ++round) {
        const int length = static_cast<int>(random.bounded(0, 400));
        QString text;
        QString kept;
        for (int i = 1; i <= length; ++i) {
            // Mostly Arabic and line breaks, sometimes characters the format cannot keep.
            const int pick = static_cast<int>(random.bounded(10));
            char16_t unit = pick < 6   ? char16_t(0x0621 + random.bounded(0x4A))
                            : pick < 8 ? (i % 2 ? u'\r' : u'\n')
                            : pick < 9 ? char16_t(random.bounded(1, 0x7F9D))
                                       : char16_t(0x8000 + random.bounded(0x8000));
            text += QChar(unit);
            if (unit < 0x8000)
                kept += QChar(unit);
        }
        Error error;
        const QByteArray bytes = listfile::encode(text, &error);
        QVERIFY(!error.isError());
        QCOMPARE(listfile::decode(bytes, &error), kept);
        QVERIFY(!error.isError());
    }
}

void tst_listfile::devicesReadAsTheBytesDecode()
{
    // Long enough for several read chunks, with dropped units scattered across their edges.
    QRandomGenerator random(7);
    QByteArray bytes;
    for (int i = 0; i < 300001; ++i)
        bytes.append(char(random.bounded(256)));
    for (int i = 1; i < bytes.size(); i += 2)
        bytes[i] = char(bytes[i] & 0x7F); // no unit below the range
    Error error;
    const QString expected = listfile::decode(bytes, &error);
    QVERIFY(!error.isError());
    QVERIFY(expected.size() > 100000);

    QBuffer file(&bytes);
    file.open(QIODevice::ReadOnly);
    QCOMPARE(listfile::read(file, &error), expected);
    TricklingDevice pipe(bytes);
    QCOMPARE(listfile::read(pipe, &error), expected);
    QVERIFY(!error.isError());

    // An overflow far into the file names its own position, not one within a chunk.
    bytes.append(units({-32768}));
    bytes.remove(bytes.size() - 3, 1); // keep the units whole
    const qint64 position = bytes.size() / 2;
    QCOMPARE(listfile::decode(bytes, &error), QString());
    QCOMPARE(error.position, position);
    TricklingDevice overflowing(bytes);
    QCOMPARE(listfile::read(overflowing, &error), QString());
    QCOMPARE(error.kind, Error::Overflow);
    QCOMPARE(error.position, position);
}

void tst_listfile::keptCharacters_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<qsizetype>("firstUnkept");

    QTest::newRow("Arabic with diacritics and line breaks")
        << QStringLiteral("بِسْمِ\r\nاللَّهِ") << qsizetype(-1);
    QTest::newRow("U+0000") << QStringLiteral("ab") + QChar(0) << qsizetype(2);
    QTest::newRow("a presentation form above U+8000")
        << QStringLiteral("a") + QChar(0xFEFB) << qsizetype(1);
    QTest::newRow("a character outside the basic plane")
        << QStringLiteral("x") + QString::fromUcs4(U"\U0001F600") << qsizetype(1);
    QTest::newRow("an overflow at its position") << QString(QChar(0x7FFF)) << qsizetype(0);
}

void tst_listfile::keptCharacters()
{
    QFETCH(QString, text);
    QFETCH(qsizetype, firstUnkept);
    QCOMPARE(listfile::firstUnkeptCharacter(text), firstUnkept);
}

// Every unkept character is named once, with its count and first line; a character beyond
// U+FFFF is one character, not its two halves.
void tst_listfile::unkeptCharactersAreCounted()
{
    const QString text =
        QStringLiteral("\uFDFA \u0645\r\n\uFD3E\u0622\u064A\u0629\uFD3F\r\n\uFDFA ") +
        QString::fromUcs4(U"\U0001F319\U0001F319") + QChar(0) + u'\uFDFA';
    const QList<listfile::UnkeptCharacter> unkept = listfile::unkeptCharacters(text);
    QStringList seen;
    for (const listfile::UnkeptCharacter& c : unkept)
        seen.append(QStringLiteral("%1:%2:%3").arg(c.character).arg(c.count).arg(c.firstLine));
    QCOMPARE(seen, (QStringList{QStringLiteral("\uFDFA:3:1"), QStringLiteral("\uFD3E:1:2"),
                                QStringLiteral("\uFD3F:1:2"),
                                QString::fromUcs4(U"\U0001F319") + QStringLiteral(":2:3"),
                                QString(QChar(0)) + QStringLiteral(":1:3")}));
    QCOMPARE(listfile::describeUnkept(unkept).section(u'\n', 3, 4),
             QStringLiteral("U+1F319 \U0001F319: 2 times, first on line 3\n"
                            "U+0000: once, first on line 3"));
    QVERIFY(listfile::unkeptCharacters(QStringLiteral("بِسْمِ اللَّهِ")).isEmpty());
}

void tst_listfile::failedWritesLeaveTheOldFile()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("list.zva"));
    QVERIFY(!listfile::writeFile(path, u"old list").isError());
    const QByteArray old = fileBytes(path);

    // An overflow is found before anything is written.
    const Error overflow = listfile::writeFile(path, QStringLiteral("new") + QChar(0x7FFF));
    QCOMPARE(overflow.kind, Error::Overflow);
    QCOMPARE(overflow.position, 4);
    QCOMPARE(fileBytes(path), old);

    // A write that the file system stops half-way, as a full disk does.
    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 64;
    setrlimit(RLIMIT_FSIZE, &small);
    const Error full = listfile::writeFile(path, QString(500, u'x'));
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);
    QCOMPARE(full.kind, Error::WriteFailed);
    QCOMPARE(fileBytes(path), old);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("list.zva")});

    FailingDevice device(10);
    QCOMPARE(listfile::write(device, QString(20, u'x')).kind, Error::WriteFailed);
}

void tst_listfile::refusesHugeFiles()
{
    QTemporaryDir dir;
    QFile file(dir.filePath(QStringLiteral("huge.zva")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    QVERIFY(file.resize(listfile::kMaxFileBytes + 2)); // sparse: no real disk used
    file.close();
    Error error;
    QVERIFY(listfile::readFile(file.fileName(), &error).isEmpty());
    QCOMPARE(error.kind, Error::TooLarge);
    QVERIFY(listfile::describe(error, file.fileName()).contains(QStringLiteral("32 MB")));

    QBuffer small;
    small.setData(QByteArray(listfile::kMaxFileBytes, 'a'));
    small.open(QIODevice::ReadOnly);
    listfile::read(small, &error);
    QCOMPARE(error.kind, Error::None);
}

void tst_listfile::convertsPlainFilesInPlace()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("plain.zva"));
    const QString text = QStringLiteral("\uFEFFكَتَبَ\r\nقَرَأَ");
    QFile plain(path);
    QVERIFY(plain.open(QIODevice::WriteOnly));
    plain.write(reinterpret_cast<const char*>(text.utf16()), text.size() * 2);
    plain.close();

    QCOMPARE(listfile::convertPlainFile(path).kind, Error::None);
    QCOMPARE(QFileInfo(path).size(), text.size() * 2);
    Error error;
    // The byte-order mark was taken as a character, one the format does not keep.
    QCOMPARE(listfile::readFile(path, &error), text.mid(1));

    QCOMPARE(listfile::convertPlainFile(dir.filePath(QStringLiteral("none"))).kind,
             Error::CannotOpen);
}

QTEST_GUILESS_MAIN(tst_listfile)
#include "tst_listfile.moc"
