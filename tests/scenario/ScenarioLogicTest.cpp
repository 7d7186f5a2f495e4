// The scenario run without windows: command line, tables, judging, clock, progress.
#include "Errors.h"
#include "GenericSubs.h"
#include "QuestionLayout.h"
#include "ScenarioFixture.h"
#include "ScenarioRun.h"
#include "SceneRules.h"

#include <QDateTime>

using namespace scenario;
using namespace scenariotest;
using haztest::errorOf;

TEST(CommandLine, ReadsTheFormsTheCourseSendsAndKeysAnywhere)
{
    using GenericSubs::getCmdMode;
    using GenericSubs::getCmdUser;
    EXPECT_EQ(getCmdUser(" user=Anna,mode=1"), "Anna");
    EXPECT_EQ(getCmdMode(" user=Anna,mode=1"), 1);
    EXPECT_EQ(getCmdUser(" user=Anna, mode=2"), "Anna");
    EXPECT_EQ(getCmdMode(" user=Anna, mode=2"), 2);
    EXPECT_EQ(getCmdMode(" user=Anna Berg, mode=3"), 3);
    EXPECT_EQ(getCmdUser(" user=Anna Berg, mode=3"), "Anna Berg");
    EXPECT_EQ(getCmdUser("MODE=3,USER=Anna"), "Anna");
    EXPECT_EQ(getCmdMode("MODE=3,USER=Anna"), 3);
    // A blank before the comma belongs to the name.
    EXPECT_EQ(getCmdUser(" user=Anna , mode=2"), "Anna ");
    // Without the key: from the fifth character up to the first comma.
    EXPECT_EQ(getCmdUser("xxxxBert,mode=1"), "Bert");
    EXPECT_EQ(GenericSubs::argumentString({"user=Anna,", "mode=2"}), "user=Anna, mode=2");
    EXPECT_EQ(errorOf([] { getCmdMode("user=Anna,mode=two"); }), haz::ErrTypeMismatch);
}

TEST(Captions, ScenarioLookupReadsAnewAndNeverTalks)
{
    haztest::TestEnvironment env;
    const auto write = [&](const QString &second) {
        env.writeInstallFile("ini/captions.ini", haztest::utf16(tableText("Captions", {"objID", "Text", "Tooltip"}, {
            {"  btnOk  ", second, "Confirm"}, {"lbl", "Two\\nlines", ""}, {"btnOk", "Later", ""}})));
    };
    write("OK");
    clsCaptions captions(env.installFolder());
    EXPECT_EQ(captions.getObjText("btnOk"), "OK");
    EXPECT_EQ(captions.getObjText("lbl"), "Two\nlines");
    EXPECT_EQ(captions.getObjText("btnok"), QString());
    EXPECT_EQ(captions.getObjText("missing"), QString());
    write("Changed");
    EXPECT_EQ(captions.getObjText("btnOk"), "Changed");
    // The text is the field after the identifier, whatever its name; a table without
    // an identifier field has no texts.
    const auto writeFields = [&](const QStringList &fields) {
        env.writeInstallFile("ini/captions.ini", haztest::utf16(tableText("Captions", fields, {{"btnOk", "By place"}})));
    };
    writeFields({"OBJID", "Caption"});
    EXPECT_EQ(captions.getObjText("btnOk"), "By place");
    writeFields({"Name", "Text"});
    EXPECT_EQ(captions.getObjText("btnOk"), QString());
    EXPECT_EQ(clsCaptions(env.installFolder() + "/nowhere").getObjText("btnOk"), QString());
}

TEST(Helpers, CountSortAndClock)
{
    EXPECT_EQ(GenericSubs::countLineMarks("\\n", "a\\nb\\N c\\nd"), 2);
    EXPECT_EQ(GenericSubs::countLineMarks("\\n", "\\N first ignores case"), 1);
    EXPECT_EQ(GenericSubs::countLineMarks("\\n", "none"), 0);
    QStringList values{"9", "10", "2", "1"};
    GenericSubs::sortArray(values);
    EXPECT_EQ(values, QStringList({"1", "10", "2", "9"}));
    EXPECT_EQ(GenericSubs::simClockText(1505, "tim", "min"), "25 tim : 5 min");
    EXPECT_EQ(GenericSubs::simClockText(485, "h", "m"), "8 h : 5 m");
}

TEST(Judging, TokenSetsExactTokensAndTheLastStarRow)
{
    const QList<clsFacit> key{{1, 5, "*", "R4", "first star"}, {1, 5, "3,1", "R2", ""}, {1, 5, "2,10", "R3", ""},
                              {1, 5, "1, 2", "R6", ""},        {1, 5, "*", "R5", "last star"}};
    const auto actionFor = [&](const QString &answer) {
        const clsFacit *row = GenericSubs::matchAnswer(answer, key);
        return row ? row->Action : QString();
    };
    EXPECT_EQ(actionFor("1,3"), "R2");
    EXPECT_EQ(actionFor("1,3,4"), "R5");
    EXPECT_EQ(actionFor("10,2"), "R3");
    EXPECT_EQ(actionFor("1,2"), "R5"); // " 2" is not the token "2"
    EXPECT_EQ(GenericSubs::matchAnswer("", {{1, 5, "", "R9", ""}})->Action, "R9");
    EXPECT_EQ(GenericSubs::matchAnswer("1", {{1, 5, "2", "R9", ""}}), nullptr);
    // A matching row without an action leaves the answer to the "*" rows.
    const QList<clsFacit> unfinished{{1, 5, "*", "R7", "try again"}, {1, 5, "2", "", "ignored"}};
    EXPECT_EQ(GenericSubs::matchAnswer("2", unfinished)->DialogText, "try again");
    EXPECT_EQ(GenericSubs::matchAnswer("2", {{1, 5, "2", "", ""}})->Action, QString());
}

TEST(Layout, StacksAlternativesAndAlwaysReachesTheButton)
{
    QuestionLayoutInput in;
    in.questionTop = 120;
    in.fragaLines = 3;
    in.ledtextLines = 1;
    in.templateHeight = 255;
    in.lineMarks = {0, 2, 0};
    in.buttonHeight = 390;
    in.paneInnerHeight = 3000;
    const QuestionLayout out = layoutQuestion(in);
    EXPECT_EQ(out.questionHeight, 720);
    EXPECT_EQ(out.hintTop, 840);
    EXPECT_EQ(out.hintHeight, 195);
    EXPECT_EQ(out.templateTop, 1115);
    ASSERT_EQ(out.alternatives.size(), 3);
    EXPECT_EQ(out.alternatives[0].top, 1115);
    EXPECT_EQ(out.alternatives[1].top, 1370);
    EXPECT_EQ(out.alternatives[1].height, 765);
    EXPECT_EQ(out.alternatives[2].top, 2135);
    EXPECT_EQ(out.buttonTop, 2690);
    EXPECT_EQ(out.scrollMax, (390 + 2690) / 15 + 1200);

    in.lineMarks = QList<qint16>(60, 0);
    const QuestionLayout tall = layoutQuestion(in);
    EXPECT_GE(tall.scrollMax + in.paneInnerHeight, tall.buttonTop + in.buttonHeight);
    in.lineMarks = QList<qint16>(140, 0);
    EXPECT_EQ(errorOf([&] { layoutQuestion(in); }), haz::ErrOverflow);
}

TEST(SceneRules, PanningWrapsAndOnlyLowerCaseExtensionsShow)
{
    EXPECT_EQ(panRight("3", 3), 1);
    EXPECT_EQ(panRight("1", 3), 2);
    EXPECT_EQ(panLeft("1", 3), 3);
    EXPECT_EQ(panLeft("2", 3), 1);
    EXPECT_EQ(panLeft("0", 3), std::nullopt);
    EXPECT_EQ(panRight("", 3), std::nullopt);
    EXPECT_EQ(mediaKindOf("/a/b.c/scene.jpg"), MediaKind::Picture);
    EXPECT_EQ(mediaKindOf("scene.JPG"), MediaKind::None);
    EXPECT_EQ(mediaKindOf("page.html"), MediaKind::Page);
    EXPECT_EQ(mediaKindOf("noextension"), MediaKind::None);
    EXPECT_TRUE(isQuestionPage("q.htm"));
    EXPECT_FALSE(isQuestionPage("q.HTM"));
    EXPECT_EQ(sceneHeight(3, true), 3690);
    EXPECT_EQ(sceneHeight(3, false), 4155);
    EXPECT_EQ(sceneHeight(1, true), 4155);
}

class Tables : public ScenarioFixture {
protected:
    ScenarioFiles files{env.installFolder()};
};

TEST_F(Tables, DisplayOrderLastRowWinsAndNumbersCompareAsNumbers)
{
    writeTable("svarsalt.ini", tableText("SvarsAlt", SvarsAltFields, {
        {"1", "1", "5", "b", "2"}, {"2", "01", "5", "a", "1"}, {"3", "1", "5", "c", "3"},
        {"1", "2", "5", "x", "1"}, {"2", "2", "5", "y", "2"}, {"3", "2", "5", "z", "5"}}));
    QStringList names;
    for (const clsSvarsAlt &a : clsSvarsAlt::getSvarsAlt(files, 5, 1))
        names << a.Namn;
    EXPECT_EQ(names, QStringList({"a", "b", "c"}));
    names.clear();
    for (const clsSvarsAlt &a : clsSvarsAlt::getSvarsAlt(files, 5, 2))
        names << a.Namn;
    EXPECT_EQ(names, QStringList({"x", "y"}));

    writeTable("fraga.ini", tableText("Fraga", FragaFields, {
        {"2", "5", "first", "", "", "jn", "1", "True", "", "0", "", "", "1", "1"},
        {"07", "5", "earlier", "", "", "jn", "1", "False", "", "0", "", "", "1", "1"},
        {"7", "5", "later", "", "", "fv", "1", "true", "", "0", "", "", "1", "1"},
        {"3", "5", "second start", "", "", "jn", "1", "True", "", "0", "", "", "1", "1"}}));
    EXPECT_EQ(clsFraga::getStartUpFraga(files, 5), 3);
    bool found = false;
    const clsFraga q = clsFraga::getFraga(files, 5, 7, &found);
    EXPECT_TRUE(found);
    EXPECT_EQ(q.Fraga, "later");
    EXPECT_TRUE(q.StartFraga); // "true" converts, though it marks no start room
    clsFraga::getFraga(files, 5, 8, &found);
    EXPECT_FALSE(found);
    EXPECT_EQ(clsFraga::getStartUpFraga(files, 9), 0);

    writeTable("bilder.ini", tableText("Bilder", BildFields, {
        {"1", "5", "a.jpg", "1"}, {"1", "5", "b.jpg", "2"}, {"1", "5", "d.jpg", "4"}}));
    EXPECT_EQ(clsBild::getImageCount(files, 5, 1), 3);
    EXPECT_EQ(clsBild::getImage(files, 5, 1, 3).Namn, "");
    EXPECT_EQ(clsBild::getImage(files, 5, 1, 4).Namn, "d.jpg");
}

TEST_F(Tables, BrokenTablesAreErrorsForTheCaller)
{
    writeTable("fraga.ini", tableText("Fraga", FragaFields, {
        {"1", "5", "q", "", "", "jn", "soon", "True", "", "0", "", "", "1", "1"}}));
    EXPECT_EQ(errorOf([&] { clsFraga::getFraga(files, 5, 1); }), haz::ErrTypeMismatch);
    writeTable("fraga.ini", tableText("Fraga", FragaFields, {
        {"1", "5", "q", "", "", "jn", "1", "Yes", "", "0", "", "", "1", "1"}}));
    EXPECT_EQ(errorOf([&] { clsFraga::getFraga(files, 5, 1); }), haz::ErrTypeMismatch);
    QFile::remove(files.table("facit.ini"));
    EXPECT_NE(errorOf([&] { clsFacit::getFacits(files, 5, 1); }), 0);
    writeTable("facit.ini", tableText("Facit", {"RumID", "scenario"}, {{"1", "5"}}));
    EXPECT_EQ(errorOf([&] { clsFacit::getFacits(files, 5, 1); }), haz::ErrSubscript);
}

class Run : public ScenarioFixture {
protected:
    ScenarioRun &make(const QString &arguments)
    {
        run = std::make_unique<ScenarioRun>(arguments, env.installFolder());
        return *run;
    }
    std::unique_ptr<ScenarioRun> run;
};

TEST_F(Run, StartsAtTheStartRoomWithClockAndScoreOfItsFirstShowing)
{
    const StartView view = make(" user=Anna,mode=1").start();
    EXPECT_EQ(view.title, run->caption("frmMain_caption") + " - Test spill");
    EXPECT_TRUE(view.logo.endsWith("data/images/logo.bmp"));
    EXPECT_TRUE(view.vind.isEmpty());
    EXPECT_EQ(view.room.question.RumID, 1);
    EXPECT_FALSE(view.room.checkBoxes);
    EXPECT_EQ(run->state().simMinutes, 485);
    EXPECT_EQ(run->state().score, 1);
    EXPECT_EQ(run->state().questionType, "jn");
}

TEST_F(Run, ResumesTheStoredRoomClockAndScore)
{
    writeProgress({learnerPost("Anna", {{"excerScenario", "5"}, {"excerRum", "2"}, {"excerTime", "95"},
                                        {"excerScore", "3"}})});
    const StartView view = make(" user=Anna, mode=2").start();
    EXPECT_EQ(view.room.question.RumID, 2);
    EXPECT_TRUE(view.room.checkBoxes);
    // The saved figures already count the room: it is not charged a second time.
    EXPECT_EQ(run->state().simMinutes, 95);
    EXPECT_EQ(run->state().score, 3);
    EXPECT_EQ(run->state().roomId, 2);
    EXPECT_EQ(run->state().questionType, "fv");
}

TEST_F(Run, StartFailuresSayWhatIsWrongAndWriteNothing)
{
    const QByteArray before = haztest::readFile(progressPath());
    EXPECT_EQ(errorOf([&] { make(" user=Anna,mode=4").start(); }), haz::ErrInvalidCall);
    EXPECT_EQ(errorOf([&] { make(" user=Anna ,mode=1").start(); }), haz::ErrSubscript);
    EXPECT_EQ(errorOf([&] { make(" user=Cecilia,mode=1").start(); }), haz::ErrSubscript);
    writeProgress({learnerPost("Anna", {{"CurrentScenario", "12"}})});
    EXPECT_EQ(errorOf([&] { make(" user=Anna,mode=1").start(); }), haz::ErrSubscript);
    writeProgress({learnerPost("Anna", {{"CurrentScenario", "5"}, {"CurrentTime", "late"}})});
    EXPECT_EQ(errorOf([&] { make(" user=Anna,mode=1").start(); }), haz::ErrTypeMismatch);
    haztest::writeFile(progressPath(), before);
    QFile::remove(env.installFolder() + "/Lang.ini");
    EXPECT_EQ(errorOf([&] { make(" user=Anna,mode=1").start(); }), haz::ErrFileNotFound);
    EXPECT_EQ(haztest::readFile(progressPath()), before);
    EXPECT_EQ(make(" user=Anna,mode=4").user().updateObjText(), false);
}

TEST_F(Run, JudgesStayMoveAndFinishWithTheirMessages)
{
    ScenarioRun &r = make(" user=Anna,mode=1");
    r.start();
    AnswerOutcome o = r.judge("1");
    EXPECT_EQ(o.kind, AnswerOutcome::Kind::StayInRoom);
    EXPECT_EQ(o.message, "Too close!");
    o = r.judge("3");
    EXPECT_EQ(o.kind, AnswerOutcome::Kind::StayInRoom);
    EXPECT_EQ(o.message, r.caption("SvarForsokIgen"));
    EXPECT_FALSE(o.message.isEmpty());
    o = r.judge("2");
    EXPECT_EQ(o.kind, AnswerOutcome::Kind::MoveOn);
    EXPECT_EQ(o.targetRoom, 2);
    r.moveTo(3);
    o = r.judge("1");
    EXPECT_EQ(o.kind, AnswerOutcome::Kind::Finish);
    EXPECT_EQ(o.message, r.caption("ScenarioCompleted"));
    EXPECT_EQ(errorOf([&] { r.judge("2"); }), haz::ErrTypeMismatch); // no row, no "*"
    EXPECT_EQ(errorOf([&] { r.moveTo(8); }), haz::ErrSubscript);
    EXPECT_EQ(r.state().roomId, 3);
}

TEST_F(Run, RecordsAnswersAndFinishedRunsInTheLearnersPostOnly)
{
    writeProgress({learnerPost("Bert", {{"CurrentScenario", "4"}}),
                   learnerPost("Anna", {{"CurrentScenario", "5"}, {"CompletedScenarios", "4,2"},
                                        {"CompletedScores", "12,9"}, {"excerScenario", "5"}})});
    const QByteArray bert = bertsBytes();
    ScenarioRun &r = make(" user=Anna,mode=1");
    r.start();
    r.moveTo(3);
    EXPECT_TRUE(r.save());
    EXPECT_EQ(runFields("Anna", 1), QStringList({"5", "3", "492", "4"}));
    EXPECT_TRUE(r.finish());
    EXPECT_EQ(runFields("Anna", 1), QStringList({"-1", "-1", "-1", "-1"}));
    EXPECT_EQ(field("Anna", "CompletedScenarios"), "5,4,2");
    EXPECT_EQ(field("Anna", "CompletedScores"), "4,12,9");
    EXPECT_EQ(field("Anna", "takQuizPos"), "-1");
    EXPECT_EQ(field("Anna", "excerQuizPos"), "-1");

    ScenarioRun &e = make(" user=Anna, mode=2");
    e.start();
    EXPECT_TRUE(e.finish());
    EXPECT_EQ(field("Anna", "excerCompletedScenarios"), "5");
    EXPECT_EQ(field("Anna", "excerCompletedScores"), "1");
    EXPECT_EQ(field("Anna", "excerQuizPos"), "1");
    EXPECT_EQ(bertsBytes(), bert);

    // The learner's post disappeared while the run was on: nothing is written.
    writeProgress({learnerPost("Bert", {{"CurrentScenario", "4"}})});
    const QByteArray before = haztest::readFile(progressPath());
    EXPECT_FALSE(e.save());
    EXPECT_FALSE(e.finish());
    EXPECT_EQ(haztest::readFile(progressPath()), before);
}

TEST_F(Run, AnAnswerIsOneRewriteThatLeavesTheFileOfOneUpdatePerField)
{
    // A file without CurrentTime: every other field is still written, then the error
    // names the missing one.
    writeProgress({learnerPost("Anna", {{"CurrentScenario", "5"}, {"CurrentScore", "7"}})});
    QString text = QString::fromLatin1(haztest::readFile(progressPath()));
    text.replace("FieldName=CurrentTime\r\n", "FieldName=CurrentTimeOld\r\n");
    haztest::writeFile(progressPath(), text.toLatin1());
    ScenarioRun &r = make(" user=Anna,mode=1");
    r.start();
    r.moveTo(2);
    const QString score = QString::number(r.state().score);
    ASSERT_NE(score, "7");
    const QString oneByOne = progressPath() + ".single";
    ASSERT_TRUE(QFile::copy(progressPath(), oneByOne));
    haz::clsDataFile single;
    single.setNonUniCodeMode(true);
    ASSERT_TRUE(single.UpdateFieldPost(oneByOne, "CurrentScenario", 0, "5"));
    ASSERT_TRUE(single.UpdateFieldPost(oneByOne, "CurrentRum", 0, "2"));
    ASSERT_TRUE(single.UpdateFieldPost(oneByOne, "CurrentScore", 0, score));

    bool namesTheField = false;
    try {
        r.save();
    } catch (const haz::RuntimeError &e) {
        EXPECT_EQ(e.number(), haz::ErrPathFileAccess);
        namesTheField = e.description().contains("CurrentTime");
    }
    EXPECT_TRUE(namesTheField);
    EXPECT_EQ(haztest::readFile(progressPath()), haztest::readFile(oneByOne));
    EXPECT_EQ(runFields("Anna", 1), QStringList({"5", "2", "-1", score}));
}

TEST_F(Run, KeepsTablesForTheRunAndSeesAnAuthorsEditAtTheNextLookup)
{
    ScenarioRun &r = make(" user=Anna,mode=1");
    r.start();
    r.judge("1");
    clsBild::getImageCount(r.files(), 5, 1);
    const auto reads = [&](const char *table) {
        return haz::clsDataFile::readsOf(env.installFolder() + "/ini/" + table);
    };
    const QList<const char *> tables{"fraga.ini", "svarsalt.ini", "facit.ini", "bilder.ini", "captions.ini"};
    QList<quint64> before;
    for (const char *table : tables)
        before << reads(table);
    EXPECT_EQ(r.judge("2").targetRoom, 2);
    r.moveTo(2);
    EXPECT_EQ(r.judge("3,1").targetRoom, 3);
    r.moveTo(1);
    clsBild::getImageCount(r.files(), 5, 1);
    r.clockText();
    for (qsizetype i = 0; i < tables.size(); ++i)
        EXPECT_EQ(reads(tables[i]), before[i]) << tables[i] << " was read again though unchanged";

    // The author changes where answer 2 of room 1 leads: the next answer goes there.
    writeTable("facit.ini", tableText("Facit", FacitFields, {
        {"1", "5", "1", "R1", "Too close!"}, {"1", "5", "2", "R3", ""}, {"1", "5", "*", "R1", ""},
        {"3", "5", "1", "finish", ""}}));
    EXPECT_EQ(r.judge("2").targetRoom, 3);

    // An edit of the same size is seen by its modification time.
    QString text = tableText("Fraga", FragaFields, {
        {"1", "5", "Where do you halt?", "Think of the wind", "", "jn", "5", "True", "", "1", "", "", "1", "1"},
        {"3", "5", "Report?", "", "", "jn", "7", "False", "", "3", "Done", "", "1", "1"}});
    writeTable("fraga.ini", text);
    EXPECT_EQ(r.moveTo(1).question.Fraga, "Where do you halt?");
    writeTable("fraga.ini", text.replace("halt?", "wait?"));
    QFile edited(env.installFolder() + "/ini/fraga.ini");
    ASSERT_TRUE(edited.open(QIODevice::ReadWrite));
    ASSERT_TRUE(edited.setFileTime(QDateTime::currentDateTime().addSecs(60), QFileDevice::FileModificationTime));
    edited.close();
    EXPECT_EQ(r.moveTo(1).question.Fraga, "Where do you wait?");

    // A table that disappears fails the lookup as a fresh read would.
    QFile::remove(env.installFolder() + "/ini/facit.ini");
    EXPECT_EQ(errorOf([&] { r.judge("2"); }), haz::ErrFileNotFound);
}

TEST(CompletedLists, NewestFirstAndMinusOneIsEmpty)
{
    EXPECT_EQ(clsRaridoUser::prependToList(7, "4,2"), "7,4,2");
    EXPECT_EQ(clsRaridoUser::prependToList(3, "12,9"), "3,12,9");
    EXPECT_EQ(clsRaridoUser::prependToList(4, "-1"), "4");
    EXPECT_EQ(clsRaridoUser::prependToList(4, ""), "4");
    EXPECT_EQ(clsRaridoUser::prependToList(4, "4"), "4,4");
}
