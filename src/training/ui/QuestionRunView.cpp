#include "QuestionRunView.h"

#include "AnswerGate.h"

#include "MainTabs.h"
#include "MediaDisplay.h"
#include "MediaTarget.h"
#include "PageView.h"
#include "PictureBox.h"
#include "Platform.h"
#include "QuizPlay.h"
#include "TabServices.h"

#include <QAbstractButton>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTextEdit>

namespace training {

QuestionRunView::QuestionRunView(QuestionRunTab *tab, int tabIndex, QuestionSet &set, qint32 &position,
                                 qint32 &correct, const QString &progressPrefix, TabServices &services)
    : m_tab(tab), m_tabIndex(tabIndex), m_set(set), m_position(position), m_correct(correct),
      m_progressPrefix(progressPrefix), m_services(services), m_quiz(services.quizServices()),
      // The panel is named by the run's prefix: excerQuizFrm, examQuizFrm.
      m_controls(QuizControls::find(tab, tab->quiz->objectName().chopped(QStringLiteral("QuizFrm").size())))
{
    connect(m_tab->quiz->infoLink, &QAbstractButton::clicked, this, &QuestionRunView::infoLinkClick);
    // A ticked alternative hands the focus to Answer, so that Enter answers.
    m_gate = new AnswerGate(m_controls.answers, m_tab->quiz->answerButton, true, this);
    if (m_controls.picture)
        connect(m_controls.picture, &haz::PictureBox::rightButtonReleased, this,
                [this] { copyPicture(m_controls.picture, m_quiz.env); });
    m_quiz.info.setInfoLinkSource(m_tabIndex, this);
}

QuestionRunView::~QuestionRunView()
{
    m_quiz.info.removeInfoLinkSource(this);
}

const QuizQuestion *QuestionRunView::current() const
{
    return kind() == QuestionKind::Finished ? nullptr : &m_set.list.at(m_position);
}

QuestionKind QuestionRunView::fill()
{
    const QuestionKind shown = kind();
    switch (shown) {
    case QuestionKind::Scenario:
        fillScenario(*current());
        break;
    case QuestionKind::Ordinary:
        fillOrdinary(*current());
        break;
    case QuestionKind::Finished:
        fillFinished();
        break;
    }
    return shown;
}

void QuestionRunView::fillScenario(const QuizQuestion &question)
{
    QuizPanel *quiz = m_tab->quiz;
    for (QAbstractButton *box : m_controls.answers)
        box->hide();
    quiz->heading->setTextFormat(Qt::PlainText);
    quiz->heading->setText(question.FrgHead);
    // A scenario question's text is shown as the list stores it.
    setControlText(quiz->text, question.FrgText);
    quiz->text->show();
    quiz->answerButton->hide();
    quiz->infoLink->hide();
    quiz->restartButton->hide();
    m_tab->scenarioButton->show();
    // The info window is left as it is: matching it to the tab opens this question's
    // page like any other's.
    quiz->picture->clearPicture();
    if (!question.FrgBild.trimmed().isEmpty())
        m_quiz.media.showMediaFileQuietly(quiz->picture->objectName(),
                                          haz::platform::joinPath(m_quiz.env.imagesDir(), question.FrgBild));
}

void QuestionRunView::fillOrdinary(const QuizQuestion &question)
{
    QuizPanel *quiz = m_tab->quiz;
    quiz->text->show();
    m_tab->scenarioButton->hide();
    quiz->restartButton->hide();
    // Shown before filling and left shown if filling fails: the learner can still go on.
    quiz->answerButton->show();
    filloutQuiz(m_controls, question, m_quiz);
    m_gate->questionShown(question);
    if (question.InfoLink.isEmpty()) {
        m_quiz.info.hideWebInfoBox();
        quiz->infoLink->hide();
        return;
    }
    quiz->infoLink->show();
    if (!m_quiz.info.infoWinShow())
        return;
    m_quiz.media.showMediaFileQuietly(InfoBrowserName(),
                                      haz::platform::joinPath(m_quiz.env.htmlDir(), question.InfoLink));
    m_quiz.info.window()->setWindowTitle(question.FrgHead);
    // The window opens only over its own tab.
    if (m_quiz.env.selectedTab() == m_tabIndex) {
        m_quiz.info.applySizeWish(question);
        m_quiz.info.showWithoutWaiting(questionInView(m_controls, m_tab->quiz->page, m_tab->quiz->answerButton));
    }
}

void QuestionRunView::fillFinished()
{
    QuizPanel *quiz = m_tab->quiz;
    for (QAbstractButton *box : m_controls.answers)
        box->hide();
    quiz->heading->clear();
    setControlText(quiz->text, m_quiz.env.quizTexts().excerAllDone);
    quiz->answerButton->hide();
    quiz->infoLink->hide();
    m_tab->scenarioButton->hide();
    quiz->picture->clearPicture();
    m_quiz.info.hideWebInfoBox();
}

void QuestionRunView::updateCountLabels()
{
    const QuizTexts texts = m_quiz.env.quizTexts();
    QuizPanel *quiz = m_tab->quiz;
    quiz->total->setText(countLabelText(texts.totAnswers, m_set.count));
    quiz->correct->setText(countLabelText(texts.corrAnswers, m_correct));
    quiz->done->setText(countLabelText(texts.excerCompleted, m_position));
    QWidget *root = m_tab->window();
    setControlText(root->findChild<QLabel *>(m_progressPrefix + QStringLiteral("Tot")), QString::number(m_set.count));
    showCounts();
}

void QuestionRunView::showCounts()
{
    const QuizTexts texts = m_quiz.env.quizTexts();
    m_tab->quiz->correct->setText(countLabelText(texts.corrAnswers, m_correct));
    m_tab->quiz->done->setText(countLabelText(texts.excerCompleted, m_position));
    QWidget *root = m_tab->window();
    setControlText(root->findChild<QLabel *>(m_progressPrefix + QStringLiteral("Done")), QString::number(m_position));
    setControlText(root->findChild<QLabel *>(m_progressPrefix + QStringLiteral("Corr")), QString::number(m_correct));
}

bool QuestionRunView::checkAnswer(bool showMessage)
{
    const QuizQuestion *question = current();
    return question && checkQuizAnswer(m_controls.comment, m_controls.answers, *question, showMessage, m_quiz);
}

void QuestionRunView::infoLinkClick()
{
    const QuizQuestion *question = current();
    if (!question || question->InfoLink.isEmpty())
        return;
    m_quiz.info.window()->setWindowTitle(question->FrgHead);
    m_quiz.media.showMediaFileQuietly(InfoBrowserName(),
                                      haz::platform::joinPath(m_quiz.env.htmlDir(), question->InfoLink));
    m_quiz.info.setInfoWinShow(true);
    m_quiz.info.applySizeWish(*question);
    m_quiz.info.showWithoutWaiting(questionInView(m_controls, m_tab->quiz->page, m_tab->quiz->answerButton));
}

bool QuestionRunView::infoLinkReady() const
{
    const QuizQuestion *question = current();
    return m_tab->option->isChecked() && question && !question->InfoLink.isEmpty();
}

} // namespace training
