#include "app/files/frmNew.h"
#include "app/files/frmOpen.h"
#include "controls/unitext/UniText.h"
#include "lists/listfile.h"
#include "lists/userlists.h"
#include "tests/support/FakeFileDialog.h"
#include "tests/support/WindowDriver.h"
#include "tests/support/childtexts.h"
#include "tests/support/whenShown.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QMimeData>
#include <QPushButton>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>
#include <QTreeView>

#include <unistd.h>

namespace {

QPushButton* button(const QWidget* window, const char* name)
{
    return window->findChild<QPushButton*>(QString::fromLatin1(name));
}

} // namespace

// The user's own lists beside the installed ones, and lists opened from anywhere.
class tst_userlists : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void whereTheUsersListsLive();
    void openWindowShowsBothPlaces();
    void nothingToOpen();
    void browseOpensAListAnywhere();
    void savesGoToTheUsersFolder();
    void refusedSavesSayWhereAndWhatToDo();
    void aDroppedListOpens();
};

void tst_userlists::whereTheUsersListsLive()
{
    QTemporaryDir installed;
    QCOMPARE(userListFolder(installed.path(), true), QString()); // the program's folder serves
    const QString own = userListFolder(installed.path(), false);
    QVERIFY(own.endsWith(QStringLiteral("/zorvel/lists")));
    QVERIFY(own.startsWith(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)));
}

void tst_userlists::openWindowShowsBothPlaces()
{
    ScratchProgram program;
    program.addList(QStringLiteral("Arabic/Days.zva"), QStringLiteral("a"));
    QTemporaryDir mine;
    for (const char* name : {"Mine.zva", "Poems/Bayt.zva"}) {
        const QString path = mine.filePath(QString::fromLatin1(name));
        QDir().mkpath(QFileInfo(path).absolutePath());
        QVERIFY(!listfile::writeFile(path, u"x").isError());
    }
    frmOpen open(program.folder());
    open.setUserFolder(mine.path());
    const QAbstractItemModel* tree = open.tree()->model();
    whenShown([&] {
        const QModelIndex root =
            tree->index(int(childTexts(tree).indexOf(frmOpen::userRootText())), 0);
        const QModelIndex poems =
            tree->index(int(childTexts(tree, root).indexOf(u"Poems")), 0, root);
        open.tree()->setCurrentIndex(tree->index(0, 0, poems));
        button(&open, "cmdOpenLine")->click();
    });
    open.showModal();
    QCOMPARE(open.SelectedFileName, mine.filePath(QStringLiteral("Poems/Bayt.zva")));
    // The installed lists keep their nodes.
    QVERIFY(open.node(program.folder() + QStringLiteral("/Arabic/Days.zva")).isValid());
    QCOMPARE(childTexts(tree, open.node(program.folder() + QStringLiteral("/Arabic"))),
             QStringList{"Days"});
}

// With nothing in the tree, neither button opens anything; each says why.
void tst_userlists::nothingToOpen()
{
    ScratchProgram program;
    FakeMessageBox messages;
    frmOpen open(program.folder());
    QFile marker(program.folder() + QStringLiteral("/WordModeEnabled.txt"));
    QVERIFY(marker.open(QIODevice::WriteOnly));
    marker.close();
    whenShown([&] {
        button(&open, "cmdOpenLine")->click();
        button(&open, "cmdOpenWord")->click();
        open.reject();
    });
    open.showModal();
    QCOMPARE(messages.captions(), QStringList(2, QStringLiteral("No item selected")));
    QVERIFY(open.SelectedFileName.isEmpty());
}

void tst_userlists::browseOpensAListAnywhere()
{
    QTemporaryDir elsewhere;
    const QString path = elsewhere.filePath(QStringLiteral("Hadith.zva"));
    QVERIFY(!listfile::writeFile(path, u"إِنَّمَا الأَعْمَالُ بِالنِّيَّاتِ").isError());
    WindowDriver d;
    d.open({QStringLiteral("a")});
    FakeFileDialog dialog(path);
    whenShown([&] {
        auto* open = d.window->findChild<frmOpen*>();
        button(open, "cmdBrowse")->click();
        button(open, "cmdOpenLine")->click();
    });
    d.control<QAction>("mnuFileLoad")->trigger();
    QCOMPARE(dialog.requests().size(), 1);
    QCOMPARE(dialog.requests()[0].kind, FileDialog::Kind::Open);
    QCOMPARE(dialog.requests()[0].filter, QStringLiteral("Zorvel (Arabic) files(*.zva)"));
    QCOMPARE(d.window->listName(), QStringLiteral("Hadith"));
    QVERIFY(d.program.setting(QStringLiteral("MRUF")).startsWith(path + QStringLiteral("|*|")));
}

// A new list is saved in the user's folder, made when first needed, and the Open window shows
// it at its next load.
void tst_userlists::savesGoToTheUsersFolder()
{
    ScratchProgram program;
    FakeMessageBox messages;
    QTemporaryDir data;
    const QString mine = data.filePath(QStringLiteral("zorvel/lists"));
    FakeFileDialog dialog([&](const FileDialog::Request& request) {
        return request.startFolder + QStringLiteral("/Verses");
    });
    frmNew editor(program.folder());
    editor.setUserFolder(mine);
    editor.editor()->setText(QStringLiteral("بِسۡمِ ٱللَّهِ"));
    button(&editor, "cmdSave")->click();
    QCOMPARE(dialog.requests().at(0).startFolder, mine);
    QVERIFY(QFileInfo::exists(mine + QStringLiteral("/Verses.zva")));
    QVERIFY(messages.requests().isEmpty());

    frmOpen open(program.folder());
    open.setUserFolder(mine);
    whenShown([&] { open.reject(); });
    open.showModal();
    QVERIFY(open.node(mine + QStringLiteral("/Verses.zva")).isValid());
}

void tst_userlists::refusedSavesSayWhereAndWhatToDo()
{
    ScratchProgram program;
    FakeMessageBox messages;
    QTemporaryDir data;
    const QString gone = data.filePath(QStringLiteral("Gone"));
    // A folder that vanished between the dialog and the save.
    FakeFileDialog dialog(gone + QStringLiteral("/List.zva"));
    frmNew editor(program.folder());
    editor.setUserFolder(data.path());
    editor.editor()->setText(QStringLiteral("نص"));
    button(&editor, "cmdSave")->click();
    QCOMPARE(messages.captions(), QStringList{QStringLiteral("Save error")});
    const QString said = messages.requests().constFirst().text;
    QVERIFY2(said.contains(gone) && said.contains(data.path()), qPrintable(said));
    QCOMPARE(editor.editor()->Text(), QStringLiteral("نص")); // nothing lost

    // A lists folder that cannot be made (a file stands in its way) is said so too.
    messages.clear();
    QFile blocker(data.filePath(QStringLiteral("file")));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    editor.setUserFolder(data.filePath(QStringLiteral("file/lists")));
    button(&editor, "cmdSave")->click();
    QVERIFY(messages.requests().constFirst().text.contains(
        data.filePath(QStringLiteral("file/lists"))));

    if (geteuid() == 0)
        QSKIP("the superuser writes in every folder, so a read-only one cannot refuse here");
    messages.clear();
    const QString locked = data.filePath(QStringLiteral("Locked"));
    QDir().mkpath(locked);
    QFile::setPermissions(locked, QFile::ReadOwner | QFile::ExeOwner);
    FakeFileDialog lockedDialog(locked + QStringLiteral("/List.zva"));
    editor.setUserFolder(data.path());
    button(&editor, "cmdSave")->click();
    QFile::setPermissions(locked, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QVERIFY(messages.requests().constFirst().text.contains(locked));
    QVERIFY(!QFileInfo::exists(locked + QStringLiteral("/List.zva")));
}

void tst_userlists::aDroppedListOpens()
{
    WindowDriver d;
    d.open({QStringLiteral("a")});
    const QString path = d.program.addList(QStringLiteral("Dropped.zva"), QStringLiteral("x\r\ny"));
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(path)});
    QDragEnterEvent enter(QPoint(50, 50), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(d.window.get(), &enter);
    QVERIFY(enter.isAccepted());
    QDropEvent drop(QPointF(50, 50), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(d.window.get(), &drop);
    QCOMPARE(d.window->items(), (QStringList{"x", "y"}));
    QVERIFY(d.program.setting(QStringLiteral("MRUF")).startsWith(path));

    QMimeData other;
    other.setUrls({QUrl::fromLocalFile(QStringLiteral("/tmp/picture.png"))});
    QDragEnterEvent refused(QPoint(50, 50), Qt::CopyAction, &other, Qt::LeftButton, Qt::NoModifier);
    refused.setAccepted(false);
    QCoreApplication::sendEvent(d.window.get(), &refused);
    QVERIFY(!refused.isAccepted());
}

QTEST_MAIN(tst_userlists)
#include "tst_userlists.moc"
