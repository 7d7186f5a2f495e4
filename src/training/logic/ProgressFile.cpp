#include "ProgressFile.h"

#include "ChangeLock.h"
#include "Conversions.h"
#include "MessageService.h"
#include "Platform.h"
#include "ProgressLayout.h"
#include "RuntimeError.h"
#include "TextCodec.h"
#include "clsDataFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>

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
    // Two programs starting at once: the second must not put the template over a
    // file the first has already begun to fill.
    const haz::ChangeLock lock(userFile);
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

namespace {

// The file has the fields of the layout, in its order: the scenario program reads
// fields by position, so a file of another order is not ours to use either.
bool hasTheLayout(const haz::clsDataFile &file)
{
    const QStringList &expected = haz::progress::fieldNames();
    const QStringList &read = file.fieldNames();
    if (read.size() != expected.size())
        return false;
    for (qsizetype i = 0; i < read.size(); ++i)
        if (read.at(i).compare(expected.at(i), Qt::CaseInsensitive) != 0)
            return false;
    return true;
}

} // namespace

namespace {

// Reads the names; with `mayReplace`, a damaged file or one of another shape is kept
// beside itself and replaced. Without, `replaced` only says that it would be.
OpenResult readForLearnerDialog(const QString &userFile, const QString &templatePath, const QDateTime &now,
                                bool mayReplace)
{
    OpenResult result;
    haz::clsDataFile file;
    if (!ansi(file).readData(userFile)) {
        // A file that opens but is no table is damaged; one that does not open
        // (locked, no permission) is left alone.
        QFile probe(userFile);
        if (QFileInfo(userFile).isFile() && probe.open(QIODevice::ReadOnly)) {
            if (!mayReplace)
                result.replaced = true;
            else
                backUpAndReplace(userFile, templatePath, now, result);
        }
        return result;
    }
    result.readable = true;
    if (hasTheLayout(file)) {
        for (qint32 slot = 0; slot < file.numOfPostsRead(); ++slot)
            result.names << file.getPostPosField(slot, UserNameField);
        return result;
    }
    // A file of another shape is not ours to read, but the learners in it are kept.
    if (!mayReplace)
        result.replaced = true;
    else
        backUpAndReplace(userFile, templatePath, now, result);
    return result;
}

} // namespace

OpenResult openForLearnerDialog(const QString &userFile, const QString &templatePath,
                                const QDateTime &now)
{
    OpenResult result = readForLearnerDialog(userFile, templatePath, now, false);
    if (!result.replaced)
        return result;
    // Replacing is a change like any save: under the lock, and only if the file is
    // still damaged once another program's change has landed.
    const haz::ChangeLock lock(userFile);
    return readForLearnerDialog(userFile, templatePath, now, true);
}

NameCheck checkLearnerName(const QString &typed, QString &name)
{
    // A no-break space or another space that looks like a blank counts as one, so that a
    // name cannot differ from an existing learner's by what nobody can see.
    QString blanks = typed;
    for (QChar &c : blanks)
        if (c.category() == QChar::Separator_Space)
            c = u' ';
    name = haz::conv::trimBlanks(blanks).toString();
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

bool canBeWritten(const QString &userFile)
{
    const QFileInfo info(userFile);
    if (!info.isWritable() || !(QFile::permissions(userFile) & QFile::WriteOwner))
        return false;
    QFile file(userFile);
    return file.open(QIODevice::ReadWrite);
}

std::optional<qint32> findLearnerSlot(const haz::clsDataFile &file, const QString &name)
{
    const haz::FindResult found = file.findPosts(UserNameField, name);
    if (found.isOneDimensional() || !found.hasMatch())
        return std::nullopt;
    return haz::conv::toInt32(found.at(1, 1));
}

bool addLearner(const QString &userFile, const QString &name)
{
    QStringList values{name};
    for (int i = 0; i < FieldCount; ++i)
        values << QStringLiteral("-1");
    haz::clsDataFile file;
    return ansi(file).addPost(userFile, values);
}

namespace {

// Where a field of the file lives in LearnerProgress; fields the course program does
// not hold (the name, the scenario results) have no place here.
struct FieldPlace {
    qint32 *number = nullptr;
    qint16 *small = nullptr;
    bool *flag = nullptr;
};

QHash<QString, FieldPlace> fieldPlaces(LearnerProgress &p)
{
    QHash<QString, FieldPlace> places{
        {QStringLiteral("selTab"), {&p.selTab}},
        {QStringLiteral("quizOrFact"), {nullptr, nullptr, &p.quizOrFact}},
        {QStringLiteral("refFactPos"), {&p.refFactPos}},
        {QStringLiteral("examQuizPos"), {&p.examQuizPos}},
        {QStringLiteral("examQuizCorr"), {&p.examQuizCorr}},
        {QStringLiteral("examLastList"), {&p.examLastList}},
        {QStringLiteral("examUseList"), {&p.examUseList}},
        {QStringLiteral("excerQuizPos"), {&p.excerQuizPos}},
        {QStringLiteral("excerQuizCorr"), {&p.excerQuizCorr}},
        {QStringLiteral("excerLastList"), {&p.excerLastList}},
        {QStringLiteral("excerUseList"), {&p.excerUseList}},
        {QStringLiteral("CurrentScenario"), {nullptr, &p.CurrentScenario}},
        {QStringLiteral("CurrentRum"), {nullptr, &p.CurrentRum}},
        {QStringLiteral("CurrentTime"), {nullptr, &p.CurrentTime}},
        {QStringLiteral("CurrentScore"), {nullptr, &p.CurrentScore}},
    };
    const auto addCounters = [&](const QString &prefix, SubjectProgress &counters) {
        places.insert(prefix + QStringLiteral("QuizPos"), {&counters.quizPos});
        places.insert(prefix + QStringLiteral("QuizCorr"), {&counters.quizCorr});
        places.insert(prefix + QStringLiteral("FactPos"), {&counters.factPos});
    };
    for (int s = 0; s < SubjectCount; ++s)
        addCounters(subjectNames(s).prefix, p.subjects[s]);
    addCounters(QStringLiteral("tak"), p.tak);
    return places;
}

} // namespace

std::optional<LearnerRecord> readLearnerRecord(const QString &userFile, const QString &name, QStringList *fieldsRead)
{
    haz::clsDataFile file;
    if (!ansi(file).readData(userFile))
        return std::nullopt;
    if (fieldsRead)
        *fieldsRead = file.fieldNames();
    const auto slot = findLearnerSlot(file, name);
    if (!slot)
        return std::nullopt;
    LearnerRecord record{file.fieldNames(), {}};
    for (const QString &field : record.fields)
        record.values << file.getPostPosField(*slot, field);
    return record;
}

LearnerRecord newLearnerRecord(const QString &name, const QStringList &fields)
{
    LearnerRecord record{fields, {name}};
    while (record.values.size() < fields.size())
        record.values << QStringLiteral("-1");
    return record;
}

namespace {
// "-1" reads as 0; otherwise the text must be a whole number.
qint32 numberOf(const QString &text)
{
    const qint32 value = haz::conv::toInt32(text);
    return value == -1 ? 0 : value;
}
} // namespace

void readLearnerProgress(const LearnerRecord &record, LearnerProgress &progress)
{
    LearnerProgress read;
    const QHash<QString, FieldPlace> places = fieldPlaces(read);
    for (const haz::progress::FieldSpec &field : haz::progress::layout()) {
        const FieldPlace place = places.value(field.name);
        if (place.number)
            *place.number = numberOf(record.value(field.name));
        else if (place.small)
            *place.small = haz::conv::narrowToInt16(numberOf(record.value(field.name)));
        else if (place.flag)
            *place.flag = haz::conv::toBool(record.value(field.name));
    }
    progress = read;
}

bool readLearnerProgress(const QString &userFile, const QString &name, LearnerProgress &progress)
{
    const std::optional<LearnerRecord> record = readLearnerRecord(userFile, name);
    if (!record)
        return false;
    readLearnerProgress(*record, progress);
    return true;
}

QList<SavedField> savedFields(const LearnerProgress &progress, qint32 selectedTab)
{
    LearnerProgress saved = progress;
    saved.selTab = selectedTab;
    const QHash<QString, FieldPlace> places = fieldPlaces(saved);
    QList<SavedField> fields;
    for (const haz::progress::FieldSpec &field : haz::progress::savedAtExit()) {
        const FieldPlace place = places.value(field.name);
        // A saved field must have its place; writing anything else would be a lie.
        if (!place.number && !place.small && !place.flag)
            throw haz::RuntimeError(haz::ErrSubscript, field.name);
        const QString value = place.flag    ? haz::conv::toText(*place.flag)
                              : place.small ? haz::conv::toText(qint64(*place.small))
                                            : haz::conv::toText(qint64(*place.number));
        fields.append({field.name, value, field.countsAsStep});
    }
    return fields;
}

namespace {

QString notSavedText(const QString &userFile, const QString &name)
{
    return QStringLiteral("Your progress could not be saved: the learners' progress file %1 cannot be read, "
                          "or it no longer holds the name \"%2\".")
        .arg(QDir::toNativeSeparators(userFile), name);
}

} // namespace

SaveOutcome saveLearnerProgress(const QString &userFile, const QString &name,
                                const LearnerProgress &progress, qint32 selectedTab,
                                haz::MessageService &messages, const std::function<void()> &step)
{
    // Read and written under the lock: a change another program makes in between
    // would otherwise be undone by this rewrite.
    const haz::ChangeLock lock(userFile);
    // One reading finds the learner's post and one rewrite writes every field: the
    // file and the results are those of one update per field.
    const QList<SavedField> fields = savedFields(progress, selectedTab);
    QList<haz::clsDataFile::FieldValue> values;
    for (const SavedField &field : fields)
        values.append({field.name, field.value});
    haz::clsDataFile file;
    const std::optional<QList<bool>> written = ansi(file).UpdateFieldsOfPost(
        userFile, UserNameField, name, [&](const haz::clsDataFile::FoundPost &post) {
            // Without the learner's own post nothing is written: never someone else's.
            return post.values.value(0).isEmpty() ? QList<haz::clsDataFile::FieldValue>() : values;
        });
    if (!written || written->isEmpty()) {
        messages.show(notSavedText(userFile, name), QString(), haz::MessageIcon::Warning);
        return SaveOutcome::NotWritten;
    }
    // Told once for each field that was not written, as single updates would.
    for (const bool ok : *written)
        if (!ok)
            messages.show(QStringLiteral("Could not save setting for user"));
    for (const SavedField &field : fields)
        if (field.countsAsStep && step)
            step();
    return written->contains(false) ? SaveOutcome::PartlySaved : SaveOutcome::Saved;
}

} // namespace training::progress
