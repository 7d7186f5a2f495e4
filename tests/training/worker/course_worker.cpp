// The course program with its real windows (off screen), driven as a learner would,
// for the test that kills it:
//
//   course_worker <installation folder> <learner>
//
// Signs the learner in, opens the Hazards quiz and answers its questions one after
// the other, the first alternative each time. Prints "S" once signed in, then
// "A <answered> <correct>" after each answer, then waits to be killed.

#include "GuardedApplication.h"
#include "MessageService.h"
#include "Platform.h"
#include "ProgramState.h"
#include "TrainingProgram.h"
#include "LearnerWindows.h"
#include "frmMain.h"

#include <QAbstractButton>
#include <QComboBox>

#include <cstdio>
#include <unistd.h>

namespace {

void say(const QString &line)
{
    const QByteArray bytes = (line + u'\n').toUtf8();
    if (::write(STDOUT_FILENO, bytes.constData(), std::size_t(bytes.size())) != bytes.size())
        std::_Exit(3);
}

} // namespace

int main(int argc, char **argv)
{
    haz::ScriptedMessages messages;
    haz::GuardedApplication app(argc, argv, messages);
    QApplication::setQuitOnLastWindowClosed(false);
    if (argc < 3) {
        std::fprintf(stderr, "usage: course_worker <installation folder> <learner>\n");
        return 64;
    }
    haz::platform::setInstallationFolder(QString::fromLocal8Bit(argv[1]));
    training::ProgramState state(messages);
    training::TrainingProgram program(state, [](int) {});
    if (program.Main() != training::TrainingProgram::StartResult::Started)
        return 2;
    program.userChoose()->findChild<QComboBox *>(QStringLiteral("userCmb"))->setEditText(QString::fromLocal8Bit(argv[2]));
    program.userChoose()->findChild<QAbstractButton *>(QStringLiteral("userChooseOk"))->click();
    training::frmMain *main = program.mainWindow();
    if (!main->isVisible())
        return 2;
    main->selectTab(training::TabHaz);
    main->setSubjectOption(training::Haz, 1);
    say(QStringLiteral("S"));

    const training::SubjectProgress &hazards = state.learner.progress.subjects[training::Haz];
    while (hazards.quizPos < state.content.subjectQuizzes[training::Haz].count) {
        main->findChild<QAbstractButton *>(QStringLiteral("hazQuizAnsw(0)"))->setChecked(true);
        main->findChild<QAbstractButton *>(QStringLiteral("QuizAnswBtn(3)"))->click();
        say(QStringLiteral("A %1 %2").arg(hazards.quizPos).arg(hazards.quizCorr));
    }
    for (;;)
        ::pause();
}
