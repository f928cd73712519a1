#pragma once

#include <QList>
#include <QUrl>

// Stands in for the desktop's opening of addresses while alive: records them, opens nothing.
class FakeShellOpen {
public:
    FakeShellOpen();
    ~FakeShellOpen();
    FakeShellOpen(const FakeShellOpen&) = delete;
    FakeShellOpen& operator=(const FakeShellOpen&) = delete;

    const QList<QUrl>& opened() const { return m_opened; }

private:
    QList<QUrl> m_opened;
};
