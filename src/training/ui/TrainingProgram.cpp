#include "TrainingProgram.h"

#include "AccessKeysUi.h"

#include "Captions.h"
#include "Clock.h"
#include "Conversions.h"
#include "FailureNote.h"
#include "LearnerWindows.h"
#include "MessageService.h"
#include "Platform.h"
#include "ProgramState.h"
#include "ProgressFile.h"
#include "RuntimeError.h"
#include "CaptionTable.h"
#include "SignIn.h"
#include "TabPlan.h"
#include "StorageCheck.h"
#include "basCaptions.h"
#include "basMain.h"
#include "basMainUi.h"
#include "clsDataFile.h"
#include "TabServices.h"
#include "ProgressUnit.h"
#include "TabUnit.h"
#include "frmCoursePrnt.h"
#include "frmExamTimeRanOut.h"
#include "frmMain.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QRadioButton>
#include <QScopeGuard>
#include <QTabWidget>

#include <optional>

namespace training {

namespace {

const QString FileReplacedText = QStringLiteral(
    "The learners' progress file could not be used, so a new, empty one was started. "
    "The old file was kept as:");

const QString NoProgressNameText = QStringLiteral(
    "The course cannot start: the name of the learners' progress file (the text \"iniMyDoc\") is missing from "
    "%1 or cannot be read. Nothing was changed; please ask whoever installed the course to repair the file.");

void showFailure(haz::MessageService &messages, const haz::RuntimeError &e, const QString &routine)
{
    messages.show(e.messageText(), routine, haz::MessageIcon::Critical);
}

// A text for a control the caption table may name; nothing and no message when it
// does not (the control keeps its built-in text). A damaged table is only noted.
std::optional<QString> optionalCaption(const haz::clsDataFile &captions, const QString &id, haz::LastError &failures)
{
    std::optional<QString> text;
    haz::runNoted(failures, [&] {
        if (const auto post = haz::findCaption(captions, id))
            text = haz::conv::expandLineBreaks(post->text);
    });
    return text;
}

} // namespace

TrainingProgram::TrainingProgram(ProgramState &state, std::function<void(int)> exitProgram)
    : m_state(state), m_exitProgram(std::move(exitProgram))
{
}

TrainingProgram::~TrainingProgram() = default;

TrainingProgram::StartResult TrainingProgram::Main()
{
    haz::MessageService &messages = m_state.messages;
    try {
        if (!getProgramData()) {
            messages.show(QStringLiteral("Fail"));
            return StartResult::Failed;
        }
        if (const QStringList problems = basMain::loadContentLists(m_state); !problems.isEmpty())
            messages.show(basMain::listProblemsText(problems), QString(), haz::MessageIcon::Warning);
        if (!haz::platform::checkDocumentsFolder(messages, QStringLiteral("Main")))
            return StartResult::Failed;
        if (!basMain::createShellObject(messages) || !basMain::createFileSystemObject(messages))
            return StartResult::Failed;
        const QString documents = haz::platform::documentsFolder();

        const auto captions = basMain::readCaptionTable(m_state.paths.iniDir);
        if (captions) {
            m_state.paths.userFileStem = basMain::captionText(*captions, QStringLiteral("iniMyDoc"), messages,
                                                        m_state.lastError);
        } else {
            messages.show(QStringLiteral("Couldn't find file : ")
                              + haz::platform::joinPath(m_state.paths.installDir, QStringLiteral("ini/captions.ini")),
                          QString(), haz::MessageIcon::Warning);
            m_state.paths.userFileStem.clear();
        }
        // Without its name the progress file would be another one, "en.ini": the
        // learners would vanish and their progress split across two files.
        if (haz::conv::trimBlanks(m_state.paths.userFileStem).isEmpty()) {
            messages.show(NoProgressNameText.arg(QDir::toNativeSeparators(
                              haz::platform::joinPath(m_state.paths.iniDir, QStringLiteral("captions.ini")))),
                          QString(), haz::MessageIcon::Critical);
            return StartResult::Failed;
        }
        m_state.paths.userFile = progress::progressFilePath(documents, m_state.paths.langCode, m_state.paths.userFileStem);
        if (!haz::platform::checkProgressFile(m_state.paths.userFile, messages, QStringLiteral("Main")))
            return StartResult::Failed;
        progress::createIfMissing(haz::platform::joinPath(m_state.paths.installDir, QStringLiteral("user.ini")),
                                  m_state.paths.userFile);

        m_main->forEachUnit(&TabUnit::prepare);
        const progress::OpenResult opened = m_userChoose->loadData();
        m_userChoose->show();
        if (opened.replaced)
            messages.show(optionalText(QStringLiteral("userFileReplaced"), FileReplacedText)
                              + QStringLiteral("\n\n") + opened.backupPath,
                          m_userChoose->windowTitle(), haz::MessageIcon::Warning);
        return StartResult::Started;
    } catch (const haz::RuntimeError &e) {
        showFailure(messages, e, QStringLiteral("Main"));
        return StartResult::Failed;
    }
}

bool TrainingProgram::getProgramData()
{
    try {
        if (!basMain::createFileSystemObject(m_state.messages))
            return false;
        m_state.paths.installDir = haz::platform::installationFolder();
        m_state.paths.langCode = basMain::readLangCode(m_state.paths.installDir);
        if (m_state.paths.langCode.isEmpty())
            return false;
        basMain::setInstallationPaths(m_state);
        m_state.content.captions = basMain::readCaptionTable(m_state.paths.iniDir);
        createWindows();
        if (m_state.content.captions)
            applyCaptions(*m_state.content.captions);

        for (QuestionSet *set : {&m_state.content.exercise, &m_state.content.exam})
            set->files = basMain::listFolderFiles(haz::platform::joinPath(m_state.paths.iniDir, set->folder));

        m_main->applyTabSettings();
        m_main->disableHiddenTabs();
        return true;
    } catch (const haz::RuntimeError &e) {
        showFailure(m_state.messages, e, QStringLiteral("getProgramData"));
        return false;
    }
}

void TrainingProgram::createWindows()
{
    if (m_main)
        return;
    m_main = std::make_unique<frmMain>(m_state);
    m_main->onUnload = [this] { unloadMain(); };
    m_userChoose = std::make_unique<frmUserChoose>(m_state);
    m_userChoose->onOk = [this](const QString &typed) { signIn(typed); };
    m_userChoose->onExit = [this] { exitFromUserDialog(); };
    m_userChoose->onClosedByFrame = [this] { exitFromUserDialog(); };
    m_persData = std::make_unique<frmPersData>();
    m_exitSave = std::make_unique<frmExitSave>();
    // Owned by the main window's exam tab, which finds it there by name.
    m_timeRanOut = std::make_unique<exam::frmExamTimeRanOut>(m_main.get());
    m_coursePrnt = std::make_unique<frmCoursePrnt>();
    if (auto *progressUnit = dynamic_cast<ProgressUnit *>(&m_main->unit(TabProgress)))
        progressUnit->setDiplomaWindows(m_persData.get(), m_coursePrnt.get());
}

void TrainingProgram::applyCaptions(const haz::clsDataFile &captions)
{
    haz::MessageService &messages = m_state.messages;
    haz::LastError &lastError = m_state.lastError;
    const auto text = [&](const QString &id) { return basMain::captionText(captions, id, messages, lastError); };
    frmMain *main = m_main.get();
    const QList<QWidget *> windows{main, m_userChoose.get(), m_persData.get(), m_exitSave.get(),
                                   m_timeRanOut.get(), m_coursePrnt.get()};
    const ControlLookup find = [&windows](const QString &window, const QString &control) -> QObject * {
        for (QWidget *w : windows)
            if (w->objectName() == window)
                return w->objectName() == control ? w : w->findChild<QObject *>(control);
        return nullptr;
    };
    const auto keptText = [this](const QString &id) { return m_state.text(id); };

    // The exam clock's words.
    if (QWidget *clock = main->examTab()->clock) {
        clock->setProperty("Text", text(QStringLiteral("ExamQuizClockText")));
        clock->setProperty("UnitName", text(QStringLiteral("ExamQuizClockUnit")));
    }
    m_state.content.iconName = QStringLiteral("ICON_") + text(QStringLiteral("icon"));
    applyTabCaptions(captions);
    for (const QString &id : basMain::keptTextIds())
        m_state.content.texts.insert(id, text(id));
    applyCountWords();
    applyCaptionRows(captionRows(), captions, find, keptText, messages, lastError);
    // The diploma's print button reads like the fact pages' print buttons.
    if (const auto *print = main->findChild<QAbstractButton *>(QStringLiteral("FactCmdPrint(3)")))
        m_coursePrnt->setPrintCaption(print->text(), print->toolTip());

    const QString title = main->windowTitle();
    for (QWidget *window : {static_cast<QWidget *>(m_userChoose.get()), static_cast<QWidget *>(m_persData.get()),
                            static_cast<QWidget *>(m_coursePrnt.get())})
        window->setWindowTitle(title);
    // Their own titles, where an installation gives them.
    applyCaptionRows({{QStringLiteral("frmPersData"), QStringLiteral("frmPersData"), QStringLiteral("frmPersData"),
                       CaptionRule::Optional, {}},
                      {QStringLiteral("frmCoursePrnt"), QStringLiteral("frmCoursePrnt"),
                       QStringLiteral("frmCoursePrnt"), CaptionRule::Optional, {}}},
                     captions, find, keptText, messages, lastError);
    m_timeRanOut->setWindowTitle(main->tabMain()->tabText(TabExam).remove(u'&'));

    for (QWidget *window : windows.mid(1))
        basMain::setWindowIcon(window, m_state.content.iconName, false);
    for (QWidget *window : windows)
        haz::giveAccessKeys(window);
}

void TrainingProgram::applyTabCaptions(const haz::clsDataFile &captions)
{
    // Tab captions; the subject tabs' also head their rows on the progress tab.
    QTabWidget *tabs = m_main->tabMain();
    for (int tab = 0; tab < tabs->count(); ++tab) {
        const QString id = tabPlanRow(tab).captionKey;
        try {
            const auto post = haz::findCaption(captions, id);
            if (!post) {
                m_state.messages.show(haz::captionNotFoundText(id));
                tabs->setTabText(tab, QString());
                continue;
            }
            tabs->setTabText(tab, haz::conv::expandLineBreaks(post->text));
            if (!post->tooltip.isEmpty())
                tabs->setTabToolTip(tab, haz::conv::expandLineBreaks(post->tooltip));
        } catch (const haz::RuntimeError &e) {
            haz::noteFailure(m_state.lastError, e);
        }
    }
    const auto tabText = [&](int tab) { return tabs->tabText(tab).remove(u'&'); };
    for (int subject = 0; subject < SubjectCount; ++subject) {
        const SubjectNames &names = subjectNames(subject);
        for (const QString &row : {QStringLiteral("curLblQuiz"), QStringLiteral("curLblTab")})
            if (auto *label = m_main->findChild<QLabel *>(row + names.progressRow))
                label->setText(tabText(names.tab));
    }
    for (const auto &[name, tab] : {std::pair{QStringLiteral("curLblTabTak"), int(TabTak)},
                                    std::pair{QStringLiteral("curLblTabRef"), int(TabRef)},
                                    std::pair{QStringLiteral("frmCurExercisesExcerTitle"), int(TabExcer)},
                                    std::pair{QStringLiteral("frmCurExamTitle"), int(TabExam)}})
        if (auto *label = m_main->findChild<QLabel *>(name))
            label->setText(tabText(tab));
}

void TrainingProgram::applyCountWords()
{
    // The quiz count labels start with their words alone; the progress tab's column
    // heads take the same words without their colon.
    const std::array<std::pair<QString, QString>, 3> words{{{QStringLiteral("Tot"), QStringLiteral("totAnswers")},
                                                            {QStringLiteral("Done"), QStringLiteral("excerCompleted")},
                                                            {QStringLiteral("Corr"), QStringLiteral("corrAnswers")}}};
    for (QLabel *label : m_main->findChildren<QLabel *>()) {
        const QString name = label->objectName();
        for (const auto &[role, id] : words) {
            if (name.contains(QLatin1String("QuizLbl")) && name.endsWith(QStringLiteral("QuizLbl") + role)) {
                label->setText(m_state.text(id));
            } else if (name == QStringLiteral("curLblHead") + role) {
                QString word = m_state.text(id).trimmed();
                if (word.endsWith(u':'))
                    word.chop(1);
                label->setText(word);
            }
        }
    }
}

QString TrainingProgram::optionalText(const QString &id, const QString &fallback) const
{
    if (!m_state.content.captions)
        return fallback;
    return optionalCaption(*m_state.content.captions, id, m_state.lastError).value_or(fallback);
}

void TrainingProgram::signIn(const QString &typed)
{
    const SignInResult result = signInLearner(typed, m_state.paths.userFile, m_state.lastError);
    if (result.notice != SignInNotice::None)
        m_state.messages.show(optionalText(signInNoticeCaptionId(result.notice), signInNoticeText(result.notice)),
                              m_userChoose->windowTitle(), haz::MessageIcon::Warning);
    if (!result.signedIn)
        return;
    const QString &name = result.name;
    m_state.learner.isNewUser = result.isNew;
    m_state.learner.currentUser = name;
    m_state.learner.signedIn = result.session;
    m_state.learner.toldNotKept =
        result.notice == SignInNotice::NotAdded || result.notice == SignInNotice::NotWritable;
    // Everything the sign-in shows comes from the one reading the sign-in made.
    m_state.learner.signInRecord = result.record;
    {
        const auto forget = qScopeGuard([this] { m_state.learner.signInRecord.reset(); });
        m_userChoose->closeSignedIn();
        getUserData();
        m_main->loadData();
        m_main->forEachUnit(&TabUnit::signedIn);
    }
    m_main->show();
}

void TrainingProgram::getUserData()
{
    try {
        const std::optional<LearnerRecord> &record = m_state.learner.signInRecord;
        if (!record)
            return;
        progress::readLearnerProgress(*record, m_state.learner.progress);
        const LearnerProgress &progress = m_state.learner.progress;
        const int tab = m_state.learner.isNewUser ? 0 : progress.selTab;
        m_main->selectTab(tab);
        // The stored tab's own view comes back: facts or quiz.
        if (m_main->selectedTab() >= TabIde && m_main->selectedTab() <= TabNBC)
            m_main->setSubjectOption(m_main->selectedTab() - 1, progress.quizOrFact ? 0 : 1);
        loadExerciseList(m_state.content.exercise, m_state.paths.iniDir, m_state.learner.progress.excerUseList,
                         m_state.lastError);
        loadExamList(m_state.content.exam, m_state.paths.iniDir, m_state.learner.progress.examUseList,
                     m_state.lastError);
        m_main->exerciseTab()->option->setChecked(true);
        m_main->examTab()->option->setChecked(true);
    } catch (const haz::RuntimeError &e) {
        showFailure(m_state.messages, e, QStringLiteral("getUserData"));
    }
}

void TrainingProgram::saveUserData()
{
    if (m_state.learner.currentUser.isEmpty())
        return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    try {
        progress::saveLearnerProgress(m_state.paths.userFile, m_state.learner.currentUser, m_state.learner.progress,
                                      m_main->selectedTab(), m_state.messages,
                                      [this] { m_exitSave->advanceSaveProgress(); });
    } catch (const haz::RuntimeError &e) {
        // A locked or read-only file: said once, the rest is not tried.
        showFailure(m_state.messages, e, QStringLiteral("saveUserData"));
    }
    QApplication::restoreOverrideCursor();
}

void TrainingProgram::exitFromUserDialog()
{
    if (m_ended)
        return;
    m_userChoose->closeSignedIn();
    m_main->close();
    if (!m_ended)
        unloadMain();
}

void TrainingProgram::unloadMain()
{
    if (m_ended)
        return;
    m_ended = true;
    m_exitSave->begin();
    m_exitSave->show();
    QCoreApplication::processEvents();

    // A unit's failure is told under its own step's name; the save and the end of
    // the program must still follow.
    for (int tab = 0; tab < TabCount; ++tab) {
        TabUnit &unit = m_main->unit(tab);
        try {
            unit.closing();
        } catch (const haz::RuntimeError &e) {
            showFailure(m_state.messages, e, QString::fromLatin1(unit.closingStepName()));
        }
    }
    saveUserData();

    m_userChoose->closeSignedIn();
    m_main->services().unloadInfoWindow();
    m_coursePrnt->close(); // unloading removes the diploma page
    m_timeRanOut->hide();
    m_persData->hide();
    m_main->hide();
    m_main->clearMedia();
    m_exitSave->hide();
    if (m_exitProgram)
        m_exitProgram(0);
}

} // namespace training
