#include "ScenarioPlay.h"

#include "Captions.h"
#include "FailureNote.h"
#include "ProgramLauncher.h"
#include "ProgramState.h"
#include "ScenarioRunner.h"
#include "clsDataFile.h"
#include "frmWebInfo.h"

#include <QApplication>
#include <QTabWidget>
#include <QWidget>

namespace training {

namespace {

const QString RunningText = QStringLiteral("waiting for the scenario to end");
const QString NotStartedText = QStringLiteral("The scenario program could not be started.");

// A text the caption table may hold; the built-in one otherwise, without a message.
QString optionalCaption(ProgramState &state, const QString &id, const QString &fallback)
{
    QString text = fallback;
    if (state.content.captions)
        haz::runNoted(state.lastError, [&] {
            if (const auto post = haz::findCaption(*state.content.captions, id))
                text = post->text;
        });
    return text;
}

} // namespace

ScenarioPlay::ScenarioPlay(QWidget &main, ProgramState &state, frmWebInfoHost &info, QObject *parent)
    : QObject(parent), m_main(main), m_state(state), m_info(info)
{
    setLauncher(std::make_unique<haz::ProcessLauncher>());
}

ScenarioPlay::~ScenarioPlay() = default;

void ScenarioPlay::setLauncher(std::unique_ptr<haz::ProgramLauncher> launcher)
{
    if (isRunning())
        return;
    m_runner.reset();
    m_launcher = std::move(launcher);
    m_runner = std::make_unique<ScenarioRunner>(*m_launcher, m_state.messages);
    connect(m_runner.get(), &ScenarioRunner::ended, this, &ScenarioPlay::ended);
}

bool ScenarioPlay::isRunning() const
{
    return m_runner && m_runner->isRunning();
}

bool ScenarioPlay::play(int mode, qint16 scenarioId, bool continueRun, Done done)
{
    if (isRunning())
        return false;
    m_runner->setNotStartedText(notStartedText());
    m_done = std::move(done);
    m_mode = mode;
    holdWindows(mode);
    const ScenarioRunner::Request request{m_state.paths.installDir, m_state.paths.userFile,
                                          m_state.learner.currentUser, mode, scenarioId, continueRun};
    if (!m_runner->run(request)) {
        releaseWindows();
        m_done = {};
        return false;
    }
    return true;
}

QString ScenarioPlay::notStartedText() const
{
    return optionalCaption(m_state, QStringLiteral("ScenarioNotStarted"), NotStartedText);
}

void ScenarioPlay::holdWindows(int mode)
{
    m_title = m_main.windowTitle();
    m_windowState = m_main.windowState();
    m_geometry = m_main.geometry();
    const auto *tabs = m_main.findChild<QTabWidget *>(QStringLiteral("tabMain"));
    m_tab = tabs ? tabs->currentIndex() : -1;

    // The learner can still see the window (the tactics run leaves it on screen),
    // but not use it; the title says why.
    m_main.setEnabled(false);
    if (frmWebInfo *info = m_info.loadedWindow())
        info->setEnabled(false);
    m_main.setWindowTitle(m_title + QStringLiteral(" - ")
                          + optionalCaption(m_state, QStringLiteral("ScenarioRunning"), RunningText));
    QApplication::setOverrideCursor(Qt::BusyCursor);
    if (mode != 1)
        m_main.setWindowState((m_windowState & ~Qt::WindowActive) | Qt::WindowMinimized);
}

void ScenarioPlay::releaseWindows()
{
    QApplication::restoreOverrideCursor();
    m_main.setWindowTitle(m_title);
    if (m_mode != 1) {
        // Back in the normal state, where and as large as it was before the run.
        m_main.setWindowState(Qt::WindowNoState);
        m_main.setGeometry(m_geometry);
    }
    // Only the exercise comes back to the tab it was started from.
    if (auto *tabs = m_main.findChild<QTabWidget *>(QStringLiteral("tabMain")); tabs && m_mode == 2 && m_tab >= 0)
        tabs->setCurrentIndex(m_tab);
    m_main.setEnabled(true);
    if (frmWebInfo *info = m_info.loadedWindow()) {
        info->setEnabled(true);
        info->makeTopmost();
    }
    m_main.raise();
    m_main.activateWindow();
}

void ScenarioPlay::ended(launch::Outcome outcome)
{
    releaseWindows();
    Done done = std::move(m_done);
    m_done = {};
    if (done)
        done(outcome);
}

} // namespace training
