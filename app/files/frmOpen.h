#pragma once

#include <QDialog>
#include <QModelIndex>

class ListTreeModel;
class QPushButton;
class QTreeView;

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

    QTreeView* tree() const { return TreeView1; }
    // The node of a folder's or a list file's path; invalid when the tree has none.
    QModelIndex node(const QString& path) const;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void Form_Load();
    void openSelected(bool wordMode);
    void browse();
    void addUserLists();
    // The folder node of `folder` (ending in "/"), below `top` whose folder is `base`.
    int folderNode(int top, const QString& base, const QString& folder);
    QString fullPath(QModelIndex index) const;

    QString m_programFolder;
    QString m_userFolder;
    bool m_loaded = false;
    ListTreeModel* m_lists;
    QTreeView* TreeView1;
    QPushButton* cmdOpenWord;
    QPushButton* cmdOpenLine;
    QPushButton* cmdCancel;
    QPushButton* cmdBrowse;
};
