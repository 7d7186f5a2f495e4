// Course files that are there but are not what they should be, and learner names that
// only look like another: the author is told which file and why, the learner's saved
// counts stay, and nobody gets a second, invisible name.
#include "CourseTestFiles.h"
#include "TrainingProgramFixture.h"

#include "QuizFamily.h"
#include "QuizList.h"
#include "RuntimeError.h"
#include "clsDataFile.h"

#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTextEdit>

using namespace training;
using trainingtest::installTable;

namespace {

class CourseFileProblemTest : public trainingtest::ProgramFixture {
protected:
    void writeLearner(const QString &name, const QHash<QString, QString> &fields)
    {
        haztest::writeFile(progressFile(), haztest::ansi(trainingtest::progressFileText(name, fields)));
    }
    QStringList storedNames() const
    {
        haz::clsDataFile file;
        file.setNonUniCodeMode(true);
        EXPECT_TRUE(file.readData(progressFile()));
        QStringList names;
        for (int post = 0; post < file.numOfPostsRead(); ++post)
            names << file.getPostPosField(post, QStringLiteral("UserName"));
        return names;
    }
    QString savedField(const QString &name) const
    {
        haz::clsDataFile file;
        file.setNonUniCodeMode(true);
        EXPECT_TRUE(file.readData(progressFile()));
        return file.getPostPosField(0, name);
    }
};

TEST_F(CourseFileProblemTest, BinaryListFilesAreNamedAndTheQuizRestartKeepsTheSavedCounts)
{
    static const char png[] = "\x89PNG\r\n\x1a\n\x00\x00\x00\rIHDR\x00\x01";
    const QByteArray binary(png, sizeof png - 1);
    env.writeInstallFile("ini/Ident.ini", binary);
    env.writeInstallFile("ini/Identfact.ini", binary);
    ASSERT_EQ(start(), TrainingProgram::StartResult::Started);
    ASSERT_EQ(messages.shown().size(), 1) << messages.texts().join(" | ").toStdString();
    const QString told = messages.shown().at(0).text;
    EXPECT_EQ(messages.shown().at(0).icon, haz::MessageIcon::Warning);
    for (const char *part : {"ini/Ident.ini: it is not a table file", "ini/Identfact.ini: it is not a table file"})
        EXPECT_TRUE(told.contains(part)) << part << " in " << told.toStdString();

    writeLearner("Anna", {{"ideQuizPos", "4"}, {"ideQuizCorr", "3"}, {"quizOrFact", "False"}});
    messages.clear();
    signIn("Anna");
    ASSERT_TRUE(main()->isVisible());
    QTabBar *bar = main()->tabMain()->tabBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(TabIde).center());
    main()->findChild<QRadioButton *>("ideOpt(1)")->click();
    const QString text = main()->findChild<QTextEdit *>("ideQuizText")->toPlainText();
    EXPECT_TRUE(text.contains("ini/Ident.ini")) << text.toStdString();
    auto *restart = main()->findChild<QAbstractButton *>(quizMember("ide")->restartButton());
    ASSERT_TRUE(restart);
    EXPECT_FALSE(restart->isVisible());
    restart->click(); // however it is reached, it wipes nothing
    ASSERT_EQ(messages.shown().size(), 1) << messages.texts().join(" | ").toStdString();
    EXPECT_TRUE(messages.shown().at(0).text.contains("ini/Ident.ini"));

    main()->close();
    ASSERT_EQ(exitCode, std::optional<int>(0));
    EXPECT_EQ(savedField("ideQuizPos"), "4");
    EXPECT_EQ(savedField("ideQuizCorr"), "3");
}

TEST_F(CourseFileProblemTest, AValueThatWillNotDoIsNamedWithItsQuestionAndField)
{
    const QString path = env.installFolder() + "/ini/Phys.ini";
    installTable(env, "ini/Phys.ini", trainingtest::questionListText({{"One"}, {"Two", "-", "soon"}, {"Three"}}));
    QList<QuizQuestion> list;
    qint32 count = 0;
    haz::LastError lastError;
    QString problem;
    EXPECT_FALSE(readQuizList(list, count, path, lastError, &problem));
    EXPECT_EQ(problem, "question 2 has a Time that will not do (Type mismatch); the questions from there on "
                       "are left empty");
    EXPECT_EQ(list.at(0).FrgHead, "One");

    // Start-up names the file with the question and the field.
    ASSERT_EQ(start(), TrainingProgram::StartResult::Started);
    ASSERT_EQ(messages.shown().size(), 1);
    EXPECT_TRUE(messages.shown().at(0).text.contains("ini/Phys.ini: question 2 has a Time"));
}

TEST_F(CourseFileProblemTest, ANameThatDiffersOnlyByInvisibleSpacesIsTheSameLearner)
{
    ASSERT_EQ(start(), TrainingProgram::StartResult::Started);
    writeLearner("Anna Berg", {});
    signIn(QStringLiteral("Anna\u00a0Berg\u00a0"));
    ASSERT_TRUE(main()->isVisible()) << messages.texts().join(" | ").toStdString();
    EXPECT_EQ(state->learner.currentUser, "Anna Berg");
    EXPECT_FALSE(state->learner.isNewUser);
    EXPECT_EQ(storedNames(), QStringList{"Anna Berg"});

    // Invisible characters inside a name are refused outright.
    ASSERT_EQ(start(), TrainingProgram::StartResult::Started);
    messages.clear();
    signIn(QStringLiteral("Anna\u200bBerg"));
    EXPECT_FALSE(main()->isVisible());
    ASSERT_EQ(messages.shown().size(), 1);
    EXPECT_EQ(storedNames(), QStringList{"Anna Berg"});
}

} // namespace
