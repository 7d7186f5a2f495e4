// coursetool: check a course, draw a scenario, build an installation folder from the
// readable sources, report a class's results. See the README for the commands.

#include "Commands.h"

#include <QCoreApplication>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QStringList arguments = app.arguments();
    arguments.removeFirst();
    return coursetool::runCommand(arguments);
}
