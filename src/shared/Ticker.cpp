#include "Ticker.h"

namespace haz {

TimerTicker::TimerTicker(QObject *parent) : Ticker(parent)
{
    m_timer.setInterval(1000);
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, &Ticker::tick);
}

void TimerTicker::start()
{
    // Switching on a running timer keeps its rhythm, as a timer's Enabled does.
    if (!m_timer.isActive())
        m_timer.start();
}

void TimerTicker::stop()
{
    m_timer.stop();
}

bool TimerTicker::isActive() const
{
    return m_timer.isActive();
}

bool ManualTicker::advance()
{
    if (!m_active)
        return false;
    emit tick();
    return true;
}

int ManualTicker::advance(int count)
{
    int ticked = 0;
    while (ticked < count && advance())
        ++ticked;
    return ticked;
}

} // namespace haz
