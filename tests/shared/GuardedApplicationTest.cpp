#include "GuardedApplication.h"
#include "MessageService.h"
#include "RuntimeError.h"

#include <gtest/gtest.h>

#include <stdexcept>

using namespace haz;

TEST(GuardedDelivery, EscapingFailuresBecomeMessages)
{
    ScriptedMessages shown;
    EXPECT_TRUE(haz::deliverGuarded([] { return true; }, shown, QStringLiteral("Training")));
    EXPECT_TRUE(shown.shown().isEmpty());
    EXPECT_FALSE(haz::deliverGuarded([]() -> bool { throw RuntimeError(ErrSubscript); }, shown,
                                     QStringLiteral("Training")));
    EXPECT_FALSE(haz::deliverGuarded([]() -> bool { throw std::runtime_error("broken"); }, shown,
                                     QStringLiteral("Training")));
    ASSERT_EQ(shown.texts(), QStringList({"Subscript out of range Code:9", "broken"}));
    EXPECT_EQ(shown.shown().at(0).icon, MessageIcon::Critical);
    EXPECT_EQ(shown.shown().at(0).title, QStringLiteral("Training"));
}
