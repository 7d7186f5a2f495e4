#include "ProgressFile.h"

#include "Conversions.h"
#include "MessageService.h"
#include "Platform.h"
#include "ProgressLayout.h"
#include "RuntimeError.h"
#include "TextCodec.h"
#include "clsDataFile.h"

#include <QFile>
#include <QFileInfo>

namespace training::progress {

namespace {

const QString UserNameField = QStringLiteral("UserName");

haz::clsDataFile &ansi(haz::clsDataFile &file)
{
    file.setNonUniCodeMode(true);
    return file;
}

// Removes a file even when it is marked read-only.
bool removeFile(const QString &path)
{
    if (!QFileInfo::exists(path))
        return true;
    QFile::setPermissions(path, QFile::permissions(path) | QFile::WriteOwner | QFile::ReadOwner);
    return QFile::remove(path);
}

} // namespace

const QStringList &fieldNames()
{
    return haz::progress::fieldNames();
}

QString progressFilePath(const QString &documentsFolder, const QString &langCode,
                         const QString &userFileStem)
{
    return haz::platform::joinPath(documentsFolder, langCode + userFileStem + QStringLiteral(".ini"));
}

bool copyTemplate(const QString &templatePath, const QString &userFile)
{
    const QString source = haz::platform::resolveCaseInsensitive(templatePath);
    if (!removeFile(userFile) || !QFile::copy(source, userFile))
        return false;
    QFile::setPermissions(userFile, QFile::permissions(userFile) | QFile::WriteOwner);
    haz::platform::setHidden(userFile, true);
    return true;
}

namespace {

// The template copy that a fresh progress file needs; a failure is the caller's
// RuntimeError: a missing template is 53, a copy that cannot be written 75.
void copyTemplateOrFail(const QString &templatePath, const QString &userFile)
{
    if (copyTemplate(templatePath, userFile))
        return;
    if (!haz::platform::fileExists(templatePath))
        throw haz::RuntimeError(haz::ErrFileNotFound);
    throw haz::RuntimeError(haz::ErrPathFileAccess);
}

} // namespace

bool createIfMissing(const QString &templatePath, const QString &userFile)
{
    if (QFileInfo::exists(userFile))
        return false;
    copyTemplateOrFail(templatePath, userFile);
    return true;
}

namespace {

// Keeps the file beside itself (hidden, name + ".bak-" + date-time) and puts the
// template in its place, so that no learner's progress disappears without a trace.
void backUpAndReplace(const QString &userFile, const QString &templatePath, const QDateTime &now,
                      OpenResult &result)
{
    result.backupPath = userFile + QStringLiteral(".bak-") + now.toString(QStringLiteral("yyyyMMdd-HHmmss"));
    for (int n = 2; QFileInfo::exists(result.backupPath); ++n)
        result.backupPath = userFile + QStringLiteral(".bak-")
            + now.toString(QStringLiteral("yyyyMMdd-HHmmss")) + u'-' + QString::number(n);
    if (!QFile::copy(userFile, result.backupPath))
        throw haz::RuntimeError(haz::ErrPathFileAccess,
                                QStringLiteral("Could not keep a copy of the progress file"));
    haz::platform::setHidden(result.backupPath, true);
    copyTemplateOrFail(templatePath, userFile);
    result.replaced = true;
}

} // namespace

OpenResult openForLearnerDialog(const QString &userFile, const QString &templatePath,
                                const QDateTime &now)
{
    OpenResult result;
    haz::clsDataFile file;
    if (!ansi(file).readData(userFile)) {
        // A file that opens but is no table is damaged; one that does not open
        // (locked, no permission) is left alone.
        QFile probe(userFile);
        if (QFileInfo(userFile).isFile() && probe.open(QIODevice::ReadOnly))
            backUpAndReplace(userFile, templatePath, now, result);
        return result;
    }
    result.readable = true;
    if (file.numFieldsRead() == FieldCount) {
        for (qint32 slot = 0; slot < file.numOfPostsRead(); ++slot)
            result.names << file.getPostPosField(slot, UserNameField);
        return result;
    }
    // A file of another shape is not ours to read, but the learners in it are kept.
    backUpAndReplace(userFile, templatePath, now, result);
    return result;
}

NameCheck checkLearnerName(const QString &typed, QString &name)
{
    name = haz::conv::trimBlanks(typed).toString();
    if (name.isEmpty())
        return NameCheck::Empty;
    for (const QChar c : name) {
        const auto category = c.category();
        if (c == u',' || category == QChar::Other_Control || category == QChar::Other_Format
            || category == QChar::Separator_Line || category == QChar::Separator_Paragraph)
            return NameCheck::Refused;
    }
    // The file is 8-bit: a name it cannot hold could never be found again.
    const auto encoding = haz::codec::Encoding::Ansi;
    if (haz::codec::decode(haz::codec::encode(name, encoding), encoding) != name)
        return NameCheck::Refused;
    // The scenario program looks these keys up anywhere in its command line.
    if (name.contains(QLatin1String("user="), Qt::CaseInsensitive)
        || name.contains(QLatin1String("mode="), Qt::CaseInsensitive))
        return NameCheck::Refused;
    return NameCheck::Ok;
}

std::optional<qint32> findLearnerSlot(const haz::clsDataFile &file, const QString &name)
{
    const haz::FindResult found = file.findPosts(UserNameField, name);
    if (found.isOneDimensional() || !found.hasMatch())
        return std::nullopt;
    return haz::conv::toInt32(found.at(1, 1));
}

bool learnerExists(const QString &userFile, const QString &name)
{
    haz::clsDataFile file;
    if (!ansi(file).readData(userFile))
        return false;
    return findLearnerSlot(file, name).has_value();
}

bool addLearner(const QString &userFile, const QString &name)
{
    QStringList values{name};
    for (int i = 0; i < FieldCount; ++i)
        values << QStringLiteral("-1");
    haz::clsDataFile file;
    return ansi(file).addPost(userFile, values);
}

qint32 readNumber(const haz::clsDataFile &file, qint32 slot, const QString &field)
{
    const qint32 value = haz::conv::toInt32(file.getPostPosField(slot, field));
    return value == -1 ? 0 : value;
}

qint16 readNumber16(const haz::clsDataFile &file, qint32 slot, const QString &field)
{
    return haz::conv::narrowToInt16(readNumber(file, slot, field));
}

bool readLearnerProgress(const QString &userFile, const QString &name, LearnerProgress &progress)
{
    haz::clsDataFile file;
    if (!ansi(file).readData(userFile))
        return false;
    const auto slot = findLearnerSlot(file, name);
    if (!slot)
        return false;
    const qint32 p = *slot;
    LearnerProgress read;
    read.selTab = readNumber(file, p, QStringLiteral("selTab"));
    for (int s = 0; s < SubjectCount; ++s) {
        const QString &prefix = subjectNames(s).prefix;
        read.subjects[s].quizPos = readNumber(file, p, prefix + QStringLiteral("QuizPos"));
        read.subjects[s].quizCorr = readNumber(file, p, prefix + QStringLiteral("QuizCorr"));
        read.subjects[s].factPos = readNumber(file, p, prefix + QStringLiteral("FactPos"));
    }
    read.tak.quizPos = readNumber(file, p, QStringLiteral("takQuizPos"));
    read.tak.quizCorr = readNumber(file, p, QStringLiteral("takQuizCorr"));
    read.tak.factPos = readNumber(file, p, QStringLiteral("takFactPos"));
    read.examQuizPos = readNumber(file, p, QStringLiteral("examQuizPos"));
    read.examQuizCorr = readNumber(file, p, QStringLiteral("examQuizCorr"));
    read.examLastList = readNumber(file, p, QStringLiteral("examLastList"));
    read.examUseList = readNumber(file, p, QStringLiteral("examUseList"));
    read.excerQuizPos = readNumber(file, p, QStringLiteral("excerQuizPos"));
    read.excerQuizCorr = readNumber(file, p, QStringLiteral("excerQuizCorr"));
    read.excerLastList = readNumber(file, p, QStringLiteral("excerLastList"));
    read.excerUseList = readNumber(file, p, QStringLiteral("excerUseList"));
    read.refFactPos = readNumber(file, p, QStringLiteral("refFactPos"));
    read.CurrentScenario = readNumber16(file, p, QStringLiteral("CurrentScenario"));
    read.CurrentRum = readNumber16(file, p, QStringLiteral("CurrentRum"));
    read.CurrentTime = readNumber16(file, p, QStringLiteral("CurrentTime"));
    read.CurrentScore = readNumber16(file, p, QStringLiteral("CurrentScore"));
    read.quizOrFact = haz::conv::toBool(file.getPostPosField(p, QStringLiteral("quizOrFact")));
    progress = read;
    return true;
}

QList<SavedField> savedFields(const LearnerProgress &progress, qint32 selectedTab)
{
    const auto number = [](qint64 v) { return haz::conv::toText(v); };
    const auto subject = [&](int s) -> const SubjectProgress & { return progress.subjects.at(s); };
    QList<SavedField> fields{{QStringLiteral("selTab"), number(selectedTab), false}};
    for (const int s : {int(Haz), int(Ide), int(Prot), int(NBC), int(Phys)}) {
        const QString &prefix = subjectNames(s).prefix;
        fields.append({prefix + QStringLiteral("QuizPos"), number(subject(s).quizPos), true});
        fields.append({prefix + QStringLiteral("QuizCorr"), number(subject(s).quizCorr), true});
        fields.append({prefix + QStringLiteral("FactPos"), number(subject(s).factPos), true});
    }
    fields.append({QStringLiteral("takQuizPos"), number(progress.tak.quizPos), true});
    fields.append({QStringLiteral("takQuizCorr"), number(progress.tak.quizCorr), true});
    fields.append({QStringLiteral("takFactPos"), number(progress.tak.factPos), false});
    fields.append({QStringLiteral("examQuizPos"), number(progress.examQuizPos), true});
    fields.append({QStringLiteral("examQuizCorr"), number(progress.examQuizCorr), true});
    fields.append({QStringLiteral("examLastList"), number(progress.examLastList), true});
    fields.append({QStringLiteral("examUseList"), number(progress.examUseList), true});
    fields.append({QStringLiteral("excerQuizPos"), number(progress.excerQuizPos), true});
    fields.append({QStringLiteral("excerLastList"), number(progress.excerLastList), true});
    fields.append({QStringLiteral("excerUseList"), number(progress.excerUseList), true});
    fields.append({QStringLiteral("excerQuizCorr"), number(progress.excerQuizCorr), true});
    fields.append({QStringLiteral("refFactPos"), number(progress.refFactPos), true});
    fields.append({QStringLiteral("quizOrFact"), haz::conv::toText(progress.quizOrFact), true});
    return fields;
}

SaveOutcome saveLearnerProgress(const QString &userFile, const QString &name,
                                const LearnerProgress &progress, qint32 selectedTab,
                                haz::MessageService &messages, const std::function<void()> &step)
{
    haz::clsDataFile file;
    if (!ansi(file).readData(userFile))
        return SaveOutcome::NotWritten;
    // Without the learner's own post nothing is written: never someone else's.
    const auto slot = findLearnerSlot(file, name);
    if (!slot)
        return SaveOutcome::NotWritten;
    bool failureShown = false;
    for (const SavedField &field : savedFields(progress, selectedTab)) {
        haz::clsDataFile writer;
        if (!ansi(writer).UpdateFieldPost(userFile, field.name, *slot, field.value) && !failureShown) {
            messages.show(QStringLiteral("Could not save setting for user"));
            failureShown = true;
        }
        if (field.countsAsStep && step)
            step();
    }
    return failureShown ? SaveOutcome::PartlySaved : SaveOutcome::Saved;
}

} // namespace training::progress
