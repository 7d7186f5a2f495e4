// Scenario speed, each beside a baseline measured in the same run:
//  - one answer (judge against the key, move to the next room, save the run) on a
//    progress file of 10,000 learners with tables of 1,000 rooms, against one
//    UpdateFieldPost of the same file. Goal: within 6x.
//  - start-up to the first question on screen, in-process, against building and
//    showing the same window, with all its controls, empty. Goal: within 2x.
// The ratios are printed at the end.
#include "MessageService.h"
#include "Platform.h"
#include "ProgressLayout.h"
#include "QuestionPanel.h"
#include "SceneArea.h"
#include "ScenarioProgram.h"
#include "ScenarioRun.h"
#include "TextCodec.h"
#include "clsDataFile.h"
#include "frmMain.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QWidget>

#include <benchmark/benchmark.h>

#include "RatioReporter.h"

#include <cstdio>
#include <map>
#include <string>

namespace {

constexpr int Learners = 10000;
constexpr int Rooms = 1000;
const QString Learner = QStringLiteral("Learner %1").arg(Learners - 1);

QString installDir;
QString progressPath;

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

void BM_OneFieldUpdate(benchmark::State &state)
{
    int n = 0;
    for (auto _ : state) {
        haz::clsDataFile file;
        file.setNonUniCodeMode(true);
        if (!file.UpdateFieldPost(progressPath, QStringLiteral("CurrentTime"), Learners - 1, QString::number(n++ % 50)))
            state.SkipWithError("update failed");
    }
}

void BM_OneAnswerJudgeAndSave(benchmark::State &state)
{
    haz::platform::setInstallationFolder(installDir);
    scenario::ScenarioRun run(QStringLiteral(" user=%1,mode=1").arg(Learner), installDir);
    run.start();
    for (auto _ : state) {
        const scenario::AnswerOutcome outcome = run.judge(QStringLiteral("1"));
        run.moveTo(outcome.targetRoom);
        if (!run.save())
            state.SkipWithError("not saved");
    }
}

QString smallInstall;

// The scenario window with all its controls (question column and scene area
// included) but nothing read into it.
void BM_EmptyWindowShown(benchmark::State &state)
{
    haz::LastError lastError;
    scenario::ScenarioRun run(QString(), smallInstall);
    for (auto _ : state) {
        scenario::frmMain window;
        new scenario::QuestionPanel(window.scrollingPane(), lastError);
        new scenario::SceneArea(window.sceneFrame(), run);
        window.show();
        QApplication::processEvents();
    }
}

void BM_StartUpToFirstQuestion(benchmark::State &state)
{
    haz::ScriptedMessages messages;
    haz::platform::setInstallationFolder(smallInstall);
    for (auto _ : state) {
        scenario::ScenarioProgram program(QStringLiteral(" user=Learner 9,mode=1"), messages, [](int) {}, smallInstall);
        if (program.start() != scenario::ScenarioProgram::StartResult::Started)
            state.SkipWithError("start-up failed");
        QApplication::processEvents();
    }
}

BENCHMARK(BM_OneFieldUpdate)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OneAnswerJudgeAndSave)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_EmptyWindowShown)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StartUpToFirstQuestion)->Unit(benchmark::kMillisecond);


} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir home;
    qputenv("HOME", QFile::encodeName(home.path()));
    qunsetenv("XDG_DOCUMENTS_DIR");
    QApplication app(argc, argv);

    QTemporaryDir install;
    installDir = install.path();
    makeInstallation(installDir, Rooms, "Users");
    progressPath = makeProgressFile(haz::platform::documentsFolder(), Learners, "Users");
    // Start-up on a course and a class of the usual size.
    QTemporaryDir small;
    smallInstall = small.path();
    makeInstallation(smallInstall, 8, "SmallUsers");
    makeProgressFile(haz::platform::documentsFolder(), 20, "SmallUsers");
    std::printf("progress file: %lld bytes, fraga.ini: %lld bytes\n",
                static_cast<long long>(QFile(progressPath).size()),
                static_cast<long long>(QFile(installDir + "/ini/fraga.ini").size()));

    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    std::printf("\nRatios to baselines:\n");
    printRatio(reporter, "one answer (judge + save) / one field update", "BM_OneAnswerJudgeAndSave",
               "BM_OneFieldUpdate", 6.0);
    printRatio(reporter, "start-up to first question / empty window shown", "BM_StartUpToFirstQuestion",
               "BM_EmptyWindowShown", 2.0);
    benchmark::Shutdown();
    return 0;
}
