#include "practice/models/ItemNumberModel.h"

void ItemNumberModel::setCount(int count, std::function<QString(int number)> reference)
{
    beginResetModel();
    m_count = qMax(0, count);
    m_reference = std::move(reference);
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
    if (role != Qt::DisplayRole)
        return {};
    return m_reference ? m_reference(number) : QString::number(number);
}
