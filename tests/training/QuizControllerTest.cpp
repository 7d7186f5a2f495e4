// The quiz view of a subject tab: filling, answering, counting, restarting, pictures.
#include "QuizFixture.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

TEST(QuizView, FillShowsTheQuestionWithItsGaps)
{
    QuizFixture f;
    QuizQuestion q = makeQuestion(QStringLiteral("Placards"), {"Orange panel", "", "Diamond & number"}, {0, 2});
    q.SvarTxt[14] = QStringLiteral("Last place");
    f.setQuestions({q});
    f.controller();
    f.box(1)->setChecked(true); // left over from another question
    f.controller().fillQuiz();

    EXPECT_EQ(f.text(QStringLiteral("QuizLbl")), QStringLiteral("Placards"));
    EXPECT_EQ(f.text(QStringLiteral("QuizText")), QStringLiteral("Placards text\nsecond line"));
    EXPECT_FALSE(f.box(0)->isHidden());
    EXPECT_TRUE(f.box(1)->isHidden());
    EXPECT_FALSE(f.box(1)->isChecked());
    EXPECT_EQ(f.box(2)->text(), QStringLiteral("Diamond && number")); // shown with its "&"
    EXPECT_TRUE(f.box(13)->isHidden());
    EXPECT_FALSE(f.box(14)->isHidden());
    EXPECT_FALSE(f.button(QStringLiteral("QuizAnswBtn(3)"))->isHidden());
    EXPECT_TRUE(f.button(QStringLiteral("QuizRestartBtn(3)"))->isHidden());
    EXPECT_TRUE(f.button(QStringLiteral("hazQuizbtnInfoLink"))->isHidden());
    EXPECT_TRUE(f.env.scripted.shown().isEmpty());
}

TEST(QuizView, AllCorrectPlusOneWrongIsWrongAndTheMessageListsOnlyTheCorrect)
{
    QuizFixture f;
    f.setQuestions({makeQuestion(QStringLiteral("Acids"), {"HCl", "NaOH", "H2SO4", "NH3"}, {0, 2}, QStringLiteral("Bases raise the pH.")),
                    makeQuestion(QStringLiteral("Next"), {"a"}, {0})});
    f.controller().fillQuiz();
    f.tick({0, 2, 3});
    f.answer();

    ASSERT_EQ(f.env.scripted.shown().size(), 1);
    const haz::Message &m = f.env.scripted.shown()[0];
    EXPECT_EQ(m.text, QStringLiteral("The correct answer is:\r\n   -HCl\r\n   -H2SO4  \r\n\r\nBases raise the pH."));
    EXPECT_EQ(m.icon, haz::MessageIcon::Information);
    EXPECT_EQ(m.buttons, haz::MessageButtons::Ok);
    EXPECT_EQ(f.position, 1);
    EXPECT_EQ(f.correct, 0);
    EXPECT_EQ(f.text(QStringLiteral("QuizLblDone")), QStringLiteral("Answered: 1"));
    EXPECT_EQ(controlText(child(f.root.get(), QStringLiteral("curLblQuizHazDone"))), QStringLiteral("1"));
    EXPECT_EQ(controlText(child(f.root.get(), QStringLiteral("curLblQuizHazCorr"))), QStringLiteral("0"));
    EXPECT_EQ(f.text(QStringLiteral("QuizLbl")), QStringLiteral("Next"));
    EXPECT_FALSE(f.box(0)->isChecked());
}

TEST(QuizView, AnswerWaitsForAChoiceAndAnEmptyCommentStillEndsTheMessage)
{
    QuizFixture f;
    f.setQuestions({makeQuestion(QStringLiteral("Q"), {"right", "wrong"}, {0}, QString())});
    f.box(1)->setChecked(true); // left over from another question
    f.controller().fillQuiz();
    child<QLineEdit>(f.root.get(), QStringLiteral("hazQuizComm"))->setText(QStringLiteral("old"));
    QPushButton *answer = f.button(f.member.answerButton());
    EXPECT_FALSE(answer->isEnabled());
    f.answer(); // nothing chosen: nothing to count
    EXPECT_EQ(f.position, 0);
    f.tick({1});
    EXPECT_TRUE(answer->isEnabled());
    f.box(1)->setChecked(false);
    EXPECT_FALSE(answer->isEnabled());
    f.tick({1});
    f.answer();
    ASSERT_EQ(f.env.scripted.texts(), QStringList{QStringLiteral("The correct answer is:\r\n   -right  \r\n\r\n")});
    EXPECT_EQ(f.correct, 0);
    EXPECT_EQ(f.position, 1);
}

TEST(QuizView, RightAnswersCountOnTheTabAndTheProgressTab)
{
    for (const QString &prefix : {QStringLiteral("haz"), QStringLiteral("NBC"), QStringLiteral("ide")}) {
        QuizFixture f(prefix);
        f.setQuestions({makeQuestion(QStringLiteral("1"), {"a", "b"}, {1}), makeQuestion(QStringLiteral("2"), {"a"}, {}),
                        makeQuestion(QStringLiteral("3"), {"a", "b", "c"}, {0, 2}), makeQuestion(QStringLiteral("4"), {"a"}, {0})});
        f.controller().fillQuiz();
        f.tick({1});
        f.answer();
        f.answer(); // no correct alternative: ticking nothing is right
        f.tick({0, 2});
        f.answer();
        EXPECT_TRUE(f.env.scripted.shown().isEmpty()) << prefix.toStdString();
        EXPECT_EQ(f.text(QStringLiteral("QuizLblCorr")), QStringLiteral("Correct: 3")) << prefix.toStdString();
        EXPECT_EQ(controlText(child(f.root.get(), f.member.progressLabel(QStringLiteral("Corr")))), QStringLiteral("3"));
        EXPECT_EQ(controlText(child(f.root.get(), f.member.progressLabel(QStringLiteral("Done")))), QStringLiteral("3"));
        EXPECT_TRUE(child<QLineEdit>(f.root.get(), f.member.name(QStringLiteral("QuizComm")))->text().isEmpty());
    }
}

TEST(QuizView, AfterTheLastQuestionRestartReturnsToTheFirst)
{
    QuizFixture f;
    f.setQuestions({makeQuestion(QStringLiteral("First"), {"a"}, {0}), makeQuestion(QStringLiteral("Second"), {"a"}, {0})});
    f.controller().fillQuiz();
    f.tick({0});
    f.answer();
    f.tick({0});
    f.answer();

    EXPECT_EQ(f.text(QStringLiteral("QuizText")), QStringLiteral("All questions\nanswered."));
    EXPECT_TRUE(f.text(QStringLiteral("QuizLbl")).isEmpty());
    for (int k = 0; k < MaxAlternatives; ++k)
        EXPECT_TRUE(f.box(k)->isHidden()) << k;
    EXPECT_TRUE(f.button(QStringLiteral("QuizAnswBtn(3)"))->isHidden());
    EXPECT_FALSE(f.button(QStringLiteral("QuizRestartBtn(3)"))->isHidden());
    EXPECT_EQ(f.correct, 2);

    // The button is hidden, but a stray click only says so.
    f.controller().answer();
    EXPECT_EQ(f.env.scripted.texts(), QStringList{QStringLiteral("Done")});
    EXPECT_EQ(f.position, 2);

    // The quiz view is not selected: the restart selects it, which runs the switch.
    f.button(QStringLiteral("QuizRestartBtn(3)"))->click();
    EXPECT_EQ(f.switchRuns, 1);
    EXPECT_TRUE(child<QRadioButton>(f.root.get(), QStringLiteral("HazOpt(1)"))->isChecked());
    EXPECT_EQ(f.position, 0);
    EXPECT_EQ(f.correct, 0);
    EXPECT_EQ(f.text(QStringLiteral("QuizLbl")), QStringLiteral("First"));
    EXPECT_EQ(f.text(QStringLiteral("QuizLblDone")), QStringLiteral("Answered: 0"));
    EXPECT_EQ(f.text(QStringLiteral("QuizLblCorr")), QStringLiteral("Correct: 0"));
    EXPECT_EQ(f.text(QStringLiteral("QuizLblTot")), QStringLiteral("Questions: 2"));
    EXPECT_FALSE(f.button(QStringLiteral("QuizAnswBtn(3)"))->isHidden());
    EXPECT_TRUE(f.button(QStringLiteral("QuizRestartBtn(3)"))->isHidden());

    // Already in the quiz view: the restart runs the switch itself, with index 1.
    QList<int> switched;
    f.controller().setOptionSwitch([&](int index) { switched << index; });
    f.tick({0});
    f.answer();
    f.button(QStringLiteral("QuizRestartBtn(3)"))->click();
    EXPECT_EQ(switched, QList<int>{1});
    EXPECT_EQ(f.position, 0);
}

TEST(QuizView, SavedPositionBeyondTheListShowsTheFinishedState)
{
    QuizFixture f;
    f.setQuestions({makeQuestion(QStringLiteral("Only"), {"a"}, {0})});
    f.position = 7;
    f.correct = 1;
    f.controller().fillQuiz();
    EXPECT_EQ(f.text(QStringLiteral("QuizText")), QStringLiteral("All questions\nanswered."));
    EXPECT_FALSE(f.button(QStringLiteral("QuizRestartBtn(3)"))->isHidden());

    QuizFixture empty; // a list that could not be read
    empty.controller().fillQuiz();
    EXPECT_FALSE(empty.button(QStringLiteral("QuizRestartBtn(3)"))->isHidden());
    EXPECT_TRUE(empty.button(QStringLiteral("QuizAnswBtn(3)"))->isHidden());
}

TEST(QuizView, AnswerBoxesHandTheFocusToTheAnswerButtonExceptOnNbc)
{
    for (const QString &prefix : {QStringLiteral("haz"), QStringLiteral("NBC")}) {
        QuizFixture f(prefix);
        f.setQuestions({makeQuestion(QStringLiteral("Q"), {"a", "b"}, {0})});
        f.controller().fillQuiz();
        f.root->show();
        QApplication::setActiveWindow(f.root.get());
        QTest::mouseClick(f.box(1), Qt::LeftButton, {}, QPoint(5, 5));
        EXPECT_TRUE(f.box(1)->isChecked()) << prefix.toStdString();
        QWidget *expected = prefix == QLatin1String("NBC") ? static_cast<QWidget *>(f.box(1))
                                                           : f.button(f.member.answerButton());
        EXPECT_EQ(f.root->focusWidget(), expected) << prefix.toStdString();
        // Space ticks the focused box and leaves the focus on it, for the next one.
        f.box(0)->setFocus();
        QTest::keyClick(f.box(0), Qt::Key_Space);
        EXPECT_TRUE(f.box(0)->isChecked()) << prefix.toStdString();
        EXPECT_EQ(f.root->focusWidget(), f.box(0)) << prefix.toStdString();
    }
}

// The focused Answer button takes Enter and the keypad's Enter, on every tab with one.
TEST(QuizView, EnterPressesTheFocusedAnswerButton)
{
    QuizFixture f;
    f.setQuestions({makeQuestion(QStringLiteral("1"), {"a", "b"}, {0}), makeQuestion(QStringLiteral("2"), {"a"}, {0}),
                    makeQuestion(QStringLiteral("3"), {"a"}, {0})});
    f.controller().fillQuiz();
    f.root->show();
    QApplication::setActiveWindow(f.root.get());
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter}) {
        QTest::mouseClick(f.box(0), Qt::LeftButton, {}, QPoint(5, 5));
        ASSERT_NE(f.root->focusWidget(), nullptr);
        QTest::keyClick(f.root->focusWidget(), key);
    }
    EXPECT_EQ(f.position, 2);
    EXPECT_EQ(f.correct, 2);

    for (const QString name : {"QuizAnswBtn(0)", "QuizAnswBtn(7)", "examQuizAnswBtn"}) {
        QPushButton *answer = f.button(name);
        QSignalSpy pressed(answer, &QAbstractButton::clicked);
        QTest::keyClick(answer, Qt::Key_Enter, Qt::KeypadModifier);
        EXPECT_EQ(pressed.count(), 1) << name.toStdString();
    }
}

TEST(QuizView, QuestionPicturesAndPages)
{
    QuizFixture f;
    quiztest::writeImage(f.install, QStringLiteral("data/images/sign.bmp"), "BMP");
    quiztest::writePage(f.install, QStringLiteral("data/images/table.htm"), QStringLiteral("<p>UN table</p>"));
    f.install.writeInstallFile(QStringLiteral("data/images/broken.jpg"), "not a picture");
    QuizQuestion pic = makeQuestion(QStringLiteral("Picture"), {"a"}, {0});
    pic.FrgBild = QStringLiteral("Sign.bmp"); // letter case as on a case-blind file system
    QuizQuestion page = makeQuestion(QStringLiteral("Page"), {"a"}, {0});
    page.FrgBild = QStringLiteral("table.htm");
    QuizQuestion missing = makeQuestion(QStringLiteral("Missing"), {"a"}, {0});
    missing.FrgBild = QStringLiteral("none.gif");
    QuizQuestion broken = makeQuestion(QStringLiteral("Broken"), {"a", "b"}, {0});
    broken.FrgBild = QStringLiteral("broken.jpg");
    f.setQuestions({pic, page, missing, broken, makeQuestion(QStringLiteral("Plain"), {"a"}, {0})});
    auto *box = child<haz::PictureBox>(f.root.get(), QStringLiteral("hazQuizPic"));
    auto *web = child<haz::PageView>(f.root.get(), QStringLiteral("hazQuizWeb"));

    f.controller().fillQuiz();
    EXPECT_TRUE(box->hasPicture());
    EXPECT_FALSE(box->isHidden());

    f.tick({0});
    f.answer();
    EXPECT_TRUE(box->isHidden());
    EXPECT_FALSE(web->isHidden());
    EXPECT_TRUE(web->toPlainText().contains(QStringLiteral("UN table")));

    f.tick({0});
    f.answer();
    EXPECT_TRUE(f.env.scripted.shown().isEmpty()) << "a missing picture is no failure";
    EXPECT_EQ(f.text(QStringLiteral("QuizLbl")), QStringLiteral("Missing"));

    // A picture that cannot be decoded is reported once; the question is still usable.
    f.tick({0});
    f.answer();
    ASSERT_EQ(f.env.scripted.shown().size(), 1);
    EXPECT_EQ(f.env.scripted.shown()[0].title, QStringLiteral("filloutQuiz"));
    EXPECT_EQ(f.env.scripted.shown()[0].icon, haz::MessageIcon::Critical);
    EXPECT_TRUE(f.env.scripted.shown()[0].text.endsWith(QStringLiteral(" Code:481")));
    EXPECT_EQ(f.text(QStringLiteral("QuizLbl")), QStringLiteral("Broken"));
    EXPECT_FALSE(f.box(1)->isHidden());
    EXPECT_FALSE(f.button(QStringLiteral("QuizAnswBtn(3)"))->isHidden());
    EXPECT_FALSE(box->hasPicture());

    f.tick({0});
    f.answer();
    EXPECT_FALSE(box->hasPicture()); // no picture: the box is emptied
    EXPECT_EQ(f.env.scripted.shown().size(), 1);
}

TEST(QuizView, CopyingTheQuestionPictureAsksFirst)
{
    QuizFixture f;
    quiztest::writeImage(f.install, QStringLiteral("data/images/sign.gif"), "BMP");
    QuizQuestion q = makeQuestion(QStringLiteral("Q"), {"a"}, {0});
    q.FrgBild = QStringLiteral("sign.gif");
    f.setQuestions({q, makeQuestion(QStringLiteral("No picture"), {"a"}, {0})});
    f.controller().fillQuiz();
    auto *box = child<haz::PictureBox>(f.root.get(), QStringLiteral("hazQuizPic"));
    QClipboard *clipboard = QGuiApplication::clipboard();
    clipboard->setText(QStringLiteral("before"));

    f.env.scripted.queueAnswer(haz::MessageAnswer::Cancel);
    QTest::mouseRelease(box, Qt::RightButton, {}, QPoint(2, 2));
    EXPECT_EQ(f.env.scripted.texts(), QStringList{QStringLiteral("Copy the picture?")});
    EXPECT_EQ(f.env.scripted.shown()[0].buttons, haz::MessageButtons::OkCancel);
    EXPECT_EQ(clipboard->text(), QStringLiteral("before"));

    f.env.scripted.clear();
    f.env.scripted.queueAnswer(haz::MessageAnswer::Ok);
    QTest::mouseRelease(box, Qt::RightButton, {}, QPoint(2, 2));
    EXPECT_EQ(f.env.scripted.texts(), (QStringList{QStringLiteral("Copy the picture?"), QStringLiteral("The picture is on the clipboard.")}));
    EXPECT_EQ(clipboard->image().size(), QSize(30, 20));

    // The left button, or a box without a picture, asks nothing.
    f.env.scripted.clear();
    QTest::mouseRelease(box, Qt::LeftButton, {}, QPoint(2, 2));
    f.tick({0});
    f.answer();
    QTest::mouseRelease(box, Qt::RightButton, {}, QPoint(2, 2));
    EXPECT_TRUE(f.env.scripted.shown().isEmpty());
}

