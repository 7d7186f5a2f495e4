#include "frmWebinfo.h"

#include "InfoPlacement.h"
#include "PageView.h"
#include "Twips.h"

#include <QCloseEvent>
#include <QResizeEvent>
#include <QScreen>

namespace scenario {

frmWebinfo::frmWebinfo(QWidget *parent) : QWidget(parent, Qt::Window | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("frmWebinfo"));
    setAttribute(Qt::WA_ShowWithoutActivating, true);
    m_browser = new haz::PageView(this);
    m_browser->setObjectName(QStringLiteral("WebBrowser1"));
    m_browser->move(0, 0);
    m_browser->navigate(haz::PageView::blankLocation());
    resize(haz::twipsToPixels(InnerWidthTwips), haz::twipsToPixels(InnerHeightTwips));
}

void frmWebinfo::showWithoutWaiting(const QWidget *mainWindow)
{
    if (!isVisible() && mainWindow && mainWindow->isVisible())
        placeBeside(*mainWindow);
    show();
    raise();
}

void frmWebinfo::placeBeside(const QWidget &mainWindow)
{
    const QScreen *screen = mainWindow.screen();
    if (!screen)
        return;
    const QSize frameExtra = frameGeometry().size() - size();
    const QRect placed = infoBesideMain(mainWindow.frameGeometry(), frameGeometry().size(), screen->availableGeometry());
    resize(placed.size() - frameExtra);
    move(placed.topLeft());
}

void frmWebinfo::closeEvent(QCloseEvent *event)
{
    // The learner may open it again with the info-link button.
    event->ignore();
    hide();
}

void frmWebinfo::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    // The page fills the window: no grey band under it, whatever the frame takes.
    m_browser->setGeometry(rect());
}

} // namespace scenario
