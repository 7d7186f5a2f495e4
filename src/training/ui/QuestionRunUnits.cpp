#include "QuestionRunUnits.h"

#include "MainTabs.h"
#include "PictureBox.h"
#include "Platform.h"
#include "ProgramState.h"
#include "TabServices.h"

#include <QTabWidget>

namespace training {

ExerciseUnit::ExerciseUnit(QuestionRunTab *tab, TabServices &services)
    : m_tab(tab), m_services(services), m_state(services.state())
{
}

QWidget *ExerciseUnit::page() const
{
    return m_tab;
}

void ExerciseUnit::enter()
{
    const QuizListData &set = m_state.content.exerciseList;
    const qint32 position = m_state.learner.progress.excerQuizPos;
    if (position >= 0 && position < set.count && position < set.list.size()
        && !set.list.at(position).FrgBild.isEmpty())
        m_services.media().showMediaFileQuietly(m_tab->quiz->picture->objectName(),
                                                haz::platform::joinPath(m_state.paths.imagesDir, set.list.at(position).FrgBild));
}

ExamUnit::ExamUnit(QuestionRunTab *tab, QTabWidget *tabs, ProgramState &state)
    : m_tab(tab), m_tabs(tabs), m_state(state)
{
}

QWidget *ExamUnit::page() const
{
    return m_tab;
}

void ExamUnit::leave()
{
    if (m_state.exam.started)
        m_tabs->setTabVisible(m_tabs->indexOf(m_tab), false);
}

void ExamUnit::closing()
{
    m_state.learner.progress.examQuizPos = 0;
    m_state.learner.progress.examQuizCorr = 0;
    drawNextExamList();
}

} // namespace training
