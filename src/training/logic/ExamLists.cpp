#include "ExamLists.h"

#include "ChangeLock.h"
#include "Conversions.h"
#include "ProgressFile.h"
#include "clsDataFile.h"
#include "MessageService.h"
#include "Platform.h"
#include "RandomSource.h"
#include "RuntimeError.h"

namespace training {

ListChoice nextListChoice(RunKind kind, qint32 highest, ListChoice current, haz::RandomSource &random)
{
    if (current.use == -1)
        return current;
    // One file, or (for the exercise, as always) two: list 0 stays in use.
    if (highest <= 0 || (kind == RunKind::Exercise && highest == 1))
        return {0, 0};
    if (highest == 2)
        return current.use == 0 ? ListChoice{1, 0} : ListChoice{0, 1};
    if (current.last == -1)
        return {-1, current.use};
    return {random.bounded(1, highest), current.use};
}

void loadQuestionList(QuestionSet &set, const QString &iniDir, qint32 &use, haz::LastError &lastError)
{
    if (use < 0)
        return;
    if (use >= set.files.size())
        use = 0;
    QList<QuizQuestion> list;
    qint32 count = 0;
    const QString name = set.files.value(use);
    if (!name.isEmpty())
        readQuizList(list, count, haz::platform::joinPath(iniDir, set.folder + u'/' + name), lastError);
    set.list = list;
    set.count = count;
}

namespace {
bool chooseList(RunKind kind, const QString &routine, QuestionSet &set, const QString &iniDir,
                ListChoice &choice, haz::RandomSource &random, haz::MessageService &messages,
                haz::LastError &lastError)
{
    try {
        const ListChoice next = nextListChoice(kind, qint32(set.files.size()) - 1, choice, random);
        if (next.use == -1 && choice.use == -1)
            return true;
        choice = next;
        loadQuestionList(set, iniDir, choice.use, lastError);
        return true;
    } catch (const haz::RuntimeError &e) {
        messages.show(e.messageText(), routine, haz::MessageIcon::Critical);
        return false;
    }
}
} // namespace

bool chooseExerciseList(QuestionSet &set, const QString &iniDir, ListChoice &choice,
                        haz::RandomSource &random, haz::MessageService &messages,
                        haz::LastError &lastError)
{
    return chooseList(RunKind::Exercise, QStringLiteral("chooseExerciseList"), set, iniDir, choice,
                      random, messages, lastError);
}

bool randomExamQuizList(QuestionSet &set, const QString &iniDir, ListChoice &choice,
                        haz::RandomSource &random, haz::MessageService &messages,
                        haz::LastError &lastError)
{
    return chooseList(RunKind::Exam, QStringLiteral("randomExamQuizList"), set, iniDir, choice, random,
                      messages, lastError);
}

bool clearExerciseResults(const QString &userFile, const QString &user, qint32 selectedTab,
                          haz::MessageService &messages)
{
    // One change of the file: read and written under its lock (a busy file is the
    // caller's RuntimeError, reported like any failed save).
    const haz::ChangeLock lock(userFile);
    haz::clsDataFile file;
    file.setNonUniCodeMode(true);
    if (!file.readData(userFile) || !progress::findLearnerSlot(file, user)) {
        messages.show(QStringLiteral("Could not save setting for user"));
        return false;
    }
    const std::optional<qint32> slot = progress::findLearnerSlot(file, user);
    bool ok = true;
    const auto write = [&](const QString &field, const QString &value) {
        haz::clsDataFile writer;
        writer.setNonUniCodeMode(true);
        if (!writer.UpdateFieldPost(userFile, field, *slot, value)) {
            messages.show(QStringLiteral("Could not save setting for user"));
            ok = false;
        }
    };
    write(QStringLiteral("selTab"), QString::number(selectedTab));
    write(QStringLiteral("excerCompletedScenarios"), QStringLiteral("-1"));
    write(QStringLiteral("excerCompletedScores"), QStringLiteral("-1"));
    return ok;
}

std::optional<qint16> scenarioOfQuestion(const QuizQuestion &question)
{
    try {
        const qint16 id = haz::conv::toInt16(question.SvarKom);
        if (id > 0)
            return id;
    } catch (const haz::RuntimeError &) {
        // Not a number: an ordinary comment, which is what most questions carry.
    }
    return std::nullopt;
}

bool examFinished(const QuestionSet &set, qint32 position)
{
    return set.count > 0 && position >= set.count;
}

QuestionKind questionKindAt(const QuestionSet &set, qint32 position)
{
    if (position < 0 || position >= set.count || position >= set.list.size())
        return QuestionKind::Finished;
    return scenarioOfQuestion(set.list.at(position)) ? QuestionKind::Scenario : QuestionKind::Ordinary;
}

qint16 examClockSeconds(const QuestionSet &set, qint32 position)
{
    if (questionKindAt(set, position) != QuestionKind::Ordinary)
        return 0;
    const qint16 time = set.list.at(position).Time;
    return time > 0 ? time : 0;
}

AnswerCount countAnswer(qint32 &position, qint32 &correct, qint32 count, bool right)
{
    if (position >= count)
        return {};
    if (right)
        ++correct;
    ++position;
    return {true, position >= count};
}

QString examAllDoneText(const QString &examAllDoneCaption)
{
    return QString(examAllDoneCaption).replace(QLatin1String("\\n"), QLatin1String("\r\n"));
}

} // namespace training
