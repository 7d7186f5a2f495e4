#include "TabServices.h"

#include "ProgramState.h"
#include "QuizController.h"
#include "RandomSource.h"

#include <QAbstractButton>

namespace training {

TabServices::TabServices(QWidget &main, ProgramState &state, std::function<int()> selectedTab)
    : QObject(&main), m_state(state), m_env(state, std::move(selectedTab)), m_info(state.lastError, this), m_media(&main, m_info, state.lastError),
      m_scenarios(main, state, m_info, this), m_random(std::make_unique<haz::SystemRandomSource>())
{
    m_info.setIconName([&state] { return state.content.iconName; });
    if (auto *debug = main.findChild<QAbstractButton *>(QStringLiteral("debugBtn")))
        connect(debug, &QAbstractButton::clicked, this, [this, &main] { debugBtnClick(&main, m_env.messages()); });
}

TabServices::~TabServices() = default;

QuizServices TabServices::quizServices()
{
    return QuizServices{m_env, m_media, m_info};
}

void TabServices::setRandomSource(std::unique_ptr<haz::RandomSource> random)
{
    m_random = std::move(random);
}

void TabServices::unloadInfoWindow()
{
    delete m_info.loadedWindow();
}

} // namespace training
