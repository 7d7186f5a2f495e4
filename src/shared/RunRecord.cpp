#include "RunRecord.h"

#include "Conversions.h"
#include "FileLock.h"
#include "Platform.h"
#include "RuntimeError.h"
#include "TextCodec.h"
#include "clsDataFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSet>

#include <algorithm>

namespace haz::runrecord {

namespace {

const QString TableName = QStringLiteral("RunRecord");
const QString AnswerKind = QStringLiteral("answer");
const QString ExamKind = QStringLiteral("exam");

enum Field {
    FUserName, FKind, FRunNr, FMode, FScenarioID, FScenarioName, FStartTid, FPoangMin, FPoangMax, FRumID,
    FQuestion, FChosen, FChosenTexts, FKeyRow, FAction, FStep, FFeedback, FSimTime, FScore, FPenalty,
    FQuestions, FRightAnswers, FWrongQuestions, FWrongComments, FWallTime, FieldTotal
};

QString stepText(Step step)
{
    switch (step) {
    case Step::Stay:
        return QStringLiteral("stay");
    case Step::Finish:
        return QStringLiteral("finish");
    case Step::NextRoom:
        break;
    }
    return QStringLiteral("next");
}

std::optional<Step> stepFrom(const QString &text)
{
    for (Step step : {Step::NextRoom, Step::Stay, Step::Finish})
        if (text == stepText(step))
            return step;
    return std::nullopt;
}

QString number(qint64 value)
{
    return QString::number(value);
}

// The whole record through a temporary file beside it, flushed and put in its place
// in one step: a reader sees the old record or the new one, never a part.
void writeWhole(const QString &path, const QList<Entry> &entries)
{
    const QString folder = QFileInfo(path).absolutePath();
    const QString temporary = platform::temporaryFileIn(folder);
    clsDataFile file;
    bool ok = file.createFileNHead(QFileInfo(temporary).fileName(), folder, TableName, fieldNames());
    for (const Entry &entry : entries)
        ok = ok && file.savePost(toValues(entry));
    ok = file.exitFileWrite() && ok;
    QFile written(temporary);
    ok = ok && written.open(QIODevice::ReadWrite) && platform::flushToDisk(written);
    written.close();
    if (!ok || !platform::replaceFile(temporary, path)) {
        QFile::remove(temporary);
        throw RuntimeError(ErrPathFileAccess, file.lastErrorText().isEmpty()
                                                  ? QStringLiteral("Could not write %1").arg(path)
                                                  : file.lastErrorText());
    }
    platform::setHidden(path, true);
}

// Keeps a copy of a record that cannot be used and starts an empty one in its place.
QString renew(const QString &path, const QDateTime &now)
{
    const QString stamp = now.toUTC().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString backup = path + QStringLiteral(".bak-") + stamp;
    for (int n = 2; QFileInfo::exists(backup); ++n)
        backup = path + QStringLiteral(".bak-") + stamp + u'-' + number(n);
    if (!QFile::copy(path, backup))
        throw RuntimeError(ErrPathFileAccess, QStringLiteral("Could not keep a copy of %1").arg(path));
    platform::setHidden(backup, true);
    writeWhole(path, {});
    return backup;
}

QString renewedNotice(const QString &path, const QString &backup)
{
    return QStringLiteral("The record of your runs (%1) could not be read, so a new one was started. "
                          "The old one is kept as %2. Your progress is not affected.")
        .arg(QDir::toNativeSeparators(path), QDir::toNativeSeparators(backup));
}

QString failedNotice(const QString &path, const QString &why)
{
    return QStringLiteral("This answer could not be added to the record of your runs (%1): %2. "
                          "Your progress is saved as usual.")
        .arg(QDir::toNativeSeparators(path), why);
}

// Whether the file begins with our table's header. Only the start is read: this runs
// before every answer is added, and the append reads the rest anyway.
bool headerIsOurs(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QString text = codec::decode(file.read(16384), codec::Encoding::Utf16);
    const QStringList lines = text.split(QStringLiteral("\n"));
    if (lines.size() <= FieldTotal + 1)
        return false;
    const auto line = [&](int i) { return QStringView(lines[i]).chopped(lines[i].endsWith(u'\r') ? 1 : 0); };
    if (line(0) != QString(u'[' + TableName + u']'))
        return false;
    for (int i = 0; i < FieldTotal; ++i)
        if (line(i + 1).compare(QString(QStringLiteral("FieldName=") + fieldNames().at(i)), Qt::CaseInsensitive) != 0)
            return false;
    return true;
}

// Drops the oldest runs: the learner's beyond the limit (making room for one more),
// then everybody's while the table is nearly full. True when something went.
bool prune(QList<Entry> &entries, const QString &learner)
{
    const QList<Run> own = runsOf(entries, learner);
    QSet<QPair<QString, int>> dropped;
    for (qsizetype i = 0; i + RunsKeptPerLearner <= own.size(); ++i)
        dropped.insert({learner, own[i].number});
    qsizetype remaining = entries.size();
    for (const Entry &e : entries)
        if (dropped.contains({e.learner, e.run}))
            --remaining;
    // Runs in the order they began.
    for (qsizetype i = 0; i < entries.size() && remaining >= MostPosts; ++i) {
        const QPair<QString, int> key{entries[i].learner, entries[i].run};
        if (dropped.contains(key))
            continue;
        dropped.insert(key);
        for (const Entry &e : entries)
            if (e.learner == key.first && e.run == key.second)
                --remaining;
    }
    if (dropped.isEmpty())
        return false;
    entries.removeIf([&](const Entry &e) { return dropped.contains({e.learner, e.run}); });
    return true;
}

} // namespace

QString modeName(int mode)
{
    switch (mode) {
    case 2:
        return QStringLiteral("exercise");
    case 3:
        return QStringLiteral("exam");
    default:
        return QStringLiteral("tactics");
    }
}

QString pathBeside(const QString &progressFile)
{
    const QFileInfo info(progressFile);
    return platform::joinPath(info.path(), info.completeBaseName() + QStringLiteral("Runs.ini"));
}

const QStringList &fieldNames()
{
    static const QStringList names{
        "UserName", "Kind", "RunNr", "Mode", "ScenarioID", "ScenarioName", "StartTid", "PoangMin", "PoangMax",
        "RumID", "Question", "Chosen", "ChosenTexts", "KeyRow", "Action", "Step", "Feedback", "SimTime", "Score",
        "Penalty", "Questions", "RightAnswers", "WrongQuestions", "WrongComments", "WallTime"};
    return names;
}

QString escape(const QString &text)
{
    QString out;
    out.reserve(text.size());
    for (QChar c : text) {
        switch (c.unicode()) {
        case u'\\':
            out += QStringLiteral("\\\\");
            break;
        case u'\r':
            out += QStringLiteral("\\r");
            break;
        case u'\n':
            out += QStringLiteral("\\n");
            break;
        case u'|':
            out += QStringLiteral("\\p");
            break;
        default:
            out += c;
        }
    }
    return out;
}

QString unescape(QStringView text)
{
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] != u'\\' || i + 1 == text.size()) {
            out += text[i];
            continue;
        }
        const QChar next = text[++i];
        if (next == u'r')
            out += u'\r';
        else if (next == u'n')
            out += u'\n';
        else if (next == u'p')
            out += u'|';
        else
            out += next;
    }
    return out;
}

QString joinList(const QStringList &items)
{
    QStringList escaped;
    for (const QString &item : items)
        escaped << escape(item);
    return escaped.join(u'|');
}

QStringList splitList(QStringView value)
{
    QStringList items;
    if (value.isEmpty())
        return items;
    // "|" never stands escaped, so every one separates.
    for (QStringView item : value.split(u'|'))
        items << unescape(item);
    return items;
}

QStringList toValues(const Entry &e)
{
    QStringList v(FieldTotal);
    v[FUserName] = escape(e.learner);
    v[FRunNr] = number(e.run);
    v[FWallTime] = e.when.toUTC().toString(Qt::ISODate);
    if (e.kind == Entry::Kind::ExamAttempt) {
        v[FKind] = ExamKind;
        v[FQuestions] = number(e.questions);
        v[FRightAnswers] = number(e.right);
        v[FWrongQuestions] = joinList(e.wrongQuestions);
        v[FWrongComments] = joinList(e.wrongComments);
        return v;
    }
    v[FKind] = AnswerKind;
    v[FMode] = number(e.mode);
    v[FScenarioID] = number(e.scenarioId);
    v[FScenarioName] = escape(e.scenarioName);
    v[FStartTid] = number(e.startTime);
    v[FPoangMin] = number(e.best);
    v[FPoangMax] = number(e.worst);
    v[FRumID] = number(e.room);
    v[FQuestion] = escape(e.question);
    v[FChosen] = e.chosen.join(u',');
    v[FChosenTexts] = joinList(e.chosenTexts);
    v[FKeyRow] = escape(e.keyRow);
    v[FAction] = escape(e.action);
    v[FStep] = stepText(e.step);
    v[FFeedback] = escape(e.feedback);
    v[FSimTime] = number(e.clock);
    v[FScore] = number(e.score);
    v[FPenalty] = number(e.penalty);
    return v;
}

std::optional<Entry> fromValues(const QStringList &v)
{
    if (v.size() != FieldTotal)
        return std::nullopt;
    Entry e;
    try {
        e.learner = unescape(v[FUserName]);
        e.run = conv::toInt32(v[FRunNr]);
        e.when = QDateTime::fromString(v[FWallTime], Qt::ISODate);
        if (e.learner.isEmpty() || e.run < 1 || !e.when.isValid())
            return std::nullopt;
        if (v[FKind] == ExamKind) {
            e.kind = Entry::Kind::ExamAttempt;
            e.questions = conv::toInt32(v[FQuestions]);
            e.right = conv::toInt32(v[FRightAnswers]);
            e.wrongQuestions = splitList(v[FWrongQuestions]);
            e.wrongComments = splitList(v[FWrongComments]);
            if (e.questions < 0 || e.right < 0 || e.right > e.questions)
                return std::nullopt;
            return e;
        }
        if (v[FKind] != AnswerKind)
            return std::nullopt;
        e.mode = conv::toInt32(v[FMode]);
        e.scenarioId = conv::toInt16(v[FScenarioID]);
        e.scenarioName = unescape(v[FScenarioName]);
        e.startTime = conv::toInt16(v[FStartTid]);
        e.best = conv::toInt16(v[FPoangMin]);
        e.worst = conv::toInt16(v[FPoangMax]);
        e.room = conv::toInt16(v[FRumID]);
        e.question = unescape(v[FQuestion]);
        if (!v[FChosen].isEmpty())
            e.chosen = v[FChosen].split(u',');
        for (const QString &n : std::as_const(e.chosen))
            conv::toInt16(n);
        e.chosenTexts = splitList(v[FChosenTexts]);
        e.keyRow = unescape(v[FKeyRow]);
        e.action = unescape(v[FAction]);
        const std::optional<Step> step = stepFrom(v[FStep]);
        if (!step || e.mode < 1 || e.mode > 3)
            return std::nullopt;
        e.step = *step;
        e.feedback = unescape(v[FFeedback]);
        e.clock = conv::toInt16(v[FSimTime]);
        e.score = conv::toInt16(v[FScore]);
        e.penalty = conv::toInt16(v[FPenalty]);
    } catch (const RuntimeError &) {
        // A number that is not one: the post makes no entry, which the caller reports.
        return std::nullopt;
    }
    return e;
}

Contents read(const QString &path)
{
    Contents contents;
    if (!QFileInfo::exists(path)) {
        contents.missing = true;
        return contents;
    }
    clsDataFile file;
    if (!file.readData(path) || file.fieldNames().size() != FieldTotal) {
        contents.damaged = true;
        return contents;
    }
    for (int i = 0; i < FieldTotal; ++i) {
        if (file.fieldNames().at(i).compare(fieldNames().at(i), Qt::CaseInsensitive) != 0) {
            contents.damaged = true;
            return contents;
        }
    }
    const QList<QStringList> data = file.allReadData();
    for (qint32 slot = 0; slot < file.numOfPostsRead(); ++slot) {
        QStringList values;
        values.reserve(FieldTotal);
        for (int column = 2; column < FieldTotal + 2; ++column)
            values << data[column][slot];
        std::optional<Entry> entry = fromValues(values);
        if (!entry) {
            contents.damaged = true;
            contents.entries.clear();
            return contents;
        }
        contents.entries << std::move(*entry);
    }
    return contents;
}

QList<Run> runsOf(const QList<Entry> &entries, const QString &learner)
{
    QList<Run> runs;
    QHash<int, qsizetype> index;
    for (const Entry &e : entries) {
        if (e.learner != learner)
            continue;
        auto found = index.constFind(e.run);
        if (found == index.constEnd()) {
            found = index.insert(e.run, runs.size());
            runs << Run{learner, e.run, {}};
        }
        runs[*found].entries << e;
    }
    return runs;
}

int unfinishedRun(const QList<Entry> &entries, const QString &learner, int mode, qint16 scenarioId)
{
    const QList<Run> runs = runsOf(entries, learner);
    for (qsizetype i = runs.size() - 1; i >= 0; --i) {
        const Run &run = runs[i];
        if (run.isExam() || run.entries.first().mode != mode)
            continue;
        // Only the latest run of the mode can still be going on.
        return run.entries.first().scenarioId == scenarioId && !run.finished() ? run.number : 0;
    }
    return 0;
}

ScenarioFigures figures(const QList<Run> &runs, qint16 scenarioId, int mode)
{
    ScenarioFigures f;
    for (const Run &run : runs) {
        if (run.isExam() || !run.finished() || run.last().mode != mode || run.last().scenarioId != scenarioId)
            continue;
        const qint16 score = run.last().score;
        f.best = f.finished == 0 ? score : std::min(f.best, score); // penalty points: fewer is better
        f.latest = score;
        ++f.finished;
    }
    return f;
}

Opened openOrRenew(const QString &path, const QDateTime &now)
{
    Opened opened;
    opened.contents = read(path);
    if (!opened.contents.damaged)
        return opened;
    try {
        const FileLock lock(path);
        if (!lock.held())
            throw RuntimeError(ErrPermissionDenied, QStringLiteral("another program holds it"));
        // Another program may have renewed it meanwhile.
        opened.contents = read(path);
        if (!opened.contents.damaged)
            return opened;
        opened.backupPath = renew(path, now);
        opened.contents = Contents{};
        opened.notice = renewedNotice(path, opened.backupPath);
    } catch (const RuntimeError &e) {
        opened.notice = QStringLiteral("The record of your runs (%1) could not be read and could not be "
                                       "started anew: %2. Your progress is not affected.")
                            .arg(QDir::toNativeSeparators(path), e.description());
    }
    return opened;
}

Appended append(const QString &path, Entry entry, const QDateTime &now)
{
    Appended result;
    try {
        const FileLock lock(path);
        if (!lock.held())
            throw RuntimeError(ErrPermissionDenied, QStringLiteral("another program holds it"));
        if (!QFileInfo::exists(path)) {
            writeWhole(path, {});
        } else if (!headerIsOurs(path)) {
            result.notice = renewedNotice(path, renew(path, now));
        }
        if (entry.run == 0) {
            Contents contents = read(path);
            if (contents.damaged) {
                result.notice = renewedNotice(path, renew(path, now));
                contents = Contents{};
            }
            int last = 0;
            for (const Entry &e : std::as_const(contents.entries))
                if (e.learner == entry.learner)
                    last = std::max(last, e.run);
            entry.run = last + 1;
            if (prune(contents.entries, entry.learner))
                writeWhole(path, contents.entries);
        }
        clsDataFile file;
        if (!file.addPost(path, toValues(entry)))
            throw RuntimeError(file.lastErrorNumber() ? file.lastErrorNumber() : ErrPathFileAccess,
                               file.lastErrorText());
        result.written = true;
        result.run = entry.run;
    } catch (const RuntimeError &e) {
        result.notice = failedNotice(path, e.description());
    }
    return result;
}

} // namespace haz::runrecord
