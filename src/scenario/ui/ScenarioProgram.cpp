#include "ScenarioProgram.h"

#include "AccessKeysUi.h"

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
#include <QShortcut>
#include <QAbstractButton>

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
    const QHash<QString, QString> texts = m_run.captions(windowCaptionIds());
    const auto text = [&](const char *id) { return texts.value(QString::fromLatin1(id)); };
    m_panel->setCaptions(text("cmdSvara"), text("cmdInfolank"));
    w.clockPanel()->setTitle(text("pnlSimTid"));
    w.weatherPanel()->setTitle(text("pnlVader"));
    w.exitButton()->setText(text("cmdExit"));
    w.statusLabel()->setText(text("lblScenarioStatus"));
    m_scene->setTooltips(text("MouseOverImgLeft"), text("MouseOverImgCenter"), text("MouseOverImgRight"));
    haz::giveAccessKeys(&w);
    QObject::connect(m_panel, &QuestionPanel::answerPressed, m_panel, [this] { answer(); });
    QObject::connect(m_panel, &QuestionPanel::infoPressed, m_panel, [this] { showInfoWindow(); });
    QObject::connect(w.exitButton(), &QPushButton::clicked, w.exitButton(), [this] { leave(); });
    w.onClosedByFrame = [this] { closedByFrame(); };
    w.onEnter = [this] {
        // Enter presses the focused button ("More information" opens the page); from
        // anywhere else it answers.
        auto *focused = qobject_cast<QPushButton *>(m_main->focusWidget());
        QPushButton *target = focused ? focused : m_panel->answerButton();
        if (target->isEnabled() && target->isVisible())
            target->click();
    };

    w.setWindowTitle(view.title);
    loadPicture(w.logo(), view.logo);
    loadPicture(w.temperature(), view.temp);
    loadPicture(w.wind(), view.vind);
    showQuestion(view.room);
    m_scene->showScenePicture(1);
    w.clockLabel()->setText(m_run.clockText());
    // Left and right turn the scene as the pan buttons do, wherever the focus is.
    for (const auto &keyAndButton : {std::pair{Qt::Key_Left, "imgPanLeft"}, std::pair{Qt::Key_Right, "imgPanRight"}}) {
        const char *name = keyAndButton.second;
        auto *shortcut = new QShortcut(QKeySequence(keyAndButton.first), &w);
        QObject::connect(shortcut, &QShortcut::activated, &w, [&w, name] {
            auto *pan = w.findChild<QAbstractButton *>(QString::fromLatin1(name));
            if (pan && pan->isVisible())
                pan->click();
        });
    }
    w.placeOnScreen();
    w.show();
    // The learner can answer by keyboard at once.
    w.raise();
    w.activateWindow();
    // The first question's page was shown before the main window had its place; both
    // stay on top, so the page comes up again above the main window.
    if (m_info && m_info->isVisible()) {
        placeInfoWindow();
        m_info->raise();
    }
}

frmWebinfo *ScenarioProgram::info()
{
    if (!m_info) {
        m_info = std::make_unique<frmWebinfo>();
        m_info->setWindowTitle(m_run.caption(QStringLiteral("cmdInfolank")));
        m_place.watch(m_info.get());
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
    // Tab runs through the alternatives to Answer, then to the rest of the window.
    QList<QWidget *> order = m_panel->focusOrder(room);
    for (const char *name : {"imgPanLeft", "imgPanCenter", "imgPanRight"})
        if (auto *pan = m_main->findChild<QWidget *>(QString::fromLatin1(name)))
            order << pan;
    order << m_main->exitButton();
    for (qsizetype i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order.at(i - 1), order.at(i));
    // A new question starts at its first alternative.
    if (order.first() != m_panel->answerButton())
        order.first()->setFocus();
    if (!haz::conv::trimBlanks(room.question.Infolank).isEmpty()) {
        info()->browser()->navigate(m_run.files().html(room.question.Infolank));
        showInfoWindow();
    }
}

void ScenarioProgram::showInfoWindow()
{
    frmWebinfo *window = info();
    placeInfoWindow();
    m_place.byProgram([window] { window->showWithoutWaiting(); });
}

void ScenarioProgram::placeInfoWindow()
{
    // The question column never; the scene, clock, situation report and exit button
    // neither while there is room elsewhere.
    if (m_main && m_panel && m_info)
        m_place.place(*m_main, m_panel->keepInView(),
                      {m_main->sceneFrame(), m_main->clockPanel(), m_main->statusBox(), m_main->statusLabel(),
                       m_main->exitButton()});
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

    // Only a try again in the same room keeps the learner's choice; a new room starts
    // with nothing chosen, whatever numbers its alternatives share with the last one.
    const bool sameRoom = outcome.targetRoom == m_run.state().roomId;
    const QuestionPanel::Selections selections = sameRoom ? m_panel->saveSelections() : QuestionPanel::Selections{};
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
