#pragma once

#include "app/main/frmMain.h"
#include "tests/support/FakeMessageBox.h"
#include "tests/support/ScratchProgram.h"

#include <QWidget>

#include <memory>

class IntervalTimer;
class UniListBox;

// A main window on a scratch program folder, driven as a person would, with its timers
// ticking only when the test says so and its message boxes answered by `messages`. This is
// the one way the whole-window tests make and drive a window.
class WindowDriver {
public:
    WindowDriver();
    ~WindowDriver();

    // Starts the window on the settings file as given (kept as it is when empty) and shows
    // it; `listToOpen` is the list named on the command line.
    void start(const QByteArray& settings = {}, const QString& listToOpen = {});
    // Starts the window on page `tab`, then loads `lines` (joined with CR LF) as the list
    // "Name.zva".
    void open(const QStringList& lines, bool wordMode = false, int tab = 1);
    // Closes the window as the user does, which stores the settings, and ends it.
    void close();

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
    // The From and To numbers as the lists show them: "3-7".
    QString shownRange() const;

    ScratchProgram program;
    FakeMessageBox messages;
    std::unique_ptr<frmMain> window;
};
