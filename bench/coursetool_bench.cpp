// coursetool's speed goals, each beside the real floor measured in the same run:
//  - `check` of the sample course (goal: under one second), against reading every
//    byte of the table files it reads;
//  - `report` of 200 progress files of 30 learners each, to CSV, HTML and xAPI
//    statements (goal: under two seconds), against reading the same bytes.
// The absolute times and the ratios to the floors are printed at the end.

#include "ClassReport.h"
#include "CourseCheck.h"
#include "ProgressLayout.h"
#include "ReportWriters.h"
#include "clsDataFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include "RatioReporter.h"

#include <cstdio>

namespace {

constexpr int ProgressFiles = 200;
constexpr int LearnersPerFile = 30;

QStringList progressFiles;

// Every file the check reads as a table or a language file.
QStringList tableFilesOf(const QString &installFolder)
{
    QStringList files{installFolder + "/lang.ini", installFolder + "/user.ini"};
    QDirIterator it(installFolder + "/ini", QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext())
        files << it.next();
    return files;
}

qint64 readAll(const QStringList &files)
{
    qint64 bytes = 0;
    for (const QString &path : files) {
        QFile file(path);
        if (file.open(QIODevice::ReadOnly))
            bytes += file.readAll().size();
    }
    return bytes;
}

void BM_CheckBaselineRead(benchmark::State &state)
{
    const QStringList files = tableFilesOf(HAZ_COURSE_INSTALL_DIR);
    for (auto _ : state)
        benchmark::DoNotOptimize(readAll(files));
}

void BM_CheckSampleCourse(benchmark::State &state)
{
    for (auto _ : state) {
        const coursetool::Findings findings = coursetool::checkCourse(HAZ_COURSE_INSTALL_DIR);
        benchmark::DoNotOptimize(findings.errors());
    }
}

void BM_ReportBaselineRead(benchmark::State &state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(readAll(progressFiles));
}

void BM_ReportClass(benchmark::State &state)
{
    for (auto _ : state) {
        const coursetool::ClassReport report = coursetool::mergeProgressFiles(progressFiles);
        benchmark::DoNotOptimize(coursetool::toCsv(report).size());
        benchmark::DoNotOptimize(coursetool::toHtml(report).size());
        benchmark::DoNotOptimize(coursetool::toXapi(report, "https://course.example/hazcourse").size());
    }
}

BENCHMARK(BM_CheckBaselineRead)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CheckSampleCourse)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReportBaselineRead)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReportClass)->Unit(benchmark::kMillisecond);

// 200 machines' progress files; every learner is on several machines, as a class
// that moves between rooms would be, and has finished a few scenarios.
void makeProgressFiles(const QString &folder)
{
    for (int f = 0; f < ProgressFiles; ++f) {
        haz::clsDataFile file;
        file.setNonUniCodeMode(true);
        const QString name = QStringLiteral("pc%1.ini").arg(f);
        file.createFileNHead(name, folder, "UserData", haz::progress::fieldNames());
        for (int l = 0; l < LearnersPerFile; ++l) {
            QStringList post{QStringLiteral("Learner %1").arg((f * 7 + l) % 1000)};
            for (const QString &field : haz::progress::fieldNames().mid(1)) {
                if (field.endsWith("CompletedScenarios"))
                    post << "1,2,3,1";
                else if (field.endsWith("CompletedScores"))
                    post << "12,30,25,9";
                else
                    post << QString::number((f + l) % 20);
            }
            file.savePost(post);
        }
        file.exitFileWrite();
        progressFiles << QDir(folder).filePath(name);
    }
}

void printAbsolute(const RatioReporter &r, const char *what, const char *name, double goalMs)
{
    const auto it = r.times.find(name);
    if (it == r.times.end())
        return;
    const double ms = it->second; // the benchmarks report in milliseconds
    std::printf("%-52s %8.1f ms  goal %.0f ms: %s\n", what, ms, goalMs, ms <= goalMs ? "met" : "NOT met");
}

// The goals are absolute; the ratio shows how far above reading the bytes the work lies.
void printRatioOnly(const RatioReporter &r, const char *what, const char *measured, const char *baseline)
{
    const auto m = r.times.find(measured), b = r.times.find(baseline);
    if (m != r.times.end() && b != r.times.end() && b->second > 0)
        std::printf("%-52s %8.1fx\n", what, m->second / b->second);
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    makeProgressFiles(dir.path());
    std::printf("progress files: %d x %d learners, %lld bytes\n", ProgressFiles, LearnersPerFile,
                static_cast<long long>(readAll(progressFiles)));

    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    std::printf("\nGoals:\n");
    printAbsolute(reporter, "check of the sample course", "BM_CheckSampleCourse", 1000);
    printAbsolute(reporter, "report of 200 files x 30 learners", "BM_ReportClass", 2000);
    std::printf("\nRatios to the floors of the same run:\n");
    printRatioOnly(reporter, "check / read the table files", "BM_CheckSampleCourse", "BM_CheckBaselineRead");
    printRatioOnly(reporter, "report / read the progress files", "BM_ReportClass", "BM_ReportBaselineRead");
    benchmark::Shutdown();
    return 0;
}
