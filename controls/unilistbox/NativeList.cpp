#include "controls/unilistbox/NativeList.h"

#include "controls/accessibility/controlaccessibility.h"
#include "controls/common/inkextent.h"
#include "controls/unilistbox/DrawItemEvent.h"

#include <QCoreApplication>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>
#include <QToolTip>
#include <QtMath>

NativeList::NativeList(QWidget* controlWindow)
    : QAbstractScrollArea(controlWindow)
    , m_controlWindow(controlWindow)
{
    installControlAccessibility();
    setFocusPolicy(Qt::StrongFocus);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    viewport()->setAutoFillBackground(true);
    viewport()->setBackgroundRole(QPalette::Base);
    viewport()->setMouseTracking(true);
    connect(verticalScrollBar(), &QScrollBar::valueChanged, this, [this] {
        viewport()->update();
        emit scrolled();
    });
}

int NativeList::insert(int before, const QString& text)
{
    const int index = before < 0 || before > count() ? count() : before;
    m_items.insert(index, Item{text, 0, false});
    if (m_caret >= index)
        ++m_caret;
    scheduleScrollRange();
    viewport()->update();
    return index;
}

bool NativeList::remove(int index)
{
    if (index < 0 || index >= count())
        return false;
    m_items.remove(index);
    if (m_caret == index)
        m_caret = -1;
    else if (m_caret > index)
        --m_caret;
    scheduleScrollRange();
    viewport()->update();
    return true;
}

void NativeList::clear()
{
    m_items.clear();
    m_caret = -1;
    scheduleScrollRange();
    viewport()->update();
}

QString NativeList::text(int index) const
{
    return index >= 0 && index < count() ? m_items[index].text : QString();
}

void NativeList::setText(int index, const QString& text)
{
    if (index < 0 || index >= count())
        return;
    m_items[index].text = text;
    viewport()->update(itemRect(index));
}

qint32 NativeList::data(int index) const
{
    return index >= 0 && index < count() ? m_items[index].data : 0;
}

bool NativeList::setData(int index, qint32 value)
{
    if (index < 0 || index >= count())
        return false;
    m_items[index].data = value;
    return true;
}

bool NativeList::checked(int index) const
{
    return index >= 0 && index < count() && m_items[index].checked;
}

bool NativeList::setChecked(int index, bool checked)
{
    if (index < 0 || index >= count())
        return false;
    m_items[index].checked = checked;
    updateItem(index);
    return true;
}

void NativeList::setAllChecked(bool checked)
{
    for (Item& item : m_items)
        item.checked = checked;
    viewport()->update();
}

int NativeList::checkedCount() const
{
    return static_cast<int>(std::count_if(m_items.cbegin(), m_items.cend(),
                                          [](const Item& item) { return item.checked; }));
}

void NativeList::setCaret(int index)
{
    const int previous = m_caret;
    m_caret = index >= 0 && index < count() ? index : -1;
    updateItem(previous);
    if (m_caret < 0)
        return;
    if (m_scrollRangePending)
        updateScrollRange();
    QScrollBar* bar = verticalScrollBar();
    const int rows = visibleRows();
    if (m_caret < bar->value())
        bar->setValue(m_caret);
    else if (m_caret >= bar->value() + rows)
        bar->setValue(m_caret - rows + 1);
    updateItem(m_caret);
    announceSelectedChild(this, m_caret); // the items are the list's accessible children
}

int NativeList::findPrefix(const QString& prefix, int start) const
{
    const int n = count();
    if (n == 0)
        return -1;
    const int first = start >= 0 && start < n ? start + 1 : 0;
    for (int step = 0; step < n; ++step) {
        const int index = (first + step) % n;
        if (m_items[index].text.startsWith(prefix, Qt::CaseInsensitive))
            return index;
    }
    return -1;
}

int NativeList::rowHeight() const
{
    // A pixel spare at each edge.
    if (m_rowHeight == 0)
        m_rowHeight = qCeil(arabicInkExtent(font()).height()) + 2;
    return m_rowHeight;
}

QRect NativeList::itemRect(int index) const
{
    const int row = index - verticalScrollBar()->value();
    return QRect(0, row * rowHeight(), viewport()->width(), rowHeight());
}

int NativeList::rowAt(int y) const
{
    if (y < 0)
        return -1;
    const int index = verticalScrollBar()->value() + y / rowHeight();
    return index < count() ? index : -1;
}

int NativeList::visibleRows() const
{
    return qMax(1, viewport()->height() / rowHeight());
}

void NativeList::scheduleScrollRange()
{
    if (m_scrollRangePending)
        return;
    m_scrollRangePending = true;
    // A hidden list waits until it shows: the range needs the row height, which needs the
    // font it shows in.
    if (isVisible())
        QMetaObject::invokeMethod(this, &NativeList::updateScrollRange, Qt::QueuedConnection);
}

void NativeList::updateScrollRange()
{
    m_scrollRangePending = false;
    QScrollBar* bar = verticalScrollBar();
    const int rows = visibleRows();
    bar->setRange(0, qMax(0, count() - rows));
    bar->setPageStep(rows);
    bar->setSingleStep(1);
}

void NativeList::updateItem(int index)
{
    if (index >= 0 && index < count())
        viewport()->update(itemRect(index));
}

void NativeList::paintEvent(QPaintEvent*)
{
    QPainter painter(viewport());
    const int first = verticalScrollBar()->value();
    const int last = qMin(count() - 1, first + viewport()->height() / rowHeight());
    const bool focused = hasFocus();
    for (int index = first; index <= last; ++index) {
        int state = m_items[index].checked ? DrawItemEvent::ODS_SELECTED : 0;
        if (focused && index == m_caret)
            state |= DrawItemEvent::ODS_FOCUS;
        painter.save();
        DrawItemEvent request(index, state, this, &painter, itemRect(index));
        QCoreApplication::sendEvent(m_controlWindow, &request);
        painter.restore();
    }
}

void NativeList::resizeEvent(QResizeEvent* event)
{
    QAbstractScrollArea::resizeEvent(event);
    updateScrollRange();
}

void NativeList::showEvent(QShowEvent* event)
{
    QAbstractScrollArea::showEvent(event);
    if (m_scrollRangePending)
        updateScrollRange();
}

void NativeList::changeEvent(QEvent* event)
{
    QAbstractScrollArea::changeEvent(event);
    if (event->type() != QEvent::FontChange)
        return;
    m_rowHeight = 0;
    scheduleScrollRange();
    viewport()->update();
}

void NativeList::moveCaretByUser(int index)
{
    if (index < 0 || index >= count() || index == m_caret)
        return;
    setCaret(index);
    emit selectionChanged();
}

void NativeList::toggleByUser(int index)
{
    if (!setChecked(index, !checked(index)))
        return;
    emit checkToggled(index);
}

void NativeList::mousePressEvent(QMouseEvent* event)
{
    emit mouseDown(event->button(), event->modifiers(), event->position());
    const int row = rowAt(qRound(event->position().y()));
    if (event->button() == Qt::LeftButton && row >= 0) {
        setCaret(row);
        toggleByUser(row);
        emit selectionChanged();
    }
}

void NativeList::mouseDoubleClickEvent(QMouseEvent* event)
{
    const int row = rowAt(qRound(event->position().y()));
    if (event->button() == Qt::LeftButton && row >= 0) {
        setCaret(row);
        emit doubleClicked();
    }
}

void NativeList::mouseMoveEvent(QMouseEvent* event)
{
    emit mouseMove(event->buttons(), event->modifiers(), event->position());
}

void NativeList::mouseReleaseEvent(QMouseEvent* event)
{
    emit mouseUp(event->button(), event->modifiers(), event->position());
}

void NativeList::keyPressEvent(QKeyEvent* event)
{
    emit keyDown(event->key(), event->modifiers());
    const int rows = visibleRows();
    const int caret = qMax(0, m_caret);
    switch (event->key()) {
    case Qt::Key_Up:
        moveCaretByUser(m_caret < 0 ? 0 : caret - 1);
        break;
    case Qt::Key_Down:
        moveCaretByUser(m_caret < 0 ? 0 : caret + 1);
        break;
    case Qt::Key_PageUp:
        moveCaretByUser(qMax(0, caret - rows));
        break;
    case Qt::Key_PageDown:
        moveCaretByUser(qMin(count() - 1, caret + rows));
        break;
    case Qt::Key_Home:
        moveCaretByUser(0);
        break;
    case Qt::Key_End:
        moveCaretByUser(count() - 1);
        break;
    case Qt::Key_Space:
        toggleByUser(m_caret);
        break;
    default:
        break;
    }
    if (!event->text().isEmpty())
        emit keyPress(event->text());
    // The keys stay here, as a list's keys do; the window's own key handling saw them first.
    event->accept();
}

void NativeList::keyReleaseEvent(QKeyEvent* event)
{
    emit keyUp(event->key(), event->modifiers());
}

void NativeList::focusInEvent(QFocusEvent* event)
{
    QAbstractScrollArea::focusInEvent(event);
    updateItem(m_caret);
}

void NativeList::focusOutEvent(QFocusEvent* event)
{
    QAbstractScrollArea::focusOutEvent(event);
    updateItem(m_caret);
}

bool NativeList::viewportEvent(QEvent* event)
{
    if (event->type() != QEvent::ToolTip || !m_tipsForCutRows)
        return QAbstractScrollArea::viewportEvent(event);
    const auto* help = static_cast<QHelpEvent*>(event);
    const int row = rowAt(help->pos().y());
    const QString shown = row >= 0 ? text(row) : QString();
    if (!shown.isEmpty() && fontMetrics().horizontalAdvance(shown) > viewport()->width())
        QToolTip::showText(help->globalPos(), shown, viewport(), itemRect(row));
    else
        QToolTip::hideText();
    return true;
}
