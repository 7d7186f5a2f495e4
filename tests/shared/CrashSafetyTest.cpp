// A process that keeps updating and appending learners in a progress file of 1,000
// learners is killed at a random moment, again and again. After each kill the file
// must read with every learner, every value must be the old or the new one, and the
// next process must leave no temporary file of an earlier one behind.
//
// The scenario program's save after an answer belongs here too: a worker step that
// answers through the scenario's progress recording, checked against the same model.

#include "ProgressLayout.h"
#include "TestEnvironment.h"
#include "clsDataFile.h"

#include <QDir>
#include <QProcess>
#include <QRandomGenerator>

#include <gtest/gtest.h>

#include <csignal>

namespace {

constexpr int Learners = 1000;
constexpr int Kills = 200;

using Table = QList<QStringList>; // per post, the values of fields 1 .. n

struct Step {
    enum Kind { Update, Add } kind;
    int post = 0;
    int field = 0;
    QString value;
};

Step parseStep(const QString &line)
{
    const QStringList parts = line.split(u' ');
    if (parts.value(0) == QLatin1String("A"))
        return {Step::Add, 0, 0, parts.value(1)};
    return {Step::Update, parts.value(1).toInt(), parts.value(2).toInt(), parts.value(3)};
}

void apply(Table &table, const Step &step, int fieldCount)
{
    if (step.kind == Step::Add) {
        QStringList post{step.value};
        while (post.size() < fieldCount)
            post << QStringLiteral("-1");
        table << post;
    } else {
        table[step.post][step.field] = step.value;
    }
}

Table readTable(const QString &path, const QStringList &fields, bool &ok)
{
    haz::clsDataFile file;
    file.setNonUniCodeMode(true);
    ok = file.readData(path) && file.fieldNames() == fields;
    Table table;
    for (qint32 slot = 0; ok && slot < file.numOfPostsRead(); ++slot) {
        QStringList post;
        for (const QString &field : fields)
            post << file.getPostPosField(slot, field);
        table << post;
    }
    return table;
}

// Temporary files of processes other than `running`.
QStringList foreignTemporaries(const QString &folder, qint64 running)
{
    QStringList names = QDir(folder).entryList({"*~*.ini"}, QDir::Files | QDir::Hidden);
    names.removeAll(QStringLiteral(".~%1.ini").arg(running));
    return names;
}

// Waits for complete lines from the worker until it has announced `wanted` steps.
QStringList readLines(QProcess &worker, QByteArray &pending, int wanted)
{
    QStringList lines;
    for (;;) {
        pending += worker.readAllStandardOutput();
        qsizetype end;
        while ((end = pending.indexOf('\n')) >= 0) {
            lines << QString::fromUtf8(pending.first(end));
            pending.remove(0, end + 1);
        }
        if (lines.size() >= wanted || !worker.waitForReadyRead(20000))
            return lines;
    }
}

} // namespace

TEST(CrashSafety, KilledWritersNeverLoseOrTearTheProgressFile)
{
    haztest::TestEnvironment env;
    const QString folder = env.documentsFolder();
    const QStringList fields = haz::progress::fieldNames();
    Table model;
    {
        haz::clsDataFile file;
        file.setNonUniCodeMode(true);
        ASSERT_TRUE(file.createFileNHead(QStringLiteral("enprogress.ini"), folder, QStringLiteral("Users"), fields));
        for (int i = 0; i < Learners; ++i) {
            QStringList post{QStringLiteral("Learner %1").arg(i)};
            while (post.size() < fields.size())
                post << QStringLiteral("-1");
            ASSERT_TRUE(file.savePost(post));
            model << post;
        }
        ASSERT_TRUE(file.exitFileWrite());
    }
    const QString path = QDir(folder).filePath(QStringLiteral("enprogress.ini"));
    QRandomGenerator random(20240613);

    int lastStepLanded = 0;
    for (int kill = 0; kill < Kills; ++kill) {
        QProcess worker;
        worker.start(QStringLiteral(HAZ_TABLE_WORKER), {"churn", path, QString::number(random.generate())});
        ASSERT_TRUE(worker.waitForStarted());
        QByteArray pending;
        QStringList lines = readLines(worker, pending, 1);
        ASSERT_EQ(lines.value(0), QStringLiteral("S")) << worker.readAllStandardError().toStdString();
        ASSERT_EQ(foreignTemporaries(folder, worker.processId()), QStringList()) << "after kill " << kill;

        lines += readLines(worker, pending, int(random.bounded(1, 7)));
        ::kill(pid_t(worker.processId()), SIGKILL);
        ASSERT_TRUE(worker.waitForFinished());
        lines += readLines(worker, pending, 0);
        ASSERT_EQ(worker.exitStatus(), QProcess::CrashExit) << worker.readAllStandardError().toStdString();

        lines.removeFirst();
        ASSERT_FALSE(lines.isEmpty());
        for (qsizetype i = 0; i + 1 < lines.size(); ++i)
            apply(model, parseStep(lines[i]), int(fields.size()));
        Table withLast = model;
        apply(withLast, parseStep(lines.last()), int(fields.size()));

        bool ok = false;
        const Table onDisk = readTable(path, fields, ok);
        ASSERT_TRUE(ok) << "unreadable after kill " << kill;
        if (onDisk == withLast) {
            model = withLast;
            ++lastStepLanded;
        } else {
            ASSERT_EQ(onDisk.size(), model.size()) << "learners lost or torn after kill " << kill;
            ASSERT_TRUE(onDisk == model) << "a value is neither old nor new after kill " << kill;
        }
    }
    EXPECT_GE(model.size(), Learners);
    RecordProperty("killsAfterTheStepLanded", lastStepLanded);
}
