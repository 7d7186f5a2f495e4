#include "FactController.h"

#include "FailureNote.h"
#include "MediaDisplay.h"
#include "PageView.h"
#include "Platform.h"
#include "QuizController.h"
#include "basMainUi.h"

#include <QAbstractButton>
#include <QEvent>
#include <QListWidget>

#include <exception>

namespace training {

void printWebPage(haz::PageView *browser, haz::LastError &failures)
{
    // Nothing to print before a page was shown, or after the browser was blanked.
    if (!browser || !browser->hasPage())
        return;
    haz::runNoted(failures, [browser] { browser->printWithDialog(); });
}

FactController::FactController(QWidget *root, const FactMember &member, FactData data, QuizEnvironment &env,
                               MediaDisplay &media, QObject *parent)
    : QObject(parent), m_root(root), m_member(member), m_data(data), m_env(env), m_media(media)
{
    m_list = root ? root->findChild<QListWidget *>(m_member.list) : nullptr;
    if (m_list) {
        // A change of the chosen title, by click, key or program; the current row alone
        // (which a list moves to when it gets the focus) chooses nothing.
        connect(m_list, &QListWidget::itemSelectionChanged, this, &FactController::factSelected);
        m_list->installEventFilter(this);
    }
    if (auto *print = qobject_cast<QAbstractButton *>(find(m_member.printButton())))
        connect(print, &QAbstractButton::clicked, this, &FactController::printPage);
    if (m_member.prefix == QLatin1String("ref")) {
        if (auto *option = qobject_cast<QAbstractButton *>(find(QStringLiteral("refOpt"))))
            connect(option, &QAbstractButton::clicked, this, &FactController::selectSavedPosition);
    }
}

QWidget *FactController::find(const QString &name) const
{
    return m_root ? m_root->findChild<QWidget *>(name) : nullptr;
}

void FactController::factSelected()
{
    if (!m_list)
        return;
    const int row = m_list->currentRow();
    if (row < 0 || row >= m_data.list.size() || !m_list->currentItem()->isSelected())
        return;
    // Restoring a list on another tab must not blank what that tab shows.
    if (m_env.selectedTab() == m_member.tab)
        m_media.clearMediaControls();
    const FactEntry &entry = m_data.list[row];
    if (!entry.page.isEmpty())
        m_media.showMediaFileQuietly(m_member.browser, haz::platform::joinPath(m_env.htmlDir(), entry.page));
    QWidget *placeLabel = find(m_member.progressLabel);
    setControlText(placeLabel, entry.title);
    // A long title may be cut at the label's end; all of it is one pointer away.
    if (placeLabel)
        placeLabel->setToolTip(entry.title);
    m_data.position = row;
    m_env.setQuizOrFact(true);
    m_env.keepProgress();
}

void FactController::selectSavedPosition()
{
    if (!m_list)
        return;
    basMain::selectSavedPosition(m_list, m_data.position, m_data.count);
}

void FactController::printPage()
{
    printWebPage(qobject_cast<haz::PageView *>(find(m_member.browser)), m_media.failures());
}

bool FactController::eventFilter(QObject *watched, QEvent *event)
{
    // Pointing at the list lets the arrow keys move through the titles; a mouse focus,
    // so that the list does not make its first title current. The event type is
    // tested first: a list being destroyed still sends events, and is no longer one
    // to compare with.
    if (event->type() == QEvent::Enter && watched == m_list)
        m_list->setFocus(Qt::MouseFocusReason);
    return QObject::eventFilter(watched, event);
}

} // namespace training
