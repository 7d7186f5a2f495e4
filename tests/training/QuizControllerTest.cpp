#include "MediaDisplay.h"
#include "QuizController.h"
#include "RuntimeError.h"
#include "QuizTestWindow.h"
#include "frmWebInfo.h"

#include <QApplication>
#include <QClipboard>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

using namespace training;
using quiztest::child;

namespace {

QuizQuestion makeQuestion(const QString &head, const QStringList &alternatives, const QList<int> &correct,
                          const QString &comment = QStringLiteral("Think again."))
{
    QuizQuestion q;
    q.FrgHead = head;
    q.FrgText = head + QStringLiteral(" text<br>second line");
    for (int k = 0; k < alternatives.size(); ++k)
        q.SvarTxt[k] = alternatives[k];
    for (int k : correct)
        q.SvarR[k] = true;
    q.SvarKom = comment;
    return q;
}

// One subject's quiz over the stand-in main window.
struct QuizFixture {
    explicit QuizFixture(const QString &prefix = QStringLiteral("haz"))
        : root(quiztest::makeMainWindow()), env(install), info(failures, root.get()), media(root.get(), info, failures),
          member(*quizMember(prefix))
    {
    }

    void setQuestions(const QList<QuizQuestion> &questions)
    {
        list = questions;
        count = questions.size();
        list.append(QuizQuestion()); // the spare entry
    }

    QuizController &controller()
    {
        if (!quiz) {
            quiz = std::make_unique<QuizController>(root.get(), member, QuizData{list, count, position, correct},
                                                    QuizServices{env, media, info});
            // The tab's fact/quiz switch, reduced to what the quiz needs.
            auto *option = child<QRadioButton>(root.get(), member.quizOption());
            QObject::connect(option, &QAbstractButton::clicked, quiz.get(), [this] {
                ++switchRuns;
                quiz->updateCountLabels();
                quiz->fillQuiz();
            });
        }
        return *quiz;
    }

    QCheckBox *box(int k) const { return child<QCheckBox>(root.get(), member.answerBox(k)); }
    QPushButton *button(const QString &name) const { return child<QPushButton>(root.get(), name); }
    QString text(const QString &role) const { return controlText(child(root.get(), member.name(role))); }
    void tick(std::initializer_list<int> boxes)
    {
        for (int k : boxes)
            box(k)->setChecked(true);
    }
    void answer() { button(member.answerButton())->click(); }

    haztest::TestEnvironment install;
    std::unique_ptr<QWidget> root;
    quiztest::Environment env;
    haz::LastError failures;
    frmWebInfoHost info;
    MediaDisplay media;
    QuizMember member;
    QList<QuizQuestion> list;
    qint32 count = 0;
    qint32 position = 0;
    qint32 correct = 0;
    int switchRuns = 0;
    std::unique_ptr<QuizController> quiz;
};

} // namespace

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

TEST(QuizView, NothingTickedIsWrongAndAnEmptyCommentStillEndsTheMessage)
{
    QuizFixture f;
    f.setQuestions({makeQuestion(QStringLiteral("Q"), {"right", "wrong"}, {0}, QString())});
    f.controller().fillQuiz();
    child<QLineEdit>(f.root.get(), QStringLiteral("hazQuizComm"))->setText(QStringLiteral("old"));
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

namespace {

// Records whether the info window was visible when each message was shown.
class WatchingMessages : public haz::ScriptedMessages {
public:
    explicit WatchingMessages(frmWebInfoHost &info) : m_info(info) {}
    using haz::ScriptedMessages::show;
    haz::MessageAnswer show(const haz::Message &message) override
    {
        infoShownAtMessage << m_info.isShown();
        return haz::ScriptedMessages::show(message);
    }
    QList<bool> infoShownAtMessage;

private:
    frmWebInfoHost &m_info;
};

QuizQuestion withInfo(QuizQuestion q, const QString &link, qint16 width, qint16 height)
{
    q.InfoLink = link;
    q.InfoWidth = width;
    q.InfoHeight = height;
    return q;
}

struct InfoFixture : QuizFixture {
    InfoFixture()
    {
        child<QLabel>(root.get(), QStringLiteral("hazLbl"))->setText(QStringLiteral("Hazards"));
        quiztest::writePage(install, QStringLiteral("data/html/flash.htm"), QStringLiteral("<p>Flash point</p>"));
        quiztest::writePage(install, QStringLiteral("data/html/lel.htm"), QStringLiteral("<p>Explosive limits</p>"));
        setQuestions({withInfo(makeQuestion(QStringLiteral("Flash"), {"a"}, {0}), QStringLiteral("flash.htm"), 400, 300),
                      withInfo(makeQuestion(QStringLiteral("LEL"), {"a"}, {0}), QStringLiteral("lel.htm"), 0, 250),
                      makeQuestion(QStringLiteral("Plain"), {"a"}, {0})});
        child<QRadioButton>(root.get(), QStringLiteral("HazOpt(1)"))->setChecked(true);
    }
    frmWebInfo *window() { return info.loadedWindow(); }
};

} // namespace

TEST(InfoWindow, IsATopMostWindowWithoutOwnerThatUnloadsOnClose)
{
    haz::LastError failures;
    frmWebInfoHost host(failures);
    EXPECT_EQ(host.loadedWindow(), nullptr);
    frmWebInfo *w = host.window();
    EXPECT_EQ(w->parentWidget(), nullptr);
    EXPECT_TRUE(w->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_NE(w->findChild<haz::PageView *>(QStringLiteral("webWindow")), nullptr);
    host.showWithoutWaiting();
    EXPECT_TRUE(host.isShown());

    w->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(host.loadedWindow(), nullptr);
    EXPECT_FALSE(host.isShown());
    host.hideWebInfoBox(); // nothing to hide, nothing loaded
    EXPECT_EQ(host.loadedWindow(), nullptr);
    // The next use loads it again, top-most again.
    frmWebInfo *again = host.window();
    ASSERT_NE(again, nullptr);
    EXPECT_TRUE(again->windowFlags() & Qt::WindowStaysOnTopHint);
}

TEST(InfoWindow, FollowsTheQuestionOnceOpened)
{
    InfoFixture f;
    f.controller().fillQuiz();
    // Not yet wanted: the page is loaded, the window is not shown.
    EXPECT_FALSE(f.button(QStringLiteral("hazQuizbtnInfoLink"))->isHidden());
    ASSERT_NE(f.window(), nullptr);
    EXPECT_FALSE(f.info.isShown());
    EXPECT_FALSE(f.info.infoWinShow());

    f.info.UpdateWebInfoBox(4);
    EXPECT_TRUE(f.info.infoWinShow());
    ASSERT_TRUE(f.info.isShown());
    EXPECT_EQ(f.window()->windowTitle(), QStringLiteral("Hazards - Flash"));
    EXPECT_TRUE(f.window()->webWindow()->toPlainText().contains(QStringLiteral("Flash point")));
    EXPECT_EQ(f.window()->sizeTwips(), QSize(6000, 4500));

    f.tick({0});
    f.answer();
    EXPECT_TRUE(f.info.isShown());
    EXPECT_EQ(f.window()->windowTitle(), QStringLiteral("Hazards - LEL"));
    EXPECT_TRUE(f.window()->webWindow()->toPlainText().contains(QStringLiteral("Explosive limits")));
    EXPECT_EQ(f.window()->sizeTwips(), QSize(6000, 4500)) << "InfoWidth 0 keeps the size";

    f.tick({0});
    f.answer();
    EXPECT_FALSE(f.info.isShown());
    EXPECT_TRUE(f.button(QStringLiteral("hazQuizbtnInfoLink"))->isHidden());
}

TEST(InfoWindow, HidesOnTabsWithoutAQuestionAndInTheFactView)
{
    InfoFixture f;
    f.controller().fillQuiz();
    for (int tab : {0, 6, 7, 10}) {
        f.info.UpdateWebInfoBox(4);
        ASSERT_TRUE(f.info.isShown()) << tab;
        f.info.UpdateWebInfoBox(tab);
        EXPECT_FALSE(f.info.isShown()) << tab;
    }
    f.info.UpdateWebInfoBox(4);
    child<QRadioButton>(f.root.get(), QStringLiteral("HazOpt(0)"))->setChecked(true);
    f.info.UpdateWebInfoBox(4);
    EXPECT_FALSE(f.info.isShown());
    // Another subject without a quiz source of its own hides it as well.
    f.info.UpdateWebInfoBox(4);
    f.info.UpdateWebInfoBox(2);
    EXPECT_FALSE(f.info.isShown());
}

TEST(InfoWindow, InfoLinkButtonOpensItAndAMaximisedWindowKeepsItsSize)
{
    InfoFixture f;
    f.controller().fillQuiz();
    EXPECT_FALSE(f.info.isShown());
    f.button(QStringLiteral("hazQuizbtnInfoLink"))->click();
    EXPECT_TRUE(f.info.isShown());
    EXPECT_TRUE(f.info.infoWinShow());
    EXPECT_EQ(f.window()->sizeTwips(), QSize(6000, 4500));

    f.window()->showMaximized();
    const QSize maximised = f.window()->size();
    f.list[0].InfoWidth = 200;
    f.list[0].InfoHeight = 100;
    f.button(QStringLiteral("hazQuizbtnInfoLink"))->click();
    EXPECT_EQ(f.window()->size(), maximised);

    // Back to normal, a wish beyond 2184 pixels takes the screen's width.
    f.window()->showNormal();
    f.list[0].InfoWidth = 3000;
    f.button(QStringLiteral("hazQuizbtnInfoLink"))->click();
    EXPECT_EQ(f.window()->sizeTwips(), QSize(f.window()->screen()->availableGeometry().width() * 15, 1500));
}

// The page fills the window, and the window stays on the screen however large the
// wish and wherever it opens.
TEST(InfoWindow, PageFillsTheWindowAndTheWindowStaysOnScreen)
{
    haz::LastError failures;
    frmWebInfoHost host(failures);
    frmWebInfo *w = host.window();
    w->show();
    const QRect area = w->screen()->availableGeometry();
    for (const QSize wish : {QSize(9000, 6000), QSize(area.width() * 15 + 3000, 6000), QSize(3000, 3000)}) {
        w->setSizeTwips(wish);
        QCoreApplication::processEvents();
        EXPECT_TRUE(area.contains(w->frameGeometry())) << wish.width();
        EXPECT_EQ(w->webWindow()->geometry(), w->rect()) << wish.width();
    }
    w->showMaximized();
    QCoreApplication::processEvents();
    EXPECT_EQ(w->webWindow()->geometry(), w->rect());
}

TEST(InfoWindow, WrongAnswerHidesItBeforeTheMessage)
{
    InfoFixture f;
    WatchingMessages watching(f.info);
    QuizServices services{f.env, f.media, f.info};
    f.controller().fillQuiz();
    f.info.UpdateWebInfoBox(4);
    ASSERT_TRUE(f.info.isShown());
    EXPECT_FALSE(checkQuizAnswer(nullptr, f.controller().controls().answers, f.list[0], false, services));
    EXPECT_TRUE(f.info.isShown()) << "no message wanted: the window stays";

    struct Env : quiztest::Environment {
        Env(const haztest::TestEnvironment &i, haz::MessageService &m) : quiztest::Environment(i), service(m) {}
        haz::MessageService &messages() override { return service; }
        haz::MessageService &service;
    } env(f.install, watching);
    QuizServices watched{env, f.media, f.info};
    EXPECT_FALSE(checkQuizAnswer(nullptr, f.controller().controls().answers, f.list[0], true, watched));
    EXPECT_EQ(watching.infoShownAtMessage, QList<bool>{false});
}

TEST(InfoWindow, DebugButtonShowsTheExamFrameAndBothLeftEdges)
{
    QWidget root;
    auto *exam = quiztest::add<QWidget>(&root, QStringLiteral("frmExamSvar"));
    auto *excer = quiztest::add<QWidget>(&root, QStringLiteral("frmSvar"));
    auto *tot = quiztest::add<QLabel>(&root, QStringLiteral("examQuizLblTot"));
    auto *done = quiztest::add<QLabel>(&root, QStringLiteral("examQuizLblDone"));
    exam->move(100, 5);
    excer->move(8, 5);
    for (QWidget *w : std::initializer_list<QWidget *>{exam, tot, done})
        w->hide();
    haz::ScriptedMessages messages;
    debugBtnClick(&root, messages);
    EXPECT_FALSE(exam->isHidden());
    EXPECT_FALSE(tot->isHidden());
    EXPECT_FALSE(done->isHidden());
    EXPECT_EQ(messages.texts(), (QStringList{QStringLiteral("exam:1500:"), QStringLiteral("excer:120:")}));
}
