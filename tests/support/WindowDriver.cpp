#include "tests/support/WindowDriver.h"

#include "controls/common/IntervalTimer.h"
#include "controls/unilistbox/NativeList.h"
#include "controls/unilistbox/UniListBox.h"

#include <QComboBox>
#include <QTest>

namespace {

QtMessageHandler testLog = nullptr;

// The offscreen platform has no window manager to hand a window's size limits to, and says
// so each time a window is shown; that is no fault of the program, and it would hide the
// warnings that are.
void withoutPlatformSizeHintNotes(QtMsgType type, const QMessageLogContext& context,
                                  const QString& message)
{
    if (message != u"This plugin does not support propagateSizeHints()")
        testLog(type, context, message);
}

} // namespace

WindowDriver::WindowDriver()
{
    // Installed here, after the test log has installed its own handler, which it passes on to.
    if (!testLog)
        testLog = qInstallMessageHandler(withoutPlatformSizeHintNotes);
    IntervalTimer::setClockDriven(false);
}

WindowDriver::~WindowDriver()
{
    window.reset();
    IntervalTimer::setClockDriven(true);
}

void WindowDriver::start(const QByteArray& settings, const QString& listToOpen)
{
    if (!settings.isEmpty())
        program.writeSettings(settings);
    qputenv("XDG_DATA_HOME", program.dataFolder().toLocal8Bit());
    window = std::make_unique<frmMain>(program.folder(), program.settingsFile(), listToOpen);
    window->show();
    if (!QTest::qWaitForWindowExposed(window.get()))
        qFatal("the window did not show");
}

void WindowDriver::open(const QStringList& lines, bool wordMode, int tab)
{
    start("[Zorvel20]\nActiveTab=" + QByteArray::number(tab) + '\n');
    const QString path =
        program.addList(QStringLiteral("Name.zva"), lines.join(QStringLiteral("\r\n")));
    window->LoadZVFFile(path, wordMode);
}

void WindowDriver::close()
{
    window->close();
    window.reset();
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

QString WindowDriver::shownRange() const
{
    return control<QComboBox>("cmbFrom")->currentText() + u'-' +
           control<QComboBox>("cmbTo")->currentText();
}
