// Table-file speed and memory, each beside the real floor measured in the same run:
//  - readData + findPosts of the last learner of a 10,000-learner progress file (8-bit)
//    and of the last post of a 5,000-post caption table (UTF-16), against reading the
//    file's bytes and finding every line end (goal: 1.5x);
//  - UpdateFieldPost of one field of the last learner, against copying the file and
//    flushing the copy to disk (goal: 2x);
//  - saving the 29 fields of a learner at exit on that file (saveLearnerProgress: the
//    lookup and one rewrite), against the same copy (goal: 3x);
//  - peak memory of reading a 200 MB progress file, against the file's size (goal: 3x).
// The ratios are printed at the end.

#include "MessageService.h"
#include "Platform.h"
#include "ProgressFile.h"
#include "ProgressLayout.h"
#include "TextCodec.h"
#include "clsDataFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

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

QString makeProgressFile()
{
    const QStringList fields = haz::progress::fieldNames();
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

// Baseline: the file's bytes read and every line end found, nothing else.
void findLineEnds(const QString &path, bool utf16, benchmark::State &state)
{
    for (auto _ : state) {
        QFile f(path);
        f.open(QIODevice::ReadOnly);
        const QByteArray bytes = f.readAll();
        const char *data = bytes.constData();
        const char *end = data + bytes.size();
        qsizetype lineEnds = 0;
        for (const char *p = data; (p = static_cast<const char *>(std::memchr(p, '\n', std::size_t(end - p)))); ++p) {
            // In UTF-16 a line end is 0x0A 0x00 at an even offset (after the mark).
            if (!utf16 || ((p - data) % 2 == 0 && p + 1 < end && p[1] == 0))
                ++lineEnds;
        }
        benchmark::DoNotOptimize(lineEnds);
    }
}

void BM_ProgressBaselineLineEnds(benchmark::State &state) { findLineEnds(progressPath, false, state); }
void BM_CaptionBaselineLineEnds(benchmark::State &state) { findLineEnds(captionPath, true, state); }

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
        if (!file.UpdateFieldPost(progressPath, QStringLiteral("examQuizPos"), Learners - 1, QString::number(n++ % 50)))
            state.SkipWithError("update failed");
    }
}

void BM_ProgressSaveAtExit(benchmark::State &state)
{
    haz::ScriptedMessages messages;
    training::LearnerProgress progress;
    const QString last = QStringLiteral("Learner %1").arg(Learners - 1);
    int n = 0;
    for (auto _ : state) {
        progress.selTab = n++ % 10;
        if (training::progress::saveLearnerProgress(progressPath, last, progress, progress.selTab, messages, {})
            != training::progress::SaveOutcome::Saved)
            state.SkipWithError("save failed");
    }
}

BENCHMARK(BM_ProgressBaselineLineEnds)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ProgressReadFindLast)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CaptionBaselineLineEnds)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CaptionReadFindLast)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ProgressBaselineCopy)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ProgressBaselineCopyFlushed)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ProgressUpdateLast)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ProgressSaveAtExit)->Unit(benchmark::kMillisecond);


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
    progressPath = makeProgressFile();
    captionPath = makeCaptionFile();
    std::printf("progress file: %lld bytes, caption table: %lld bytes\n",
                static_cast<long long>(QFile(progressPath).size()), static_cast<long long>(QFile(captionPath).size()));

    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    std::printf("\nRatios to baselines:\n");
    printRatio(reporter, "progress readData+findPosts / read, find line ends", "BM_ProgressReadFindLast",
               "BM_ProgressBaselineLineEnds", 1.5);
    printRatio(reporter, "caption readData+findPosts / read, find line ends", "BM_CaptionReadFindLast",
               "BM_CaptionBaselineLineEnds", 1.5);
    printRatio(reporter, "UpdateFieldPost / copy flushed to disk", "BM_ProgressUpdateLast",
               "BM_ProgressBaselineCopyFlushed", 2.0);
    printRatio(reporter, "save 29 fields at exit / copy flushed to disk", "BM_ProgressSaveAtExit",
               "BM_ProgressBaselineCopyFlushed", 3.0);
    measureReadPeak(200);
    benchmark::Shutdown();
    return 0;
}
