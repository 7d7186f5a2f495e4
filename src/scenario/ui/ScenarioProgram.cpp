#include "ScenarioProgram.h"

#include "Conversions.h"
#include "DebriefPage.h"
#include "DebriefWindow.h"
#include "GenericSubs.h"
#include "MessageService.h"
#include "PageView.h"
#include "PictureBox.h"
#include "QuestionPanel.h"
#include "RuntimeError.h"
#include "SceneArea.h"
#include "frmMain.h"
#include "frmWebinfo.h"

#include <QFile>
#include <QIcon>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QGroupBox>

namespace scenario {

QString errorReportText(const haz::RuntimeError &error)
{
    return QStringLiteral("Error description: ") + error.description() + QStringLiteral("\r\nError number: ")
           + QString::number(error.number());
}

ScenarioProgram::ScenarioProgram(QString argumentString, haz::MessageService &messages,
                                 std::function<void(int)> exitProgram, QString installFolder)
    : m_run(std::move(argumentString), std::move(installFolder)),
      m_messages(messages),
      m_exitProgram(std::move(exitProgram))
{
}

ScenarioProgram::~ScenarioProgram() = default;

QString ScenarioProgram::title() const
{
    const QString caption = m_run.caption(QStringLiteral("frmMain_caption"));
    return caption.isEmpty() ? QStringLiteral("Scenario") : caption;
}

void ScenarioProgram::report(const haz::RuntimeError &error)
{
    m_messages.show(errorReportText(error), title(), haz::MessageIcon::Critical);
}

ScenarioProgram::StartResult ScenarioProgram::start()
{
    if (!GenericSubs::createFileSystemObject(m_messages) || !GenericSubs::createShellObject(m_messages))
        return StartResult::Failed;
    try {
        const StartView view = m_run.start();
        buildWindow(view);
        if (!view.recordNotice.isEmpty())
            m_messages.show(view.recordNotice, title(), haz::MessageIcon::Warning);
    } catch (const haz::RuntimeError &e) {
        m_info.reset();
        m_main.reset();
        report(e);
        return StartResult::Failed;
    }
    return StartResult::Started;
}

void ScenarioProgram::loadPicture(haz::PictureBox *box, const QString &path)
{
    if (path.isEmpty()) {
        box->clearPicture();
        return;
    }
    try {
        box->loadPicture(path);
    } catch (const haz::RuntimeError &e) {
        // A decoration that will not load leaves its box empty.
        m_run.state().lastError.record(e);
    }
}

void ScenarioProgram::buildWindow(const StartView &view)
{
    m_main = std::make_unique<frmMain>();
    frmMain &w = *m_main;
    const QString icon = QStringLiteral(":/scenario-icons/%1.png").arg(m_run.state().iconName);
    if (QFile::exists(icon))
        w.setWindowIcon(QIcon(icon));
    m_panel = new QuestionPanel(w.scrollingPane(), m_run.state().lastError);
    m_scene = new SceneArea(w.sceneFrame(), m_run);
    const QHash<QString, QString> texts = m_run.captions(
        {"cmdSvara", "cmdInfolank", "pnlSimTid", "pnlVader", "cmdExit", "lblScenarioStatus", "MouseOverImgLeft",
         "MouseOverImgCenter", "MouseOverImgRight"});
    const auto text = [&](const char *id) { return texts.value(QString::fromLatin1(id)); };
    m_panel->setCaptions(text("cmdSvara"), text("cmdInfolank"));
    w.clockPanel()->setTitle(text("pnlSimTid"));
    w.weatherPanel()->setTitle(text("pnlVader"));
    w.exitButton()->setText(text("cmdExit"));
    w.statusLabel()->setText(text("lblScenarioStatus"));
    m_scene->setTooltips(text("MouseOverImgLeft"), text("MouseOverImgCenter"), text("MouseOverImgRight"));
    QObject::connect(m_panel, &QuestionPanel::answerPressed, m_panel, [this] { answer(); });
    QObject::connect(m_panel, &QuestionPanel::infoPressed, m_panel, [this] { info()->showWithoutWaiting(m_main.get()); });
    QObject::connect(w.exitButton(), &QPushButton::clicked, w.exitButton(), [this] { leave(); });
    w.onClosedByFrame = [this] { closedByFrame(); };
    w.onEnter = [this] {
        if (m_panel->answerButton()->isEnabled() && m_panel->answerButton()->isVisible())
            m_panel->answerButton()->click();
    };

    w.setWindowTitle(view.title);
    loadPicture(w.logo(), view.logo);
    loadPicture(w.temperature(), view.temp);
    loadPicture(w.wind(), view.vind);
    showQuestion(view.room);
    m_scene->showScenePicture(1);
    w.clockLabel()->setText(m_run.clockText());
    w.placeOnScreen();
    w.show();
    // The first question's page was shown before the main window had its place.
    if (m_info && m_info->isVisible())
        m_info->placeBeside(w);
}

frmWebinfo *ScenarioProgram::info()
{
    if (!m_info) {
        m_info = std::make_unique<frmWebinfo>();
        m_info->setWindowTitle(m_run.caption(QStringLiteral("cmdInfolank")));
        if (m_main)
            m_info->setWindowIcon(m_main->windowIcon());
    }
    return m_info.get();
}

void ScenarioProgram::showQuestion(const RoomView &room)
{
    m_room = room;
    m_main->setStatusText(haz::conv::expandLineBreaks(room.question.Status));
    m_panel->showQuestion(room, m_run.files());
    if (!haz::conv::trimBlanks(room.question.Infolank).isEmpty()) {
        info()->browser()->navigate(m_run.files().html(room.question.Infolank));
        info()->showWithoutWaiting(m_main.get());
    }
}

void ScenarioProgram::answer()
{
    if (m_ended || !m_main)
        return;
    AnswerOutcome outcome;
    const RoomView answered = m_room;
    const QString answerString = m_panel->answerString(m_room);
    const qint16 scoreBefore = m_run.state().score;
    try {
        outcome = m_run.judge(answerString);
        if (outcome.kind == AnswerOutcome::Kind::Finish) {
            // Recorded before the learner is told it is saved.
            m_run.finish();
            recordAnswer(answered, answerString, outcome, scoreBefore);
            showDebrief(outcome.message);
            return;
        }
    } catch (const haz::RuntimeError &e) {
        report(e);
        return;
    }
    if (outcome.kind == AnswerOutcome::Kind::StayInRoom)
        m_messages.show(outcome.message, title(), haz::MessageIcon::Information);

    const QuestionPanel::Selections selections = m_panel->saveSelections();
    try {
        const RoomView next = m_run.moveTo(outcome.targetRoom);
        m_scene->showScenePicture(1);
        if (m_info)
            m_info->hide();
        m_panel->unloadAlternatives();
        showQuestion(next);
        m_panel->restoreSelections(selections);
        m_main->clockLabel()->setText(m_run.clockText());
        m_run.save();
    } catch (const haz::RuntimeError &e) {
        report(e);
        return;
    }
    recordAnswer(answered, answerString, outcome, scoreBefore);
}

void ScenarioProgram::recordAnswer(const RoomView &answered, const QString &answerString,
                                   const AnswerOutcome &outcome, qint16 scoreBefore)
{
    const QString notice = m_run.record(answered, answerString, outcome, scoreBefore);
    if (!notice.isEmpty())
        m_messages.show(notice, title(), haz::MessageIcon::Warning);
}

void ScenarioProgram::showDebrief(const QString &heading)
{
    if (m_info)
        m_info->hide();
    if (m_main)
        m_main->hide();
    m_debrief = std::make_unique<haz::DebriefWindow>(m_messages);
    m_debrief->setWindowTitle(title() + QStringLiteral(" - Debrief"));
    if (m_main)
        m_debrief->setWindowIcon(m_main->windowIcon());
    m_debrief->setWindowFlag(Qt::WindowStaysOnTopHint);
    m_debrief->showPage(haz::conv::expandLineBreaks(heading), haz::debrief::page(m_run.recordedRun()));
    QObject::connect(m_debrief.get(), &QDialog::finished, m_debrief.get(), [this] { end(0); });
    m_debrief->show();
}

void ScenarioProgram::leave()
{
    if (m_ended)
        return;
    if (const auto question = m_run.exitQuestion()) {
        if (m_messages.show(*question, title(), haz::MessageIcon::Question, haz::MessageButtons::YesNo)
            != haz::MessageAnswer::Yes)
            return;
    }
    m_scene->hideScene();
    end(0);
}

void ScenarioProgram::closedByFrame()
{
    // Nothing is saved here: the file holds the state of the last answer.
    end(0);
}

void ScenarioProgram::end(int code)
{
    if (m_ended)
        return;
    m_ended = true;
    if (m_info)
        m_info->hide();
    if (m_main && m_main->isVisible())
        m_main->closeByProgram();
    m_exitProgram(code);
}

} // namespace scenario
