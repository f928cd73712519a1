#pragma once

#include "controls/common/FontRecord.h"
#include "controls/common/olecolor.h"
#include "controls/subclass/SscInterception.h"
#include "controls/unitext/UniTextProperties.h"

#include <QWidget>

#include <functional>

class PropertyBag;
class QInputMethodEvent;
class QKeyEvent;
class QLineEdit;

// The text box for Unicode text. It owns one edit widget (a multi-line editor, or a single
// line) and turns its traffic into the properties, methods and events of the control; its
// text interface uses CR LF line breaks, as list files and the list loader expect. Changing
// a property that shapes the editor re-creates it, keeping text, selection and scrolling.
class UniText : public Interceptable<QWidget>, private SscOwner {
    Q_OBJECT
public:
    explicit UniText(QWidget* parent = nullptr);
    ~UniText() override;

    // The public members below are the control's documented interface, named as its design
    // names them. The program uses only some of them; the rest (undo, visible lines, scrolling,
    // the mouse and key events and the like) stay as the control's contract and are exercised by
    // its tests, not dead code.

    // Persisted properties.
    int Alignment() const { return m_p.Alignment; }
    void setAlignment(int Value);
    int Appearance() const { return m_p.Appearance; }
    void setAppearance(int Value);
    OleColor BackColor() const { return m_p.BackColor; }
    void setBackColor(OleColor Value);
    int BorderStyle() const { return m_p.BorderStyle; }
    void setBorderStyle(int Value);
    bool CaptureEnter() const { return m_p.CaptureEnter; }
    void setCaptureEnter(bool Value);
    bool CaptureEsc() const { return m_p.CaptureEsc; }
    void setCaptureEsc(bool Value);
    bool CaptureTab() const { return m_p.CaptureTab; }
    void setCaptureTab(bool Value);
    // The designed Enabled property: also persisted, and refused while no editor exists. It
    // hides QWidget::setEnabled, which the control calls itself.
    bool Enabled() const { return m_p.Enabled; }
    void setEnabled(bool Value);
    int FileCodepage() const { return m_p.FileCodepage; }
    void setFileCodepage(int Value);
    FontRecord Font() const { return m_p.Font; }
    using QWidget::setFont;
    void setFont(const FontRecord& Value);
    OleColor ForeColor() const { return m_p.ForeColor; }
    void setForeColor(OleColor Value);
    bool HideSelection() const { return m_p.HideSelection; }
    void setHideSelection(bool Value);
    bool Locked() const { return m_p.Locked; }
    void setLocked(bool Value);
    int MaxLength() const { return m_p.MaxLength < 0 ? 0 : m_p.MaxLength; }
    void setMaxLength(int Value);
    QPixmap MouseIcon() const { return m_p.MouseIcon; }
    void setMouseIcon(const QPixmap& Value);
    int MousePointer() const { return m_p.MousePointer; }
    void setMousePointer(int Value);
    bool MultiLine() const { return m_p.MultiLine; }
    void setMultiLine(bool Value);
    QString PasswordChar() const { return m_p.PasswordChar; }
    void setPasswordChar(const QString& Value);
    bool RightToLeft() const { return m_p.RightToLeft; }
    void setRightToLeft(bool Value);
    int ScrollBars() const { return m_p.ScrollBars; }
    void setScrollBars(int Value);
    QString Text() const;
    void setText(const QString& Value);
    bool UseEvents() const { return m_p.UseEvents; }
    void setUseEvents(bool Value);

    // The rest: lines and positions are 0-based, positions count CR LF as two characters.
    int BOM() const { return m_bom; }
    void setBOM(int Value) { m_bom = Value; }
    bool CanUndo() const;
    void ClearUndo();
    void Undo();
    int FirstVisibleLine() const;
    int LastVisibleLine() const;
    int LineHeight() const;
    int Lines() const;
    int Length() const;
    int Line(int Selection = 0) const;
    QString GetLine(int Line, int MaxLength) const;
    void GetSel(int& SelStart, int& SelEnd) const;
    void SetSel(int SelStart, int SelEnd);
    int SelStart() const;
    void setSelStart(int Value);
    int SelLength() const;
    void setSelLength(int Value);
    QString SelText() const;
    void setSelText(const QString& Value);
    void ScrollToCaret();
    int ScrollHorizontal() const;
    void setScrollHorizontal(int Value);
    int ScrollVertical() const;
    void setScrollVertical(int Value);
    bool Modified() const;
    void setModified(bool Value);
    bool MouseOver() const { return m_mouseOver; }
    QWidget* hWnd() const { return m_editWidget; }
    bool FontBold() const { return m_p.Font.bold; }
    void setFontBold(bool Value);
    bool FontItalic() const { return m_p.Font.italic; }
    void setFontItalic(bool Value);
    QString FontName() const { return m_p.Font.name; }
    void setFontName(const QString& Value);
    double FontSize() const { return m_p.Font.size; }
    void setFontSize(double Value);
    bool FontStrikethru() const { return m_p.Font.strikethrough; }
    void setFontStrikethru(bool Value);
    bool FontUnderline() const { return m_p.Font.underline; }
    void setFontUnderline(bool Value);

    // Reads the whole text from a file, recognising the byte-order marks; a file without one
    // is read in the file code page, or as UTF-8 when IfNoByteOrderMark is 1 and it looks so.
    bool LoadFile(const QString& filename, int IfNoByteOrderMark = 0);
    // The same from a file's bytes already read, for a caller that reads them itself, within a
    // limit.
    bool LoadBytes(const QByteArray& bytes, int IfNoByteOrderMark = 0);
    // Writes the whole text in the form ByteOrderMark names (-1: the BOM last used). The old
    // file is replaced only when the new one is wholly written, and only when allowed.
    bool SaveFile(const QString& filename, int ByteOrderMark = -1, bool OverwriteExisting = false);
    // FileCodepage, or the system's ANSI code page when that is 0.
    int effectiveCodepage() const;

    void readProperties(const PropertyBag& bag);
    void writeProperties(PropertyBag& bag) const;
    // Applies a whole set at once, as reading a saved control does.
    void setProperties(const UniTextProperties& properties);

signals:
    void Change();
    void Click(int& Button);
    void ContextMenu(bool& Cancel);
    void DblClick(int& Button);
    void FontChanged();
    void KeyDown(int& KeyCode, int Shift);
    void KeyPress(int& KeyAscii);
    void KeyUp(int& KeyCode, int Shift);
    void MouseDown(int& Button, int Shift, float& X, float& Y);
    void MouseEnter();
    void MouseLeave();
    void MouseMove(int& Button, int Shift, float& X, float& Y);
    void MouseUp(int& Button, int Shift, float& X, float& Y);
    void MouseWheel(int Direction, int Shift);
    void Scroll(int Bar);
    void Update(); // the designed event: the text changed, before display; not QWidget::update
    // A persisted property was set.
    void propertyChanged(const QString& key);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    class EditBox;
    class EditLine;

    void nameEditor(); // the editor is what a screen reader meets: it carries the control's name

    SscCallback sscCallback(int position) override;
    void ControlWndProc(bool before, bool& handled, qintptr& result, QWidget* target, int message,
                        QEvent* event);
    void EditWndProc(bool before, bool& handled, qintptr& result, QWidget* target, int message,
                     QEvent* event);
    bool preTranslateKey(QKeyEvent* key, qintptr& result);
    void filterInputMethodText(QInputMethodEvent* input, bool& handled, qintptr& result);
    void raiseMouse(int message, QEvent* event);

    void createEditWindow();
    void destroyEditWindow();
    void placeEditWindow();
    void applyFont();
    void spaceLinesForMarks();
    void changeFont(const std::function<void(FontRecord&)>& change);
    void applyColours();
    void applyMaxLength();
    void refuseInputBeyondMaxLength(int position, int added);
    void paintBorder();
    void maskWithPasswordChar(QLineEdit* line);
    void insertAtSelection(const QString& text);
    void notify(QEvent::Type type);
    void changed(const QString& key);

    QString editText() const;
    QString editorText() const;
    int toTextPosition(int editPosition) const;
    int toEditPosition(int textPosition) const;

    SscInterception m_ssc;
    QWidget* m_editWidget = nullptr;
    InterceptedWindow* m_edit = nullptr;

    UniTextProperties m_p; // the text in it is the kept copy while no editor exists

    int m_bom = 0;
    bool m_mouseOver = false;
    bool m_settingText = false;         // a text set by code, which no limit cuts
    bool m_spaceLinesWhenShown = false; // measuring the marks waits for the font it shows in
};
