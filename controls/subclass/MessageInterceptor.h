#pragma once

#include "controls/subclass/messagetable.h"

#include <QEvent>
#include <QPointer>
#include <QWidget>

#include <memory>

class MessageInterceptor;

// A widget whose events can be intercepted: one of the controls' own windows.
class InterceptedWindow {
public:
    virtual ~InterceptedWindow() = default;

    // The widget's own handling of an event (the "previous procedure").
    virtual bool previousProcedure(QEvent* event) = 0;

    virtual QWidget* window() = 0;
    std::shared_ptr<MessageInterceptor> interceptor() const { return m_interceptor; }
    void setInterceptor(std::shared_ptr<MessageInterceptor> interceptor)
    {
        m_interceptor = std::move(interceptor);
    }

protected:
    // Hands the event to the interceptor, or straight to the widget's own handling.
    bool deliver(QEvent* event);

private:
    std::shared_ptr<MessageInterceptor> m_interceptor;
};

// Makes a Qt widget class interceptable: its event() runs the dispatch of the interceptor
// attached to it, all inside the one delivery, so Qt's propagation of unaccepted events stays
// intact and an after stage may paint while the paint event is still being delivered.
template <typename Base> class Interceptable : public Base, public InterceptedWindow {
public:
    using Base::Base;

    bool previousProcedure(QEvent* event) override { return Base::event(event); }
    QWidget* window() override { return this; }

protected:
    bool event(QEvent* event) override { return deliver(event); }
};

// The same for a scroll area, whose mouse, wheel and paint events reach its viewport: they are
// intercepted too, as events of the scroll area itself.
template <typename Base> class InterceptableScrollArea : public Interceptable<Base> {
public:
    using Interceptable<Base>::Interceptable;

    bool previousProcedure(QEvent* event) override
    {
        // The base class's own handling, past the interception: the call is meant.
        return m_inViewport ? Base::viewportEvent(event)
                            : Base::event(event); // NOLINT(bugprone-parent-virtual-call)
    }

protected:
    bool event(QEvent* event) override { return deliverFrom(false, event); }
    bool viewportEvent(QEvent* event) override { return deliverFrom(true, event); }

private:
    bool deliverFrom(bool viewport, QEvent* event)
    {
        const bool outer = m_inViewport; // deliveries nest when a handler sends events
        m_inViewport = viewport;
        const bool result = this->deliver(event);
        m_inViewport = outer;
        return result;
    }

    bool m_inViewport = false;
};

// The dispatch of one interception: the owner before, then the window's own handling, then
// the owner after, each stage only for the messages its table holds.
class MessageInterceptor {
public:
    virtual ~MessageInterceptor() = default;

    MessageTable before;
    MessageTable after;

    // The result of the message: what the own handling returned, or what a stage set.
    qintptr dispatch(InterceptedWindow& window, QEvent* event);

protected:
    virtual void callBefore(bool& handled, qintptr& result, QWidget*& window, int& message,
                            QEvent*& event) = 0;
    virtual void callAfter(qintptr& result, QWidget* window, int message, QEvent* event) = 0;
};
