// The countdown clock, ticked by hand: what it shows after each tick, its bar and
// chart, Finished, and a countdown started again from inside the Finished handler.
#include "Clock.h"
#include "ClockModel.h"
#include "Errors.h"
#include "Ticker.h"

#include <QLineEdit>
#include <QProgressBar>

#include <gtest/gtest.h>

using namespace training;

namespace {

class ClockTest : public ::testing::Test {
protected:
    ClockTest() : clock(nullptr, &ticker)
    {
        clock.setText(QStringLiteral("Time left:"));
        clock.setUnitName(QStringLiteral("min"));
        text = clock.findChild<QLineEdit *>(QStringLiteral("txtClock"));
        bar = clock.findChild<QProgressBar *>(QStringLiteral("pBarTime"));
        QObject::connect(&clock, &Clock::Finished, [this] { ++finished; });
    }

    void startWith(int seconds)
    {
        clock.reset();
        clock.setProperty("Seconds", seconds);
        clock.start();
    }

    QString timePart() const { return text->text().section(u' ', 2, 2); }

    haz::ManualTicker ticker;
    Clock clock;
    QLineEdit *text = nullptr;
    QProgressBar *bar = nullptr;
    int finished = 0;
};

TEST_F(ClockTest, ThreeSecondsShowTwoOneZeroAndFinishOnce)
{
    ASSERT_TRUE(text && bar && clock.findChild<QWidget *>(QStringLiteral("chClock")));
    startWith(3);
    QStringList shown;
    for (int i = 0; i < 3; ++i) {
        ticker.advance();
        shown << text->text();
    }
    EXPECT_EQ(shown, QStringList({QStringLiteral("Time left: 0:02 min"), QStringLiteral("Time left: 0:01 min"),
                                  QStringLiteral("Time left: 0:00 min")}));
    EXPECT_EQ(finished, 1);
    EXPECT_EQ(bar->value(), 100);
    // Nobody stopped it: it goes on from Seconds - 2.
    EXPECT_TRUE(ticker.isActive());
    ticker.advance();
    EXPECT_EQ(timePart(), QStringLiteral("0:01"));
}

TEST_F(ClockTest, BarGrowsByWholePercentsAndFillsAtTheEnd)
{
    startWith(40); // 2.5 % a tick, rounded to even: 2
    ticker.advance(39);
    EXPECT_EQ(bar->value(), 78);
    EXPECT_NEAR(clock.model().elapsedShare(), 97.5, 1e-9);
    EXPECT_NEAR(clock.model().elapsedShare() + clock.model().leftShare(), 100.0, 1e-9);
    EXPECT_EQ(finished, 0);
    ticker.advance();
    EXPECT_EQ(bar->value(), 100);
    EXPECT_EQ(finished, 1);

    startWith(300); // under half a percent a tick: the bar waits for the end
    ticker.advance(299);
    EXPECT_EQ(bar->value(), 0);
    EXPECT_EQ(timePart(), QStringLiteral("0:01"));
    ticker.advance();
    EXPECT_EQ(bar->value(), 100);
    EXPECT_EQ(finished, 2);
}

TEST_F(ClockTest, FormatsMinutesAndSeconds)
{
    EXPECT_EQ(ClockModel::format(QStringLiteral("T"), 605, QStringLiteral("u")), QStringLiteral("T 10:05 u"));
    EXPECT_EQ(ClockModel::format(QStringLiteral("T"), 9, QStringLiteral("u")), QStringLiteral("T 0:09 u"));
    EXPECT_EQ(ClockModel::format(QStringLiteral("T"), 59, QStringLiteral("u")), QStringLiteral("T 0:59 u"));
    EXPECT_EQ(ClockModel::format(QStringLiteral("T"), 6000, QStringLiteral("u")), QStringLiteral("T 100:00 u"));
}

TEST_F(ClockTest, RestartFromTheFinishedHandlerContinuesWithTickCountTwo)
{
    int restarts = 0;
    QObject::connect(&clock, &Clock::Finished, [&] {
        // A tick arriving while the handler runs (a modal dialog) is dropped.
        ticker.advance();
        if (restarts++ == 0)
            startWith(5);
    });
    startWith(2);
    ticker.advance(2);
    EXPECT_EQ(finished, 1);
    EXPECT_EQ(clock.model().tickCount(), 2);
    ticker.advance();
    EXPECT_EQ(timePart(), QStringLiteral("0:03"));
    ticker.advance(2);
    EXPECT_EQ(finished, 1);
    ticker.advance();
    EXPECT_EQ(finished, 2); // after Seconds - 1 ticks
}

TEST_F(ClockTest, ResetStopsAndAZeroLimitIsRefused)
{
    clock.reset();
    EXPECT_FALSE(ticker.isActive());
    EXPECT_EQ(bar->value(), 0);
    startWith(10);
    ticker.advance(4);
    clock.reset();
    EXPECT_FALSE(ticker.isActive());
    EXPECT_EQ(bar->value(), 0);
    EXPECT_EQ(clock.model().tickCount(), 1);
    EXPECT_EQ(timePart(), QStringLiteral("0:06")); // kept until the next tick
    EXPECT_FALSE(ticker.advance());

    clock.setSeconds(0);
    EXPECT_EQ(haztest::errorOf([&] { clock.start(); }), haz::ErrDivisionByZero);
    EXPECT_FALSE(ticker.isActive());
}

} // namespace
