#include "controls/common/longlistcombo.h"

#include <QComboBox>
#include <QListView>
#include <QProxyStyle>

namespace {

class DropDownListStyle : public QProxyStyle {
public:
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override
    {
        if (hint == SH_ComboBox_Popup)
            return 0;
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

} // namespace

void makeLongListReady(QComboBox* combo)
{
    auto* style = new DropDownListStyle;
    style->setParent(combo);
    combo->setStyle(style);
    if (auto* view = qobject_cast<QListView*>(combo->view()))
        view->setUniformItemSizes(true);
    combo->setMaxVisibleItems(20);
}
