// The layout's resize arithmetic, worked out by hand, without a window.
#include "MainLayout.h"

#include <gtest/gtest.h>

using namespace training;

namespace {

// A design like the window's own, in twips, for arithmetic worked out by hand.
HazTemplate handDesign()
{
    HazTemplate d;
    d.tabMain = {60, 360, 11880, 8280};
    d.hazFormFact = {4080, 600, 7620, 7020};
    d.hazFactWeb = {60, 90, 7500, 6870};
    d.infoWeb = {60, 60, 11700, 7680};
    d.hazQuizFrm = {120, 600, 11580, 7020};
    d.hazQuizText = {180, 540, 5200, 1260};
    d.hazQuizPic = {5250, 540, 5400, 5100};
    d.hazQuizWeb = {5250, 540, 5400, 5100};
    d.answerButton = {6000, 5910, 1500, 375};
    d.hazQuizbtnInfoLink = {4350, 5910, 1500, 375};
    for (int k = 0; k < 15; ++k)
        d.answers[k] = {k < 8 ? 180 : 6000, 1920 + (k < 8 ? k : k - 8) * 570, 5400, 375};
    return d;
}

TEST(ResizeArithmeticTest, WidthsAndHeightsAsWorkedOutByHand)
{
    const HazTemplate design = handDesign();
    BaseGeometry base = measureBaseGeometry(design, 12000, 8700);
    EXPECT_EQ(base.answerSpare, 780);
    EXPECT_EQ(base.answerSpareHalf, 390);
    EXPECT_EQ(base.columnRatio, 1);
    EXPECT_EQ(base.rowPitch, 568); // 3990 * 1000 / 7020 = 568.38
    EXPECT_EQ(base.picGap, 5910 - 5100);
    EXPECT_EQ(base.infoLinkOffset, 4350 - 6000);

    // Quiz frame 12581 wide: columns (12581 - 780) / 2 - 300 = 5600.5, a half that
    // goes to the even 5600; the right column (12581 - 5600) / 1 - 390.
    HazTemplate t = design;
    resizeObjs(t, base, 12000 + 1001, 8700);
    EXPECT_EQ(t.tabMain.width, 12881);
    EXPECT_EQ(t.hazFormFact.width, 12881 - 4260);
    EXPECT_EQ(t.hazFactWeb.width, 12881 - 4260 - 120);
    EXPECT_EQ(t.infoWeb.width, 12881 - 180);
    EXPECT_EQ(t.hazQuizFrm.width, 12581);
    EXPECT_EQ(t.answers[3].width, 5600);
    EXPECT_EQ(t.answers[11].width, 5600);
    EXPECT_EQ(t.hazQuizText.width, 5400);
    EXPECT_EQ(t.answers[8].left, 6591);
    EXPECT_EQ(t.answers[0].left, 180);
    EXPECT_EQ(t.answerButton.left, 6591);
    EXPECT_EQ(t.hazQuizPic.left, 6591 - 750);
    EXPECT_EQ(t.hazQuizbtnInfoLink.left, 6591 + 1650);

    // 5601.5 goes up to the even 5602.
    t = design;
    base = measureBaseGeometry(design, 12000, 8700);
    resizeObjs(t, base, 12000 + 1003, 8700);
    EXPECT_EQ(t.answers[0].width, 5602);

    // 215 twips taller: g = 215, answers 215 * 0.1 + 375 = 396.5 high, a half that goes
    // to the even 396; the step is rounded(81 / 1000 * 7235 + 10.75) = 597.
    t = design;
    base = measureBaseGeometry(design, 12000, 8700);
    resizeObjs(t, base, 12000, 8700 + 215);
    EXPECT_EQ(t.tabMain.height, 8495);
    EXPECT_EQ(t.hazQuizFrm.height, 7235);
    EXPECT_EQ(t.answers[0].height, 396);
    EXPECT_EQ(t.answers[0].top, 1920);
    EXPECT_EQ(t.answers[8].top, 1920);
    EXPECT_EQ(t.answers[7].top, 1920 + 7 * 597);
    EXPECT_EQ(t.answers[14].top, 1920 + 6 * 597);
    EXPECT_EQ(t.answerButton.top, 1920 + 7 * 597);
    EXPECT_EQ(t.hazQuizPic.height, 1920 + 7 * 597 - 810);
    EXPECT_EQ(t.hazQuizbtnInfoLink.top, t.answerButton.top);
}

} // namespace
