#include "CourseBuild.h"

#include "TextCodec.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

namespace coursetool {

namespace {

using haz::codec::Encoding;

enum class Kind { Copy, Ansi, Utf16 };

Kind kindOf(const QString &relative)
{
    const QString lower = relative.toLower();
    if (lower == QLatin1String("lang.ini") || lower == QLatin1String("user.ini"))
        return Kind::Ansi;
    if (lower.startsWith(QLatin1String("ini/")) && lower.endsWith(QLatin1String(".ini")))
        return Kind::Utf16;
    return Kind::Copy;
}

bool isBuildFile(const QString &relative)
{
    return relative == QLatin1String("CMakeLists.txt") || relative.endsWith(QLatin1String(".cpp"))
           || relative.startsWith(QLatin1String("tools/")) || relative.startsWith(QLatin1String("languages/"))
           || relative.endsWith(QLatin1String(".md"));
}

QByteArray convert(const QByteArray &source, Kind kind)
{
    if (kind == Kind::Copy)
        return source;
    QString text = QString::fromUtf8(source);
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(u'\n', QLatin1String("\r\n"));
    const Encoding encoding = kind == Kind::Ansi ? Encoding::Ansi : Encoding::Utf16;
    return haz::codec::fileStart(encoding) + haz::codec::encode(text, encoding);
}

bool writeIfChanged(const QString &path, const QByteArray &bytes)
{
    QFile existing(path);
    if (existing.open(QIODevice::ReadOnly) && existing.readAll() == bytes)
        return true;
    existing.close();
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile out(path);
    return out.open(QIODevice::WriteOnly | QIODevice::Truncate) && out.write(bytes) == bytes.size();
}

} // namespace

QStringList buildCourse(const QString &sourceFolder, const QString &installFolder)
{
    const QDir source(QDir(sourceFolder).absolutePath());
    const QDir target(installFolder);
    if (!source.exists())
        return {sourceFolder};
    QStringList failures;
    QDirIterator it(source.path(), QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QString relative = source.relativeFilePath(path);
        if (isBuildFile(relative))
            continue;
        QFile in(path);
        if (!in.open(QIODevice::ReadOnly) || !writeIfChanged(target.filePath(relative), convert(in.readAll(), kindOf(relative))))
            failures << relative;
    }
    return failures;
}

} // namespace coursetool
