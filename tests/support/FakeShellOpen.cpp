#include "tests/support/FakeShellOpen.h"

#include "controls/common/shellopen.h"

FakeShellOpen::FakeShellOpen()
{
    ShellOpen::setHandler([this](const QUrl& address) { m_opened.append(address); });
}

FakeShellOpen::~FakeShellOpen()
{
    ShellOpen::setHandler({});
}
