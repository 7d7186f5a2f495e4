#include "CheckParts.h"

#include "Platform.h"

#include <QDir>
#include <QFileInfo>

namespace coursetool {

namespace {

// As the display routines choose: the text after the last dot, letter case counting.
QString extensionOf(const QString &name)
{
    const qsizetype dot = name.lastIndexOf(u'.');
    return dot < 0 ? name : name.mid(dot + 1);
}

QStringList extensionsFor(Shown shown)
{
    const QStringList pictures{QStringLiteral("bmp"), QStringLiteral("jpg"), QStringLiteral("gif")};
    const QStringList pages{QStringLiteral("htm"), QStringLiteral("html")};
    switch (shown) {
    case Shown::Pictures:
        return pictures;
    case Shown::Pages:
        return pages;
    case Shown::PicturesOrPages:
        break;
    }
    return pictures + pages;
}

} // namespace

void checkReferencedFile(const CheckedTable &table, int line, const QString &folder, const QString &name,
                         Shown shown)
{
    if (name.trimmed().isEmpty())
        return;
    const QString relative = folder + u'/' + name;
    const QStringList extensions = extensionsFor(shown);
    if (!extensions.contains(extensionOf(name)))
        table.error(line, QStringLiteral("%1 is not shown: only the extensions %2 are (letter case counts)")
                              .arg(relative, extensions.join(QStringLiteral(", "))));
    const QString exact = table.context().path(relative);
    const QString resolved = haz::platform::resolveCaseInsensitive(exact);
    if (!QFileInfo(resolved).isFile()) {
        table.error(line, QStringLiteral("%1 is missing").arg(relative));
        return;
    }
    if (!QFileInfo::exists(exact))
        table.warning(line, QStringLiteral("%1 is found only where letter case is ignored: the file is %2")
                                .arg(relative, QDir(table.context().installFolder).relativeFilePath(resolved)));
    const QFileInfo info(resolved);
    const QStringList twins = info.dir().entryList({info.fileName()}, QDir::Files);
    if (twins.size() > 1)
        table.warning(line, QStringLiteral("%1 names %2 files that differ only in letter case (%3); "
                                           "where letter case is ignored only one of them can be")
                                .arg(relative)
                                .arg(twins.size())
                                .arg(twins.join(QStringLiteral(", "))));
}

} // namespace coursetool
