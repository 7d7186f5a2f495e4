#include "MediaDisplay.h"

#include "FailureNote.h"

#include "MediaTarget.h"
#include "PageView.h"
#include "PictureBox.h"
#include "RuntimeError.h"
#include "frmWebInfo.h"

namespace training {

MediaDisplay::MediaDisplay(QWidget *mainWindow, frmWebInfoHost &info, haz::LastError &failures)
    : m_main(mainWindow), m_info(info), m_failures(failures)
{
}

QWidget *MediaDisplay::control(const QString &name)
{
    if (name == InfoBrowserName())
        return m_info.window()->webWindow();
    return m_main ? m_main->findChild<QWidget *>(name) : nullptr;
}

void MediaDisplay::showMediaFile(const QString &controlName, const QString &path)
{
    const MediaChoice choice = chooseMediaTarget(controlName, path);
    QWidget *printButton = choice.printButton.isEmpty() ? nullptr : control(choice.printButton);
    if (printButton)
        printButton->setEnabled(false);
    if (choice.hideInfoBrowser)
        m_info.window()->webWindow()->hide();

    QWidget *target = choice.kind == MediaKind::None ? nullptr : control(choice.target);
    if (auto *picture = qobject_cast<haz::PictureBox *>(target)) {
        picture->loadPicture(path); // throws; the box is then empty
        picture->show();
    } else if (auto *page = qobject_cast<haz::PageView *>(target)) {
        const bool loaded = page->navigate(path);
        page->show();
        // Only a shown page can be printed.
        if (printButton && loaded)
            printButton->setEnabled(true);
    }
}

bool MediaDisplay::showMediaFileQuietly(const QString &controlName, const QString &path)
{
    try {
        showMediaFile(controlName, path);
        return true;
    } catch (const haz::RuntimeError &e) {
        haz::noteFailure(m_failures, e);
        return false;
    }
}

void MediaDisplay::clearMediaControls()
{
    if (!m_main)
        return;
    const QList<QWidget *> controls = m_main->findChildren<QWidget *>();
    for (QWidget *w : controls) {
        switch (mediaClearingFor(w->objectName())) {
        case MediaClearing::BlankAndHide:
            if (auto *page = qobject_cast<haz::PageView *>(w))
                page->navigate(haz::PageView::blankLocation());
            w->hide();
            break;
        case MediaClearing::Hide:
            w->hide();
            break;
        case MediaClearing::Keep:
            break;
        }
    }
}

} // namespace training
