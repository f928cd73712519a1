#pragma once

#include "controls/subclass/MessageInterceptor.h"

// The owner of a cSubClass interception.
class iSubclass {
public:
    virtual ~iSubclass() = default;
    virtual void iSubclass_After(qintptr& result, QWidget* target, int message, QEvent* event) = 0;
    // May change the message's values; the window's own handling then sees the changed event.
    virtual void iSubclass_Before(bool& handled, qintptr& result, QWidget*& target, int& message,
                                  QEvent*& event) = 0;
};

// Intercepts the events of one window for one owner. Messages are event types; When 1 picks
// the before table, any other value the after table. Releasing the object ends the
// interception.
class cSubClass {
public:
    static constexpr int kBefore = 1; // the When of the before table

    cSubClass();
    ~cSubClass();
    cSubClass(const cSubClass&) = delete;
    cSubClass& operator=(const cSubClass&) = delete;

    void AddMsg(int message, int When);
    void DelMsg(int message, int When);

    // False when the window cannot be intercepted or already is.
    bool Subclass(InterceptedWindow* target, iSubclass* Owner);
    void UnSubclass();

    // The window's own handling of the event; 0 when not intercepting.
    qintptr CallOrigWndProc(QEvent* event);

    bool isSubclassing() const;

private:
    class Dispatch;
    std::shared_ptr<Dispatch> m_dispatch;
    InterceptedWindow* m_window = nullptr;
    QPointer<QWidget> m_widget; // tells whether m_window still lives
};
