#pragma once
// The course program from start to end: start-up (Main, getProgramData), signing a
// learner in, reading and saving the learner's progress, and the closing sequence.
// It owns the program's windows; `main` owns the program and its state.

#include <QString>

#include <functional>
#include <memory>

namespace haz {
class clsDataFile;
}

namespace training {

class ProgramState;
class frmMain;
class frmUserChoose;
class frmPersData;
class frmExitSave;
class frmCoursePrnt;
namespace exam {
class frmExamTimeRanOut;
}

class TrainingProgram {
public:
    enum class StartResult { Started, Failed };

    // `exitProgram` ends the program with an exit code (the event loop's exit in the
    // real program; tests record it).
    TrainingProgram(ProgramState &state, std::function<void(int)> exitProgram);
    ~TrainingProgram();
    TrainingProgram(const TrainingProgram &) = delete;
    TrainingProgram &operator=(const TrainingProgram &) = delete;

    // Prepares everything and shows the learner dialog. Failed: a message has been
    // shown and no window is open; the program should end with a non-zero code.
    StartResult Main();
    // Paths, language code, windows and their captions, question sets, tab table.
    bool getProgramData();

    // The learner dialog's OK with the typed or picked name.
    void signIn(const QString &typed);
    void getUserData();
    void saveUserData();
    // The learner dialog's exit button, or its frame: closes everything and ends.
    void exitFromUserDialog();

    frmMain *mainWindow() const { return m_main.get(); }
    frmUserChoose *userChoose() const { return m_userChoose.get(); }
    frmPersData *persData() const { return m_persData.get(); }
    frmExitSave *exitSave() const { return m_exitSave.get(); }
    exam::frmExamTimeRanOut *timeRanOut() const { return m_timeRanOut.get(); }
    frmCoursePrnt *coursePrnt() const { return m_coursePrnt.get(); }

private:
    // A caption the table may hold, else the built-in English text; never a message.
    QString optionalText(const QString &id, const QString &fallback) const;
    void createWindows();
    void applyCaptions(const haz::clsDataFile &captions);
    void applyTabCaptions(const haz::clsDataFile &captions);
    void applyCountWords();
    void unloadMain();

    ProgramState &m_state;
    std::function<void(int)> m_exitProgram;
    std::unique_ptr<frmMain> m_main;
    std::unique_ptr<frmUserChoose> m_userChoose;
    std::unique_ptr<frmPersData> m_persData;
    std::unique_ptr<frmExitSave> m_exitSave;
    std::unique_ptr<exam::frmExamTimeRanOut> m_timeRanOut;
    std::unique_ptr<frmCoursePrnt> m_coursePrnt;
    bool m_ended = false;
};

} // namespace training
