#include "IntervalTimer.h"

IntervalTimer::IntervalTimer(QObject* parent)
    : QObject(parent) {
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, &IntervalTimer::timeout);
}

void IntervalTimer::setEnabled(bool enabled) {
    m_enabled = enabled;
    update();
}

void IntervalTimer::setInterval(int milliseconds) {
    m_interval = qMax(0, milliseconds);
    update();
}

void IntervalTimer::update() {
    if (m_enabled && m_interval > 0)
        m_timer.start(m_interval); // restarting counts the interval afresh, as a new setting should
    else
        m_timer.stop();
}
