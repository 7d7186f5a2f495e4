#pragma once
// The unit of the progress tab: lays out its rows once at start-up, shows the
// learner's counts and scenario ratings at sign-in and whenever the learner opens
// the tab, fills in and shows the course diploma, and ends the course.

#include "TabUnit.h"

namespace training {

class ProgramState;
class ProgressTab;
class frmCoursePrnt;
class frmPersData;

class ProgressUnit : public TabUnit {
public:
    // `window` is the main window, which the exit button closes.
    ProgressUnit(ProgressTab *tab, QWidget *window, ProgramState &state);
    QWidget *page() const override;

    // The rows of the tab table's visible tabs, once.
    void prepare() override;
    void signedIn() override;
    void enter() override;

    // The personal-data dialog and the diploma window, which the program owns.
    void setDiplomaWindows(frmPersData *persData, frmCoursePrnt *coursePrnt);

    // The counts of every quiz, the exercise and the exam, and the three scenario
    // bars; nothing changes while no learner is signed in.
    void refresh();
    // curBtnShowDipl: the personal data, then the filled diploma, shown modally.
    void showDiploma();

private:
    ProgressTab *m_tab;
    ProgramState &m_state;
    frmPersData *m_persData = nullptr;
    frmCoursePrnt *m_coursePrnt = nullptr;
    bool m_laidOut = false;
};

} // namespace training
