#include "ClassReport.h"

#include "Conversions.h"
#include "ProgressLayout.h"
#include "QuizList.h"
#include "RunRecord.h"
#include "RuntimeError.h"
#include "ScenarioTables.h"
#include "basMain.h"
#include "clsDataFile.h"

#include <QFileInfo>
#include <QHash>

#include <algorithm>

namespace coursetool {

const QList<SubjectColumn> &subjectColumns()
{
    static const QList<SubjectColumn> columns{
        {QStringLiteral("Ident"), QStringLiteral("ide")},   {QStringLiteral("Phys"), QStringLiteral("phys")},
        {QStringLiteral("Prot"), QStringLiteral("prot")},   {QStringLiteral("Hazard"), QStringLiteral("haz")},
        {QStringLiteral("NBC"), QStringLiteral("NBC")},
    };
    return columns;
}

qint32 ScenarioRuns::best() const
{
    return scores.isEmpty() ? 0 : *std::min_element(scores.begin(), scores.end());
}

QString modeName(RunMode mode)
{
    return haz::runrecord::modeName(static_cast<int>(mode));
}

QList<std::pair<RunMode, qint16>> ClassReport::scenarioColumns() const
{
    QList<std::pair<RunMode, qint16>> columns;
    for (const LearnerResult &learner : learners)
        for (auto it = learner.scenarios.keyBegin(); it != learner.scenarios.keyEnd(); ++it)
            if (!columns.contains(*it))
                columns << *it;
    std::sort(columns.begin(), columns.end());
    return columns;
}

qsizetype ClassReport::mostExamAttempts() const
{
    qsizetype most = 0;
    for (const LearnerResult &learner : learners)
        most = std::max(most, learner.examAttempts.size());
    return most;
}

namespace {

// A file named twice (or through a link) is still one machine's file.
QList<QFileInfo> distinctFiles(const QStringList &files)
{
    QList<QFileInfo> infos;
    QStringList canonical;
    for (const QString &file : files) {
        const QFileInfo info(file);
        const QString real = info.canonicalFilePath().isEmpty() ? info.absoluteFilePath() : info.canonicalFilePath();
        if (!canonical.contains(real)) {
            canonical << real;
            infos << info;
        }
    }
    return infos;
}

void sortByName(QList<LearnerResult> &learners)
{
    std::sort(learners.begin(), learners.end(),
              [](const LearnerResult &a, const LearnerResult &b) { return a.name < b.name; });
}

RunMode runMode(int mode)
{
    return mode == 2 ? RunMode::Exercise : mode == 3 ? RunMode::Exam : RunMode::Tactics;
}

// Training's rule for a number field: "-1" (no value yet) and anything that is not a
// number count as 0.
qint32 number(const QString &text)
{
    try {
        const qint32 value = haz::conv::toInt32(text);
        return value == -1 ? 0 : value;
    } catch (const haz::RuntimeError &) {
        return 0;
    }
}

// The parallel completed lists of one mode: scenario numbers and scores, newest first.
void addRuns(LearnerResult &learner, RunMode mode, const QString &scenarioList, const QString &scoreList)
{
    if (scenarioList == QLatin1String("-1") || scoreList == QLatin1String("-1"))
        return;
    const QStringList ids = scenarioList.split(u',');
    const QStringList scores = scoreList.split(u',');
    for (qsizetype i = 0; i < std::min(ids.size(), scores.size()); ++i) {
        try {
            const qint16 id = haz::conv::toInt16(ids[i]);
            const qint32 score = haz::conv::toInt32(scores[i]);
            if (id != -1)
                learner.scenarios[{mode, id}].scores.append(score);
        } catch (const haz::RuntimeError &) {
            // An entry that is not a number is no run; the others still count.
        }
    }
}

LearnerResult readLearner(const haz::clsDataFile &table, int slot, const QString &file, const QDateTime &changed)
{
    const auto field = [&](const QString &name) { return table.getPostPosField(slot, name); };
    LearnerResult learner;
    learner.name = haz::conv::trimBlanks(field(QStringLiteral("UserName"))).toString();
    learner.file = file;
    learner.changed = changed;
    for (const SubjectColumn &subject : subjectColumns())
        learner.subjects.append({number(field(subject.prefix + QStringLiteral("QuizPos"))),
                                 number(field(subject.prefix + QStringLiteral("QuizCorr")))});
    learner.exercise = {number(field(QStringLiteral("excerQuizPos"))), number(field(QStringLiteral("excerQuizCorr")))};
    learner.exam = {number(field(QStringLiteral("examQuizPos"))), number(field(QStringLiteral("examQuizCorr")))};
    for (RunMode mode : {RunMode::Tactics, RunMode::Exercise, RunMode::Exam}) {
        const haz::progress::ScenarioFields names = haz::progress::scenarioFields(static_cast<int>(mode));
        addRuns(learner, mode, field(names.completedScenarios), field(names.completedScores));
    }
    return learner;
}

} // namespace

CourseFacts readCourseFacts(const QString &installFolder)
{
    CourseFacts facts;
    const QString ini = installFolder + QStringLiteral("/ini/");
    const QStringList quizFiles = training::basMain::quizListFiles();
    for (const SubjectColumn &subject : subjectColumns()) {
        qint32 count = 0;
        QList<training::QuizQuestion> list;
        haz::LastError lastError;
        for (const QString &file : quizFiles)
            if (file.startsWith(subject.name + u'.'))
                training::readQuizList(list, count, ini + file, lastError);
        facts.subjectQuestions.append(count);
    }
    haz::clsDataFile table;
    if (table.readData(ini + QStringLiteral("scenario.ini"))) {
        const scenario::ScenarioFiles files(installFolder);
        for (int slot = 0; slot < table.numOfPostsRead(); ++slot) {
            try {
                bool found = false;
                const qint16 id = haz::conv::toInt16(table.getPostPosField(slot, QStringLiteral("sc_id")));
                const scenario::clsScenario s = scenario::clsScenario::getScenario(files, id, &found);
                if (found && !facts.scenarioNames.contains(id)) {
                    facts.scenarioNames.insert(id, s.Namn);
                    facts.scenarioRange.insert(id, {s.PoangMin, s.PoangMax});
                }
            } catch (const haz::RuntimeError &) {
                // A scenario the program could not play has no name to show.
            }
        }
    }
    return facts;
}

ClassReport mergeProgressFiles(const QStringList &files)
{
    ClassReport report;
    // Oldest first, so that a later file's values replace an earlier one's.
    QList<QFileInfo> infos = distinctFiles(files);
    std::stable_sort(infos.begin(), infos.end(),
                     [](const QFileInfo &a, const QFileInfo &b) { return a.lastModified() < b.lastModified(); });
    QHash<QString, qsizetype> index;
    QHash<QString, QStringList> filesOf; // oldest first
    for (const QFileInfo &info : infos) {
        haz::clsDataFile table;
        table.setNonUniCodeMode(true);
        if (!table.readData(info.filePath())) {
            report.notes << QStringLiteral("%1 could not be read as a progress file; it is left out").arg(info.filePath());
            continue;
        }
        const QDateTime changed = info.lastModified().toUTC();
        QStringList seen;
        for (int slot = 0; slot < table.numOfPostsRead(); ++slot) {
            LearnerResult learner = readLearner(table, slot, info.filePath(), changed);
            if (learner.name.isEmpty() || seen.contains(learner.name))
                continue; // the programs only ever find a name's first post
            seen << learner.name;
            filesOf[learner.name] << info.filePath();
            if (const auto at = index.find(learner.name); at != index.end()) {
                report.learners[*at] = std::move(learner);
            } else {
                index.insert(learner.name, report.learners.size());
                report.learners.append(std::move(learner));
            }
        }
    }
    for (const LearnerResult &learner : report.learners) {
        QStringList in = filesOf.value(learner.name);
        if (in.size() < 2)
            continue;
        const QString last = in.takeLast();
        report.notes << QStringLiteral("%1 is in %2 and %3; the values of %3 (changed %4) are used")
                            .arg(learner.name, in.join(QStringLiteral(", ")), last,
                                 learner.changed.toString(Qt::ISODate));
    }
    sortByName(report.learners);
    return report;
}

void mergeRunRecords(ClassReport &report, const QStringList &records)
{
    report.withRecords = true;
    struct Found {
        QString record;
        haz::runrecord::Run run;
    };
    QMap<QString, QList<Found>> found; // by learner, in the order the records were given
    for (const QFileInfo &info : distinctFiles(records)) {
        const haz::runrecord::Contents contents = haz::runrecord::read(info.filePath());
        if (contents.missing || contents.damaged) {
            report.notes << QStringLiteral("%1 %2; it is left out")
                                .arg(info.filePath(), contents.missing ? QStringLiteral("does not exist")
                                                                       : QStringLiteral("could not be read as a run record"));
            continue;
        }
        // Each learner's entries apart first: a record holds many learners.
        QStringList names;
        QHash<QString, QList<haz::runrecord::Entry>> entriesOf;
        for (const haz::runrecord::Entry &entry : contents.entries) {
            QList<haz::runrecord::Entry> &own = entriesOf[entry.learner];
            if (own.isEmpty())
                names << entry.learner;
            own << entry;
        }
        for (const QString &name : names) {
            QList<Found> &runs = found[haz::conv::trimBlanks(name).toString()];
            for (haz::runrecord::Run &run : haz::runrecord::runsOf(entriesOf.value(name), name)) {
                // A copy of a record (or one continued from a copy) holds the same runs again.
                if (std::none_of(runs.begin(), runs.end(), [&](const Found &f) { return f.run.entries == run.entries; }))
                    runs.append({info.filePath(), std::move(run)});
            }
        }
    }

    QHash<QString, qsizetype> index;
    for (qsizetype i = 0; i < report.learners.size(); ++i)
        index.insert(report.learners[i].name, i);
    for (auto it = found.cbegin(); it != found.cend(); ++it) {
        if (it.key().isEmpty())
            continue;
        QStringList in;
        for (const Found &f : *it)
            if (!in.contains(f.record))
                in << f.record;
        if (!index.contains(it.key())) {
            LearnerResult only;
            only.name = it.key();
            only.subjects.resize(subjectColumns().size());
            index.insert(it.key(), report.learners.size());
            report.learners.append(std::move(only));
            report.notes << QStringLiteral("%1 is in %2 but in no progress file given").arg(it.key(), in.join(QStringLiteral(", ")));
        } else if (in.size() > 1) {
            report.notes << QStringLiteral("%1 has runs in %2; the runs of all of them count")
                                .arg(it.key(), in.join(QStringLiteral(", ")));
        }
        LearnerResult *learner = &report.learners[index.value(it.key())];
        learner->fromRecord = true;
        learner->scenarios.clear();
        learner->examAttempts.clear();

        // Finished runs in the order they ended, whichever machine they were played on.
        QList<const haz::runrecord::Run *> finished;
        for (const Found &f : *it)
            if (f.run.finished())
                finished << &f.run;
        std::stable_sort(finished.begin(), finished.end(),
                         [](const auto *a, const auto *b) { return a->last().when < b->last().when; });
        for (const haz::runrecord::Run *run : finished) {
            const haz::runrecord::Entry &last = run->last();
            if (run->isExam()) {
                learner->examAttempts.append({last.when.toUTC(), last.questions, last.right});
                continue;
            }
            ScenarioRuns &runs = learner->scenarios[{runMode(last.mode), last.scenarioId}];
            runs.scores.prepend(last.score);
            runs.finished.prepend(last.when.toUTC());
        }
    }
    sortByName(report.learners);
}

} // namespace coursetool
