#include "Platform.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>
#include <QTextStream>

#include <QMutex>
#include <QRegularExpression>
#include <QSet>

#include <cerrno>
#include <limits>
#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

namespace haz::platform {

namespace {
QString &installationOverride()
{
    static QString folder;
    return folder;
}

QString hiddenListPath(const QFileInfo &info)
{
    return info.absoluteDir().filePath(QStringLiteral(".hidden"));
}

QStringList readHiddenList(const QString &listPath)
{
    QFile f(listPath);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    QStringList names;
    for (const QByteArray &line : f.readAll().split('\n')) {
        const QString name = QString::fromUtf8(line).trimmed();
        if (!name.isEmpty())
            names << name;
    }
    return names;
}
} // namespace

QString installationFolder()
{
    if (!installationOverride().isEmpty())
        return installationOverride();
    if (QCoreApplication::instance())
        return QCoreApplication::applicationDirPath();
    return QDir::currentPath();
}

void setInstallationFolder(const QString &folder)
{
    installationOverride() = folder;
}

QString documentsFolder()
{
    // Without a home folder there is no documents folder: never fall back to the root.
    const QString home = QFile::decodeName(qgetenv("HOME"));
    if (home.isEmpty() || QDir::isRelativePath(home))
        return {};
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty())
        folder = home;
    QDir().mkpath(folder);
    return folder;
}

QString resolveCaseInsensitive(const QString &path)
{
    if (path.isEmpty() || QFileInfo::exists(path))
        return path;
    const QString clean = QDir::cleanPath(QDir::fromNativeSeparators(path));
    const QStringList parts = clean.split(u'/');
    QString current = clean.startsWith(u'/') ? QStringLiteral("/") : QString();
    for (qsizetype i = 0; i < parts.size(); ++i) {
        const QString &part = parts[i];
        if (part.isEmpty())
            continue;
        const QString candidate = current.isEmpty() ? part : joinPath(current, part);
        if (QFileInfo::exists(candidate)) {
            current = candidate;
            continue;
        }
        const QDir dir(current.isEmpty() ? QStringLiteral(".") : current);
        const QStringList entries =
            dir.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
        QString match;
        for (const QString &entry : entries) {
            if (entry.compare(part, Qt::CaseInsensitive) == 0) {
                match = entry;
                break;
            }
        }
        if (match.isEmpty())
            return path;
        current = current.isEmpty() ? match : joinPath(current, match);
    }
    return current;
}

bool fileExists(const QString &path)
{
    const QFileInfo info(resolveCaseInsensitive(path));
    return info.exists() && info.isFile();
}

bool setHidden(const QString &path, bool hidden)
{
    const QFileInfo info(path);
    const QString listPath = hiddenListPath(info);
    QStringList names = readHiddenList(listPath);
    const bool listed = names.contains(info.fileName());
    if (listed == hidden)
        return true;
    if (hidden)
        names << info.fileName();
    else
        names.removeAll(info.fileName());
    QSaveFile out(listPath);
    if (!out.open(QIODevice::WriteOnly))
        return false;
    out.write(names.join(u'\n').toUtf8());
    if (!names.isEmpty())
        out.write("\n");
    return out.commit();
}

bool isHidden(const QString &path)
{
    const QFileInfo info(path);
    return readHiddenList(hiddenListPath(info)).contains(info.fileName());
}

bool flushToDisk(QFile &file)
{
    if (!file.flush())
        return false;
    return ::fsync(file.handle()) == 0;
}

namespace {
void syncFolderOf(const QString &path)
{
    const int fd = ::open(QFile::encodeName(QFileInfo(path).absolutePath()).constData(),
                          O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return; // the rename itself went through; only its durability is less certain
    ::fsync(fd);
    ::close(fd);
}

bool processRuns(qint64 pid)
{
    if (pid <= 0 || pid > std::numeric_limits<pid_t>::max())
        return false;
    return ::kill(pid_t(pid), 0) == 0 || errno != ESRCH;
}
} // namespace

bool replaceFile(const QString &from, const QString &to)
{
    if (std::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) != 0)
        return false;
    syncFolderOf(to);
    return true;
}

QString temporaryFileIn(const QString &folder)
{
    return QDir(folder).filePath(QStringLiteral(".~") + QString::number(processNumber())
                                 + QStringLiteral(".ini"));
}

void removeStaleTemporaryFiles(const QString &folder)
{
    static QMutex mutex;
    static QSet<QString> looked;
    const QString key = QDir(folder).absolutePath();
    {
        QMutexLocker lock(&mutex);
        if (looked.contains(key))
            return;
        looked.insert(key);
    }
    static const QRegularExpression name(QStringLiteral("^\\.?~(\\d{1,18})\\.ini$"));
    const QDir dir(key);
    const QStringList entries = dir.entryList({QStringLiteral("*~*.ini")}, QDir::Files | QDir::Hidden);
    for (const QString &entry : entries) {
        const QRegularExpressionMatch m = name.match(entry);
        if (!m.hasMatch())
            continue;
        const qint64 pid = m.captured(1).toLongLong();
        if (pid != processNumber() && !processRuns(pid))
            QFile::remove(dir.filePath(entry));
    }
}

void treatFileSizeLimitAsFullDisk()
{
    // Ignored, the signal leaves the write to fail with EFBIG.
    std::signal(SIGXFSZ, SIG_IGN);
}

qint64 processNumber()
{
    return QCoreApplication::applicationPid();
}

QString joinPath(const QString &folder, const QString &name)
{
    if (folder.isEmpty())
        return name;
    // Data and callers may still spell paths with backslashes.
    QString f = QString(folder).replace(u'\\', u'/');
    QString n = QString(name).replace(u'\\', u'/');
    while (f.size() > 1 && f.endsWith(u'/'))
        f.chop(1);
    while (n.startsWith(u'/'))
        n.remove(0, 1);
    if (f == QLatin1String("/"))
        return f + n;
    return f + u'/' + n;
}

} // namespace haz::platform
