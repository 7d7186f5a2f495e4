// Scenario speed, each beside its floor measured in the same run:
//  - one answer (judge against the key, the next room's question, its scene picture,
//    the clock and the save of the run) on a progress file of 10,000 learners, with
//    tables of 10 and of 5,000 rooms, against reading the four scenario tables
//    (line ends counted, vectorised) and one crash-safe rewrite of the progress
//    file. Goal: 1.5x.
// Start-up is measured as processes by startup_bench.
// The ratios are printed at the end.
#include "MessageService.h"
#include "Platform.h"
#include "ProgressLayout.h"
#include "ScenarioRun.h"
#include "TextCodec.h"
#include "clsDataFile.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include "Floors.h"
#include "RatioReporter.h"

#include <cstdio>
#include <map>
#include <string>

namespace {

constexpr int Learners = 10000;
const QString Learner = QStringLiteral("Learner %1").arg(Learners - 1);

struct Installation {
    QString folder;
    QString progressPath;
};
std::map<int, Installation> installations; // by number of rooms

void writeTable(const QString &folder, const QString &name, const QString &table, const QStringList &fields,
                const QList<QStringList> &rows, bool ansi = false)
{
    haz::clsDataFile file;
    file.setNonUniCodeMode(ansi);
    QDir().mkpath(folder);
    file.createFileNHead(name, folder, table, fields);
    for (const QStringList &row : rows)
        file.savePost(row);
    file.exitFileWrite();
}

void makeInstallation(const QString &folder, int rooms, const QString &stem)
{
    const QString ini = folder + QStringLiteral("/ini");
    QFile lang(folder + QStringLiteral("/Lang.ini"));
    lang.open(QIODevice::WriteOnly);
    lang.write("en\r\nEnglish\r\n");
    lang.close();
    writeTable(ini, "captions.ini", "Captions", {"ObjId", "Text", "Tooltip"},
               {{"frmMain_caption", "Course", ""}, {"iniMyDoc", stem, ""}, {"icon", "03", ""},
                {"cmdSvara", "Answer", ""}, {"SimTidTimmar", "h", ""}, {"SimTidMinuter", "min", ""},
                {"SvarForsokIgen", "Try again", ""}});
    writeTable(ini, "scenario.ini", "Scenario",
               {"sc_id", "Namn", "Besk", "StartTid", "PoangMin", "PoangMax", "Logo", "Temp", "Vind"},
               {{"1", "Bench", "", "480", "0", "10", "", "", ""}});
    QList<QStringList> fraga, alternatives, key, pictures;
    for (int room = 1; room <= rooms; ++room) {
        const QString r = QString::number(room);
        fraga << QStringList{r, "1", "Question of room " + r, "Hint", "", "jn", "1", room == 1 ? "True" : "False",
                             "", "0", "Status of room " + r, "", "1", "1"};
        for (int a = 1; a <= 4; ++a)
            alternatives << QStringList{QString::number(a), r, "1", "Alternative " + QString::number(a),
                                        QString::number(a)};
        key << QStringList{r, "1", "1", "R" + QString::number(room % rooms + 1), ""}
            << QStringList{r, "1", "2,3", "R" + r, ""} << QStringList{r, "1", "*", "R" + r, ""};
        pictures << QStringList{r, "1", "a.jpg", "1"} << QStringList{r, "1", "b.jpg", "2"};
    }
    writeTable(ini, "fraga.ini", "Fraga",
               {"RumID", "sc_id", "Fraga", "FragaLedtext", "Bild", "Typ", "eventAddtime", "StartFraga", "X",
                "Poang", "Status", "Infolank", "Fraga_Lines", "FragaLedtext_Lines"},
               fraga);
    writeTable(ini, "svarsalt.ini", "SvarsAlt", {"SvarsAltID", "RumID", "sc_id", "Namn", "Order"}, alternatives);
    writeTable(ini, "facit.ini", "Facit", {"RumID", "sc_id", "Svar", "Action", "DialogText"}, key);
    writeTable(ini, "bilder.ini", "Bilder", {"RumID", "sc_id", "Namn", "Order"}, pictures);
}

QString makeProgressFile(const QString &documents, int learners, const QString &stem)
{
    QList<QStringList> posts;
    for (int i = 0; i < learners; ++i) {
        QStringList values{QStringLiteral("Learner %1").arg(i)};
        for (int f = 2; f <= haz::progress::FieldCount; ++f)
            values << QStringLiteral("-1");
        values[haz::progress::position("CurrentScenario") - 1] = "1";
        posts << values;
    }
    writeTable(documents, "en" + stem + ".ini", "UserData", haz::progress::fieldNames(), posts, true);
    return documents + "/en" + stem + ".ini";
}

// The floor of an answer: the four tables read and the progress file rewritten safely.
bool answerFloor(const Installation &at)
{
    for (const char *table : {"fraga.ini", "svarsalt.ini", "facit.ini", "bilder.ini"})
        benchmark::DoNotOptimize(floors::readAndCountLineEnds(at.folder + "/ini/" + table, true));
    return floors::crashSafeRewrite(at.progressPath);
}

void BM_AnswerFloor(benchmark::State &state)
{
    const Installation &at = installations.at(int(state.range(0)));
    for (auto _ : state) {
        if (!answerFloor(at))
            state.SkipWithError("rewrite failed");
    }
}

// One answer as the window gives it: the key, the next room's question, its scene
// picture, the clock and the save of the run.
bool answerOnce(scenario::ScenarioRun &run)
{
    const scenario::AnswerOutcome outcome = run.judge(QStringLiteral("1"));
    run.moveTo(outcome.targetRoom);
    const scenario::ScenarioFiles &files = run.files();
    const qint16 pictures = scenario::clsBild::getImageCount(files, run.state().scenarioId, run.state().roomId);
    benchmark::DoNotOptimize(scenario::clsBild::getImage(files, run.state().scenarioId, run.state().roomId, 1));
    benchmark::DoNotOptimize(pictures);
    benchmark::DoNotOptimize(run.clockText());
    return run.save();
}


void BM_OneAnswer(benchmark::State &state)
{
    const Installation &at = installations.at(int(state.range(0)));
    haz::platform::setInstallationFolder(at.folder);
    scenario::ScenarioRun run(QStringLiteral(" user=%1,mode=1").arg(Learner), at.folder);
    run.start();
    for (auto _ : state)
        if (!answerOnce(run))
            state.SkipWithError("not saved");
}

BENCHMARK(BM_AnswerFloor)->Arg(10)->Arg(5000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OneAnswer)->Arg(10)->Arg(5000)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir home;
    qputenv("HOME", QFile::encodeName(home.path()));
    qunsetenv("XDG_DOCUMENTS_DIR");
    QApplication app(argc, argv);

    QTemporaryDir folders;
    for (int rooms : {10, 5000}) {
        Installation &at = installations[rooms];
        at.folder = folders.path() + QStringLiteral("/install%1").arg(rooms);
        const QString stem = QStringLiteral("Users%1").arg(rooms);
        QDir().mkpath(at.folder);
        makeInstallation(at.folder, rooms, stem);
        at.progressPath = makeProgressFile(haz::platform::documentsFolder(), Learners, stem);
    }
    std::printf("progress file: %lld bytes, fraga.ini of 5,000 rooms: %lld bytes\n",
                static_cast<long long>(QFile(installations.at(5000).progressPath).size()),
                static_cast<long long>(QFile(installations.at(5000).folder + "/ini/fraga.ini").size()));

    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    std::printf("\nRatios to baselines:\n");
    for (const char *rooms : {"10", "5000"})
        printRatio(reporter, std::string("one answer / four tables read + crash-safe rewrite, rooms ") + rooms,
                   std::string("BM_OneAnswer/") + rooms, std::string("BM_AnswerFloor/") + rooms, 1.5);
    for (int rooms : {10, 5000}) {
        const Installation &at = installations.at(rooms);
        haz::platform::setInstallationFolder(at.folder);
        scenario::ScenarioRun run(QStringLiteral(" user=%1,mode=1").arg(Learner), at.folder);
        run.start();
        printInterleavedRatio("one answer / four tables read + crash-safe rewrite, rooms " + std::to_string(rooms),
                              [&] { return answerOnce(run); }, [&] { return answerFloor(at); }, 1.5);
    }
    benchmark::Shutdown();
    return 0;
}
