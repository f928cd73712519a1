#pragma once

#include <QObject>

// Counts a signal's emissions where a QSignalSpy cannot: the control events pass references
// that a handler may change, which a spy cannot copy.
class EmissionCounter {
public:
    template <typename Sender, typename... Args>
    EmissionCounter(Sender* sender, void (Sender::*signal)(Args...))
    {
        QObject::connect(sender, signal, &m_context, [this](Args...) { ++m_count; });
    }

    int count() const { return m_count; }

private:
    QObject m_context; // ends the connection with the counter
    int m_count = 0;
};
