#include "app/recitation/playermodule.h"
#include "practice/recitation/Recitation.h"
#include "tests/support/FakeFileDialog.h"
#include "tests/support/WindowDriver.h"
#include "tests/support/tones.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

// A list's recitation played through Qt Multimedia, as the program plays it: real files to
// their end, on a machine with or without a sound device.
class tst_recitationaudio : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void aVerseIsPlayedToItsEndAndRepeated_data();
    void aVerseIsPlayedToItsEndAndRepeated();
    void anUnplayableFileIsSaidOnceAndSkipped();
    void aFolderRemovedWhilePlayingStopsIt();
    void theMenuTurnsItOnAndKeepsEachListsFolder();
};

namespace {

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

void tst_recitationaudio::aVerseIsPlayedToItsEndAndRepeated_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("recording");
    QTest::newRow("wav") << QStringLiteral("0001.wav") << tones::wav(300);
    QTest::newRow("flac") << QStringLiteral("0001.flac") << tones::flac(300);
}

void tst_recitationaudio::aVerseIsPlayedToItsEndAndRepeated()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, recording);
    QTemporaryDir dir;
    write(dir.filePath(name), recording);
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

void tst_recitationaudio::aFolderRemovedWhilePlayingStopsIt()
{
    QTemporaryDir parent;
    const QString folder = parent.filePath(QStringLiteral("recitation"));
    QVERIFY(QDir().mkdir(folder));
    write(folder + QStringLiteral("/0001.flac"), tones::flac(20000));
    Recitation recitation;
    QString trouble;
    recitation.setPlayer(makeRecitationPlayer(&trouble));
    recitation.setFolder(folder, {}, 1);
    QTRY_VERIFY(recitation.isIndexed());
    QSignalSpy sounding(&recitation, &Recitation::sounding);
    QSignalSpy done(&recitation, &Recitation::entryDone);
    QSignalSpy told(&recitation, &Recitation::trouble);
    recitation.recite(1, QStringLiteral("1"));
    QTRY_COMPARE_WITH_TIMEOUT(sounding.size(), 1, 15000);
    QVERIFY(QDir(folder).removeRecursively());
    QTRY_COMPARE(told.size(), 1);
    QVERIFY(told.at(0).value(0).toString().contains(QStringLiteral("recitation")));
    QVERIFY(!recitation.isReciting());
    QCOMPARE(done.size(), 1);
    recitation.recite(1, QStringLiteral("1")); // silent now, and not said again
    QCOMPARE(done.size(), 2);
    QTest::qWait(200);
    QCOMPARE(told.size(), 1);
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
    write(folder.filePath(QStringLiteral("0001.wav")), tones::wav(100));
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
