#pragma once

#include "practice/session/divisionchoices.h"

#include <QAbstractListModel>

// The rows of the chooser of a whole part or division (see divisionchoices), made on demand so
// that a mushaf's thousand divisions fill it in no time. A row that names a kind chooses
// nothing and cannot be chosen.
class DivisionChoiceModel : public QAbstractListModel {
    Q_OBJECT
public:
    using QAbstractListModel::QAbstractListModel;

    void setDivisions(const QList<Part>& parts, const QList<DivisionKind>& kinds);
    const divisionchoices::Entry& entry(int row) const { return m_entries[row]; }
    int rowOf(int kind, int index) const { return divisionchoices::rowOf(m_entries, kind, index); }

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    QList<divisionchoices::Entry> m_entries;
    QList<Part> m_parts;
    QList<DivisionKind> m_kinds;
};
