#pragma once
// Everything the course program holds for its whole run, by purpose: where things
// are, what the course holds, the signed-in learner, the exam of this run.

#include "ExamLists.h"
#include "FactList.h"
#include "LearnerRecord.h"
#include "QuizList.h"
#include "RunHistory.h"
#include "RuntimeError.h"
#include "TableCache.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

#include <array>
#include <memory>
#include <optional>

namespace haz {
class clsDataFile;
class MessageService;
class SessionLock;
} // namespace haz

namespace training {

// The five subject tabs. The number is the index of the subject's element in the
// shared button arrays (QuizAnswBtn(i), QuizRestartBtn(i), FactCmdPrint(i)); the
// subject's tab is that number + 1.
enum Subject : int { Ide = 0, Phys = 1, Prot = 2, Haz = 3, NBC = 4 };
inline constexpr int SubjectCount = 5;

struct SubjectNames {
    QString prefix;      // control and progress-field prefix: "ide", "haz", ...
    QString fileWord;    // "Ident", "Hazard", ... for the fact and quiz list files
    QString optionArray; // "ideOpt", "HazOpt", ...
    QString factList;    // "ideLstFact", "hazFactLst", ...
    QString optionFrame; // "ideFrmOpt", "NBCfrmOpt", ...
    QString progressRow; // the row's name on the progress tab: "Ide", "Haz", ...
    int tab = 0;
};
const SubjectNames &subjectNames(int subject);

// Tabs of the main window.
enum Tab : int {
    TabIntro = 0, TabIde = 1, TabPhys = 2, TabProt = 3, TabHaz = 4, TabNBC = 5,
    TabTak = 6, TabRef = 7, TabExcer = 8, TabExam = 9, TabProgress = 10
};
inline constexpr int TabCount = 11;

struct FactListData {
    QList<FactEntry> list;
    qint32 count = 0;
    QString problem; // the file's name and why it gave no list, when it is there
};

struct QuizListData {
    QList<QuizQuestion> list;
    qint32 count = 0;
    QString problem;
};

struct SubjectProgress {
    qint32 quizPos = 0;
    qint32 quizCorr = 0;
    qint32 factPos = 0;
};

// A learner's place in the course, as held between sign-in and exit.
struct LearnerProgress {
    qint32 selTab = 0;
    bool quizOrFact = true;
    std::array<SubjectProgress, SubjectCount> subjects{};
    SubjectProgress tak;
    qint32 refFactPos = 0;
    qint32 examQuizPos = 0, examQuizCorr = 0, examLastList = 0, examUseList = 0;
    qint32 excerQuizPos = 0, excerQuizCorr = 0, excerLastList = 0, excerUseList = 0;
    qint16 CurrentScenario = 0, CurrentRum = 0, CurrentTime = 0, CurrentScore = 0;
};

// Where the installation and the learner's progress file are.
struct InstallPaths {
    QString installDir;
    QString langCode;
    QString htmlDir;
    QString imagesDir;
    QString iniDir;
    QString userFileStem;
    QString userFile;
};

// What the course holds, read at start-up: the caption table and the texts kept from
// it, the fact and question lists, the exercise and exam question sets.
struct CourseContent {
    // The caption table as read at start-up; null when it could not be read.
    std::shared_ptr<const haz::clsDataFile> captions;
    // Caption texts that code uses later (message texts, label prefixes).
    QHash<QString, QString> texts;
    QString iconName;

    std::array<FactListData, SubjectCount> subjectFacts;
    FactListData takFacts;
    FactListData refFacts;
    std::array<QuizListData, SubjectCount> subjectQuizzes;

    QuestionSet exercise{QStringLiteral("excer"), {}, {}, 0};
    QuestionSet exam{QStringLiteral("exam"), {}, {}, 0};

    // Tables read after start-up (the scenario table of the tactics list and the
    // progress bars), kept until their file changes.
    haz::TableCache tables;
};

// The signed-in learner and his or her place in the course.
struct LearnerSession {
    QString currentUser;
    bool isNewUser = false;
    LearnerProgress progress;
    // Held while the learner is signed in, so that no other program signs him or her in.
    std::shared_ptr<haz::SessionLock> signedIn;
    // The learner has been told that progress is not being kept (at sign-in, or by a
    // save that failed): saves that fail go on quietly until one goes through.
    bool toldNotKept = false;
    // The learner's post as the sign-in read it; set only while the sign-in fills
    // the windows, so that they share one reading of the progress file.
    std::optional<LearnerRecord> signInRecord;
};

// The exam of this run: started by the first answer, locked for the rest of the run
// once left or given up; its wrong answers go into its attempt in the run record.
struct ExamSession : ExamLock {
    history::ExamAttempt attempt;
};

// The program-wide state, split by purpose. `main` owns one; tests make a fresh one.
class ProgramState {
public:
    explicit ProgramState(haz::MessageService &messages);
    ~ProgramState();
    ProgramState(const ProgramState &) = delete;
    ProgramState &operator=(const ProgramState &) = delete;

    haz::MessageService &messages;
    haz::LastError lastError;

    InstallPaths paths;
    CourseContent content;
    LearnerSession learner;
    ExamSession exam;

    QString text(const QString &id) const { return content.texts.value(id); }
};

} // namespace training
