// Training as its program file starts it, on the installation folder given first,
// ending when the learner dialog is shown. With "--sign-in NAME" it signs NAME in
// instead, closes the main window (the save at exit) and prints its peak memory (kB).
#include "GuardedApplication.h"
#include "LearnerWindows.h"
#include "Platform.h"
#include "ProgramState.h"
#include "QtMessageService.h"
#include "ShownExit.h"
#include "TrainingProgram.h"
#include "frmMain.h"

#include <QComboBox>
#include <QFile>
#include <QPushButton>

#include <cstdio>
#include <cstring>

namespace {
long peakKb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    return -1;
}
} // namespace

int main(int argc, char **argv)
{
    haz::QtMessageService messages;
    haz::GuardedApplication app(argc, argv, messages);
    QApplication::setApplicationName(QStringLiteral("Training"));
    QApplication::setQuitOnLastWindowClosed(false);
    const QStringList args = QCoreApplication::arguments();
    haz::platform::setInstallationFolder(args.value(1));
    const bool signIn = args.value(2) == QLatin1String("--sign-in");
    ShownExit shown(!signIn);

    training::ProgramState state(messages);
    training::TrainingProgram program(state, [](int code) { QCoreApplication::exit(code); });
    if (program.Main() == training::TrainingProgram::StartResult::Failed)
        return 1;
    if (!signIn)
        return app.exec();
    program.userChoose()->findChild<QComboBox *>(QStringLiteral("userCmb"))->setEditText(args.value(3));
    program.userChoose()->findChild<QPushButton *>(QStringLiteral("userChooseOk"))->click();
    QCoreApplication::processEvents();
    program.mainWindow()->close();
    std::printf("%ld\n", peakKb());
    std::fflush(stdout);
    std::_Exit(0);
}
