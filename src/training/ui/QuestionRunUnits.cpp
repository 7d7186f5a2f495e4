#include "QuestionRunUnits.h"

#include "MainTabs.h"
#include "MessageService.h"
#include "PictureBox.h"
#include "Platform.h"
#include "ProgramState.h"
#include "QuestionRunView.h"
#include "RuntimeError.h"
#include "TabServices.h"

#include <QApplication>
#include <QPushButton>
#include <QRadioButton>

namespace training {

ExerciseUnit::ExerciseUnit(QuestionRunTab *tab, TabServices &services)
    : m_tab(tab), m_services(services), m_state(services.state())
{
    LearnerProgress &progress = m_state.learner.progress;
    m_view = std::make_unique<QuestionRunView>(tab, TabExcer, m_state.content.exercise, progress.excerQuizPos,
                                               progress.excerQuizCorr, QStringLiteral("curLblQuizExcer"), services);
    connect(tab->option, &QRadioButton::toggled, this, [this](bool selected) {
        if (selected)
            optionClick();
    });
    connect(tab->quiz->answerButton, &QPushButton::clicked, this, &ExerciseUnit::answer);
    connect(tab->quiz->restartButton, &QPushButton::clicked, this, &ExerciseUnit::restart);
    connect(tab->scenarioButton, &QPushButton::clicked, this, &ExerciseUnit::playScenario);
}

ExerciseUnit::~ExerciseUnit() = default;

QWidget *ExerciseUnit::page() const
{
    return m_tab;
}

void ExerciseUnit::load()
{
    fill();
}

void ExerciseUnit::fill()
{
    // An empty list (no file, or one that could not be read) shows nothing at all.
    if (m_state.content.exercise.count > 0 && m_view->fill() == QuestionKind::Finished)
        m_tab->quiz->restartButton->show();
}

void ExerciseUnit::enter()
{
    const QuizQuestion *question = m_view->current();
    if (question && !question->FrgBild.isEmpty())
        m_services.media().showMediaFileQuietly(m_tab->quiz->picture->objectName(),
                                                haz::platform::joinPath(m_state.paths.imagesDir, question->FrgBild));
}

void ExerciseUnit::optionClick()
{
    m_services.media().clearMediaControls();
    m_view->updateCountLabels();
    fill();
    m_services.info().UpdateWebInfoBox(m_services.environment().selectedTab());
}

void ExerciseUnit::answer()
{
    m_services.info().hideWebInfoBox();
    if (!m_view->current()) {
        m_state.messages.show(QStringLiteral("Done"));
        return;
    }
    m_view->count(m_view->checkAnswer(true));
    m_view->showCounts();
    m_services.media().clearMediaControls();
    fill();
    m_services.environment().keepProgress();
}

void ExerciseUnit::restart()
{
    LearnerProgress &progress = m_state.learner.progress;
    ListChoice choice{progress.excerUseList, progress.excerLastList};
    if (chooseExerciseList(m_state.content.exercise, m_state.paths.iniDir, choice, m_services.random(),
                           m_state.messages, m_state.lastError)) {
        progress.excerUseList = choice.use;
        progress.excerLastList = choice.last;
    }
    if (!m_state.learner.currentUser.isEmpty()) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        try {
            clearExerciseResults(m_state.paths.userFile, m_state.learner.currentUser,
                                 m_services.environment().selectedTab(), m_state.messages);
        } catch (const haz::RuntimeError &e) {
            m_state.messages.show(e.messageText(), QStringLiteral("excerQuizRestartBtn"), haz::MessageIcon::Critical);
        }
        QApplication::restoreOverrideCursor();
    }
    progress.excerQuizPos = 0;
    progress.excerQuizCorr = 0;
    m_services.environment().keepProgress();
    if (m_tab->option->isChecked())
        optionClick();
    else
        m_tab->option->setChecked(true);
}

void ExerciseUnit::playScenario()
{
    const QuizQuestion *question = m_view->current();
    const std::optional<qint16> id = question ? scenarioOfQuestion(*question) : std::nullopt;
    if (!id)
        return;
    m_services.scenarios().play(2, *id, false, [this](launch::Outcome outcome) {
        if (outcome != launch::Outcome::Finished)
            return; // left half way: the question stays, and the next press continues the run
        if (!m_view->count(true).counted) {
            m_state.messages.show(QStringLiteral("Done"));
            return;
        }
        m_view->showCounts();
        m_services.media().clearMediaControls();
        fill();
        m_services.environment().keepProgress();
    });
}

} // namespace training
