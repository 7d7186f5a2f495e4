// The encoded sample course's exercise and exam folders: every list reads, is long
// enough, names only pictures and pages that exist, mixes ordinary, picture, info
// and scenario questions, and the exam has timed and untimed questions. The exam links
// no info page: the course's pages hold the answers an exam question asks for.
#include "ExamLists.h"
#include "RuntimeError.h"

#include <QDir>

#include <gtest/gtest.h>

using namespace training;

namespace {

void checkFolder(const QString &folder, bool exam)
{
    const QString install = QStringLiteral(HAZ_COURSE_INSTALL_DIR);
    const QDir dir(install + QStringLiteral("/ini/") + folder);
    const QStringList files = dir.entryList(QDir::Files, QDir::Name);
    ASSERT_GE(files.size(), 3) << folder.toStdString();
    const QStringList pictures = QDir(install + QStringLiteral("/data/images")).entryList(QDir::Files);
    const QStringList pages = QDir(install + QStringLiteral("/data/html")).entryList(QDir::Files);
    for (qint32 use = 0; use < files.size(); ++use) {
        SCOPED_TRACE(files.at(use).toStdString());
        QuestionSet set{folder, files, {}, 0};
        haz::LastError lastError;
        qint32 number = use;
        loadQuestionList(set, install + QStringLiteral("/ini"), number, lastError);
        EXPECT_EQ(lastError.number, 0) << lastError.description.toStdString();
        ASSERT_GE(set.count, 10);
        int scenarios = 0, withPicture = 0, withLink = 0, timed = 0, untimed = 0;
        for (qint32 i = 0; i < set.count; ++i) {
            const QuizQuestion &q = set.list.at(i);
            EXPECT_FALSE(q.FrgHead.isEmpty());
            if (!q.FrgBild.isEmpty()) {
                ++withPicture;
                EXPECT_TRUE(pictures.contains(q.FrgBild)) << q.FrgBild.toStdString();
            }
            if (!q.InfoLink.isEmpty()) {
                ++withLink;
                EXPECT_TRUE(pages.contains(q.InfoLink)) << q.InfoLink.toStdString();
            }
            if (const auto id = scenarioOfQuestion(q)) {
                ++scenarios;
                EXPECT_TRUE(*id >= 1 && *id <= 3);
                continue;
            }
            EXPECT_TRUE(std::count(q.SvarR.begin(), q.SvarR.end(), true) >= 1) << q.FrgHead.toStdString();
            (q.Time > 0 ? timed : untimed)++;
        }
        EXPECT_GE(scenarios, 1);
        EXPECT_GE(withPicture, 3);
        if (exam) {
            EXPECT_EQ(withLink, 0);
            EXPECT_GT(timed, 0);
            EXPECT_GT(untimed, 0);
        } else {
            EXPECT_GE(withLink, 5);
        }
    }
}

TEST(SampleQuestionSets, ExerciseAndExamListsAreCompleteAndLinked)
{
    checkFolder(QStringLiteral("excer"), false);
    checkFolder(QStringLiteral("exam"), true);
}

} // namespace
