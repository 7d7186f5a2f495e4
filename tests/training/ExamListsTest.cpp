// The exercise and exam question sets: which list a restart moves to, loading a
// list (also when the course changed since the learner's last run), question kinds,
// and the time-ran-out dialog. The exam's clock is played through its tab elsewhere.
#include "ExamLists.h"
#include "MessageService.h"
#include "RandomSource.h"
#include "RuntimeError.h"
#include "TestEnvironment.h"
#include "frmExamTimeRanOut.h"

#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

using namespace training;

namespace {

TEST(ExamListChoice, ThreeFilesAlternateAndMoreFilesDrawOnce)
{
    haz::ScriptedRandomSource random;
    ListChoice choice{0, 0};
    QList<qint32> used;
    for (int i = 0; i < 4; ++i) {
        choice = nextListChoice(RunKind::Exam, 2, choice, random);
        used << choice.use;
    }
    EXPECT_EQ(used, QList<qint32>({1, 0, 1, 0}));
    EXPECT_TRUE(random.requests().isEmpty());

    // Five files: one draw from 1 .. 4, which may repeat the list just used.
    for (int r : {3, 3, 1, 4})
        random.queue(r);
    choice = {0, 0};
    QList<ListChoice> seen;
    for (int i = 0; i < 4; ++i)
        seen << (choice = nextListChoice(RunKind::Exercise, 4, choice, random));
    EXPECT_EQ(seen, QList<ListChoice>({{3, 0}, {3, 3}, {1, 3}, {4, 1}}));
    EXPECT_EQ(random.requests(), (QList<QPair<int, int>>(4, {1, 4})));

    // A single file keeps list 0 for both runs; two exercise files do as well.
    EXPECT_EQ(nextListChoice(RunKind::Exercise, 0, {0, 0}, random), (ListChoice{0, 0}));
    EXPECT_EQ(nextListChoice(RunKind::Exam, 0, {0, 0}, random), (ListChoice{0, 0}));
    EXPECT_EQ(nextListChoice(RunKind::Exercise, 1, {0, 0}, random), (ListChoice{0, 0}));
    // -1 switches list changes off.
    EXPECT_EQ(nextListChoice(RunKind::Exam, 4, {-1, 2}, random), (ListChoice{-1, 2}));
    EXPECT_TRUE(random.requests().size() == 4);
}

QString quizFile(const QList<QStringList> &questions)
{
    QStringList fields{QStringLiteral("FrgHead"), QStringLiteral("FrgText"), QStringLiteral("FrgBild")};
    for (int k = 1; k <= 15; ++k)
        fields << QStringLiteral("Svar%1Txt").arg(k);
    for (int k = 1; k <= 15; ++k)
        fields << QStringLiteral("Svar%1R").arg(k);
    fields << QStringLiteral("SvarKom") << QStringLiteral("InfoLink") << QStringLiteral("InfoWidth")
           << QStringLiteral("InfoHeight") << QStringLiteral("Time");
    QString text = QStringLiteral("[Exam]\r\n");
    for (const QString &field : fields)
        text += QStringLiteral("FieldName=") + field + QStringLiteral("\r\n");
    text += QStringLiteral("\r\n\r\n");
    int n = 0;
    // Each question: heading, first alternative (right), second (wrong), SvarKom, Time.
    for (const QStringList &q : questions) {
        QStringList values{q[0], QStringLiteral("Text of ") + q[0], QString(), q[1], q[2]};
        while (values.size() < 18)
            values << QString();
        values << QStringLiteral("True");
        while (values.size() < 33)
            values << QStringLiteral("False");
        values << q[3] << QString() << QStringLiteral("0") << QStringLiteral("0") << q[4];
        text += QStringLiteral("[%1]\r\n").arg(n++) + values.join(QStringLiteral("\r\n"))
                + QStringLiteral("\r\n\r\n\r\n");
    }
    return text;
}

class ExamSetTest : public ::testing::Test {
protected:
    ExamSetTest()
    {
        iniDir = env.installFolder() + QStringLiteral("/ini");
        set.folder = QStringLiteral("exam");
        set.files = QStringList{QStringLiteral("a.ini"), QStringLiteral("b.ini"), QStringLiteral("c.ini")};
        env.writeInstallFile(QStringLiteral("ini/exam/a.ini"),
                             haztest::utf16(quizFile({{QStringLiteral("A1"), QStringLiteral("yes"), QStringLiteral("no"),
                                                       QStringLiteral("A comment"), QStringLiteral("30")},
                                                      {QStringLiteral("A2"), QStringLiteral("yes"), QStringLiteral("no"),
                                                       QStringLiteral(""), QStringLiteral("0")},
                                                      {QStringLiteral("A3"), QString(), QString(),
                                                       QStringLiteral("2"), QStringLiteral("60")},
                                                      {QStringLiteral("A4"), QStringLiteral("yes"), QStringLiteral("no"),
                                                       QStringLiteral("-1"), QStringLiteral("5")}})));
        env.writeInstallFile(QStringLiteral("ini/exam/b.ini"),
                             haztest::utf16(quizFile({{QStringLiteral("B1"), QStringLiteral("yes"), QStringLiteral("no"),
                                                       QString(), QStringLiteral("0")}})));
        // c.ini is listed but unreadable (removed since the folder was listed).
    }

    haztest::TestEnvironment env;
    QString iniDir;
    QuestionSet set;
    haz::LastError lastError;
    haz::ScriptedMessages messages;
    haz::ScriptedRandomSource random;
};

TEST_F(ExamSetTest, LoadsTheListInUseAndFallsBackToListZero)
{
    qint32 use = 1;
    loadExamList(set, iniDir, use, lastError);
    ASSERT_EQ(set.count, 1);
    EXPECT_EQ(set.list.at(0).FrgHead, QStringLiteral("B1"));

    use = 7; // the course has fewer lists than when this was saved
    loadExamList(set, iniDir, use, lastError);
    EXPECT_EQ(use, 0);
    EXPECT_EQ(set.count, 4);

    use = 2; // an unreadable file: an empty list, not the one loaded before
    loadExamList(set, iniDir, use, lastError);
    EXPECT_EQ(set.count, 0);
    EXPECT_EQ(questionKindAt(set, 0), QuestionKind::Finished);

    QuestionSet missing{QStringLiteral("excer"), {QString()}, {}, 0};
    use = 0;
    loadExerciseList(missing, iniDir, use, lastError);
    EXPECT_EQ(missing.count, 0);
}

TEST_F(ExamSetTest, RestartsMoveOnAndAFailedDrawIsShownTitledWithTheRoutine)
{
    ListChoice choice{0, 0};
    ASSERT_TRUE(randomExamQuizList(set, iniDir, choice, random, messages, lastError));
    EXPECT_EQ(choice, (ListChoice{1, 0}));
    EXPECT_EQ(set.list.at(0).FrgHead, QStringLiteral("B1"));

    set.files << QStringLiteral("d.ini") << QStringLiteral("e.ini");
    // Nothing queued: the draw fails; the loaded list and the choice stay.
    EXPECT_FALSE(chooseExerciseList(set, iniDir, choice, random, messages, lastError));
    ASSERT_EQ(messages.shown().size(), 1);
    EXPECT_EQ(messages.shown().at(0).title, QStringLiteral("chooseExerciseList"));
    EXPECT_EQ(messages.shown().at(0).icon, haz::MessageIcon::Critical);
    EXPECT_EQ(choice, (ListChoice{1, 0}));
    EXPECT_EQ(set.count, 1);
}

TEST_F(ExamSetTest, QuestionKindsAndClockLimits)
{
    qint32 use = 0;
    loadExamList(set, iniDir, use, lastError);
    EXPECT_EQ(questionKindAt(set, 0), QuestionKind::Ordinary);
    EXPECT_EQ(examClockSeconds(set, 0), 30);
    EXPECT_EQ(examClockSeconds(set, 1), 0); // Time 0: no clock
    EXPECT_EQ(questionKindAt(set, 2), QuestionKind::Scenario);
    EXPECT_EQ(scenarioOfQuestion(set.list.at(2)), std::optional<qint16>(2));
    EXPECT_EQ(examClockSeconds(set, 2), 0); // a scenario question has no clock
    EXPECT_EQ(questionKindAt(set, 3), QuestionKind::Ordinary); // "-1" names no scenario
    EXPECT_EQ(questionKindAt(set, 4), QuestionKind::Finished);
}

TEST(ExamTimeRanOut, CancelGivesTheExamUpAndClosingIsRefused)
{
    exam::frmExamTimeRanOut dialog;
    dialog.setTexts(QStringLiteral("Exam"), QStringLiteral("Time is up.\\nChoose."), QString(), QStringLiteral("Stop"));
    auto *cancel = dialog.findChild<QPushButton *>(QStringLiteral("cmdExamTime_Cancel"));
    ASSERT_TRUE(cancel);
    EXPECT_EQ(cancel->text().remove(u'&'), QStringLiteral("Stop"));
    EXPECT_EQ(dialog.findChild<QPushButton *>(QStringLiteral("cmdExamTime_Next"))->text().remove(u'&'), QStringLiteral("Next"));
    QTimer::singleShot(0, &dialog, [&] {
        dialog.reject(); // Escape: ignored
        cancel->click();
    });
    ExamLock lock;
    if (dialog.ask() == exam::frmExamTimeRanOut::Cancel)
        lock.cancelAfterTimeout();
    EXPECT_TRUE(lock.locked);
    EXPECT_FALSE(dialog.isVisible());
}

} // namespace
