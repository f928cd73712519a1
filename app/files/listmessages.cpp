#include "app/files/listmessages.h"

#include "controls/common/MessageBox.h"

#include <QCoreApplication>

QString programTitle()
{
    return QStringLiteral("Zorvel");
}

void showNoItemSelectedMessage(QWidget* parent)
{
    MessageBox::inform(parent,
                       QCoreApplication::translate(
                           "listmessages", "No Item was selected for opening. Expand the tree in "
                                           "the Open window and choose an item before clicking "
                                           "open button"),
                       QCoreApplication::translate("listmessages", "No item selected"));
}

void showOpenFileMessage(QWidget* parent)
{
    MessageBox::inform(
        parent,
        QCoreApplication::translate("listmessages", "Open a Zorvel file from File->Open menu"),
        QCoreApplication::translate("listmessages", "No Zorvel file opened"));
}

void showErrorMessage(QWidget* parent, const QString& text)
{
    MessageBox::show(parent, {text, programTitle(), MessageBox::Icon::None, MessageBox::Buttons::Ok,
                              MessageBox::Answer::Ok});
}

void showPassageGoneMessage(QWidget* parent, const QString& title, const QString& references)
{
    MessageBox::inform(parent,
                       QCoreApplication::translate("listmessages",
                                                   "\u201C%1\u201D has changed since Today was "
                                                   "planned: %2 is no longer in it.")
                           .arg(title, references),
                       QCoreApplication::translate("listmessages", "Today"));
}
