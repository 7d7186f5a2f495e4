#pragma once
// One subject's quiz on the main window's real tab pages, for the quiz view and
// info window tests.

#include "MediaDisplay.h"
#include "QuizController.h"
#include "QuizTestWindow.h"
#include "RuntimeError.h"
#include "frmWebInfo.h"

#include <QRadioButton>

#include <memory>

using namespace training;
using quiztest::child;

namespace {

QuizQuestion makeQuestion(const QString &head, const QStringList &alternatives, const QList<int> &correct,
                          const QString &comment = QStringLiteral("Think again."))
{
    QuizQuestion q;
    q.FrgHead = head;
    q.FrgText = head + QStringLiteral(" text<br>second line");
    for (int k = 0; k < alternatives.size(); ++k)
        q.SvarTxt[k] = alternatives[k];
    for (int k : correct)
        q.SvarR[k] = true;
    q.SvarKom = comment;
    return q;
}

// One subject's quiz over the stand-in main window.
struct QuizFixture {
    explicit QuizFixture(const QString &prefix = QStringLiteral("haz"))
        : root(quiztest::makeMainWindow()), env(install), info(failures, root.get()), media(root.get(), info, failures),
          member(*quizMember(prefix))
    {
    }

    void setQuestions(const QList<QuizQuestion> &questions)
    {
        list = questions;
        count = questions.size();
        list.append(QuizQuestion()); // the spare entry
    }

    QuizController &controller()
    {
        if (!quiz) {
            quiz = std::make_unique<QuizController>(root.get(), member, QuizData{list, count, position, correct},
                                                    QuizServices{env, media, info});
            // The tab's fact/quiz switch, reduced to what the quiz needs.
            auto *option = child<QRadioButton>(root.get(), member.quizOption());
            QObject::connect(option, &QAbstractButton::clicked, quiz.get(), [this] {
                ++switchRuns;
                quiz->updateCountLabels();
                quiz->fillQuiz();
            });
        }
        return *quiz;
    }

    QCheckBox *box(int k) const { return child<QCheckBox>(root.get(), member.answerBox(k)); }
    QPushButton *button(const QString &name) const { return child<QPushButton>(root.get(), name); }
    QString text(const QString &role) const { return controlText(child(root.get(), member.name(role))); }
    void tick(std::initializer_list<int> boxes)
    {
        for (int k : boxes)
            box(k)->setChecked(true);
    }
    void answer() { button(member.answerButton())->click(); }

    haztest::TestEnvironment install;
    std::unique_ptr<QWidget> root;
    quiztest::Environment env;
    haz::LastError failures;
    frmWebInfoHost info;
    MediaDisplay media;
    QuizMember member;
    QList<QuizQuestion> list;
    qint32 count = 0;
    qint32 position = 0;
    qint32 correct = 0;
    int switchRuns = 0;
    std::unique_ptr<QuizController> quiz;
};

} // namespace
