// Table-file speed and memory, each beside its floor (Floors.h) measured in the same run:
//  - readData + findPosts of the last learner of a 10,000-learner progress file (8-bit)
//    and of the last post of a 5,000-post caption table (UTF-16), against reading the
//    file and counting its line ends, vectorised (goal: 1.5x);
//  - signing a learner in (one reading of the progress file shared by the learner's
//    counters, the tactics list and the scenario bars) at 10,000 and 30,000
//    learners, against the same read floor (goal: 2x);
//  - the save at exit, which is also the save after an answer (saveLearnerProgress:
//    one reading and one rewrite), at 100, 10,000 and 30,000 learners, against the
//    crash-safe rewrite: copy, flush, rename, flush the folder (goal: 2x);
//  - peak memory of reading a 200 MB progress file, against the file's size (goal: 3x).
// The ratios are printed at the end.

#include "MessageService.h"
#include "Platform.h"
#include "ProgressFile.h"
#include "ProgressLayout.h"
#include "ProgressOverviewRatings.h"
#include "RuntimeError.h"
#include "ScenarioLaunch.h"
#include "SignIn.h"
#include "TableCache.h"
#include "TextCodec.h"
#include "clsDataFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include "Floors.h"
#include "RatioReporter.h"

#include <cstdio>
#include <cstring>
#include <map>
#include <string>

namespace {

constexpr int Learners = 10000;
constexpr int ProgressFields = 48;
constexpr int CaptionPosts = 5000;

QTemporaryDir *workDir = nullptr;
QString progressPath;
QString captionPath;
QString iniDir;
std::map<int, QString> progressFiles; // by number of learners

QString makeProgressFile(int learners)
{
    const QStringList fields = haz::progress::fieldNames();
    haz::clsDataFile file;
    file.setNonUniCodeMode(true);
    const QString name = QStringLiteral("en%1.ini").arg(learners);
    file.createFileNHead(name, workDir->path(), QStringLiteral("Users"), fields);
    for (int i = 0; i < learners; ++i) {
        QStringList values{QStringLiteral("Learner %1").arg(i)};
        for (int f = 2; f <= ProgressFields; ++f)
            values << QString::number((i * 7 + f) % 100 - 1);
        file.savePost(values);
    }
    file.exitFileWrite();
    return QDir(workDir->path()).filePath(name);
}

// A scenario table of three scenarios, as the tactics list and the bars read it.
QString makeScenarioTable()
{
    const QString folder = QDir(workDir->path()).filePath(QStringLiteral("ini"));
    QDir().mkpath(folder);
    haz::clsDataFile file;
    file.createFileNHead(QStringLiteral("Scenario.ini"), folder, QStringLiteral("Scenario"),
                         {"sc_id", "Namn", "Besk", "StartTid", "PoangMin", "PoangMax", "Logo", "Temp", "Vind"});
    for (int i = 1; i <= 3; ++i)
        file.savePost({QString::number(i), QStringLiteral("Scenario %1").arg(i), "", "480", "0", "40", "", "", ""});
    file.exitFileWrite();
    return folder;
}

QString makeCaptionFile()
{
    haz::clsDataFile file;
    file.createFileNHead(QStringLiteral("captions.ini"), workDir->path(), QStringLiteral("Captions"),
                         {"ObjId", "Text", "Tooltip"});
    for (int i = 0; i < CaptionPosts; ++i)
        file.savePost({QStringLiteral("control%1").arg(i), QStringLiteral("Caption text number %1 – åäö").arg(i),
                       i % 3 ? QString() : QStringLiteral("A tooltip for control %1").arg(i)});
    file.exitFileWrite();
    return QDir(workDir->path()).filePath(QStringLiteral("captions.ini"));
}

void readFloor(const QString &path, bool utf16, benchmark::State &state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(floors::readAndCountLineEnds(path, utf16));
}

void BM_ProgressBaselineLineEnds(benchmark::State &state) { readFloor(progressPath, false, state); }
void BM_CaptionBaselineLineEnds(benchmark::State &state) { readFloor(captionPath, true, state); }
void BM_ProgressReadFloor(benchmark::State &state) { readFloor(progressFiles.at(int(state.range(0))), false, state); }

void BM_ProgressReadFindLast(benchmark::State &state)
{
    const QString last = QStringLiteral("Learner %1").arg(Learners - 1);
    for (auto _ : state) {
        haz::clsDataFile file;
        file.setNonUniCodeMode(true);
        file.readData(progressPath);
        const haz::FindResult r = file.findPosts(QStringLiteral("UserName"), last);
        if (!r.hasMatch())
            state.SkipWithError("last learner not found");
        benchmark::DoNotOptimize(r.at(1, 1));
    }
}

void BM_CaptionReadFindLast(benchmark::State &state)
{
    const QString last = QStringLiteral("control%1").arg(CaptionPosts - 1);
    for (auto _ : state) {
        haz::clsDataFile file;
        file.readData(captionPath);
        const haz::FindResult r = file.findPosts(QStringLiteral("ObjId"), last);
        if (!r.hasMatch())
            state.SkipWithError("last caption not found");
        benchmark::DoNotOptimize(r.at(3, 1));
    }
}

void BM_CrashSafeRewrite(benchmark::State &state)
{
    const QString path = progressFiles.at(int(state.range(0)));
    for (auto _ : state)
        if (!floors::crashSafeRewrite(path))
            state.SkipWithError("rewrite failed");
}

void BM_ProgressSaveAtExit(benchmark::State &state)
{
    const int learners = int(state.range(0));
    const QString path = progressFiles.at(learners);
    haz::ScriptedMessages messages;
    training::LearnerProgress progress;
    const QString last = QStringLiteral("Learner %1").arg(learners - 1);
    int n = 0;
    for (auto _ : state) {
        progress.selTab = n++ % 10;
        if (training::progress::saveLearnerProgress(path, last, progress, progress.selTab, messages, {})
            != training::progress::SaveOutcome::Saved)
            state.SkipWithError("save failed");
    }
}

// What signing in reads and works out, without the windows: the learner looked up
// (one reading), the counters, the tactics list and the three scenario bars.
void BM_SignIn(benchmark::State &state)
{
    const int learners = int(state.range(0));
    const QString path = progressFiles.at(learners);
    const QString last = QStringLiteral("Learner %1").arg(learners - 1);
    haz::TableCache tables;
    for (auto _ : state) {
        haz::LastError failures;
        const training::SignInResult result = training::signInLearner(last, path, failures);
        if (!result.record) {
            state.SkipWithError("learner not found");
            break;
        }
        training::LearnerProgress progress;
        training::progress::readLearnerProgress(*result.record, progress);
        const auto table = tables.table(training::launch::scenarioTablePath(iniDir));
        const auto items = training::launch::scenarioListOf(*table, result.record);
        const training::ScenarioBars bars = training::scenarioBars(training::scenarioListsOf(*result.record),
                                                                   training::scenarioTableOf(*table),
                                                                   progress.excerQuizPos);
        benchmark::DoNotOptimize(items);
        benchmark::DoNotOptimize(bars);
    }
}

BENCHMARK(BM_ProgressBaselineLineEnds)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ProgressReadFindLast)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CaptionBaselineLineEnds)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CaptionReadFindLast)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ProgressReadFloor)->Arg(10000)->Arg(30000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SignIn)->Arg(10000)->Arg(30000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CrashSafeRewrite)->Arg(100)->Arg(10000)->Arg(30000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ProgressSaveAtExit)->Arg(100)->Arg(10000)->Arg(30000)->Unit(benchmark::kMillisecond);

// Kilobytes of a line of /proc/self/status ("VmRSS:", "VmHWM:").
long statusKb(const char *key)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith(key))
            return line.mid(int(std::strlen(key))).trimmed().split(' ').value(0).toLong();
    return -1;
}

// The peak memory that reading a progress file of about `megabytes` adds, beside its size.
void measureReadPeak(qint64 megabytes)
{
    const QString path = QDir(workDir->path()).filePath(QStringLiteral("big.ini"));
    {
        QFile out(path);
        out.open(QIODevice::WriteOnly);
        QByteArray chunk = "[Users]\r\n";
        for (const QString &field : haz::progress::fieldNames())
            chunk += "FieldName=" + field.toLatin1() + "\r\n";
        for (int i = 0; out.size() + chunk.size() < megabytes * 1024 * 1024; ++i) {
            chunk += "\r\n\r\n\r\n[" + QByteArray::number(i % 30000) + "]\r\nLearner " + QByteArray::number(i) + "\r\n";
            for (int f = 2; f <= ProgressFields; ++f)
                chunk += QByteArray::number((i * 7 + f) % 100 - 1) + "\r\n";
            if (chunk.size() > (1 << 20)) {
                out.write(chunk);
                chunk.clear();
            }
        }
        out.write(chunk);
    }
    const qint64 size = QFileInfo(path).size();
    // Start the peak afresh at what the process holds now.
    QFile clear(QStringLiteral("/proc/self/clear_refs"));
    if (!clear.open(QIODevice::WriteOnly) || clear.write("5") != 1) {
        std::printf("peak memory: cannot reset the peak on this system\n");
        return;
    }
    clear.close();
    const long before = statusKb("VmRSS:");
    bool read = false;
    {
        haz::clsDataFile file;
        file.setNonUniCodeMode(true);
        read = file.readData(path);
        benchmark::DoNotOptimize(file.numOfPostsRead());
    }
    const long peak = statusKb("VmHWM:");
    QFile::remove(path);
    const double ratio = double(peak - before) * 1024.0 / double(size);
    std::printf("%-50s %7.2fx  goal 3.0x: %s (%lld MB file%s)\n", "peak memory of readData / file size", ratio,
                ratio <= 3.0 ? "met" : "NOT met", static_cast<long long>(size >> 20), read ? "" : ", NOT read");
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    workDir = &dir;
    for (int learners : {100, 10000, 30000})
        progressFiles[learners] = makeProgressFile(learners);
    progressPath = progressFiles.at(Learners);
    captionPath = makeCaptionFile();
    iniDir = makeScenarioTable();
    std::printf("progress file: %lld bytes, caption table: %lld bytes\n",
                static_cast<long long>(QFile(progressPath).size()), static_cast<long long>(QFile(captionPath).size()));

    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    std::printf("\nRatios to baselines:\n");
    printRatio(reporter, "progress readData+findPosts / read floor", "BM_ProgressReadFindLast",
               "BM_ProgressBaselineLineEnds", 1.5);
    printRatio(reporter, "caption readData+findPosts / read floor", "BM_CaptionReadFindLast",
               "BM_CaptionBaselineLineEnds", 1.5);
    for (const char *n : {"10000", "30000"})
        printRatio(reporter, (std::string("sign-in / read floor, learners ") + n).c_str(),
                   std::string("BM_SignIn/") + n, std::string("BM_ProgressReadFloor/") + n, 2.0);
    for (const char *n : {"100", "10000", "30000"})
        printRatio(reporter, (std::string("save (exit, answer) / crash-safe rewrite, learners ") + n).c_str(),
                   std::string("BM_ProgressSaveAtExit/") + n, std::string("BM_CrashSafeRewrite/") + n, 2.0);
    haz::ScriptedMessages messages;
    for (int learners : {100, 10000, 30000}) {
        const QString path = progressFiles.at(learners);
        const QString last = QStringLiteral("Learner %1").arg(learners - 1);
        training::LearnerProgress progress;
        printInterleavedRatio(
            "save (exit, answer) / crash-safe rewrite, learners " + std::to_string(learners),
            [&] {
                progress.selTab = (progress.selTab + 1) % 10;
                return training::progress::saveLearnerProgress(path, last, progress, progress.selTab, messages, {})
                       == training::progress::SaveOutcome::Saved;
            },
            [&] { return floors::crashSafeRewrite(path); }, 2.0);
    }
    measureReadPeak(200);
    benchmark::Shutdown();
    return 0;
}
