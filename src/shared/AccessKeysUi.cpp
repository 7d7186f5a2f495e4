#include "AccessKeysUi.h"

#include "AccessKeys.h"

#include <QHash>
#include <QPushButton>
#include <QStackedWidget>
#include <QTabWidget>

namespace haz {

namespace {

// The page of the outermost tab widget that holds `button`; nullptr outside any page.
QWidget *pageOf(const QWidget *button, const QWidget *window)
{
    QWidget *page = nullptr;
    for (QWidget *w = button->parentWidget(); w && w != window; w = w->parentWidget()) {
        const QWidget *parent = w->parentWidget();
        if (qobject_cast<const QStackedWidget *>(parent) && parent->parentWidget()
            && qobject_cast<const QTabWidget *>(parent->parentWidget()))
            page = w;
    }
    return page;
}

} // namespace

void giveAccessKeys(QWidget *window)
{
    if (!window)
        return;
    const QList<QPushButton *> buttons = window->findChildren<QPushButton *>();
    QHash<QWidget *, QList<QPushButton *>> byPage;
    for (QPushButton *button : buttons)
        if (!button->text().isEmpty())
            byPage[pageOf(button, window)] << button;

    // Keys already written into captions are kept and count as taken in their scope.
    QSet<QChar> common;
    QHash<QWidget *, QSet<QChar>> taken;
    for (auto it = byPage.cbegin(); it != byPage.cend(); ++it)
        for (const QPushButton *button : it.value())
            if (const QChar key = accessKeyOf(button->text()); !key.isNull())
                (it.key() ? taken[it.key()] : common).insert(key);
    for (QPushButton *button : byPage.value(nullptr))
        button->setText(withAccessKey(button->text(), common));
    for (auto it = byPage.cbegin(); it != byPage.cend(); ++it) {
        if (!it.key())
            continue;
        QSet<QChar> used = common + taken.value(it.key());
        for (QPushButton *button : it.value())
            button->setText(withAccessKey(button->text(), used));
    }
}

} // namespace haz
