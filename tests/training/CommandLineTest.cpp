// "--help" and "--version" of both programs, run as real processes: a short answer on
// standard output, exit code 0, and no window, file or folder made on the way.
#include "TestEnvironment.h"

#include <QDir>
#include <QDirIterator>
#include <QProcess>
#include <QProcessEnvironment>

#include <gtest/gtest.h>

namespace {

QStringList everythingIn(const QString &folder)
{
    QStringList found;
    QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        found << it.next();
    return found;
}

} // namespace

TEST(CommandLine, HelpAndVersionAnswerAndExitBeforeAnyWindowOrFile)
{
    haztest::TestEnvironment env;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("HOME"), env.homeFolder());
    // A program that tried to open a window would fail here instead of waiting for a learner.
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("no-such-platform"));
    for (const QString program : {"Training", "Scenario"}) {
        for (const QString option : {"--help", "--version"}) {
            SCOPED_TRACE((program + u' ' + option).toStdString());
            QProcess process;
            process.setProcessEnvironment(environment);
            process.setWorkingDirectory(env.homeFolder());
            process.start(QDir(QStringLiteral(HAZ_COURSE_INSTALL_DIR)).filePath(program), {option});
            ASSERT_TRUE(process.waitForFinished(20000));
            EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
            EXPECT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
            const QString out = QString::fromUtf8(process.readAllStandardOutput());
            if (option == QLatin1String("--help")) {
                EXPECT_TRUE(out.startsWith(QStringLiteral("Usage: ") + program)) << out.toStdString();
                EXPECT_TRUE(out.contains(QStringLiteral("--version")));
            } else {
                EXPECT_TRUE(out.startsWith(program + u' ')) << out.toStdString();
            }
            EXPECT_LE(out.count(u'\n'), 8);
        }
    }
    EXPECT_EQ(everythingIn(env.homeFolder()), QStringList());
}
