#pragma once

#include "controls/common/FontRecord.h"
#include "controls/common/olecolor.h"
#include "controls/subclass/cSubClass.h"

#include <QWidget>

class DrawItemEvent;
class NativeList;
class PropertyBag;

// The list control for Unicode text: it paints every item of its inner list itself, in its
// own colours and font, optionally with a check box and with TAB-separated columns. The
// inner list's paint requests reach it through the interception of its own window.
class UniListBox : public Interceptable<QWidget>, private iSubclass {
    Q_OBJECT
public:
    explicit UniListBox(QWidget* parent = nullptr);
    ~UniListBox() override;

    // The public members below are the control's documented interface, named as its design
    // names them. The program uses only some of them; the rest (columns, check boxes, Find,
    // colours and the like) stay as the control's contract and are exercised by its tests,
    // not dead code.

    int AddItem(const QString& Text, int BeforeIndex = -1, qint32 ItemDataValue = 0);
    void Clear();
    bool RemoveItem(int Index);
    QString List(int Index) const;
    void setList(int Index, const QString& Text);
    int ListCount() const;
    int ListIndex() const;
    void setListIndex(int Index);
    int NewIndex() const { return m_newIndex; }
    qint32 ItemData(int Index) const;
    void setItemData(int Index, qint32 Value);
    bool Checked(int Index) const;
    void setChecked(int Index, bool Value);
    void CheckAll();
    void CheckClear();
    int CheckCount() const;
    int Find(const QString& Text, bool SelectItem, int StartIndex = -1);

    int Column(int Index) const;
    void setColumn(int Index, int Width);
    int Columns() const { return static_cast<int>(m_columns.size()); }
    void setColumns(int Count);
    void SetColumns(const QList<int>& Widths);

    int Appearance() const { return m_appearance; }
    void setAppearance(int Value);
    bool AutoColumn() const { return m_autoColumn; }
    void setAutoColumn(bool Value);
    OleColor BackColor() const { return m_backColor; }
    void setBackColor(OleColor Value);
    OleColor ForeColor() const { return m_foreColor; }
    void setForeColor(OleColor Value);
    OleColor HighlightColor() const { return m_highlightColor; }
    void setHighlightColor(OleColor Value);
    OleColor HighlightTextColor() const { return m_highlightTextColor; }
    void setHighlightTextColor(OleColor Value);
    bool Border() const { return m_border; }
    void setBorder(bool Value);
    bool ShowFocus() const { return m_showFocus; }
    void setShowFocus(bool Value);
    int Style() const { return m_style; }
    void setStyle(int Value); // the designed Style property
    using QWidget::setStyle;  // ... beside the widget's own style
    bool UpdateMode() const { return m_updateMode; }
    void setUpdateMode(bool Value);
    FontRecord Font() const { return m_font; }
    using QWidget::setFont;
    void setFont(const FontRecord& Value);

    // Off by default: a row too wide for the list ends in an ellipsis, its start kept,
    // instead of being cut at the edge, and shows whole in a tooltip (a screen reader always
    // reads it whole).
    void setElidesLongRows(bool elide);
    // Off by default, for a list of a few rows that begin alike: a row too wide keeps the
    // words that tell it from the others in view, its shared start giving way first.
    void setKeepsTellingWords(bool keep);

    void Refresh();
    NativeList* hWnd() const { return m_list; }
    // The height that shows `rows` whole rows in the current font, borders included.
    int heightForRows(int rows) const;
    int Width() const;

    void readProperties(const PropertyBag& bag);
    void writeProperties(PropertyBag& bag) const;

signals:
    void Click();
    void DblClick();
    void ItemCheck(int Item);
    void KeyDown(int KeyCode, int Shift);
    void KeyPress(const QString& Key);
    void KeyUp(int KeyCode, int Shift);
    void MouseDown(int Button, int Shift, float X, float Y);
    void MouseMove(int Button, int Shift, float X, float Y);
    void MouseUp(int Button, int Shift, float X, float Y);
    void Scroll();
    // A persisted property was set.
    void propertyChanged(const QString& key);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void iSubclass_After(qintptr& result, QWidget* target, int message, QEvent* event) override;
    void iSubclass_Before(bool& handled, qintptr& result, QWidget*& target, int& message,
                          QEvent*& event) override;

    void paintItem(const DrawItemEvent& request);
    void layOut();
    void applyAutoColumns();
    int innerWidth() const;
    void applyFont();
    void applyColours();
    void changed(const QString& key);

    cSubClass m_subclass;
    NativeList* m_list;
    int m_appearance = 0;
    bool m_autoColumn = false;
    OleColor m_backColor = SystemColor::WindowBackground;
    OleColor m_foreColor = SystemColor::WindowText;
    OleColor m_highlightColor = SystemColor::Highlight;
    OleColor m_highlightTextColor = SystemColor::HighlightText;
    bool m_border = true;
    QList<int> m_columns{0};
    FontRecord m_font;
    bool m_showFocus = true;
    int m_style = 0;
    bool m_updateMode = false;
    int m_newIndex = -1;
    bool m_elidesLongRows = false;
    bool m_keepsTellingWords = false;
};
