#include "Platform.h"
#include "TestEnvironment.h"

#include <QDir>
#include <QFileInfo>

#include <gtest/gtest.h>

using namespace haz;

TEST(Platform, FoldersComeFromTheTestEnvironment)
{
    haztest::TestEnvironment env;
    EXPECT_EQ(platform::installationFolder(), env.installFolder());
    const QString docs = platform::documentsFolder();
    EXPECT_TRUE(docs.startsWith(env.homeFolder()));
    EXPECT_TRUE(QFileInfo(docs).isDir());
}

TEST(Platform, FileNamesResolveWithoutRegardToLetterCase)
{
    haztest::TestEnvironment env;
    const QString real = env.writeInstallFile(QStringLiteral("Ini/ObjsTabs.ini"), "x");
    const QString asked = QDir(env.installFolder()).filePath(QStringLiteral("ini/objstabs.INI"));
    EXPECT_EQ(platform::resolveCaseInsensitive(asked), real);
    EXPECT_TRUE(platform::fileExists(asked));
    EXPECT_FALSE(platform::fileExists(QDir(env.installFolder()).filePath(QStringLiteral("ini/none.ini"))));
    EXPECT_FALSE(platform::fileExists(QDir(env.installFolder()).filePath(QStringLiteral("ini"))));
}

TEST(Platform, HiddenAttributeIsSetQueriedAndCleared)
{
    haztest::TestEnvironment env;
    const QString a = env.writeInstallFile(QStringLiteral("a.ini"), "x");
    const QString b = env.writeInstallFile(QStringLiteral("b.ini"), "x");
    EXPECT_FALSE(platform::isHidden(a));
    ASSERT_TRUE(platform::setHidden(a, true));
    ASSERT_TRUE(platform::setHidden(b, true));
    ASSERT_TRUE(platform::setHidden(a, true)); // listed once only
    EXPECT_TRUE(platform::isHidden(a));
    ASSERT_TRUE(platform::setHidden(a, false));
    EXPECT_FALSE(platform::isHidden(a));
    EXPECT_TRUE(platform::isHidden(b));
}

TEST(Platform, JoinPathPutsOneSlashBetween)
{
    EXPECT_EQ(platform::joinPath(QStringLiteral("/a/"), QStringLiteral("/b.ini")), QStringLiteral("/a/b.ini"));
    EXPECT_EQ(platform::joinPath(QStringLiteral("/a"), QStringLiteral("\\ini\\c.ini")), QStringLiteral("/a/ini/c.ini"));
}
