#include "frmWebinfo.h"

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

void frmWebinfo::showWithoutWaiting()
{
    show();
    raise();
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
