#pragma once
// Puts fact pages, the subject quizzes, the media display and the info window on
// the main window: one controller per fact list and per subject over the window's
// named controls, and the window's hooks pointed at them. Made once, right after
// the main window and before its loadData; it lives as long as the window.

#include "FactController.h"
#include "MediaDisplay.h"
#include "QuizController.h"
#include "QuizEnvironment.h"
#include "frmWebInfo.h"

#include <QObject>

#include <array>
#include <memory>
#include <vector>

namespace training {

class frmMain;
class ProgramState;

class QuizControllerSet : public QObject {
    Q_OBJECT
public:
    QuizControllerSet(frmMain &main, ProgramState &state);
    ~QuizControllerSet() override;

    frmWebInfoHost &info() { return m_info; }
    MediaDisplay &media() { return m_media; }
    QuizEnvironment &environment() { return m_env; }
    QuizController &subjectQuiz(int subject) { return *m_quizzes.at(subject); }
    // The fact view of a list box ("hazFactLst", "ideLstFact", "takFactLst" ...).
    FactController *factView(const QString &listName) const;

    // The closing sequence unloads the info window.
    void unloadInfoWindow();

private:
    frmMain &m_main;
    StateQuizEnvironment m_env;
    frmWebInfoHost m_info;
    MediaDisplay m_media;
    std::vector<std::unique_ptr<FactController>> m_facts;
    std::array<std::unique_ptr<QuizController>, 5> m_quizzes;
};

} // namespace training
