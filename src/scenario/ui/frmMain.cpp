#include "frmMain.h"

#include "PictureBox.h"
#include "TwipGeometry.h"
#include "Verandel.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>

namespace scenario {

using haz::TwipRect;
using haz::twips::place;

namespace {
// The column right of the scene frame: logo and weather, clock, situation report.
constexpr int RightLeft = 7740;
constexpr int RightWidth = 4050;
constexpr int StatusHeight = 1920;
} // namespace

frmMain::frmMain(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("frmMain"));
    setFixedSize(haz::twipsToPixels(InnerWidthTwips), haz::twipsToPixels(InnerHeightTwips));

    // The scene frame holds a 492 x 277 pixel scene picture at its full size.
    m_frame = place<QFrame>(this, QStringLiteral("Frame1"), {120, 120, 7500, 4320});
    static_cast<QFrame *>(m_frame)->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);

    m_logo = place<haz::PictureBox>(this, QStringLiteral("imgScenarioLogo"), {RightLeft, 120, 1800, 1200});
    m_weatherPanel = place<QGroupBox>(this, QStringLiteral("pnlVader"), {RightLeft + 1920, 60, 2130, 1320});
    m_temp = place<haz::PictureBox>(m_weatherPanel, QStringLiteral("imgScenarioTemp"), {120, 330, 900, 900});
    m_wind = place<haz::PictureBox>(m_weatherPanel, QStringLiteral("imgScenarioVind"), {1110, 330, 900, 900});

    m_clockPanel = place<QGroupBox>(this, QStringLiteral("pnlSimTid"), {RightLeft, 1440, RightWidth, 720});
    m_clock = place<QLabel>(m_clockPanel, QStringLiteral("lblSimTid"), {120, 300, RightWidth - 240, 360});
    m_clock->setText(QStringLiteral("0 tim : 0 min"));
    QFont clockFont = m_clock->font();
    clockFont.setPointSizeF(clockFont.pointSizeF() * 1.3);
    clockFont.setBold(true);
    m_clock->setFont(clockFont);

    m_statusLabel = place<QLabel>(this, QStringLiteral("lblScenarioStatus"),
                                  {RightLeft, StatusBottomTwips - StatusHeight - 300, RightWidth, 270});
    QFont bold = m_statusLabel->font();
    bold.setBold(true);
    m_statusLabel->setFont(bold);
    m_status = place<QPlainTextEdit>(this, QStringLiteral("tbScenarioStatus"),
                                     {RightLeft, StatusBottomTwips - StatusHeight, RightWidth, StatusHeight});
    m_status->setReadOnly(true);
    m_status->setTabChangesFocus(true);
    QPalette statusPalette = m_status->palette();
    statusPalette.setColor(QPalette::Base, statusPalette.color(QPalette::Button));
    m_status->setPalette(statusPalette);

    m_pane = new Verandel(this);
    m_pane->setObjectName(QStringLiteral("ScrollingPane"));
    m_pane->setTwipsGeometry(120, 4560, 11670, 3180);

    m_exit = haz::twips::button(this, QStringLiteral("cmdExit"), {10290, 7800, 1500, 390}, QString());
}

void frmMain::setStatusText(const QString &text)
{
    m_status->setPlainText(text);
    TwipRect rect = haz::twips::geometry(m_status);
    rect.top = StatusBottomTwips - rect.height;
    haz::twips::setGeometry(m_status, rect);
}

void frmMain::placeOnScreen()
{
    setWindowFlag(Qt::WindowStaysOnTopHint, true);
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->geometry();
    const QSize outer = frameGeometry().size().expandedTo(size());
    const int left = area.width() / 2 - outer.width() / 2;
    const int top = area.width() < 1024 ? haz::twipsToPixels(425) : area.height() / 2 - outer.height() / 2;
    move(area.left() + left, area.top() + top);
}

void frmMain::closeEvent(QCloseEvent *event)
{
    event->accept();
    if (!m_closingByProgram && onClosedByFrame)
        onClosedByFrame();
}

void frmMain::closeByProgram()
{
    m_closingByProgram = true;
    close();
}

void frmMain::keyPressEvent(QKeyEvent *event)
{
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && onEnter) {
        onEnter();
        return;
    }
    QWidget::keyPressEvent(event);
}

} // namespace scenario
