#include "ClockModel.h"

#include "Conversions.h"
#include "RuntimeError.h"
#include "Ticker.h"

#include <cmath>

namespace training {

ClockModel::ClockModel(haz::Ticker *ticker, QObject *parent) : QObject(parent)
{
    setTicker(ticker);
    initialise();
}

void ClockModel::setTicker(haz::Ticker *ticker)
{
    const bool running = isRunning();
    if (m_ticker) {
        m_ticker->stop();
        m_ticker->disconnect(this);
    }
    m_ticker = ticker;
    if (m_ticker) {
        connect(m_ticker, &haz::Ticker::tick, this, &ClockModel::tick);
        if (running)
            m_ticker->start();
    }
}

bool ClockModel::isRunning() const
{
    return m_ticker && m_ticker->isActive();
}

void ClockModel::initialise()
{
    m_tickCount = 1;
    m_elapsed = 0.0;
    m_left = 100.0;
    m_barMaximum = 100;
    m_barValue = 0;
}

void ClockModel::start()
{
    if (m_seconds == 0)
        throw haz::RuntimeError(haz::ErrDivisionByZero);
    if (m_seconds < 0)
        throw haz::RuntimeError(haz::ErrInvalidCall);
    m_step = 100.0 / m_seconds;
    m_barMaximum = 100;
    if (m_ticker)
        m_ticker->start();
}

void ClockModel::reset()
{
    if (m_ticker)
        m_ticker->stop();
    initialise();
    emit changed();
}

void ClockModel::tick()
{
    if (m_inTick)
        return;
    m_inTick = true;
    // Cleared also when the finished() handler fails, or the clock would never tick again.
    struct Leave {
        bool &flag;
        ~Leave() { flag = false; }
    } leave{m_inTick};
    // 16-bit arithmetic as the rest of the clock: limits up to 32767 seconds.
    const qint16 left = haz::conv::narrowToInt16(qint32(m_seconds) - m_tickCount);
    if (m_tickCount < m_seconds) {
        m_elapsed += m_step;
        m_left -= m_step;
        m_timeText = format(m_text, left, m_unitName);
        const int barStep = haz::conv::roundHalfEven(double(m_barMaximum) / m_seconds);
        m_barValue = m_barValue + barStep > m_barMaximum ? m_barMaximum : m_barValue + barStep;
        emit changed();
    } else {
        m_elapsed = 100.0;
        m_left = 0.0;
        m_timeText = format(m_text, left, m_unitName);
        m_barValue = m_barMaximum;
        emit changed();
        emit finished(); // the ticker stays on: the owner decides what follows
        initialise();
    }
    m_tickCount = haz::conv::narrowToInt16(qint32(m_tickCount) + 1);
}

QString ClockModel::format(const QString &text, qint16 secondsLeft, const QString &unitName)
{
    const double minutes = secondsLeft / 60.0;
    const qint32 m = qint32(std::floor(minutes));
    const double fraction = minutes - m;
    const qint32 s = haz::conv::roundHalfEven(fraction * 100.0 / 1.666666667);
    // Minutes without a leading zero: "00:44" reads as hours and minutes, "0:44 min"
    // as the 44 seconds it is.
    return text + u' ' + QString::number(m) + u':' + QStringLiteral("%1").arg(s, 2, 10, QLatin1Char('0')) + u' '
           + unitName;
}

} // namespace training
