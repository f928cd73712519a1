#include "ItemNumberModel.h"

void ItemNumberModel::setCount(int count)
{
    beginResetModel();
    m_count = qMax(0, count);
    endResetModel();
}

int ItemNumberModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_count;
}

QVariant ItemNumberModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= m_count)
        return {};
    const int number = index.row() + 1;
    if (role == NumberRole)
        return number;
    return role == Qt::DisplayRole ? QVariant(QString::number(number)) : QVariant();
}
