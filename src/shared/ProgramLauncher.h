#pragma once
// Starting another program and hearing when it has ended, without a shell and
// without blocking the event loop: the caller keeps its windows painted (but
// disabled) while the other program runs.

#include <QList>
#include <QMetaType>
#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>

class QProcess;

namespace haz {

struct LaunchResult {
    bool started = false; // false: the program could not be started at all
    int exitCode = -1;    // -1 when it did not start or did not exit normally
    QString errorText;    // why it could not be started or why it ended abnormally
};

class ProgramLauncher : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    // Starts `program` (a file path) with `arguments`, the argument string the started
    // program is to receive. The end, or a failure to start, is reported by ended(),
    // always after launch() has returned. False, with nothing started, while a run
    // is still going on.
    virtual bool launch(const QString &program, const QString &arguments) = 0;
    virtual bool isRunning() const = 0;

    // On this platform a program gets a list of arguments and joins them with single
    // blanks to get its argument string back: so the string is split at every single
    // blank, keeping empty pieces (two blanks in a row give an empty argument).
    static QStringList splitArguments(const QString &arguments);

signals:
    void ended(const haz::LaunchResult &result);
};

// Starts real processes.
class ProcessLauncher : public ProgramLauncher {
    Q_OBJECT
public:
    explicit ProcessLauncher(QObject *parent = nullptr);
    ~ProcessLauncher() override;
    bool launch(const QString &program, const QString &arguments) override;
    bool isRunning() const override { return m_process != nullptr; }

private:
    void finish(const LaunchResult &result);
    QProcess *m_process = nullptr;
};

// Records each launch instead of starting anything. A run ends when the test calls
// end(); `onLaunch`, when set, runs in place of the program (for example writing
// what the program would write) and then the run ends at once with its result.
class RecordingLauncher : public ProgramLauncher {
    Q_OBJECT
public:
    struct Launch {
        QString program;
        QString arguments;
    };
    using ProgramLauncher::ProgramLauncher;
    bool launch(const QString &program, const QString &arguments) override;
    bool isRunning() const override { return m_running; }
    // Ends the run that is going on and reports it.
    void end(const LaunchResult &result = {true, 0, {}});

    const QList<Launch> &launches() const { return m_launches; }
    std::function<LaunchResult(const Launch &)> onLaunch;

private:
    QList<Launch> m_launches;
    bool m_running = false;
};

} // namespace haz

Q_DECLARE_METATYPE(haz::LaunchResult)
