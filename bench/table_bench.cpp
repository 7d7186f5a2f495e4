// Table-file speed, each beside a baseline measured in the same run:
//  - readData + findPosts of the last learner of a 10,000-learner progress file (8-bit)
//    and of the last post of a 5,000-post caption table (UTF-16), against reading the
//    file's bytes and splitting them into lines;
//  - UpdateFieldPost of one field of the last learner, against copying the file
//    (plain, and with the copy flushed to disk as the update does).
// Goal: both within 3x of their baselines. The ratios are printed at the end.

#include "Platform.h"
#include "TextCodec.h"
#include "clsDataFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>

namespace {

constexpr int Learners = 10000;
constexpr int ProgressFields = 48;
constexpr int CaptionPosts = 5000;

QTemporaryDir *workDir = nullptr;
QString progressPath;
QString captionPath;

QString makeProgressFile()
{
    QStringList fields{"UserName"};
    for (int f = 2; f <= ProgressFields; ++f)
        fields << QStringLiteral("Field%1").arg(f);
    haz::clsDataFile file;
    file.setNonUniCodeMode(true);
    file.createFileNHead(QStringLiteral("enprogress.ini"), workDir->path(), QStringLiteral("Users"), fields);
    for (int i = 0; i < Learners; ++i) {
        QStringList values{QStringLiteral("Learner %1").arg(i)};
        for (int f = 2; f <= ProgressFields; ++f)
            values << QString::number((i * 7 + f) % 100 - 1);
        file.savePost(values);
    }
    file.exitFileWrite();
    return QDir(workDir->path()).filePath(QStringLiteral("enprogress.ini"));
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

// Baseline: the file's bytes split into lines, nothing else.
void splitLines(const QString &path, bool utf16, benchmark::State &state)
{
    for (auto _ : state) {
        QFile f(path);
        f.open(QIODevice::ReadOnly);
        const QByteArray bytes = f.readAll();
        QList<QByteArray> lines;
        if (!utf16) {
            lines = bytes.split('\n');
        } else {
            qsizetype start = 0;
            for (qsizetype i = 0; i + 1 < bytes.size(); i += 2) {
                if (bytes[i] == '\n' && bytes[i + 1] == 0) {
                    lines.append(bytes.mid(start, i - start));
                    start = i + 2;
                }
            }
            lines.append(bytes.mid(start));
        }
        benchmark::DoNotOptimize(lines);
    }
}

void BM_ProgressBaselineSplit(benchmark::State &state) { splitLines(progressPath, false, state); }
void BM_CaptionBaselineSplit(benchmark::State &state) { splitLines(captionPath, true, state); }

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

void copyFile(benchmark::State &state, bool flush)
{
    const QString target = QDir(workDir->path()).filePath(QStringLiteral("copy.ini"));
    for (auto _ : state) {
        QFile::remove(target);
        QFile::copy(progressPath, target);
        if (flush) {
            QFile copy(target);
            copy.open(QIODevice::ReadWrite);
            haz::platform::flushToDisk(copy);
        }
    }
}

void BM_ProgressBaselineCopy(benchmark::State &state) { copyFile(state, false); }
void BM_ProgressBaselineCopyFlushed(benchmark::State &state) { copyFile(state, true); }

void BM_ProgressUpdateLast(benchmark::State &state)
{
    int n = 0;
    for (auto _ : state) {
        haz::clsDataFile file;
        file.setNonUniCodeMode(true);
        if (!file.UpdateFieldPost(progressPath, QStringLiteral("Field20"), Learners - 1, QString::number(n++ % 50)))
            state.SkipWithError("update failed");
    }
}

BENCHMARK(BM_ProgressBaselineSplit)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ProgressReadFindLast)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CaptionBaselineSplit)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CaptionReadFindLast)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ProgressBaselineCopy)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ProgressBaselineCopyFlushed)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ProgressUpdateLast)->Unit(benchmark::kMillisecond);

// Keeps each benchmark's real time per iteration for the ratios.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run> &runs) override
    {
        for (const Run &run : runs)
            if (run.run_type == Run::RT_Iteration && !run.error_occurred)
                times[run.benchmark_name()] = run.GetAdjustedRealTime();
        ConsoleReporter::ReportRuns(runs);
    }
    std::map<std::string, double> times;
};

void printRatio(const RatioReporter &r, const char *what, const char *measured, const char *baseline)
{
    const auto m = r.times.find(measured), b = r.times.find(baseline);
    if (m == r.times.end() || b == r.times.end() || b->second <= 0)
        return;
    const double ratio = m->second / b->second;
    std::printf("%-46s %6.2fx %s\n", what, ratio, ratio <= 3.0 ? "(goal 3x: met)" : "(goal 3x: NOT met)");
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    workDir = &dir;
    progressPath = makeProgressFile();
    captionPath = makeCaptionFile();
    std::printf("progress file: %lld bytes, caption table: %lld bytes\n",
                static_cast<long long>(QFile(progressPath).size()), static_cast<long long>(QFile(captionPath).size()));

    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    std::printf("\nRatios to baselines:\n");
    printRatio(reporter, "progress readData+findPosts / split lines", "BM_ProgressReadFindLast", "BM_ProgressBaselineSplit");
    printRatio(reporter, "caption readData+findPosts / split lines", "BM_CaptionReadFindLast", "BM_CaptionBaselineSplit");
    printRatio(reporter, "UpdateFieldPost / file copy", "BM_ProgressUpdateLast", "BM_ProgressBaselineCopy");
    printRatio(reporter, "UpdateFieldPost / file copy flushed to disk", "BM_ProgressUpdateLast", "BM_ProgressBaselineCopyFlushed");
    benchmark::Shutdown();
    return 0;
}
