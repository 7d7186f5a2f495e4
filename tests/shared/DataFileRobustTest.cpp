// The table store under a full disk, odd files and reuse of one object.
#include "Platform.h"
#include "RuntimeError.h"
#include "TestEnvironment.h"
#include "clsDataFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>

#include <gtest/gtest.h>

#include <unistd.h>

using namespace haz;
using haztest::readFile;
using haztest::writeFile;

namespace {

class DataFileRobust : public ::testing::Test {
protected:
    QString path(const QString &name) const { return QDir(env.documentsFolder()).filePath(name); }

    // Fields Name, Score, Note; posts user0, user1, ...
    QString buildTable(int posts)
    {
        clsDataFile f;
        f.setNonUniCodeMode(true);
        EXPECT_TRUE(f.createFileNHead(QStringLiteral("t.ini"), env.documentsFolder(), QStringLiteral("Users"),
                                      {"Name", "Score", "Note"}));
        for (int i = 0; i < posts; ++i)
            EXPECT_TRUE(f.savePost({QStringLiteral("user%1").arg(i), QString::number(i), QStringLiteral("n")}));
        EXPECT_TRUE(f.exitFileWrite());
        return path(QStringLiteral("t.ini"));
    }

    // Runs the worker; its exit code.
    static int worker(const QStringList &arguments)
    {
        QProcess p;
        p.start(QStringLiteral(HAZ_TABLE_WORKER), arguments);
        if (!p.waitForFinished(60000))
            return -1;
        return p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -2;
    }

    static QStringList names(const QString &file)
    {
        clsDataFile r;
        r.setNonUniCodeMode(true);
        if (!r.readData(file))
            return {QStringLiteral("<unreadable>")};
        QStringList out;
        for (qint32 slot = 0; slot < r.numOfPostsRead(); ++slot)
            out << r.getPostPosField(slot, QStringLiteral("Name"));
        return out;
    }

    haztest::TestEnvironment env;
};

} // namespace

TEST_F(DataFileRobust, FullDiskLeavesTheFileAsItWasAndSaysSo)
{
    const QString file = buildTable(2);
    const QByteArray before = readFile(file);
    const QString limit = QString::number(before.size() + 20); // room for part of a post
    EXPECT_EQ(worker({"add", file, "Torn", limit}), 2);
    EXPECT_EQ(worker({"add", file, "[Bracket", limit}), 2);
    EXPECT_EQ(worker({"update", file, "Note", "1", "a longer value than before", limit}), 2);
    EXPECT_EQ(readFile(file), before);
    EXPECT_EQ(QDir(env.documentsFolder()).entryList({"*~*"}, QDir::Files | QDir::Hidden), QStringList());

    // With room again, the next learner is added and found.
    EXPECT_EQ(worker({"add", file, "Next"}), 0);
    EXPECT_EQ(names(file), QStringList({"user0", "user1", "Next"}));
}

TEST_F(DataFileRobust, OneObjectStaysConsistentAcrossFilesOfOtherShapes)
{
    const QString small = path(QStringLiteral("one.ini"));
    writeFile(small, "[S]\r\nFieldName=A\r\n\r\n\r\n\r\n[0]\r\nx\r\n\r\n");
    QStringList fields, values;
    for (int i = 1; i <= 48; ++i) {
        fields << QStringLiteral("F%1").arg(i);
        values << QString::number(i);
    }
    clsDataFile builder;
    builder.setNonUniCodeMode(true);
    ASSERT_TRUE(builder.createFileNHead(QStringLiteral("wide.ini"), env.documentsFolder(), QStringLiteral("W"), fields));
    ASSERT_TRUE(builder.savePost(values));
    ASSERT_TRUE(builder.exitFileWrite());

    clsDataFile f;
    f.setNonUniCodeMode(true);
    ASSERT_TRUE(f.readData(small));
    ASSERT_TRUE(f.UpdateFieldPost(path(QStringLiteral("wide.ini")), QStringLiteral("F48"), 0, QStringLiteral("new")));
    // The old posts are gone with the old field list: nothing to read, nothing read wrongly.
    EXPECT_EQ(f.getPostPosField(0, QStringLiteral("F48")), QString());
    EXPECT_EQ(f.getPostPosField(0, QStringLiteral("F1")), QString());
    EXPECT_FALSE(f.findPosts(QStringLiteral("F48"), QStringLiteral("48")).hasMatch());
    EXPECT_EQ(f.numOfPostsRead(), 0);
    ASSERT_TRUE(f.readData(path(QStringLiteral("wide.ini"))));
    EXPECT_EQ(f.getPostPosField(0, QStringLiteral("F48")), QStringLiteral("new"));
    EXPECT_EQ(f.getPostPosField(0, QStringLiteral("F47")), QStringLiteral("47"));
}

TEST_F(DataFileRobust, PostTheFormatCannotNumberIsRefusedAndTheFileStaysReadable)
{
    QByteArray bytes("[U]\r\nFieldName=Name\r\n\r\n");
    for (int i = 0; i <= 32767; ++i)
        bytes += "\r\n\r\n[" + QByteArray::number(i) + "]\r\nu\r\n\r\n";
    const QString file = path(QStringLiteral("full.ini"));
    writeFile(file, bytes);
    clsDataFile f;
    f.setNonUniCodeMode(true);
    EXPECT_FALSE(f.addPost(file, {"one too many"}));
    EXPECT_EQ(f.lastErrorNumber(), ErrOverflow);
    EXPECT_TRUE(f.lastErrorText().contains(QLatin1String("32768")));
    EXPECT_EQ(readFile(file), bytes);
    clsDataFile r;
    r.setNonUniCodeMode(true);
    ASSERT_TRUE(r.readData(file));
    EXPECT_EQ(r.numOfPostsRead(), 32768);
}

TEST_F(DataFileRobust, UpdateThroughALinkChangesTheFileItPointsTo)
{
    const QString target = buildTable(2);
    const QString elsewhere = QDir(env.homeFolder()).filePath(QStringLiteral("kept.ini"));
    ASSERT_TRUE(QFile::rename(target, elsewhere));
    const QString link = path(QStringLiteral("link.ini"));
    ASSERT_TRUE(QFile::link(elsewhere, link));
    clsDataFile f;
    f.setNonUniCodeMode(true);
    ASSERT_TRUE(f.UpdateFieldPost(link, QStringLiteral("Score"), 1, QStringLiteral("99")));
    ASSERT_TRUE(f.addPost(link, {"added", "1", "2"}));
    EXPECT_TRUE(QFileInfo(link).isSymLink());
    EXPECT_TRUE(readFile(elsewhere).contains("\r\n[1]\r\nuser1\r\n99\r\n"));
    EXPECT_EQ(names(link), QStringList({"user0", "user1", "added"}));
    EXPECT_TRUE(QDir(env.homeFolder()).entryList({"*~*"}, QDir::Files | QDir::Hidden).isEmpty());
}

TEST_F(DataFileRobust, Utf16FileOfOddLengthGetsWholeCharactersAppended)
{
    const QString file = path(QStringLiteral("odd.ini"));
    writeFile(file, haztest::utf16(QStringLiteral("[T]\r\nFieldName=A\r\nFieldName=B\r\n\r\n[0]\r\nx")) + "y");
    clsDataFile f;
    ASSERT_TRUE(f.UpdateFieldPost(file, QStringLiteral("B"), 0, QStringLiteral("åtta")));
    clsDataFile r;
    ASSERT_TRUE(r.readData(file));
    EXPECT_EQ(r.getPostPosField(0, QStringLiteral("B")), QStringLiteral("åtta"));
    EXPECT_TRUE(r.getPostPosField(0, QStringLiteral("A")).startsWith(u'x'));
    EXPECT_EQ(readFile(file).size() % 2, 0);
}

TEST_F(DataFileRobust, FileBeyondThirtyTwoBitPositionsIsUnreadable)
{
    // A sparse file: a table whose second post starts past 2^31 bytes.
    const QString file = path(QStringLiteral("huge.ini"));
    const QByteArray head("[T]\r\nFieldName=A\r\n\r\n[0]\r\nfirst\r\n");
    QFile out(file);
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    ASSERT_EQ(out.write(head), head.size());
    ASSERT_TRUE(out.seek(qint64(1) << 31));
    ASSERT_GT(out.write("\r\n[1]\r\nsecond\r\n"), 0);
    out.close();

    clsDataFile f;
    f.setNonUniCodeMode(true);
    EXPECT_FALSE(f.readData(file));
    EXPECT_FALSE(f.lastErrorText().isEmpty());
    EXPECT_THROW(f.UpdateFieldPost(file, QStringLiteral("A"), 0, QStringLiteral("x")), RuntimeError);
    EXPECT_THROW(f.addPost(file, {"x"}), RuntimeError);
    EXPECT_EQ(QFileInfo(file).size(), (qint64(1) << 31) + 15);
}

TEST_F(DataFileRobust, TemporaryFilesAreHiddenAndThoseOfEndedProcessesRemoved)
{
    const QString file = buildTable(1);
    EXPECT_TRUE(QFileInfo(clsDataFile::temporaryFileFor(file)).fileName().startsWith(u'.'));

    const QString deadPid = QStringLiteral("999999999"); // above any process number
    const QStringList stale{"~" + deadPid + ".ini", ".~" + deadPid + ".ini"};
    const QString alive = ".~" + QString::number(::getppid()) + ".ini";
    for (const QString &name : stale + QStringList{alive, "~notes.ini"})
        writeFile(path(name), "x");

    clsDataFile f;
    f.setNonUniCodeMode(true);
    ASSERT_TRUE(f.UpdateFieldPost(file, QStringLiteral("Note"), 0, QStringLiteral("m")));
    const QStringList left = QDir(env.documentsFolder()).entryList({"*~*"}, QDir::Files | QDir::Hidden);
    EXPECT_EQ(left, QStringList({alive, "~notes.ini"}));
}

TEST_F(DataFileRobust, SeveralFieldsInOneRewriteEqualOneUpdateAfterTheOther)
{
    const QList<clsDataFile::FieldValue> fields{{"Score", "7"}, {"Nope", "x"}, {"note", "åäö"},
                                                {"Name", "two\nlines"}, {"Score", "8"}};
    // A whole post, and a post cut short by the end of the file.
    for (const QByteArray &start : {QByteArray(), QByteArray("\r\n\r\n[5]\r\ncut")}) {
        const QString one = buildTable(3);
        writeFile(one, readFile(one) + start);
        const QString other = path(QStringLiteral("other.ini"));
        writeFile(other, readFile(one));
        const qint32 post = start.isEmpty() ? 1 : 5;

        clsDataFile single;
        single.setNonUniCodeMode(true);
        QList<bool> expected;
        for (const auto &[field, value] : fields)
            expected << single.UpdateFieldPost(one, field, post, value);
        clsDataFile batch;
        batch.setNonUniCodeMode(true);
        EXPECT_EQ(batch.UpdateFieldsPost(other, post, fields), expected);
        EXPECT_EQ(readFile(other), readFile(one));
        EXPECT_TRUE(platform::isHidden(other));
        EXPECT_EQ(batch.UpdateFieldsPost(other, 9, fields), QList<bool>(fields.size(), false));
    }
}
