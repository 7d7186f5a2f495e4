// Scenario: plays one scenario for one learner, as the course program asks on its
// command line ("user=NAME,mode=N"). Everything it reads lies in its own folder and
// in the learner's progress file.
#include "CommandLineInfo.h"
#include "GenericSubs.h"
#include "GuardedApplication.h"
#include "QtMessageService.h"
#include "ScenarioProgram.h"
#include "frmMain.h"

#include <QStringList>

int main(int argc, char **argv)
{
    if (const auto code = haz::answerInfoOption(argc, argv, "Scenario user=NAME,mode=N",
                                                "Plays one scenario for one learner; the course program starts it.\n"
                                                "Modes: 1 tactics, 2 exercise, 3 exam."))
        return *code;
    haz::QtMessageService messages;
    haz::GuardedApplication app(argc, argv, messages);
    QApplication::setApplicationName(QStringLiteral("Scenario"));
    // The program ends when the run says so; the hidden info window never keeps it.
    QApplication::setQuitOnLastWindowClosed(false);
    Q_INIT_RESOURCE(scenario_icons);

    const QString arguments = scenario::GenericSubs::argumentString(QCoreApplication::arguments().mid(1));
    scenario::ScenarioProgram program(arguments, messages, [](int code) { QCoreApplication::exit(code); });
    if (program.start() == scenario::ScenarioProgram::StartResult::Failed)
        return 1;
    messages.setParentWindow(program.mainWindow());
    return app.exec();
}
