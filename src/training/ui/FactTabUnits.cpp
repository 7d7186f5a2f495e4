#include "FactTabUnits.h"

#include "MainTabs.h"
#include "MessageService.h"
#include "PageView.h"
#include "Platform.h"
#include "ProgramState.h"
#include "ProgressFile.h"
#include "RunHistory.h"
#include "TabServices.h"
#include "ScenarioLaunch.h"
#include "basCaptions.h"
#include "basMainUi.h"
#include "clsDataFile.h"
#include "frmScenarioStarted.h"

#include <QListWidget>
#include <QPushButton>
#include <QStyle>
#include <QTreeWidget>

namespace training {

namespace {

std::unique_ptr<FactController> factView(QWidget *root, const QString &prefix, TabServices &services)
{
    return std::make_unique<FactController>(root, *factMember(prefix), factData(services.state(), prefix),
                                            services.environment(), services.media());
}

} // namespace

IntroUnit::IntroUnit(IntroTab *tab, TabServices &services) : m_tab(tab), m_state(services.state()) {}

QWidget *IntroUnit::page() const
{
    return m_tab;
}

void IntroUnit::load()
{
    m_tab->infoWeb->navigate(haz::platform::joinPath(m_state.paths.htmlDir, QStringLiteral("info.htm")));
}

TacticsUnit::TacticsUnit(TacticsTab *tab, QWidget *root, TabServices &services)
    : m_tab(tab), m_services(services), m_state(services.state()),
      m_facts(factView(root, QStringLiteral("tak"), services)), m_review(tab, services.state().messages)
{
    QObject::connect(tab->scenarioList, &QTreeWidget::itemDoubleClicked, tab, [this] { startScenario(); });
    QObject::connect(tab->startButton, &QPushButton::clicked, tab, [this] { startScenario(); });
    QObject::connect(tab->reviewButton, &QPushButton::clicked, tab, [this] { reviewLatestRun(); });
}

TacticsUnit::~TacticsUnit() = default;

QWidget *TacticsUnit::page() const
{
    return m_tab;
}

void TacticsUnit::load()
{
    // The tactics list always opens on its first page.
    if (basMain::fillListBox(m_tab->factList, m_state.content.takFacts.list, m_state.lastError))
        m_tab->factList->setCurrentRow(0);
    fillScenarioList();
}

void TacticsUnit::enter()
{
    if (basMain::chosenRow(m_tab->factList) >= 0)
        m_facts->factSelected();
}

void TacticsUnit::resized()
{
    // While a scenario plays the list is filled anew when it ends. Nothing on disk
    // changes the list but a run, so a resize shows again what was read last.
    if (m_services.scenarios().isRunning())
        return;
    showScenarioList();
}

namespace {
constexpr int ScenarioIdRole = Qt::UserRole;
constexpr int ScenarioKeyRole = Qt::UserRole + 1;
constexpr int ScenarioNameRole = Qt::UserRole + 2;
} // namespace

void TacticsUnit::fillScenarioList()
{
    const auto table = m_state.content.tables.table(launch::scenarioTablePath(m_state.paths.iniDir));
    // At sign-in the learner's post is the one the sign-in read; without a table
    // the progress file is not needed.
    std::optional<LearnerRecord> learner = m_state.learner.signInRecord;
    if (!learner && table->readOk())
        learner = progress::readLearnerRecord(m_state.paths.userFile, m_state.learner.currentUser);
    m_scenarios = launch::scenarioListOf(*table, learner);
    QString notice;
    m_runs = history::learnerRuns(m_state.paths.userFile, m_state.learner.currentUser, &notice);
    if (!notice.isEmpty())
        m_state.messages.show(notice, QString(), haz::MessageIcon::Warning);
    showScenarioList();
}

void TacticsUnit::showScenarioList()
{
    // Cleared first: a table that can no longer be read leaves no stale scenarios to start.
    QTreeWidget *list = m_tab->scenarioList;
    list->clear();
    const auto &items = m_scenarios;
    if (!items)
        return;
    const QIcon inProgress = list->style()->standardIcon(QStyle::SP_MediaPause);
    const QIcon finished = list->style()->standardIcon(QStyle::SP_DialogApplyButton);
    for (const launch::ScenarioItem &item : *items) {
        const haz::runrecord::ScenarioFigures figures = haz::runrecord::figures(m_runs, item.id);
        auto *row = new QTreeWidgetItem(list, {item.name});
        if (figures.finished > 0) {
            row->setText(1, QString::number(figures.finished));
            row->setText(2, QString::number(figures.best));
            row->setText(3, QString::number(figures.latest));
            for (int column = 1; column < 4; ++column)
                row->setToolTip(column, history::figuresText(figures));
        } else if (item.latestScore) {
            // Finished before runs were recorded: the progress file still knows the latest.
            row->setText(3, *item.latestScore);
        }
        // The list is narrow: the full title is always at hand.
        row->setToolTip(0, item.name);
        if (figures.finished > 0 || item.latestScore)
            row->setIcon(0, finished);
        row->setData(0, ScenarioIdRole, int(item.id));
        row->setData(0, ScenarioKeyRole, item.key);
        row->setData(0, ScenarioNameRole, item.name);
        if (item.inProgress) {
            row->setIcon(0, inProgress);
            list->setCurrentItem(row);
        }
    }
}

void TacticsUnit::startScenario()
{
    QTreeWidgetItem *chosen = m_tab->scenarioList->currentItem();
    if (!chosen || !chosen->isSelected() || chosen->data(0, ScenarioKeyRole).toString().isEmpty()
        || m_services.scenarios().isRunning())
        return;
    const auto id = qint16(chosen->data(0, ScenarioIdRole).toInt());
    if (!mayEndUnfinishedRun(id, chosen->data(0, ScenarioNameRole).toString()))
        return;
    bool continueRun = false;
    if (launch::tacticsRunInProgress(m_state.paths.userFile, m_state.learner.currentUser, id)) {
        const auto caption = [this](const QString &key) {
            return m_state.content.captions
                       ? basMain::captionText(*m_state.content.captions, key, m_state.messages, m_state.lastError)
                       : QString();
        };
        frmScenarioStarted dialog(m_tab->window());
        dialog.setTexts(QStringLiteral("Training - ") + chosen->data(0, ScenarioNameRole).toString(), caption(QStringLiteral("ScenarioStarted")),
                        caption(QStringLiteral("ScenarioStartedCmd")));
        const qint16 answer = dialog.ask();
        // Closing the question is no answer: the interrupted run is kept for later.
        if (answer == frmScenarioStarted::NoAnswer)
            return;
        continueRun = answer == frmScenarioStarted::Continue;
    }
    m_services.scenarios().play(1, id, continueRun, [this](launch::Outcome) { fillScenarioList(); });
}

bool TacticsUnit::mayEndUnfinishedRun(qint16 id, const QString &name)
{
    const auto stored = launch::readRunFields(m_state.paths.userFile, m_state.learner.currentUser, 1);
    if (!stored || stored->scenario == QStringLiteral("-1") || stored->scenario == QString::number(id))
        return true;
    QString unfinished = stored->scenario;
    QTreeWidget *list = m_tab->scenarioList;
    for (int i = 0; i < list->topLevelItemCount(); ++i)
        if (QString::number(list->topLevelItem(i)->data(0, ScenarioIdRole).toInt()) == stored->scenario)
            unfinished = list->topLevelItem(i)->data(0, ScenarioNameRole).toString();
    // Starting another scenario throws the unfinished run away, so the learner decides.
    return m_state.messages.show(launch::unfinishedRunQuestion(unfinished, name), QStringLiteral("Training - ") + name,
                                 haz::MessageIcon::Question, haz::MessageButtons::YesNo)
           == haz::MessageAnswer::Yes;
}

void TacticsUnit::reviewLatestRun()
{
    QTreeWidgetItem *chosen = m_tab->scenarioList->currentItem();
    if (!chosen || m_services.scenarios().isRunning())
        return;
    const auto id = qint16(chosen->data(0, ScenarioIdRole).toInt());
    QString notice;
    const auto latest = history::latestFinishedRun(
        history::learnerRuns(m_state.paths.userFile, m_state.learner.currentUser, &notice), id);
    if (!notice.isEmpty())
        m_state.messages.show(notice, QString(), haz::MessageIcon::Warning);
    if (!latest) {
        m_state.messages.show(QStringLiteral("You have not finished this scenario yet, so there is no run to review."),
                              QStringLiteral("Training - ") + chosen->text(0), haz::MessageIcon::Information);
        return;
    }
    m_review.open(*latest, QStringLiteral("Training - ") + chosen->text(0) + QStringLiteral(" - Debrief"));
}

ReferenceUnit::ReferenceUnit(ReferenceTab *tab, QWidget *root, TabServices &services)
    : m_tab(tab), m_state(services.state()), m_facts(factView(root, QStringLiteral("ref"), services))
{
}

ReferenceUnit::~ReferenceUnit() = default;

QWidget *ReferenceUnit::page() const
{
    return m_tab;
}

void ReferenceUnit::load()
{
    if (basMain::fillListBox(m_tab->factList, m_state.content.refFacts.list, m_state.lastError))
        basMain::selectSavedPosition(m_tab->factList, m_state.learner.progress.refFactPos, m_state.content.refFacts.count);
}

void ReferenceUnit::enter()
{
    const int row = basMain::chosenRow(m_tab->factList);
    if (row >= 0 && row < m_state.content.refFacts.list.size() && !m_state.content.refFacts.list.at(row).page.isEmpty())
        m_facts->factSelected();
}

} // namespace training
