#include "controls/common/shellopen.h"

#include <QDesktopServices>

namespace ShellOpen {
namespace {

std::function<void(const QUrl&)>& installedHandler()
{
    static std::function<void(const QUrl&)> handler;
    return handler;
}

} // namespace

void open(const QUrl& address)
{
    if (installedHandler())
        installedHandler()(address);
    else
        QDesktopServices::openUrl(address);
}

void setHandler(std::function<void(const QUrl&)> handler)
{
    installedHandler() = std::move(handler);
}

} // namespace ShellOpen
