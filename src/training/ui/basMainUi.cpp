#include "basMainUi.h"

#include "RuntimeError.h"
#include "basCaptions.h"

#include <QFile>
#include <QListWidget>
#include <QWidget>

// The icons live in this static library; nothing else would pull them in.
static void loadIconResources()
{
    static const bool loaded = [] {
        Q_INIT_RESOURCE(icons);
        return true;
    }();
    Q_UNUSED(loaded);
}

namespace training::basMain {

QIcon programIcon(const QString &name)
{
    loadIconResources();
    const QString resource = QStringLiteral(":/icons/") + name + QStringLiteral(".png");
    if (!name.startsWith(QLatin1String("ICON_")) || !QFile::exists(resource))
        return {};
    return QIcon(resource);
}

void setWindowIcon(QWidget *window, const QString &name, bool alsoOwner)
{
    if (!window)
        return;
    const QIcon icon = programIcon(name);
    if (icon.isNull())
        return;
    if (alsoOwner) {
        QWidget *owner = window;
        while (owner->parentWidget())
            owner = owner->parentWidget();
        owner->window()->setWindowIcon(icon);
    }
    window->setWindowIcon(icon);
}

void setTopmost(QWidget *window, bool topmost)
{
    if (!window || window->windowFlags().testFlag(Qt::WindowStaysOnTopHint) == topmost)
        return;
    const bool wasVisible = window->isVisible();
    const QRect geometry = window->geometry();
    window->setWindowFlag(Qt::WindowStaysOnTopHint, topmost);
    // Changing a window's flags hides it; put it back where it was.
    window->setGeometry(geometry);
    if (wasVisible)
        window->show();
}

bool fillListBox(QListWidget *list, const QList<FactEntry> &entries, haz::LastError &lastError)
{
    try {
        if (!list)
            throw haz::RuntimeError(haz::ErrObjectNotSet);
        list->clear();
        for (const FactEntry &entry : entries) {
            auto *item = new QListWidgetItem(entry.title, list);
            item->setToolTip(entry.title.trimmed());
        }
        return !entries.isEmpty();
    } catch (const haz::RuntimeError &e) {
        recordError(lastError, e);
        return false;
    }
}

} // namespace training::basMain
