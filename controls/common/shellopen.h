#pragma once

#include <QUrl>

#include <functional>

// Opens a document or web address with the desktop's default handler; its result is not
// checked. Tests install a handler that only records the address.
namespace ShellOpen {

void open(const QUrl& address);
void setHandler(std::function<void(const QUrl&)> handler);

} // namespace ShellOpen
