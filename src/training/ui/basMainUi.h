#pragma once
// The shared window routines of the course program: window icons, keeping a window
// on top, filling a list control.

#include "FactList.h"

#include <QIcon>
#include <QList>
#include <QString>

class QListWidget;
class QWidget;

namespace haz {
struct LastError;
}

namespace training::basMain {

// The program's icon resource "ICON_01" .. "ICON_10"; a null icon for other names.
QIcon programIcon(const QString &name);

// Sets the window's icon from the resource `name`; with `alsoOwner` the top-most
// window of its owner chain gets it too. An unknown name changes nothing.
void setWindowIcon(QWidget *window, const QString &name, bool alsoOwner);

// Keeps the window above other windows (true) or not (false); position, size and
// visibility stay as they are.
void setTopmost(QWidget *window, bool topmost);

// Clears the list and adds every entry's title in list order. True when there was
// at least one entry; a failure is recorded and gives False.
bool fillListBox(QListWidget *list, const QList<FactEntry> &entries, haz::LastError &lastError);

// Selects a saved list position; a position outside the list (or beyond a course file
// that was shortened since) selects nothing.
void selectSavedPosition(QListWidget *list, qint32 position, qint32 count);

// The row the learner chose: the current row only when it is also selected (focus
// alone makes a row current); -1 for none.
int chosenRow(const QListWidget *list);

} // namespace training::basMain
