#include "tests/support/WindowDriver.h"

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QTest>

// Loading lists into the window: both modes, and failures that must leave the open list.
class tst_loading : public QObject {
    Q_OBJECT
private slots:
    void init();
    void loadsInLineMode();
    void loadsInWordMode();
    void failedLoadsKeepTheOpenList_data();
    void failedLoadsKeepTheOpenList();
    void recentFileMenuLoads();

private:
    QComboBox* combo(const char* name) { return m_d->control<QComboBox>(name); }

    std::unique_ptr<WindowDriver> m_d;
};

void tst_loading::init()
{
    m_d.reset(); // its fakes go before the next one's are in place
    m_d = std::make_unique<WindowDriver>();
}

void tst_loading::loadsInLineMode()
{
    const QString path = m_d->program.addList(QStringLiteral("Arabic/Days.zva"),
                                              QStringLiteral("الأَحَد\r\n\r\nالإِثْنَيْن\r\n"));
    m_d->start();
    frmMain& window = *m_d->window;
    window.LoadZVFFile(path);

    QCOMPARE(window.items().size(), 2);
    QCOMPARE(window.windowTitle(), QStringLiteral("Zorvel 2.0 [ Days ]"));
    QComboBox* from = combo("cmbFrom");
    QComboBox* to = combo("cmbTo");
    QCOMPARE(from->count(), 2);
    QCOMPARE(from->currentIndex(), 0);
    QCOMPARE(to->currentIndex(), 1);
    QCOMPARE(to->currentText(), QStringLiteral("2"));
    QVERIFY(from->isVisible());
    QVERIFY(!combo("cmbLineFrom")->isVisible());
    QCOMPARE(m_d->program.setting(QStringLiteral("LastOpenFolder")),
             m_d->program.folder() + QStringLiteral("/Arabic"));
    QCOMPARE(m_d->program.setting(QStringLiteral("MRUF")), path + QStringLiteral("|*|"));
    QVERIFY(window.findChild<QAction*>(QStringLiteral("mnuFileSep"))->isVisible());
}

void tst_loading::loadsInWordMode()
{
    const QString path = m_d->program.addList(QStringLiteral("Proverbs.zva"),
                                              QStringLiteral("مَنْ جَدَّ وَجَدَ\r\n\r\nالصَّبْرُ"));
    m_d->start();
    frmMain& window = *m_d->window;
    window.LoadZVFFile(path, true);

    QCOMPARE(window.items().size(), 4);
    QCOMPARE(window.items().last(), QStringLiteral("<< الصَّبْرُ. 3>>"));
    QComboBox* lineFrom = combo("cmbLineFrom");
    QComboBox* lineTo = combo("cmbLineTo");
    QVERIFY(lineFrom->isVisible());
    QVERIFY(!combo("cmbFrom")->isVisible());
    QCOMPARE(lineFrom->geometry().topLeft(), combo("cmbFrom")->geometry().topLeft());
    QCOMPARE(lineFrom->count(), 2);
    QCOMPARE(lineFrom->itemText(1), QStringLiteral("3"));
    QCOMPARE(lineFrom->currentIndex(), 0);
    QCOMPARE(lineTo->currentIndex(), 1);
    QCOMPARE(combo("cmbTo")->count(), 4);

    // A second word-mode list replaces the first without a word about the old range.
    FakeMessageBox& messages = m_d->messages;
    messages.clear();
    window.LoadZVFFile(
        m_d->program.addList(QStringLiteral("Short.zva"), QStringLiteral("a\r\nb c")));
    QVERIFY(messages.requests().isEmpty());
    QCOMPARE(lineTo->currentIndex(), 1);
    QCOMPARE(combo("cmbTo")->currentIndex(), 2);
}

void tst_loading::failedLoadsKeepTheOpenList_data()
{
    QTest::addColumn<QByteArray>("content"); // empty: the file does not exist
    QTest::addColumn<bool>("wordMode");
    QTest::addColumn<QString>("caption");

    QTest::newRow("vanished file") << QByteArray() << false << "No item selected";
    QTest::newRow("a unit out of range") << QByteArray::fromHex("41000080") << false << "Zorvel";
    QTest::newRow("no words in word mode") << QByteArray::fromHex("2100") << true << "Zorvel";
}

void tst_loading::failedLoadsKeepTheOpenList()
{
    QFETCH(QByteArray, content);
    QFETCH(bool, wordMode);
    QFETCH(QString, caption);

    const QString good =
        m_d->program.addList(QStringLiteral("Good.zva"), QStringLiteral("a\r\nb\r\nc"));
    const QString bad = m_d->program.folder() + QStringLiteral("/Bad.zva");
    if (!content.isEmpty()) {
        QFile file(bad);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
    }
    FakeMessageBox& messages = m_d->messages;
    messages.clear();
    m_d->start();
    frmMain& window = *m_d->window;
    window.LoadZVFFile(good);
    combo("cmbFrom")->setCurrentIndex(1);
    const QString recent = m_d->program.setting(QStringLiteral("MRUF"));

    window.LoadZVFFile(bad, wordMode);

    QCOMPARE(messages.captions(), QStringList{caption}); // one message, and only this one
    QVERIFY(!window.wordMode()); // a refused load changes nothing, the mode included
    QCOMPARE(window.items(), (QStringList{"a", "b", "c"}));
    QCOMPARE(window.windowTitle(), QStringLiteral("Zorvel 2.0 [ Good ]"));
    QCOMPARE(window.listName(), QStringLiteral("Good"));
    QCOMPARE(combo("cmbFrom")->currentIndex(), 1);
    QCOMPARE(combo("cmbTo")->count(), 3);
    QVERIFY(combo("cmbFrom")->isVisibleTo(&window));
    QCOMPARE(m_d->program.setting(QStringLiteral("MRUF")), recent);
}

void tst_loading::recentFileMenuLoads()
{
    const QString first = m_d->program.addList(QStringLiteral("First.zva"), QStringLiteral("one"));
    const QString second =
        m_d->program.addList(QStringLiteral("Second.zva"), QStringLiteral("two"));
    m_d->start();
    frmMain& window = *m_d->window;
    window.LoadZVFFile(first);
    window.LoadZVFFile(second);
    QAction* entry2 = window.findChild<QAction*>(QStringLiteral("mnuFileMRUF2"));
    QCOMPARE(entry2->text(), QStringLiteral("&2  First.zva"));
    entry2->trigger();
    QCOMPARE(window.items(), QStringList{"one"});
    QCOMPARE(window.findChild<QAction*>(QStringLiteral("mnuFileMRUF1"))->text(),
             QStringLiteral("&1  First.zva"));
}

QTEST_MAIN(tst_loading)
#include "tst_loading.moc"
