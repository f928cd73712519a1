#pragma once

#include <QCoreApplication>
#include <QTimer>

#include <functional>

// Runs `action` once the next modal dialog's event loop runs: it clicks or types there, and the
// test asserts after exec() returns (a failing assertion inside would leave the dialog open).
inline void whenShown(std::function<void()> action)
{
    QTimer::singleShot(0, qApp, std::move(action));
}
