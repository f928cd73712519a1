#pragma once

#include "controls/common/olecolor.h"

#include <QPixmap>
#include <QWidget>

class PropertyBag;

// A slider for whole numbers between Min and Max: a rail (a 3-D groove, or a picture) and a
// knob picture that the user drags, or makes jump by pressing beside it. The knob always
// comes to rest on the exact position of a whole value.
class RailSlider : public QWidget {
    Q_OBJECT
public:
    // What a refused property set reports; nothing changes then.
    enum class SetResult { Ok, InvalidValue /* error 380 */, Overflow /* error 6 */ };

    explicit RailSlider(QWidget* parent = nullptr);

    // The public members below are the control's documented interface, named as its design
    // names them. The program uses only some of them; the rest (rail styles, pictures,
    // its events and the like) stay as the control's contract and are exercised by its tests,
    // not dead code.

    // The designed Enabled property decides only whether a press starts a drag; nothing is
    // greyed. It hides QWidget::setEnabled on purpose: called through a QWidget pointer, that
    // one disables the whole widget instead.
    bool Enabled() const { return m_enabled; }
    void setEnabled(bool Value);
    OleColor BackColor() const { return m_backColor; }
    void setBackColor(OleColor Value);
    int Max() const { return m_max; }
    SetResult setMax(qint64 Value);
    int Min() const { return m_min; }
    SetResult setMin(qint64 Value);
    int Value() const { return m_value; }
    SetResult setValue(qint64 Value);
    int Orientation() const { return m_orientation; }
    void setOrientation(int Value);
    int RailStyle() const { return m_railStyle; }
    void setRailStyle(int Value);
    QPixmap SliderIcon() const { return m_knob; }
    void setSliderIcon(const QPixmap& Value);
    QPixmap RailPicture() const { return m_railPicture; }
    void setRailPicture(const QPixmap& Value);
    bool ShowValueTip() const { return m_showValueTip; }
    void setShowValueTip(bool Value);

    // What each value means, from Min on, for screen readers ("Manual" rather than 6); the
    // number itself where none is given.
    void setValueCaptions(const QStringList& captions) { m_valueCaptions = captions; }
    QString valueCaption() const;

    // Where the knob and the groove stand, in pixels of the client area.
    QPointF knobPosition() const { return m_knobPos; }
    QRect railRect() const { return m_railRect; } // left, top, right (exclusive), bottom

    void readProperties(const PropertyBag& bag);
    void writeProperties(PropertyBag& bag) const;

signals:
    void Click();
    void ArrivedFirst();
    void ArrivedLast();
    void ValueChanged();
    void MouseDown(int Shift);
    void MouseUp(int Shift);
    void propertyChanged(const QString& key);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    bool horizontal() const { return m_orientation == 0; }
    // A horizontal slider in a right-to-left interface runs from the right: drawn mirrored,
    // with the pointer and the arrow keys mirrored too.
    bool mirrored() const { return horizontal() && layoutDirection() == Qt::RightToLeft; }
    QPointF logical(QPointF at) const
    {
        return mirrored() ? QPointF(width() - at.x(), at.y()) : at;
    }
    bool pictureMode() const { return m_railStyle == 99 && !m_railPicture.isNull(); }
    float travel() const; // L: the client length less the knob's
    float positionFor(int value) const;
    int valueFor(float position) const;
    void placeKnobAlongAxis(int value);
    void dragTo(QPointF point);
    void layOut();
    void changed(const QString& key);

    bool m_isDragging = false;
    float m_grabOffsetX = 0;
    float m_grabOffsetY = 0;
    QRect m_railRect;
    int m_valueRange = 10;
    bool m_enabled = true;
    int m_orientation = 1;
    int m_railStyle = 0;
    bool m_showValueTip = true;
    qint16 m_min = 0;
    qint16 m_max = 10;
    qint16 m_value = 0;
    int m_lastValue = 0;
    OleColor m_backColor = SystemColor::ButtonFace;
    QPixmap m_knob;
    QPointF m_knobPos;
    QPixmap m_railPicture;
    QStringList m_valueCaptions;
};
