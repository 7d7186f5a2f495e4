// The scenario window played end to end offscreen, by the controls' object names.
#include "DebriefWindow.h"
#include "MessageService.h"
#include "PageView.h"
#include "PictureBox.h"
#include "QuestionLayout.h"
#include "ScenarioFixture.h"
#include "ScenarioProgram.h"
#include "ScenarioTables.h"
#include "Twips.h"
#include "TwipGeometry.h"
#include "Verandel.h"
#include "frmMain.h"
#include "frmWebinfo.h"
#include "AccessKeys.h"
#include "InfoWindowPlace.h"

#include <QApplication>
#include <QScreen>

#include <QCheckBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

using namespace scenario;
using namespace scenariotest;

namespace {

class Window : public ScenarioFixture {
protected:
    ScenarioProgram::StartResult start(const QString &arguments)
    {
        program.reset();
        exitCode.reset();
        program = std::make_unique<ScenarioProgram>(arguments, messages, [this](int code) { exitCode = code; },
                                                     env.installFolder());
        return program->start();
    }
    template <class T>
    T *control(const QString &name) const
    {
        T *found = program->mainWindow()->findChild<T *>(name);
        EXPECT_NE(found, nullptr) << name.toStdString();
        return found;
    }
    // Near the left edge, where a check box or option button has its mark.
    void click(const QString &name)
    {
        QAbstractButton *button = control<QAbstractButton>(name);
        ASSERT_NE(button, nullptr);
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(8, button->height() / 2));
    }
    void answer(const QStringList &alternatives)
    {
        for (const QString &name : alternatives)
            click(name);
        ASSERT_TRUE(control<QPushButton>("cmdSvara")->isEnabled());
        click("cmdSvara");
    }
    QString question() const { return control<QLabel>("lblFragaNamn")->text(); }
    // The run has ended: its debrief is up; closing it ends the program.
    void closeDebrief()
    {
        ASSERT_NE(program->debriefWindow(), nullptr);
        EXPECT_TRUE(program->debriefWindow()->isVisible());
        EXPECT_FALSE(exitCode.has_value());
        QPushButton *close = program->debriefWindow()->findChild<QPushButton *>("cmdDebriefClose");
        ASSERT_NE(close, nullptr);
        close->click();
    }

    haz::ScriptedMessages messages;
    std::unique_ptr<ScenarioProgram> program;
    std::optional<int> exitCode;
};

} // namespace

TEST_F(Window, PlaysTheTacticsScenarioToItsEndSavingEveryAnswer)
{
    const QByteArray bert = bertsBytes();
    ASSERT_EQ(start(" user=Anna,mode=1"), ScenarioProgram::StartResult::Started);
    frmMain *w = program->mainWindow();
    EXPECT_EQ(w->windowTitle(), program->run().caption("frmMain_caption") + " - Test spill");
    EXPECT_TRUE(w->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_EQ(control<QLabel>("lblSimTid")->text(), "8 " + program->run().caption("SimTidTimmar") + " : 5 "
                                                         + program->run().caption("SimTidMinuter"));
    EXPECT_EQ(control<QPlainTextEdit>("tbScenarioStatus")->toPlainText(), "Spill reported\nat the depot");
    EXPECT_TRUE(control<haz::PictureBox>("imgScenarioLogo")->hasPicture());
    EXPECT_EQ(control<QRadioButton>("optSvar(3)")->text(), "Wait\nfor orders");
    EXPECT_FALSE(control<QPushButton>("cmdSvara")->isEnabled());
    ASSERT_NE(program->infoWindow(), nullptr); // room 1 has an info page
    EXPECT_TRUE(program->infoWindow()->isVisible());
    EXPECT_TRUE(program->infoWindow()->browser()->locationURL().endsWith("data/html/info1.htm"));

    // Wrong, with the room's own text: same room, clock and score move on, choice kept.
    answer({"optSvar(1)"});
    ASSERT_EQ(messages.texts(), QStringList({"Too close!"}));
    EXPECT_TRUE(control<QRadioButton>("optSvar(1)")->isChecked());
    EXPECT_TRUE(control<QPushButton>("cmdSvara")->isEnabled());
    EXPECT_TRUE(program->infoWindow()->isVisible()); // the room's page comes back with its question
    EXPECT_EQ(runFields("Anna", 1), QStringList({"5", "1", "490", "2"}));

    answer({"optSvar(2)"});
    EXPECT_EQ(question(), "What do you do first?\nChoose two");
    EXPECT_EQ(runFields("Anna", 1), QStringList({"5", "2", "500", "4"}));
    EXPECT_EQ(program->mainWindow()->findChild<QRadioButton *>("optSvar(2)"), nullptr);
    EXPECT_FALSE(control<QPushButton>("cmdInfolank")->isVisible());
    EXPECT_FALSE(program->infoWindow()->isVisible());

    // "*" without a text: the default message; then the right pair.
    answer({"chkSvar(10)"});
    EXPECT_EQ(messages.texts().last(), program->run().caption("SvarForsokIgen"));
    EXPECT_TRUE(control<QCheckBox>("chkSvar(10)")->isChecked());
    click("chkSvar(10)");
    answer({"chkSvar(1)", "chkSvar(3)"});
    EXPECT_EQ(question(), "Report?");
    EXPECT_EQ(runFields("Anna", 1), QStringList({"5", "3", "517", "9"}));
    EXPECT_EQ(program->run().state().lastError.number, haz::ErrFileNotFound); // its scene picture is missing

    answer({"optSvar(1)"});
    EXPECT_FALSE(program->mainWindow()->isVisible());
    EXPECT_EQ(program->debriefWindow()->findChild<QLabel *>("lblDebrief")->text(),
              program->run().caption("ScenarioCompleted"));
    closeDebrief();
    EXPECT_EQ(exitCode, 0);
    EXPECT_EQ(runFields("Anna", 1), QStringList({"-1", "-1", "-1", "-1"}));
    EXPECT_EQ(field("Anna", "CompletedScenarios"), "5");
    EXPECT_EQ(field("Anna", "CompletedScores"), "9");
    EXPECT_EQ(bertsBytes(), bert);
}

TEST_F(Window, ExerciseAndExamRunsRaiseTheirPositionAndAskBeforeLeaving)
{
    const QByteArray bert = bertsBytes();
    for (int mode : {2, 3}) {
        ASSERT_EQ(start(QStringLiteral(" user=Anna, mode=%1").arg(mode)), ScenarioProgram::StartResult::Started);
        messages.queueAnswer(haz::MessageAnswer::No);
        click("cmdExit");
        EXPECT_FALSE(exitCode.has_value());
        EXPECT_EQ(messages.shown().last().buttons, haz::MessageButtons::YesNo);
        answer({"optSvar(2)"});
        answer({"chkSvar(3)", "chkSvar(1)"});
        EXPECT_EQ(runFields("Anna", mode)[1], "3");
        answer({"optSvar(1)"});
        closeDebrief();
        EXPECT_EQ(exitCode, 0);
        EXPECT_EQ(runFields("Anna", mode), QStringList({"-1", "-1", "-1", "-1"}));
        const QString prefix = mode == 2 ? "excer" : "exam";
        EXPECT_EQ(field("Anna", prefix + "CompletedScenarios"), "5");
        EXPECT_EQ(field("Anna", prefix + "CompletedScores"), "6");
        EXPECT_EQ(field("Anna", prefix + "QuizPos"), "1");
        EXPECT_EQ(bertsBytes(), bert);
    }
    EXPECT_EQ(field("Anna", "CurrentRum"), "-1"); // the tactics run was never touched
}

TEST_F(Window, AnInterruptedRunResumesInTheSameRoom)
{
    ASSERT_EQ(start(" user=Anna, mode=3"), ScenarioProgram::StartResult::Started);
    answer({"optSvar(2)"});
    const QByteArray saved = haztest::readFile(progressPath());
    program->mainWindow()->close(); // by its frame
    EXPECT_EQ(exitCode, 0);
    EXPECT_FALSE(program->infoWindow() && program->infoWindow()->isVisible());
    EXPECT_EQ(haztest::readFile(progressPath()), saved);

    ASSERT_EQ(start(" user=Anna, mode=3"), ScenarioProgram::StartResult::Started);
    EXPECT_EQ(question(), "What do you do first?\nChoose two");
    // The room, clock and score exactly as saved: 495 minutes, 3 points.
    EXPECT_EQ(control<QLabel>("lblSimTid")->text(), "8 " + program->run().caption("SimTidTimmar") + " : 15 "
                                                         + program->run().caption("SimTidMinuter"));
    EXPECT_EQ(program->run().state().score, 3);
    // Going on from here from here ends with the score an uninterrupted run has.
    answer({"chkSvar(3)", "chkSvar(1)"});
    EXPECT_EQ(runFields("Anna", 3), QStringList({"5", "3", "502", "6"}));
    messages.queueAnswer(haz::MessageAnswer::Yes);
    click("cmdExit");
    EXPECT_EQ(exitCode, 0);
}

TEST_F(Window, AStartThatCannotFindTheLearnerSaysSoOnceAndWritesNothing)
{
    const QByteArray before = haztest::readFile(progressPath());
    EXPECT_EQ(start(" user=Cecilia,mode=1"), ScenarioProgram::StartResult::Failed);
    ASSERT_EQ(messages.shown().size(), 1);
    EXPECT_TRUE(messages.shown().first().text.startsWith("Error description: "));
    EXPECT_TRUE(messages.shown().first().text.contains("Cecilia"));
    EXPECT_TRUE(messages.shown().first().text.endsWith("Error number: 9"));
    EXPECT_EQ(program->mainWindow(), nullptr);
    EXPECT_EQ(haztest::readFile(progressPath()), before);
}

TEST_F(Window, ScenePicturesPanWithWrapAround)
{
    ASSERT_EQ(start(" user=Anna,mode=1"), ScenarioProgram::StartResult::Started);
    auto *current = control<QLabel>("lblCurrentImage");
    auto *picture = control<haz::PictureBox>("imgScenarioImage");
    EXPECT_EQ(current->text(), "1");
    EXPECT_TRUE(control<QAbstractButton>("imgPanLeft")->isVisible());
    EXPECT_EQ(haz::twips::geometry(picture).height, 3690);
    const QImage first = picture->picture();
    click("imgPanLeft");
    EXPECT_EQ(current->text(), "3");
    click("imgPanRight");
    EXPECT_EQ(current->text(), "1");
    click("imgPanRight");
    EXPECT_EQ(current->text(), "2");
    EXPECT_NE(picture->picture().pixel(1, 1), first.pixel(1, 1));
    click("imgPanCenter");
    EXPECT_EQ(current->text(), "1");
    EXPECT_EQ(picture->picture().pixel(1, 1), first.pixel(1, 1));

    answer({"optSvar(2)"}); // room 2: one scene page, no panning
    EXPECT_TRUE(control<haz::PageView>("imgScenarioWeb")->isVisible());
    EXPECT_FALSE(picture->isVisible());
    EXPECT_FALSE(control<QAbstractButton>("imgPanLeft")->isVisible());
    EXPECT_EQ(haz::twips::geometry(control<haz::PageView>("imgScenarioWeb")).height, 4155);
}

TEST_F(Window, EnterAnswersOnlyOnceAChoiceWasMadeAndTheRangeReachesTheButton)
{
    QList<QStringList> many;
    for (int i = 1; i <= 40; ++i)
        many << QStringList{QString::number(i), "1", "5", QStringLiteral("Alternative %1").arg(i), QString::number(i)};
    writeTable("svarsalt.ini", tableText("SvarsAlt", SvarsAltFields, many));
    ASSERT_EQ(start(" user=Anna,mode=1"), ScenarioProgram::StartResult::Started);
    auto *pane = control<Verandel>("ScrollingPane");
    auto *button = control<QPushButton>("cmdSvara");
    EXPECT_GE(pane->Max() + pane->innerTwipsHeight(), haz::twips::geometry(button).top + haz::twips::geometry(button).height);

    QTest::keyClick(program->mainWindow(), Qt::Key_Return);
    EXPECT_TRUE(messages.shown().isEmpty());
    click("optSvar(2)");
    QTest::keyClick(program->mainWindow(), Qt::Key_Return);
    EXPECT_EQ(question(), "What do you do first?\nChoose two");
}

// Every question of the sample course, reached room by room from each start room, fits
// its labels: a heading wrapped to more lines than its row says would run into the hint.
TEST_F(Window, EverySampleQuestionFitsTheLinesItsRowGivesIt)
{
    const QString course = QStringLiteral(HAZ_COURSE_INSTALL_DIR);
    const ScenarioFiles files(course);
    int shown = 0;
    for (qint16 id = 1; id <= 3; ++id) {
        QList<qint16> rooms{clsFraga::getStartUpFraga(files, id)};
        for (qsizetype i = 0; i < rooms.size(); ++i) {
            for (const clsFacit &row : clsFacit::getFacits(files, id, rooms.at(i))) {
                const qint16 target = row.Action.mid(1).toShort();
                if (row.Action.startsWith(u'R', Qt::CaseInsensitive) && !rooms.contains(target))
                    rooms << target;
            }
        }
        for (const qint16 room : rooms) {
            SCOPED_TRACE("scenario " + std::to_string(id) + ", room " + std::to_string(room));
            writeProgress({learnerPost(QStringLiteral("Anna"),
                                       {{"CurrentScenario", QString::number(id)}, {"CurrentRum", QString::number(room)}})});
            program.reset();
            program = std::make_unique<ScenarioProgram>(QStringLiteral(" user=Anna,mode=1"), messages,
                                                         [this](int code) { exitCode = code; }, course);
            ASSERT_EQ(program->start(), ScenarioProgram::StartResult::Started);
            ++shown;
            for (const auto &[name, lineTwips] : {std::pair{"lblFragaNamn", QuestionLineHeight},
                                                  std::pair{"lblFragaLedtext", HintLineHeight}}) {
                const QLabel *label = control<QLabel>(name);
                const int needed = qRound(double(label->heightForWidth(label->width()))
                                          / QFontMetrics(label->font()).lineSpacing());
                const int given = label->height() / haz::twipsToPixels(lineTwips);
                EXPECT_LE(needed, given) << name << ": " << qPrintable(label->text());
            }
        }
    }
    EXPECT_GT(shown, 12) << "rooms beyond the start rooms";
}

TEST_F(Window, ANewRoomStartsWithNothingChosenAndEnterOnMoreInformationOpensThePage)
{
    // Room 1's first alternative leads to room 3, whose only alternative is number 1 too.
    writeTable("facit.ini", tableText("Facit", FacitFields, {{"1", "5", "1", "R3", ""}, {"1", "5", "*", "R1", ""},
                                                             {"3", "5", "1", "finish", ""}}));
    ASSERT_EQ(start(" user=Anna,mode=1"), ScenarioProgram::StartResult::Started);
    frmWebinfo *info = program->infoWindow();
    ASSERT_NE(info, nullptr);
    info->close();
    ASSERT_FALSE(info->isVisible());

    auto *more = control<QPushButton>("cmdInfolank");
    click("optSvar(1)");
    more->setFocus();
    QTest::keyClick(more, Qt::Key_Return);
    EXPECT_TRUE(info->isVisible());
    EXPECT_EQ(question(), "Where do you stop?");
    EXPECT_TRUE(messages.shown().isEmpty());

    control<QRadioButton>("optSvar(1)")->setFocus();
    QTest::keyClick(program->mainWindow(), Qt::Key_Return);
    ASSERT_EQ(question(), "Report?");
    EXPECT_FALSE(control<QRadioButton>("optSvar(1)")->isChecked());
    EXPECT_FALSE(control<QPushButton>("cmdSvara")->isEnabled());
    QTest::keyClick(program->mainWindow(), Qt::Key_Return);
    EXPECT_EQ(question(), "Report?");
    EXPECT_FALSE(exitCode.has_value());
    EXPECT_EQ(runFields("Anna", 1), QStringList({"5", "3", "492", "4"}));
}

TEST_F(Window, TheInfoWindowLeavesTheQuestionInViewAndTheKeyboardReachesEverything)
{
    ASSERT_EQ(start(" user=Anna,mode=1"), ScenarioProgram::StartResult::Started);
    frmMain *w = program->mainWindow();
    frmWebinfo *info = program->infoWindow();
    ASSERT_TRUE(info && info->isVisible());
    const QRect frame = info->frameGeometry();
    EXPECT_TRUE(info->screen()->availableGeometry().contains(frame));
    for (const QString name : {"lblFragaNamn", "lblFragaLedtext", "optSvar(1)", "optSvar(2)", "optSvar(3)", "cmdSvara"})
        EXPECT_FALSE(frame.intersects(haz::visibleScreenRect(control<QWidget>(name)))) << name.toStdString();

    // The window has the focus, on the first alternative; Tab runs to Answer once it can answer.
    EXPECT_TRUE(QTest::qWaitForWindowActive(w));
    EXPECT_EQ(w->focusWidget(), control<QWidget>("optSvar(1)"));
    QTest::keyClick(w->focusWidget(), Qt::Key_Down);
    QTest::keyClick(w->focusWidget(), Qt::Key_Space);
    ASSERT_TRUE(control<QRadioButton>("optSvar(2)")->isChecked());
    EXPECT_TRUE(control<QPushButton>("cmdSvara")->isEnabled());
    QTest::keyClick(w->focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(w->focusWidget(), control<QWidget>("cmdSvara"));

    // Left and right turn the scene wherever the focus is.
    auto *current = control<QLabel>("lblCurrentImage");
    QTest::keyClick(w->focusWidget(), Qt::Key_Left);
    EXPECT_EQ(current->text(), "3");
    QTest::keyClick(w->focusWidget(), Qt::Key_Right);
    EXPECT_EQ(current->text(), "1");

    // Every captioned button has its own access key.
    QSet<QChar> keys;
    for (const QPushButton *button : w->findChildren<QPushButton *>()) {
        if (button->text().isEmpty())
            continue;
        const QChar key = haz::accessKeyOf(button->text());
        EXPECT_FALSE(key.isNull()) << button->objectName().toStdString();
        EXPECT_FALSE(keys.contains(key)) << button->objectName().toStdString();
        keys.insert(key);
    }
    EXPECT_GE(keys.size(), 3);

    // Moved by the learner, it stays there when the room's question comes again;
    // Escape closes it.
    const QPoint chosen = frame.topLeft() + QPoint(-40, -30);
    info->move(chosen);
    QCoreApplication::processEvents();
    answer({"optSvar(1)"}); // too close: the same room again
    ASSERT_EQ(question(), "Where do you stop?");
    ASSERT_TRUE(info->isVisible());
    EXPECT_EQ(info->frameGeometry().topLeft(), chosen);
    QTest::keyClick(info->browser(), Qt::Key_Escape);
    EXPECT_FALSE(info->isVisible());
}
