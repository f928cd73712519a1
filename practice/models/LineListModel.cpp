#include "practice/models/LineListModel.h"

void LineListModel::setLines(QList<LineEntry> lines, QList<Part> parts)
{
    beginResetModel();
    m_lines = std::move(lines);
    m_parts = std::move(parts);
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
        return m_parts.isEmpty() ? QString::number(line.lineNumber)
                                 : itemReference(m_parts, m_lines, line.firstItem);
    case FirstItemRole:
        return line.firstItem;
    case LastItemRole:
        return line.lastItem;
    default:
        return {};
    }
}
