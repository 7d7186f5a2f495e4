// The learner's post is in the file as the learner goes, not only at exit: after each
// answer and each change of tab. A finished exam keeps its result across sittings
// until it is restarted; an unfinished one, even one whose program never reached its
// exit, starts again at the next sign-in.
#include "CourseTestFiles.h"
#include "TrainingProgramFixture.h"

#include "ProgressFile.h"
#include "TabUnit.h"
#include "clsDataFile.h"

#include <QAbstractButton>
#include <QLabel>
#include <QTabBar>
#include <QTabWidget>

using namespace training;
using trainingtest::installTable;
using trainingtest::questionListText;

namespace {

// Two ordinary questions without a clock; alternative 1 is right.
QString twoQuestions(const QString &list)
{
    return questionListText({{.heading = list + u'0', .text = QStringLiteral("Question")},
                             {.heading = list + u'1', .text = QStringLiteral("Question")}});
}

class ProgressKeptTest : public trainingtest::ProgramFixture {
protected:
    ProgressKeptTest()
    {
        for (const QString name : {"a.ini", "b.ini"})
            installTable(env, "ini/exam/" + name, twoQuestions("Exam " + name));
    }

    void startAndSignIn()
    {
        ASSERT_EQ(start(), TrainingProgram::StartResult::Started);
        signIn(QStringLiteral("Anna"));
        ASSERT_TRUE(main()->isVisible());
    }
    void answerExam(int alternative)
    {
        control<QAbstractButton>(QStringLiteral("examQuizAnsw(%1)").arg(alternative))->setChecked(true);
        click(QStringLiteral("examQuizAnswBtn"));
    }
    QString field(const QString &name) const
    {
        haz::clsDataFile file;
        file.setNonUniCodeMode(true);
        file.readData(progressFile());
        const auto slot = progress::findLearnerSlot(file, QStringLiteral("Anna"));
        return slot ? file.getPostPosField(*slot, name) : QStringLiteral("no post");
    }
    QString label(const QString &name) const { return control<QLabel>(name)->text(); }
};

TEST_F(ProgressKeptTest, AnswersAndTabChangesAreSavedAsTheyHappenAndAFinishedExamStays)
{
    startAndSignIn();
    clickTab(TabExam);
    EXPECT_EQ(field(QStringLiteral("selTab")), QString::number(TabExam));
    const QString list = field(QStringLiteral("examUseList"));
    answerExam(0);
    // In the file at once: a program killed now loses nothing answered.
    EXPECT_EQ(field(QStringLiteral("examQuizPos")), "1");
    EXPECT_EQ(field(QStringLiteral("examQuizCorr")), "1");
    answerExam(1);
    EXPECT_EQ(field(QStringLiteral("examQuizPos")), "2");
    EXPECT_EQ(field(QStringLiteral("examQuizCorr")), "1");

    // The finished exam outlives the exit and shows at the next sitting.
    main()->close();
    ASSERT_EQ(exitCode, std::optional<int>(0));
    EXPECT_EQ(field(QStringLiteral("examQuizPos")), "2");
    EXPECT_EQ(field(QStringLiteral("examUseList")), list);
    startAndSignIn();
    EXPECT_EQ(label(QStringLiteral("curLblExamDone")), "2");
    EXPECT_EQ(label(QStringLiteral("curLblExamCorr")), "1");
    main()->close();
    EXPECT_EQ(field(QStringLiteral("examQuizCorr")), "1");

    // Until the learner restarts it: then a new list, from its first question.
    startAndSignIn();
    clickTab(TabExam);
    click(QStringLiteral("examQuizRestartBtn"));
    EXPECT_EQ(field(QStringLiteral("examQuizPos")), "0");
    EXPECT_EQ(field(QStringLiteral("examQuizCorr")), "0");
    EXPECT_NE(field(QStringLiteral("examUseList")), list);
    EXPECT_TRUE(messages.texts().filter(QStringLiteral("Could not")).isEmpty()) << messages.texts().join(" | ").toStdString();
}

TEST_F(ProgressKeptTest, AnExamLeftUnfinishedByAProgramThatNeverExitedStartsAgain)
{
    startAndSignIn();
    clickTab(TabExam);
    const QString list = field(QStringLiteral("examUseList"));
    answerExam(0);
    EXPECT_EQ(field(QStringLiteral("examQuizPos")), "1");
    // The program ends without its exit, as a killed one would.
    program.reset();
    state.reset();

    startAndSignIn();
    EXPECT_EQ(label(QStringLiteral("curLblExamDone")), "0");
    EXPECT_EQ(field(QStringLiteral("examQuizPos")), "0");
    EXPECT_EQ(field(QStringLiteral("examQuizCorr")), "0");
    EXPECT_NE(field(QStringLiteral("examUseList")), list);
}

} // namespace
