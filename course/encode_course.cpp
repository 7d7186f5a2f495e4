// Turns the readable course sources (UTF-8, LF) into an installation folder in the
// encodings the programs read: "lang.ini" and "user.ini" at the top in Windows-1252,
// every table file under "ini/" in UTF-16 with a byte-order mark, all with CR LF.
// Everything else (pages, pictures) is copied as it is. Files are only rewritten
// when their content changes. The caption sets of other languages ("languages/<code>/",
// laid out like the course itself) are encoded by a run of their own over the result.

#include "TextCodec.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QTextStream>

#include <cstdio>

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

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: encode_course <course source folder> <installation folder>\n");
        return 2;
    }
    const QDir source(QDir(QString::fromLocal8Bit(argv[1])).absolutePath());
    const QDir target(QString::fromLocal8Bit(argv[2]));
    int failures = 0;
    QDirIterator it(source.path(), QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QString relative = source.relativeFilePath(path);
        if (relative == QLatin1String("CMakeLists.txt") || relative.endsWith(QLatin1String(".cpp"))
            || relative.startsWith(QLatin1String("tools/")) || relative.startsWith(QLatin1String("languages/"))
            || relative.endsWith(QLatin1String(".md")))
            continue;
        QFile in(path);
        if (!in.open(QIODevice::ReadOnly) || !writeIfChanged(target.filePath(relative), convert(in.readAll(), kindOf(relative)))) {
            std::fprintf(stderr, "encode_course: cannot install %s\n", qPrintable(relative));
            ++failures;
        }
    }
    return failures == 0 ? 0 : 1;
}
