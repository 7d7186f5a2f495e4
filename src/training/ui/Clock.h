#pragma once
// The countdown clock control: the time left as text (txtClock), a progress bar
// (pBarTime) and a two-slice chart of elapsed and remaining time (chClock). It
// knows nothing about exams; its owner sets Seconds, Text and UnitName, calls
// start() and handles Finished.

#include <QString>
#include <QWidget>

class QLineEdit;
class QProgressBar;

namespace haz {
class Ticker;
}

namespace training {

class ClockModel;

// Elapsed time as a red slice, time left as a green one.
class ClockChart : public QWidget {
    Q_OBJECT
public:
    explicit ClockChart(QWidget *parent = nullptr);
    void setShares(double elapsed, double left);
    double elapsed() const { return m_elapsed; }
    double left() const { return m_left; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    double m_elapsed = 0.0;
    double m_left = 100.0;
};

class Clock : public QWidget {
    Q_OBJECT
    Q_PROPERTY(int Seconds READ seconds WRITE setSeconds)
    Q_PROPERTY(QString Text READ text WRITE setText)
    Q_PROPERTY(QString UnitName READ unitName WRITE setUnitName)
public:
    // Without a ticker the clock makes its own one-second timer, named tmClock.
    explicit Clock(QWidget *parent = nullptr, haz::Ticker *ticker = nullptr);

    // Tests hand in a ticker they drive by hand.
    void setTicker(haz::Ticker *ticker);

    int seconds() const;
    void setSeconds(int seconds); // a value outside 16 bits is RuntimeError 6
    QString text() const;
    void setText(const QString &text);
    QString unitName() const;
    void setUnitName(const QString &unitName);

    void start();
    void reset();

    ClockModel &model() { return *m_model; }

signals:
    void Finished();

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void showModel();

    ClockModel *m_model = nullptr;
    QLineEdit *m_text = nullptr;
    QProgressBar *m_bar = nullptr;
    ClockChart *m_chart = nullptr;
};

} // namespace training
