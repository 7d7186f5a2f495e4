#include "SubjectUnit.h"

#include "FailureNote.h"
#include "MainTabs.h"
#include "PageView.h"
#include "Platform.h"
#include "ProgramState.h"
#include "TabServices.h"
#include "basMainUi.h"

#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

namespace training {

SubjectUnit::SubjectUnit(SubjectTab *tab, QWidget *root, TabServices &services)
    : m_tab(tab), m_services(services), m_state(services.state())
{
    const int subject = tab->subject();
    const QuizMember &member = quizMembers().at(subject);
    m_facts = std::make_unique<FactController>(root, *factMember(member.prefix),
                                               factData(m_state, member.prefix), services.environment(),
                                               services.media());
    m_quiz = std::make_unique<QuizController>(root, member, subjectQuizData(m_state, subject),
                                              services.quizServices());
    m_quiz->setOptionSwitch([this](int index) { optionSwitch(index); });
    for (int k = 0; k < 2; ++k)
        QObject::connect(tab->options[k], &QRadioButton::toggled, m_quiz.get(), [this, k](bool on) {
            if (on)
                optionSwitch(k);
        });
}

SubjectUnit::~SubjectUnit() = default;

QWidget *SubjectUnit::page() const
{
    return m_tab;
}

void SubjectUnit::load()
{
    const FactListData &facts = m_state.content.subjectFacts[m_tab->subject()];
    if (basMain::fillListBox(m_tab->factList, facts.list, m_state.lastError))
        basMain::selectSavedPosition(m_tab->factList, m_state.learner.progress.subjects[m_tab->subject()].factPos, facts.count);
    // Every subject's totals are known from the start, not only after its quiz is opened.
    m_quiz->updateCountLabels();
}

void SubjectUnit::enter()
{
    if (m_tab->options[1]->isChecked())
        m_quiz->fillQuiz();
    else
        showChosenFact();
}

void SubjectUnit::keyboardEnter()
{
    showChosenFact();
}

void SubjectUnit::showChosenFact()
{
    if (!m_tab->options[0]->isChecked())
        return;
    const int row = basMain::chosenRow(m_tab->factList);
    const FactListData &facts = m_state.content.subjectFacts[m_tab->subject()];
    if (row >= 0 && row < facts.list.size() && !facts.list.at(row).page.isEmpty())
        m_services.media().showMediaFileQuietly(m_tab->factWeb->objectName(),
                                                haz::platform::joinPath(m_state.paths.htmlDir, facts.list.at(row).page));
}

void SubjectUnit::optionSwitch(int index)
{
    haz::LastError &record = m_state.lastError;
    haz::runNoted(record, [&] { m_quiz->updateCountLabels(); });
    haz::runNoted(record, [&] {
        const bool quiz = index == 1;
        m_tab->factList->setVisible(!quiz);
        m_tab->factFrame->setVisible(!quiz);
        m_tab->printButton->setVisible(!quiz);
        m_tab->quiz->setVisible(quiz);
        m_state.learner.progress.quizOrFact = !quiz;
        m_services.environment().keepProgress();
        if (quiz)
            m_services.media().clearMediaControls();
        else
            m_facts->factSelected();
    });
    haz::runNoted(record, [&] {
        basMain::selectSavedPosition(m_tab->factList, m_state.learner.progress.subjects[m_tab->subject()].factPos,
                            m_state.content.subjectFacts[m_tab->subject()].count);
    });
    haz::runNoted(record, [&] {
        if (m_tab->options[1]->isChecked())
            m_quiz->fillQuiz();
    });
    haz::runNoted(record, [&] { m_services.info().UpdateWebInfoBox(m_services.environment().selectedTab()); });
}

} // namespace training
