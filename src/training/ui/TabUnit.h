#pragma once
// The one interface through which the main window and the program hand work to the
// unit of a tab. Every tab has a unit (frmMain makes them all); a step a unit has no
// work for is empty on purpose, and steps not written yet are listed in TabPlan.

class QWidget;

namespace training {

class TabUnit {
public:
    virtual ~TabUnit() = default;

    // The tab's page in the tab strip.
    virtual QWidget *page() const = 0;

    // Once, before the learner dialog shows.
    virtual void prepare() {}
    // After sign-in, with the learner's progress read: fill lists, restore places.
    // Units are loaded in the order of frmMain's load table.
    virtual void load() {}
    // After the main window is filled and before it shows.
    virtual void signedIn() {}
    // Every tab change the learner made, before the chosen tab's enter().
    virtual void learnerChangedTab() {}
    // The learner chose this tab: show what it shows.
    virtual void enter() {}
    // The learner changed to this tab with the keyboard: nothing loads, but a page the
    // learner chose before is shown again (a mouse change elsewhere blanked it).
    virtual void keyboardEnter() {}
    // Any change away from this tab, by mouse, keyboard or program.
    virtual void leave() {}
    // After the window's layout was recomputed for a new size.
    virtual void resized() {}
    // At exit, before the progress is saved. A RuntimeError is shown by the caller
    // with closingStepName() as its title; the save still follows.
    virtual void closing() {}
    virtual const char *closingStepName() const { return "unloadMain"; }
};

} // namespace training
