// The info window: loading, following the question, hiding, its size and place.
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
#include <QScreen>
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
