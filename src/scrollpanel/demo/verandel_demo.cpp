// A column of answer rows taller than the panel, to scroll with the wheel and the bar.
// Positions are twips, as a host lays out its controls on the panel.

#include "Verandel.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QWidget>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);

    QWidget window;
    window.setObjectName(QStringLiteral("frmDemo"));
    window.setWindowTitle(QStringLiteral("Verandel demo"));
    window.resize(520, 380);

    auto *panel = new Verandel(&window);
    panel->setObjectName(QStringLiteral("ScrollingPane"));
    panel->setTwipsGeometry(150, 150, 5400, 4500);

    constexpr int rows = 24;
    constexpr int rowHeight = 375;
    constexpr int rowPitch = 450;
    const int rowWidth = panel->ScaleWidth() - 120;
    for (int i = 0; i < rows; ++i) {
        const int top = 120 + i * rowPitch;
        QWidget *row = nullptr;
        if (i % 4 == 0)
            row = new QLabel(QStringLiteral("Question group %1").arg(i / 4 + 1), panel);
        else
            row = new QCheckBox(QStringLiteral("Alternative %1").arg(i), panel);
        row->setObjectName(QStringLiteral("row(%1)").arg(i));
        row->setGeometry(Verandel::toPixels(120), Verandel::toPixels(top),
                         Verandel::toPixels(rowWidth), Verandel::toPixels(rowHeight));
    }
    panel->setWhiteSpace(120);
    panel->Set_MaxScroll();

    auto *status = new QLabel(&window);
    status->setObjectName(QStringLiteral("lblStatus"));
    status->setGeometry(Verandel::toPixels(5700), Verandel::toPixels(150), 130, 60);
    const auto showPosition = [panel, status] {
        status->setText(QStringLiteral("Value %1\nMax %2").arg(panel->Value()).arg(panel->Max()));
    };
    QObject::connect(panel, &Verandel::Scrolling, status, showPosition);
    showPosition();

    auto *reset = new QPushButton(QStringLiteral("Reset"), &window);
    reset->setObjectName(QStringLiteral("cmdReset"));
    reset->setGeometry(Verandel::toPixels(5700), Verandel::toPixels(1200), 100, 28);
    QObject::connect(reset, &QPushButton::clicked, panel, &Verandel::Reset);

    auto *about = new QPushButton(QStringLiteral("About"), &window);
    about->setObjectName(QStringLiteral("cmdAbout"));
    about->setGeometry(Verandel::toPixels(5700), Verandel::toPixels(1800), 100, 28);
    QObject::connect(about, &QPushButton::clicked, panel, &Verandel::ShowAboutBox);

    window.show();
    return app.exec();
}
