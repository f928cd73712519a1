#pragma once

#include "lists/itemlist.h"

#include <QAbstractListModel>

// The line numbers of a word-mode list, for the two line lists that choose a range by lines.
// Both lists share one model; each reads the item number of its own end of the line.
class LineListModel : public QAbstractListModel {
    Q_OBJECT
public:
    enum Role { FirstItemRole = Qt::UserRole, LastItemRole };

    using QAbstractListModel::QAbstractListModel;

    // The lines, shown by their numbers, or by their references in a list with `parts`.
    void setLines(QList<LineEntry> lines, QList<Part> parts = {});

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

private:
    QList<LineEntry> m_lines;
    QList<Part> m_parts;
};
