#pragma once

#include "FakeMessageBox.h"
#include "ScratchProgram.h"
#include "frmMain.h"

#include <QWidget>

class IntervalTimer;
class UniListBox;

// A main window on a scratch program folder, driven as a person would, with its timers
// ticking only when the test says so.
class WindowDriver {
public:
    WindowDriver();
    ~WindowDriver();

    // Opens the window on page `tab`, then loads `lines` (joined with CR LF) as the list
    // "Name.zva".
    void open(const QStringList& lines, bool wordMode = false, int tab = 1);

    template <typename T = QWidget> T* control(const char* name) const
    {
        return window->findChild<T*>(QString::fromLatin1(name));
    }
    IntervalTimer* timer(const char* name) const;
    // One tick of a timer, when it would tick.
    void tick(const char* name);
    // Presses and releases the mouse on row `row` of a list box.
    void clickRow(const char* list, int row);
    QStringList rows(const char* list) const;

    ScratchProgram program;
    FakeMessageBox messages;
    std::unique_ptr<frmMain> window;
};
