// The programs as an administrator installs them: `cmake --install` into a temporary
// stage, then the installed Training started offscreen with the sample course, a
// learner signed in, one room of a scenario played in the installed Scenario and both
// programs ended through their own windows. Every file the two processes create,
// change or remove is traced; only the installation folder and the documents folder
// may be among them.
#include "TestEnvironment.h"
#include "clsDataFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

const QString AppId = QStringLiteral("org.hazcourse.hazcourse");

struct ProcessRun {
    int exitCode = -1;
    bool finished = false;
    QString output;
};

ProcessRun run(const QString &program, const QStringList &arguments, const QProcessEnvironment &environment,
        const QString &workFolder = QString(), int timeoutMs = 120000)
{
    QProcess process;
    process.setProcessEnvironment(environment);
    process.setProcessChannelMode(QProcess::MergedChannels);
    if (!workFolder.isEmpty())
        process.setWorkingDirectory(workFolder);
    process.start(program, arguments);
    ProcessRun result;
    result.finished = process.waitForFinished(timeoutMs);
    if (!result.finished) {
        process.kill();
        process.waitForFinished();
    }
    result.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    result.output = QString::fromLocal8Bit(process.readAll());
    return result;
}

// One traced system call that leaves a trace on disk, with the paths it names.
struct FileChange {
    QString line;
    QStringList paths;
};

// The successful calls of an strace log that create, change or remove a file.
QList<FileChange> fileChanges(const QString &log, const QString &workFolder)
{
    static const QRegularExpression call(QStringLiteral(R"re(^\d+\s+(\w+)\((.*)\)\s+=\s+(-?\d+))re"));
    static const QRegularExpression quoted(QStringLiteral(R"re("((?:[^"\\]|\\.)*)")re"));
    static const QStringList changing{"creat", "mkdir", "mkdirat", "rename", "renameat", "renameat2", "unlink",
                                      "unlinkat", "rmdir", "link", "linkat", "symlink", "symlinkat", "truncate",
                                      "chmod", "fchmodat"};
    QList<FileChange> changes;
    for (const QString &line : log.split(u'\n')) {
        const auto match = call.match(line);
        if (!match.hasMatch() || match.captured(3).toLongLong() < 0)
            continue;
        const QString name = match.captured(1);
        const QString arguments = match.captured(2);
        const bool opensForWriting = (name == QLatin1String("openat") || name == QLatin1String("open"))
            && (arguments.contains(QLatin1String("O_WRONLY")) || arguments.contains(QLatin1String("O_RDWR"))
                || arguments.contains(QLatin1String("O_CREAT")) || arguments.contains(QLatin1String("O_TRUNC")));
        if (!opensForWriting && !changing.contains(name))
            continue;
        FileChange change{line, {}};
        for (auto it = quoted.globalMatch(arguments); it.hasNext();)
            change.paths << QDir::cleanPath(QDir(workFolder).absoluteFilePath(it.next().captured(1)));
        // A link's first path is what it points to, which is not changed.
        if (name.contains(QLatin1String("link")) && !name.contains(QLatin1String("unlink")) && !change.paths.isEmpty())
            change.paths = QStringList{change.paths.last()};
        changes << change;
    }
    return changes;
}

bool inside(const QString &path, const QString &folder)
{
    return path == folder || path.startsWith(folder + u'/');
}

QString desktopValue(const QString &entry, const QString &key)
{
    for (const QString &line : QString::fromUtf8(haztest::readFile(entry)).split(u'\n'))
        if (line.startsWith(key + u'='))
            return line.mid(key.size() + 1);
    return {};
}

QString field(const haz::clsDataFile &table, const QString &column, const QString &key, const QString &name)
{
    const auto posts = table.findPosts(column, key);
    if (!posts.hasMatch())
        return {};
    return table.getPostPosField(posts.at(1, 1).toInt(), name);
}

TEST(InstalledSmokeTest, InstallsPlaysOneRoomAndWritesOnlyItsFolderAndTheDocuments)
{
    const QString strace = QStandardPaths::findExecutable(QStringLiteral("strace"));
    ASSERT_FALSE(strace.isEmpty()) << "strace is needed (scripts/install-deps installs it)";
    QTemporaryDir temp;
    ASSERT_TRUE(temp.isValid());
    const QDir root(temp.path());
    const QString stage = root.filePath("stage");
    const QString home = root.filePath("home");
    const QString work = root.filePath("work");
    const QString runtime = root.filePath("runtime");
    for (const QString &folder : {home, work, runtime, root.filePath("tmp")})
        ASSERT_TRUE(QDir().mkpath(folder));
    QFile::setPermissions(runtime, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);

    // Installed as a package would be: into a stage that stands for the root folder.
    QProcessEnvironment installEnvironment = QProcessEnvironment::systemEnvironment();
    installEnvironment.insert("DESTDIR", stage);
    const ProcessRun install = run(QStringLiteral(HAZ_CMAKE_COMMAND), {"--install", HAZ_BUILD_DIR}, installEnvironment);
    ASSERT_EQ(install.exitCode, 0) << install.output.toStdString();

    const QString prefix = stage + QStringLiteral(HAZ_INSTALL_PREFIX);
    for (const QString name : {"Training", "Scenario", "libVerandel.so", "lang.ini", "user.ini", "ini/captions.ini",
                               "ini/scenario.ini", "data/html/info.htm", "data/images/logo.gif"})
        EXPECT_TRUE(QFileInfo::exists(prefix + u'/' + name)) << name.toStdString();
    const QString share = stage + QStringLiteral(HAZ_DESKTOP_DATA_DIR);
    const QString entry = share + "/applications/" + AppId + ".desktop";
    EXPECT_EQ(desktopValue(entry, "Exec"), QStringLiteral(HAZ_INSTALL_PREFIX "/Training"));
    EXPECT_EQ(desktopValue(entry, "Icon"), AppId);
    EXPECT_TRUE(QFileInfo::exists(share + "/icons/hicolor/64x64/apps/" + AppId + ".png"));
    const QString metainfo = share + "/metainfo/" + AppId + ".metainfo.xml";
    for (const auto &[tool, arguments] :
         {std::pair{QStringLiteral("desktop-file-validate"), QStringList{entry}},
          std::pair{QStringLiteral("appstreamcli"), QStringList{"validate", "--no-net", metainfo}}}) {
        const QString found = QStandardPaths::findExecutable(tool);
        ASSERT_FALSE(found.isEmpty()) << tool.toStdString() << " is needed (scripts/install-deps installs it)";
        const ProcessRun check = run(found, arguments, QProcessEnvironment::systemEnvironment());
        EXPECT_EQ(check.exitCode, 0) << check.output.toStdString();
    }

    // The learner signs in, starts the first tactics scenario, answers its first
    // room, leaves Scenario through its Exit button and closes the course.
    const QString script = root.filePath("drive.txt");
    haztest::writeFile(script, "[Training]\n"
                               "set userCmb Smoke Learner\n"
                               "click userChooseOk\n"
                               "tab tabMain 6\n"
                               "select takQuizLst 0\n"
                               "click takFactCmdStart\n"
                               "wait frmMain\n"
                               "close frmMain\n"
                               "[Scenario]\n"
                               "click optSvar(1)|chkSvar(1)\n"
                               "click cmdSvara\n"
                               "click cmdExit\n");
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove("LD_LIBRARY_PATH");
    environment.insert("HOME", home);
    environment.insert("XDG_RUNTIME_DIR", runtime);
    environment.insert("TMPDIR", root.filePath("tmp"));
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    environment.insert("QT_PLUGIN_PATH", HAZ_DRIVER_PLUGIN_PATH);
    environment.insert("QT_QPA_GENERIC_PLUGINS", "hazdriver");
    environment.insert("HAZ_DRIVE", script);
    const QString log = root.filePath("trace.log");
    const ProcessRun course = run(strace,
                           {"-f", "-qq", "-o", log, "-e",
                            "trace=execve,open,openat,creat,mkdir,mkdirat,rename,renameat,renameat2,unlink,unlinkat,"
                            "rmdir,link,linkat,symlink,symlinkat,truncate,chmod,fchmodat",
                            prefix + "/Training"},
                           environment, work);
    ASSERT_TRUE(course.finished) << course.output.toStdString();
    EXPECT_EQ(course.exitCode, 0) << course.output.toStdString();
    EXPECT_FALSE(course.output.contains("timed out")) << course.output.toStdString();

    // Both programs ran from the installation, with the control library beside them.
    const QString trace = QString::fromLocal8Bit(haztest::readFile(log));
    EXPECT_TRUE(trace.contains("execve(\"" + prefix + "/Scenario\"")) << "Scenario did not start from the installation";
    EXPECT_TRUE(QRegularExpression("openat\\(AT_FDCWD, \"" + QRegularExpression::escape(prefix)
                                   + "/libVerandel\\.so\", O_RDONLY\\|O_CLOEXEC\\) = \\d+")
                    .match(trace)
                    .hasMatch());

    const QString documents = home + "/Documents";
    QStringList outside;
    int inDocuments = 0;
    for (const FileChange &change : fileChanges(trace, work)) {
        for (const QString &path : change.paths) {
            if (inside(path, documents))
                ++inDocuments;
            else if (!inside(path, prefix) && path != QLatin1String("/dev/null"))
                outside << change.line;
        }
    }
    EXPECT_TRUE(outside.isEmpty()) << outside.join('\n').toStdString();
    EXPECT_GT(inDocuments, 0);

    // What the run left: the learner's post with the scenario in progress beyond its
    // start, and the progress file hidden.
    // The progress file is named by the installed course's language.
    const QString language = QString::fromLatin1(haztest::readFile(prefix + "/lang.ini").left(2));
    const QString progressName = language + "HazCourseUsers.ini";
    haz::clsDataFile progress;
    progress.setNonUniCodeMode(true);
    ASSERT_TRUE(progress.readData(documents + u'/' + progressName));
    EXPECT_EQ(field(progress, "UserName", "Smoke Learner", "CurrentScenario"), "1");
    haz::clsDataFile scenarios;
    ASSERT_TRUE(scenarios.readData(prefix + "/ini/scenario.ini"));
    const int startTime = field(scenarios, "sc_id", "1", "StartTid").toInt();
    EXPECT_GT(field(progress, "UserName", "Smoke Learner", "CurrentTime").toInt(), startTime);
    EXPECT_TRUE(haztest::readFile(documents + "/.hidden").contains(progressName.toLatin1()));
}

} // namespace
