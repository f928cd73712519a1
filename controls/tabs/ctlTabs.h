#pragma once

#include "controls/common/FontRecord.h"
#include "controls/common/olecolor.h"
#include "controls/tabs/tabgeometry.h"

#include <QStringList>
#include <QWidget>

class PropertyBag;

// A strip of tabs beside a body, drawn by the control itself. Of the children placed inside
// it, only the selected tab's frame is shown. Every selection raises TabClick, also of the
// tab already selected, with the number asked for before it was clamped.
class ctlTabs : public QWidget {
    Q_OBJECT
public:
    explicit ctlTabs(QWidget* parent = nullptr);

    int ScaleMode() const { return 1; }
    int TabsWidth() const { return m_tabWidth; }
    void setTabsWidth(int Value);
    int TabsHeight() const { return m_tabHeight; }
    void setTabsHeight(int Value);
    int Tabs() const { return m_count; }
    void setTabs(int Value);
    int SelectedTab() const { return m_selected; }
    void setSelectedTab(int Value);
    int Style() const { return m_style; }
    void setStyle(int Value); // the designed Style property
    using QWidget::setStyle;  // ... beside the widget's own style
    int CaptionAlignment() const { return m_captionAlignment; }
    void setCaptionAlignment(int Value);
    bool UseFocusRect() const { return m_useFocusRect; }
    void setUseFocusRect(bool Value);
    QString Caption() const { return m_captions.value(m_selected - 1); }
    QString TabCaption(int tab) const { return m_captions.value(tab - 1); } // tab from 1
    void setCaption(const QString& Value);
    QString TabFrame() const { return m_frames.value(m_selected - 1); }
    void setTabFrame(const QString& Value);
    FontRecord TabFont() const { return m_tabFont; }
    void setTabFont(const FontRecord& Value);
    FontRecord TabFontActive() const { return m_tabFontActive; }
    void setTabFontActive(const FontRecord& Value);
    OleColor TabColor() const { return m_tabColor; }
    void setTabColor(OleColor Value);
    OleColor TabColorActive() const { return m_tabColorActive; }
    void setTabColorActive(OleColor Value);
    OleColor TextColor() const { return m_textColor; }
    void setTextColor(OleColor Value);
    OleColor TextColorActive() const { return m_textColorActive; }
    void setTextColorActive(OleColor Value);
    bool ShowFrameBorder() const { return m_showFrameBorder; }
    void setShowFrameBorder(bool Value);

    // Where each tab was last drawn, for hit testing.
    const QList<TabRect>& tabRects() const { return m_geometry.stored; }

    void readProperties(const PropertyBag& bag);
    void writeProperties(PropertyBag& bag) const;

signals:
    void TabClick(int& OldTab, int& NewTab);
    void propertyChanged(const QString& key);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void DrawTabs();
    void showSelectedFrame();
    int tabAt(QPoint point) const;
    void changed(const QString& key);

    int m_tabWidth = 70;
    int m_tabHeight = 20;
    int m_selected = 1;
    int m_count = 2;
    int m_style = 0;
    int m_captionAlignment = 4;
    bool m_useFocusRect = false;
    QStringList m_captions{QStringLiteral("Tab 1"), QStringLiteral("Tab 2")};
    QStringList m_frames{QString(), QString()};
    FontRecord m_tabFont;
    FontRecord m_tabFontActive;
    OleColor m_tabColor = SystemColor::ButtonShadow;
    OleColor m_tabColorActive = SystemColor::ButtonFace;
    OleColor m_textColor = SystemColor::ButtonHighlight;
    OleColor m_textColorActive = SystemColor::ButtonText;
    bool m_hasFocus = false;
    TabGeometry m_geometry; // as last drawn; its stored rectangles serve hit testing
    bool m_showFrameBorder = false;
};
