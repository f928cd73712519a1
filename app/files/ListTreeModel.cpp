#include "app/files/ListTreeModel.h"

ListTreeModel::ListTreeModel(const QString& topFolder, QObject* parent)
    : QAbstractItemModel(parent)
    , m_topFolder(topFolder.endsWith(u'/') ? topFolder.chopped(1) : topFolder)
{
}

void ListTreeModel::setIcons(const QIcon& folder, const QIcon& list, const QIcon& home)
{
    m_icons[int(Kind::Folder)] = folder;
    m_icons[int(Kind::List)] = list;
    m_icons[int(Kind::Home)] = home;
}

void ListTreeModel::clear()
{
    beginResetModel();
    m_nodes.clear();
    m_top.clear();
    m_folders.clear();
    endResetModel();
}

int ListTreeModel::folder(int parent, const QString& text, const QString& path, Kind kind)
{
    if (path == m_topFolder)
        return kTop;
    if (const auto found = m_folders.constFind(path); found != m_folders.cend())
        return *found;
    const int node = add(parent, {text, path, parent, 0, kind, {}});
    m_folders.insert(path, node);
    return node;
}

int ListTreeModel::list(int folder, const QString& fileName)
{
    for (int child : std::as_const(childrenOf(folder)))
        if (m_nodes[child].kind == Kind::List && m_nodes[child].name == fileName)
            return child;
    return add(folder, {fileName, {}, folder, 0, Kind::List, {}});
}

int ListTreeModel::add(int parent, Node node)
{
    const int number = int(m_nodes.size());
    node.row = int(childrenOf(parent).size());
    beginInsertRows(indexOfNode(parent), node.row, node.row);
    m_nodes.push_back(std::move(node));
    // Only now: the push may have moved the parent's list of children.
    childrenOf(parent).append(number);
    endInsertRows();
    return number;
}

QList<int>& ListTreeModel::childrenOf(int node)
{
    return node == kTop ? m_top : m_nodes[node].children;
}

const QList<int>& ListTreeModel::childrenOf(int node) const
{
    return node == kTop ? m_top : m_nodes[node].children;
}

QModelIndex ListTreeModel::indexOfPath(const QString& path) const
{
    if (const auto found = m_folders.constFind(path); found != m_folders.cend())
        return indexOfNode(*found);
    const qsizetype slash = path.lastIndexOf(u'/');
    const QString folderPath = path.left(slash);
    const int folder = folderPath == m_topFolder ? kTop : m_folders.value(folderPath, -2);
    if (folder == -2)
        return {};
    const QString name = path.mid(slash + 1);
    for (int child : childrenOf(folder))
        if (m_nodes[child].kind == Kind::List && m_nodes[child].name == name)
            return indexOfNode(child);
    return {};
}

QModelIndex ListTreeModel::indexOfNode(int node) const
{
    return node == kTop ? QModelIndex() : createIndex(m_nodes[node].row, 0, quintptr(node));
}

const ListTreeModel::Node& ListTreeModel::nodeOf(const QModelIndex& index) const
{
    return m_nodes[index.internalId()];
}

bool ListTreeModel::isFolder(const QModelIndex& index) const
{
    return index.isValid() && nodeOf(index).kind != Kind::List;
}

QString ListTreeModel::filePath(const QModelIndex& index) const
{
    if (!index.isValid() || isFolder(index))
        return {};
    const Node& node = nodeOf(index);
    const QString& folder = node.parent == kTop ? m_topFolder : m_nodes[node.parent].path;
    return folder + u'/' + node.name;
}

QModelIndex ListTreeModel::index(int row, int column, const QModelIndex& parent) const
{
    const QList<int>& children = childrenOf(parent.isValid() ? int(parent.internalId()) : kTop);
    if (column != 0 || row < 0 || row >= children.size())
        return {};
    return createIndex(row, 0, quintptr(children[row]));
}

QModelIndex ListTreeModel::parent(const QModelIndex& child) const
{
    return child.isValid() ? indexOfNode(nodeOf(child).parent) : QModelIndex();
}

int ListTreeModel::rowCount(const QModelIndex& parent) const
{
    if (parent.column() > 0)
        return 0;
    return int(childrenOf(parent.isValid() ? int(parent.internalId()) : kTop).size());
}

int ListTreeModel::columnCount(const QModelIndex&) const
{
    return 1;
}

QVariant ListTreeModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return {};
    const Node& node = nodeOf(index);
    switch (role) {
    case Qt::DisplayRole:
    case Qt::AccessibleTextRole:
        // A list shows its name without the extension, as the file's last four characters.
        return node.kind == Kind::List ? node.name.left(qMax<qsizetype>(0, node.name.size() - 4))
                                       : node.name;
    case Qt::DecorationRole:
        return m_icons[int(node.kind)];
    default:
        return {};
    }
}

QVariant ListTreeModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    // What a screen reader reads for the column, instead of "1".
    if (section == 0 && orientation == Qt::Horizontal && role == Qt::DisplayRole)
        return tr("Lists");
    return {};
}
