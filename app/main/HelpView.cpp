#include "app/main/HelpView.h"

#include <QUrl>

#include <utility>

HelpView::HelpView(QWidget* parent)
    : QTextBrowser(parent)
{
    setOpenExternalLinks(true);
}

void HelpView::navigate(const QString& localFile)
{
    m_pending = QUrl::fromLocalFile(localFile);
    if (isVisible())
        setSource(std::exchange(m_pending, QUrl()));
}

void HelpView::showEvent(QShowEvent* event)
{
    QTextBrowser::showEvent(event);
    if (!m_pending.isEmpty())
        setSource(std::exchange(m_pending, QUrl()));
}

QVariant HelpView::loadResource(int type, const QUrl& name)
{
    if (m_offline && !name.isLocalFile() && !name.isRelative())
        return {};
    return QTextBrowser::loadResource(type, name);
}
