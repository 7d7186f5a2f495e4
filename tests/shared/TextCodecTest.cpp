#include "TextCodec.h"

#include <gtest/gtest.h>

using namespace haz::codec;

TEST(TextCodec, Utf16SkipsTheMarkAndKeepsSurrogatePairs)
{
    const QString text = QStringLiteral("Åsa \U0001F525 €");
    QByteArray bytes = fileStart(Encoding::Utf16) + encode(text, Encoding::Utf16);
    EXPECT_EQ(decode(bytes, Encoding::Utf16), text);
    EXPECT_EQ(decode(encode(text, Encoding::Utf16), Encoding::Utf16), text); // no mark
}

TEST(TextCodec, BadUtf16BecomesReplacementCharacters)
{
    // An odd trailing byte and a lone high and low surrogate.
    QByteArray bytes("\xFF\xFE" "A\x00" "\x00\xD8" "B\x00" "\x00\xDC" "C", 11);
    EXPECT_EQ(decode(bytes, Encoding::Utf16), QString::fromUtf16(u"A\uFFFDB\uFFFD\uFFFD"));
    EXPECT_TRUE(decode(QByteArray(), Encoding::Utf16).isEmpty());
}

TEST(TextCodec, Windows1252CoversWesternLettersAndTheEuro)
{
    const QByteArray bytes("\xE5\xE4\xF6\xE9\x80\x85", 6);
    EXPECT_EQ(decode(bytes, Encoding::Ansi), QStringLiteral("åäöé€…"));
    EXPECT_EQ(encode(QStringLiteral("åäöé€…"), Encoding::Ansi), bytes);
    // Undefined bytes decode to U+FFFD; characters outside the page encode to "?".
    EXPECT_EQ(decode(QByteArray("\x81", 1), Encoding::Ansi), QString(QChar(0xFFFD)));
    EXPECT_EQ(encode(QStringLiteral("Ж\U0001F525"), Encoding::Ansi), QByteArray("??"));
}
