#include "FactList.h"
#include "QuizList.h"
#include "RuntimeError.h"
#include "TestEnvironment.h"

#include <gtest/gtest.h>

using namespace training;

namespace {

QString factFile(const QStringList &posts)
{
    QString text = QStringLiteral("[Fakta]\r\nFieldName=FaktText\r\nFieldName=Bookmark\r\n\r\n");
    for (int i = 0; i < posts.size(); ++i)
        text += QStringLiteral("\r\n[%1]\r\n%2\r\n\r\n").arg(i).arg(posts[i]);
    return text;
}

// A quiz file header with every field; `posts` hold their 39 values joined by "|".
QString quizFile(const QStringList &posts)
{
    QStringList fields{"FrgHead", "FrgText", "FrgBild"};
    for (int a = 1; a <= 15; ++a)
        fields << QStringLiteral("Svar%1Txt").arg(a);
    for (int a = 1; a <= 15; ++a)
        fields << QStringLiteral("Svar%1R").arg(a);
    fields << "SvarKom" << "InfoLink" << "InfoWidth" << "InfoHeight" << "Time";
    QString text = QStringLiteral("[Quiz]\r\n");
    for (const QString &f : fields)
        text += QStringLiteral("FieldName=") + f + QStringLiteral("\r\n");
    for (int i = 0; i < posts.size(); ++i)
        text += QStringLiteral("\r\n\r\n[%1]\r\n").arg(i) + posts[i].split(u'|').join(QStringLiteral("\r\n")) + QStringLiteral("\r\n\r\n");
    return text;
}

// One question's values: alternatives and flags as given, the rest filled in.
QString question(const QString &head, const QStringList &alternatives, const QStringList &flags,
                 const QString &infoWidth = QStringLiteral("0"), const QString &time = QStringLiteral("30"))
{
    QStringList v{head, QStringLiteral("Line one<br>line two"), QString()};
    for (int a = 0; a < 15; ++a)
        v << alternatives.value(a);
    for (int a = 0; a < 15; ++a)
        v << flags.value(a, QStringLiteral("False"));
    v << QStringLiteral("Because.") << QStringLiteral("info.htm") << infoWidth << QStringLiteral("200") << time;
    return v.join(u'|');
}

} // namespace

TEST(FactList, TitlesAreFiftyCharactersAndPagesAsStored)
{
    haztest::TestEnvironment env;
    const QString longTitle(60, u'x');
    const QString path = env.writeInstallFile(QStringLiteral("ini/Hazardfact.ini"),
        haztest::utf16(factFile({QStringLiteral("  Short title  \r\nintro.htm "), longTitle + QStringLiteral("\r\nlong.htm")})));
    QList<FactEntry> list;
    qint32 count = 0;
    haz::LastError error;
    ASSERT_TRUE(readFactList(list, count, path, error));
    ASSERT_EQ(count, 2);
    EXPECT_EQ(list[0].title, QStringLiteral("Short title").leftJustified(50));
    EXPECT_EQ(list[0].page, QStringLiteral("intro.htm ")); // not trimmed
    EXPECT_EQ(list[1].title, QString(50, u'x'));
}

TEST(FactList, UnreadableOrEmptyFilesLeaveTheListEmpty)
{
    haztest::TestEnvironment env;
    QList<FactEntry> list;
    qint32 count = 0;
    haz::LastError error;
    EXPECT_FALSE(readFactList(list, count, env.installFolder() + QStringLiteral("/ini/none.ini"), error));
    const QString empty = env.writeInstallFile(QStringLiteral("ini/e.ini"), haztest::utf16(factFile({})));
    EXPECT_FALSE(readFactList(list, count, empty, error));
    EXPECT_NE(error.number, 0);
    EXPECT_TRUE(list.isEmpty());
    EXPECT_EQ(count, 0);
}

TEST(QuizList, ReadsEveryFieldWithItsConversion)
{
    haztest::TestEnvironment env;
    const QString path = env.writeInstallFile(QStringLiteral("ini/Hazard.ini"), haztest::utf16(quizFile({
        question(QStringLiteral("Q1"), {"a", "b", "", "d"}, {"-1", "0", "False", "1"}, QStringLiteral("abc")),
        question(QStringLiteral("Q2"), {"x"}, {"true"}, QStringLiteral("400")),
    })));
    QList<QuizQuestion> list;
    qint32 count = 0;
    haz::LastError error{QStringLiteral("old"), 5};
    ASSERT_TRUE(readQuizList(list, count, path, error));
    EXPECT_EQ(error.number, 0);
    ASSERT_EQ(count, 2);
    ASSERT_EQ(list.size(), 3); // one spare entry
    const QuizQuestion &q = list[0];
    EXPECT_EQ(q.FrgText, QStringLiteral("Line one<br>line two"));
    EXPECT_TRUE(q.SvarTxt[2].isEmpty());
    EXPECT_EQ(q.SvarTxt[3], QStringLiteral("d")); // alternative 4 stays in place 4
    EXPECT_TRUE(q.SvarR[0]);
    EXPECT_FALSE(q.SvarR[1]);
    EXPECT_TRUE(q.SvarR[3]);
    EXPECT_EQ(q.InfoWidth, 0); // "abc" counts as 0
    EXPECT_EQ(q.InfoHeight, 200);
    EXPECT_EQ(q.Time, 30);
    EXPECT_EQ(list[1].InfoWidth, 400);
    EXPECT_EQ(list[1].SvarKom, QStringLiteral("Because."));
}

TEST(QuizList, BadValueStopsReadingButKeepsCountAndFilledFields)
{
    haztest::TestEnvironment env;
    const QString path = env.writeInstallFile(QStringLiteral("ini/Bad.ini"), haztest::utf16(quizFile({
        question(QStringLiteral("Q1"), {"a"}, {"True"}),
        question(QStringLiteral("Q2"), {"a", "b", "c"}, {"True", "False", "maybe"}),
        question(QStringLiteral("Q3"), {"a"}, {"True"}),
    })));
    QList<QuizQuestion> list;
    qint32 count = 0;
    haz::LastError error;
    EXPECT_FALSE(readQuizList(list, count, path, error));
    EXPECT_EQ(error.number, haz::ErrTypeMismatch);
    EXPECT_EQ(count, 3);
    ASSERT_EQ(list.size(), 4);
    EXPECT_EQ(list[0].Time, 30);
    EXPECT_EQ(list[1].SvarTxt[2], QStringLiteral("c")); // texts come before the flags
    EXPECT_TRUE(list[1].SvarR[0]);
    EXPECT_TRUE(list[1].SvarKom.isEmpty()); // after the failing field
    EXPECT_TRUE(list[2].FrgHead.isEmpty());

    // Size wishes beyond 16 bits fail the same way; a missing file changes nothing.
    const QString big = env.writeInstallFile(QStringLiteral("ini/Big.ini"),
        haztest::utf16(quizFile({question(QStringLiteral("Q"), {"a"}, {"1"}, QStringLiteral("32768"))})));
    EXPECT_FALSE(readQuizList(list, count, big, error));
    EXPECT_EQ(error.number, haz::ErrOverflow);
    qint32 before = count;
    EXPECT_FALSE(readQuizList(list, count, env.installFolder() + QStringLiteral("/ini/none.ini"), error));
    EXPECT_EQ(count, before);
    EXPECT_EQ(error.number, 0) << "the overflow of the file before is not this file's failure";
}
