#include "controls/subclass/cSubClass.h"

class cSubClass::Dispatch : public MessageInterceptor {
public:
    iSubclass* owner = nullptr;

protected:
    void callBefore(bool& handled, qintptr& result, QWidget*& window, int& message,
                    QEvent*& event) override
    {
        if (owner)
            owner->iSubclass_Before(handled, result, window, message, event);
    }
    void callAfter(qintptr& result, QWidget* window, int message, QEvent* event) override
    {
        if (owner)
            owner->iSubclass_After(result, window, message, event);
    }
};

cSubClass::cSubClass()
    : m_dispatch(std::make_shared<Dispatch>())
{
}

cSubClass::~cSubClass()
{
    UnSubclass();
    // A dispatch still running keeps the tables but no longer calls the owner.
    m_dispatch->owner = nullptr;
}

void cSubClass::AddMsg(int message, int When)
{
    growable::add(When == kBefore ? m_dispatch->before : m_dispatch->after, message);
}

void cSubClass::DelMsg(int message, int When)
{
    growable::remove(When == kBefore ? m_dispatch->before : m_dispatch->after, message);
}

bool cSubClass::isSubclassing() const
{
    return m_window && m_widget;
}

bool cSubClass::Subclass(InterceptedWindow* target, iSubclass* Owner)
{
    if (!target || !Owner || isSubclassing() || target->interceptor())
        return false;
    m_dispatch->owner = Owner;
    m_window = target;
    m_widget = target->window();
    target->setInterceptor(m_dispatch);
    return true;
}

void cSubClass::UnSubclass()
{
    if (!isSubclassing()) {
        m_window = nullptr;
        return;
    }
    m_dispatch->before.count = 0;
    m_dispatch->after.count = 0;
    m_window->setInterceptor(nullptr);
    m_window = nullptr;
    m_widget.clear();
}

qintptr cSubClass::CallOrigWndProc(QEvent* event)
{
    if (!isSubclassing() || !event)
        return 0;
    return m_window->previousProcedure(event) ? 1 : 0;
}
