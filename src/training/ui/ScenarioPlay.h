#pragma once
// Playing a scenario for one of the tabs. While the scenario program has the
// learner, this program takes no input and leaves the progress file alone, yet its
// windows still repaint: they are disabled (the main window also minimised for the
// exercise and the exam) and the run ends through a signal, never a blocking wait.
// Once the scenario program has exited, the windows are usable again (after the
// exercise or the exam the main window is back in its normal state at its former
// place and size, and the exercise back on its tab) and the caller gets the outcome.

#include "ScenarioLaunch.h"

#include <QObject>
#include <QPointer>
#include <QRect>

#include <functional>
#include <memory>

class QWidget;

namespace haz {
class ProgramLauncher;
}

namespace training {

class ProgramState;
class ScenarioRunner;
class frmWebInfoHost;

class ScenarioPlay : public QObject {
    Q_OBJECT
public:
    // `main` is the main window; the info window is `info`'s.
    ScenarioPlay(QWidget &main, ProgramState &state, frmWebInfoHost &info, QObject *parent = nullptr);
    ~ScenarioPlay() override;

    using Done = std::function<void(launch::Outcome)>;
    // Mode 1 tactics, 2 exercise, 3 exam. False, with nothing started, while a run
    // is going on; otherwise `done` follows once the run has ended.
    bool play(int mode, qint16 scenarioId, bool continueRun, Done done);
    bool isRunning() const;

    // Another way of starting programs (the real one starts processes).
    void setLauncher(std::unique_ptr<haz::ProgramLauncher> launcher);

private:
    void ended(launch::Outcome outcome);
    void holdWindows(int mode);
    void releaseWindows();
    QString notStartedText() const;

    QWidget &m_main;
    ProgramState &m_state;
    frmWebInfoHost &m_info;
    std::unique_ptr<haz::ProgramLauncher> m_launcher;
    std::unique_ptr<ScenarioRunner> m_runner;
    Done m_done;
    int m_mode = 0;
    // The main window as it was before the run.
    Qt::WindowStates m_windowState;
    QRect m_geometry;
    int m_tab = -1;
    QString m_title;
};

} // namespace training
