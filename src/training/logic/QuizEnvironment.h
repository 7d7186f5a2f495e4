#pragma once
// What the fact views and the quizzes need from the program-wide state and the
// main window. The main window implements QuizEnvironment over its state object
// and hands each subject its lists and counters as QuizData / FactData.

#include "FactList.h"
#include "QuizList.h"
#include "QuizPlay.h"
#include "ProgressKeeper.h"
#include "QuizRun.h"

#include <QList>
#include <QString>

#include <functional>

namespace haz {
class MessageService;
}

namespace training {

class ProgramState;

class QuizEnvironment {
public:
    virtual ~QuizEnvironment() = default;
    virtual haz::MessageService &messages() = 0;
    virtual QuizTexts quizTexts() const = 0; // caption texts, line breaks expanded
    virtual QString htmlDir() const = 0;     // the installation's data/html folder
    virtual QString imagesDir() const = 0;   // the installation's data/images folder
    virtual int selectedTab() const = 0;     // current tab of tabMain
    virtual void setQuizOrFact(bool factView) = 0; // the saved fact/quiz choice
    // The learner answered or moved to another page: the post is saved now.
    virtual void keepProgress() = 0;
};

// One fact list and its saved position.
struct FactData {
    QList<FactEntry> &list;
    qint32 &count;
    qint32 &position;
};

// The environment over the program-wide state; the main window supplies its
// selected tab.
class StateQuizEnvironment : public QuizEnvironment {
public:
    StateQuizEnvironment(ProgramState &state, std::function<int()> selectedTab);
    haz::MessageService &messages() override;
    QuizTexts quizTexts() const override;
    QString htmlDir() const override;
    QString imagesDir() const override;
    int selectedTab() const override;
    void setQuizOrFact(bool factView) override;
    void keepProgress() override;

private:
    ProgramState &m_state;
    std::function<int()> m_selectedTab;
    ProgressKeeper m_keeper;
};

// A subject's quiz list and counters in the program-wide state (subject 0 … 4 as
// the Subject numbers).
QuizData subjectQuizData(ProgramState &state, int subject);
// A fact list and its saved position: a subject's prefix, "tak" or "ref".
FactData factData(ProgramState &state, const QString &prefix);

} // namespace training
