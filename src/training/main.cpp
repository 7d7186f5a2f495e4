// Training: the course program. Everything it needs lies in the folder that holds it.
#include "CommandLineInfo.h"
#include "GuardedApplication.h"
#include "ProgramState.h"
#include "QtMessageService.h"
#include "TrainingProgram.h"

int main(int argc, char **argv)
{
    if (const auto code = haz::answerInfoOption(argc, argv, "Training",
                                                "The hazardous-materials course: sign in, read, answer, play scenarios.\n"
                                                "It takes no arguments; the course lies in the program's own folder."))
        return *code;
    haz::QtMessageService messages;
    haz::GuardedApplication app(argc, argv, messages);
    QApplication::setApplicationName(QStringLiteral("Training"));
    // The program ends when its closing sequence says so, not when a window closes.
    QApplication::setQuitOnLastWindowClosed(false);

    training::ProgramState state(messages);
    training::TrainingProgram program(state, [](int code) { QCoreApplication::exit(code); });
    if (program.Main() == training::TrainingProgram::StartResult::Failed)
        return 1;
    return app.exec();
}
