#pragma once
// Keeps the learner's post in the progress file as the learner goes: after every
// answer and every change of tab or page the post is saved in one rewrite, as at
// exit, so that a program that is killed loses at most the question on screen.
// Nothing is written while nobody is signed in or when nothing changed since the
// last save. A save that fails is told; while the file keeps failing (or after the
// learner was told at sign-in that nothing is kept) the learner is not told again at
// every answer, only once more after a save went through.

#include <QStringList>

namespace haz {
class MessageService;
}

namespace training {

class ProgramState;

class ProgressKeeper {
public:
    explicit ProgressKeeper(ProgramState &state) : m_state(state) {}

    void keep(int selectedTab);

private:
    ProgramState &m_state;
    QStringList m_saved; // the values of the last save that went through
};

} // namespace training
