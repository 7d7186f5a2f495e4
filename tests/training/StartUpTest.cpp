// Start-up: language code, paths, captions on every window, the progress file, and
// the ways start-up fails.
#include "TrainingProgramFixture.h"

#include "basMain.h"
#include "basMainUi.h"

#include <QLabel>
#include <QListWidget>
#include <QRadioButton>
#include <QTabWidget>

using namespace training;
using trainingtest::captionPost;
using trainingtest::installTable;
using trainingtest::ProgramFixture;
using trainingtest::sourceText;

namespace {

class StartUpTest : public ProgramFixture {};

TEST_F(StartUpTest, SampleCaptionsStartWithoutMessagesAndCreateTheHiddenProgressFile)
{
    ASSERT_EQ(start(), TrainingProgram::StartResult::Started);
    EXPECT_TRUE(messages.texts().isEmpty()) << messages.texts().join(" | ").toStdString();
    EXPECT_EQ(state->paths.langCode, "en");
    EXPECT_EQ(state->paths.userFile, haz::platform::joinPath(env.documentsFolder(), "enHazCourseUsers.ini"));
    EXPECT_TRUE(QFileInfo::exists(state->paths.userFile));
    EXPECT_TRUE(haz::platform::isHidden(state->paths.userFile));
    EXPECT_TRUE(program->userChoose()->isVisible());
    EXPECT_FALSE(main()->isVisible());
    EXPECT_EQ(state->content.iconName, "ICON_03");
    EXPECT_FALSE(main()->windowIcon().isNull());
    EXPECT_EQ(main()->windowTitle(), "HazCourse - Hazardous Materials Training");
    EXPECT_EQ(main()->tabMain()->tabText(TabHaz), "Hazards");
    EXPECT_EQ(state->text("corrAnswers"), "Correct:");
    EXPECT_FALSE(exitCode.has_value());
}

TEST_F(StartUpTest, SecondStartKeepsTheProgressFile)
{
    ASSERT_EQ(start(), TrainingProgram::StartResult::Started);
    signIn("Anna");
    const QByteArray first = haztest::readFile(state->paths.userFile);
    ASSERT_TRUE(first.contains("Anna"));

    ASSERT_EQ(start(), TrainingProgram::StartResult::Started);
    EXPECT_EQ(haztest::readFile(state->paths.userFile), first);
    EXPECT_EQ(program->userChoose()->names(), QStringList{"Anna"});
}

TEST_F(StartUpTest, MissingLangFileFailsWithTheErrorThenFail)
{
    QFile::remove(env.installFolder() + "/lang.ini");
    EXPECT_EQ(start(), TrainingProgram::StartResult::Failed);
    ASSERT_EQ(messages.shown().size(), 2);
    EXPECT_EQ(messages.shown().at(0).title, "getProgramData");
    EXPECT_EQ(messages.shown().at(0).icon, haz::MessageIcon::Critical);
    EXPECT_TRUE(messages.shown().at(0).text.endsWith(" Code:53"));
    EXPECT_EQ(messages.shown().at(1).text, "Fail");
    EXPECT_FALSE(program->userChoose() && program->userChoose()->isVisible());
}

TEST_F(StartUpTest, EmptyLanguageLineFailsWithFailOnly)
{
    installTable(env, "lang.ini", "\r\nen\r\n");
    EXPECT_EQ(start(), TrainingProgram::StartResult::Failed);
    EXPECT_EQ(messages.texts(), QStringList{"Fail"});
}

TEST_F(StartUpTest, LanguageCodeIsTheFirstTwoCharacters)
{
    installTable(env, "lang.ini", "sv-SE\r\n");
    ASSERT_EQ(start(), TrainingProgram::StartResult::Started);
    EXPECT_EQ(state->paths.langCode, "sv");
    EXPECT_TRUE(state->paths.userFile.endsWith("/svHazCourseUsers.ini"));

    installTable(env, "lang.ini", "x");
    ASSERT_EQ(start(), TrainingProgram::StartResult::Started);
    EXPECT_EQ(state->paths.langCode, "x");
}

TEST_F(StartUpTest, WithoutTheProgressFileNameNoSecondProgressFileIsStarted)
{
    // The file that holds the learners exists; a caption table that has lost the
    // name, or cannot be read at all, must not lead to a fresh "en.ini" beside it.
    const QString progressFile = haz::platform::joinPath(env.documentsFolder(), "enHazCourseUsers.ini");
    haztest::writeFile(progressFile, haztest::readFile(env.installFolder() + "/user.ini"));
    const QString secondFile = haz::platform::joinPath(env.documentsFolder(), "en.ini");
    const QString captions = env.installFolder() + "/ini/captions.ini";

    QString table = sourceText("ini/captions.ini");
    table.replace("\r\niniMyDoc\r\n", "\r\niniMyDocOld\r\n");
    installTable(env, "ini/captions.ini", table);
    EXPECT_EQ(start(), TrainingProgram::StartResult::Failed);
    ASSERT_FALSE(messages.shown().isEmpty());
    EXPECT_TRUE(messages.shown().last().text.contains("iniMyDoc"));
    EXPECT_TRUE(messages.shown().last().text.contains(captions));
    EXPECT_FALSE(QFileInfo::exists(secondFile));

    messages.clear();
    QFile::remove(captions);
    EXPECT_EQ(start(), TrainingProgram::StartResult::Failed);
    ASSERT_EQ(messages.shown().size(), 2);
    EXPECT_EQ(messages.shown().at(0).text, "Couldn't find file : " + captions);
    EXPECT_EQ(messages.shown().at(0).icon, haz::MessageIcon::Warning);
    EXPECT_EQ(messages.shown().at(1).icon, haz::MessageIcon::Critical);
    EXPECT_FALSE(QFileInfo::exists(secondFile));
}

TEST_F(StartUpTest, MissingIdentifierIsReportedByName)
{
    QString table = sourceText("ini/captions.ini");
    table.replace("\r\nuserAsk\r\n", "\r\nuserAskOld\r\n");
    installTable(env, "ini/captions.ini", table);
    ASSERT_EQ(start(), TrainingProgram::StartResult::Started);
    EXPECT_EQ(messages.texts(), QStringList{"userAsk not found in caption file."});
    EXPECT_TRUE(program->userChoose()->findChild<QLabel *>("userLblChoose")->text().isEmpty());
}

TEST_F(StartUpTest, LikeControlsCopyTheHazardCaptionAndTooltip)
{
    // The first post of an identifier wins, so these override the sample texts.
    QString table = sourceText("ini/captions.ini");
    const qsizetype end = table.indexOf("\r\n\r\n[0]");
    table.insert(end + 2, captionPost(900, "hazQuizAnswBtn", "Svara", "Kontrollera") + captionPost(901, "optQuiz", "Prov"));
    installTable(env, "ini/captions.ini", table);
    ASSERT_EQ(start(), TrainingProgram::StartResult::Started);
    ASSERT_TRUE(messages.texts().isEmpty()) << messages.texts().join(" | ").toStdString();

    for (const QString name : {"QuizAnswBtn(0)", "QuizAnswBtn(1)", "QuizAnswBtn(2)", "QuizAnswBtn(3)",
                               "QuizAnswBtn(4)", "QuizAnswBtn(7)", "examQuizAnswBtn"}) {
        auto *button = main()->findChild<QPushButton *>(name);
        ASSERT_NE(button, nullptr) << name.toStdString();
        EXPECT_EQ(button->text().remove('&'), "Svara") << name.toStdString();
        EXPECT_EQ(button->toolTip(), "Kontrollera") << name.toStdString();
    }
    for (const QString name : {"ideOpt(1)", "physOpt(1)", "protOpt(1)", "HazOpt(1)", "NBCOpt(1)"})
        EXPECT_EQ(main()->findChild<QRadioButton *>(name)->text(), "Prov") << name.toStdString();
    // The subject tab captions also head the progress rows.
    EXPECT_EQ(main()->findChild<QLabel *>("curLblQuizPhys")->text(), main()->tabMain()->tabText(TabPhys));
    EXPECT_EQ(main()->findChild<QLabel *>("curlblTakScenarioExamMin")->text(), "Weak");
}

TEST_F(StartUpTest, FirstStartWithoutTheProgressTemplateStopsWithAMainMessage)
{
    QFile::remove(env.installFolder() + "/user.ini");
    EXPECT_EQ(start(), TrainingProgram::StartResult::Failed);
    ASSERT_EQ(messages.shown().size(), 1) << messages.texts().join(" | ").toStdString();
    EXPECT_EQ(messages.shown().at(0).title, "Main");
    EXPECT_EQ(messages.shown().at(0).icon, haz::MessageIcon::Critical);
    EXPECT_TRUE(messages.shown().at(0).text.endsWith(" Code:53"));
    EXPECT_FALSE(QFileInfo::exists(state->paths.userFile));
    EXPECT_FALSE(program->userChoose()->isVisible());

    // An existing progress file does not need the template.
    installTable(env, "user.ini", sourceText("user.ini"));
    ASSERT_EQ(start(), TrainingProgram::StartResult::Started);
    QFile::remove(env.installFolder() + "/user.ini");
    messages.clear();
    ASSERT_EQ(start(), TrainingProgram::StartResult::Started);
    EXPECT_TRUE(messages.shown().isEmpty());
}

TEST_F(StartUpTest, UnreadableInstallationFolderFailsWithTheFileSystemMessage)
{
    haz::platform::setInstallationFolder(env.installFolder() + "/missing");
    EXPECT_EQ(start(), TrainingProgram::StartResult::Failed);
    EXPECT_EQ(messages.texts(), (QStringList{basMain::FileSystemMissingText, "Fail"}));
    haz::platform::setInstallationFolder(env.installFolder());
}

TEST_F(StartUpTest, MissingDocumentsFolderStopsNamingTheFolder)
{
    // A home that is a file has no documents folder, and none can be made.
    const QString home = env.homeFolder() + "/not-a-folder";
    haztest::writeFile(home, "x");
    qputenv("HOME", QFile::encodeName(home));
    EXPECT_EQ(start(), TrainingProgram::StartResult::Failed);
    qputenv("HOME", QFile::encodeName(env.homeFolder()));
    ASSERT_EQ(messages.texts().size(), 1);
    EXPECT_TRUE(messages.texts().first().contains(home + "/Documents"));
    EXPECT_FALSE(program->userChoose()->isVisible());
}

TEST_F(StartUpTest, QuestionSetFoldersAreListed)
{
    env.writeInstallFile("ini/excer/b.ini", "x");
    env.writeInstallFile("ini/excer/a.ini", "x");
    ASSERT_EQ(start(), TrainingProgram::StartResult::Started);
    EXPECT_EQ(state->content.exercise.files, (QStringList{"a.ini", "b.ini"}));
    EXPECT_EQ(state->content.exam.files, QStringList{QString()});
}

TEST(ReplaceTextTest, EveryOccurrenceAndNothingElse)
{
    using basMain::replaceText;
    EXPECT_EQ(replaceText("one<br>two<br>", "<br>", "\r\n"), "one\r\ntwo\r\n");
    EXPECT_EQ(replaceText("a<br>b", "<br>", "\r\n"), "a\r\nb");
    EXPECT_EQ(replaceText("<br>", "<br>", ""), "");
    EXPECT_EQ(replaceText("no breaks", "<br>", "\r\n"), "no breaks");
    EXPECT_EQ(replaceText("", "<br>", "\r\n"), "");
    // Each search starts again at the beginning: a replacement that completes an
    // occurrence with the text before it is caught too.
    EXPECT_EQ(replaceText("aab", "ab", "b"), "b");
    // Texts the repeated search would never finish on.
    EXPECT_EQ(replaceText("abc", "", "x"), "abc");
    EXPECT_EQ(replaceText("a-b", "-", "--"), "a--b");
}

TEST(FillListBoxTest, TitlesInOrderAndTheResultSaysWhetherThereWereAny)
{
    haz::LastError lastError;
    QListWidget list;
    list.addItem("old");
    const QList<FactEntry> entries{{fixedFactTitle("First"), "a.htm"}, {fixedFactTitle("Second"), "b.htm"}};
    EXPECT_TRUE(basMain::fillListBox(&list, entries, lastError));
    ASSERT_EQ(list.count(), 2);
    EXPECT_EQ(list.item(0)->text(), fixedFactTitle("First"));
    EXPECT_EQ(list.item(0)->text().size(), FactTitleLength);
    EXPECT_EQ(list.item(1)->text().trimmed(), "Second");

    EXPECT_FALSE(basMain::fillListBox(&list, {}, lastError));
    EXPECT_EQ(list.count(), 0);
    EXPECT_EQ(lastError.number, 0);

    EXPECT_FALSE(basMain::fillListBox(nullptr, entries, lastError));
    EXPECT_EQ(lastError.number, haz::ErrObjectNotSet);
}

TEST(WindowIconTest, IconsOneToTenExist)
{
    QList<QImage> drawn;
    for (int i = 1; i <= 10; ++i) {
        const QIcon icon = basMain::programIcon(QStringLiteral("ICON_%1").arg(i, 2, 10, QLatin1Char('0')));
        ASSERT_FALSE(icon.isNull()) << i;
        const QImage image = icon.pixmap(32, 32).toImage();
        for (const QImage &other : drawn)
            EXPECT_NE(image, other) << i;
        drawn << image;
    }
    EXPECT_TRUE(basMain::programIcon("ICON_11").isNull());

    QWidget owner;
    QWidget child(&owner, Qt::Window);
    basMain::setWindowIcon(&child, "ICON_05", true);
    EXPECT_EQ(owner.windowIcon().pixmap(32, 32).toImage(), basMain::programIcon("ICON_05").pixmap(32, 32).toImage());
}

} // namespace
