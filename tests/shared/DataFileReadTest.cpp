#include "RuntimeError.h"
#include "TableLines.h"
#include "TestEnvironment.h"
#include "clsDataFile.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace haz;
using haztest::ansi;
using haztest::utf16;

namespace {

class DataFileRead : public ::testing::Test {
protected:
    // Writes `text` (lines joined with CR LF) as a UTF-16 file and reads it.
    bool readUtf16(const QString &text, bool withMark = true)
    {
        path = env.writeInstallFile(QStringLiteral("t.ini"), utf16(text, withMark));
        return file.readData(path);
    }

    haztest::TestEnvironment env;
    clsDataFile file;
    QString path;
};

const QString Example = QStringLiteral(
    "[Example]\r\nFieldName=UserName\r\nFieldName=selTab\r\n\r\n\r\n[0]\r\nAnna\r\n3\r\n\r\n\r\n\r\n[1]\r\nErik\r\n-1\r\n\r\n");

} // namespace

TEST_F(DataFileRead, ReadsTheDocumentedExample)
{
    ASSERT_TRUE(readUtf16(Example));
    EXPECT_TRUE(file.readOk());
    EXPECT_EQ(file.tableName(), QStringLiteral("Example"));
    EXPECT_EQ(file.fieldNames(), QStringList({"UserName", "selTab"}));
    EXPECT_EQ(file.numFieldsRead(), 2);
    EXPECT_EQ(file.numOfPostsRead(), 2);
    EXPECT_EQ(file.getPostPosField(1, QStringLiteral("USERNAME")), QStringLiteral("Erik"));
    EXPECT_EQ(file.getPostPosField(0, QStringLiteral("seltab")), QStringLiteral("3"));
    EXPECT_EQ(file.getPostPosField(5, QStringLiteral("selTab")), QString());
    EXPECT_EQ(file.getPostPosField(0, QStringLiteral("nosuch")), QString());
    EXPECT_THROW(file.getPostPosField(-1, QStringLiteral("selTab")), RuntimeError);

    const QList<QStringList> data = file.allReadData();
    ASSERT_EQ(data.size(), 5); // columns 0 .. n+2
    EXPECT_EQ(data[1], QStringList({"0", "1"}));
    EXPECT_EQ(data[2], QStringList({"Anna", "Erik"}));
    EXPECT_EQ(data[4], QStringList({"", ""})); // closing lines
    EXPECT_TRUE(data[0][0].isEmpty());
}

TEST_F(DataFileRead, SameContentInEveryEncodingAndLineEnd)
{
    QString lfOnly = Example;
    lfOnly.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    for (const QByteArray &bytes : {utf16(Example, false), utf16(lfOnly), ansi(lfOnly)}) {
        clsDataFile f;
        f.setNonUniCodeMode(bytes == ansi(lfOnly));
        ASSERT_TRUE(f.readData(env.writeInstallFile(QStringLiteral("e.ini"), bytes)));
        EXPECT_EQ(f.numOfPostsRead(), 2);
        EXPECT_EQ(f.getPostPosField(1, QStringLiteral("UserName")), QStringLiteral("Erik"));
    }
}

TEST_F(DataFileRead, Windows1252LettersSurviveEightBitMode)
{
    file.setNonUniCodeMode(true);
    path = env.writeInstallFile(QStringLiteral("a.ini"),
                                QByteArray("[T]\r\nFieldName=Namn\r\n\r\n\r\n\r\n[0]\r\nJ\xF6rg \xE5\xE4 \xE9 \x80\r\n\r\n"));
    ASSERT_TRUE(file.readData(path));
    EXPECT_EQ(file.getPostPosField(0, QStringLiteral("Namn")), QStringLiteral("Jörg åä é €"));
}

TEST_F(DataFileRead, HeaderWithoutPostsHasTwoEmptySlots)
{
    ASSERT_TRUE(readUtf16(QStringLiteral("[T]\r\nFieldName=A\r\nFieldName=B\r\n")));
    EXPECT_EQ(file.numOfPostsRead(), 0);
    EXPECT_EQ(file.getPostPosField(0, QStringLiteral("A")), QString());
    EXPECT_EQ(file.getPostPosField(1, QStringLiteral("B")), QString());
    EXPECT_EQ(file.allReadData()[2].size(), 2);
    const FindResult r = file.findPosts(QStringLiteral("A"), QStringLiteral("x"));
    EXPECT_FALSE(r.hasMatch());
    EXPECT_TRUE(r.at(1, 1).isEmpty());
    EXPECT_TRUE(r.at(2, 1).isEmpty());
}

TEST_F(DataFileRead, FieldPrefixInAnyCaseAndEmptyFieldNames)
{
    ASSERT_TRUE(readUtf16(QStringLiteral("[T]\r\nfieldname=Text\r\nFIELDNAME=\r\nFieldName= Pad\r\n\r\n[0]\r\nv\r\nw\r\nx\r\n")));
    EXPECT_EQ(file.fieldNames(), QStringList({"Text", "", " Pad"}));
    EXPECT_EQ(file.getPostPosField(0, QStringLiteral("TEXT")), QStringLiteral("v"));
    EXPECT_EQ(file.getPostPosField(0, QString()), QStringLiteral("w"));
    EXPECT_EQ(file.getPostPosField(0, QStringLiteral("Pad")), QString()); // no trimming of names
}

TEST_F(DataFileRead, PostNumbersOnlyNeedToBeValid)
{
    ASSERT_TRUE(readUtf16(QStringLiteral("[T]\r\nFieldName=A\r\n\r\njunk\r\n[7]\r\nseven\r\n\r\n[3]\r\nthree\r\n\r\n")));
    EXPECT_EQ(file.getPostPosField(0, QStringLiteral("A")), QStringLiteral("seven"));
    EXPECT_EQ(file.getPostPosField(1, QStringLiteral("A")), QStringLiteral("three"));

    for (const char *bad : {"[abc]", "[40000]", "[]", "["}) {
        clsDataFile f;
        const QString text = QStringLiteral("[T]\r\nFieldName=A\r\n\r\n[0]\r\nok\r\n\r\n") + QLatin1String(bad) + QStringLiteral("\r\nx\r\n");
        EXPECT_FALSE(f.readData(env.writeInstallFile(QStringLiteral("b.ini"), utf16(text)))) << bad;
        EXPECT_EQ(f.numOfPostsRead(), 1) << bad;
        EXPECT_FALSE(f.readOk());
        EXPECT_FALSE(f.lastErrorText().isEmpty());
    }
}

TEST_F(DataFileRead, ShortLastPostFillsWithEmptyValues)
{
    ASSERT_TRUE(readUtf16(QStringLiteral("[T]\r\nFieldName=A\r\nFieldName=B\r\n\r\n[0]\r\nonly-a")));
    EXPECT_EQ(file.getPostPosField(0, QStringLiteral("A")), QStringLiteral("only-a"));
    EXPECT_EQ(file.getPostPosField(0, QStringLiteral("B")), QString());
}

TEST_F(DataFileRead, MalformedFilesFailWithoutCrashing)
{
    EXPECT_FALSE(file.readData(QStringLiteral("/nonexistent/x.ini")));
    EXPECT_FALSE(readUtf16(QString()));                   // empty file
    EXPECT_FALSE(readUtf16(QStringLiteral("T]\r\n")));    // no table-name line
    EXPECT_FALSE(readUtf16(QStringLiteral("[T\r\n")));
    EXPECT_FALSE(readUtf16(QStringLiteral("[T]")));       // ends before the header
    // A UTF-8 file read in UTF-16 mode is one long line of nonsense.
    path = env.writeInstallFile(QStringLiteral("u8.ini"), QByteArray("[T]\r\nFieldName=A\r\n\r\n[0]\r\nx\r\n"));
    EXPECT_FALSE(file.readData(path));
    // Junk bytes and an odd length.
    path = env.writeInstallFile(QStringLiteral("junk.ini"), QByteArray("\x00\xD8\xFF\x01\x02", 5));
    EXPECT_FALSE(file.readData(path));
    EXPECT_EQ(file.numOfPostsRead(), 0);
}

TEST_F(DataFileRead, VeryLongLinesAndOddBytesStillRead)
{
    const QString longValue(200000, u'x');
    QByteArray bytes = utf16(QStringLiteral("[T]\r\nFieldName=A\r\n\r\n[0]\r\n") + longValue + QStringLiteral("\r\n\r\n"));
    bytes.append('\x41'); // a stray half character at the end
    ASSERT_TRUE(file.readData(env.writeInstallFile(QStringLiteral("l.ini"), bytes)));
    EXPECT_EQ(file.getPostPosField(0, QStringLiteral("A")), longValue);
}

TEST_F(DataFileRead, FindPostsTrimsStoredValuesOnlyAndKeepsCase)
{
    ASSERT_TRUE(readUtf16(QStringLiteral("[C]\r\nFieldName=ObjId\r\nFieldName=Text\r\n\r\n"
                                         "[0]\r\n  btnOk  \r\nOK\r\n\r\n[1]\r\nbtnok\r\nlower\r\n\r\n[2]\r\nbtnOk\r\nsecond\r\n\r\n")));
    FindResult r = file.findPosts(QStringLiteral("objid"), QStringLiteral("btnOk"));
    ASSERT_TRUE(r.hasMatch());
    EXPECT_EQ(r.matchCount(), 2);
    EXPECT_EQ(r.at(1, 1), QStringLiteral("0"));
    EXPECT_EQ(r.at(2, 1), QStringLiteral("  btnOk  "));
    EXPECT_EQ(r(3, 1), QStringLiteral("OK"));
    EXPECT_EQ(r.at(1, 2), QStringLiteral("2"));
    EXPECT_EQ(r.at(0, 1), QString());
    EXPECT_EQ(r.at(1, 0), QString());
    EXPECT_THROW(r.at(1, 3), RuntimeError);
    EXPECT_THROW(r.at(5, 1), RuntimeError);

    EXPECT_FALSE(file.findPosts(QStringLiteral("ObjId"), QStringLiteral("btnOk ")).hasMatch());

    const FindResult unknown = file.findPosts(QStringLiteral("Nope"), QStringLiteral("btnOk"));
    EXPECT_TRUE(unknown.isOneDimensional());
    EXPECT_EQ(unknown.at(1), QStringLiteral("-1"));
    EXPECT_EQ(unknown.at(0), QString());
    EXPECT_FALSE(unknown.hasMatch());
    try {
        unknown.at(1, 1);
        ADD_FAILURE() << "two indices on a one-dimensional result";
    } catch (const RuntimeError &e) {
        EXPECT_EQ(e.number(), ErrSubscript);
    }
}

TEST_F(DataFileRead, EmptySearchValueMatchesTheUnfilledSecondSlot)
{
    ASSERT_TRUE(readUtf16(QStringLiteral("[T]\r\nFieldName=A\r\n\r\n[0]\r\n   \r\n\r\n")));
    const FindResult r = file.findPosts(QStringLiteral("A"), QString());
    EXPECT_EQ(r.matchCount(), 2); // slot 0 (blank) and the empty slot 1
    EXPECT_EQ(r.at(1, 1), QStringLiteral("0"));
    EXPECT_EQ(r.at(1, 2), QString()); // an unfilled slot holds nothing, not its index
}

TEST_F(DataFileRead, FailedReadKeepsOldTableButReportsNoPosts)
{
    ASSERT_TRUE(readUtf16(Example));
    EXPECT_FALSE(readUtf16(QStringLiteral("not a table")));
    EXPECT_EQ(file.numOfPostsRead(), 0);
    EXPECT_FALSE(file.readOk());
}

TEST_F(DataFileRead, NothingReadYetIsASubscriptError)
{
    EXPECT_THROW(file.findPosts(QStringLiteral("A"), QStringLiteral("x")), RuntimeError);
    EXPECT_THROW(file.getPostPosField(0, QStringLiteral("A")), RuntimeError);
}

// Lines are found many units at a time; wherever a line end falls against those
// blocks, and whether the last line has an end, skipping and seeking agree with
// reading one line at a time.
TEST(TableLinesScan, BlocksAgreeWithLineByLine)
{
    for (int lengthSeed = 0; lengthSeed < 40; ++lengthSeed) {
        QString text;
        for (int line = 0; line < 12; ++line) {
            const int length = (lengthSeed * 7 + line * 5) % 23;
            text += (line % 4 == 3 ? QStringLiteral("[") : QString()) + QString(length, u'x')
                    + (line % 3 ? QStringLiteral("\r\n") : QStringLiteral("\n"));
        }
        if (lengthSeed % 2)
            text.chop(lengthSeed % 4 == 1 ? 1 : 2); // the last line without its end, or with a lone CR
        // Where each line starts, the plain way.
        QList<qsizetype> starts{0};
        for (qsizetype i = 0; i < text.size(); ++i)
            if (text[i] == u'\n' && i + 1 < text.size())
                starts << i + 1;
        for (qsizetype from = 0; from < starts.size(); ++from) {
            for (qsizetype count = 0; count <= starts.size() - from + 1; ++count) {
                haz::TableLines lines(text);
                lines.skipAtMost(from);
                ASSERT_EQ(lines.position(), starts[from]);
                const qsizetype skipped = lines.skipAtMost(count);
                const qsizetype expected = std::min<qsizetype>(count, starts.size() - from);
                ASSERT_EQ(skipped, expected) << "seed " << lengthSeed << " from " << from << " count " << count;
                ASSERT_EQ(lines.position(), from + skipped < starts.size() ? starts[from + skipped] : text.size());
            }
            haz::TableLines seek(text);
            seek.skipAtMost(from);
            qsizetype header = from;
            while (header < starts.size() && text[starts[header]] != u'[')
                ++header;
            ASSERT_EQ(seek.seekLineStartingWith(u'['), header < starts.size());
            ASSERT_EQ(seek.position(), header < starts.size() ? starts[header] : text.size());
        }
    }
}
