#pragma once

#include <QAbstractListModel>

#include <functional>

// The entries "1" to "N" of the From and To lists (their references in a list with parts),
// made on demand so that a list of 80,000 items fills both in no time. Both lists share one
// model.
class ItemNumberModel : public QAbstractListModel {
    Q_OBJECT
public:
    enum Role { NumberRole = Qt::UserRole };

    using QAbstractListModel::QAbstractListModel;

    // Items 1 to `count`, shown by `reference` (in a list with parts "2:255"), or by number.
    void setCount(int count, std::function<QString(int number)> reference = {});
    // The row that shows item `number`.
    static int rowOf(int number) { return number - 1; }

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

private:
    int m_count = 0;
    std::function<QString(int)> m_reference;
};
