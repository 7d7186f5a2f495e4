// Scenario as its program file starts it, on the installation folder given first and
// the argument string given second, ending when its window is shown.
#include "GuardedApplication.h"
#include "Platform.h"
#include "QtMessageService.h"
#include "ScenarioProgram.h"
#include "ShownExit.h"

int main(int argc, char **argv)
{
    haz::QtMessageService messages;
    haz::GuardedApplication app(argc, argv, messages);
    QApplication::setApplicationName(QStringLiteral("Scenario"));
    QApplication::setQuitOnLastWindowClosed(false);
    Q_INIT_RESOURCE(scenario_icons);
    ShownExit shown;
    const QStringList args = QCoreApplication::arguments();
    haz::platform::setInstallationFolder(args.value(1));
    scenario::ScenarioProgram program(args.value(2), messages, [](int code) { QCoreApplication::exit(code); });
    if (program.start() == scenario::ScenarioProgram::StartResult::Failed)
        return 1;
    return app.exec();
}
