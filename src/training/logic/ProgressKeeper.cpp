#include "ProgressKeeper.h"

#include "MessageService.h"
#include "ProgramState.h"
#include "ProgressFile.h"
#include "RuntimeError.h"

namespace training {

void ProgressKeeper::keep(int selectedTab)
{
    LearnerSession &learner = m_state.learner;
    if (learner.currentUser.isEmpty())
        return;
    QStringList values;
    for (const progress::SavedField &field : progress::savedFields(learner.progress, selectedTab))
        values << field.value;
    if (values == m_saved)
        return;

    haz::ScriptedMessages told; // passed on below, unless the learner already knows
    bool saved = false;
    try {
        saved = progress::saveLearnerProgress(m_state.paths.userFile, learner.currentUser, learner.progress,
                                              selectedTab, told, {})
                == progress::SaveOutcome::Saved;
    } catch (const haz::RuntimeError &e) {
        told.show(e.messageText(), QStringLiteral("saveUserData"), haz::MessageIcon::Critical);
    }
    if (!saved && !learner.toldNotKept)
        for (const haz::Message &message : told.shown())
            m_state.messages.show(message);
    learner.toldNotKept = !saved;
    m_saved = saved ? values : QStringList();
}

} // namespace training
