// The start-up floor: a minimal widgets program, one main window holding one label.
#include "ShownExit.h"

#include <QApplication>
#include <QLabel>
#include <QMainWindow>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    ShownExit shown;
    QMainWindow window;
    window.setCentralWidget(new QLabel(QStringLiteral("Hazardous materials")));
    window.show();
    return app.exec();
}
