#pragma once
// The countdown of the exam clock without its looks: the time left as text, the
// progress bar's value and the two chart values, advanced by one-second ticks.
//
// The tick rule keeps the course's long-standing behaviour: the tick count is not
// reset by start(), the tick that raises finished() re-initialises the count and
// then still adds one to it, so a countdown started from inside the finished()
// handler continues with tick count 2; and the bar grows by a whole number of
// percent per tick, so for limits of 200 seconds or more it stays empty until the
// time is up.

#include <QObject>
#include <QPointer>
#include <QString>

#include "Ticker.h"


namespace training {

class ClockModel : public QObject {
    Q_OBJECT
public:
    // Ticks come from `ticker`, which the model switches on and off.
    explicit ClockModel(haz::Ticker *ticker, QObject *parent = nullptr);
    void setTicker(haz::Ticker *ticker);
    haz::Ticker *ticker() const { return m_ticker; }

    void setSeconds(qint16 seconds) { m_seconds = seconds; }
    void setText(const QString &text) { m_text = text; }
    void setUnitName(const QString &unitName) { m_unitName = unitName; }
    qint16 seconds() const { return m_seconds; }
    const QString &text() const { return m_text; }
    const QString &unitName() const { return m_unitName; }

    // Begins counting down. A limit of 0 is RuntimeError 11 (the share per tick
    // would be a division by zero), a negative one RuntimeError 5.
    void start();
    // Stops and returns to the initial state; the shown time stays until the next tick.
    void reset();
    // One second has passed. A tick that arrives while the previous one is still
    // being handled (a modal dialog in the finished() handler) is dropped.
    void tick();

    bool isRunning() const;
    qint16 tickCount() const { return m_tickCount; }
    const QString &timeText() const { return m_timeText; }
    int barValue() const { return m_barValue; }
    int barMaximum() const { return m_barMaximum; }
    double elapsedShare() const { return m_elapsed; } // chart value 1
    double leftShare() const { return m_left; }       // chart value 2

    // "Text m:ss UnitName" for `secondsLeft`: 44 seconds is "0:44", 605 is "10:05".
    static QString format(const QString &text, qint16 secondsLeft, const QString &unitName);

signals:
    void finished();
    void changed(); // the time text, the bar or the chart changed

private:
    void initialise();

    QPointer<haz::Ticker> m_ticker;
    qint16 m_seconds = 0;
    QString m_text;
    QString m_unitName;
    qint16 m_tickCount = 1;
    double m_step = 0.0;
    double m_elapsed = 0.0;
    double m_left = 100.0;
    int m_barMaximum = 100;
    int m_barValue = 0;
    QString m_timeText;
    bool m_inTick = false;
};

} // namespace training
