// A run played through the scenario window with wrong answers and a break, then read
// back: the run record post by post, and the debrief the window shows at the end.
#include "DebriefWindow.h"
#include "MessageService.h"
#include "PageView.h"
#include "RunRecord.h"
#include "ScenarioFixture.h"
#include "ScenarioProgram.h"
#include "frmMain.h"

#include <QAbstractButton>
#include <QLabel>
#include <QPushButton>
#include <QTest>

using namespace scenario;
using namespace scenariotest;

namespace {

class Debrief : public ScenarioFixture {
protected:
    void start(const QString &arguments)
    {
        program.reset();
        exitCode.reset();
        program = std::make_unique<ScenarioProgram>(arguments, messages, [this](int code) { exitCode = code; },
                                                     env.installFolder());
        program->run().setWallClock([this] { return clock = clock.addSecs(60); });
        ASSERT_EQ(program->start(), ScenarioProgram::StartResult::Started);
    }
    void click(const QString &name)
    {
        auto *button = program->mainWindow()->findChild<QAbstractButton *>(name);
        ASSERT_NE(button, nullptr) << name.toStdString();
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(8, button->height() / 2));
    }
    void answer(const QStringList &alternatives)
    {
        for (const QString &name : alternatives)
            click(name);
        click("cmdSvara");
    }
    QString recordPath() const { return haz::runrecord::pathBeside(progressPath()); }

    // The record's posts as the file holds them, field by field.
    QList<QStringList> recordPosts() const
    {
        haz::clsDataFile file;
        EXPECT_TRUE(file.readData(recordPath()));
        EXPECT_EQ(file.fieldNames(), haz::runrecord::fieldNames());
        QList<QStringList> posts;
        for (qint32 slot = 0; slot < file.numOfPostsRead(); ++slot) {
            QStringList post;
            for (const QString &name : file.fieldNames())
                post << file.getPostPosField(slot, name);
            posts << post;
        }
        return posts;
    }

    haz::ScriptedMessages messages;
    std::unique_ptr<ScenarioProgram> program;
    std::optional<int> exitCode;
    QDateTime clock{QDate(2026, 3, 2), QTime(9, 0), Qt::UTC};
};

// The values an answer post holds, with the fields that do not change in this run.
QStringList answerPost(const QString &run, const QString &room, const QString &question, const QString &chosen,
                       const QString &texts, const QString &keyRow, const QString &action, const QString &step,
                       const QString &feedback, const QString &clock, const QString &score, const QString &penalty,
                       const QString &when)
{
    return {"Anna", "answer", run, "1", "5", "Test spill", "480", "0", "9", room, question, chosen, texts, keyRow,
            action, step, feedback, clock, score, penalty, "", "", "", "", when};
}

} // namespace

TEST_F(Debrief, ARunWithWrongAnswersAndABreakIsRecordedAnswerByAnswerAndDebriefed)
{
    start(" user=Anna,mode=1");
    EXPECT_FALSE(QFileInfo::exists(recordPath())); // nothing is written before the first answer
    answer({"optSvar(1)"});   // wrong: room 1 again, with its own text
    answer({"optSvar(2)"});   // on to room 2
    program->mainWindow()->close(); // the learner breaks off
    ASSERT_EQ(exitCode, 0);
    EXPECT_EQ(program->debriefWindow(), nullptr);

    start(" user=Anna,mode=1"); // resumed in room 2 as it was left: the same run goes on
    answer({"chkSvar(10)"});    // "*": room 2 again, the default text
    answer({"chkSvar(10)", "chkSvar(1)", "chkSvar(3)"}); // untick 10; 3,1 lead to room 3
    answer({"optSvar(1)"});     // finish
    EXPECT_TRUE(haz::platform::isHidden(recordPath()));

    const QString tryAgain = program->run().caption("SvarForsokIgen");
    const QString completed = program->run().caption("ScenarioCompleted");
    const QList<QStringList> expected{
        answerPost("1", "1", "Where do you stop?", "1", "Drive close", "1", "R1", "stay", "Too close!", "490", "2",
                   "1", "2026-03-02T09:02:00Z"),
        answerPost("1", "1", "Where do you stop?", "2", "Stop upwind", "2", "R2", "next", "", "500", "4", "2",
                   "2026-03-02T09:03:00Z"),
        answerPost("1", "2", "What do you do first?\\\\nChoose two", "10", "Wash the road", "*", "R2", "stay",
                   haz::runrecord::escape(tryAgain), "510", "6", "2", "2026-03-02T09:05:00Z"),
        answerPost("1", "2", "What do you do first?\\\\nChoose two", "3,1", "Identify the substance|Cordon off",
                   "3,1", "R3", "next", "", "517", "9", "3", "2026-03-02T09:06:00Z"),
        answerPost("1", "3", "Report?", "1", "Report to command", "1", "finish", "finish",
                   haz::runrecord::escape(completed), "517", "9", "0", "2026-03-02T09:07:00Z"),
    };
    const QList<QStringList> posts = recordPosts();
    ASSERT_EQ(posts.size(), expected.size());
    for (qsizetype i = 0; i < posts.size(); ++i)
        EXPECT_EQ(posts[i], expected[i]) << "post " << i;
    // The progress file keeps its 48 fields; the finish was recorded there first.
    EXPECT_EQ(field("Anna", "CompletedScores"), "9");

    // The debrief: the run's path, what it cost and where to look again.
    haz::DebriefWindow *debrief = program->debriefWindow();
    ASSERT_NE(debrief, nullptr);
    EXPECT_TRUE(debrief->isVisible());
    EXPECT_FALSE(program->mainWindow()->isVisible());
    EXPECT_EQ(debrief->findChild<QLabel *>("lblDebrief")->text(), completed);
    const QString page = debrief->page()->toPlainText();
    for (const char *text : {"Debrief: Test spill", "Anna", "tactics run 1", "0 h 37 min",
                                "9 (best possible 0, worst 9)", "review rooms 1 and 2", "Rooms tried again\n1 and 2",
                                "Too close!", "Went on to room 2", "3. Identify the substance", "1. Cordon off",
                                "Finished the scenario", "What do you do first? Choose two", "Points lost in\nrooms 1 and 2"})
        EXPECT_TRUE(page.contains(QString::fromUtf8(text))) << text;
    EXPECT_EQ(page.count("Had to try again"), 2);

    const QString pdf = QDir(env.documentsFolder()).filePath("debrief.pdf");
    debrief->setPdfPathChooser([&](QWidget *, const QString &suggested) {
        EXPECT_TRUE(suggested.endsWith(".pdf"));
        return pdf;
    });
    debrief->findChild<QPushButton *>("cmdDebriefPdf")->click();
    EXPECT_TRUE(haztest::readFile(pdf).startsWith("%PDF"));
    const qsizetype before = messages.shown().size();
    debrief->setPdfPathChooser([&](QWidget *, const QString &) { return env.documentsFolder() + "/no/such/x.pdf"; });
    debrief->findChild<QPushButton *>("cmdDebriefPdf")->click();
    ASSERT_EQ(messages.shown().size(), before + 1);
    EXPECT_TRUE(messages.texts().last().contains("could not be saved"));

    EXPECT_FALSE(exitCode.has_value());
    debrief->findChild<QPushButton *>("cmdDebriefClose")->click();
    EXPECT_EQ(exitCode, 0);

    // The next run of the same scenario is a new run.
    writeProgress({learnerPost("Anna", {{"CurrentScenario", "5"}})});
    start(" user=Anna,mode=1");
    answer({"optSvar(2)"});
    EXPECT_EQ(recordPosts().last().at(2), "2");
}

TEST_F(Debrief, ADamagedRecordIsKeptAsideAndTheRunGoesOn)
{
    haztest::writeFile(recordPath(), "[Something else]\r\nFieldName=Who\r\n\r\n\r\n[0]\r\nme\r\n\r\n");
    start(" user=Anna,mode=1");
    ASSERT_EQ(messages.texts().size(), 1);
    EXPECT_TRUE(messages.texts().first().contains("a new one was started")) << messages.texts().first().toStdString();
    EXPECT_EQ(messages.shown().first().icon, haz::MessageIcon::Warning);
    const QStringList kept = QDir(env.documentsFolder()).entryList({"*Runs.ini.bak-*"}, QDir::Files | QDir::Hidden);
    ASSERT_EQ(kept.size(), 1);
    EXPECT_TRUE(haztest::readFile(QDir(env.documentsFolder()).filePath(kept.first())).startsWith("[Something else]"));

    answer({"optSvar(2)"});
    EXPECT_EQ(messages.texts().size(), 1);
    ASSERT_EQ(recordPosts().size(), 1);
    EXPECT_EQ(field("Anna", "CurrentRum"), "2");
}

TEST_F(Debrief, ARecordThatCannotBeWrittenIsToldAtEachAnswerAndTheDebriefStillShowsTheRun)
{
    ASSERT_TRUE(QDir().mkpath(recordPath())); // a folder where the record should be
    start(" user=Anna,mode=1");
    answer({"optSvar(2)"});
    answer({"chkSvar(1)", "chkSvar(3)"});
    answer({"optSvar(1)"});
    ASSERT_EQ(messages.shown().size(), 4); // at start-up and at each answer
    for (const haz::Message &m : messages.shown())
        EXPECT_EQ(m.icon, haz::MessageIcon::Warning) << m.text.toStdString();
    EXPECT_EQ(field("Anna", "CompletedScores"), "6"); // the progress file is not touched by it
    ASSERT_NE(program->debriefWindow(), nullptr);
    const QString page = program->debriefWindow()->page()->toPlainText();
    EXPECT_TRUE(page.contains("Went on to room 3")) << page.toStdString();
    EXPECT_TRUE(page.contains("Finished the scenario"));
}
