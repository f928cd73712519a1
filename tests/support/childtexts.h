#pragma once

#include <QAbstractItemModel>
#include <QStringList>

// The texts of a node's children in a tree model, in their order; the top level's for an
// invalid `parent`.
inline QStringList childTexts(const QAbstractItemModel* model, const QModelIndex& parent = {})
{
    QStringList texts;
    for (int row = 0; row < model->rowCount(parent); ++row)
        texts.append(model->index(row, 0, parent).data().toString());
    return texts;
}
