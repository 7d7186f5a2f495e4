#include "ProgramLauncher.h"

#include <QProcess>
#include <QTimer>

namespace haz {

QStringList ProgramLauncher::splitArguments(const QString &arguments)
{
    if (arguments.isEmpty())
        return {};
    return arguments.split(u' ', Qt::KeepEmptyParts);
}

ProcessLauncher::ProcessLauncher(QObject *parent) : ProgramLauncher(parent)
{
    qRegisterMetaType<LaunchResult>();
}

ProcessLauncher::~ProcessLauncher()
{
    if (m_process) {
        // The other program is not ours to end; only stop listening to it.
        m_process->disconnect(this);
        m_process->setParent(nullptr);
        m_process->deleteLater();
    }
}

bool ProcessLauncher::launch(const QString &program, const QString &arguments)
{
    if (m_process)
        return false;
    m_process = new QProcess(this);
    // The program's output goes where ours goes: a pipe nobody reads could fill and
    // stop it.
    m_process->setProcessChannelMode(QProcess::ForwardedChannels);
    QProcess *process = m_process;
    connect(process, &QProcess::errorOccurred, this, [this, process](QProcess::ProcessError error) {
        if (process != m_process)
            return;
        if (error == QProcess::FailedToStart)
            finish({false, -1, process->errorString()});
    });
    connect(process, &QProcess::finished, this, [this, process](int exitCode, QProcess::ExitStatus status) {
        if (process != m_process)
            return;
        if (status == QProcess::NormalExit)
            finish({true, exitCode, {}});
        else
            finish({true, -1, process->errorString()});
    });
    process->start(program, splitArguments(arguments), QIODevice::ReadWrite);
    return true;
}

void ProcessLauncher::finish(const LaunchResult &result)
{
    QProcess *process = m_process;
    m_process = nullptr;
    process->disconnect(this);
    process->deleteLater();
    // A failure to start may be noticed inside start(); the caller hears of it only
    // once launch() has returned.
    QTimer::singleShot(0, this, [this, result] { emit ended(result); });
}

bool RecordingLauncher::launch(const QString &program, const QString &arguments)
{
    if (m_running)
        return false;
    m_launches.append({program, arguments});
    m_running = true;
    if (onLaunch) {
        const LaunchResult result = onLaunch(m_launches.last());
        QTimer::singleShot(0, this, [this, result] { end(result); });
    }
    return true;
}

void RecordingLauncher::end(const LaunchResult &result)
{
    if (!m_running)
        return;
    m_running = false;
    emit ended(result);
}

} // namespace haz
