// The info window through the real main window: placed clear of the question, its
// picture, the alternatives and Answer, on every question of a subject quiz and of the
// exam; kept where the learner puts it; closed with Escape.
#include "CourseTestFiles.h"
#include "TrainingProgramFixture.h"

#include "AccessKeys.h"
#include "InfoWindowPlace.h"
#include "PageView.h"
#include "TabServices.h"
#include "frmWebInfo.h"

#include <QCheckBox>
#include <QLabel>
#include <QRadioButton>
#include <QScreen>
#include <QTabBar>
#include <QTabWidget>

using namespace training;
using trainingtest::installTable;
using trainingtest::ListQuestion;
using trainingtest::questionListText;

namespace {

// A quiz list whose questions have `alternatives` alternatives, the first right, and an
// info page each.
QString listWithInfo(const QStringList &headings, int alternatives, const QString &time = QStringLiteral("0"))
{
    QList<ListQuestion> questions;
    for (const QString &heading : headings)
        questions.append({.heading = heading,
                          .svarKom = QStringLiteral("Because."),
                          .time = time,
                          .text = QStringLiteral("What is meant by ") + heading + u'?',
                          .infoLink = QStringLiteral("tip.htm"),
                          .alternatives = trainingtest::numberedAlternatives(alternatives),
                          .infoWidth = 480,
                          .infoHeight = 360});
    return questionListText(questions);
}

class InfoPlacementFlow : public trainingtest::ProgramFixture {
protected:
    InfoPlacementFlow()
    {
        installTable(env, "ini/Hazard.ini", listWithInfo({"Flash point", "Explosive limits", "Vapour density"}, 12));
        installTable(env, "ini/exam/a.ini", listWithInfo({"Exam one"}, 4, "60"));
        installTable(env, "ini/exam/b.ini", listWithInfo({"Exam one"}, 4, "60"));
        env.writeInstallFile("data/html/tip.htm", "<html><body><p>Background</p></body></html>");
    }

    frmWebInfo *info() const { return main()->services().info().loadedWindow(); }

    // The info window is shown, on screen, and covers none of the question's parts.
    void expectClearOfQuestion(const QString &prefix, const QString &answerButton)
    {
        frmWebInfo *w = info();
        ASSERT_TRUE(w && w->isVisible());
        const QRect frame = w->frameGeometry();
        EXPECT_TRUE(w->screen()->availableGeometry().contains(frame));
        QStringList parts{prefix + "QuizLbl", prefix + "QuizText", prefix + "QuizPic", prefix + "QuizWeb", answerButton};
        for (int k = 0; k < 15; ++k)
            parts << QStringLiteral("%1QuizAnsw(%2)").arg(prefix).arg(k);
        int seen = 0;
        for (const QString &name : parts) {
            const QRect part = haz::visibleScreenRect(control(name));
            if (part.isEmpty())
                continue;
            ++seen;
            EXPECT_FALSE(frame.intersects(part)) << name.toStdString();
        }
        EXPECT_GE(seen, 5);
    }
};

} // namespace

TEST_F(InfoPlacementFlow, TheInfoWindowNeverCoversTheQuestionAndStaysWhereTheLearnerPutsIt)
{
    ASSERT_EQ(start(), TrainingProgram::StartResult::Started);
    signIn("Ann");
    ASSERT_TRUE(main()->isVisible());
    clickTab(TabHaz);
    control<QRadioButton>("HazOpt(1)")->click();
    ASSERT_EQ(control<QLabel>("hazQuizLbl")->text(), "Flash point");
    expectClearOfQuestion("haz", "QuizAnswBtn(3)");

    control<QCheckBox>("hazQuizAnsw(0)")->click();
    control<QPushButton>("QuizAnswBtn(3)")->click();
    ASSERT_EQ(control<QLabel>("hazQuizLbl")->text(), "Explosive limits");
    expectClearOfQuestion("haz", "QuizAnswBtn(3)");

    // The learner moves it: it stays there for the next question, even over the question.
    const QPoint chosen = info()->screen()->availableGeometry().topLeft() + QPoint(10, 10);
    info()->move(chosen);
    QCoreApplication::processEvents();
    control<QCheckBox>("hazQuizAnsw(0)")->click();
    control<QPushButton>("QuizAnswBtn(3)")->click();
    ASSERT_EQ(control<QLabel>("hazQuizLbl")->text(), "Vapour density");
    ASSERT_TRUE(info()->isVisible());
    EXPECT_EQ(info()->frameGeometry().topLeft(), chosen);

    // Escape closes it.
    QTest::keyClick(info()->webWindow(), Qt::Key_Escape);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(main()->services().info().isShown());

    // The exam's questions: the info window comes back where the learner put it.
    clickTab(TabExam);
    ASSERT_EQ(control<QLabel>("examQuizLbl")->text(), "Exam one");
    ASSERT_TRUE(info() && info()->isVisible());
    EXPECT_EQ(info()->frameGeometry().topLeft(), chosen);
}

TEST_F(InfoPlacementFlow, TheExamQuestionIsLeftInViewToo)
{
    ASSERT_EQ(start(), TrainingProgram::StartResult::Started);
    signIn("Ann");
    ASSERT_TRUE(main()->isVisible());
    clickTab(TabExam);
    ASSERT_EQ(control<QLabel>("examQuizLbl")->text(), "Exam one");
    expectClearOfQuestion("exam", "examQuizAnswBtn");
}

TEST_F(InfoPlacementFlow, KeyboardRunsFromTheQuestionThroughTheAlternativesToAnswerAndEveryButtonHasAKey)
{
    ASSERT_EQ(start(), TrainingProgram::StartResult::Started);
    signIn("Ann");
    ASSERT_TRUE(main()->isVisible());
    QApplication::setActiveWindow(main());
    clickTab(TabHaz);
    control<QRadioButton>("HazOpt(1)")->click();
    ASSERT_EQ(main()->focusWidget(), control("hazQuizText"));

    QTest::keyClick(main()->focusWidget(), Qt::Key_Tab);
    ASSERT_EQ(main()->focusWidget(), control("hazQuizAnsw(0)"));
    QTest::keyClick(main()->focusWidget(), Qt::Key_Space);
    EXPECT_TRUE(control<QCheckBox>("hazQuizAnsw(0)")->isChecked());
    EXPECT_EQ(main()->focusWidget(), control("hazQuizAnsw(0)"));
    for (int k = 1; k < 12; ++k) {
        QTest::keyClick(main()->focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(main()->focusWidget(), control(QStringLiteral("hazQuizAnsw(%1)").arg(k)));
    }
    QTest::keyClick(main()->focusWidget(), Qt::Key_Tab);
    ASSERT_EQ(main()->focusWidget(), control("QuizAnswBtn(3)"));
    QTest::keyClick(main()->focusWidget(), Qt::Key_Return);
    EXPECT_EQ(control<QLabel>("hazQuizLbl")->text(), "Explosive limits");
    EXPECT_EQ(state->learner.progress.subjects[Haz].quizCorr, 1);

    // Every captioned button of the window can be reached with Alt and a letter, and no
    // two that show together share the letter.
    QHash<QChar, QString> shown;
    for (const QPushButton *button : main()->findChildren<QPushButton *>()) {
        if (button->text().isEmpty())
            continue;
        const QChar key = haz::accessKeyOf(button->text());
        EXPECT_FALSE(key.isNull()) << button->objectName().toStdString();
        if (!button->isVisible() || key.isNull())
            continue;
        EXPECT_FALSE(shown.contains(key)) << button->objectName().toStdString() << " and "
                                          << shown.value(key).toStdString();
        shown.insert(key, button->objectName());
    }
    EXPECT_GE(shown.size(), 2); // at least Answer and the info link
}
