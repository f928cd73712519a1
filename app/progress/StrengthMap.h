#pragma once

#include "practice/models/maplayout.h"

#include <QWidget>

#include <functional>

// A whole list at a glance: a small cell for every item in the list's order, coloured by its
// chance of recall today, from red through amber to green, grey when never practised. Rows wrap
// to the width, or are the list's pages where it has them; a tooltip names the item under the
// pointer, and a click chooses it.
class StrengthMap : public QWidget {
    Q_OBJECT
public:
    explicit StrengthMap(QWidget* parent = nullptr);

    // `recall` by item (below 0: never practised); `reference` names item numbers; `rows`, where
    // given, the runs of items that each begin a row.
    void setStrength(const QList<float>& recall, std::function<QString(int)> reference,
                     const QList<revisionplan::ItemSpan>& rows = {});
    // The item whose cell holds `point`, or 0.
    int itemAt(QPoint point) const;
    static QColor colourOf(float recall);

    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;
    QSize sizeHint() const override;

signals:
    void chosen(int number);

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    int columns() const;
    MapLayout layoutAt(int width) const;

    QList<float> m_recall;
    std::function<QString(int)> m_reference;
    QList<revisionplan::ItemSpan> m_rows;
};
