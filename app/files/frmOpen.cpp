#include "app/files/frmOpen.h"

#include "app/files/ListTreeModel.h"
#include "app/files/listmessages.h"
#include "controls/common/FileDialog.h"
#include "controls/common/captionfit.h"
#include "controls/common/designed.h"
#include "lists/listwalk.h"

#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QPushButton>
#include <QStyle>
#include <QTreeView>

frmOpen::frmOpen(const QString& programFolder, QWidget* parent)
    : QDialog(parent)
    , m_programFolder(QDir::cleanPath(programFolder))
    , m_lists(new ListTreeModel(m_programFolder, this))
{
    setObjectName(QStringLiteral("frmOpen"));
    // One icon of each kind, shared by every node: thousands of lists must not make thousands
    // of icons.
    m_lists->setIcons(style()->standardIcon(QStyle::SP_DirIcon),
                      style()->standardIcon(QStyle::SP_FileIcon),
                      style()->standardIcon(QStyle::SP_DirHomeIcon));
    setWindowTitle(tr("Open"));
    setFixedSize(twipsToPixels(6870), twipsToPixels(7470));
    TreeView1 = makeDesigned<QTreeView>(this, "TreeView1", twipsRect(45, 75, 6720, 6765));
    TreeView1->setModel(m_lists);
    TreeView1->setUniformRowHeights(true);
    TreeView1->setHeaderHidden(true);
    TreeView1->setAccessibleName(tr("Lists"));
    cmdOpenWord = makeDesigned<QPushButton>(this, "cmdOpenWord", twipsRect(1590, 7020, 1650, 315),
                                            tr("Open in Word Mode"));
    cmdOpenLine = makeDesigned<QPushButton>(this, "cmdOpenLine", twipsRect(3330, 7020, 1650, 315),
                                            tr("Open"));
    cmdCancel = makeDesigned<QPushButton>(this, "cmdCancel", twipsRect(5100, 7020, 1650, 315),
                                          tr("Cancel"));
    cmdBrowse = makeDesigned<QPushButton>(this, "cmdBrowse", twipsRect(45, 7020, 1455, 315),
                                          tr("&Browse..."));
    setTabOrder(cmdOpenLine, cmdOpenWord);
    setTabOrder(cmdOpenWord, cmdCancel);
    setTabOrder(cmdCancel, cmdBrowse);
    cmdOpenLine->setDefault(true);
    fitCaptionsToText(this);
    connect(cmdOpenLine, &QPushButton::clicked, this, [this] { openSelected(false); });
    connect(cmdOpenWord, &QPushButton::clicked, this, [this] { openSelected(true); });
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(cmdBrowse, &QPushButton::clicked, this, &frmOpen::browse);
    connect(TreeView1, &QTreeView::doubleClicked, this, [this](const QModelIndex& index) {
        if (!m_lists->isFolder(index))
            openSelected(false);
    });
}

void frmOpen::showModal()
{
    if (!m_loaded)
        Form_Load();
    exec();
}

QString frmOpen::userRootText()
{
    return tr("My lists");
}

void frmOpen::Form_Load()
{
    DirSearch(m_programFolder);
    addUserLists();
    cmdOpenWord->setVisible(
        QFileInfo::exists(m_programFolder + QStringLiteral("/WordModeEnabled.txt")));
    m_loaded = true;
    // The first node has the focus, unselected: Open at once opens it.
    if (const QModelIndex first = m_lists->index(0, 0); first.isValid())
        TreeView1->selectionModel()->setCurrentIndex(first, QItemSelectionModel::NoUpdate);
    TreeView1->setFocus();
}

// The user's lists under a root of their own, with the same folder nodes and rules below it.
void frmOpen::addUserLists()
{
    if (m_userFolder.isEmpty() || !QFileInfo(m_userFolder).isDir())
        return;
    const QString base = QDir::cleanPath(m_userFolder);
    const int root =
        m_lists->folder(ListTreeModel::kTop, userRootText(), base, ListTreeModel::Kind::Home);
    walkListFiles(base + u'/', [&](const QString& folder, const QString& name) {
        m_lists->list(folderNode(root, base, folder), name);
    });
    TreeView1->expand(m_lists->indexOfNode(root));
}

int frmOpen::folderNode(int top, const QString& base, const QString& folder)
{
    int node = top;
    QString path = base;
    for (const QString& component : folder.mid(base.size()).split(u'/', Qt::SkipEmptyParts)) {
        path += u'/' + component;
        node = m_lists->folder(node, component, path);
    }
    return node;
}

// A list file anywhere: it joins the tree, chosen, so that either button opens it.
void frmOpen::browse()
{
    const QString path =
        FileDialog::ask(this, {FileDialog::Kind::Open,
                               tr("Open a Zorvel File"),
                               tr("Zorvel (Arabic) files(*.zva)"),
                               m_userFolder.isEmpty() ? m_programFolder : m_userFolder,
                               {}});
    if (path.isEmpty())
        return;
    const QFileInfo file(path);
    const QString folder = file.absolutePath();
    const QModelIndex node = m_lists->indexOfNode(m_lists->list(
        m_lists->folder(ListTreeModel::kTop, QDir::toNativeSeparators(folder), folder),
        file.fileName()));
    TreeView1->expand(node.parent());
    TreeView1->setCurrentIndex(node);
    TreeView1->setFocus();
}

void frmOpen::closeEvent(QCloseEvent* event)
{
    // The close box unloads the window: the caller finds no file, the next showing searches anew.
    SelectedFileName.clear();
    m_loaded = false;
    QDialog::closeEvent(event);
}

void frmOpen::DirSearch(const QString& StartDir)
{
    m_lists->clear();
    const QString start = StartDir.endsWith(u'/') ? StartDir : StartDir + u'/';
    walkListFiles(start, [&](const QString& folder, const QString& name) {
        AddToTree(folder.mid(m_programFolder.size()), name);
    });
}

void frmOpen::AddToTree(const QString& strFolder, const QString& strFile)
{
    m_lists->list(folderNode(ListTreeModel::kTop, m_programFolder, m_programFolder + strFolder),
                  strFile);
}

QModelIndex frmOpen::node(const QString& path) const
{
    return m_lists->indexOfPath(path);
}

QString frmOpen::fullPath(QModelIndex index) const
{
    QStringList texts;
    for (; index.isValid(); index = index.parent())
        texts.prepend(index.data().toString());
    return texts.join(u'/');
}

void frmOpen::openSelected(bool wordMode)
{
    const QModelIndex selected = TreeView1->currentIndex();
    if (!selected.isValid()) {
        showNoItemSelectedMessage(this);
        return;
    }
    // A folder node names no file: the load says so.
    SelectedFileName = m_lists->isFolder(selected)
                           ? m_programFolder + u'/' + fullPath(selected) + QStringLiteral(".zva")
                           : m_lists->filePath(selected);
    WordMode = wordMode;
    accept();
}
