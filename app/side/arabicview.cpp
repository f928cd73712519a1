#include "app/side/arabicview.h"

#include <QFontMetrics>
#include <QScreen>
#include <QTextBrowser>

#include <algorithm>

QTextBrowser* arabicView(const QFont& font, const char* name, QWidget* parent)
{
    auto* view = new QTextBrowser(parent);
    view->setObjectName(QString::fromLatin1(name));
    view->setFont(font);
    view->setLayoutDirection(Qt::RightToLeft);
    view->setFocusPolicy(Qt::NoFocus);
    return view;
}

QSize arabicWindowSize(const QWidget* window, const QFont& font, int lines, int extra, int least)
{
    const QFontMetrics metrics(font);
    const QRect screenArea = window->screen()->availableGeometry();
    return {std::min(screenArea.width() * 9 / 10, std::max(720, metrics.averageCharWidth() * 60)),
            std::min(screenArea.height() * 9 / 10,
                     std::max(least, metrics.lineSpacing() * lines + extra))};
}

QString rightToLeft(const QStringList& paragraphs)
{
    return QStringLiteral("<div dir='rtl'><p>%1</p></div>")
        .arg(paragraphs.join(QStringLiteral("</p><p>")));
}
