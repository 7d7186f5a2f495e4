#include "ProgressUnit.h"

#include "Captions.h"
#include "Conversions.h"
#include "DiplomaMemory.h"
#include "DiplomaPage.h"
#include "FailureNote.h"
#include "LearnerWindows.h"
#include "MainTabs.h"
#include "MessageService.h"
#include "Platform.h"
#include "ProgramState.h"
#include "ProgressOverviewView.h"
#include "QuizFamily.h"
#include "ScenarioLaunch.h"
#include "clsDataFile.h"
#include "frmCoursePrnt.h"

#include <QDate>
#include <QLabel>
#include <QLocale>
#include <QPushButton>

namespace training {

namespace {

const QString PageNotWrittenText = QStringLiteral(
    "The course diploma could not be written to your documents folder, so it cannot be shown "
    "or printed. Please check that the folder exists and that you may write to it:");

void setCount(QWidget *root, const QString &name, qint32 value)
{
    if (auto *label = root->findChild<QLabel *>(name))
        label->setText(QString::number(value));
}

// The window title from a button's caption: no mnemonic marker, no trailing dots.
QString titleFromCaption(QString caption)
{
    caption.remove(u'&');
    while (caption.endsWith(u'.') || caption.endsWith(u'\u2026'))
        caption.chop(1);
    return caption.trimmed();
}

} // namespace

ProgressUnit::ProgressUnit(ProgressTab *tab, QWidget *window, ProgramState &state) : m_tab(tab), m_state(state)
{
    QObject::connect(tab->exitButton, &QPushButton::clicked, window, &QWidget::close);
    QObject::connect(tab->showDiploma, &QPushButton::clicked, tab, [this] { showDiploma(); });
}

QWidget *ProgressUnit::page() const
{
    return m_tab;
}

void ProgressUnit::prepare()
{
    // The lower frames are shortened from their current size: a second layout
    // would shorten them again.
    if (m_laidOut)
        return;
    m_laidOut = true;
    layoutProgressTab(m_tab, m_state.paths.iniDir);
}

void ProgressUnit::signedIn()
{
    refresh();
}

void ProgressUnit::enter()
{
    refresh();
}

void ProgressUnit::setDiplomaWindows(frmPersData *persData, frmCoursePrnt *coursePrnt)
{
    m_persData = persData;
    m_coursePrnt = coursePrnt;
}

void ProgressUnit::refresh()
{
    const QString &learner = m_state.learner.currentUser;
    if (learner.isEmpty())
        return;
    const CourseContent &content = m_state.content;
    const LearnerProgress &progress = m_state.learner.progress;
    for (const QuizMember &member : quizMembers()) {
        const SubjectProgress &subject = progress.subjects[member.index];
        setCount(m_tab, member.progressLabel(QStringLiteral("Tot")), content.subjectQuizzes[member.index].count);
        setCount(m_tab, member.progressLabel(QStringLiteral("Done")), subject.quizPos);
        setCount(m_tab, member.progressLabel(QStringLiteral("Corr")), subject.quizCorr);
    }
    setCount(m_tab, QStringLiteral("curLblQuizExcerTot"), content.exercise.count);
    setCount(m_tab, QStringLiteral("curLblQuizExcerDone"), progress.excerQuizPos);
    setCount(m_tab, QStringLiteral("curLblQuizExcerCorr"), progress.excerQuizCorr);
    setCount(m_tab, QStringLiteral("curLblExamTot"), content.exam.count);
    setCount(m_tab, QStringLiteral("curLblExamDone"), progress.examQuizPos);
    setCount(m_tab, QStringLiteral("curLblExamCorr"), progress.examQuizCorr);

    // At sign-in the learner's post is the one the sign-in read.
    const std::optional<LearnerRecord> &record = m_state.learner.signInRecord;
    const std::optional<LearnerScenarioLists> lists =
        record ? std::optional(scenarioListsOf(*record)) : readLearnerScenarioLists(m_state.paths.userFile, learner);
    const auto table = m_state.content.tables.table(launch::scenarioTablePath(m_state.paths.iniDir));
    showScenarioBars(m_tab, scenarioBars(lists, scenarioTableOf(*table), progress.excerQuizPos));
}

void ProgressUnit::showDiploma()
{
    if (!m_persData || !m_coursePrnt)
        return;
    // Whichever button closes the dialog, the diploma follows with the last name given.
    DiplomaMemory memory;
    m_persData->offer(m_state.learner.currentUser, memory.organisation());
    if (m_persData->exec() == QDialog::Accepted && !memory.rememberOrganisation(m_persData->PersOrg()))
        m_state.lastError.record(QStringLiteral("The organisation could not be kept in ") + memory.file(),
                                 haz::ErrPathFileAccess);

    DiplomaData data;
    data.name = m_persData->PersName();
    data.organisation = m_persData->PersOrg();
    data.userName = m_state.learner.currentUser;
    collectDiplomaCounts(m_tab, data);
    data.examTotal = m_state.content.exam.count;
    data.today = QDate::currentDate();
    data.imagesDir = m_state.paths.imagesDir;

    m_coursePrnt->setWindowTitle(titleFromCaption(m_tab->showDiploma->text()));
    const DiplomaOutcome outcome =
        m_coursePrnt->showCourseDok(m_state.paths.htmlDir, diplomaValues(data, QLocale::system()));
    if (outcome == DiplomaOutcome::NotWritten) {
        QString text = PageNotWrittenText;
        if (m_state.content.captions)
            haz::runNoted(m_state.lastError, [&] {
                if (const auto post = haz::findCaption(*m_state.content.captions, QStringLiteral("diplomaNotWritten")))
                    text = haz::conv::expandLineBreaks(post->text);
            });
        m_state.messages.show(text + QStringLiteral("\n\n") + m_coursePrnt->pagePath(),
                              m_coursePrnt->windowTitle(), haz::MessageIcon::Warning);
        return;
    }
    m_coursePrnt->exec();
}

} // namespace training
