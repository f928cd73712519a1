#include "frmOpen.h"

#include "common/FileDialog.h"
#include "common/captionfit.h"
#include "common/designed.h"
#include "listmessages.h"
#include "listwalk.h"

#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QPushButton>
#include <QStyle>
#include <QTreeWidget>

namespace {

const QString kFolderTag = QStringLiteral("folder");
constexpr int kPathRole = Qt::UserRole + 1; // a file node's whole path
// Keys of the nodes below "My lists" and of browsed files, apart from the designed keys.
const QString kUserKeys = QStringLiteral("user:");
const QString kBrowsedKeys = QStringLiteral("browsed:");

} // namespace

frmOpen::frmOpen(const QString& programFolder, QWidget* parent)
    : QDialog(parent)
    , m_programFolder(programFolder)
{
    setObjectName(QStringLiteral("frmOpen"));
    // One icon of each kind, shared by every node: thousands of lists must not make thousands
    // of icons.
    m_folderIcon = style()->standardIcon(QStyle::SP_DirIcon);
    m_fileIcon = style()->standardIcon(QStyle::SP_FileIcon);
    setWindowTitle(QStringLiteral("Open"));
    setFixedSize(twipsToPixels(6870), twipsToPixels(7470));
    TreeView1 = makeDesigned<QTreeWidget>(this, "TreeView1", twipsRect(45, 75, 6720, 6765));
    TreeView1->setHeaderHidden(true);
    TreeView1->setHeaderLabel(tr("Lists")); // what a screen reader reads for the column
    TreeView1->setAccessibleName(tr("Lists"));
    cmdOpenWord = makeDesigned<QPushButton>(this, "cmdOpenWord", twipsRect(1590, 7020, 1650, 315),
                                            QStringLiteral("Open in Word Mode"));
    cmdOpenLine = makeDesigned<QPushButton>(this, "cmdOpenLine", twipsRect(3330, 7020, 1650, 315),
                                            QStringLiteral("Open"));
    cmdCancel = makeDesigned<QPushButton>(this, "cmdCancel", twipsRect(5100, 7020, 1650, 315),
                                          QStringLiteral("Cancel"));
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
    connect(TreeView1, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem* item) {
        if (item->data(0, Qt::UserRole).toString() != kFolderTag)
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
    if (QTreeWidgetItem* first = TreeView1->topLevelItem(0))
        TreeView1->selectionModel()->setCurrentIndex(TreeView1->indexFromItem(first),
                                                     QItemSelectionModel::NoUpdate);
    TreeView1->setFocus();
}

// The user's lists under a root of their own, with the same folder nodes and rules below it.
void frmOpen::addUserLists()
{
    if (m_userFolder.isEmpty() || !QFileInfo(m_userFolder).isDir())
        return;
    auto* root = new QTreeWidgetItem(TreeView1);
    root->setText(0, userRootText());
    root->setIcon(0, style()->standardIcon(QStyle::SP_DirHomeIcon));
    root->setData(0, Qt::UserRole, kFolderTag);
    m_nodes.insert(kUserKeys, root);
    const QString base = QDir::cleanPath(m_userFolder);
    walkListFiles(base + u'/', [&](const QString& folder, const QString& name) {
        QTreeWidgetItem* parent = root;
        QString key = kUserKeys;
        for (const QString& component : folder.mid(base.size()).split(u'/', Qt::SkipEmptyParts)) {
            key += component + u'-';
            QTreeWidgetItem* node = m_nodes.value(key);
            if (!node) {
                node = new QTreeWidgetItem(parent);
                node->setText(0, component);
                node->setIcon(0, m_folderIcon);
                node->setData(0, Qt::UserRole, kFolderTag);
                m_nodes.insert(key, node);
            }
            parent = node;
        }
        addFileNode(parent, kUserKeys + folder.mid(base.size()) + name, name, folder + name);
    });
    root->setExpanded(true);
}

// A list file anywhere: it joins the tree, chosen, so that either button opens it.
void frmOpen::browse()
{
    const QString path =
        FileDialog::ask(this, {FileDialog::Kind::Open,
                               tr("Open a Zorvel File"),
                               QStringLiteral("Zorvel (Arabic) files(*.zva)"),
                               m_userFolder.isEmpty() ? m_programFolder : m_userFolder,
                               {}});
    if (path.isEmpty())
        return;
    const QFileInfo file(path);
    const QString folderKey = kBrowsedKeys + file.absolutePath();
    QTreeWidgetItem* folder = m_nodes.value(folderKey);
    if (!folder) {
        folder = new QTreeWidgetItem(TreeView1);
        folder->setText(0, QDir::toNativeSeparators(file.absolutePath()));
        folder->setIcon(0, m_folderIcon);
        folder->setData(0, Qt::UserRole, kFolderTag);
        m_nodes.insert(folderKey, folder);
    }
    QTreeWidgetItem* node = m_nodes.value(kBrowsedKeys + file.absoluteFilePath());
    if (!node)
        node = addFileNode(folder, kBrowsedKeys + file.absoluteFilePath(), file.fileName(),
                           file.absoluteFilePath());
    folder->setExpanded(true);
    TreeView1->setCurrentItem(node);
    TreeView1->setFocus();
}

QTreeWidgetItem* frmOpen::addFileNode(QTreeWidgetItem* parent, const QString& key,
                                      const QString& file, const QString& path)
{
    auto* item = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(TreeView1);
    item->setText(0, file.left(qMax<qsizetype>(0, file.size() - 4)));
    item->setIcon(0, m_fileIcon);
    item->setData(0, kPathRole, path);
    m_nodes.insert(key, item);
    return item;
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
    TreeView1->clear();
    m_nodes.clear();
    const QString start = StartDir.endsWith(u'/') ? StartDir : StartDir + u'/';
    const QString programFolder =
        m_programFolder.endsWith(u'/') ? m_programFolder.chopped(1) : m_programFolder;
    walkListFiles(start, [&](const QString& folder, const QString& name) {
        AddToTree(folder.mid(programFolder.size()), name);
    });
}

void frmOpen::AddToTree(const QString& strFolder, const QString& strFile)
{
    const QString path = m_programFolder + strFolder + strFile;
    if (strFolder == u"/") {
        addFileNode(nullptr, strFile, strFile, path);
        return;
    }
    QString key;
    QTreeWidgetItem* current = nullptr;
    for (const QString& component : strFolder.split(u'/', Qt::SkipEmptyParts)) {
        key = key.isEmpty() ? component : key + u'-' + component;
        QTreeWidgetItem* folder = m_nodes.value(key);
        if (!folder) {
            folder = current ? new QTreeWidgetItem(current) : new QTreeWidgetItem(TreeView1);
            folder->setText(0, component);
            folder->setIcon(0, m_folderIcon);
            folder->setData(0, Qt::UserRole, kFolderTag);
            m_nodes.insert(key, folder);
        }
        current = folder;
    }
    addFileNode(current, strFolder + strFile, strFile, path);
}

QString frmOpen::fullPath(const QTreeWidgetItem* item) const
{
    QStringList texts;
    for (; item; item = item->parent())
        texts.prepend(item->text(0));
    return texts.join(u'/');
}

void frmOpen::openSelected(bool wordMode)
{
    const QTreeWidgetItem* selected = TreeView1->currentItem();
    if (!selected) {
        showNoItemSelectedMessage(this);
        return;
    }
    // A folder node names no file: the load says so.
    const QString path = selected->data(0, kPathRole).toString();
    SelectedFileName = !path.isEmpty()
                           ? path
                           : m_programFolder + u'/' + fullPath(selected) + QStringLiteral(".zva");
    WordMode = wordMode;
    accept();
}
