#include "practice/models/DivisionChoiceModel.h"

void DivisionChoiceModel::setDivisions(const QList<Part>& parts, const QList<DivisionKind>& kinds)
{
    beginResetModel();
    m_parts = parts;
    m_kinds = kinds;
    m_entries = divisionchoices::entries(parts, kinds);
    endResetModel();
}

int DivisionChoiceModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_entries.size());
}

QVariant DivisionChoiceModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= m_entries.size() || role != Qt::DisplayRole)
        return {};
    return divisionchoices::text(m_entries[index.row()], m_parts, m_kinds);
}

Qt::ItemFlags DivisionChoiceModel::flags(const QModelIndex& index) const
{
    if (!index.isValid() || index.row() >= m_entries.size() || m_entries[index.row()].index < 0)
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable;
}
