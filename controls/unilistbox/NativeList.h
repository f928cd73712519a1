#pragma once

#include <QAbstractScrollArea>
#include <QList>

class QPainter;

// The inner list of UniListBox: a plain list of items, each with its text, a 32-bit data
// value and a checked flag, and a caret item. It draws nothing itself; for every visible item
// it asks its parent control window to paint, with a DrawItemEvent. Adding an item and
// painting cost the same whatever the number of items.
class NativeList : public QAbstractScrollArea {
    Q_OBJECT
public:
    explicit NativeList(QWidget* controlWindow);

    int insert(int before, const QString& text); // before -1 or beyond the end appends
    bool remove(int index);
    void clear();
    int count() const { return static_cast<int>(m_items.size()); }

    QString text(int index) const;
    void setText(int index, const QString& text);
    qint32 data(int index) const;
    bool setData(int index, qint32 value);
    bool checked(int index) const;
    bool setChecked(int index, bool checked);
    void setAllChecked(bool checked);
    int checkedCount() const;

    int caret() const { return m_caret; }
    // Makes `index` the caret item and scrolls it fully into view; -1 for none.
    void setCaret(int index);

    // The first item after `start` whose text begins with `prefix`, ignoring case, wrapping
    // around to `start` itself; -1 when none does.
    int findPrefix(const QString& prefix, int start) const;

    // Rows tall enough for every mark the list's font stacks above and below its letters,
    // measured when first needed: a list shows in another font than the one it is made with.
    int rowHeight() const;
    QRect itemRect(int index) const; // in viewport coordinates
    int rowAt(int y) const;          // -1 below the last item
    // A row too wide for the list shows whole in a tooltip.
    void setTipsForCutRows(bool tips) { m_tipsForCutRows = tips; }

signals:
    void mouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, QPointF position);
    void mouseMove(Qt::MouseButtons buttons, Qt::KeyboardModifiers shift, QPointF position);
    void mouseUp(Qt::MouseButton button, Qt::KeyboardModifiers shift, QPointF position);
    void keyDown(int key, Qt::KeyboardModifiers shift);
    void keyPress(const QString& text);
    void keyUp(int key, Qt::KeyboardModifiers shift);
    // The user moved the caret or toggled an item.
    void selectionChanged();
    void doubleClicked();
    void checkToggled(int index);
    void scrolled();

protected:
    void paintEvent(QPaintEvent* event) override;
    bool viewportEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    struct Item {
        QString text;
        qint32 data = 0;
        bool checked = false;
    };

    // The scroll range follows the item count once per turn of the event loop, not once per
    // added item, so that adding many items costs no scroll bar work each.
    void scheduleScrollRange();
    void updateScrollRange();
    int visibleRows() const;
    void moveCaretByUser(int index);
    void toggleByUser(int index);
    void updateItem(int index);

    QWidget* m_controlWindow;
    QList<Item> m_items;
    int m_caret = -1;
    mutable int m_rowHeight = 0; // 0 until measured in the current font
    bool m_scrollRangePending = false;
    bool m_tipsForCutRows = false;
};
