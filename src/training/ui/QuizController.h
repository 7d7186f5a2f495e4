#pragma once
// Quiz play on a set of named quiz controls: filling a question, checking an answer,
// copying a question picture (shared with the exercise and exam tabs), and the
// controller of one subject tab's quiz view.

#include "QuizEnvironment.h"
#include "QuizFamily.h"
#include "frmWebInfo.h"

#include <QObject>
#include <QPointer>

#include <array>
#include <functional>

class QAbstractButton;
class QLabel;

namespace haz {
class PictureBox;
}

namespace training {

class AnswerGate;
class MediaDisplay;

// The controls filloutQuiz and checkQuizAnswer work on, found by the names
// prefix + "QuizPic", "QuizLbl", "QuizText", "QuizAnsw(0)" ... "QuizAnsw(14)", "QuizComm".
struct QuizControls {
    haz::PictureBox *picture = nullptr;
    QLabel *heading = nullptr;
    QWidget *text = nullptr;    // a multi-line text box (QTextEdit or QPlainTextEdit)
    std::array<QAbstractButton *, MaxAlternatives> answers{};
    QWidget *comment = nullptr; // a text box

    static QuizControls find(const QWidget *root, const QString &prefix);
};

// Everything the question routines use besides the controls.
struct QuizServices {
    QuizEnvironment &env;
    MediaDisplay &media;
    frmWebInfoHost &info;
};

// Puts the question on the controls. A picture that exists but cannot
// be shown is reported once (message titled "filloutQuiz") and the rest of the
// question is still shown; any other failure is reported the same way and the
// result is False.
bool filloutQuiz(const QuizControls &controls, const QuizQuestion &question, const QuizServices &services);

// True when exactly the correct alternatives are ticked. A wrong answer with
// `showMessage` hides the info window and shows the correct alternatives and the
// comment; otherwise the comment box is emptied.
bool checkQuizAnswer(QWidget *comment, const std::array<QAbstractButton *, MaxAlternatives> &answers,
                     const QuizQuestion &question, bool showMessage, const QuizServices &services);

// What an info window must leave in view of a question on these controls: heading,
// text, picture or page, the alternatives and the Answer button.
QList<const QWidget *> questionInView(const QuizControls &controls, const QWidget *page, const QWidget *answerButton);

// Asks, then puts the box's picture on the clipboard and confirms. Nothing happens
// for an empty box.
void copyPicture(haz::PictureBox *box, QuizEnvironment &env);

// A text box's or label's text, whatever kind of text control it is.
void setControlText(QWidget *control, const QString &text);
QString controlText(const QWidget *control);

// The quiz view of one subject tab. It finds its controls under `root` (the main
// window) by their names and connects the Answer, Restart and info-link buttons,
// the answer boxes and the right-click on the question picture.
class QuizController : public QObject, public InfoLinkSource {
    Q_OBJECT
public:
    QuizController(QWidget *root, const QuizMember &member, QuizData data, const QuizServices &services,
                   QObject *parent = nullptr);
    ~QuizController() override;

    const QuizMember &member() const { return m_member; }
    const QuizControls &controls() const { return m_controls; }

    // hazFillQuiz and its siblings: the question at the position, or the finished state.
    void fillQuiz();
    // QuizAnswBtn(i) click.
    void answer();
    // QuizRestartBtn(i) click.
    void restart();
    // The info-link button's click.
    void infoLinkClick();
    // Loads the info page into the info window and sets the window's title.
    void showInfoLink(const QString &infoLink, const QString &title);
    // The three count labels of the tab and the three of the progress tab, from the
    // current values (the first step of the fact/quiz switch).
    void updateCountLabels();
    // Right mouse button released over the question picture.
    void copyQuestionPicture();

    // The fact/quiz switch of the subject tab, run with index 1 by the restart when
    // the quiz option is already selected (otherwise the restart clicks the option).
    void setOptionSwitch(std::function<void(int)> optionSwitch) { m_optionSwitch = std::move(optionSwitch); }

    bool infoLinkReady() const override;
    void runInfoLinkClick() override { infoLinkClick(); }

private:
    QWidget *find(const QString &name) const;
    const QuizQuestion *currentQuestion() const;
    QList<const QWidget *> inView() const;
    QString infoTitle(const QuizQuestion &question) const;

    QPointer<QWidget> m_root;
    QuizMember m_member;
    QuizRun m_run;
    QuizServices m_services;
    QuizControls m_controls;
    std::function<void(int)> m_optionSwitch;
    AnswerGate *m_gate = nullptr;
};

} // namespace training
