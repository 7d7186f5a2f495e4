#include "TrainingProgram.h"

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
#include "basCaptions.h"
#include "basMain.h"
#include "basMainUi.h"
#include "clsDataFile.h"
#include "TabServices.h"
#include "TabUnit.h"
#include "frmExamTimeRanOut.h"
#include "frmMain.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QRadioButton>
#include <QTabWidget>

#include <optional>

namespace training {

namespace {

const QString NameRefusedText = QStringLiteral(
    "A learner's name cannot hold commas, line breaks or other control characters, the words "
    "\"user=\" or \"mode=\", or letters outside the Western European alphabet. Please type another name.");
const QString FileReplacedText = QStringLiteral(
    "The learners' progress file could not be used, so a new, empty one was started. "
    "The old file was kept as:");
const QString LearnerNotAddedText = QStringLiteral(
    "Your name could not be added to the learners' progress file, so your progress "
    "will not be saved this time.");

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

QString textOf(const QObject *control)
{
    for (const char *property : {"text", "title", "windowTitle"})
        if (control->metaObject()->indexOfProperty(property) >= 0)
            return control->property(property).toString();
    return {};
}

void setTextOf(QObject *control, const QString &text)
{
    for (const char *property : {"text", "title", "windowTitle"})
        if (control->metaObject()->indexOfProperty(property) >= 0) {
            control->setProperty(property, text);
            return;
        }
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
        basMain::loadContentLists(m_state);
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
        m_state.paths.userFile = progress::progressFilePath(documents, m_state.paths.langCode, m_state.paths.userFileStem);
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
}

void TrainingProgram::applyCaptions(const haz::clsDataFile &captions)
{
    haz::MessageService &messages = m_state.messages;
    haz::LastError &lastError = m_state.lastError;
    const auto set = [&](QObject *control, const QString &id) {
        basMain::setCaption(captions, control, id, messages, lastError);
    };
    const auto text = [&](const QString &id) {
        return basMain::captionText(captions, id, messages, lastError);
    };
    const auto in = [](const QWidget *root, const QString &name) { return root->findChild<QWidget *>(name); };
    frmMain *main = m_main.get();
    const auto own = [&](const QString &id) { set(in(main, id), id); };
    // The Hazard control takes the caption; its like controls copy text and tooltip.
    const auto setFamily = [&](const QString &templateName, const QString &id, const QStringList &likes) {
        QWidget *source = in(main, templateName);
        set(source, id);
        if (!source)
            return;
        for (const QString &name : likes)
            if (QWidget *like = in(main, name)) {
                setTextOf(like, textOf(source));
                like->setToolTip(source->toolTip());
            }
    };
    const auto setOptional = [&](QWidget *control, const QString &id) {
        if (!control)
            return;
        if (const auto found = optionalCaption(captions, id, lastError))
            setTextOf(control, *found);
    };

    // The exam clock's words.
    if (QWidget *clock = main->examTab()->clock) {
        clock->setProperty("Text", text(QStringLiteral("ExamQuizClockText")));
        clock->setProperty("UnitName", text(QStringLiteral("ExamQuizClockUnit")));
    }
    m_state.content.iconName = QStringLiteral("ICON_") + text(QStringLiteral("icon"));

    for (const QString &id : {QStringLiteral("lblPersDataBen"), QStringLiteral("lblPersDataName"),
                             QStringLiteral("lblPersDataOrg"), QStringLiteral("cmdPersDataOK"),
                             QStringLiteral("cmdPersDataCancel")})
        set(in(m_persData.get(), id), id);

    set(main, QStringLiteral("frmMain"));
    set(in(m_userChoose.get(), QStringLiteral("lblProgram")), QStringLiteral("frmMain"));

    // Tab captions; the subject tabs' also head their rows on the progress tab.
    QTabWidget *tabs = main->tabMain();
    for (int tab = 0; tab < tabs->count(); ++tab) {
        const QString id = QStringLiteral("tabMain%1").arg(tab);
        try {
            const auto post = haz::findCaption(captions, id);
            if (!post) {
                messages.show(haz::captionNotFoundText(id));
                tabs->setTabText(tab, QString());
                continue;
            }
            tabs->setTabText(tab, haz::conv::expandLineBreaks(post->text));
            if (!post->tooltip.isEmpty())
                tabs->setTabToolTip(tab, haz::conv::expandLineBreaks(post->tooltip));
        } catch (const haz::RuntimeError &e) {
            haz::noteFailure(lastError, e);
        }
    }
    const auto tabText = [&](int tab) { return tabs->tabText(tab).replace(u'&', QString()); };
    for (int subject = 0; subject < SubjectCount; ++subject) {
        const SubjectNames &names = subjectNames(subject);
        if (auto *row = main->findChild<QLabel *>(QStringLiteral("curLblQuiz") + names.progressRow))
            row->setText(tabText(names.tab));
        if (auto *row = main->findChild<QLabel *>(QStringLiteral("curLblTab") + names.progressRow))
            row->setText(tabText(names.tab));
    }
    for (const auto &[name, tab] : {std::pair{QStringLiteral("curLblTabTak"), int(TabTak)},
                                    std::pair{QStringLiteral("curLblTabRef"), int(TabRef)},
                                    std::pair{QStringLiteral("frmCurExercisesExcerTitle"), int(TabExcer)},
                                    std::pair{QStringLiteral("frmCurExamTitle"), int(TabExam)}})
        if (auto *label = main->findChild<QLabel *>(name))
            label->setText(tabText(tab));

    for (const QString &id : basMain::keptTextIds())
        m_state.content.texts.insert(id, text(id));
    // The quiz count labels start with their words alone.
    const auto words = [&](const QString &role, const QString &id) {
        for (QLabel *label : main->findChildren<QLabel *>())
            if (label->objectName().endsWith(role) && label->objectName().contains(QLatin1String("QuizLbl")))
                label->setText(m_state.text(id));
    };
    words(QStringLiteral("QuizLblTot"), QStringLiteral("totAnswers"));
    words(QStringLiteral("QuizLblDone"), QStringLiteral("excerCompleted"));
    words(QStringLiteral("QuizLblCorr"), QStringLiteral("corrAnswers"));
    for (QLabel *head : main->findChildren<QLabel *>()) {
        const QString name = head->objectName();
        const QString id = name == QLatin1String("curLblHeadTot")    ? QStringLiteral("totAnswers")
                           : name == QLatin1String("curLblHeadDone") ? QStringLiteral("excerCompleted")
                           : name == QLatin1String("curLblHeadCorr") ? QStringLiteral("corrAnswers")
                                                                     : QString();
        if (!id.isEmpty()) {
            QString word = m_state.text(id).trimmed();
            if (word.endsWith(u':'))
                word.chop(1);
            head->setText(word);
        }
    }

    // The progress tab.
    for (const QString &id : {QStringLiteral("curLblMyCur"), QStringLiteral("curLblLastStudy"),
                             QStringLiteral("curLblWTab"), QStringLiteral("curLblWChap"),
                             QStringLiteral("curLblExcercises"), QStringLiteral("curBtnShowDipl"),
                             QStringLiteral("curLblTakScenarioAvg"), QStringLiteral("curLblTakScenarioExam")})
        own(id);
    set(in(main, QStringLiteral("curLblTakScenario")), QStringLiteral("curlblTakScenario"));
    setFamily(QStringLiteral("curlblTakScenarioMin"), QStringLiteral("curlblTakScenarioMin"),
              {QStringLiteral("curlblTakScenarioAvgMin"), QStringLiteral("curlblTakScenarioExamMin")});
    setFamily(QStringLiteral("curlblTakScenarioMax"), QStringLiteral("curlblTakScenarioMax"),
              {QStringLiteral("curlblTakScenarioAvgMax"), QStringLiteral("curlblTakScenarioExamMax")});
    if (QWidget *exit = in(main, QStringLiteral("curBtnExit")))
        setTextOf(exit, m_state.text(QStringLiteral("btnExit")));

    // The tabs' buttons and headings.
    setFamily(QStringLiteral("QuizAnswBtn(3)"), QStringLiteral("hazQuizAnswBtn"),
              {QStringLiteral("QuizAnswBtn(0)"), QStringLiteral("QuizAnswBtn(1)"), QStringLiteral("QuizAnswBtn(2)"),
               QStringLiteral("QuizAnswBtn(4)"), QStringLiteral("QuizAnswBtn(7)"), QStringLiteral("examQuizAnswBtn")});
    setFamily(QStringLiteral("HazOpt(0)"), QStringLiteral("optFact"),
              {QStringLiteral("ideOpt(0)"), QStringLiteral("physOpt(0)"), QStringLiteral("protOpt(0)"),
               QStringLiteral("NBCOpt(0)")});
    setFamily(QStringLiteral("HazOpt(1)"), QStringLiteral("optQuiz"),
              {QStringLiteral("ideOpt(1)"), QStringLiteral("physOpt(1)"), QStringLiteral("protOpt(1)"),
               QStringLiteral("NBCOpt(1)")});
    setFamily(QStringLiteral("hazQuizbtnInfoLink"), QStringLiteral("btnQuizMoreInfo"),
              {QStringLiteral("ideQuizbtnInfoLink"), QStringLiteral("physQuizbtnInfoLink"),
               QStringLiteral("protQuizbtnInfoLink"), QStringLiteral("NBCQuizbtnInfoLink"),
               QStringLiteral("excerQuizbtnInfoLink"), QStringLiteral("examQuizbtnInfoLink")});
    setFamily(QStringLiteral("QuizRestartBtn(3)"), QStringLiteral("btnRestart"),
              {QStringLiteral("QuizRestartBtn(0)"), QStringLiteral("QuizRestartBtn(1)"),
               QStringLiteral("QuizRestartBtn(2)"), QStringLiteral("QuizRestartBtn(4)"),
               QStringLiteral("excerQuizRestartBtn"), QStringLiteral("examQuizRestartBtn")});
    setFamily(QStringLiteral("FactCmdPrint(3)"), QStringLiteral("btnPrint"),
              {QStringLiteral("FactCmdPrint(0)"), QStringLiteral("FactCmdPrint(1)"), QStringLiteral("FactCmdPrint(2)"),
               QStringLiteral("FactCmdPrint(4)"), QStringLiteral("FactCmdPrint(5)"), QStringLiteral("FactCmdPrint(6)")});
    own(QStringLiteral("takFactCmdStart"));
    for (const QString &id : {QStringLiteral("hazLbl"), QStringLiteral("ideLbl"), QStringLiteral("protLbl"),
                             QStringLiteral("physLbl"), QStringLiteral("takLbl"), QStringLiteral("NBCLbl")})
        own(id);

    // The smaller windows.
    set(in(m_coursePrnt.get(), QStringLiteral("cmdCloseDiploma")), QStringLiteral("cmdCloseDiploma"));
    set(m_exitSave.get(), QStringLiteral("frmExitSave"));
    set(in(m_exitSave.get(), QStringLiteral("lblExitSave")), QStringLiteral("lblExitSave"));
    for (const QString &id : {QStringLiteral("lblExam_TimeRanOut"), QStringLiteral("cmdExamTime_Cancel"),
                             QStringLiteral("cmdExamTime_Next")})
        set(in(m_timeRanOut.get(), id), id);

    // Controls with a built-in text that an installation may still translate.
    for (const QString &id : {QStringLiteral("refOpt"), QStringLiteral("excerOpt"), QStringLiteral("examOpt"),
                             QStringLiteral("excerQuizAnswBtnScenario"), QStringLiteral("examQuizAnswBtnScenario")})
        setOptional(in(main, id), id);
    const QString title = main->windowTitle();
    for (QWidget *window : {static_cast<QWidget *>(m_userChoose.get()), static_cast<QWidget *>(m_persData.get()),
                            static_cast<QWidget *>(m_coursePrnt.get())})
        window->setWindowTitle(title);
    setOptional(m_persData.get(), QStringLiteral("frmPersData"));
    setOptional(m_coursePrnt.get(), QStringLiteral("frmCoursePrnt"));
    m_timeRanOut->setWindowTitle(tabText(TabExam));

    for (QWidget *window : {static_cast<QWidget *>(m_userChoose.get()), static_cast<QWidget *>(m_persData.get()),
                            static_cast<QWidget *>(m_exitSave.get()), static_cast<QWidget *>(m_timeRanOut.get()),
                            static_cast<QWidget *>(m_coursePrnt.get())})
        basMain::setWindowIcon(window, m_state.content.iconName, false);
}

QString TrainingProgram::optionalText(const QString &id, const QString &fallback) const
{
    if (!m_state.content.captions)
        return fallback;
    return optionalCaption(*m_state.content.captions, id, m_state.lastError).value_or(fallback);
}

void TrainingProgram::signIn(const QString &typed)
{
    QString name;
    switch (progress::checkLearnerName(typed, name)) {
    case progress::NameCheck::Empty:
        return;
    case progress::NameCheck::Refused:
        m_state.messages.show(optionalText(QStringLiteral("userNameRefused"), NameRefusedText),
                              m_userChoose->windowTitle(), haz::MessageIcon::Warning);
        return;
    case progress::NameCheck::Ok:
        break;
    }
    if (progress::learnerExists(m_state.paths.userFile, name)) {
        m_state.learner.isNewUser = false;
    } else {
        bool added = false;
        try {
            added = progress::addLearner(m_state.paths.userFile, name);
        } catch (const haz::RuntimeError &e) {
            // A locked or read-only file: the learner goes on, told that nothing is kept.
            haz::noteFailure(m_state.lastError, e);
        }
        if (!added)
            m_state.messages.show(optionalText(QStringLiteral("userNotAdded"), LearnerNotAddedText),
                                  m_userChoose->windowTitle(), haz::MessageIcon::Warning);
        m_state.learner.isNewUser = true;
    }
    m_state.learner.currentUser = name;
    m_userChoose->closeSignedIn();
    getUserData();
    m_main->loadData();
    m_main->forEachUnit(&TabUnit::signedIn);
    m_main->show();
}

void TrainingProgram::getUserData()
{
    try {
        if (!progress::readLearnerProgress(m_state.paths.userFile, m_state.learner.currentUser, m_state.learner.progress))
            return;
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
    m_coursePrnt->hide();
    m_timeRanOut->hide();
    m_persData->hide();
    m_main->hide();
    m_main->clearMedia();
    m_exitSave->hide();
    if (m_exitProgram)
        m_exitProgram(0);
}

} // namespace training
