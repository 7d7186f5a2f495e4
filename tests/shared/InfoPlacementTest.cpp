// Where the info window goes, and which access key a caption gets.
#include "AccessKeys.h"
#include "InfoPlacement.h"

#include <gtest/gtest.h>

using haz::placeInfoWindow;

namespace {

bool coversAny(const QRect &frame, const QList<QRect> &keep)
{
    for (const QRect &r : keep)
        if (frame.intersects(r))
            return true;
    return false;
}

} // namespace

TEST(InfoPlacement, BesideWhenThereIsRoomElseOverAFreePartAndAlwaysOnScreen)
{
    const QRect screen(0, 0, 1600, 1000);
    const QSize info(480, 400);
    // A question column and an Answer button near the main window's left side.
    const QRect main(0, 100, 1000, 700);
    const QList<QRect> keep{{20, 160, 500, 300}, {20, 480, 500, 200}, {20, 700, 100, 30}};

    // Room on the right: beside it, top edges level.
    EXPECT_EQ(placeInfoWindow(main, keep, info, screen).frame, QRect(1000, 100, 480, 400));

    // The main window fills the screen: over its free right part, covering nothing.
    const QRect full(0, 0, 1600, 1000);
    const haz::InfoPlace over = placeInfoWindow(full, keep, info, screen);
    EXPECT_TRUE(over.coversNothing);
    EXPECT_EQ(over.frame.size(), info);
    EXPECT_FALSE(coversAny(over.frame, keep));
    EXPECT_TRUE(screen.contains(over.frame));

    // Little free room: the window is made smaller rather than cover the question.
    const QList<QRect> crowded{{0, 0, 1250, 1000}};
    const haz::InfoPlace narrow = placeInfoWindow(full, crowded, info, screen);
    EXPECT_TRUE(narrow.coversNothing);
    EXPECT_FALSE(coversAny(narrow.frame, crowded));
    EXPECT_LE(narrow.frame.width(), 350);
    EXPECT_GE(narrow.frame.width(), haz::MinInfoSize.width());

    // No room at all: the smallest window, on screen, where it covers least.
    const QList<QRect> everything{{0, 0, 1600, 900}};
    const haz::InfoPlace least = placeInfoWindow(full, everything, info, screen);
    EXPECT_FALSE(least.coversNothing);
    EXPECT_EQ(least.frame.size(), haz::MinInfoSize);
    EXPECT_TRUE(screen.contains(least.frame));
    EXPECT_EQ(least.frame.bottom(), screen.bottom()); // as much of it as can be in the free strip

}

TEST(AccessKeys, EachCaptionGetsAFreeLetterWordStartsFirst)
{
    QSet<QChar> taken;
    EXPECT_EQ(haz::withAccessKey("Answer", taken), "&Answer");
    EXPECT_EQ(haz::withAccessKey("Again", taken), "A&gain");
    EXPECT_EQ(haz::withAccessKey("More info", taken), "&More info");
    EXPECT_EQ(haz::withAccessKey("Make it", taken), "Make &it");
    EXPECT_EQ(haz::withAccessKey("E&xit", taken), "E&xit"); // its own key is kept
    EXPECT_TRUE(taken.contains('x'));
    EXPECT_EQ(haz::withAccessKey("Fish && chips", taken), "&Fish && chips");
    EXPECT_EQ(haz::accessKeyOf("Fish && chips"), QChar());
    EXPECT_EQ(haz::accessKeyOf("&Fish && chips"), QChar('f'));
    QSet<QChar> all;
    for (QChar c = 'a'; c <= 'z'; c = QChar(c.unicode() + 1))
        all.insert(c);
    EXPECT_EQ(haz::withAccessKey("abc", all), "abc");
}
