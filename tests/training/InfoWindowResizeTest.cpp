// The info window's page follows the window's size, except where the window has been
// squeezed to 140 twips or less: there the page keeps the size it had.
#include "InfoWindowRules.h"
#include "PageView.h"
#include "frmWebInfo.h"

#include <QGuiApplication>

#include <gtest/gtest.h>

using namespace training;

TEST(InfoWindowResize, ASqueezedWindowLeavesThePageAsItWas)
{
    // 10 pixels are 150 twips, 9 pixels 135.
    EXPECT_EQ(infoBrowserSize(QSize(400, 10), QSize(300, 200)), QSize(400, 10));
    EXPECT_EQ(infoBrowserSize(QSize(400, 9), QSize(300, 200)), QSize(400, 200));
    EXPECT_EQ(infoBrowserSize(QSize(9, 9), QSize(300, 200)), QSize(300, 200));

    frmWebInfo window;
    window.resize(480, 400);
    window.show();
    haz::PageView *page = window.webWindow();
    EXPECT_EQ(page->size(), QSize(480, 400));
    window.resize(500, 6);
    QCoreApplication::sendPostedEvents();
    ASSERT_EQ(window.height(), 6);
    EXPECT_EQ(page->size(), QSize(500, 400));
    window.resize(520, 300);
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(page->size(), window.size());
}
