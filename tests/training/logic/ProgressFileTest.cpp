// The learners' progress file: template, learners, reading a learner's post back,
// saving it field by field, and a file of the wrong shape.
#include "../CourseSources.h"
#include "TestEnvironment.h"
#include "MessageService.h"
#include "Platform.h"

#include "ProgressFile.h"
#include "RuntimeError.h"
#include "clsDataFile.h"

#include <QDateTime>
#include <QFileInfo>

using namespace training;
using trainingtest::sourceText;

namespace {

class ProgressFileTest : public ::testing::Test {
protected:
    ProgressFileTest()
    {
        templatePath = env.writeInstallFile(QStringLiteral("user.ini"), haztest::ansi(sourceText(QStringLiteral("user.ini"))));
        userFile = haz::platform::joinPath(env.documentsFolder(), QStringLiteral("enHazCourseUsers.ini"));
    }

    QStringList lines() const { return QString::fromLatin1(haztest::readFile(userFile)).split(QStringLiteral("\r\n")); }

    QString field(const QString &name, const QString &learner) const
    {
        haz::clsDataFile file;
        file.setNonUniCodeMode(true);
        EXPECT_TRUE(file.readData(userFile));
        const auto slot = progress::findLearnerSlot(file, learner);
        return slot ? file.getPostPosField(*slot, name) : QStringLiteral("<no post>");
    }

    // A progress file whose header declares `fields` fields.
    void writeFileWithFields(int fields)
    {
        QString text = QStringLiteral("[UserData]\r\n");
        for (int i = 0; i < fields; ++i)
            text += QStringLiteral("FieldName=F%1\r\n").arg(i);
        text += QStringLiteral("\r\n\r\n[0]\r\nOld Learner\r\n");
        haztest::writeFile(userFile, haztest::ansi(text));
    }

    haztest::TestEnvironment env;
    QString templatePath;
    QString userFile;
    haz::ScriptedMessages messages;
};

TEST_F(ProgressFileTest, TemplateHoldsTheFieldsInFileOrder)
{
    haz::clsDataFile file;
    file.setNonUniCodeMode(true);
    ASSERT_TRUE(file.readData(templatePath));
    EXPECT_EQ(file.numOfPostsRead(), 0);
    // The installation's template is the layout table, field by field at its position.
    ASSERT_EQ(file.fieldNames().size(), haz::progress::FieldCount);
    for (const haz::progress::FieldSpec &field : haz::progress::layout())
        EXPECT_EQ(file.fieldNames().at(field.position - 1), field.name) << field.position;
    // The scenario program reads these by position.
    EXPECT_EQ(haz::progress::position("UserName"), 1);
    EXPECT_EQ(haz::progress::position("examQuizPos"), 20);
    EXPECT_EQ(haz::progress::position("excerQuizPos"), 24);
    EXPECT_EQ(haz::progress::position("currentscenario"), 31);
    EXPECT_EQ(haz::progress::position("excerScenario"), 37);
    EXPECT_EQ(haz::progress::position("examScenario"), 43);
    EXPECT_EQ(haz::progress::position("examCompletedScores"), 48);
    EXPECT_EQ(haz::progress::position("noSuchField"), 0);
}

TEST_F(ProgressFileTest, FirstStartCreatesHiddenFileAndLaterStartsKeepIt)
{
    EXPECT_TRUE(progress::createIfMissing(templatePath, userFile));
    EXPECT_TRUE(haz::platform::isHidden(userFile));
    ASSERT_TRUE(progress::addLearner(userFile, QStringLiteral("Anna")));
    const QByteArray withLearner = haztest::readFile(userFile);

    EXPECT_FALSE(progress::createIfMissing(templatePath, userFile));
    EXPECT_EQ(haztest::readFile(userFile), withLearner);
}

TEST_F(ProgressFileTest, NewLearnerReadsBackAsAFreshStart)
{
    progress::createIfMissing(templatePath, userFile);
    ASSERT_TRUE(progress::addLearner(userFile, QStringLiteral("Anna")));

    LearnerProgress read;
    read.selTab = 7;
    read.quizOrFact = false;
    read.subjects[Haz].quizPos = 5;
    read.CurrentScore = 9;
    ASSERT_TRUE(progress::readLearnerProgress(userFile, QStringLiteral("Anna"), read));
    EXPECT_EQ(read.selTab, 0);
    EXPECT_TRUE(read.quizOrFact);
    for (const SubjectProgress &s : read.subjects) {
        EXPECT_EQ(s.quizPos, 0);
        EXPECT_EQ(s.quizCorr, 0);
        EXPECT_EQ(s.factPos, 0);
    }
    EXPECT_EQ(read.refFactPos, 0);
    EXPECT_EQ(read.excerUseList, 0);
    EXPECT_EQ(read.examLastList, 0);
    EXPECT_EQ(read.CurrentScenario, 0);
    EXPECT_EQ(read.CurrentScore, 0);
    for (const QString list : {"CompletedScenarios", "CompletedScores", "excerCompletedScenarios",
                               "excerCompletedScores", "examCompletedScenarios", "examCompletedScores"})
        EXPECT_EQ(field(list, QStringLiteral("Anna")), "-1") << list.toStdString();
}

TEST_F(ProgressFileTest, LearnersAreFoundByTheirExactName)
{
    progress::createIfMissing(templatePath, userFile);
    progress::addLearner(userFile, QStringLiteral("Anna"));
    EXPECT_TRUE(progress::readLearnerRecord(userFile, QStringLiteral("Anna")).has_value());
    EXPECT_FALSE(progress::readLearnerRecord(userFile, QStringLiteral("anna")).has_value());
    EXPECT_FALSE(progress::readLearnerRecord(userFile, QStringLiteral("Ann")).has_value());

    // Nothing is read for a name without a post, not even somebody else's values.
    LearnerProgress read;
    read.selTab = 4;
    EXPECT_FALSE(progress::readLearnerProgress(userFile, QStringLiteral("Bert"), read));
    EXPECT_EQ(read.selTab, 4);
}

TEST_F(ProgressFileTest, SavingOneLearnerChangesOnlyThatLearnersLines)
{
    progress::createIfMissing(templatePath, userFile);
    progress::addLearner(userFile, QStringLiteral("Anna"));
    progress::addLearner(userFile, QStringLiteral("Bert"));
    const QStringList before = lines();
    const int bertStarts = int(before.indexOf(QStringLiteral("[1]")));
    ASSERT_GT(bertStarts, 0);

    LearnerProgress bert;
    bert.selTab = 4;
    bert.quizOrFact = false;
    bert.subjects[Haz] = {3, 2, 5};
    bert.tak.factPos = 1;
    bert.excerQuizCorr = 6;
    int steps = 0;
    EXPECT_EQ(progress::saveLearnerProgress(userFile, QStringLiteral("Bert"), bert, 4, messages, [&] { ++steps; }),
              progress::SaveOutcome::Saved);
    EXPECT_EQ(steps, haz::progress::saveSteps());
    EXPECT_TRUE(messages.shown().isEmpty());

    const QStringList after = lines();
    ASSERT_EQ(after.size(), before.size());
    for (int i = 0; i < bertStarts; ++i)
        EXPECT_EQ(after.at(i), before.at(i)) << "line " << i;
    EXPECT_EQ(field(QStringLiteral("hazQuizPos"), QStringLiteral("Bert")), "3");
    EXPECT_EQ(field(QStringLiteral("hazFactPos"), QStringLiteral("Bert")), "5");
    EXPECT_EQ(field(QStringLiteral("quizOrFact"), QStringLiteral("Bert")), "False");
    EXPECT_EQ(field(QStringLiteral("selTab"), QStringLiteral("Bert")), "4");
    EXPECT_EQ(field(QStringLiteral("excerQuizCorr"), QStringLiteral("Bert")), "6");
    // Fields the course program does not own stay as they were.
    EXPECT_EQ(field(QStringLiteral("CurrentScenario"), QStringLiteral("Bert")), "-1");

    LearnerProgress readBack;
    ASSERT_TRUE(progress::readLearnerProgress(userFile, QStringLiteral("Bert"), readBack));
    EXPECT_EQ(readBack.subjects[Haz].quizCorr, 2);
    EXPECT_EQ(readBack.tak.factPos, 1);
    EXPECT_FALSE(readBack.quizOrFact);
}

TEST_F(ProgressFileTest, SavingWithoutTheLearnersPostWritesNothing)
{
    progress::createIfMissing(templatePath, userFile);
    progress::addLearner(userFile, QStringLiteral("Anna"));
    const QByteArray before = haztest::readFile(userFile);
    LearnerProgress someone;
    someone.selTab = 3;
    EXPECT_EQ(progress::saveLearnerProgress(userFile, QStringLiteral("Nobody"), someone, 3, messages, {}),
              progress::SaveOutcome::NotWritten);
    EXPECT_EQ(haztest::readFile(userFile), before);
}

TEST_F(ProgressFileTest, FailedFieldsAreReportedOnceEachAndTheOthersStillWritten)
{
    // A file that lacks two of the fields the program writes.
    QString text = sourceText(QStringLiteral("user.ini"));
    text.replace(QStringLiteral("FieldName=hazQuizPos\r\n"), QStringLiteral("FieldName=hazQuizPosOld\r\n"));
    text.replace(QStringLiteral("FieldName=refFactPos\r\n"), QStringLiteral("FieldName=refFactPosOld\r\n"));
    haztest::writeFile(userFile, haztest::ansi(text));
    progress::addLearner(userFile, QStringLiteral("Anna"));

    LearnerProgress anna;
    anna.subjects[Ide].quizPos = 8;
    anna.tak.quizCorr = 3;
    // The file the save must leave: one update per field, failures and all.
    const QString oneByOne = userFile + QStringLiteral(".single");
    ASSERT_TRUE(QFile::copy(userFile, oneByOne));
    for (const progress::SavedField &saved : progress::savedFields(anna, 1)) {
        haz::clsDataFile single;
        single.setNonUniCodeMode(true);
        single.UpdateFieldPost(oneByOne, saved.name, 0, saved.value);
    }

    int steps = 0;
    EXPECT_EQ(progress::saveLearnerProgress(userFile, QStringLiteral("Anna"), anna, 1, messages, [&] { ++steps; }),
              progress::SaveOutcome::PartlySaved);
    EXPECT_EQ(messages.texts(), QStringList(2, QStringLiteral("Could not save setting for user")));
    EXPECT_EQ(steps, haz::progress::saveSteps());
    EXPECT_EQ(field(QStringLiteral("ideQuizPos"), QStringLiteral("Anna")), "8");
    EXPECT_EQ(haztest::readFile(userFile), haztest::readFile(oneByOne));
}

TEST_F(ProgressFileTest, ReadOnlyFileIsLeftIntact)
{
    progress::createIfMissing(templatePath, userFile);
    progress::addLearner(userFile, QStringLiteral("Anna"));
    const QByteArray before = haztest::readFile(userFile);
    QFile::setPermissions(userFile, QFile::ReadOwner | QFile::ReadUser);

    LearnerProgress anna;
    anna.selTab = 2;
    int steps = 0;
    try {
        progress::saveLearnerProgress(userFile, QStringLiteral("Anna"), anna, 2, messages, [&] { ++steps; });
        ADD_FAILURE() << "a read-only file cannot be saved";
    } catch (const haz::RuntimeError &e) {
        EXPECT_EQ(e.number(), haz::ErrPermissionDenied);
    }
    EXPECT_TRUE(messages.shown().isEmpty());
    EXPECT_EQ(haztest::readFile(userFile), before);
    QFile::setPermissions(userFile, QFile::ReadOwner | QFile::WriteOwner);
}

TEST_F(ProgressFileTest, FileOfTheWrongShapeIsBackedUpAndReplaced)
{
    // 48 fields of other names are another shape too: fields are read by position.
    for (const int fields : {47, 48, 49}) {
        writeFileWithFields(fields);
        const QByteArray old = haztest::readFile(userFile);
        const QDateTime now(QDate(2024, 3, fields - 46), QTime(14, 5, 9));
        const progress::OpenResult opened = progress::openForLearnerDialog(userFile, templatePath, now);
        EXPECT_TRUE(opened.replaced);
        EXPECT_TRUE(opened.names.isEmpty());
        EXPECT_EQ(opened.backupPath, userFile + QStringLiteral(".bak-2024030%1-140509").arg(fields - 46));
        EXPECT_EQ(haztest::readFile(opened.backupPath), old);
        EXPECT_EQ(haztest::readFile(userFile), haztest::readFile(templatePath));
        EXPECT_TRUE(haz::platform::isHidden(userFile));
    }
}

TEST_F(ProgressFileTest, DialogListsTheLearnersInFileOrder)
{
    progress::createIfMissing(templatePath, userFile);
    for (const QString name : {"Erik", "Anna", "Bo"})
        progress::addLearner(userFile, name);
    const progress::OpenResult opened = progress::openForLearnerDialog(userFile, templatePath, QDateTime());
    EXPECT_FALSE(opened.replaced);
    EXPECT_EQ(opened.names, (QStringList{"Erik", "Anna", "Bo"}));

    const progress::OpenResult missing = progress::openForLearnerDialog(userFile + "x", templatePath, QDateTime());
    EXPECT_FALSE(missing.readable);
    EXPECT_TRUE(missing.names.isEmpty());
}

TEST(LearnerNameTest, NamesAreTrimmedAndUnsafeNamesRefused)
{
    QString name;
    EXPECT_EQ(progress::checkLearnerName(QStringLiteral("  Anna Berg "), name), progress::NameCheck::Ok);
    EXPECT_EQ(name, "Anna Berg");
    EXPECT_EQ(progress::checkLearnerName(QStringLiteral("Åsa Öberg"), name), progress::NameCheck::Ok);
    EXPECT_EQ(progress::checkLearnerName(QStringLiteral("   "), name), progress::NameCheck::Empty);
    EXPECT_EQ(progress::checkLearnerName(QString(), name), progress::NameCheck::Empty);
    for (const QString &refused : {QStringLiteral("Berg, Anna"), QStringLiteral("Anna\nBerg"), QStringLiteral("Anna\tBerg"),
                                  QStringLiteral("Anna\u2028Berg"), QStringLiteral("Анна"),
                                  QStringLiteral("x mode=3"), QStringLiteral("USER=bo")})
        EXPECT_EQ(progress::checkLearnerName(refused, name), progress::NameCheck::Refused) << refused.toStdString();
}

TEST(SavedFieldsTest, TwentyNineFieldsOfWhichTwentySevenAdvanceTheBar)
{
    const QList<progress::SavedField> fields = progress::savedFields(LearnerProgress{}, 0);
    ASSERT_EQ(fields.size(), 29);
    QStringList order;
    for (const auto &f : fields)
        order << f.name;
    EXPECT_EQ(order, (QStringList{"selTab", "hazQuizPos", "hazQuizCorr", "hazFactPos", "ideQuizPos", "ideQuizCorr",
                                  "ideFactPos", "protQuizPos", "protQuizCorr", "protFactPos", "NBCQuizPos",
                                  "NBCQuizCorr", "NBCFactPos", "physQuizPos", "physQuizCorr", "physFactPos",
                                  "takQuizPos", "takQuizCorr", "takFactPos", "examQuizPos", "examQuizCorr",
                                  "examLastList", "examUseList", "excerQuizPos", "excerLastList", "excerUseList",
                                  "excerQuizCorr", "refFactPos", "quizOrFact"}));
    EXPECT_EQ(fields.last().value, "True");
    int steps = 0;
    QStringList silent;
    for (const auto &f : fields) {
        steps += f.countsAsStep ? 1 : 0;
        if (!f.countsAsStep)
            silent << f.name;
    }
    EXPECT_EQ(steps, haz::progress::saveSteps());
    EXPECT_EQ(silent, (QStringList{"selTab", "takFactPos"}));
}

} // namespace
