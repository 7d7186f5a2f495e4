// Training: the course program. Everything it needs lies in the folder that holds it.
#include "ProgramState.h"
#include "QtMessageService.h"
#include "TrainingProgram.h"

#include <QApplication>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    // The program ends when its closing sequence says so, not when a window closes.
    QApplication::setQuitOnLastWindowClosed(false);

    haz::QtMessageService messages;
    training::ProgramState state(messages);
    training::TrainingProgram program(state, [](int code) { QCoreApplication::exit(code); });
    if (program.Main() == training::TrainingProgram::StartResult::Failed)
        return 1;
    return app.exec();
}
