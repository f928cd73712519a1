#include "app/side/arabicview.h"

#include <QTextBrowser>

QTextBrowser* arabicView(const QFont& font, const char* name, QWidget* parent)
{
    auto* view = new QTextBrowser(parent);
    view->setObjectName(QString::fromLatin1(name));
    view->setFont(font);
    view->setLayoutDirection(Qt::RightToLeft);
    view->setFocusPolicy(Qt::NoFocus);
    return view;
}

QString rightToLeft(const QStringList& paragraphs)
{
    return QStringLiteral("<div dir='rtl'><p>%1</p></div>")
        .arg(paragraphs.join(QStringLiteral("</p><p>")));
}
