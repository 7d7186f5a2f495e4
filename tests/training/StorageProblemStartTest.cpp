// Start-up when the progress cannot be kept: the learner is told which folder or file
// is the problem before signing in, and nothing is written outside the documents folder.
#include "TrainingProgramFixture.h"

#include <QFileInfo>

#include <sys/stat.h>

namespace {

using trainingtest::ProgramFixture;
using Result = training::TrainingProgram::StartResult;

class StorageProblemStart : public ProgramFixture {
protected:
    // Starts the program and expects it to stop with one message that names `what`.
    void expectRefusedNaming(const QString &what)
    {
        messages.clear();
        EXPECT_EQ(start(), Result::Failed);
        ASSERT_EQ(messages.shown().size(), 1);
        EXPECT_EQ(messages.shown().first().title, QStringLiteral("Main"));
        EXPECT_TRUE(messages.shown().first().text.contains(what)) << messages.shown().first().text.toStdString();
        EXPECT_FALSE(program->userChoose()->isVisible());
    }
};

} // namespace

TEST_F(StorageProblemStart, DocumentsFolderUnknownUnmadeOrUnwritable)
{
    const bool rootDocumentsBefore = QFileInfo::exists(QStringLiteral("/Documents"));
    const QByteArray home = qgetenv("HOME");
    qunsetenv("HOME");
    expectRefusedNaming(QStringLiteral("HOME"));
    EXPECT_EQ(QFileInfo::exists(QStringLiteral("/Documents")), rootDocumentsBefore);
    qputenv("HOME", home);

    const QString documents = QDir(env.homeFolder()).filePath(QStringLiteral("Documents"));
    QDir(documents).removeRecursively();
    haztest::writeFile(documents, "not a folder");
    expectRefusedNaming(documents);
    QFile::remove(documents);

    // A folder nobody may create files in, not even the super-user.
    ASSERT_TRUE(QFile::link(QStringLiteral("/proc"), documents));
    expectRefusedNaming(documents);
    QFile::remove(documents);

    messages.clear();
    EXPECT_EQ(start(), Result::Started);
}

TEST_F(StorageProblemStart, ProgressFileThatIsNoOrdinaryFile)
{
    ASSERT_EQ(start(), Result::Started);
    const QString file = progressFile();
    ASSERT_TRUE(QFile::remove(file));

    ASSERT_TRUE(QDir().mkpath(file));
    expectRefusedNaming(file);
    ASSERT_TRUE(QDir(file).removeRecursively());

    ASSERT_EQ(::mkfifo(QFile::encodeName(file).constData(), 0600), 0);
    expectRefusedNaming(file);
    ASSERT_TRUE(QFile::remove(file));

    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/null"), file));
    expectRefusedNaming(file);
    ASSERT_TRUE(QFile::remove(file));

    messages.clear();
    EXPECT_EQ(start(), Result::Started);
    EXPECT_TRUE(QFileInfo(file).isFile());
}
