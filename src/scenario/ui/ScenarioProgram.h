#pragma once
// The scenario program from start to end: start-up from the argument string, the
// answer button, the exit button and the window's frame. It owns the run and the
// windows; `main` owns the program.

#include "InfoWindowPlace.h"
#include "ScenarioRun.h"

#include <QString>

#include <functional>
#include <memory>

namespace haz {
class DebriefWindow;
class MessageService;
class PictureBox;
class RuntimeError;
} // namespace haz

namespace scenario {

class frmMain;
class frmWebinfo;
class QuestionPanel;
class SceneArea;

class ScenarioProgram {
public:
    enum class StartResult { Started, Failed };

    // `exitProgram` ends the program with an exit code (the event loop's exit in the
    // real program; tests record it). `installFolder` empty: the program's folder.
    ScenarioProgram(QString argumentString, haz::MessageService &messages,
                    std::function<void(int)> exitProgram, QString installFolder = {});
    ~ScenarioProgram();
    ScenarioProgram(const ScenarioProgram &) = delete;
    ScenarioProgram &operator=(const ScenarioProgram &) = delete;

    // Reads the run, builds the window and shows the first question. Failed: one
    // message has been shown, no window is open, nothing was written, and the
    // program should end with a non-zero code.
    StartResult start();

    void answer();       // cmdSvara
    void leave();        // cmdExit
    void closedByFrame(); // the main window's frame

    ScenarioRun &run() { return m_run; }
    frmMain *mainWindow() const { return m_main.get(); }
    frmWebinfo *infoWindow() const { return m_info.get(); }
    QuestionPanel *questionPanel() const { return m_panel; }
    SceneArea *sceneArea() const { return m_scene; }
    const RoomView &room() const { return m_room; }
    // Open from the end of the run until the learner closes it; then the program ends.
    haz::DebriefWindow *debriefWindow() const { return m_debrief.get(); }

private:
    void buildWindow(const StartView &view);
    void showQuestion(const RoomView &room);
    void showInfoWindow();
    // Where the info window goes for the question on screen.
    void placeInfoWindow();
    frmWebinfo *info();
    void loadPicture(haz::PictureBox *box, const QString &path);
    void report(const haz::RuntimeError &error);
    QString title() const;
    void end(int code);
    void recordAnswer(const RoomView &answered, const QString &answerString, const AnswerOutcome &outcome,
                      qint16 scoreBefore);
    void showDebrief(const QString &heading);

    ScenarioRun m_run;
    haz::MessageService &m_messages;
    std::function<void(int)> m_exitProgram;
    std::unique_ptr<frmMain> m_main;
    std::unique_ptr<frmWebinfo> m_info;
    haz::InfoWindowPlace m_place;
    std::unique_ptr<haz::DebriefWindow> m_debrief;
    QuestionPanel *m_panel = nullptr;
    SceneArea *m_scene = nullptr;
    RoomView m_room;
    bool m_ended = false;
};

// "Error description: " and "Error number: " on two lines.
QString errorReportText(const haz::RuntimeError &error);

} // namespace scenario
