#pragma once

#include <QDialog>
#include <QHash>
#include <QIcon>

class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

// The Open window: every list file in the program's folder and below it, as a tree of
// folders, opened in line mode or in word mode; beside them, under a root of their own, the
// user's own lists; and any list file elsewhere that "Browse..." finds. It is only hidden
// between uses; closing it with its close box makes the next showing search the folders again.
class frmOpen : public QDialog {
    Q_OBJECT
public:
    explicit frmOpen(const QString& programFolder, QWidget* parent = nullptr);

    QString SelectedFileName;
    bool WordMode = false;

    // The user's own list folder, shown as the root "My lists"; none when empty.
    void setUserFolder(const QString& folder) { m_userFolder = folder; }
    static QString userRootText();

    // Shows the window modally, loading it first when it is not loaded.
    void showModal();

    void DirSearch(const QString& StartDir);
    void AddToTree(const QString& strFolder, const QString& strFile);

    QTreeWidget* tree() const { return TreeView1; }
    // The key of a node, and the node of a key.
    QTreeWidgetItem* node(const QString& key) const { return m_nodes.value(key); }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void Form_Load();
    void openSelected(bool wordMode);
    void browse();
    void addUserLists();
    QTreeWidgetItem* addFileNode(QTreeWidgetItem* parent, const QString& key, const QString& file,
                                 const QString& path);
    QString fullPath(const QTreeWidgetItem* item) const;

    QString m_programFolder;
    QString m_userFolder;
    bool m_loaded = false;
    QHash<QString, QTreeWidgetItem*> m_nodes;
    QTreeWidget* TreeView1;
    QPushButton* cmdOpenWord;
    QPushButton* cmdOpenLine;
    QPushButton* cmdCancel;
    QPushButton* cmdBrowse;
    QIcon m_folderIcon;
    QIcon m_fileIcon;
};
