#include "Commands.h"

#include "CourseBuild.h"
#include "CourseCheck.h"
#include "ReportWriters.h"
#include "RuntimeError.h"
#include "ScenarioGraph.h"

#include <QFile>
#include <QHash>
#include <QProcess>
#include <QTextStream>

namespace coursetool {

namespace {

const char *const Usage =
    "usage:\n"
    "  coursetool check INSTALLATION_FOLDER\n"
    "  coursetool graph INSTALLATION_FOLDER SCENARIO_ID [--svg FILE]\n"
    "  coursetool build SOURCE_FOLDER INSTALLATION_FOLDER\n"
    "  coursetool report PROGRESS_FILE... [--course INSTALLATION_FOLDER] [--csv FILE] [--html FILE]\n"
    "                    [--xapi FILE] [--home URL] [--runs RUN_RECORD...]\n";

// Where activity ids lie when no --home is given: a reserved example address.
const char *const DefaultHome = "https://course.example/hazcourse";

int usage(QTextStream &err)
{
    err << Usage;
    return 2;
}

int check(const QStringList &args, QTextStream &out)
{
    const Findings findings = checkCourse(args.value(0));
    out << findings.text() << findings.summary() << '\n';
    return findings.errors() > 0 ? 1 : 0;
}

// Renders DOT text to an SVG file with Graphviz's dot.
bool renderSvg(const QString &dot, const QString &file, QTextStream &err)
{
    QProcess process;
    process.start(QStringLiteral("dot"), {QStringLiteral("-Tsvg"), QStringLiteral("-o"), file});
    if (!process.waitForStarted()) {
        err << "coursetool: cannot run dot (install Graphviz)\n";
        return false;
    }
    process.write(dot.toUtf8());
    process.closeWriteChannel();
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
        err << "coursetool: dot failed: " << QString::fromLocal8Bit(process.readAllStandardError()) << '\n';
        return false;
    }
    return true;
}

int graph(const QStringList &args, QTextStream &out, QTextStream &err)
{
    QStringList rest = args;
    QString svg;
    if (const qsizetype at = rest.indexOf(QStringLiteral("--svg")); at >= 0) {
        if (at + 1 >= rest.size())
            return usage(err);
        svg = rest.at(at + 1);
        rest.remove(at, 2);
    }
    if (rest.size() != 2)
        return usage(err);
    bool numeric = false;
    const int id = rest.at(1).toInt(&numeric);
    if (!numeric || id < -32768 || id > 32767) {
        err << "coursetool: the scenario id \"" << rest.at(1) << "\" is not a whole number\n";
        return 2;
    }
    try {
        const QString dot = toDot(buildScenarioGraph(rest.at(0), qint16(id)));
        if (svg.isEmpty()) {
            out << dot;
            return 0;
        }
        return renderSvg(dot, svg, err) ? 0 : 1;
    } catch (const haz::RuntimeError &e) {
        err << "coursetool: " << e.description() << " (run coursetool check for details)\n";
        return 1;
    }
}

int build(const QStringList &args, QTextStream &err)
{
    if (args.size() != 2)
        return usage(err);
    const QStringList failures = buildCourse(args.at(0), args.at(1));
    for (const QString &file : failures)
        err << "coursetool: cannot install " << file << '\n';
    return failures.isEmpty() ? 0 : 1;
}

bool writeFile(const QString &path, const QByteArray &bytes, QTextStream &err)
{
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size())
        return true;
    err << "coursetool: cannot write " << path << '\n';
    return false;
}

int report(const QStringList &args, QTextStream &out, QTextStream &err)
{
    QStringList files, records;
    bool inRecords = false; // after --runs, names are run records up to the next option
    QHash<QString, QString> options;
    const QStringList valued{QStringLiteral("--course"), QStringLiteral("--csv"), QStringLiteral("--html"),
                             QStringLiteral("--xapi"), QStringLiteral("--home")};
    for (qsizetype i = 0; i < args.size(); ++i) {
        if (valued.contains(args[i]) && i + 1 < args.size()) {
            options.insert(args[i], args[i + 1]);
            inRecords = false;
            ++i;
        } else if (args[i] == QLatin1String("--runs")) {
            inRecords = true;
        } else if (args[i].startsWith(QLatin1String("--"))) {
            return usage(err);
        } else {
            (inRecords ? records : files) << args[i];
        }
    }
    if (args.contains(QStringLiteral("--runs")) && records.isEmpty()) {
        err << "coursetool: --runs names no run record\n";
        return 2;
    }
    if (files.isEmpty())
        return usage(err);
    ClassReport merged = mergeProgressFiles(files);
    if (!records.isEmpty())
        mergeRunRecords(merged, records);
    if (options.contains(QStringLiteral("--course")))
        merged.course = readCourseFacts(options.value(QStringLiteral("--course")));
    for (const QString &note : merged.notes)
        err << "coursetool: " << note << '\n';
    bool ok = true;
    const bool anyFile = options.contains(QStringLiteral("--csv")) || options.contains(QStringLiteral("--html"))
                         || options.contains(QStringLiteral("--xapi"));
    if (!anyFile)
        out << toCsv(merged);
    if (options.contains(QStringLiteral("--csv")))
        ok = writeFile(options.value(QStringLiteral("--csv")), toCsv(merged).toUtf8(), err) && ok;
    if (options.contains(QStringLiteral("--html")))
        ok = writeFile(options.value(QStringLiteral("--html")), toHtml(merged).toUtf8(), err) && ok;
    if (options.contains(QStringLiteral("--xapi")))
        ok = writeFile(options.value(QStringLiteral("--xapi")),
                       toXapi(merged, options.value(QStringLiteral("--home"), QString::fromLatin1(DefaultHome))), err)
             && ok;
    return ok ? 0 : 1;
}

} // namespace

int runCommand(const QStringList &arguments, QTextStream &out, QTextStream &err)
{
    const QString command = arguments.value(0);
    const QStringList args = arguments.mid(1);
    if (command == QLatin1String("check") && args.size() == 1)
        return check(args, out);
    if (command == QLatin1String("graph"))
        return graph(args, out, err);
    if (command == QLatin1String("build"))
        return build(args, err);
    if (command == QLatin1String("report"))
        return report(args, out, err);
    return usage(err);
}

int runCommand(const QStringList &arguments)
{
    QTextStream out(stdout);
    QTextStream err(stderr);
    return runCommand(arguments, out, err);
}

} // namespace coursetool
