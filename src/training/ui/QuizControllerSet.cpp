#include "QuizControllerSet.h"

#include "ProgramState.h"
#include "frmMain.h"

#include <QAbstractButton>

namespace training {

QuizControllerSet::QuizControllerSet(frmMain &main, ProgramState &state)
    : QObject(&main), m_main(main), m_env(state, [&main] { return main.selectedTab(); }), m_info(this),
      m_media(&main, m_info)
{
    m_info.setIconName([&state] { return state.iconName; });
    for (const FactMember &member : factMembers())
        m_facts.push_back(std::make_unique<FactController>(&main, member, factData(state, member.prefix), m_env, m_media));
    for (int s = 0; s < SubjectCount; ++s) {
        m_quizzes[s] = std::make_unique<QuizController>(&main, quizMembers().at(s), subjectQuizData(state, s),
                                                        QuizServices{m_env, m_media, m_info});
        m_quizzes[s]->setOptionSwitch([&main, s](int index) { main.optionSwitch(s, index); });
    }

    MainWindowHooks &hooks = main.hooks;
    hooks.clearMediaControls = [this] { m_media.clearMediaControls(); };
    hooks.showMediaFile = [this](const QString &control, const QString &path) {
        // The tab change shows what it can; a file that cannot be loaded stays blank.
        m_media.showMediaFileQuietly(control, path);
    };
    hooks.updateWebInfoBox = [this](int tab) { m_info.UpdateWebInfoBox(tab); };
    hooks.factSelected = [this](const QString &list) {
        if (FactController *fact = factView(list))
            fact->factSelected();
    };
    hooks.fillSubjectQuiz = [this](int subject) {
        if (subject >= 0 && subject < SubjectCount)
            m_quizzes[subject]->fillQuiz();
    };

    if (auto *debug = main.findChild<QAbstractButton *>(QStringLiteral("debugBtn")))
        connect(debug, &QAbstractButton::clicked, this, [this] { debugBtnClick(&m_main, m_env.messages()); });
}

// A child of the main window: it goes when the window goes, after the window's own
// members (and so its hooks), which is why the hooks are not touched here.
QuizControllerSet::~QuizControllerSet()
{
    // The quizzes leave the info window's sources before the window host goes.
    for (auto &quiz : m_quizzes)
        quiz.reset();
}

FactController *QuizControllerSet::factView(const QString &listName) const
{
    for (const auto &fact : m_facts)
        if (fact->member().list == listName)
            return fact.get();
    return nullptr;
}

void QuizControllerSet::unloadInfoWindow()
{
    delete m_info.loadedWindow();
}

} // namespace training
