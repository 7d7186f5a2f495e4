// Signing in, the personal-data dialog, and saving at exit.
#include "TrainingProgramFixture.h"

#include "RandomSource.h"
#include "TabServices.h"

#include "ProgressFile.h"
#include "RuntimeError.h"
#include "clsDataFile.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QCompleter>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>

using namespace training;
using trainingtest::ProgramFixture;

namespace {

class LearnerTest : public ProgramFixture {
protected:
    void SetUp() override { ASSERT_EQ(start(), TrainingProgram::StartResult::Started); }

    QStringList storedNames() const
    {
        haz::clsDataFile file;
        file.setNonUniCodeMode(true);
        if (!file.readData(state->paths.userFile))
            return {};
        QStringList names;
        for (int i = 0; i < file.numOfPostsRead(); ++i)
            names << file.getPostPosField(i, "UserName");
        return names;
    }

    QString stored(const QString &field, const QString &learner) const
    {
        haz::clsDataFile file;
        file.setNonUniCodeMode(true);
        EXPECT_TRUE(file.readData(state->paths.userFile));
        const auto slot = progress::findLearnerSlot(file, learner);
        return slot ? file.getPostPosField(*slot, field) : QString();
    }

    void closeMainWindow() { main()->close(); }
};

TEST_F(LearnerTest, ExactNameSignsTheLearnerInAndOtherCaseIsSomeoneElse)
{
    signIn("Anna");
    EXPECT_TRUE(state->learner.isNewUser);
    EXPECT_EQ(storedNames(), QStringList{"Anna"});
    EXPECT_FALSE(program->userChoose()->isVisible());
    EXPECT_TRUE(main()->isVisible());
    EXPECT_FALSE(exitCode.has_value());

    ASSERT_EQ(start(), TrainingProgram::StartResult::Started);
    signIn("Anna");
    EXPECT_FALSE(state->learner.isNewUser);
    EXPECT_EQ(storedNames(), QStringList{"Anna"});

    ASSERT_EQ(start(), TrainingProgram::StartResult::Started);
    signIn("anna");
    EXPECT_TRUE(state->learner.isNewUser);
    EXPECT_EQ(storedNames(), (QStringList{"Anna", "anna"}));
}

TEST_F(LearnerTest, ATypedNameIsTakenAsTypedNotAsALikeListedName)
{
    for (const QString name : {"Anna", "Bob"}) {
        ASSERT_EQ(start(), TrainingProgram::StartResult::Started);
        signIn(name);
    }
    ASSERT_EQ(start(), TrainingProgram::StartResult::Started);
    frmUserChoose *dialog = program->userChoose();
    ASSERT_EQ(dialog->names(), (QStringList{"Anna", "Bob"}));
    QApplication::setActiveWindow(dialog);
    auto *box = dialog->findChild<QComboBox *>("userCmb");
    box->setFocus();
    // Typed by key, then OK: the box must neither match the list ignoring case nor
    // complete the name to a listed one.
    QTest::keyClicks(box->lineEdit(), "anna");
    QTest::mouseClick(dialog->findChild<QPushButton *>("userChooseOk"), Qt::LeftButton);
    EXPECT_EQ(state->learner.currentUser, "anna");
    EXPECT_TRUE(state->learner.isNewUser);

    ASSERT_EQ(start(), TrainingProgram::StartResult::Started);
    dialog = program->userChoose();
    QApplication::setActiveWindow(dialog);
    box = dialog->findChild<QComboBox *>("userCmb");
    box->setFocus();
    QTest::keyClicks(box->lineEdit(), "Bo");
    QTest::mouseClick(dialog->findChild<QPushButton *>("userChooseOk"), Qt::LeftButton);
    EXPECT_EQ(state->learner.currentUser, "Bo");
    EXPECT_EQ(storedNames(), (QStringList{"Anna", "Bob", "anna", "Bo"}));

    // A full listed name typed, then Enter while the offered names are up: signed in.
    ASSERT_EQ(start(), TrainingProgram::StartResult::Started);
    dialog = program->userChoose();
    QApplication::setActiveWindow(dialog);
    box = dialog->findChild<QComboBox *>("userCmb");
    box->setFocus();
    QTest::keyClicks(box->lineEdit(), "Bob");
    QAbstractItemView *offered = box->completer()->popup();
    ASSERT_TRUE(offered->isVisible());
    QTest::keyClick(offered, Qt::Key_Return);
    EXPECT_EQ(state->learner.currentUser, "Bob");
    EXPECT_FALSE(state->learner.isNewUser);
    EXPECT_FALSE(dialog->isVisible());
}

TEST_F(LearnerTest, BlanksAroundANameAreDropped)
{
    signIn("  Anna  ");
    EXPECT_EQ(state->learner.currentUser, "Anna");
    EXPECT_EQ(storedNames(), QStringList{"Anna"});

    ASSERT_EQ(start(), TrainingProgram::StartResult::Started);
    signIn("Anna ");
    EXPECT_FALSE(state->learner.isNewUser);
    EXPECT_EQ(storedNames(), QStringList{"Anna"});
}

TEST_F(LearnerTest, NamesThatCannotBeUsedAreExplainedAndTheDialogStays)
{
    const QString sixty(60, u'a');
    for (const QString &typed : {QStringLiteral("   "), sixty + u'b'}) {
        messages.clear();
        signIn(typed);
        ASSERT_EQ(messages.shown().size(), 1) << typed.toStdString();
        EXPECT_EQ(messages.shown().at(0).icon, haz::MessageIcon::Warning);
        EXPECT_TRUE(program->userChoose()->isVisible());
        EXPECT_FALSE(main()->isVisible());
        EXPECT_TRUE(storedNames().isEmpty());
        EXPECT_TRUE(state->learner.currentUser.isEmpty());
    }
    EXPECT_TRUE(messages.shown().at(0).text.contains("at most 60 characters"));

    // Sixty characters are still a name, and the label shows all of it on request.
    messages.clear();
    signIn(sixty);
    EXPECT_TRUE(messages.shown().isEmpty()) << messages.texts().join(" | ").toStdString();
    EXPECT_EQ(storedNames(), QStringList{sixty});
    EXPECT_EQ(main()->lblCurUser()->toolTip(), sixty);
}

TEST_F(LearnerTest, NameThatWouldBreakTheFilesIsRefused)
{
    signIn("Berg, Anna");
    ASSERT_EQ(messages.shown().size(), 1);
    EXPECT_EQ(messages.shown().at(0).icon, haz::MessageIcon::Warning);
    EXPECT_TRUE(messages.shown().at(0).text.contains("a comma"));
    EXPECT_FALSE(messages.shown().at(0).text.contains("user="));
    EXPECT_TRUE(program->userChoose()->isVisible());
    EXPECT_TRUE(storedNames().isEmpty());
}

TEST_F(LearnerTest, ProgressIsSavedWhenTheMainWindowCloses)
{
    signIn("Anna");
    state->learner.progress.subjects[Haz] = {4, 3, 2};
    state->learner.progress.excerQuizPos = 5;
    state->learner.progress.examQuizPos = 6;
    state->learner.progress.examQuizCorr = 2;
    main()->selectTab(TabHaz);

    closeMainWindow();
    EXPECT_EQ(exitCode, 0);
    EXPECT_FALSE(main()->isVisible());
    EXPECT_EQ(program->exitSave()->value(), frmExitSave::Steps);
    EXPECT_TRUE(messages.shown().isEmpty()) << messages.texts().join(" | ").toStdString();
    EXPECT_EQ(stored("selTab", "Anna"), "4");
    EXPECT_EQ(stored("hazQuizPos", "Anna"), "4");
    EXPECT_EQ(stored("hazFactPos", "Anna"), "2");
    EXPECT_EQ(stored("excerQuizPos", "Anna"), "5");
    // An unfinished exam starts over at the next sign-in.
    EXPECT_EQ(stored("examQuizPos", "Anna"), "0");
    EXPECT_EQ(stored("examQuizCorr", "Anna"), "0");
}

TEST_F(LearnerTest, AFailedExamDrawAtExitIsShownAndTheProgressStillSavedAndTheProgramEnded)
{
    signIn("Anna");
    state->learner.progress.subjects[Ide].quizPos = 7;
    // Five exam lists need a draw, and a source with nothing queued fails it.
    state->content.exam.files = QStringList{"a.ini", "b.ini", "c.ini", "d.ini", "e.ini"};
    main()->services().setRandomSource(std::make_unique<haz::ScriptedRandomSource>());

    closeMainWindow();
    ASSERT_EQ(messages.shown().size(), 1);
    EXPECT_EQ(messages.shown().at(0).title, "randomExamQuizList");
    EXPECT_EQ(messages.shown().at(0).icon, haz::MessageIcon::Critical);
    EXPECT_TRUE(messages.shown().at(0).text.endsWith(" Code:5"));
    EXPECT_EQ(stored("ideQuizPos", "Anna"), "7");
    EXPECT_EQ(exitCode, 0);
}

TEST_F(LearnerTest, ExitFromTheLearnerDialogEndsWithoutWriting)
{
    const QByteArray before = haztest::readFile(state->paths.userFile);
    QTest::mouseClick(program->userChoose()->findChild<QPushButton *>("userChooseExit"), Qt::LeftButton);
    EXPECT_EQ(exitCode, 0);
    EXPECT_FALSE(program->userChoose()->isVisible());
    EXPECT_EQ(haztest::readFile(state->paths.userFile), before);
}

TEST_F(LearnerTest, ClosingTheLearnerDialogByItsFrameEndsTheProgram)
{
    program->userChoose()->close();
    EXPECT_EQ(exitCode, 0);
    EXPECT_FALSE(main()->isVisible());
}

TEST_F(LearnerTest, AnExistingLearnerIsToldAtSignInWhenTheFileCannotBeWritten)
{
    signIn("Anna");
    closeMainWindow();
    ASSERT_EQ(start(), TrainingProgram::StartResult::Started);
    QFile::setPermissions(state->paths.userFile, QFile::ReadOwner | QFile::ReadUser);
    messages.clear();
    signIn("Anna");
    ASSERT_EQ(messages.shown().size(), 1);
    EXPECT_TRUE(messages.shown().at(0).text.endsWith("your progress will not be saved this time."));
    EXPECT_TRUE(main()->isVisible()) << "the learner still goes on";
    QFile::setPermissions(state->paths.userFile, QFile::ReadOwner | QFile::WriteOwner);
}

TEST_F(LearnerTest, ReadOnlyProgressFileIsReportedOnceAndKept)
{
    signIn("Anna");
    const QByteArray before = haztest::readFile(state->paths.userFile);
    QFile::setPermissions(state->paths.userFile, QFile::ReadOwner | QFile::ReadUser);
    state->learner.progress.subjects[Ide].quizPos = 9;

    closeMainWindow();
    ASSERT_EQ(messages.shown().size(), 1);
    EXPECT_EQ(messages.shown().at(0).title, "saveUserData");
    EXPECT_EQ(messages.shown().at(0).icon, haz::MessageIcon::Critical);
    EXPECT_TRUE(messages.shown().at(0).text.endsWith(" Code:70"));
    EXPECT_EQ(haztest::readFile(state->paths.userFile), before);
    EXPECT_EQ(exitCode, 0);
    QFile::setPermissions(state->paths.userFile, QFile::ReadOwner | QFile::WriteOwner);
}

TEST_F(LearnerTest, WrongShapedProgressFileIsReplacedWhenTheDialogOpens)
{
    signIn("Anna");
    QString text = QString::fromLatin1(haztest::readFile(state->paths.userFile));
    text.replace("FieldName=examCompletedScores\r\n", "");
    haztest::writeFile(state->paths.userFile, haztest::ansi(text));

    ASSERT_EQ(start(), TrainingProgram::StartResult::Started);
    EXPECT_TRUE(program->userChoose()->names().isEmpty());
    EXPECT_TRUE(storedNames().isEmpty());
    const QStringList backups = QDir(env.documentsFolder()).entryList({"enHazCourseUsers.ini.bak-*"}, QDir::Files | QDir::Hidden);
    ASSERT_EQ(backups.size(), 1);
    EXPECT_TRUE(haztest::readFile(env.documentsFolder() + "/" + backups.first()).contains("Anna"));
}

TEST_F(LearnerTest, DamagedProgressFileIsKeptAsBackupAndTheLearnerIsTold)
{
    signIn("Anna");
    const QByteArray damaged = QByteArray("garbage\x00\xff not a table", 21);
    haztest::writeFile(state->paths.userFile, damaged);
    messages.clear();

    ASSERT_EQ(start(), TrainingProgram::StartResult::Started);
    EXPECT_TRUE(program->userChoose()->names().isEmpty());
    ASSERT_EQ(messages.shown().size(), 1);
    EXPECT_EQ(messages.shown().at(0).icon, haz::MessageIcon::Warning);
    const QStringList backups = QDir(env.documentsFolder()).entryList({"enHazCourseUsers.ini.bak-*"}, QDir::Files | QDir::Hidden);
    ASSERT_EQ(backups.size(), 1);
    EXPECT_TRUE(messages.shown().at(0).text.endsWith(backups.first()));
    EXPECT_EQ(haztest::readFile(env.documentsFolder() + "/" + backups.first()), damaged);

    // The fresh file takes learners again.
    signIn("Anna");
    EXPECT_EQ(storedNames(), QStringList{"Anna"});
}

TEST_F(LearnerTest, NewLearnerOnAReadOnlyProgressFileIsToldAndStillSignsIn)
{
    const QByteArray before = haztest::readFile(state->paths.userFile);
    QFile::setPermissions(state->paths.userFile, QFile::ReadOwner | QFile::ReadUser);
    signIn("Anna");
    ASSERT_EQ(messages.shown().size(), 1);
    EXPECT_EQ(messages.shown().at(0).icon, haz::MessageIcon::Warning);
    EXPECT_TRUE(main()->isVisible());
    EXPECT_EQ(haztest::readFile(state->paths.userFile), before);
    QFile::setPermissions(state->paths.userFile, QFile::ReadOwner | QFile::WriteOwner);
}

TEST_F(LearnerTest, PersonalDataKeepsTheLastOkAndShowsItAgain)
{
    frmPersData *dialog = program->persData();
    auto *name = dialog->findChild<QLineEdit *>("txtPersDataName");
    auto *org = dialog->findChild<QLineEdit *>("txtPersDataOrg");
    dialog->show();
    name->setText("Anna Berg");
    org->setText("Rescue Service");
    QTest::mouseClick(dialog->findChild<QPushButton *>("cmdPersDataOK"), Qt::LeftButton);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(dialog->PersName(), "Anna Berg");
    EXPECT_EQ(dialog->property("PersOrg").toString(), "Rescue Service");

    dialog->show();
    EXPECT_EQ(name->text(), "Anna Berg");
    EXPECT_EQ(org->text(), "Rescue Service");
    name->setText("Someone Else");
    QTest::mouseClick(dialog->findChild<QPushButton *>("cmdPersDataCancel"), Qt::LeftButton);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(dialog->PersName(), "Anna Berg");
    EXPECT_EQ(dialog->PersOrg(), "Rescue Service");
}

TEST_F(LearnerTest, SaveBarStopsAtItsEnd)
{
    frmExitSave *window = program->exitSave();
    window->begin();
    EXPECT_EQ(window->value(), 0);
    for (int i = 0; i < 40; ++i)
        window->advanceSaveProgress();
    EXPECT_EQ(window->value(), 27);
    EXPECT_EQ(window->findChild<QProgressBar *>("prgExitSave")->maximum(), 27);
}

} // namespace
