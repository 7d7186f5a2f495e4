// Several processes change one large progress file at the same moment: two course
// programs saving two learners at exit, a scenario program saving a third learner's
// answer and a course program signing in a new learner. Round after round, nothing
// any of them wrote may be lost. A learner is signed in once at a time, from any
// process; and a save past the file-size limit is told, not a silent end.

#include "FileLock.h"
#include "ProgressLayout.h"
#include "SessionLock.h"
#include "TestEnvironment.h"
#include "clsDataFile.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QProcess>

#include <gtest/gtest.h>

#include <csignal>
#include <memory>

namespace {

constexpr int Learners = 20000;
constexpr int Rounds = 12;

class Worker {
public:
    explicit Worker(const QStringList &arguments)
    {
        m_process.setProgram(QStringLiteral(HAZ_PROGRESS_WORKER));
        m_process.setArguments(arguments);
        m_process.start();
    }
    ~Worker()
    {
        m_process.closeWriteChannel();
        if (!m_process.waitForFinished(30000))
            m_process.kill();
        m_process.waitForFinished();
    }

    // The next line it prints; empty when it ends first.
    QString line()
    {
        while (!m_process.canReadLine()) {
            if (m_process.state() == QProcess::NotRunning || !m_process.waitForReadyRead(60000)) {
                if (!m_process.canReadLine())
                    return m_process.readAll().trimmed();
            }
        }
        return QString::fromUtf8(m_process.readLine()).trimmed();
    }
    void go()
    {
        m_process.write("go\n");
        m_process.waitForBytesWritten(); // now, not when the test next waits on this one
    }
    // Every line up to its verdict ("OK" or "FAILED"), messages included.
    QStringList outcome()
    {
        QStringList lines;
        for (QString l = line(); !l.isEmpty(); l = line()) {
            lines << l;
            if (l == QLatin1String("OK") || l == QLatin1String("FAILED"))
                break;
        }
        return lines;
    }
    void release() { m_process.closeWriteChannel(); }
    QProcess &process() { return m_process; }

private:
    QProcess m_process;
};

class ConcurrentProgress : public ::testing::Test {
protected:
    ConcurrentProgress()
    {
        env.writeInstallFile(QStringLiteral("lang.ini"), "en\r\nEnglish\r\n");
        path = QDir(env.documentsFolder()).filePath(QStringLiteral("enprogress.ini"));
    }

    void buildFile(int learners)
    {
        haz::clsDataFile file;
        file.setNonUniCodeMode(true);
        ASSERT_TRUE(file.createFileNHead(QStringLiteral("enprogress.ini"), env.documentsFolder(),
                                         QStringLiteral("UserData"), haz::progress::fieldNames()));
        QStringList post;
        for (int f = 0; f < haz::progress::fieldNames().size(); ++f)
            post << QStringLiteral("-1");
        for (int i = 0; i < learners; ++i) {
            post[0] = QStringLiteral("Learner %1").arg(i);
            ASSERT_TRUE(file.savePost(post));
        }
        ASSERT_TRUE(file.exitFileWrite());
    }

    // Every learner's value of `field`, by name; a name found twice counts as lost.
    QHash<QString, QString> values(const QString &field)
    {
        haz::clsDataFile file;
        file.setNonUniCodeMode(true);
        EXPECT_TRUE(file.readData(path));
        QHash<QString, QString> byName;
        for (qint32 slot = 0; slot < file.numOfPostsRead(); ++slot) {
            const QString name = file.getPostPosField(slot, QStringLiteral("UserName"));
            byName.insert(byName.contains(name) ? QStringLiteral("twice: ") + name : name,
                          file.getPostPosField(slot, field));
        }
        return byName;
    }

    QStringList locks() const
    {
        return QDir(env.documentsFolder()).entryList({QStringLiteral(".*.lock"), QStringLiteral("*.session")},
                                                     QDir::Files | QDir::Hidden);
    }

    haztest::TestEnvironment env;
    QString path;
};

TEST_F(ConcurrentProgress, ProgramsChangingTheFileAtOnceLoseNothing)
{
    buildFile(Learners);
    for (int round = 1; round <= Rounds; ++round) {
        const QString value = QString::number(round);
        const QString newcomer = QStringLiteral("Newcomer %1").arg(round);
        std::vector<std::unique_ptr<Worker>> workers;
        workers.push_back(std::make_unique<Worker>(QStringList{"save", path, "Learner 0", value}));
        workers.push_back(std::make_unique<Worker>(QStringList{"save", path, "Learner 19999", value}));
        workers.push_back(std::make_unique<Worker>(QStringList{"answer", env.installFolder(), "Learner 7", value}));
        workers.push_back(std::make_unique<Worker>(QStringList{"signin", path, newcomer}));
        for (auto &w : workers)
            ASSERT_EQ(w->line(), "R") << w->process().readAllStandardError().toStdString();
        for (auto &w : workers)
            w->go();
        for (auto &w : workers)
            ASSERT_EQ(w->outcome().join(" | ").toStdString(), "OK") << "round " << round;
        workers.clear();

        const QHash<QString, QString> quiz = values(QStringLiteral("ideQuizPos"));
        EXPECT_EQ(quiz.value(QStringLiteral("Learner 0")), value) << "round " << round;
        EXPECT_EQ(quiz.value(QStringLiteral("Learner 19999")), value) << "round " << round;
        EXPECT_EQ(values(QStringLiteral("CurrentScore")).value(QStringLiteral("Learner 7")), value) << "round " << round;
        EXPECT_EQ(quiz.size(), Learners + round) << "round " << round;
        for (int earlier = 1; earlier <= round; ++earlier)
            EXPECT_TRUE(quiz.contains(QStringLiteral("Newcomer %1").arg(earlier))) << "round " << round;
    }
    EXPECT_EQ(locks(), QStringList());
}

TEST_F(ConcurrentProgress, ALearnerIsSignedInOnceAtATime)
{
    buildFile(3);
    const QString bob = QStringLiteral("Learner 1");
    const auto signIn = [&](Worker &w) {
        EXPECT_EQ(w.line(), "R");
        w.go();
        return w.outcome();
    };
    const auto join = [&] {
        Worker w({"join", path, bob});
        EXPECT_EQ(w.line(), "R");
        w.go();
        return w.line();
    };

    {
        Worker first({"signin", path, bob});
        ASSERT_EQ(signIn(first), QStringList{"OK"});
        // A second course program is refused in plain words; so is a scenario program
        // that the signed-in course program did not start.
        Worker second({"signin", path, bob});
        const QStringList refused = signIn(second);
        ASSERT_EQ(refused.size(), 2);
        EXPECT_TRUE(refused.at(0).contains("already signed in"));
        EXPECT_EQ(refused.at(1), "FAILED");
        EXPECT_EQ(join(), "InUse");
        // Another learner is not held up.
        Worker other({"signin", path, "Learner 2"});
        EXPECT_EQ(signIn(other), QStringList{"OK"});

        // Killed, the first frees the name at once.
        ::kill(pid_t(first.process().processId()), SIGKILL);
        first.process().waitForFinished();
    }
    Worker again({"signin", path, bob});
    EXPECT_EQ(signIn(again), QStringList{"OK"});
    again.release();
    again.process().waitForFinished();

    // The scenario program that the signed-in course program starts belongs to it.
    haz::SessionLock session(path, bob);
    ASSERT_EQ(session.claim(), haz::SessionLock::Claim::Held);
    EXPECT_EQ(join(), "OwnedByCaller");
    Worker third({"signin", path, bob});
    EXPECT_EQ(signIn(third).value(1), "FAILED");

    // A holder killed while making its lock file leaves it empty: it names nobody and
    // holds nobody up once it is older than that step.
    const QString carol = QStringLiteral("Learner 2");
    for (const QString &lock : {haz::SessionLock::pathFor(path, carol), haz::FileLock::lockPathFor(path)}) {
        QFile empty(lock);
        ASSERT_TRUE(empty.open(QIODevice::WriteOnly));
        empty.setFileTime(QDateTime::currentDateTime().addSecs(-10), QFileDevice::FileModificationTime);
    }
    Worker fourth({"signin", path, carol});
    EXPECT_EQ(signIn(fourth), QStringList{"OK"});
    Worker saver({"save", path, carol, "4"});
    EXPECT_EQ(saver.line(), "R");
    saver.go();
    EXPECT_EQ(saver.outcome(), QStringList{"OK"});
}

TEST_F(ConcurrentProgress, ASaveBeyondTheFileSizeLimitIsToldAndChangesNothing)
{
    buildFile(200);
    const QByteArray before = haztest::readFile(path);
    Worker w({"save", path, "Learner 3", "5", QString::number(before.size() / 2)});
    ASSERT_EQ(w.line(), "R");
    w.go();
    const QStringList lines = w.outcome();
    ASSERT_TRUE(w.process().waitForFinished());
    EXPECT_EQ(w.process().exitStatus(), QProcess::NormalExit);
    ASSERT_EQ(lines.size(), 2) << lines.join(" | ").toStdString();
    EXPECT_TRUE(lines.at(0).startsWith("M ") && lines.at(0).contains("disk may be full")) << lines.at(0).toStdString();
    EXPECT_EQ(lines.at(1), "FAILED");
    EXPECT_EQ(haztest::readFile(path), before);
    EXPECT_EQ(QDir(env.documentsFolder()).entryList({QStringLiteral(".~*")}, QDir::Files | QDir::Hidden), QStringList());
}

} // namespace
