#pragma once
// One scenario run from start to end, without blocking: writes the learner's
// fields, starts the scenario program through the launcher and, when it has ended,
// reads what it left. A program that cannot be started is reported to the learner
// and the fields written for it are put back.

#include "ScenarioLaunch.h"

#include <QMetaType>
#include <QObject>
#include <QString>

namespace haz {
class MessageService;
class ProgramLauncher;
struct LaunchResult;
} // namespace haz

namespace training {

class ScenarioRunner : public QObject {
    Q_OBJECT
public:
    ScenarioRunner(haz::ProgramLauncher &launcher, haz::MessageService &messages, QObject *parent = nullptr);

    struct Request {
        QString programFolder;
        QString userFile;
        QString user;
        int mode = 1;          // 1 tactics, 2 exercise, 3 exam
        qint16 scenarioId = 0;
        bool continueRun = false; // tactics only: the learner chose to continue
    };

    // Prepares the progress fields and starts the program. False, with nothing
    // written or started, while another run is going on. The end is reported by
    // ended(), never before run() has returned.
    bool run(const Request &request);
    bool isRunning() const { return m_running; }

    // The message when the program cannot be started (caption text); the reason
    // and the command line follow it.
    void setNotStartedText(const QString &text) { m_notStartedText = text; }

signals:
    void ended(training::launch::Outcome outcome);

private:
    void launchEnded(const haz::LaunchResult &result);

    haz::ProgramLauncher &m_launcher;
    haz::MessageService &m_messages;
    QString m_notStartedText;
    Request m_request;
    launch::Preparation m_preparation;
    launch::ScenarioCommand m_command;
    bool m_running = false;
};

} // namespace training

Q_DECLARE_METATYPE(training::launch::Outcome)
