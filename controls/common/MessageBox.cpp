#include "controls/common/MessageBox.h"

#include <QMessageBox>

namespace MessageBox {
namespace {

Handler& installedHandler()
{
    static Handler handler;
    return handler;
}

QMessageBox::Icon toQt(Icon icon)
{
    switch (icon) {
    case Icon::Information:
        return QMessageBox::Information;
    case Icon::Question:
        return QMessageBox::Question;
    case Icon::Exclamation:
        return QMessageBox::Warning;
    case Icon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

Answer showDialog(QWidget* parent, const Request& request)
{
    QMessageBox box(toQt(request.icon), request.caption, request.text, QMessageBox::NoButton,
                    parent);
    if (request.buttons == Buttons::YesNo) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(request.defaultAnswer == Answer::Yes ? QMessageBox::Yes
                                                                  : QMessageBox::No);
        return box.exec() == QMessageBox::Yes ? Answer::Yes : Answer::No;
    }
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
    return Answer::Ok;
}

} // namespace

Answer show(QWidget* parent, const Request& request)
{
    if (const Handler& handler = installedHandler())
        return handler(parent, request);
    return showDialog(parent, request);
}

void inform(QWidget* parent, const QString& text, const QString& caption)
{
    show(parent, {text, caption, Icon::Information, Buttons::Ok, Answer::Ok});
}

void setHandler(Handler handler)
{
    installedHandler() = std::move(handler);
}

} // namespace MessageBox
