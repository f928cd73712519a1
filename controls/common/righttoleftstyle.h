#pragma once

#include <QProxyStyle>

// The application's style in a right-to-left interface. Qt places a push button's caption
// beside its icon from the wrong edge there and cuts it short ("Cancel" loses its first
// letters), so the dialogs' buttons go without icons.
class RightToLeftStyle : public QProxyStyle {
public:
    int styleHint(StyleHint hint, const QStyleOption* option = nullptr,
                  const QWidget* widget = nullptr,
                  QStyleHintReturn* returnData = nullptr) const override;
};
