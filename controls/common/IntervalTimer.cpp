#include "controls/common/IntervalTimer.h"

namespace {
bool clockDriven = true;
} // namespace

void IntervalTimer::setClockDriven(bool driven)
{
    clockDriven = driven;
}

IntervalTimer::IntervalTimer(QObject* parent)
    : QObject(parent)
{
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, &IntervalTimer::timeout);
}

void IntervalTimer::setEnabled(bool enabled)
{
    m_enabled = enabled;
    update();
}

void IntervalTimer::setInterval(int milliseconds)
{
    m_interval = qMax(0, milliseconds);
    update();
}

void IntervalTimer::update()
{
    if (wouldTick() && clockDriven)
        m_timer.start(m_interval); // restarting counts the interval afresh, as a new setting should
    else
        m_timer.stop();
}
