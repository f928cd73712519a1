#include "controls/subclass/MessageInterceptor.h"

bool InterceptedWindow::deliver(QEvent* event)
{
    // A stage may end the interception; the running dispatch keeps its interceptor alive.
    if (const std::shared_ptr<MessageInterceptor> running = m_interceptor)
        return running->dispatch(*this, event) != 0;
    return previousProcedure(event);
}

qintptr MessageInterceptor::dispatch(InterceptedWindow& intercepted, QEvent* event)
{
    qintptr result = 0;
    bool handled = false;
    QWidget* window = intercepted.window();
    int message = event->type();
    if (before.matches(message)) {
        callBefore(handled, result, window, message, event);
        if (handled)
            return result;
    }
    result = intercepted.previousProcedure(event) ? 1 : 0;
    if (after.matches(message))
        callAfter(result, window, message, event);
    return result;
}
