#include "RunReview.h"

#include "DebriefPage.h"
#include "DebriefWindow.h"

#include <QWidget>

namespace training {

void RunReview::open(const haz::runrecord::Run &run, const QString &title)
{
    if (!m_window)
        m_window = new haz::DebriefWindow(m_messages, m_owner->window());
    m_window->setWindowTitle(title);
    m_window->showPage(QString(), haz::debrief::page(run));
    m_window->show();
    m_window->raise();
}

} // namespace training
