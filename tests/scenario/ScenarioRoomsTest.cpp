// The scenario window with course files an author got wrong or left out: what the
// learner sees, what the messages say, and that the progress file stays as it was.
#include "MessageService.h"
#include "PageView.h"
#include "ScenarioFixture.h"
#include "ScenarioProgram.h"
#include "frmMain.h"
#include "frmWebinfo.h"

#include <QAbstractButton>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <csignal>
#include <sys/resource.h>

using namespace scenario;
using namespace scenariotest;

namespace {

class Rooms : public ScenarioFixture {
protected:
    ScenarioProgram::StartResult start(const QString &arguments)
    {
        program = std::make_unique<ScenarioProgram>(arguments, messages, [this](int code) { exitCode = code; },
                                                     env.installFolder());
        return program->start();
    }
    template <class T = QWidget> T *control(const QString &name) const
    {
        T *found = program->mainWindow()->findChild<T *>(name);
        EXPECT_NE(found, nullptr) << name.toStdString();
        return found;
    }
    void choose(const QString &name)
    {
        auto *button = control<QAbstractButton>(name);
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(8, button->height() / 2));
    }
    void answer(const QString &alternative)
    {
        choose(alternative);
        control<QPushButton>("cmdSvara")->click();
    }
    bool panButtonsShown() const
    {
        return control("imgPanLeft")->isVisible() || control("imgPanCenter")->isVisible()
               || control("imgPanRight")->isVisible();
    }
    QString onlyMessage() const
    {
        EXPECT_EQ(messages.shown().size(), 1) << messages.texts().join(" | ").toStdString();
        return messages.shown().isEmpty() ? QString() : messages.shown().first().text;
    }

    haz::ScriptedMessages messages;
    std::unique_ptr<ScenarioProgram> program;
    std::optional<int> exitCode;
};

} // namespace

TEST_F(Rooms, WithoutAScenePictureTableTheRunGoesOnWithoutPictures)
{
    ASSERT_TRUE(QFile::remove(env.installFolder() + "/ini/bilder.ini"));
    ASSERT_EQ(start(" user=Anna,mode=1"), ScenarioProgram::StartResult::Started) << messages.texts().join(" | ").toStdString();
    EXPECT_TRUE(control<QLabel>("lblCurrentImage")->text().isEmpty());
    EXPECT_FALSE(panButtonsShown());
    answer("optSvar(2)");
    EXPECT_TRUE(messages.shown().isEmpty()) << messages.texts().join(" | ").toStdString();
    EXPECT_EQ(control<QLabel>("lblFragaNamn")->text(), "What do you do first?\nChoose two");
    EXPECT_EQ(runFields("Anna", 1), (QStringList{"5", "2", "495", "3"}));
}

// A picture the scene area does not show (".JPG") still counts as picture 1, and until
// some picture has been shown there is nothing to pan between, in any room.
TEST_F(Rooms, AnUnshownPictureKeepsItsNumberAndThePanButtonsHidden)
{
    writeTable("bilder.ini", tableText("Bilder", BildFields, {{"1", "5", "scene.JPG", "1"},
                                                               {"2", "5", "scene.JPG", "1"},
                                                               {"2", "5", "scene1.bmp", "2"}}));
    ASSERT_EQ(start(" user=Anna,mode=1"), ScenarioProgram::StartResult::Started);
    auto *number = control<QLabel>("lblCurrentImage");
    EXPECT_TRUE(number->isVisible());
    EXPECT_EQ(number->text(), "1");
    EXPECT_FALSE(control("imgScenarioImage")->isVisible());
    answer("optSvar(2)"); // room 2: two pictures, the first not shown
    EXPECT_TRUE(number->isVisible());
    EXPECT_EQ(number->text(), "1");
    EXPECT_FALSE(panButtonsShown());
    EXPECT_FALSE(program->run().state().sceneShown);
}

TEST_F(Rooms, AClockOrScoreBeyondSixteenBitsNamesTheScenarioAndTheValue)
{
    const QByteArray before = haztest::readFile(progressPath());
    writeTable("scenario.ini", tableText("Scenario", ScenarioFields, {{"5", "Test spill", "", "32765", "0", "9", "", "", ""}}));
    EXPECT_EQ(start(" user=Anna,mode=1"), ScenarioProgram::StartResult::Failed);
    const QString text = onlyMessage();
    for (const char *part : {"Scenario 5", "32765", "ini/scenario.ini", "room 1 adds 5"})
        EXPECT_TRUE(text.contains(part)) << part << " in " << text.toStdString();
    EXPECT_TRUE(text.endsWith("Error number: 6"));
    EXPECT_EQ(haztest::readFile(progressPath()), before);
}

TEST_F(Rooms, TooManyAlternativesAreToldAsSuchAndNothingIsSaved)
{
    const QByteArray before = haztest::readFile(progressPath());
    QList<QStringList> rows;
    for (int i = 1; i <= 500; ++i)
        rows << QStringList{QString::number(i), "1", "5", QStringLiteral("Alternative %1").arg(i), QString::number(i)};
    writeTable("svarsalt.ini", tableText("SvarsAlt", SvarsAltFields, rows));
    EXPECT_EQ(start(" user=Anna,mode=1"), ScenarioProgram::StartResult::Failed);
    const QString text = onlyMessage();
    for (const char *part : {"Room 1 of scenario 5", "500 alternatives", "ini/svarsalt.ini"})
        EXPECT_TRUE(text.contains(part)) << part << " in " << text.toStdString();
    EXPECT_EQ(haztest::readFile(progressPath()), before);
}

TEST_F(Rooms, ModeOneLeavesWithoutAQuestionAndModeZeroDoesNotStart)
{
    const QByteArray before = haztest::readFile(progressPath());
    ASSERT_EQ(start(" user=Anna,mode=1"), ScenarioProgram::StartResult::Started);
    control<QPushButton>("cmdExit")->click();
    EXPECT_TRUE(messages.shown().isEmpty());
    EXPECT_EQ(exitCode, std::optional<int>(0));

    exitCode.reset();
    EXPECT_EQ(start(" user=Anna,mode=0"), ScenarioProgram::StartResult::Failed);
    EXPECT_TRUE(onlyMessage().contains("Mode 0"));
    EXPECT_EQ(program->mainWindow(), nullptr);
    EXPECT_EQ(haztest::readFile(progressPath()), before);
}

TEST_F(Rooms, AClosedInfoWindowShowsTheSamePageAgain)
{
    ASSERT_EQ(start(" user=Anna,mode=1"), ScenarioProgram::StartResult::Started);
    frmWebinfo *info = program->infoWindow();
    ASSERT_NE(info, nullptr);
    ASSERT_TRUE(info->isVisible());
    const QString page = info->browser()->locationURL();
    EXPECT_TRUE(page.endsWith("info1.htm"));
    info->close();
    EXPECT_FALSE(info->isVisible());
    control<QPushButton>("cmdInfolank")->click();
    EXPECT_TRUE(info->isVisible());
    EXPECT_EQ(info->browser()->locationURL(), page);
    EXPECT_TRUE(info->browser()->toPlainText().contains("Isolation distances"));
}

// A file size limit stands in for a full disk: the copy that would replace the
// progress file cannot be written.
TEST_F(Rooms, AnAnswerThatCannotBeSavedSaysWhichFileAndWhy)
{
    ASSERT_EQ(start(" user=Anna,mode=1"), ScenarioProgram::StartResult::Started);
    const QByteArray before = haztest::readFile(progressPath());
    const QStringList files = QDir(env.documentsFolder()).entryList(QDir::Files | QDir::Hidden);
    rlimit old{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &old), 0);
    const auto oldSignal = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = old;
    small.rlim_cur = rlim_t(before.size() / 2);
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    answer("optSvar(2)");
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldSignal);

    const QString text = onlyMessage();
    EXPECT_TRUE(text.contains(QDir::toNativeSeparators(progressPath()))) << text.toStdString();
    EXPECT_TRUE(text.contains("left as it was")) << text.toStdString();
    EXPECT_FALSE(text.contains("Unknown error")) << text.toStdString();
    EXPECT_EQ(haztest::readFile(progressPath()), before);
    EXPECT_EQ(QDir(env.documentsFolder()).entryList(QDir::Files | QDir::Hidden), files); // no copy left behind
}
