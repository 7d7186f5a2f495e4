#pragma once
// Opens the debrief of a past run or exam attempt in the debrief window that the
// scenario program shows at the end of a run: the same window, the same page.

#include "DebriefWindow.h"
#include "RunRecord.h"

#include <QPointer>
#include <QString>

namespace training {

class RunReview {
public:
    RunReview(QWidget *owner, haz::MessageService &messages) : m_owner(owner), m_messages(messages) {}
    // Shows `run` in the window (made on first use, owned by the owner's window).
    void open(const haz::runrecord::Run &run, const QString &title);
    haz::DebriefWindow *window() const { return m_window; }

private:
    QWidget *m_owner;
    haz::MessageService &m_messages;
    QPointer<haz::DebriefWindow> m_window;
};

} // namespace training
