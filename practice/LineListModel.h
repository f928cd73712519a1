#pragma once

#include "itemlist.h"

#include <QAbstractListModel>

// The line numbers of a word-mode list, for the two line lists that choose a range by lines.
// Both lists share one model; each reads the item number of its own end of the line.
class LineListModel : public QAbstractListModel {
    Q_OBJECT
public:
    enum Role { FirstItemRole = Qt::UserRole, LastItemRole };

    using QAbstractListModel::QAbstractListModel;

    void setLines(QList<LineEntry> lines);

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

private:
    QList<LineEntry> m_lines;
};
