#include "app/recitation/playermodule.h"
#include "practice/recitation/Recitation.h"
#include "tests/support/FakeFileDialog.h"
#include "tests/support/WindowDriver.h"

#include <QAction>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

#include <cmath>

// A list's recitation played through Qt Multimedia, as the program plays it: real files to
// their end, on a machine with or without a sound device.
class tst_recitationaudio : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void aVerseIsPlayedToItsEndAndRepeated();
    void anUnplayableFileIsSaidOnceAndSkipped();
    void theMenuTurnsItOnAndKeepsEachListsFolder();
};

namespace {

// A tone of `ms` milliseconds, 16-bit mono PCM at 8 kHz, as a WAV file's bytes.
QByteArray tone(int ms)
{
    const quint32 rate = 8000;
    const quint32 samples = rate * quint32(ms) / 1000;
    QByteArray wav;
    auto put32 = [&](quint32 v) { wav.append(reinterpret_cast<const char*>(&v), 4); };
    auto put16 = [&](quint16 v) { wav.append(reinterpret_cast<const char*>(&v), 2); };
    wav.append("RIFF");
    put32(36 + samples * 2);
    wav.append("WAVEfmt ");
    put32(16);
    put16(1); // PCM
    put16(1); // mono
    put32(rate);
    put32(rate * 2);
    put16(2);
    put16(16);
    wav.append("data");
    put32(samples * 2);
    for (quint32 i = 0; i < samples; ++i)
        put16(quint16(qint16(8000 * std::sin(2 * M_PI * 440 * i / rate))));
    return wav;
}

void write(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

} // namespace

void tst_recitationaudio::initTestCase()
{
    QCoreApplication::addLibraryPath(QStringLiteral(ZORVEL_MODULES));
}

void tst_recitationaudio::aVerseIsPlayedToItsEndAndRepeated()
{
    QTemporaryDir dir;
    write(dir.filePath(QStringLiteral("0001.wav")), tone(300));
    Recitation recitation;
    QString trouble;
    recitation.setPlayer(makeRecitationPlayer(&trouble));
    QVERIFY2(recitation.isOn(), qPrintable(trouble));
    recitation.setFolder(dir.path(), {}, 1);
    QTRY_VERIFY(recitation.isIndexed());
    recitation.session().setRepeatEach(2);
    recitation.session().setGapFactor(1);
    QSignalSpy done(&recitation, &Recitation::entryDone);
    QSignalSpy playing(&recitation, &Recitation::playing);
    recitation.recite(1, QStringLiteral("1"));
    QTRY_COMPARE_WITH_TIMEOUT(done.size(), 1, 15000);
    QStringList said;
    for (const QList<QVariant>& what : std::as_const(playing))
        said.append(what.value(0).toString());
    QCOMPARE(said, (QStringList{QStringLiteral("1, 1 of 2"), QStringLiteral("1, 2 of 2"), {}}));
}

void tst_recitationaudio::anUnplayableFileIsSaidOnceAndSkipped()
{
    QTemporaryDir dir;
    write(dir.filePath(QStringLiteral("0001.mp3")), QByteArray(4096, 'x'));
    write(dir.filePath(QStringLiteral("0002.wav")), QByteArray());
    Recitation recitation;
    QString trouble;
    recitation.setPlayer(makeRecitationPlayer(&trouble));
    recitation.setFolder(dir.path(), {}, 2);
    QTRY_VERIFY(recitation.isIndexed());
    QSignalSpy done(&recitation, &Recitation::entryDone);
    QSignalSpy told(&recitation, &Recitation::trouble);
    for (int number : {1, 2, 1}) {
        recitation.recite(number, QString::number(number));
        QTRY_VERIFY_WITH_TIMEOUT(!recitation.isReciting(), 15000);
    }
    QCOMPARE(done.size(), 3); // the listing went on each time
    QCOMPARE(told.size(), 2); // each file once, though the first was asked for twice
    QVERIFY(told.at(0).value(0).toString().contains(QStringLiteral("0001.mp3")));
}

// Choosing a list's folder turns recitation on; both are kept for the next run.
void tst_recitationaudio::theMenuTurnsItOnAndKeepsEachListsFolder()
{
    QTemporaryDir folder;
    write(folder.filePath(QStringLiteral("0001.wav")), tone(100));
    WindowDriver d;
    d.open({QStringLiteral("أ"), QStringLiteral("ب")});
    auto* recite = d.control<QAction>("mnuViewRecite");
    QVERIFY(!recite->isChecked()); // off until asked for
    FakeFileDialog dialog(folder.path());
    d.control<QAction>("mnuViewRecitationFolder")->trigger();
    QVERIFY(recite->isChecked());
    auto* recitation = d.window->findChild<Recitation*>();
    QTRY_VERIFY(recitation->isIndexed());
    QCOMPARE(recitation->folder(), folder.path());
    d.close();
    d.start();
    QVERIFY(d.control<QAction>("mnuViewRecite")->isChecked());
    recitation = d.window->findChild<Recitation*>();
    QCOMPARE(recitation->folder(), folder.path());
    QVERIFY(d.messages.requests().isEmpty());
}

QTEST_MAIN(tst_recitationaudio)
#include "tst_recitationaudio.moc"
