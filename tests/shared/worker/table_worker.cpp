// A separate process that writes a table file the way the programs do, for the tests
// that kill it or limit the size of the files it may write.
//
//   table_worker add <path> <name> [size limit]
//   table_worker update <path> <field> <post number> <value> [size limit]
//   table_worker churn <path> <seed>
//
// add and update exit with 0 (done), 1 (refused) or 2 (platform error). churn keeps
// updating fields and adding posts until it is killed; before each step it writes one
// line to its output: "S" once at start, "U <post> <field> <value>" or "A <name>".

#include "Platform.h"
#include "RuntimeError.h"
#include "clsDataFile.h"

#include <QFileInfo>
#include <QRandomGenerator>
#include <QString>
#include <QStringList>

#include <csignal>
#include <cstdio>
#include <sys/resource.h>
#include <unistd.h>

namespace {

void limitFileSize(const char *limit)
{
    // Past the limit a write fails instead of ending the process, as on a full disk.
    std::signal(SIGXFSZ, SIG_IGN);
    const rlim_t bytes = std::strtoull(limit, nullptr, 10);
    const rlimit r{bytes, bytes};
    setrlimit(RLIMIT_FSIZE, &r);
}

void announce(const QString &line)
{
    const QByteArray bytes = (line + u'\n').toUtf8();
    if (::write(STDOUT_FILENO, bytes.constData(), std::size_t(bytes.size())) != bytes.size())
        std::_Exit(3);
}

int finish(bool ok, const haz::clsDataFile &file)
{
    if (!ok)
        std::fprintf(stderr, "%s\n", qPrintable(file.lastErrorText()));
    return ok ? 0 : 1;
}

QStringList newPost(const QString &name)
{
    QStringList values{name};
    for (int i = 0; i < 64; ++i)
        values << QStringLiteral("-1");
    return values;
}

int churn(const QString &path, quint32 seed)
{
    haz::platform::removeStaleTemporaryFiles(QFileInfo(path).absolutePath());
    haz::clsDataFile start;
    start.setNonUniCodeMode(true);
    if (!start.readData(path))
        return 4;
    qint32 posts = start.numOfPostsRead();
    const QStringList fields = start.fieldNames();
    announce(QStringLiteral("S"));
    QRandomGenerator random(seed);
    for (;;) {
        haz::clsDataFile file;
        file.setNonUniCodeMode(true);
        if (random.bounded(8) == 0) {
            const QString name = QStringLiteral("Added%1").arg(posts);
            announce(QStringLiteral("A ") + name);
            if (!file.addPost(path, newPost(name)))
                return 5;
            ++posts;
        } else {
            const qint32 post = qint32(random.bounded(posts));
            const int field = 1 + int(random.bounded(fields.size() - 1)); // never the name
            const QString value = QStringLiteral("v%1").arg(random.bounded(100000));
            announce(QStringLiteral("U %1 %2 %3").arg(post).arg(field).arg(value));
            if (!file.UpdateFieldPost(path, fields[field], post, value))
                return 6;
        }
    }
}

} // namespace

int main(int argc, char **argv)
{
    const QString command = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    try {
        haz::clsDataFile file;
        file.setNonUniCodeMode(true);
        if (command == QLatin1String("add") && argc >= 4) {
            if (argc >= 5)
                limitFileSize(argv[4]);
            return finish(file.addPost(QString::fromLocal8Bit(argv[2]), newPost(QString::fromLocal8Bit(argv[3]))), file);
        }
        if (command == QLatin1String("update") && argc >= 6) {
            if (argc >= 7)
                limitFileSize(argv[6]);
            return finish(file.UpdateFieldPost(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]),
                                               std::atoi(argv[4]), QString::fromLocal8Bit(argv[5])),
                          file);
        }
        if (command == QLatin1String("churn") && argc >= 4)
            return churn(QString::fromLocal8Bit(argv[2]), quint32(std::strtoul(argv[3], nullptr, 10)));
    } catch (const haz::RuntimeError &e) {
        std::fprintf(stderr, "%s\n", qPrintable(e.messageText()));
        return 2;
    }
    std::fprintf(stderr, "usage: table_worker add|update|churn ...\n");
    return 64;
}
