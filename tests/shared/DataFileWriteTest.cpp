#include "Platform.h"
#include "RuntimeError.h"
#include "TestEnvironment.h"
#include "clsDataFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

using namespace haz;
using haztest::readFile;

namespace {

class DataFileWrite : public ::testing::Test {
protected:
    // A table of `posts` posts with fields Name, Score, Note, built by the class itself.
    QString buildTable(int posts, bool eightBit, const QString &folder = {})
    {
        clsDataFile f;
        f.setNonUniCodeMode(eightBit);
        EXPECT_TRUE(f.createFileNHead(QStringLiteral("table.ini"), folder.isEmpty() ? env.documentsFolder() : folder,
                                      QStringLiteral("Users"), {"Name", "Score", "Note"}));
        for (int i = 0; i < posts; ++i)
            EXPECT_TRUE(f.savePost({QStringLiteral("user%1").arg(i), QString::number(i * 10), QStringLiteral("n%1").arg(i)}));
        EXPECT_TRUE(f.exitFileWrite());
        return QDir(folder.isEmpty() ? env.documentsFolder() : folder).filePath(QStringLiteral("table.ini"));
    }

    static QList<QByteArray> linesOf(const QByteArray &bytes) { return bytes.split('\n'); }

    // The lines that differ between two files of the same line count.
    static int differingLines(const QByteArray &a, const QByteArray &b)
    {
        const auto la = linesOf(a), lb = linesOf(b);
        if (la.size() != lb.size())
            return -1;
        int n = 0;
        for (qsizetype i = 0; i < la.size(); ++i)
            n += la[i] != lb[i];
        return n;
    }

    haztest::TestEnvironment env;
};

} // namespace

TEST_F(DataFileWrite, BuiltTableReadsBackIdenticallyInBothEncodings)
{
    for (bool eightBit : {false, true}) {
        const QString path = buildTable(3, eightBit);
        clsDataFile f;
        f.setNonUniCodeMode(eightBit);
        ASSERT_TRUE(f.readData(path));
        EXPECT_EQ(f.tableName(), QStringLiteral("Users"));
        EXPECT_EQ(f.fieldNames(), QStringList({"Name", "Score", "Note"}));
        EXPECT_EQ(f.numOfPostsRead(), 3);
        EXPECT_EQ(f.getPostPosField(2, QStringLiteral("Name")), QStringLiteral("user2"));
        EXPECT_EQ(f.getPostPosField(2, QStringLiteral("Score")), QStringLiteral("20"));
        EXPECT_EQ(f.getPostPosField(1, QStringLiteral("Note")), QStringLiteral("n1"));
        const QByteArray bytes = readFile(path);
        EXPECT_EQ(bytes.startsWith("\xFF\xFE"), !eightBit);
    }
}

TEST_F(DataFileWrite, LayoutIsTheDocumentedOne)
{
    clsDataFile f;
    f.setNonUniCodeMode(true);
    ASSERT_TRUE(f.createFileNHead(QStringLiteral("ex.ini"), env.documentsFolder(), QStringLiteral("Example"), {"UserName", "selTab"}));
    ASSERT_TRUE(f.savePost({"Anna", "3"}));
    ASSERT_TRUE(f.savePost({"Erik", "-1", "ignored"}));
    ASSERT_TRUE(f.exitFileWrite());
    EXPECT_EQ(readFile(QDir(env.documentsFolder()).filePath(QStringLiteral("ex.ini"))),
              QByteArray("[Example]\r\nFieldName=UserName\r\nFieldName=selTab\r\n\r\n\r\n[0]\r\nAnna\r\n3\r\n\r\n"
                         "\r\n\r\n[1]\r\nErik\r\n-1\r\n\r\n"));
}

TEST_F(DataFileWrite, CreateRefusesMissingPartsAndDefaultsToInstallFolder)
{
    clsDataFile f;
    EXPECT_FALSE(f.createFileNHead(QString(), QString(), QStringLiteral("T"), {"A"}));
    EXPECT_EQ(f.lastErrorText(), QStringLiteral("Felaktigt filnamn, tabellnamn, inga fält"));
    EXPECT_FALSE(f.createFileNHead(QStringLiteral("x.ini"), QString(), QStringLiteral("T"), {}));
    EXPECT_FALSE(f.createFileNHead(QStringLiteral("x.ini"), QString(), QString(), {"A"}));

    ASSERT_TRUE(f.createFileNHead(QStringLiteral("x.ini"), QString(), QStringLiteral("T"), {"A"}));
    EXPECT_TRUE(f.exitFileWrite());
    EXPECT_TRUE(QFileInfo::exists(QDir(env.installFolder()).filePath(QStringLiteral("x.ini"))));

    // A folder without a trailing separator still takes the file inside it.
    const QString sub = QDir(env.installFolder()).filePath(QStringLiteral("sub"));
    QDir().mkpath(sub);
    ASSERT_TRUE(f.createFileNHead(QStringLiteral("y.ini"), sub, QStringLiteral("T"), {"A"}));
    EXPECT_TRUE(f.exitFileWrite());
    EXPECT_TRUE(QFileInfo::exists(QDir(sub).filePath(QStringLiteral("y.ini"))));

    EXPECT_FALSE(f.createFileNHead(QStringLiteral("z.ini"), QStringLiteral("/nonexistent/dir"), QStringLiteral("T"), {"A"}));
    EXPECT_NE(f.lastErrorNumber(), 0);
}

TEST_F(DataFileWrite, SavePostChecksCountsStreamAndLineBreaks)
{
    clsDataFile f;
    EXPECT_FALSE(f.savePost({}));  // nothing open
    EXPECT_EQ(f.lastErrorNumber(), ErrObjectNotSet);
    EXPECT_FALSE(f.exitFileWrite());

    ASSERT_TRUE(f.createFileNHead(QStringLiteral("s.ini"), env.documentsFolder(), QStringLiteral("T"), {"A", "B"}));
    EXPECT_FALSE(f.savePost({"only one"}));
    EXPECT_EQ(f.lastErrorText(), QStringLiteral("Too few parameters"));
    EXPECT_FALSE(f.savePost({"a", "two\nlines"}));
    EXPECT_FALSE(f.savePost({"a\r", "b"}));
    EXPECT_TRUE(f.savePost({"a", "b"}));
    ASSERT_TRUE(f.exitFileWrite());

    clsDataFile r;
    ASSERT_TRUE(r.readData(QDir(env.documentsFolder()).filePath(QStringLiteral("s.ini"))));
    EXPECT_EQ(r.numOfPostsRead(), 1);
    EXPECT_EQ(r.getPostPosField(0, QStringLiteral("B")), QStringLiteral("b"));
}

TEST_F(DataFileWrite, AddPostNumbersByCountAndWritesOnlyDeclaredFields)
{
    const QString path = buildTable(3, true);
    clsDataFile f;
    f.setNonUniCodeMode(true);
    EXPECT_FALSE(f.addPost(path, {"too", "few"}));
    EXPECT_EQ(f.lastErrorText(), QStringLiteral("Too few parameters"));
    EXPECT_FALSE(f.addPost(path, {"bad\nname", "1", "2"}));
    ASSERT_TRUE(f.addPost(path, {"new", "1", "2", "extra"}));
    EXPECT_TRUE(readFile(path).contains("\r\n[3]\r\nnew\r\n1\r\n2\r\n\r\n"));
    EXPECT_FALSE(readFile(path).contains("extra"));
    EXPECT_FALSE(f.addPost(QDir(env.documentsFolder()).filePath(QStringLiteral("missing.ini")), {"a", "b", "c"}));

    clsDataFile r;
    r.setNonUniCodeMode(true);
    ASSERT_TRUE(r.readData(path));
    EXPECT_EQ(r.numOfPostsRead(), 4);
    EXPECT_EQ(r.getPostPosField(3, QStringLiteral("Name")), QStringLiteral("new"));
}

TEST_F(DataFileWrite, AddPostToUtf16FileKeepsItReadable)
{
    const QString path = buildTable(1, false);
    clsDataFile f;
    ASSERT_TRUE(f.addPost(path, {"Åsa", "5", "€"}));
    clsDataFile r;
    ASSERT_TRUE(r.readData(path));
    EXPECT_EQ(r.getPostPosField(1, QStringLiteral("Name")), QStringLiteral("Åsa"));
    EXPECT_EQ(r.getPostPosField(1, QStringLiteral("Note")), QStringLiteral("€"));
}

TEST_F(DataFileWrite, UpdateChangesExactlyOneLineAndHidesTheFile)
{
    for (bool eightBit : {true, false}) {
        const QString path = buildTable(2, eightBit);
        const QByteArray before = readFile(path);
        clsDataFile f;
        f.setNonUniCodeMode(eightBit);
        ASSERT_TRUE(f.UpdateFieldPost(path, QStringLiteral("Name"), 0, QStringLiteral("renamed")));
        const QByteArray after = readFile(path);
        if (eightBit) {
            EXPECT_EQ(differingLines(before, after), 1);
        } else {
            EXPECT_EQ(after.size(), before.size() + 2 * (7 - 5)); // "renamed" for "user0"
        }
        EXPECT_TRUE(platform::isHidden(path));
        EXPECT_FALSE(QFileInfo::exists(clsDataFile::temporaryFileFor(path)));

        clsDataFile r;
        r.setNonUniCodeMode(eightBit);
        ASSERT_TRUE(r.readData(path));
        EXPECT_EQ(r.getPostPosField(0, QStringLiteral("Name")), QStringLiteral("renamed"));
        EXPECT_EQ(r.getPostPosField(1, QStringLiteral("Name")), QStringLiteral("user1"));
    }
}

TEST_F(DataFileWrite, UpdateOfLastFieldKeepsClosingLineAndLaterPosts)
{
    const QString path = buildTable(3, true);
    const QByteArray before = readFile(path);
    clsDataFile f;
    f.setNonUniCodeMode(true);
    ASSERT_TRUE(f.UpdateFieldPost(path, QStringLiteral("note"), 1, QStringLiteral("changed")));
    QByteArray expected = before;
    expected.replace("n1\r\n", "changed\r\n");
    EXPECT_EQ(readFile(path), expected);
}

TEST_F(DataFileWrite, UpdateFindsPostByHeaderNumberAndKeepsForeignLineEnds)
{
    const QString path = QDir(env.documentsFolder()).filePath(QStringLiteral("lf.ini"));
    haztest::writeFile(path, "[T]\nFieldName=A\nFieldName=CurrentRum\n\n[5]\nx\n1\n\n[2]\ny\n2\n");
    clsDataFile f;
    f.setNonUniCodeMode(true);
    ASSERT_TRUE(f.UpdateFieldPost(path, QStringLiteral("currentRum"), 2, QStringLiteral("-1")));
    EXPECT_EQ(readFile(path), QByteArray("[T]\nFieldName=A\nFieldName=CurrentRum\n\n[5]\nx\n1\n\n[2]\ny\n-1\n"));
}

TEST_F(DataFileWrite, UpdateFailuresLeaveFileAndNoTemporaryBehind)
{
    const QString path = buildTable(2, true);
    const QByteArray before = readFile(path);
    clsDataFile f;
    f.setNonUniCodeMode(true);
    EXPECT_FALSE(f.UpdateFieldPost(path, QStringLiteral("Nope"), 0, QStringLiteral("x")));
    EXPECT_FALSE(f.UpdateFieldPost(path, QStringLiteral("Name"), 9, QStringLiteral("x")));
    EXPECT_FALSE(f.UpdateFieldPost(path, QStringLiteral("Name"), 0, QStringLiteral("two\r\nlines")));
    EXPECT_FALSE(f.lastErrorText().isEmpty());
    EXPECT_FALSE(f.UpdateFieldPost(QDir(env.documentsFolder()).filePath(QStringLiteral("none.ini")),
                                   QStringLiteral("Name"), 0, QStringLiteral("x")));
    EXPECT_EQ(readFile(path), before);
    EXPECT_FALSE(QFileInfo::exists(clsDataFile::temporaryFileFor(path)));

    // A file that ends inside the post being skipped.
    const QString cut = QDir(env.documentsFolder()).filePath(QStringLiteral("cut.ini"));
    haztest::writeFile(cut, "[T]\r\nFieldName=A\r\nFieldName=B\r\n\r\n[0]\r\nx");
    EXPECT_FALSE(f.UpdateFieldPost(cut, QStringLiteral("A"), 1, QStringLiteral("v")));
    EXPECT_EQ(readFile(cut), QByteArray("[T]\r\nFieldName=A\r\nFieldName=B\r\n\r\n[0]\r\nx"));
}

TEST_F(DataFileWrite, UpdateOfReadOnlyFileIsAnErrorAndChangesNothing)
{
    const QString path = buildTable(1, true);
    const QByteArray before = readFile(path);
    QFile::setPermissions(path, QFile::ReadOwner);
    clsDataFile f;
    f.setNonUniCodeMode(true);
    EXPECT_THROW(f.UpdateFieldPost(path, QStringLiteral("Name"), 0, QStringLiteral("x")), RuntimeError);
    EXPECT_THROW(f.addPost(path, {"a", "b", "c"}), RuntimeError);
    EXPECT_EQ(readFile(path), before);
    EXPECT_FALSE(QFileInfo::exists(clsDataFile::temporaryFileFor(path)));
}

TEST_F(DataFileWrite, UpdateOfAFieldMissingAtTheEndAppendsIt)
{
    const QString path = QDir(env.documentsFolder()).filePath(QStringLiteral("short.ini"));
    haztest::writeFile(path, "[T]\r\nFieldName=A\r\nFieldName=B\r\n\r\n[0]\r\nx");
    clsDataFile f;
    f.setNonUniCodeMode(true);
    ASSERT_TRUE(f.UpdateFieldPost(path, QStringLiteral("B"), 0, QStringLiteral("y")));
    clsDataFile r;
    r.setNonUniCodeMode(true);
    ASSERT_TRUE(r.readData(path));
    EXPECT_EQ(r.getPostPosField(0, QStringLiteral("A")), QStringLiteral("x"));
    EXPECT_EQ(r.getPostPosField(0, QStringLiteral("B")), QStringLiteral("y"));
}

TEST_F(DataFileWrite, Utf16FileCutInsideALineEndTakesNoStrayCharacterIntoItsLastValue)
{
    // The file ends inside the line end of the last post's last value: CR and half
    // of the LF. Whatever field is written, the last value reads as it was (or as
    // written), with nothing of the half character in it.
    for (const QString &field : {QStringLiteral("Score"), QStringLiteral("Note")}) {
        const QString path = buildTable(2, false);
        QByteArray bytes = readFile(path);
        QByteArray cut;
        for (const char c : QByteArrayView("n1\r\n"))
            cut.append(c).append('\0');
        ASSERT_TRUE(bytes.endsWith(cut + QByteArray("\r\0\n\0", 4)));
        bytes.chop(4 + 1); // the closing line and the LF's high byte
        haztest::writeFile(path, bytes);

        clsDataFile writer;
        ASSERT_TRUE(writer.UpdateFieldPost(path, field, 1, QStringLiteral("new")));
        clsDataFile reader;
        ASSERT_TRUE(reader.readData(path));
        ASSERT_EQ(reader.numOfPostsRead(), 2);
        EXPECT_EQ(reader.getPostPosField(1, QStringLiteral("Note")), field == "Note" ? "new" : "n1") << field.toStdString();
        EXPECT_EQ(reader.getPostPosField(1, QStringLiteral("Score")), field == "Score" ? "new" : "10") << field.toStdString();
        EXPECT_EQ(reader.getPostPosField(0, QStringLiteral("Note")), "n0");

        // A later update of the same post keeps reading the same.
        clsDataFile again;
        ASSERT_TRUE(again.UpdateFieldPost(path, QStringLiteral("Name"), 1, QStringLiteral("user1")));
        clsDataFile reread;
        ASSERT_TRUE(reread.readData(path));
        EXPECT_EQ(reread.getPostPosField(1, QStringLiteral("Note")), field == "Note" ? "new" : "n1") << field.toStdString();
        QFile::remove(path);
    }
}

TEST_F(DataFileWrite, UpdateOfAPostFoundByKeyReadsOnceAndWritesWhatFindAndUpdateWould)
{
    for (bool eightBit : {false, true}) {
        const QString path = buildTable(4, eightBit);
        const QString twoSteps = path + QStringLiteral(".two");
        // "user2 " with a trailing blank is found by "user2"; the first such post wins.
        clsDataFile names;
        names.setNonUniCodeMode(eightBit);
        ASSERT_TRUE(names.UpdateFieldPost(path, QStringLiteral("Name"), 2, QStringLiteral("user2 ")));
        ASSERT_TRUE(names.UpdateFieldPost(path, QStringLiteral("Name"), 3, QStringLiteral("user2")));
        QFile::remove(twoSteps);
        ASSERT_TRUE(QFile::copy(path, twoSteps));
        clsDataFile single;
        single.setNonUniCodeMode(eightBit);
        ASSERT_TRUE(single.UpdateFieldsPost(twoSteps, 2, {{"Note", "seen"}, {"Score", "7"}}).size() == 2);

        const quint64 readsBefore = clsDataFile::readsOf(path);
        clsDataFile f;
        f.setNonUniCodeMode(eightBit);
        clsDataFile::FoundPost seen;
        const auto written = f.UpdateFieldsOfPost(path, QStringLiteral("name"), QStringLiteral("user2"),
                                                  [&](const clsDataFile::FoundPost &post) {
                                                      seen = post;
                                                      return QList<clsDataFile::FieldValue>{{"Note", "seen"},
                                                                                            {"Score", "7"}};
                                                  });
        ASSERT_TRUE(written.has_value());
        EXPECT_EQ(*written, QList<bool>({true, true}));
        EXPECT_EQ(seen.slot, 2);
        EXPECT_EQ(seen.values, QStringList({"user2 ", "20", "n2"}));
        EXPECT_EQ(clsDataFile::readsOf(path), readsBefore + 1);
        EXPECT_EQ(readFile(path), readFile(twoSteps));

        // No such post, or an unknown key field: nothing is asked and nothing written.
        const QByteArray before = readFile(path);
        bool asked = false;
        const auto ask = [&](const clsDataFile::FoundPost &) {
            asked = true;
            return QList<clsDataFile::FieldValue>{{"Note", "x"}};
        };
        EXPECT_FALSE(f.UpdateFieldsOfPost(path, QStringLiteral("Name"), QStringLiteral("nobody"), ask));
        EXPECT_FALSE(f.UpdateFieldsOfPost(path, QStringLiteral("Age"), QStringLiteral("user1"), ask));
        EXPECT_FALSE(f.UpdateFieldsOfPost(path + QStringLiteral(".missing"), QStringLiteral("Name"),
                                          QStringLiteral("user1"), ask));
        EXPECT_FALSE(asked);
        // The post was found but nothing is to be written: the file stays as it was.
        const auto none = f.UpdateFieldsOfPost(path, QStringLiteral("Name"), QStringLiteral("user1"),
                                               [](const clsDataFile::FoundPost &) {
                                                   return QList<clsDataFile::FieldValue>();
                                               });
        ASSERT_TRUE(none.has_value());
        EXPECT_TRUE(none->isEmpty());
        EXPECT_EQ(readFile(path), before);
    }
}
