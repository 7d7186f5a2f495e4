#include "FactFamily.h"
#include "InfoPlacement.h"
#include "InfoWindowRules.h"
#include "MediaTarget.h"
#include "QuizFamily.h"
#include "QuizPlay.h"
#include "QuizRun.h"

#include <gtest/gtest.h>

using namespace training;

namespace {

QuizQuestion threeOfFive()
{
    QuizQuestion q;
    q.FrgHead = QStringLiteral("Corrosives");
    q.FrgText = QStringLiteral("Which are acids?<br>Tick all.<br>");
    q.SvarTxt[0] = QStringLiteral("Sulphuric acid");
    q.SvarTxt[1] = QStringLiteral("Sodium hydroxide");
    q.SvarTxt[3] = QStringLiteral("Nitric acid"); // alternative 3 is a gap
    q.SvarTxt[4] = QStringLiteral("Ammonia");
    q.SvarR[0] = true;
    q.SvarR[2] = true; // a flag on a gap does not count
    q.SvarR[3] = true;
    q.SvarKom = QStringLiteral("Bases are not acids.");
    return q;
}

std::array<bool, MaxAlternatives> ticks(std::initializer_list<int> boxes)
{
    std::array<bool, MaxAlternatives> t{};
    for (int b : boxes)
        t[b] = true;
    return t;
}

} // namespace

TEST(QuizPlay, OnlyExactlyTheCorrectAlternativesAreRight)
{
    const QuizQuestion q = threeOfFive();
    EXPECT_TRUE(evaluateQuizAnswer(q, ticks({0, 3})).right);
    EXPECT_TRUE(evaluateQuizAnswer(q, ticks({0, 3, 2})).right) << "a ticked gap is not an alternative";
    EXPECT_FALSE(evaluateQuizAnswer(q, ticks({0})).right);
    EXPECT_FALSE(evaluateQuizAnswer(q, ticks({})).right);

    // All correct plus one wrong: wrong, and the message names only the correct ones.
    const QuizAnswerResult wrong = evaluateQuizAnswer(q, ticks({0, 3, 4}));
    EXPECT_FALSE(wrong.right);
    EXPECT_EQ(correctAnswerMessage(QStringLiteral("The correct answer:"), wrong, q.SvarKom),
              QStringLiteral("The correct answer:\r\n   -Sulphuric acid\r\n   -Nitric acid  \r\n\r\nBases are not acids."));

    // No correct alternative: only ticking nothing is right.
    QuizQuestion none = q;
    none.SvarR.fill(false);
    EXPECT_TRUE(evaluateQuizAnswer(none, ticks({})).right);
    EXPECT_FALSE(evaluateQuizAnswer(none, ticks({1})).right);
    EXPECT_EQ(correctAnswerMessage(QStringLiteral("H"), evaluateQuizAnswer(none, ticks({1})), QString()),
              QStringLiteral("H  \r\n\r\n"));
}

TEST(QuizPlay, QuestionViewKeepsPlacesAndBreaksLines)
{
    const QuizQuestionView view = viewOfQuestion(threeOfFive());
    EXPECT_EQ(view.heading, QStringLiteral("Corrosives"));
    EXPECT_EQ(view.text, QStringLiteral("Which are acids?\r\nTick all.\r\n"));
    EXPECT_TRUE(view.visible[1]);
    EXPECT_FALSE(view.visible[2]);
    EXPECT_TRUE(view.visible[3]);
    EXPECT_EQ(view.captions[3], QStringLiteral("Nitric acid"));
    EXPECT_FALSE(view.visible[14]);
    EXPECT_EQ(quizQuestionText(QStringLiteral("<BR>a<br><br>")), QStringLiteral("<BR>a\r\n\r\n"));
}

// A whole run: right and wrong answers, the end, a finished run that takes no
// answer, the restart, and positions outside a list that has become shorter.
TEST(QuizRun, CountsAnswersToTheEndAndStartsOver)
{
    QList<QuizQuestion> list{threeOfFive(), threeOfFive(), QuizQuestion()}; // two and the spare entry
    qint32 count = 2, position = 0, correct = 0;
    QuizRun run({list, count, position, correct});
    const auto right = ticks({0, 3});
    ASSERT_EQ(run.current(), &list[0]);
    EXPECT_TRUE(run.answer(right).right);
    const QuizAnswerResult wrong = run.answer(ticks({0}));
    EXPECT_FALSE(wrong.right);
    EXPECT_TRUE(wrong.correctText.contains(QStringLiteral("Nitric acid")));
    EXPECT_EQ(position, 2);
    EXPECT_EQ(correct, 1);
    EXPECT_TRUE(run.finished());
    EXPECT_TRUE(run.answer(right).right);
    EXPECT_EQ(position, 2);
    EXPECT_EQ(correct, 1);

    run.restart();
    EXPECT_EQ(position, 0);
    EXPECT_EQ(correct, 0);
    EXPECT_EQ(run.current(), &list[0]);

    for (const qint32 outside : {40, -1}) {
        position = outside;
        EXPECT_TRUE(run.finished()) << outside;
    }
    // A count larger than the list read (a failed read) does not reach past it.
    count = 9;
    position = 5;
    EXPECT_TRUE(run.finished());
    EXPECT_EQ(countLabelText(QStringLiteral("Correct answers:"), 3), QStringLiteral("Correct answers: 3"));
}

TEST(MediaTarget, ChoosesByControlNameAndExactExtension)
{
    MediaChoice c = chooseMediaTarget(QStringLiteral("hazQuizPic"), QStringLiteral("/i/sign.gif"));
    EXPECT_EQ(c.kind, MediaKind::Picture);
    EXPECT_EQ(c.target, QStringLiteral("hazQuizPic"));
    c = chooseMediaTarget(QStringLiteral("excerQuizPic"), QStringLiteral("/i/page.html"));
    EXPECT_EQ(c.kind, MediaKind::Page);
    EXPECT_EQ(c.target, QStringLiteral("excerQuizWeb"));
    EXPECT_EQ(chooseMediaTarget(QStringLiteral("NBCQuizPic"), QStringLiteral("/i/sign.GIF")).kind, MediaKind::None);
    EXPECT_EQ(chooseMediaTarget(QStringLiteral("NBCQuizPic"), QStringLiteral("/i/sign.png")).kind, MediaKind::None);

    c = chooseMediaTarget(QStringLiteral("refFactWeb"), QStringLiteral("/h/a.htm"));
    EXPECT_EQ(c.kind, MediaKind::Page);
    EXPECT_EQ(c.printButton, QStringLiteral("FactCmdPrint(5)"));
    c = chooseMediaTarget(QStringLiteral("takFactWeb"), QStringLiteral("/h/a.htm#part"));
    EXPECT_EQ(c.kind, MediaKind::None);
    EXPECT_EQ(c.printButton, QStringLiteral("FactCmdPrint(6)")) << "disabled even when nothing is shown";
    EXPECT_EQ(chooseMediaTarget(QStringLiteral("ideFactWeb"), QStringLiteral("/h/a.HTM")).kind, MediaKind::None);
    EXPECT_EQ(chooseMediaTarget(QStringLiteral("ideFactWeb"), QStringLiteral("/h/a.jpg")).kind, MediaKind::None);

    c = chooseMediaTarget(QStringLiteral("webWindow"), QStringLiteral("/i/a.jpg"));
    EXPECT_EQ(c.kind, MediaKind::None);
    EXPECT_TRUE(c.hideInfoBrowser);
    EXPECT_EQ(chooseMediaTarget(QStringLiteral("webWindow"), QStringLiteral("/h/a.html")).target, QStringLiteral("webWindow"));
    EXPECT_EQ(chooseMediaTarget(QStringLiteral("infoWeb"), QStringLiteral("/h/a.htm")).kind, MediaKind::None);

    EXPECT_EQ(mediaExtension(QStringLiteral("noext")), QStringLiteral("noext"));
    EXPECT_EQ(mediaClearingFor(QStringLiteral("examQuizPic")), MediaClearing::Hide);
    EXPECT_EQ(mediaClearingFor(QStringLiteral("physQuizWeb")), MediaClearing::BlankAndHide);
    EXPECT_EQ(mediaClearingFor(QStringLiteral("takFactWeb")), MediaClearing::BlankAndHide);
    EXPECT_EQ(mediaClearingFor(QStringLiteral("infoWeb")), MediaClearing::Keep);
    EXPECT_EQ(mediaClearingFor(QStringLiteral("webWindow")), MediaClearing::Keep);
}

TEST(InfoWindowRules, SizeWishAndResize)
{
    const QSize screen(1920 * 15, 1080 * 15);
    EXPECT_EQ(infoWindowSizeWish(400, 300, screen), QSize(6000, 4500));
    EXPECT_FALSE(infoWindowSizeWish(0, 300, screen).has_value());
    EXPECT_FALSE(infoWindowSizeWish(400, -1, screen).has_value());
    EXPECT_EQ(infoWindowSizeWish(2184, 2185, screen), QSize(2184 * 15, 1080 * 15));
    EXPECT_EQ(infoWindowSizeWish(32767, 200, screen), QSize(1920 * 15, 3000));

    // On screen: moved in from the right edge, shrunk when wider than the area.
    const QRect area(0, 0, 1600, 970);
    EXPECT_EQ(haz::keptInside(QRect(1100, 80, 540, 400), area), QRect(1060, 80, 540, 400));
    EXPECT_EQ(haz::keptInside(QRect(-30, 900, 300, 200), area), QRect(0, 770, 300, 200));
    EXPECT_EQ(haz::keptInside(QRect(500, 10, 2000, 1200), area), area);
    EXPECT_EQ(haz::keptInside(QRect(20, 30, 100, 100), area), QRect(20, 30, 100, 100));

    EXPECT_EQ(infoWindowTitle(QStringLiteral("Hazards"), QStringLiteral("Flash point")), QStringLiteral("Hazards - Flash point"));
    EXPECT_EQ(debugPositionText(QStringLiteral("exam"), 1200), QStringLiteral("exam:1200:"));
}

TEST(InfoWindowRules, TabsThatHideOrOpenTheWindow)
{
    for (int tab : {0, 6, 7, 10}) {
        EXPECT_TRUE(infoBoxStepForTab(tab, true).hide) << tab;
        EXPECT_FALSE(infoBoxStepForTab(tab, true).openFromSource) << tab;
    }
    for (int tab : {1, 2, 3, 4, 5, 8, 9}) {
        EXPECT_TRUE(infoBoxStepForTab(tab, true).openFromSource) << tab;
        EXPECT_FALSE(infoBoxStepForTab(tab, true).hide) << tab;
        EXPECT_TRUE(infoBoxStepForTab(tab, false).hide) << tab;
    }
}

TEST(Families, NamesOfTheOddMembers)
{
    ASSERT_EQ(quizMembers().size(), 5);
    const QuizMember *haz = quizMember(QStringLiteral("haz"));
    ASSERT_NE(haz, nullptr);
    EXPECT_EQ(haz->tab, 4);
    EXPECT_EQ(haz->answerButton(), QStringLiteral("QuizAnswBtn(3)"));
    EXPECT_EQ(haz->quizOption(), QStringLiteral("HazOpt(1)"));
    EXPECT_EQ(haz->answerBox(14), QStringLiteral("hazQuizAnsw(14)"));
    EXPECT_EQ(haz->progressLabel(QStringLiteral("Done")), QStringLiteral("curLblQuizHazDone"));
    EXPECT_FALSE(quizMember(QStringLiteral("NBC"))->answerBoxFocus);
    EXPECT_TRUE(quizMember(QStringLiteral("ide"))->answerBoxFocus);

    ASSERT_EQ(factMembers().size(), 7);
    EXPECT_EQ(factMember(QStringLiteral("ide"))->list, QStringLiteral("ideLstFact"));
    EXPECT_EQ(factMember(QStringLiteral("NBC"))->progressLabel, QStringLiteral("curLblNBCFactPos"));
    EXPECT_EQ(factMember(QStringLiteral("tak"))->printButton(), QStringLiteral("FactCmdPrint(6)"));
    EXPECT_EQ(factMember(QStringLiteral("ref"))->tab, 7);

    EXPECT_EQ(factSelectionIndex(2, 3), 2);
    EXPECT_EQ(factSelectionIndex(3, 3), -1);
    EXPECT_EQ(factSelectionIndex(0, 0), -1);
    EXPECT_EQ(factSelectionIndex(-1, 3), -1);
}
