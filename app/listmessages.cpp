#include "listmessages.h"

#include "common/MessageBox.h"

QString programTitle()
{
    return QStringLiteral("Zorvel");
}

void showNoItemSelectedMessage(QWidget* parent)
{
    MessageBox::inform(parent,
                       QStringLiteral("No Item was selected for opening. Expand the tree in the "
                                      "Open window and choose an item before clicking open button"),
                       QStringLiteral("No item selected"));
}

void showOpenFileMessage(QWidget* parent)
{
    MessageBox::inform(parent, QStringLiteral("Open a Zorvel file from File->Open menu"),
                       QStringLiteral("No Zorvel file opened"));
}

void showErrorMessage(QWidget* parent, const QString& text)
{
    MessageBox::show(parent, {text, programTitle(), MessageBox::Icon::None, MessageBox::Buttons::Ok,
                              MessageBox::Answer::Ok});
}
