#include "basMainUi.h"

#include "FactFamily.h"

#include "FailureNote.h"
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
        haz::noteFailure(lastError, e);
        return false;
    }
}

void selectSavedPosition(QListWidget *list, qint32 position, qint32 count)
{
    list->setCurrentRow(factSelectionIndex(position, qMin<qint32>(count, list->count())));
}

int chosenRow(const QListWidget *list)
{
    const QListWidgetItem *item = list->currentItem();
    return item && item->isSelected() ? list->currentRow() : -1;
}

} // namespace training::basMain
