#pragma once
// The progress overview's rules applied to the widgets of the main window, found by
// control name: the row layout, hiding by name, the three scenario bars, and the
// label captions and bar values the diploma copies.

#include "DiplomaPlaceholders.h"
#include "ProgressOverviewLayout.h"
#include "ProgressOverviewRatings.h"

#include <QHash>
#include <QString>

class QWidget;

namespace training {

// hideControlsNamed: hides every control under `root` whose name contains `text`.
void hideControlsNamed(QWidget *root, const QString &text);

// layoutProgressTab on the widgets: reads the tab table of `iniDir`; nothing
// changes when it cannot be read. A Visible value that is not a Boolean is
// RuntimeError 13.
void layoutProgressTab(QWidget *root, const QString &iniDir);

// Sets the bars (minimum 0, maximum 100) and curLblTakScenarioName; a bar without
// a result keeps its value.
void showScenarioBars(QWidget *root, const ScenarioBars &bars);

// The label captions and bar values the diploma shows, into `data`.
void collectDiplomaCounts(const QWidget *root, DiplomaData &data);

} // namespace training
