#pragma once
// What every tab unit shares: the quiz environment over the program's state, the info
// window and the media display over the main window's named controls, the scenario
// play and the source of chance. The main window makes one, before its units, and it
// lives as long as the window.

#include "MediaDisplay.h"
#include "QuizEnvironment.h"
#include "ScenarioPlay.h"
#include "frmWebInfo.h"

#include <QObject>

#include <memory>

namespace haz {
class RandomSource;
}

namespace training {

class ProgramState;
struct QuizServices;

class TabServices : public QObject {
    Q_OBJECT
public:
    // `main` is the main window; `selectedTab` reports its current tab.
    TabServices(QWidget &main, ProgramState &state, std::function<int()> selectedTab);
    ~TabServices() override;

    ProgramState &state() { return m_state; }
    frmWebInfoHost &info() { return m_info; }
    MediaDisplay &media() { return m_media; }
    QuizEnvironment &environment() { return m_env; }
    QuizServices quizServices();
    ScenarioPlay &scenarios() { return m_scenarios; }
    // The exam and exercise draws; tests put in a scripted source.
    haz::RandomSource &random() { return *m_random; }
    void setRandomSource(std::unique_ptr<haz::RandomSource> random);

    // The closing sequence unloads the info window.
    void unloadInfoWindow();

private:
    ProgramState &m_state;
    StateQuizEnvironment m_env;
    frmWebInfoHost m_info;
    MediaDisplay m_media;
    ScenarioPlay m_scenarios;
    std::unique_ptr<haz::RandomSource> m_random;
};

} // namespace training
