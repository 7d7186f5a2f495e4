#include "Clock.h"

#include "ClockModel.h"
#include "Conversions.h"
#include "Ticker.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QPainter>
#include <QProgressBar>

namespace training {

ClockChart::ClockChart(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("chClock"));
    setMinimumSize(16, 16);
}

void ClockChart::setShares(double elapsed, double left)
{
    if (elapsed == m_elapsed && left == m_left)
        return;
    m_elapsed = elapsed;
    m_left = left;
    update();
}

void ClockChart::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const int side = qMin(width(), height()) - 2;
    if (side <= 0)
        return;
    const QRectF pie((width() - side) / 2.0, (height() - side) / 2.0, side, side);
    const double total = qMax(0.0, m_elapsed) + qMax(0.0, m_left);
    const double elapsedShare = total > 0 ? qBound(0.0, m_elapsed / total, 1.0) : 0.0;
    // Angles in sixteenths of a degree, counter-clockwise from three o'clock; the
    // elapsed slice starts at twelve and grows clockwise, as a clock hand moves.
    const int full = 360 * 16;
    const int elapsedSpan = int(std::lround(elapsedShare * full));
    painter.setPen(QPen(palette().color(QPalette::WindowText), 1));
    painter.setBrush(QColor(60, 170, 75));
    painter.drawEllipse(pie);
    if (elapsedSpan > 0) {
        painter.setBrush(QColor(205, 50, 40));
        if (elapsedSpan >= full)
            painter.drawEllipse(pie);
        else
            painter.drawPie(pie, 90 * 16, -elapsedSpan);
    }
}

Clock::Clock(QWidget *parent, haz::Ticker *ticker) : QWidget(parent)
{
    if (!ticker) {
        ticker = new haz::TimerTicker(this);
        ticker->setObjectName(QStringLiteral("tmClock"));
    }
    m_model = new ClockModel(ticker, this);

    m_chart = new ClockChart(this);
    m_text = new QLineEdit(this);
    m_text->setObjectName(QStringLiteral("txtClock"));
    m_text->setReadOnly(true);
    m_text->setFocusPolicy(Qt::NoFocus);
    m_bar = new QProgressBar(this);
    m_bar->setObjectName(QStringLiteral("pBarTime"));
    m_bar->setRange(0, 100);
    m_bar->setTextVisible(false);

    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(6);
    layout->addWidget(m_chart);
    layout->addWidget(m_text, 3);
    layout->addWidget(m_bar, 2);

    connect(m_model, &ClockModel::changed, this, &Clock::showModel);
    connect(m_model, &ClockModel::finished, this, &Clock::Finished);
    showModel();
}

void Clock::setTicker(haz::Ticker *ticker)
{
    m_model->setTicker(ticker);
}

int Clock::seconds() const
{
    return m_model->seconds();
}

void Clock::setSeconds(int seconds)
{
    m_model->setSeconds(haz::conv::narrowToInt16(seconds));
}

QString Clock::text() const
{
    return m_model->text();
}

void Clock::setText(const QString &text)
{
    m_model->setText(haz::conv::expandLineBreaks(text));
}

QString Clock::unitName() const
{
    return m_model->unitName();
}

void Clock::setUnitName(const QString &unitName)
{
    m_model->setUnitName(haz::conv::expandLineBreaks(unitName));
}

void Clock::start()
{
    m_model->start();
    m_bar->setMaximum(m_model->barMaximum());
}

void Clock::reset()
{
    m_model->reset();
}

void Clock::resizeEvent(QResizeEvent *event)
{
    // The chart is a square as high as the clock; text and bar share the rest.
    m_chart->setFixedWidth(qMax(16, height()));
    QWidget::resizeEvent(event);
    if (layout())
        layout()->activate();
}

void Clock::showModel()
{
    m_chart->setShares(m_model->elapsedShare(), m_model->leftShare());
    m_bar->setMaximum(m_model->barMaximum());
    m_bar->setValue(m_model->barValue());
    if (m_text->text() != m_model->timeText())
        m_text->setText(m_model->timeText());
}

} // namespace training
