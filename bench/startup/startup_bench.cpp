// Start-up and memory of the two programs as processes, beside the floor measured in
// the same run: a minimal widgets program (one main window, one label), each timed
// from starting the process to its first window shown. Runs interleave (floor,
// Training, Scenario, ...) so that the load of a busy machine falls on all alike;
// the median of each is compared. Goal: 1.3x.
// Then the peak memory of Training signing a learner in and saving at exit with a
// progress file of 30,000 learners, beside the same with 100. Goal: 1.5x.
#include "Platform.h"
#include "ProgressLayout.h"
#include "clsDataFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

QString benchDir;
QProcessEnvironment environment;

// Milliseconds from starting `program` to its end; negative when it failed.
double timeRun(const QString &program, const QStringList &arguments, QByteArray *output = nullptr)
{
    QProcess process;
    process.setProcessEnvironment(environment);
    QElapsedTimer clock;
    clock.start();
    process.start(program, arguments);
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        return -1;
    const double ms = double(clock.nsecsElapsed()) / 1e6;
    if (output)
        *output = process.readAllStandardOutput();
    return ms;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.empty() ? -1 : values[values.size() / 2];
}

void report(const char *what, double measured, double floor, double goal)
{
    const double ratio = measured / floor;
    std::printf("%-60s %6.2fx  goal %.1fx: %s (%.1f / %.1f)\n", what, ratio, goal,
                measured > 0 && floor > 0 && ratio <= goal ? "met" : "NOT met", measured, floor);
}

// The progress file with `learners` learners, the last one `name` with a tactics run
// of scenario 1 in progress.
void writeProgress(const QString &path, int learners, const QString &name)
{
    haz::clsDataFile file;
    file.setNonUniCodeMode(true);
    file.createFileNHead(QFileInfo(path).fileName(), QFileInfo(path).absolutePath(), QStringLiteral("UserData"),
                         haz::progress::fieldNames());
    for (int i = 0; i < learners; ++i) {
        QStringList values{i == learners - 1 ? name : QStringLiteral("Learner %1").arg(i)};
        for (int f = 2; f <= haz::progress::FieldCount; ++f)
            values << QStringLiteral("-1");
        values[haz::progress::position(QStringLiteral("CurrentScenario")) - 1] = QStringLiteral("1");
        file.savePost(values);
    }
    file.exitFileWrite();
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    benchDir = QCoreApplication::applicationDirPath();
    const QString install = QStringLiteral(HAZ_INSTALL_DIR);
    QTemporaryDir home;
    environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("HOME"), home.path());
    environment.remove(QStringLiteral("XDG_DOCUMENTS_DIR"));
    if (!environment.contains(QStringLiteral("QT_QPA_PLATFORM")))
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    const QString minimal = benchDir + QStringLiteral("/minimal_window");
    const QString training = benchDir + QStringLiteral("/training_shown");
    const QString scenario = benchDir + QStringLiteral("/scenario_shown");

    // A first sign-in makes the progress file; its path is the one file in Documents.
    const QString learner = QStringLiteral("Bench Learner");
    QByteArray out;
    if (timeRun(training, {install, QStringLiteral("--sign-in"), learner}, &out) < 0) {
        std::printf("Training could not start on %s\n", qPrintable(install));
        return 1;
    }
    const QDir documents(QDir(home.path()).filePath(QStringLiteral("Documents")));
    const QStringList made = documents.entryList({QStringLiteral("*.ini")}, QDir::Files | QDir::Hidden);
    if (made.size() != 1) {
        std::printf("expected one progress file, found %lld\n", static_cast<long long>(made.size()));
        return 1;
    }
    const QString progress = documents.filePath(made.first());
    writeProgress(progress, 100, learner);

    constexpr int Runs = 15;
    std::vector<double> floorMs, trainingMs, scenarioMs;
    for (int i = 0; i < Runs; ++i) {
        floorMs.push_back(timeRun(minimal, {}));
        trainingMs.push_back(timeRun(training, {install}));
        scenarioMs.push_back(timeRun(scenario, {install, QStringLiteral(" user=") + learner + QStringLiteral(",mode=1")}));
    }
    std::printf("medians of %d runs (ms): minimal window %.1f, Training %.1f, Scenario %.1f\n", Runs,
                median(floorMs), median(trainingMs), median(scenarioMs));
    report("Training start-up / minimal window program", median(trainingMs), median(floorMs), 1.3);
    report("Scenario start-up / minimal window program", median(scenarioMs), median(floorMs), 1.3);

    // Peak memory: sign in and save at exit, at 100 and at 30,000 learners.
    const auto peak = [&](int learners) {
        writeProgress(progress, learners, learner);
        std::vector<double> kb;
        for (int i = 0; i < 3; ++i) {
            QByteArray printed;
            if (timeRun(training, {install, QStringLiteral("--sign-in"), learner}, &printed) >= 0)
                kb.push_back(printed.trimmed().toDouble());
        }
        return median(kb);
    };
    const double small = peak(100), large = peak(30000);
    std::printf("progress file of 30,000 learners: %lld bytes\n", static_cast<long long>(QFile(progress).size()));
    report("Training peak memory, 30,000 learners / 100 learners (kB)", large, small, 1.5);
    return 0;
}
