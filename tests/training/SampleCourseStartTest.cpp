// The real start-up on the sample course as this build installs it: no message of any
// kind from start to exit, through sign-in and every tab.
#include "TrainingProgramFixture.h"

#include "Captions.h"
#include "clsDataFile.h"

#include <QCoreApplication>
#include <QSet>
#include <QTabBar>
#include <QTabWidget>

using namespace training;

namespace {

QString installedCourse()
{
#ifdef HAZ_COURSE_INSTALL_DIR
    return QStringLiteral(HAZ_COURSE_INSTALL_DIR);
#else
    return QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("../install"));
#endif
}

TEST(SampleCourseStartTest, StartsSignsInVisitsEveryTabAndExitsWithoutAnyMessage)
{
    haztest::TestEnvironment env; // a fresh documents folder
    ASSERT_TRUE(QFileInfo::exists(installedCourse() + "/ini/captions.ini")) << "build the course target first";
    haz::platform::setInstallationFolder(installedCourse());

    haz::ScriptedMessages messages;
    std::optional<int> exitCode;
    {
        ProgramState state(messages);
        TrainingProgram program(state, [&](int code) { exitCode = code; });
        ASSERT_EQ(program.Main(), TrainingProgram::StartResult::Started);
        auto *box = program.userChoose()->findChild<QComboBox *>("userCmb");
        box->setEditText("Sample Learner");
        QTest::mouseClick(program.userChoose()->findChild<QPushButton *>("userChooseOk"), Qt::LeftButton);
        ASSERT_TRUE(program.mainWindow()->isVisible());

        QTabBar *bar = program.mainWindow()->tabMain()->tabBar();
        for (int tab = 0; tab < TabCount; ++tab) {
            QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(tab).center());
            EXPECT_EQ(program.mainWindow()->selectedTab(), tab);
        }
        for (int subject = 0; subject < SubjectCount; ++subject) {
            program.mainWindow()->setSubjectOption(subject, 1);
            program.mainWindow()->setSubjectOption(subject, 0);
        }
        program.mainWindow()->close();
    }
    haz::platform::setInstallationFolder(env.installFolder());
    EXPECT_EQ(exitCode, 0);
    EXPECT_TRUE(messages.shown().isEmpty()) << messages.texts().join(" | ").toStdString();
}

} // namespace

namespace {

// The caption sets of the course: English, and the Swedish one that replaces it when
// the course is installed in Swedish.
const QStringList CaptionSets{"ini/captions.ini", "languages/sv/ini/captions.ini"};

// The identifiers of a caption set's posts, in file order.
QStringList captionIds(const QString &source)
{
    haztest::TestEnvironment env;
    trainingtest::installTable(env, "ini/captions.ini", trainingtest::sourceText(source));
    haz::clsDataFile table;
    EXPECT_TRUE(table.readData(env.installFolder() + "/ini/captions.ini")) << source.toStdString();
    QStringList ids;
    for (int slot = 0; slot < table.numOfPostsRead(); ++slot)
        ids << table.getPostPosField(slot, "ObjId").trimmed();
    return ids;
}

// Every identifier either program asks the caption table for, in every language.
TEST(SampleCaptionTableTest, HoldsEveryIdentifierBothProgramsAskFor)
{
    for (const QString &source : CaptionSets) {
        SCOPED_TRACE(source.toStdString());
        haztest::TestEnvironment env;
        trainingtest::installTable(env, "ini/captions.ini", trainingtest::sourceText(source));
        haz::clsDataFile table;
        ASSERT_TRUE(table.readData(env.installFolder() + "/ini/captions.ini"));
        QStringList ids{
            // the course program
            "ExamQuizClockText", "ExamQuizClockUnit", "icon", "lblPersDataBen", "lblPersDataName", "lblPersDataOrg",
            "cmdPersDataOK", "cmdPersDataCancel", "frmMain", "errDispAnswer", "totAnswers", "excerCompleted",
            "corrAnswers", "excerAllDone", "examAllDone", "sErrorQuiz", "btnExit", "btnOk", "PictureCopy",
            "PictureCopied", "userExists", "userDef", "userAsk", "curLblMyCur", "curLblLastStudy", "curLblWTab",
            "curLblWChap", "curLblExcercises", "curBtnShowDipl", "curlblTakScenario", "curLblTakScenarioAvg",
            "curLblTakScenarioExam", "curlblTakScenarioMin", "curlblTakScenarioMax", "hazQuizAnswBtn", "optFact",
            "optQuiz", "btnQuizMoreInfo", "btnRestart", "btnPrint", "takFactCmdStart", "hazLbl", "ideLbl", "protLbl",
            "physLbl", "takLbl", "NBCLbl", "cmdCloseDiploma", "frmExitSave", "lblExitSave", "lblExam_TimeRanOut",
            "cmdExamTime_Cancel", "cmdExamTime_Next", "iniMyDoc", "ScenarioStarted", "ScenarioStartedCmd",
            // the scenario program
            "frmMain_caption", "cmdSvara", "cmdInfolank", "pnlSimTid", "pnlVader", "cmdExit", "MouseOverImgLeft",
            "MouseOverImgRight", "MouseOverImgCenter", "SimTidTimmar", "SimTidMinuter", "App_CloseQuestion",
            "App_CloseQuestionExam", "SvarForsokIgen", "ScenarioCompleted"};
        for (int tab = 0; tab < TabCount; ++tab)
            ids << QStringLiteral("tabMain%1").arg(tab);
        for (const QString &id : ids) {
            const auto post = haz::findCaption(table, id);
            ASSERT_TRUE(post.has_value()) << id.toStdString();
            EXPECT_FALSE(post->text.trimmed().isEmpty()) << id.toStdString();
        }
        // One caption holds both buttons of the scenario dialog, and the icon is one of ten.
        EXPECT_EQ(haz::findCaption(table, "ScenarioStartedCmd")->text.count(u','), 1);
        const int icon = haz::findCaption(table, "icon")->text.toInt();
        EXPECT_TRUE(icon >= 1 && icon <= 10);
        // The progress file's name must not change between releases of the course.
        EXPECT_EQ(haz::findCaption(table, "iniMyDoc")->text, "HazCourseUsers");
    }
}

// A caption that one language lacks is a blank control or a message at start-up in
// that language only; each identifier is there once, as the first post wins.
TEST(SampleCaptionTableTest, EveryLanguageHoldsTheSameIdentifiersOnce)
{
    const QStringList english = captionIds(CaptionSets.first());
    ASSERT_FALSE(english.isEmpty());
    for (const QString &source : CaptionSets) {
        SCOPED_TRACE(source.toStdString());
        QStringList ids = captionIds(source);
        EXPECT_EQ(QSet<QString>(ids.begin(), ids.end()).size(), ids.size());
        for (const QString &id : english)
            EXPECT_TRUE(ids.contains(id)) << id.toStdString() << " is missing";
        for (const QString &id : ids)
            EXPECT_TRUE(english.contains(id)) << id.toStdString() << " is not in the English set";
    }
    // The language code names the progress file: two letters on the first line.
    EXPECT_TRUE(trainingtest::sourceText("languages/sv/lang.ini").startsWith("sv\r\n"));
}

TEST(SampleTabTableTest, NamesEveryTabInTabOrder)
{
    haztest::TestEnvironment env;
    trainingtest::installTable(env, "ini/objsTabs.ini", trainingtest::sourceText("ini/objsTabs.ini"));
    haz::clsDataFile table;
    ASSERT_TRUE(table.readData(env.installFolder() + "/ini/objsTabs.ini"));
    EXPECT_EQ(table.fieldNames(), (QStringList{"objID", "Visible", "Picture"}));
    ASSERT_EQ(table.numOfPostsRead(), TabCount);
    for (int tab = 0; tab < TabCount; ++tab) {
        EXPECT_EQ(table.getPostPosField(tab, "objID"), QStringLiteral("tabMain%1").arg(tab));
        EXPECT_EQ(table.getPostPosField(tab, "Visible"), "True");
    }
}

} // namespace
