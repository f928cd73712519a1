#pragma once

#include <QAbstractItemModel>
#include <QHash>
#include <QIcon>

#include <vector>

// The Open window's tree of folders and list files. Tens of thousands of lists must show at
// once and cost little: a node is its name, its parent and its children's numbers; only
// folders keep their path, and a list's path is its folder's and its name.
class ListTreeModel : public QAbstractItemModel {
    Q_OBJECT
public:
    enum class Kind : quint8 { Folder, List, Home };
    static constexpr int kTop = -1; // the invisible parent of the top-level nodes

    // `topFolder` is the folder whose lists and folders are the top-level nodes.
    explicit ListTreeModel(const QString& topFolder, QObject* parent = nullptr);

    void setIcons(const QIcon& folder, const QIcon& list, const QIcon& home);
    void clear();
    // The folder node of `path` below `parent`, made when missing; `text` is what it shows.
    int folder(int parent, const QString& text, const QString& path, Kind kind = Kind::Folder);
    // A list node for the file `fileName` in the folder node `folder`; the one there if any.
    int list(int folder, const QString& fileName);

    // The node of a folder's or a list file's path; invalid when the tree has none.
    QModelIndex indexOfPath(const QString& path) const;
    QModelIndex indexOfNode(int node) const;
    bool isFolder(const QModelIndex& index) const;
    // A list node's file; empty for a folder.
    QString filePath(const QModelIndex& index) const;

    QModelIndex index(int row, int column, const QModelIndex& parent = {}) const override;
    QModelIndex parent(const QModelIndex& child) const override;
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    struct Node {
        QString name; // a list's file name, a folder's text
        QString path; // a folder's; empty for a list
        int parent = kTop;
        int row = 0;
        Kind kind = Kind::List;
        QList<int> children;
    };
    int add(int parent, Node node);
    QList<int>& childrenOf(int node);
    const QList<int>& childrenOf(int node) const;
    const Node& nodeOf(const QModelIndex& index) const;

    QString m_topFolder;
    std::vector<Node> m_nodes;
    QList<int> m_top;
    QHash<QString, int> m_folders; // by path
    QIcon m_icons[3];
};
