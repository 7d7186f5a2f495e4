#include "QuestionRunUnits.h"

#include "Clock.h"
#include "MainTabs.h"
#include "MessageService.h"
#include "ProgramState.h"
#include "QuestionRunView.h"
#include "QuizPlay.h"
#include "RunHistory.h"
#include "TabServices.h"
#include "frmExamTimeRanOut.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QComboBox>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTextEdit>

namespace training {

ExamUnit::ExamUnit(QuestionRunTab *tab, QTabWidget *tabs, TabServices &services)
    : m_tab(tab), m_tabs(tabs), m_services(services), m_state(services.state()), m_review(tab, services.state().messages)
{
    connect(tab->reviewButton, &QPushButton::clicked, this, &ExamUnit::reviewAttempt);
    LearnerProgress &progress = m_state.learner.progress;
    m_view = std::make_unique<QuestionRunView>(tab, TabExam, m_state.content.exam, progress.examQuizPos,
                                               progress.examQuizCorr, QStringLiteral("curLblExam"), services);
    connect(tab->option, &QRadioButton::toggled, this, [this](bool selected) {
        if (selected)
            optionClick();
    });
    connect(tab->quiz->answerButton, &QPushButton::clicked, this, &ExamUnit::answer);
    connect(tab->quiz->restartButton, &QPushButton::clicked, this, &ExamUnit::restart);
    connect(tab->scenarioButton, &QPushButton::clicked, this, &ExamUnit::playScenario);
    connect(tab->clock, &Clock::Finished, this, &ExamUnit::timeRanOut);
    tab->quiz->done->installEventFilter(this);
}

ExamUnit::~ExamUnit() = default;

QWidget *ExamUnit::page() const
{
    return m_tab;
}

void ExamUnit::learnerChangedTab()
{
    m_tab->clock->reset();
}

void ExamUnit::enter()
{
    fill();
}

void ExamUnit::leave()
{
    // The clock runs only while its question can be seen.
    m_tab->clock->reset();
    m_tab->clock->hide();
    if (m_state.exam.leaveTab())
        m_tabs->setTabVisible(m_tabs->indexOf(m_tab), false);
}

void ExamUnit::closing()
{
    m_state.exam.attempt.clear();
    abandonUnfinished();
}

void ExamUnit::signedIn()
{
    const LearnerProgress &progress = m_state.learner.progress;
    if (examFinished(m_state.content.exam, progress.examQuizPos)
        || (progress.examQuizPos == 0 && progress.examQuizCorr == 0))
        return;
    abandonUnfinished();
    optionClick();
    m_services.environment().keepProgress();
}

void ExamUnit::abandonUnfinished()
{
    LearnerProgress &progress = m_state.learner.progress;
    if (examFinished(m_state.content.exam, progress.examQuizPos))
        return;
    progress.examQuizPos = 0;
    progress.examQuizCorr = 0;
    ListChoice choice{progress.examUseList, progress.examLastList};
    if (randomExamQuizList(m_state.content.exam, m_state.paths.iniDir, choice, m_services.random(),
                           m_state.messages, m_state.lastError)) {
        progress.examUseList = choice.use;
        progress.examLastList = choice.last;
    }
}

void ExamUnit::optionClick()
{
    m_services.media().clearMediaControls();
    m_view->updateCountLabels();
    fill();
    m_services.info().UpdateWebInfoBox(m_services.environment().selectedTab());
}

void ExamUnit::fill()
{
    m_view->fill();
    Clock *clock = m_tab->clock;
    clock->reset();
    const qint16 seconds = examClockSeconds(m_state.content.exam, m_state.learner.progress.examQuizPos);
    // A question on a tab the learner does not see yet gets its time when it is shown.
    if (seconds > 0 && m_tabs->currentWidget() == m_tab && !m_state.exam.locked) {
        clock->setSeconds(seconds);
        clock->start();
        clock->show();
    } else {
        clock->hide();
    }
}

void ExamUnit::answer()
{
    m_state.exam.noteStarted();
    m_services.info().hideWebInfoBox();
    if (m_view->kind() == QuestionKind::Ordinary) {
        const QuizQuestion *current = m_view->current();
        const std::optional<QuizQuestion> question = current ? std::optional(*current) : std::nullopt;
        const bool right = m_view->checkAnswer(false);
        if (m_view->count(right).counted && !right && question)
            m_state.exam.attempt.noteWrong(*question);
        m_view->showCounts();
        m_services.media().clearMediaControls();
        fill();
    }
    m_services.environment().keepProgress();
    afterLastAnswer();
}

void ExamUnit::afterLastAnswer()
{
    const qint32 count = m_state.content.exam.count;
    if (count <= 0 || m_state.learner.progress.examQuizPos < count)
        return;
    setControlText(m_tab->quiz->text, examAllDoneText(m_state.text(QStringLiteral("examAllDone"))));
    // Titled like the tab the result belongs to.
    const QString title = m_tabs->tabText(m_tabs->indexOf(m_tab)).remove(u'&');
    m_state.messages.show(countLabelText(m_state.text(QStringLiteral("corrAnswers")),
                                         m_state.learner.progress.examQuizCorr),
                          title, haz::MessageIcon::Information);
    m_tab->quiz->answerButton->hide();
    recordAttempt();
}

void ExamUnit::recordAttempt()
{
    if (m_state.exam.attempt.recorded() || m_state.learner.currentUser.isEmpty())
        return;
    const LearnerProgress &progress = m_state.learner.progress;
    const haz::runrecord::Entry entry = m_state.exam.attempt.entry(
        m_state.learner.currentUser, m_state.content.exam.count, progress.examQuizCorr, QDateTime::currentDateTimeUtc());
    const haz::runrecord::Appended appended =
        haz::runrecord::append(haz::runrecord::pathBeside(m_state.paths.userFile), entry);
    if (!appended.notice.isEmpty())
        m_state.messages.show(appended.notice, QString(), haz::MessageIcon::Warning);
    showAttempts();
}

void ExamUnit::showAttempts()
{
    QString notice;
    const QList<haz::runrecord::Run> attempts = history::lastExamAttempts(
        history::learnerRuns(m_state.paths.userFile, m_state.learner.currentUser, &notice), 5);
    if (!notice.isEmpty())
        m_state.messages.show(notice, QString(), haz::MessageIcon::Warning);
    QComboBox *box = m_tab->attempts;
    box->clear();
    for (const haz::runrecord::Run &attempt : attempts)
        box->addItem(history::attemptLabel(attempt), attempt.number);
    // The box is narrow; its list opens wide enough for whole labels.
    box->view()->setMinimumWidth(box->view()->sizeHintForColumn(0) + 24);
    m_tab->reviewButton->setEnabled(!attempts.isEmpty());
}

void ExamUnit::reviewAttempt()
{
    const int number = m_tab->attempts->currentData().toInt();
    for (const haz::runrecord::Run &run : history::learnerRuns(m_state.paths.userFile, m_state.learner.currentUser))
        if (run.isExam() && run.number == number)
            m_review.open(run, m_tab->attempts->currentText());
}

void ExamUnit::restart()
{
    LearnerProgress &progress = m_state.learner.progress;
    ListChoice choice{progress.examUseList, progress.examLastList};
    if (randomExamQuizList(m_state.content.exam, m_state.paths.iniDir, choice, m_services.random(),
                           m_state.messages, m_state.lastError)) {
        progress.examUseList = choice.use;
        progress.examLastList = choice.last;
    }
    progress.examQuizPos = 0;
    progress.examQuizCorr = 0;
    m_services.environment().keepProgress();
    m_state.exam.attempt.clear();
    if (m_tab->option->isChecked())
        optionClick();
    else
        m_tab->option->setChecked(true);
}

void ExamUnit::playScenario()
{
    const QuizQuestion *question = m_view->current();
    const std::optional<qint16> id = question ? scenarioOfQuestion(*question) : std::nullopt;
    if (!id)
        return;
    m_state.exam.noteStarted();
    m_tab->clock->reset();
    m_tab->clock->hide();
    m_services.scenarios().play(3, *id, false, [this](launch::Outcome outcome) {
        // A run left half way was thrown away; the question stays unanswered.
        if (outcome != launch::Outcome::Finished)
            return;
        if (m_view->count(true).counted) {
            m_view->showCounts();
            m_services.media().clearMediaControls();
            fill();
        }
        m_services.environment().keepProgress();
        afterLastAnswer();
    });
}

void ExamUnit::timeRanOut()
{
    auto *dialog = m_tab->window()->findChild<exam::frmExamTimeRanOut *>(QStringLiteral("frmExamTimeRanOut"));
    std::unique_ptr<exam::frmExamTimeRanOut> own;
    if (!dialog) {
        own = std::make_unique<exam::frmExamTimeRanOut>(m_tab->window());
        dialog = own.get();
    }
    if (dialog->ask() == exam::frmExamTimeRanOut::Next)
        answer();
    else
        giveUp();
}

void ExamUnit::giveUp()
{
    m_state.exam.cancelAfterTimeout();
    m_tab->clock->reset();
    m_tab->quiz->answerButton->setEnabled(false);
    m_tab->scenarioButton->setEnabled(false);
    for (QAbstractButton *box : m_view->controls().answers)
        box->setEnabled(false);
    m_tabs->setTabVisible(m_tabs->indexOf(m_tab), false);
}

bool ExamUnit::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_tab->quiz->done && event->type() == QEvent::MouseButtonRelease) {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        const Qt::KeyboardModifiers both = Qt::ShiftModifier | Qt::ControlModifier;
        if (mouse->button() == Qt::RightButton && (mouse->modifiers() & both) == both) {
            m_state.learner.progress.examQuizPos = 0;
            m_state.learner.progress.examQuizCorr = 0;
            m_state.exam.attempt.clear();
            if (m_tab->option->isChecked())
                optionClick();
            else
                m_tab->option->setChecked(true);
        }
    }
    return QObject::eventFilter(watched, event);
}

} // namespace training
