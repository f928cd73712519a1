#include "HelpView.h"

#include <QUrl>

HelpView::HelpView(QWidget* parent)
    : QTextBrowser(parent)
{
    setOpenExternalLinks(true);
}

void HelpView::navigate(const QString& localFile)
{
    setSource(QUrl::fromLocalFile(localFile));
}

QVariant HelpView::loadResource(int type, const QUrl& name)
{
    if (m_offline && !name.isLocalFile() && !name.isRelative())
        return {};
    return QTextBrowser::loadResource(type, name);
}
