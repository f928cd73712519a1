#include "WindowDriver.h"

#include "common/IntervalTimer.h"
#include "unilistbox/NativeList.h"
#include "unilistbox/UniListBox.h"

#include <QTest>

WindowDriver::WindowDriver()
{
    IntervalTimer::setClockDriven(false);
}

WindowDriver::~WindowDriver()
{
    window.reset();
    IntervalTimer::setClockDriven(true);
}

void WindowDriver::open(const QStringList& lines, bool wordMode, int tab)
{
    program.writeSettings("[Zorvel20]\nActiveTab=" + QByteArray::number(tab) + '\n');
    const QString path =
        program.addList(QStringLiteral("Name.zva"), lines.join(QStringLiteral("\r\n")));
    window = std::make_unique<frmMain>(program.folder(), program.settingsFile());
    window->show();
    if (!QTest::qWaitForWindowExposed(window.get()))
        qFatal("the window did not show");
    window->LoadZVFFile(path, wordMode);
}

IntervalTimer* WindowDriver::timer(const char* name) const
{
    return window->findChild<IntervalTimer*>(QString::fromLatin1(name));
}

void WindowDriver::tick(const char* name)
{
    IntervalTimer* t = timer(name);
    if (t->wouldTick())
        emit t->timeout();
}

void WindowDriver::clickRow(const char* list, int row)
{
    NativeList* inner = control<UniListBox>(list)->hWnd();
    QTest::mouseClick(inner->viewport(), Qt::LeftButton, {}, inner->itemRect(row).center());
}

QStringList WindowDriver::rows(const char* list) const
{
    const UniListBox* box = control<UniListBox>(list);
    QStringList rows;
    for (int i = 0; i < box->ListCount(); ++i)
        rows.append(box->List(i));
    return rows;
}
