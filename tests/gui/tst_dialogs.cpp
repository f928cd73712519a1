#include "app/files/UnkeptWindow.h"
#include "app/files/frmNew.h"
#include "app/files/frmOpen.h"
#include "controls/tabs/ctlTabs.h"
#include "controls/unitext/UniText.h"
#include "lists/listfile.h"
#include "lists/listwalk.h"
#include "tests/support/FakeFileDialog.h"
#include "tests/support/FakeShellOpen.h"
#include "tests/support/WindowDriver.h"
#include "tests/support/childtexts.h"
#include "tests/support/whenShown.h"

#include <QAction>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QTreeView>

#include <csignal>
#include <sys/resource.h>
#include <unistd.h>

namespace {

} // namespace

class tst_dialogs : public QObject {
    Q_OBJECT
private slots:
    void openWindowTree();
    void openWindowPassesOverUnreadableFolders();
    void searchSurvivesAFolderVanishing();
    void openWindowButtons();
    void openCommandSwitchesFromTheReadme();
    void openWindowListThatVanishedBeforeTheLoad();
    void refusedOpenChangesNothing();
    void newListSavePaths_data();
    void newListSavePaths();
    void newListNeverLosesTheOldFile();
    void newListAsksBeforeDroppingCharacters();
    void newListOpensInTheCurrentMode();
    void newListImportsATextFile();
    void aQuranFileMayBeDividedAsTheMushaf_data();
    void aQuranFileMayBeDividedAsTheMushaf();
    void importSaysWhichEncoding();
    void aboutBox();
};

void tst_dialogs::openWindowTree()
{
    ScratchProgram program;
    program.addList(QStringLiteral("Arabic/A.zva"), QStringLiteral("a"));
    program.addList(QStringLiteral("Arabic/Part 1/B.zva"), QStringLiteral("b"));
    program.addList(QStringLiteral("C.zva"), QStringLiteral("c"));
    program.addList(QStringLiteral("a.zva.bak"), QStringLiteral("x"));
    program.addList(QStringLiteral("Locked/D.zva"), QStringLiteral("d"));
    program.addList(QStringLiteral(".hidden/E.zva"), QStringLiteral("e"));
    QDir(program.folder()).mkpath(QStringLiteral("Empty/Deeper"));
    QFile::setPermissions(program.folder() + QStringLiteral("/Locked"),
                          QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup | QFile::ExeGroup);

    frmOpen open(program.folder());
    open.DirSearch(program.folder());
    const QAbstractItemModel* tree = open.tree()->model();
    const auto node = [&](const char* path) {
        return open.node(program.folder() + u'/' + QString::fromUtf8(path));
    };
    // In the order the search finds them: a folder's lists, then its folders.
    QCOMPARE(childTexts(tree), (QStringList{"a.zva", "C", "Arabic"}));
    QCOMPARE(childTexts(tree, node("Arabic")), (QStringList{"A", "Part 1"}));
    QCOMPARE(childTexts(tree, node("Arabic/Part 1")), QStringList{"B"});
    QCOMPARE(open.node(program.folder() + QStringLiteral("/Arabic/Part 1/B.zva")).data(),
             QStringLiteral("B"));
    QVERIFY(node("C.zva").isValid());
    QVERIFY(!node("Empty").isValid());
    QVERIFY(!node("Locked").isValid()); // read-only: not searched
    QFile::setPermissions(program.folder() + QStringLiteral("/Locked"),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

void tst_dialogs::openWindowPassesOverUnreadableFolders()
{
    if (geteuid() == 0)
        QSKIP("the superuser reads every folder, so none can be made unreadable here");
    ScratchProgram program;
    program.addList(QStringLiteral("C.zva"), QStringLiteral("c"));
    program.addList(QStringLiteral("Sealed/F.zva"), QStringLiteral("f"));
    const QString sealed = program.folder() + QStringLiteral("/Sealed");
    QFile::setPermissions(sealed, QFile::WriteOwner);
    frmOpen open(program.folder());
    open.DirSearch(program.folder());
    QFile::setPermissions(sealed, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QVERIFY(open.node(program.folder() + QStringLiteral("/C.zva")).isValid());
    QVERIFY(!open.node(program.folder() + QStringLiteral("/Sealed/F.zva")).isValid());
}

void tst_dialogs::searchSurvivesAFolderVanishing()
{
    ScratchProgram program;
    program.addList(QStringLiteral("A.zva"), QStringLiteral("a"));
    program.addList(QStringLiteral("Later/B.zva"), QStringLiteral("b"));
    program.addList(QStringLiteral("Later/Deeper/C.zva"), QStringLiteral("c"));
    QStringList found;
    // The first list found removes a folder the search has queued but not yet read.
    walkListFiles(program.folder(), [&](const QString& folder, const QString& name) {
        found.append(folder.mid(program.folder().size()) + name);
        if (found.size() == 1)
            QDir(program.folder() + QStringLiteral("/Later")).removeRecursively();
    });
    QCOMPARE(found, QStringList{QStringLiteral("/A.zva")});
}

void tst_dialogs::openWindowButtons()
{
    ScratchProgram program;
    program.addList(QStringLiteral("Arabic/Part 1/B.zva"), QStringLiteral("b"));
    FakeMessageBox messages;
    frmOpen open(program.folder());
    auto button = [&](const char* name) {
        return open.findChild<QPushButton*>(QString::fromLatin1(name));
    };

    bool wordButtonShown = true;
    QModelIndex current;
    qsizetype selected = -1;
    whenShown([&] {
        wordButtonShown = button("cmdOpenWord")->isVisibleTo(&open);
        current = open.tree()->currentIndex();
        selected = open.tree()->selectionModel()->selectedIndexes().size();
        open.tree()->setCurrentIndex(
            open.node(program.folder() + QStringLiteral("/Arabic/Part 1/B.zva")));
        button("cmdOpenLine")->click();
    });
    open.showModal();
    QVERIFY(!wordButtonShown); // no WordModeEnabled.txt
    // The first node has the focus, unselected.
    QCOMPARE(current, open.tree()->model()->index(0, 0));
    QCOMPARE(selected, 0);
    QCOMPARE(open.SelectedFileName, program.folder() + QStringLiteral("/Arabic/Part 1/B.zva"));
    QVERIFY(!open.WordMode);
    QVERIFY(messages.requests().isEmpty());

    // Hidden, not unloaded: the tree stays as it was, new lists appear only after the close box.
    program.addList(QStringLiteral("New.zva"), QStringLiteral("n"));
    QFile marker(program.folder() + QStringLiteral("/WordModeEnabled.txt"));
    QVERIFY(marker.open(QIODevice::WriteOnly));
    marker.close();
    bool newListShown = true;
    whenShown([&] {
        newListShown = open.node(program.folder() + QStringLiteral("/New.zva")).isValid();
        open.close();
    });
    open.showModal();
    QVERIFY(!newListShown);
    QVERIFY(open.SelectedFileName.isEmpty());
    whenShown([&] {
        newListShown = open.node(program.folder() + QStringLiteral("/New.zva")).isValid();
        wordButtonShown = button("cmdOpenWord")->isVisibleTo(&open);
        open.tree()->setCurrentIndex(open.node(program.folder() + QStringLiteral("/New.zva")));
        button("cmdOpenWord")->click();
    });
    open.showModal();
    QVERIFY(newListShown);
    QVERIFY(wordButtonShown);
    QVERIFY(open.WordMode);
    QCOMPARE(open.SelectedFileName, program.folder() + QStringLiteral("/New.zva"));
}

void tst_dialogs::openCommandSwitchesFromTheReadme()
{
    WindowDriver d;
    d.open({QStringLiteral("a")}, false, 3);
    d.program.addList(QStringLiteral("Arabic/Two.zva"), QStringLiteral("one two\r\nthree"));
    auto openTwo = [&](bool wordMode) {
        whenShown([&, wordMode] {
            auto* open = d.window->findChild<frmOpen*>();
            open->tree()->setCurrentIndex(
                open->node(d.program.folder() + QStringLiteral("/Arabic/Two.zva")));
            open->findChild<QPushButton*>(wordMode ? QStringLiteral("cmdOpenWord")
                                                   : QStringLiteral("cmdOpenLine"))
                ->click();
        });
        d.window->findChild<QAction*>(QStringLiteral("mnuFileLoad"))->trigger();
    };
    QFile marker(d.program.folder() + QStringLiteral("/WordModeEnabled.txt"));
    QVERIFY(marker.open(QIODevice::WriteOnly));
    marker.close();
    openTwo(true);
    QCOMPARE(d.control<ctlTabs>("ctlTabs1")->SelectedTab(), 1);
    QVERIFY(d.window->wordMode());
    QCOMPARE(d.window->items().size(), 3);

    d.control<ctlTabs>("ctlTabs1")->setSelectedTab(2);
    openTwo(false);
    QCOMPARE(d.control<ctlTabs>("ctlTabs1")->SelectedTab(), 2);
    QCOMPARE(d.window->items().size(), 2);
}

void tst_dialogs::openWindowListThatVanishedBeforeTheLoad()
{
    WindowDriver d;
    d.open({QStringLiteral("a"), QStringLiteral("b")});
    d.messages.clear();
    const QString gone = d.program.addList(QStringLiteral("Arabic/Gone.zva"), QStringLiteral("x"));
    whenShown([&] {
        auto* open = d.window->findChild<frmOpen*>();
        open->tree()->setCurrentIndex(
            open->node(d.program.folder() + QStringLiteral("/Arabic/Gone.zva")));
        QVERIFY(QFile::remove(gone)); // deleted by another program while the window was open
        open->findChild<QPushButton*>(QStringLiteral("cmdOpenLine"))->click();
    });
    d.window->findChild<QAction*>(QStringLiteral("mnuFileLoad"))->trigger();
    QCOMPARE(d.messages.captions(), QStringList{QStringLiteral("No item selected")});
    QCOMPARE(d.window->items(), (QStringList{"a", "b"}));
}

// A folder node opened in either mode is refused with one message; the tab, the mode and the
// open list stay as they were.
void tst_dialogs::refusedOpenChangesNothing()
{
    WindowDriver d;
    d.program.addList(QStringLiteral("Arabic/Part 1/B.zva"), QStringLiteral("b"));
    QFile marker(d.program.folder() + QStringLiteral("/WordModeEnabled.txt"));
    QVERIFY(marker.open(QIODevice::WriteOnly));
    marker.close();
    d.start("[Zorvel20]\nActiveTab=3\n");
    auto openFolder = [&](const char* button) {
        whenShown([&, button] {
            auto* open = d.window->findChild<frmOpen*>();
            open->tree()->setCurrentIndex(
                open->node(d.program.folder() + QStringLiteral("/Arabic/Part 1")));
            open->findChild<QPushButton*>(QString::fromLatin1(button))->click();
        });
        d.control<QAction>("mnuFileLoad")->trigger();
    };
    openFolder("cmdOpenLine");
    QCOMPARE(d.messages.captions(), QStringList{QStringLiteral("No item selected")});
    QCOMPARE(d.control<ctlTabs>("ctlTabs1")->SelectedTab(), 3);

    d.messages.clear();
    d.window->LoadZVFFile(d.program.addList(QStringLiteral("Two.zva"), QStringLiteral("x y\r\nz")));
    openFolder("cmdOpenWord");
    QCOMPARE(d.messages.captions(), QStringList{QStringLiteral("No item selected")});
    QVERIFY(!d.window->wordMode());
    QCOMPARE(d.window->items(), (QStringList{"x y", "z"}));
}

void tst_dialogs::newListSavePaths_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<QString>("saved"); // empty: nothing saved
    QTest::addColumn<int>("dialogs");

    QTest::newRow("only spaces: nothing, not even the dialog") << "   "
                                                               << "x"
                                                               << "" << 0;
    QTest::newRow("a name without the extension") << "a"
                                                  << "List"
                                                  << "List.zva" << 1;
    QTest::newRow("the extension is compared exactly") << "a"
                                                       << "List.ZVA"
                                                       << "List.ZVA.zva" << 1;
    QTest::newRow("cancelled") << "a"
                               << ""
                               << "" << 1;
    QTest::newRow("line breaks and spaces are saved") << " \r\n "
                                                      << "Blank"
                                                      << "Blank.zva" << 1;
}

void tst_dialogs::newListSavePaths()
{
    QFETCH(QString, text);
    QFETCH(QString, chosen);
    QFETCH(QString, saved);
    QFETCH(int, dialogs);
    ScratchProgram program;
    FakeMessageBox messages;
    FakeFileDialog dialog(chosen.isEmpty() ? QString() : program.folder() + u'/' + chosen);
    frmNew editor(program.folder());
    editor.editor()->setText(text);
    editor.findChild<QPushButton*>(QStringLiteral("cmdSave"))->click();
    const QList<FileDialog::Request>& asked = dialog.requests();

    QCOMPARE(asked.size(), dialogs);
    if (dialogs) {
        QCOMPARE(asked[0].title, QStringLiteral("Create Zorvel File"));
        QCOMPARE(asked[0].filter, QStringLiteral("Zorvel (Arabic) files(*.zva)"));
        QCOMPARE(asked[0].startFolder, program.folder());
    }
    if (saved.isEmpty()) {
        QVERIFY(QDir(program.folder()).entryList({QStringLiteral("*.zva")}, QDir::Files).isEmpty());
        return;
    }
    listfile::Error error;
    QCOMPARE(listfile::readFile(program.folder() + u'/' + saved, &error), text);
    QCOMPARE(editor.result(), int(QDialog::Accepted));
}

void tst_dialogs::newListNeverLosesTheOldFile()
{
    ScratchProgram program;
    const QString path = program.addList(QStringLiteral("Old.zva"), QStringLiteral("old list"));
    FakeMessageBox messages;
    FakeFileDialog dialog(path);
    frmNew editor(program.folder());
    editor.editor()->setText(QString(300, u'n'));
    QPushButton* save = editor.findChild<QPushButton*>(QStringLiteral("cmdSave"));

    messages.queueAnswer(MessageBox::Answer::No);
    save->click();
    QCOMPARE(messages.requests().last().caption, QStringLiteral("Overwrite File ?"));
    QCOMPARE(messages.requests().last().defaultAnswer, MessageBox::Answer::No);
    QVERIFY(
        messages.requests().last().text.startsWith(path + QStringLiteral(" already exists\r\n")));

    // Yes, but the disk fills up half-way: the old list is still there.
    messages.queueAnswer(MessageBox::Answer::Yes);
    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    const auto previous = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 100;
    setrlimit(RLIMIT_FSIZE, &small);
    save->click();
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previous);
    QCOMPARE(messages.requests().last().caption, QStringLiteral("Save error"));
    listfile::Error error;
    QCOMPARE(listfile::readFile(path, &error), QStringLiteral("old list"));
    QCOMPARE(editor.editor()->Text(), QString(300, u'n')); // the editor keeps the text
}

// Characters a list file cannot keep are all named at once; each can be replaced by a text the
// user types, or dropped; a cancelled question saves nothing.
void tst_dialogs::newListAsksBeforeDroppingCharacters()
{
    ScratchProgram program;
    FakeMessageBox messages;
    const QString path = program.folder() + QStringLiteral("/Hadith.zva");
    FakeFileDialog dialog(path);
    frmNew editor(program.folder());
    editor.editor()->setText(
        QStringLiteral("قال رسول الله \uFDFA\r\n\uFD3Eإنما الأعمال\uFD3F \uFDFA"));
    QPushButton* save = editor.findChild<QPushButton*>(QStringLiteral("cmdSave"));

    QStringList asked;
    whenShown([&] {
        auto* ask = qobject_cast<UnkeptWindow*>(QApplication::activeModalWidget());
        for (const QLabel* label : ask->findChildren<QLabel*>())
            if (label->buddy())
                asked.append(label->text());
        ask->reject();
    });
    save->click();
    QCOMPARE(asked, (QStringList{QStringLiteral("U+FDFA \uFDFA: 2 times, first on line 1"),
                                 QStringLiteral("U+FD3E \uFD3E: once, first on line 2"),
                                 QStringLiteral("U+FD3F \uFD3F: once, first on line 2")}));
    QVERIFY(!QFile::exists(path));

    // A stand-in the list cannot keep either is said at once, and Save waits for another.
    bool refused = false;
    bool focused = false;
    bool whole = false;
    QString said;
    whenShown([&] {
        auto* ask = qobject_cast<UnkeptWindow*>(QApplication::activeModalWidget());
        focused = ask->focusWidget() == ask->replacements().at(0);
        ask->replacements().at(0)->setText(QStringLiteral("\uFD3E\uFDFA\uFD3F"));
        auto* keep = ask->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Save);
        refused = !keep->isEnabled();
        QLabel* problem = ask->findChild<QLabel*>(QStringLiteral("problem"));
        said = problem->text();
        QApplication::processEvents();
        whole = problem->height() >= problem->heightForWidth(problem->width()) &&
                ask->rect().contains(QRect(problem->mapTo(ask, QPoint()), problem->size()));
        ask->replacements().at(0)->setText(QStringLiteral("صلى الله عليه وسلم"));
        keep->click(); // the ornate parentheses, left empty, are dropped
    });
    save->click();
    listfile::Error error;
    QVERIFY(refused);
    QVERIFY(focused);
    QVERIFY(whole); // the explanation is not cut off
    QVERIFY2(said.contains(QStringLiteral("\uFD3E")) && said.contains(QStringLiteral("\uFDFA")),
             qPrintable(said));
    QCOMPARE(listfile::readFile(path, &error),
             QStringLiteral("قال رسول الله صلى الله عليه وسلم\r\nإنما الأعمال صلى الله عليه وسلم"));
    QVERIFY(messages.requests().isEmpty());
}

void tst_dialogs::newListOpensInTheCurrentMode()
{
    WindowDriver d;
    d.open({QStringLiteral("a b")}, true);
    const QString path = d.program.folder() + QStringLiteral("/Fresh.zva");
    FakeFileDialog dialog(path);
    whenShown([&] {
        auto* editor = d.window->findChild<frmNew*>();
        editor->editor()->setText(QStringLiteral("one two three\r\nfour"));
        editor->findChild<QPushButton*>(QStringLiteral("cmdSave"))->click();
    });
    d.window->findChild<QAction*>(QStringLiteral("mnuFileNew"))->trigger();
    QCOMPARE(d.window->listName(), QStringLiteral("Fresh"));
    QCOMPARE(d.window->items().size(), 4); // word mode, as before
}

void tst_dialogs::newListImportsATextFile()
{
    ScratchProgram program;
    FakeMessageBox messages;
    const QString path = program.folder() + QStringLiteral("/days.txt");
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(QStringLiteral("الأَحَد\nالإِثْنَيْن").toUtf8()); // UTF-8 without a signature
    file.close();
    FakeFileDialog dialog([&](const FileDialog::Request& request) {
        return request.kind == FileDialog::Kind::Open ? path : QString();
    });
    frmNew editor(program.folder());
    editor.findChild<QPushButton*>(QStringLiteral("cmdImport"))->click();
    QCOMPARE(editor.editor()->Text(), QStringLiteral("الأَحَد\r\nالإِثْنَيْن"));
    QFile::remove(path);
    editor.findChild<QPushButton*>(QStringLiteral("cmdImport"))->click();
    QCOMPARE(messages.captions(), QStringList{QStringLiteral("Import error")});

    // A file larger than any list is refused before it is read; what was typed stays.
    QVERIFY(file.open(QIODevice::WriteOnly));
    QVERIFY(file.resize(1024LL * 1024 * 1024));
    file.close();
    editor.findChild<QPushButton*>(QStringLiteral("cmdImport"))->click();
    QVERIFY(messages.requests().last().text.contains(QStringLiteral("more than a list can hold")));
    QCOMPARE(editor.editor()->Text(), QStringLiteral("الأَحَد\r\nالإِثْنَيْن"));
}

void tst_dialogs::aQuranFileMayBeDividedAsTheMushaf_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<bool>("yes");
    QTest::addColumn<QString>("list");
    QTest::addColumn<QStringList>("captions");
    const QStringList asked{QStringLiteral("Import")};
    QTest::newRow("divided and named")
        << "78|1|a\n78|2|b" << true
        << QStringLiteral("## juz 30\r\n## page 582\r\n## quarter 233\r\n## manzil 7\r\n"
                          "# \u0627\u0644\u0646\u0651\u064E\u0628\u064E\u0625\r\na\r\nb")
        << asked;
    QTest::newRow("the learner says no: numbered parts")
        << "78|1|a\n78|2|b" << false << "# 78\r\na\r\nb" << asked;
    QTest::newRow("another numbering is told, and nothing guessed")
        << "2|287|x" << true << "# 2\r\nx" << (asked + asked);
    QTest::newRow("a poem is not asked about")
        << "a\nb\n\nc" << true << "# 1\r\na\r\nb\r\n# 2\r\nc" << QStringList();
}

void tst_dialogs::aQuranFileMayBeDividedAsTheMushaf()
{
    QFETCH(QString, file);
    QFETCH(bool, yes);
    QFETCH(QString, list);
    QFETCH(QStringList, captions);
    ScratchProgram program;
    FakeMessageBox messages;
    messages.queueAnswer(yes ? MessageBox::Answer::Yes : MessageBox::Answer::No);
    const QString path = program.folder() + QStringLiteral("/quran.txt");
    QFile text(path);
    QVERIFY(text.open(QIODevice::WriteOnly));
    text.write(file.toUtf8());
    text.close();
    FakeFileDialog dialog(path);
    frmNew editor(program.folder());
    editor.findChild<QPushButton*>(QStringLiteral("cmdImport"))->click();
    QCOMPARE(editor.editor()->Text(), list);
    QCOMPARE(messages.captions(), captions);
}

// A legacy Arabic file comes in as Arabic; the editor says how it was read, offers the other
// encodings, and tells of any byte that could not be read.
void tst_dialogs::importSaysWhichEncoding()
{
    ScratchProgram program;
    FakeMessageBox messages;
    FakeFileDialog dialog(QStringLiteral(ZORVEL_FIXTURES "/salam-windows-1256.txt"));
    frmNew editor(program.folder());
    editor.findChild<QPushButton*>(QStringLiteral("cmdImport"))->click();
    QCOMPARE(editor.editor()->Text(), QStringLiteral("السَّلامُ عَلَيْكُمْ\r\nبِسْمِ اللهِ"));
    auto* encoding = editor.findChild<QComboBox*>(QStringLiteral("cmbEncoding"));
    QVERIFY(encoding->isVisibleTo(&editor));
    QCOMPARE(encoding->currentText(), QStringLiteral("Windows-1256"));
    QVERIFY(messages.requests().isEmpty());

    encoding->setCurrentIndex(encoding->findText(QStringLiteral("UTF-8")));
    emit encoding->activated(encoding->currentIndex());
    QVERIFY(editor.editor()->Text().contains(QChar(0xFFFD)));
    QCOMPARE(messages.captions(), QStringList{QStringLiteral("Import")});
    QVERIFY(messages.requests().constFirst().text.contains(QStringLiteral("UTF-8")));
}

void tst_dialogs::aboutBox()
{
    WindowDriver d;
    d.open({QStringLiteral("a")});
    FakeShellOpen shell;
    QString title;
    QString app;
    QSize picture;
    whenShown([&] {
        QWidget* about = QApplication::activeModalWidget();
        title = about->windowTitle();
        app = about->findChild<QLabel*>(QStringLiteral("lblApp"))->text();
        picture = about->findChild<QLabel*>(QStringLiteral("Picture1"))->pixmap().size();
        QTest::mouseClick(about->findChild<QLabel*>(QStringLiteral("Label1")), Qt::LeftButton);
        about->findChild<QPushButton*>(QStringLiteral("cmdClose"))->click();
    });
    d.control<QAction>("mnuHelpAbout")->trigger();
    QCOMPARE(title, QStringLiteral("About Zorvel"));
    QCOMPARE(app, QStringLiteral("Zorvel 2.0"));
    QCOMPARE(picture, QSize(242, 67));
    QCOMPARE(shell.opened().size(), 1);
    QVERIFY(shell.opened().first().toString().startsWith(QStringLiteral("https://")));
}

QTEST_MAIN(tst_dialogs)
#include "tst_dialogs.moc"
