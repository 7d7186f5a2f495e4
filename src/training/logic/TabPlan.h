#pragma once
// The main window's tabs in one table: each tab's caption key, the unit that runs it
// and, while a part of it is still to be written, what that part is. This is the one
// place that says what a tab does not do yet; the units leave those steps empty.

#include "ProgramState.h"

#include <QString>

#include <array>

namespace training {

struct TabPlanRow {
    int tab = 0;
    QString captionKey;  // "tabMain0" ... "tabMain10"
    QString unit;        // the unit class that runs the tab
    QString notBuiltYet; // empty when the tab does all it should
};

const std::array<TabPlanRow, TabCount> &tabPlan();
const TabPlanRow &tabPlanRow(int tab);

} // namespace training
