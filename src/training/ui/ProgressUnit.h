#pragma once
// The unit of the progress tab. The overview itself is not written yet (TabPlan);
// its exit button already ends the course.

#include "TabUnit.h"

namespace training {

class ProgramState;
class ProgressTab;

class ProgressUnit : public TabUnit {
public:
    // `window` is the main window, which the exit button closes.
    ProgressUnit(ProgressTab *tab, QWidget *window, ProgramState &state);
    QWidget *page() const override;

private:
    ProgressTab *m_tab;
    ProgramState &m_state;
};

} // namespace training
