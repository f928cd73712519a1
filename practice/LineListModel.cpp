#include "LineListModel.h"

void LineListModel::setLines(QList<LineEntry> lines)
{
    beginResetModel();
    m_lines = std::move(lines);
    endResetModel();
}

int LineListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_lines.size());
}

QVariant LineListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= m_lines.size())
        return {};
    const LineEntry& line = m_lines.at(index.row());
    switch (role) {
    case Qt::DisplayRole:
        return QString::number(line.lineNumber);
    case FirstItemRole:
        return line.firstItem;
    case LastItemRole:
        return line.lastItem;
    default:
        return {};
    }
}
