#include "Conversions.h"
#include "Errors.h"
#include "RuntimeError.h"

#include <gtest/gtest.h>

using namespace haz;
using haztest::errorOf;

TEST(Conversions, WholeNumbersAcceptBlanksZerosAndSigns)
{
    EXPECT_EQ(conv::toInt16(u"07"), 7);
    EXPECT_EQ(conv::toInt16(u"  -12 "), -12);
    EXPECT_EQ(conv::toInt32(u"+40000"), 40000);
    EXPECT_EQ(conv::toInt16(u"-32768"), -32768);
    EXPECT_EQ(conv::toInt16(u"2.5"), 2);  // halves to even
    EXPECT_EQ(conv::toInt16(u"3.5"), 4);
}

TEST(Conversions, WholeNumberFailuresCarryTheirClassicNumbers)
{
    EXPECT_EQ(errorOf([] { conv::toInt16(u"abc"); }), ErrTypeMismatch);
    EXPECT_EQ(errorOf([] { conv::toInt16(u""); }), ErrTypeMismatch);
    EXPECT_EQ(errorOf([] { conv::toInt16(u"1 2"); }), ErrTypeMismatch);
    EXPECT_EQ(errorOf([] { conv::toInt16(u"40000"); }), ErrOverflow);
    EXPECT_EQ(errorOf([] { conv::toInt16(u"-32769"); }), ErrOverflow);
    EXPECT_EQ(errorOf([] { conv::toInt32(u"2147483648"); }), ErrOverflow);
    EXPECT_EQ(errorOf([] { conv::narrowToInt16(32768); }), ErrOverflow);
}

TEST(Conversions, BooleansReadWordsAndNumbers)
{
    EXPECT_TRUE(conv::toBool(u"True"));
    EXPECT_TRUE(conv::toBool(u"tRUE"));
    EXPECT_FALSE(conv::toBool(u"FALSE"));
    EXPECT_TRUE(conv::toBool(u"-1"));
    EXPECT_FALSE(conv::toBool(u"0"));
    EXPECT_EQ(errorOf([] { conv::toBool(u"yes"); }), ErrTypeMismatch);
    EXPECT_EQ(errorOf([] { conv::toBool(u""); }), ErrTypeMismatch);
    EXPECT_EQ(conv::toText(true), QStringLiteral("True"));
    EXPECT_EQ(conv::toText(false), QStringLiteral("False"));
    EXPECT_EQ(conv::toText(qint64(-5)), QStringLiteral("-5"));
}

TEST(Conversions, RoundingTakesHalvesToEven)
{
    EXPECT_EQ(conv::roundHalfEven(0.5), 0);
    EXPECT_EQ(conv::roundHalfEven(1.5), 2);
    EXPECT_EQ(conv::roundHalfEven(2.5), 2);
    EXPECT_EQ(conv::roundHalfEven(-2.5), -2);
    EXPECT_EQ(conv::roundHalfEven(-1.5), -2);
    EXPECT_EQ(conv::roundHalfEven(2.6), 3);
    EXPECT_EQ(errorOf([] { conv::roundHalfEven(1e12); }), ErrOverflow);
}

TEST(Conversions, BlanksTrimmedAreSpacesOnly)
{
    EXPECT_EQ(conv::trimBlanks(u"  a b  "), u"a b");
    EXPECT_EQ(conv::trimBlanks(u"\ta\t"), u"\ta\t");
    EXPECT_EQ(conv::expandLineBreaks(QStringLiteral("one\\ntwo")), QStringLiteral("one\ntwo"));
}

TEST(RuntimeErrorText, ReadsDescriptionCodeNumber)
{
    EXPECT_EQ(RuntimeError(ErrFileNotFound).messageText(), QStringLiteral("File not found Code:53"));
    EXPECT_EQ(RuntimeError(70, QStringLiteral("Locked")).messageText(), QStringLiteral("Locked Code:70"));
}
