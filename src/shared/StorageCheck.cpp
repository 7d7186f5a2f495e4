#include "StorageCheck.h"

#include "MessageService.h"
#include "Platform.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace haz::platform {

namespace {

const QString NoSaveText = QStringLiteral(" The course cannot keep your progress until this is put right.");

// Whether a file can really be made here: permissions alone do not tell for the
// super-user or on a file system mounted read-only.
QString writeProblem(const QString &folder)
{
    QFile probe(temporaryFileIn(folder));
    if (!probe.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return probe.errorString();
    probe.close();
    probe.remove();
    return {};
}

} // namespace

QString documentsFolderProblem()
{
    const QString home = QFile::decodeName(qgetenv("HOME"));
    if (home.isEmpty() || QDir::isRelativePath(home))
        return QStringLiteral("The course keeps your progress in your documents folder, but it cannot tell "
                              "where that is: the HOME environment variable is not set to your home folder.")
            + NoSaveText;
    const QString folder = documentsFolder();
    const QFileInfo info(folder);
    if (!info.exists())
        return QStringLiteral("The course keeps your progress in the folder %1, but that folder does not "
                              "exist and could not be made.").arg(QDir::toNativeSeparators(folder))
            + NoSaveText;
    if (!info.isDir())
        return QStringLiteral("The course keeps your progress in the folder %1, but that is not a folder.")
                   .arg(QDir::toNativeSeparators(folder))
            + NoSaveText;
    const QString problem = writeProblem(folder);
    if (!problem.isEmpty())
        return QStringLiteral("The course keeps your progress in the folder %1, but it may not write there (%2).")
                   .arg(QDir::toNativeSeparators(folder), problem)
            + NoSaveText;
    return {};
}

QString progressFileProblem(const QString &path)
{
    const QFileInfo info(path);
    if (!info.exists() && !info.isSymLink())
        return {};
    const QString where = QDir::toNativeSeparators(path);
    QString what;
    if (info.isSymLink() && !info.exists())
        what = QStringLiteral("it is a link to a file that does not exist");
    else if (info.isDir())
        what = QStringLiteral("it is a folder, not a file");
    else if (!info.isFile())
        what = QStringLiteral("it is not an ordinary file (a device, a pipe or a socket)");
    else if (!info.isReadable())
        what = QStringLiteral("the course may not read it");
    else if (!info.isWritable())
        what = QStringLiteral("the course may not change it");
    if (what.isEmpty())
        return {};
    return QStringLiteral("Your progress is kept in the file %1, but %2.").arg(where, what) + NoSaveText;
}

bool checkDocumentsFolder(MessageService &messages, const QString &title)
{
    const QString problem = documentsFolderProblem();
    if (problem.isEmpty()) {
        removeStaleTemporaryFiles(documentsFolder());
        return true;
    }
    messages.show(problem, title, MessageIcon::Critical);
    return false;
}

bool checkProgressFile(const QString &path, MessageService &messages, const QString &title)
{
    const QString problem = progressFileProblem(path);
    if (problem.isEmpty())
        return true;
    messages.show(problem, title, MessageIcon::Critical);
    return false;
}

} // namespace haz::platform
