// The course program, with its real windows in a process of its own, is killed while
// the learner answers quiz questions. Every answer it reported as given must be in
// the progress file; at most the question on screen is lost, and no other learner's
// post changes.
#include "ProgressFile.h"
#include "TestEnvironment.h"
#include "clsDataFile.h"

#include <QProcess>
#include <QRandomGenerator>

#include <gtest/gtest.h>

#include <csignal>

namespace {

constexpr int Kills = 8;

QHash<QString, QString> answeredByLearner(const QString &path)
{
    haz::clsDataFile file;
    file.setNonUniCodeMode(true);
    EXPECT_TRUE(file.readData(path));
    QHash<QString, QString> answered;
    for (qint32 slot = 0; slot < file.numOfPostsRead(); ++slot)
        answered.insert(file.getPostPosField(slot, QStringLiteral("UserName")),
                        file.getPostPosField(slot, QStringLiteral("hazQuizPos")));
    return answered;
}

TEST(KilledCourse, KeepsEveryAnswerItGaveButTheOneOnScreen)
{
    haztest::TestEnvironment env;
    const QString path = env.documentsFolder() + QStringLiteral("/enHazCourseUsers.ini");
    QRandomGenerator random(20261208);
    QHash<QString, QString> expected;
    for (int kill = 0; kill < Kills; ++kill) {
        const QString learner = QStringLiteral("Kim %1").arg(kill);
        QProcess course;
        course.start(QStringLiteral(HAZ_COURSE_WORKER), {QStringLiteral(HAZ_COURSE_INSTALL_DIR), learner});
        ASSERT_TRUE(course.waitForStarted());
        QStringList lines;
        const int answers = int(random.bounded(1, 10));
        while (lines.size() < answers + 1) {
            if (!course.canReadLine() && !course.waitForReadyRead(30000))
                break;
            while (course.canReadLine())
                lines << QString::fromUtf8(course.readLine()).trimmed();
        }
        ASSERT_EQ(lines.value(0), "S") << course.readAllStandardError().toStdString();
        ::kill(pid_t(course.processId()), SIGKILL);
        ASSERT_TRUE(course.waitForFinished());
        while (course.canReadLine())
            lines << QString::fromUtf8(course.readLine()).trimmed();

        const int reported = lines.last().section(u' ', 1, 1).toInt();
        const QHash<QString, QString> answered = answeredByLearner(path);
        const int kept = answered.value(learner).toInt();
        EXPECT_TRUE(kept == reported || kept == reported + 1)
            << "kill " << kill << ": reported " << reported << ", kept " << kept;
        for (auto it = expected.cbegin(); it != expected.cend(); ++it)
            EXPECT_EQ(answered.value(it.key()), it.value()) << it.key().toStdString();
        expected.insert(learner, answered.value(learner));
    }
}

} // namespace
