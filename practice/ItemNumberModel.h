#pragma once

#include <QAbstractListModel>

// The entries "1" to "N" of the From and To lists, made on demand so that a list of
// 80,000 items fills both in no time. Both lists share one model.
class ItemNumberModel : public QAbstractListModel {
    Q_OBJECT
public:
    enum Role { NumberRole = Qt::UserRole };

    using QAbstractListModel::QAbstractListModel;

    void setCount(int count);
    // The row that shows item `number`.
    static int rowOf(int number) { return number - 1; }

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

private:
    int m_count = 0;
};
