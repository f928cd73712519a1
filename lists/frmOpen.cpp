#include "frmOpen.h"

#include "common/captionfit.h"
#include "common/designed.h"
#include "listmessages.h"
#include "listwalk.h"

#include <QCloseEvent>
#include <QFileInfo>
#include <QPushButton>
#include <QStyle>
#include <QTreeWidget>

namespace {

const QString kFolderTag = QStringLiteral("folder");

} // namespace

frmOpen::frmOpen(const QString& programFolder, QWidget* parent)
    : QDialog(parent)
    , m_programFolder(programFolder)
{
    setObjectName(QStringLiteral("frmOpen"));
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
    setTabOrder(cmdOpenLine, cmdOpenWord);
    setTabOrder(cmdOpenWord, cmdCancel);
    cmdOpenLine->setDefault(true);
    fitCaptionsToText(this);
    connect(cmdOpenLine, &QPushButton::clicked, this, [this] { openSelected(false); });
    connect(cmdOpenWord, &QPushButton::clicked, this, [this] { openSelected(true); });
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
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

void frmOpen::Form_Load()
{
    DirSearch(m_programFolder);
    cmdOpenWord->setVisible(
        QFileInfo::exists(m_programFolder + QStringLiteral("/WordModeEnabled.txt")));
    m_loaded = true;
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
    const QIcon folderIcon = style()->standardIcon(QStyle::SP_DirIcon);
    const QIcon fileIcon = style()->standardIcon(QStyle::SP_FileIcon);
    auto fileNode = [&](QTreeWidgetItem* item) {
        item->setText(0, strFile.left(qMax<qsizetype>(0, strFile.size() - 4)));
        item->setIcon(0, fileIcon);
        return item;
    };
    if (strFolder == u"/") {
        QTreeWidgetItem* item = fileNode(new QTreeWidgetItem(TreeView1));
        m_nodes.insert(strFile, item);
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
            folder->setIcon(0, folderIcon);
            folder->setData(0, Qt::UserRole, kFolderTag);
            m_nodes.insert(key, folder);
        }
        current = folder;
    }
    m_nodes.insert(strFolder + strFile, fileNode(new QTreeWidgetItem(current)));
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
    SelectedFileName = m_programFolder + u'/' + fullPath(selected) + QStringLiteral(".zva");
    WordMode = wordMode;
    accept();
}
