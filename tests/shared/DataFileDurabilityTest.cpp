// What the table store forces onto the disk: the calls to fsync are watched through
// a definition of fsync in this program, which passes each call on.
#include "TestEnvironment.h"
#include "clsDataFile.h"

#include <QDir>
#include <QFileInfo>
#include <QStringList>

#include <gtest/gtest.h>

#include <dlfcn.h>
#include <limits.h>
#include <unistd.h>

namespace {
QStringList *watchedSyncs = nullptr;
}

extern "C" int fsync(int fd)
{
    using Fsync = int (*)(int);
    static const auto real = reinterpret_cast<Fsync>(dlsym(RTLD_NEXT, "fsync"));
    if (watchedSyncs) {
        char target[PATH_MAX];
        const QByteArray link = "/proc/self/fd/" + QByteArray::number(fd);
        const ssize_t n = readlink(link.constData(), target, sizeof target - 1);
        *watchedSyncs << (n > 0 ? QString::fromLocal8Bit(target, int(n)) : QString());
    }
    return real(fd);
}

TEST(DataFileDurability, UpdateFlushesTheFolderAfterItsRenameAndAppendFlushesTheFile)
{
    haztest::TestEnvironment env;
    const QString folder = QFileInfo(env.documentsFolder()).canonicalFilePath();
    haz::clsDataFile f;
    f.setNonUniCodeMode(true);
    ASSERT_TRUE(f.createFileNHead(QStringLiteral("d.ini"), folder, QStringLiteral("T"), {"A"}));
    ASSERT_TRUE(f.savePost({"x"}));
    ASSERT_TRUE(f.exitFileWrite());
    const QString file = QDir(folder).filePath(QStringLiteral("d.ini"));

    QStringList syncs;
    watchedSyncs = &syncs;
    const bool updated = f.UpdateFieldPost(file, QStringLiteral("A"), 0, QStringLiteral("y"));
    const qsizetype afterUpdate = syncs.size();
    const bool added = f.addPost(file, {"z"});
    watchedSyncs = nullptr;

    ASSERT_TRUE(updated);
    ASSERT_TRUE(added);
    // The new content first (under the temporary name), then the folder holding the new name.
    const QString temporary = QFileInfo(haz::clsDataFile::temporaryFileFor(file)).fileName();
    const qsizetype content = syncs.indexOf(QDir(folder).filePath(temporary));
    ASSERT_GE(content, 0) << syncs.join(u' ').toStdString();
    EXPECT_GT(syncs.lastIndexOf(folder, afterUpdate - 1), content) << syncs.join(u' ').toStdString();
    EXPECT_TRUE(syncs.mid(afterUpdate).contains(file)) << syncs.join(u' ').toStdString();
}
