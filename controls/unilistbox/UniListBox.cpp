#include "controls/unilistbox/UniListBox.h"

#include "controls/common/PropertyBag.h"
#include "controls/common/drawedge.h"
#include "controls/common/inkextent.h"
#include "controls/common/keycodes.h"
#include "controls/unilistbox/DrawItemEvent.h"
#include "controls/unilistbox/NativeList.h"
#include "controls/unilistbox/itemlayout.h"
#include "controls/unilistbox/tellingwords.h"

#include <QPainter>
#include <QStyleOptionButton>

namespace {

QByteArray columnBytes(const QList<int>& widths)
{
    QByteArray bytes;
    for (const int width : widths) {
        const auto w = static_cast<quint32>(width);
        for (int shift = 0; shift < 32; shift += 8)
            bytes.append(static_cast<char>((w >> shift) & 0xFF));
    }
    return bytes;
}

QList<int> columnWidths(const QByteArray& bytes)
{
    if (bytes.size() < 4)
        return {0};
    QList<int> widths;
    for (qsizetype i = 0; i + 4 <= bytes.size(); i += 4) {
        quint32 w = 0;
        for (int b = 0; b < 4; ++b)
            w |= quint32(quint8(bytes[i + b])) << (8 * b);
        widths.append(static_cast<qint32>(w));
    }
    return widths;
}

// Whether `text` reads from the right: as its first letter with a direction does, or, with
// none (a heading "# 1", a number), as the list does.
bool readsFromTheRight(const QString& text, bool listRightToLeft)
{
    for (const QChar c : text) {
        switch (c.direction()) {
        case QChar::DirL:
            return false;
        case QChar::DirR:
        case QChar::DirAL:
            return true;
        default:
            break;
        }
    }
    return listRightToLeft;
}

void drawSegment(QPainter& painter, const QRect& rect, QString text, const QColor& colour,
                 bool elide, bool listRightToLeft)
{
    if (text.isEmpty() || rect.width() <= 0)
        return;
    painter.save();
    if (elide && painter.fontMetrics().horizontalAdvance(text) > rect.width()) {
        // A caption of the list's own (Latin, as "--- TEST COMPLETE ---") is read whole, in a
        // smaller size where that is enough; an item keeps its start and ends in an ellipsis.
        if (!text.isRightToLeft()) {
            QFont smaller = painter.font();
            const double smallest = smaller.pointSizeF() / 2;
            while (painter.fontMetrics().horizontalAdvance(text) > rect.width() &&
                   smaller.pointSizeF() * 0.95 >= smallest) {
                smaller.setPointSizeF(smaller.pointSizeF() * 0.95);
                painter.setFont(smaller);
            }
        }
        text = painter.fontMetrics().elidedText(text, Qt::ElideRight, rect.width());
    }
    // Each segment reads from its own start edge: an Arabic item stands at the right.
    const bool rightToLeft = readsFromTheRight(text, listRightToLeft);
    QTextOption option((rightToLeft ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignAbsolute |
                       Qt::AlignTop);
    option.setTextDirection(rightToLeft ? Qt::RightToLeft : Qt::LeftToRight);
    option.setWrapMode(QTextOption::NoWrap);
    painter.setClipRect(rect, Qt::IntersectClip);
    painter.setPen(colour);
    // The text's ascent stands below the highest mark the font can stack.
    const double marksAbove =
        arabicInkExtent(painter.font()).above - QFontMetricsF(painter.font()).ascent();
    painter.drawText(QRectF(rect).adjusted(0, 1 + marksAbove, 0, 0), text, option);
    painter.restore();
}

} // namespace

UniListBox::UniListBox(QWidget* parent)
    : Interceptable<QWidget>(parent)
    , m_list(new NativeList(this))
{
    m_font = FontRecord::fromQFont(QWidget::font());
    m_subclass.AddMsg(ControlEvent::DrawItem, cSubClass::kBefore);
    m_subclass.Subclass(this, this);
    applyFont();
    applyColours();

    connect(m_list, &NativeList::selectionChanged, this, &UniListBox::Click);
    connect(m_list, &NativeList::doubleClicked, this, &UniListBox::DblClick);
    connect(m_list, &NativeList::checkToggled, this, [this](int index) {
        if (m_style == 1)
            emit ItemCheck(index);
    });
    connect(m_list, &NativeList::keyDown, this,
            [this](int key, Qt::KeyboardModifiers shift) { emit KeyDown(key, shiftState(shift)); });
    connect(m_list, &NativeList::keyPress, this, &UniListBox::KeyPress);
    connect(m_list, &NativeList::keyUp, this,
            [this](int key, Qt::KeyboardModifiers shift) { emit KeyUp(key, shiftState(shift)); });
    connect(m_list, &NativeList::mouseDown, this,
            [this](Qt::MouseButton button, Qt::KeyboardModifiers shift, QPointF at) {
                emit MouseDown(buttonState(button), shiftState(shift), float(at.x()),
                               float(at.y()));
            });
    connect(m_list, &NativeList::mouseMove, this,
            [this](Qt::MouseButtons buttons, Qt::KeyboardModifiers shift, QPointF at) {
                emit MouseMove(buttonState(buttons), shiftState(shift), float(at.x()),
                               float(at.y()));
            });
    connect(m_list, &NativeList::mouseUp, this,
            [this](Qt::MouseButton button, Qt::KeyboardModifiers shift, QPointF at) {
                emit MouseUp(buttonState(button), shiftState(shift), float(at.x()), float(at.y()));
            });
    connect(m_list, &NativeList::scrolled, this, &UniListBox::Scroll);
    setFocusProxy(m_list);
}

UniListBox::~UniListBox()
{
    m_subclass.UnSubclass();
}

int UniListBox::AddItem(const QString& Text, int BeforeIndex, qint32 ItemDataValue)
{
    m_newIndex = m_list->insert(BeforeIndex, Text);
    m_list->setData(m_newIndex, ItemDataValue);
    return m_newIndex;
}

int UniListBox::heightForRows(int rows) const
{
    // Without a border the inner list reaches two pixels past each edge (see layOut).
    const int overhang = m_border ? 0 : 4;
    return rows * m_list->rowHeight() + 2 * m_list->frameWidth() - overhang;
}

void UniListBox::Clear()
{
    m_list->clear();
}

bool UniListBox::RemoveItem(int Index)
{
    return m_list->remove(Index);
}

QString UniListBox::List(int Index) const
{
    return m_list->text(Index);
}

void UniListBox::setList(int Index, const QString& Text)
{
    m_list->setText(Index, Text);
}

int UniListBox::ListCount() const
{
    return m_list->count();
}

int UniListBox::ListIndex() const
{
    return m_list->caret();
}

void UniListBox::setListIndex(int Index)
{
    m_list->setCaret(Index);
}

qint32 UniListBox::ItemData(int Index) const
{
    return m_list->data(Index);
}

void UniListBox::setItemData(int Index, qint32 Value)
{
    m_list->setData(Index, Value);
}

bool UniListBox::Checked(int Index) const
{
    return m_list->checked(Index);
}

void UniListBox::setChecked(int Index, bool Value)
{
    if (Index < 0)
        return;
    if (m_list->setChecked(Index, Value) && m_style == 1)
        emit ItemCheck(Index);
}

void UniListBox::CheckAll()
{
    m_list->setAllChecked(true);
}

void UniListBox::CheckClear()
{
    m_list->setAllChecked(false);
}

int UniListBox::CheckCount() const
{
    return m_list->checkedCount();
}

int UniListBox::Find(const QString& Text, bool SelectItem, int StartIndex)
{
    if (Text.isEmpty())
        return 0;
    const int found = m_list->findPrefix(Text, StartIndex);
    if (SelectItem)
        setListIndex(found);
    return found;
}

int UniListBox::Column(int Index) const
{
    return Index >= 0 && Index < m_columns.size() ? m_columns[Index] : 0;
}

void UniListBox::setColumn(int Index, int Width)
{
    if (Index < 0 || Index >= m_columns.size())
        return;
    m_columns[Index] = Width;
    Refresh();
}

void UniListBox::setColumns(int Count)
{
    m_columns.resize(qMax(1, Count), 0);
    if (m_autoColumn)
        applyAutoColumns();
    Refresh();
}

void UniListBox::SetColumns(const QList<int>& Widths)
{
    if (!Widths.isEmpty())
        m_columns = Widths;
    Refresh();
}

void UniListBox::setAppearance(int Value)
{
    m_appearance = Value;
    changed(QStringLiteral("Appearance"));
    Refresh();
}

void UniListBox::setAutoColumn(bool Value)
{
    m_autoColumn = Value;
    applyAutoColumns();
    changed(QStringLiteral("AutoColumn"));
}

void UniListBox::setBackColor(OleColor Value)
{
    m_backColor = Value;
    applyColours();
    changed(QStringLiteral("BackColor"));
    Refresh();
}

void UniListBox::setForeColor(OleColor Value)
{
    m_foreColor = Value;
    applyColours();
    changed(QStringLiteral("ForeColor"));
    Refresh();
}

void UniListBox::setHighlightColor(OleColor Value)
{
    m_highlightColor = Value;
    changed(QStringLiteral("HighlightColor"));
    Refresh();
}

void UniListBox::setHighlightTextColor(OleColor Value)
{
    m_highlightTextColor = Value;
    changed(QStringLiteral("HighlightTextColor"));
    Refresh();
}

void UniListBox::setBorder(bool Value)
{
    m_border = Value;
    changed(QStringLiteral("Border"));
    layOut();
}

void UniListBox::setShowFocus(bool Value)
{
    m_showFocus = Value;
    changed(QStringLiteral("ShowFocus"));
    Refresh();
}

void UniListBox::setStyle(int Value)
{
    m_style = Value;
    changed(QStringLiteral("Style"));
    Refresh();
}

void UniListBox::setUpdateMode(bool Value)
{
    m_updateMode = Value;
    changed(QStringLiteral("UpdateMode"));
}

void UniListBox::setFont(const FontRecord& Value)
{
    m_font.copyFrom(Value);
    applyFont();
    changed(QStringLiteral("Font"));
    Refresh();
}

void UniListBox::Refresh()
{
    m_list->viewport()->update();
}

int UniListBox::Width() const
{
    return m_list->width();
}

void UniListBox::changed(const QString& key)
{
    emit propertyChanged(key);
}

void UniListBox::applyFont()
{
    m_list->setFont(m_font.toQFont());
}

void UniListBox::applyColours()
{
    QPalette palette = m_list->palette();
    palette.setColor(QPalette::Base, resolveColor(m_backColor));
    palette.setColor(QPalette::Text, resolveColor(m_foreColor));
    m_list->setPalette(palette);
}

int UniListBox::innerWidth() const
{
    return m_border ? width() - 4 : width();
}

void UniListBox::applyAutoColumns()
{
    m_columns = autoColumnWidths(innerWidth(), Columns());
}

void UniListBox::layOut()
{
    if (m_border)
        m_list->setGeometry(0, 0, width(), height());
    else
        m_list->setGeometry(-2, -2, width() + 4, height() + 4);
    if (m_columns.size() == 1)
        m_columns[0] = innerWidth();
    else if (m_autoColumn)
        applyAutoColumns();
}

void UniListBox::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    layOut();
}

void UniListBox::iSubclass_After(qintptr&, QWidget*, int, QEvent*) {}

void UniListBox::iSubclass_Before(bool& handled, qintptr& result, QWidget*&, int& message,
                                  QEvent*& event)
{
    if (message != ControlEvent::DrawItem)
        return;
    const auto* request = static_cast<DrawItemEvent*>(event);
    if (request->CtlType != DrawItemEvent::ODT_LISTBOX)
        return;
    if (!m_updateMode && m_list->count() > 0)
        paintItem(*request);
    handled = true;
    result = 0;
}

void UniListBox::setKeepsTellingWords(bool keep)
{
    m_keepsTellingWords = keep;
    m_list->viewport()->update();
}

void UniListBox::setElidesLongRows(bool elide)
{
    m_elidesLongRows = elide;
    m_list->setTipsForCutRows(elide);
    m_list->viewport()->update();
}

void UniListBox::paintItem(const DrawItemEvent& request)
{
    QPainter& painter = *request.painter;
    const QString text = m_list->text(request.itemID);
    const QRect frame = request.rect;
    const bool focus = request.itemState & DrawItemEvent::ODS_FOCUS;
    const QColor background = resolveColor(focus ? m_highlightColor : m_backColor);
    const QColor foreground = resolveColor(focus ? m_highlightTextColor : m_foreColor);
    painter.fillRect(frame, background);

    const ItemLayout layout = layoutItem(frame, text, m_style == 1, m_columns);
    if (m_style == 1) {
        painter.fillRect(layout.checkBox, Qt::white);
        QStyleOptionButton box;
        box.rect = layout.checkBox;
        box.palette = palette();
        box.state = QStyle::State_Enabled |
                    (request.itemState & DrawItemEvent::ODS_SELECTED ? QStyle::State_On
                                                                     : QStyle::State_Off);
        style()->drawPrimitive(QStyle::PE_IndicatorCheckBox, &box, &painter, m_list);
    }
    painter.setFont(m_list->font());
    for (const ItemLayout::Segment& segment : layout.segments) {
        QString shown = segment.text;
        const QFontMetrics metrics = painter.fontMetrics();
        auto fits = [&](const QString& candidate) {
            return metrics.horizontalAdvance(candidate) <= segment.rect.width();
        };
        // The list's own captions stay; only a row too wide is compared with the others.
        if (m_keepsTellingWords && shown.isRightToLeft() && !fits(shown)) {
            QStringList others;
            for (int row = 0; row < m_list->count(); ++row)
                if (row != request.itemID)
                    others.append(m_list->text(row));
            shown = tellingwords::elided(shown, others, fits);
        }
        drawSegment(painter, segment.rect, shown, foreground, m_elidesLongRows, isRightToLeft());
    }

    const bool focusRect = m_showFocus && focus;
    if (m_appearance == 1) {
        drawEdge(painter, frame, Edge::RaisedInner, Side::All, palette());
        if (focusRect)
            drawFocusRect(painter, frame.adjusted(1, 1, -1, -1), foreground);
    } else if (focusRect) {
        drawFocusRect(painter, frame, foreground);
    }
}

void UniListBox::readProperties(const PropertyBag& bag)
{
    m_appearance = bag.read(QStringLiteral("Appearance"), 0).toInt();
    m_autoColumn = bag.read(QStringLiteral("AutoColumn"), false).toBool();
    m_backColor = bag.read(QStringLiteral("BackColor"), SystemColor::WindowBackground).toUInt();
    m_border = bag.read(QStringLiteral("Border"), true).toBool();
    m_columns = columnWidths(bag.read(QStringLiteral("Column")).toString().toLatin1());
    m_font = bag.read(QStringLiteral("Font"),
                      QVariant::fromValue(FontRecord::fromQFont(QWidget::font())))
                 .value<FontRecord>();
    m_foreColor = bag.read(QStringLiteral("ForeColor"), SystemColor::WindowText).toUInt();
    m_highlightColor = bag.read(QStringLiteral("HighlightColor"), SystemColor::Highlight).toUInt();
    m_highlightTextColor =
        bag.read(QStringLiteral("HighlightTextColor"), SystemColor::HighlightText).toUInt();
    m_updateMode = bag.read(QStringLiteral("UpdateMode"), false).toBool();
    m_showFocus = bag.read(QStringLiteral("ShowFocus"), true).toBool();
    m_style = bag.read(QStringLiteral("Style"), 0).toInt();
    applyFont();
    applyColours();
    layOut();
    if (!m_updateMode)
        Refresh();
}

void UniListBox::writeProperties(PropertyBag& bag) const
{
    bag.write(QStringLiteral("Appearance"), m_appearance, 0);
    bag.write(QStringLiteral("AutoColumn"), m_autoColumn, false);
    bag.write(QStringLiteral("BackColor"), m_backColor, SystemColor::WindowBackground);
    bag.write(QStringLiteral("Border"), m_border, true);
    bag.write(QStringLiteral("Column"), QString::fromLatin1(columnBytes(m_columns)));
    bag.write(QStringLiteral("Font"), QVariant::fromValue(m_font));
    bag.write(QStringLiteral("ForeColor"), m_foreColor, SystemColor::WindowText);
    bag.write(QStringLiteral("HighlightColor"), m_highlightColor, SystemColor::Highlight);
    bag.write(QStringLiteral("HighlightTextColor"), m_highlightTextColor,
              SystemColor::HighlightText);
    bag.write(QStringLiteral("UpdateMode"), m_updateMode, false);
    bag.write(QStringLiteral("ShowFocus"), m_showFocus, true);
    bag.write(QStringLiteral("Style"), m_style, 0);
}
