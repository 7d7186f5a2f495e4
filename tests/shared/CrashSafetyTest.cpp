// A process that keeps writing a progress file of 1,000 learners is killed at a random
// moment, again and again. After each kill the file must read with every learner, the
// values of the step that was cut must be all old or all new, every other value must
// be as the steps before left it, and the next process must leave no temporary file
// of an earlier one behind. Two writers: one that updates fields and appends learners
// through the table store, and one that plays scenario runs and records every answer
// (four fields in one write) and every finished run the way the scenario program does,
// adding each answer to the run record too: after each kill that record reads whole,
// holding every answer added before the kill and nothing of one that was cut.

#include "ProgressLayout.h"
#include "RunRecord.h"
#include "TestEnvironment.h"
#include "clsDataFile.h"

#include <QDir>
#include <QProcess>
#include <QRandomGenerator>

#include <gtest/gtest.h>

#include <csignal>
#include <functional>

namespace {

constexpr int Learners = 1000;
constexpr int Kills = 200;

using Table = QList<QStringList>; // per post, the values of fields 1 .. n

// One line of a worker: "A <name>" appends a learner, "U <post> <field> <value>"
// writes one value, "W <post> <field>=<value> ..." writes several in one go, and
// "R <answer>" adds an answer to the run record.
struct Step {
    QString recorded;
    QString added;
    int post = 0;
    QList<QPair<int, QString>> values;
};

Step parseStep(const QString &line)
{
    const QStringList parts = line.split(u' ');
    Step step;
    if (parts.value(0) == QLatin1String("R")) {
        step.recorded = line.mid(2);
        return step;
    }
    if (parts.value(0) == QLatin1String("A")) {
        step.added = parts.value(1);
        return step;
    }
    step.post = parts.value(1).toInt();
    if (parts.value(0) == QLatin1String("U"))
        step.values.append({parts.value(2).toInt(), parts.value(3)});
    for (qsizetype i = 2; parts.value(0) == QLatin1String("W") && i < parts.size(); ++i)
        step.values.append({parts[i].section(u'=', 0, 0).toInt(), parts[i].section(u'=', 1)});
    return step;
}

void apply(Table &table, const Step &step, int fieldCount)
{
    if (!step.added.isEmpty()) {
        QStringList post{step.added};
        while (post.size() < fieldCount)
            post << QStringLiteral("-1");
        table << post;
    }
    for (const auto &[field, value] : step.values)
        table[step.post][field] = value;
}

Table readTable(const QString &path, const QStringList &fields, bool &ok)
{
    haz::clsDataFile file;
    file.setNonUniCodeMode(true);
    ok = file.readData(path) && file.fieldNames() == fields;
    Table table;
    for (qint32 slot = 0; ok && slot < file.numOfPostsRead(); ++slot) {
        QStringList post;
        for (const QString &field : fields)
            post << file.getPostPosField(slot, field);
        table << post;
    }
    return table;
}

// "Learner 0" .. "Learner 999" with "-1" in every field but those `adjust` sets.
Table writeLearners(const QString &folder, const std::function<void(QStringList &)> &adjust = {})
{
    const QStringList fields = haz::progress::fieldNames();
    haz::clsDataFile file;
    file.setNonUniCodeMode(true);
    EXPECT_TRUE(file.createFileNHead(QStringLiteral("enprogress.ini"), folder, QStringLiteral("Users"), fields));
    Table model;
    for (int i = 0; i < Learners; ++i) {
        QStringList post{QStringLiteral("Learner %1").arg(i)};
        while (post.size() < fields.size())
            post << QStringLiteral("-1");
        if (adjust)
            adjust(post);
        EXPECT_TRUE(file.savePost(post));
        model << post;
    }
    EXPECT_TRUE(file.exitFileWrite());
    return model;
}

// Temporary files of processes other than `running`.
QStringList foreignTemporaries(const QString &folder, qint64 running)
{
    QStringList names = QDir(folder).entryList({"*~*.ini"}, QDir::Files | QDir::Hidden);
    names.removeAll(QStringLiteral(".~%1.ini").arg(running));
    return names;
}

// Waits for complete lines from the worker until it has announced `wanted` steps.
QStringList readLines(QProcess &worker, QByteArray &pending, int wanted)
{
    QStringList lines;
    for (;;) {
        pending += worker.readAllStandardOutput();
        qsizetype end;
        while ((end = pending.indexOf('\n')) >= 0) {
            lines << QString::fromUtf8(pending.first(end));
            pending.remove(0, end + 1);
        }
        if (lines.size() >= wanted || !worker.waitForReadyRead(20000))
            return lines;
    }
}

// The run record's answers as the worker announces them.
QStringList recordedAnswers(const QString &path, bool &whole)
{
    const haz::runrecord::Contents contents = haz::runrecord::read(path);
    whole = !contents.damaged;
    QStringList answers;
    for (const haz::runrecord::Entry &e : contents.entries)
        answers << QStringLiteral("%1|%2|%3|%4|%5").arg(e.learner).arg(e.room).arg(e.clock).arg(e.score)
                       .arg(e.step == haz::runrecord::Step::Finish ? "finish"
                            : e.step == haz::runrecord::Step::Stay ? "stay"
                                                                   : "next");
    return answers;
}

// Starts `program` with `arguments` and a seed `Kills` times, lets it announce up to
// `mostSteps` steps and kills it; checks the file against `model` after each kill, and
// the run record at `recordPath` (when given) against the answers announced.
void killAgainAndAgain(const QString &program, const QStringList &arguments, const QString &path, Table &model,
                       int mostSteps, const QString &recordPath = {})
{
    QStringList recordModel;
    const QString folder = QFileInfo(path).absolutePath();
    const QStringList fields = haz::progress::fieldNames();
    QRandomGenerator random(20240613);
    int lastStepLanded = 0;
    for (int kill = 0; kill < Kills; ++kill) {
        QProcess worker;
        worker.start(program, arguments + QStringList{QString::number(random.generate())});
        ASSERT_TRUE(worker.waitForStarted());
        const pid_t pid = pid_t(worker.processId());
        ASSERT_GT(pid, 0);
        QByteArray pending;
        QStringList lines = readLines(worker, pending, 1);
        ASSERT_EQ(lines.value(0), QStringLiteral("S")) << worker.readAllStandardError().toStdString();
        ASSERT_EQ(foreignTemporaries(folder, pid), QStringList()) << "after kill " << kill;

        lines += readLines(worker, pending, int(random.bounded(1, mostSteps + 1)));
        // The last step announced runs for a random part of its time (or until the
        // next one is announced): the kill lands anywhere inside a write.
        worker.waitForReadyRead(int(random.bounded(0, 15)));
        ASSERT_EQ(worker.state(), QProcess::Running) << worker.readAllStandardError().toStdString();
        ::kill(pid, SIGKILL);
        ASSERT_TRUE(worker.waitForFinished());
        lines += readLines(worker, pending, 0);
        ASSERT_EQ(worker.exitStatus(), QProcess::CrashExit) << worker.readAllStandardError().toStdString();

        lines.removeFirst();
        ASSERT_FALSE(lines.isEmpty());
        for (qsizetype i = 0; i + 1 < lines.size(); ++i) {
            const Step step = parseStep(lines[i]);
            apply(model, step, int(fields.size()));
            if (!step.recorded.isEmpty())
                recordModel << step.recorded;
        }
        if (!recordPath.isEmpty()) {
            bool whole = false;
            const QStringList onDisk = recordedAnswers(recordPath, whole);
            ASSERT_TRUE(whole) << "run record unreadable after kill " << kill;
            const QString last = parseStep(lines.last()).recorded;
            if (!last.isEmpty() && onDisk == recordModel + QStringList{last})
                recordModel << last;
            ASSERT_EQ(onDisk, recordModel) << "run record lost or tore an answer after kill " << kill;
        }
        Table withLast = model;
        apply(withLast, parseStep(lines.last()), int(fields.size()));

        bool ok = false;
        const Table onDisk = readTable(path, fields, ok);
        ASSERT_TRUE(ok) << "unreadable after kill " << kill;
        if (onDisk == withLast) {
            model = withLast;
            ++lastStepLanded;
        } else {
            ASSERT_EQ(onDisk.size(), model.size()) << "learners lost or torn after kill " << kill;
            ASSERT_TRUE(onDisk == model) << "a value is neither old nor new after kill " << kill << ": "
                                         << lines.last().toStdString();
        }
    }
    testing::Test::RecordProperty("killsAfterTheStepLanded", lastStepLanded);
}

// Three rooms: from room 1, "1" leads on, "2" stays and anything else skips to room
// 3; from room 2, "1" leads on and anything else back; in room 3, "1" finishes, "2"
// stays and anything else starts over.
void writeScenarioInstallation(const haztest::TestEnvironment &env)
{
    env.writeInstallFile(QStringLiteral("Lang.ini"), haztest::ansi(QStringLiteral("en\r\nEnglish\r\n")));
    const auto table = [&](const QString &name, const QStringList &fields, const Table &rows) {
        haz::clsDataFile file;
        QDir(env.installFolder()).mkpath(QStringLiteral("ini"));
        ASSERT_TRUE(file.createFileNHead(name, env.installFolder() + QStringLiteral("/ini"), name, fields));
        for (const QStringList &row : rows)
            ASSERT_TRUE(file.savePost(row));
        ASSERT_TRUE(file.exitFileWrite());
    };
    table("captions.ini", {"ObjId", "Text", "Tooltip"}, {{"iniMyDoc", "progress", ""}, {"frmMain_caption", "Course", ""}});
    table("scenario.ini", {"sc_id", "Namn", "Besk", "StartTid", "PoangMin", "PoangMax", "Logo", "Temp", "Vind"},
          {{"1", "Spill", "", "480", "0", "9", "", "", ""}});
    Table rooms, alternatives;
    for (const QString room : {"1", "2", "3"}) {
        rooms << QStringList{room, "1", "Question", "", "", "jn", "5", room == "1" ? "True" : "False", "", "1", "", "", "1", "1"};
        for (const QString alternative : {"1", "2", "3"})
            alternatives << QStringList{alternative, room, "1", "Alternative", alternative};
    }
    table("fraga.ini", {"RumID", "sc_id", "Fraga", "FragaLedtext", "Bild", "Typ", "eventAddtime", "StartFraga", "X",
                        "Poang", "Status", "Infolank", "Fraga_Lines", "FragaLedtext_Lines"}, rooms);
    table("svarsalt.ini", {"SvarsAltID", "RumID", "sc_id", "Namn", "Order"}, alternatives);
    table("facit.ini", {"RumID", "sc_id", "Svar", "Action", "DialogText"},
          {{"1", "1", "1", "R2", ""}, {"1", "1", "2", "R1", ""}, {"1", "1", "*", "R3", ""},
           {"2", "1", "1", "R3", ""}, {"2", "1", "*", "R1", ""},
           {"3", "1", "1", "finish", ""}, {"3", "1", "2", "R3", ""}, {"3", "1", "*", "R1", ""}});
    table("bilder.ini", {"RumID", "sc_id", "Namn", "Order"}, {});
}

} // namespace

TEST(CrashSafety, KilledWritersNeverLoseOrTearTheProgressFile)
{
    haztest::TestEnvironment env;
    Table model = writeLearners(env.documentsFolder());
    const QString path = QDir(env.documentsFolder()).filePath(QStringLiteral("enprogress.ini"));
    killAgainAndAgain(QStringLiteral(HAZ_TABLE_WORKER), {"churn", path}, path, model, 6);
    EXPECT_GE(model.size(), Learners);
}

TEST(CrashSafety, KilledScenarioRunsKeepEachAnswerWholeAndOtherLearnersUntouched)
{
    haztest::TestEnvironment env;
    writeScenarioInstallation(env);
    // Every learner has a run of scenario 1 prepared in each mode.
    Table model = writeLearners(env.documentsFolder(), [](QStringList &post) {
        for (int mode = 1; mode <= 3; ++mode)
            post[haz::progress::position(haz::progress::scenarioFields(mode).scenario) - 1] = QStringLiteral("1");
    });
    const Table start = model;
    const QString path = QDir(env.documentsFolder()).filePath(QStringLiteral("enprogress.ini"));
    const QString record = haz::runrecord::pathBeside(path);
    killAgainAndAgain(QStringLiteral(HAZ_SCENARIO_WORKER), {env.installFolder()}, path, model, 4, record);
    EXPECT_EQ(model.size(), Learners);
    EXPECT_GT(haz::runrecord::read(record).entries.size(), Kills / 2);
    EXPECT_NE(model, start);
}
