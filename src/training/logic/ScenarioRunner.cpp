#include "ScenarioRunner.h"

#include "MessageService.h"
#include "ProgramLauncher.h"

#include <QDir>
#include <QTimer>

namespace training {

ScenarioRunner::ScenarioRunner(haz::ProgramLauncher &launcher, haz::MessageService &messages, QObject *parent)
    : QObject(parent), m_launcher(launcher), m_messages(messages),
      m_notStartedText(QStringLiteral("The scenario program could not be started."))
{
    connect(&m_launcher, &haz::ProgramLauncher::ended, this, [this](const haz::LaunchResult &result) {
        if (m_running)
            launchEnded(result);
    });
}

bool ScenarioRunner::run(const Request &request)
{
    if (m_running || m_launcher.isRunning())
        return false;
    m_request = request;
    switch (request.mode) {
    case 1:
        m_preparation = launch::prepareTacticsRun(request.userFile, request.user, request.scenarioId,
                                                  request.continueRun);
        break;
    case 2:
        m_preparation = launch::prepareExerciseRun(request.userFile, request.user, request.scenarioId);
        break;
    default:
        m_preparation = launch::prepareExamRun(request.userFile, request.user, request.scenarioId);
        break;
    }
    m_command = launch::scenarioCommand(request.programFolder, request.user, request.mode);
    m_running = true;
    if (m_preparation.writeFailed) {
        // Started on fields that were not written, the scenario would play another run.
        QTimer::singleShot(0, this, [this] {
            launchEnded({false, -1, QStringLiteral("The scenario could not be noted in the learners' progress file %1.")
                                        .arg(QDir::toNativeSeparators(m_request.userFile))});
        });
        return true;
    }
    if (!m_launcher.launch(m_command.program, m_command.arguments)) {
        // The launcher is busy with a run that is not ours: report it like a failed start.
        QTimer::singleShot(0, this, [this] { launchEnded({false, -1, QStringLiteral("busy")}); });
    }
    return true;
}

void ScenarioRunner::launchEnded(const haz::LaunchResult &result)
{
    m_running = false;
    launch::Outcome outcome;
    if (!result.started) {
        if (m_preparation.before && !m_preparation.writeFailed
            && !launch::restoreRunFields(m_request.userFile, m_request.user, m_request.mode, *m_preparation.before))
            m_messages.show(QStringLiteral("Could not save setting for user"), QStringLiteral("RunWithSync"),
                            haz::MessageIcon::Warning);
        m_messages.show(m_notStartedText + QStringLiteral("\r\n\r\n") + m_command.commandLine
                            + QStringLiteral("\r\n") + result.errorText,
                        QStringLiteral("RunWithSync"), haz::MessageIcon::Critical);
        outcome = launch::Outcome::NotStarted;
    } else {
        outcome = launch::readOutcome(m_request.userFile, m_request.user, m_request.mode);
        // An exam scenario is never resumed: a run that was left is thrown away.
        if (outcome == launch::Outcome::Unfinished && m_request.mode == 3
            && !launch::discardRun(m_request.userFile, m_request.user, m_request.mode))
            m_messages.show(QStringLiteral("Could not save setting for user"), QStringLiteral("RunWithSync"),
                            haz::MessageIcon::Warning);
    }
    emit ended(outcome);
}

} // namespace training
