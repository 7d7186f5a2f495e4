// The run record's cost, beside its baseline measured in the same run: one answer
// (judge, move to the next room, save the run in the progress file) with the answer
// added to the run record, against the same answer without it, on a progress file of
// 10,000 learners and a record that already holds 1,000 runs. Goal: within 1.5x.
// The ratio is printed at the end.
#include "Platform.h"
#include "ProgressLayout.h"
#include "RunRecord.h"
#include "ScenarioRun.h"
#include "clsDataFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdio>

namespace {

constexpr int Learners = 10000;
constexpr int RecordedRuns = 1000;
constexpr int AnswersPerRun = 8;
constexpr int Rooms = 20;

QString installDir;

void writeTable(const QString &folder, const QString &name, const QStringList &fields, const QList<QStringList> &rows,
                bool ansi = false)
{
    haz::clsDataFile file;
    file.setNonUniCodeMode(ansi);
    QDir().mkpath(folder);
    file.createFileNHead(name, folder, name, fields);
    for (const QStringList &row : rows)
        file.savePost(row);
    file.exitFileWrite();
}

// A scenario whose rooms lead round in a circle, so that answers never run out.
void makeInstallation(const QString &folder)
{
    const QString ini = folder + QStringLiteral("/ini");
    QDir().mkpath(folder);
    QFile lang(folder + QStringLiteral("/Lang.ini"));
    lang.open(QIODevice::WriteOnly);
    lang.write("en\r\nEnglish\r\n");
    lang.close();
    writeTable(ini, "captions.ini", {"ObjId", "Text", "Tooltip"}, {{"iniMyDoc", "Users", ""}});
    writeTable(ini, "scenario.ini", {"sc_id", "Namn", "Besk", "StartTid", "PoangMin", "PoangMax", "Logo", "Temp", "Vind"},
               {{"1", "Bench", "", "480", "0", "10", "", "", ""}});
    QList<QStringList> fraga, alternatives, key;
    for (int room = 1; room <= Rooms; ++room) {
        const QString r = QString::number(room);
        fraga << QStringList{r, "1", "Question of room " + r, "", "", "jn", "1", room == 1 ? "True" : "False", "",
                             "1", "Status", "", "1", "1"};
        for (int a = 1; a <= 4; ++a)
            alternatives << QStringList{QString::number(a), r, "1", "Alternative " + QString::number(a),
                                        QString::number(a)};
        key << QStringList{r, "1", "1", "R" + QString::number(room % Rooms + 1), ""};
    }
    writeTable(ini, "fraga.ini",
               {"RumID", "sc_id", "Fraga", "FragaLedtext", "Bild", "Typ", "eventAddtime", "StartFraga", "X", "Poang",
                "Status", "Infolank", "Fraga_Lines", "FragaLedtext_Lines"},
               fraga);
    writeTable(ini, "svarsalt.ini", {"SvarsAltID", "RumID", "sc_id", "Namn", "Order"}, alternatives);
    writeTable(ini, "facit.ini", {"RumID", "sc_id", "Svar", "Action", "DialogText"}, key);
    writeTable(ini, "bilder.ini", {"RumID", "sc_id", "Namn", "Order"}, {});
}

QString makeProgressFile(const QString &documents)
{
    QList<QStringList> posts;
    for (int i = 0; i < Learners; ++i) {
        QStringList values{QStringLiteral("Learner %1").arg(i)};
        for (int f = 2; f <= haz::progress::FieldCount; ++f)
            values << QStringLiteral("-1");
        values[haz::progress::position("CurrentScenario") - 1] = "1";
        posts << values;
    }
    writeTable(documents, "enUsers.ini", haz::progress::fieldNames(), posts, true);
    return documents + "/enUsers.ini";
}

// 1,000 finished runs of eight answers each, spread over the first learners.
void makeRecord(const QString &path)
{
    haz::clsDataFile file;
    const QFileInfo info(path);
    file.createFileNHead(info.fileName(), info.path(), QStringLiteral("RunRecord"), haz::runrecord::fieldNames());
    for (int run = 0; run < RecordedRuns; ++run) {
        for (int a = 0; a < AnswersPerRun; ++a) {
            haz::runrecord::Entry e;
            e.learner = QStringLiteral("Learner %1").arg(run % 500);
            e.run = run / 500 + 1;
            e.mode = 1;
            e.scenarioId = 1;
            e.scenarioName = QStringLiteral("Bench");
            e.room = qint16(a + 1);
            e.question = QStringLiteral("Question of room %1").arg(a + 1);
            e.chosen = {QStringLiteral("1")};
            e.chosenTexts = {QStringLiteral("Alternative 1")};
            e.keyRow = QStringLiteral("1");
            e.action = a + 1 == AnswersPerRun ? QStringLiteral("finish") : QStringLiteral("R%1").arg(a + 2);
            e.step = a + 1 == AnswersPerRun ? haz::runrecord::Step::Finish : haz::runrecord::Step::NextRoom;
            e.clock = qint16(481 + a);
            e.score = qint16(a + 1);
            e.when = QDateTime::currentDateTimeUtc();
            file.savePost(haz::runrecord::toValues(e));
        }
    }
    file.exitFileWrite();
}

void answerOnce(benchmark::State &state, scenario::ScenarioRun &run, bool recorded)
{
    const scenario::RoomView answered = run.loadRoom(run.state().roomId);
    const qint16 scoreBefore = run.state().score;
    const scenario::AnswerOutcome outcome = run.judge(QStringLiteral("1"));
    run.moveTo(outcome.targetRoom);
    // Keeps the 16-bit clock and score from overflowing over many iterations.
    run.state().simMinutes = 480;
    run.state().score = 0;
    if (!run.save())
        state.SkipWithError("not saved");
    if (recorded && !run.record(answered, QStringLiteral("1"), outcome, scoreBefore).isEmpty())
        state.SkipWithError("not recorded");
}

// The two kinds of answer take turns, so that both meet the same load on the disk (a
// save waits on it, and the machine shares it with other work); each is timed alone.
double withoutSeconds = 0, withSeconds = 0;

void BM_AnswerWithAndWithoutRecord(benchmark::State &state)
{
    scenario::ScenarioRun plain(QStringLiteral(" user=Learner %1,mode=1").arg(Learners - 1), installDir);
    scenario::ScenarioRun recorded(QStringLiteral(" user=Learner %1,mode=1").arg(Learners - 2), installDir);
    plain.start();
    recorded.start();
    withoutSeconds = withSeconds = 0;
    for (auto _ : state) {
        QElapsedTimer timer;
        timer.start();
        answerOnce(state, plain, false);
        const qint64 without = timer.nsecsElapsed();
        answerOnce(state, recorded, true);
        const qint64 with = timer.nsecsElapsed() - without;
        withoutSeconds += double(without) / 1e9;
        withSeconds += double(with) / 1e9;
        state.SetIterationTime(double(with) / 1e9);
    }
    state.counters["without_ms"] = withoutSeconds * 1e3 / double(state.iterations());
    state.counters["with_ms"] = withSeconds * 1e3 / double(state.iterations());
}

BENCHMARK(BM_AnswerWithAndWithoutRecord)->Unit(benchmark::kMillisecond)->UseManualTime()->MinTime(3.0);

} // namespace

int main(int argc, char **argv)
{
    QTemporaryDir home;
    qputenv("HOME", QFile::encodeName(home.path()));
    qunsetenv("XDG_DOCUMENTS_DIR");
    QCoreApplication app(argc, argv);

    QTemporaryDir install;
    installDir = install.path();
    makeInstallation(installDir);
    haz::platform::setInstallationFolder(installDir);
    const QString progress = makeProgressFile(haz::platform::documentsFolder());
    const QString record = haz::runrecord::pathBeside(progress);
    makeRecord(record);
    std::printf("progress file: %lld bytes, run record: %lld bytes (%d runs)\n",
                static_cast<long long>(QFile(progress).size()), static_cast<long long>(QFile(record).size()),
                RecordedRuns);

    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    if (withoutSeconds > 0) {
        const double ratio = withSeconds / withoutSeconds;
        std::printf("\nRatios to baselines:\n%-52s %6.2fx  goal %.1fx: %s\n",
                    "answer with the run record / answer without it", ratio, 1.5, ratio <= 1.5 ? "met" : "NOT met");
    }
    benchmark::Shutdown();
    return 0;
}
