#pragma once

#include <QObject>
#include <QTimer>

// A timer with the program's rules: it fires only while enabled and while its interval is
// above 0; an interval of 0 stops it rather than asking for "as fast as possible".
class IntervalTimer : public QObject {
    Q_OBJECT
public:
    explicit IntervalTimer(QObject* parent = nullptr);

    bool isEnabled() const { return m_enabled; }
    void setEnabled(bool enabled);

    int interval() const { return m_interval; }
    void setInterval(int milliseconds);

    // Tests drive every timer by hand: with the clock off no timer starts, and a test emits
    // timeout() itself when Enabled and Interval say a tick is due.
    static void setClockDriven(bool driven);
    bool wouldTick() const { return m_enabled && m_interval > 0; }

signals:
    void timeout();

private:
    void update();

    QTimer m_timer;
    bool m_enabled = true;
    int m_interval = 0;
};
