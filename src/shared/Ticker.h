#pragma once
// A source of one-second ticks. The program uses a timer; tests tick by hand, so
// no test has to wait for real seconds.

#include <QObject>
#include <QTimer>

namespace haz {

class Ticker : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    virtual void start() = 0;
    virtual void stop() = 0;
    virtual bool isActive() const = 0;

signals:
    void tick();
};

// Ticks once a second while started.
class TimerTicker : public Ticker {
    Q_OBJECT
public:
    explicit TimerTicker(QObject *parent = nullptr);
    void start() override;
    void stop() override;
    bool isActive() const override;

private:
    QTimer m_timer;
};

// Ticks when the test says so, and only while started, like the timer.
class ManualTicker : public Ticker {
    Q_OBJECT
public:
    using Ticker::Ticker;
    void start() override { m_active = true; }
    void stop() override { m_active = false; }
    bool isActive() const override { return m_active; }
    // One tick if started; returns whether it ticked.
    bool advance();
    // `count` ticks, stopping early when the ticker is stopped; returns how many ticked.
    int advance(int count);

private:
    bool m_active = false;
};

} // namespace haz
