#include "DiplomaPage.h"

#include "Platform.h"
#include "TextCodec.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

namespace training {

QString diplomaPagePath(const QString &documentsFolder)
{
    return haz::platform::joinPath(documentsFolder, QStringLiteral("~hazCourseDipl.htm"));
}

QString diplomaTemplatePath(const QString &htmlDir)
{
    return haz::platform::resolveCaseInsensitive(haz::platform::joinPath(htmlDir, QStringLiteral("diplom.htm")));
}

DiplomaOutcome writeDiplomaPage(const QString &templatePath, const QString &outputPath,
                                const PlaceholderValues &values, QByteArray *written)
{
    const QString source = haz::platform::resolveCaseInsensitive(templatePath);
    if (!QFileInfo(source).isFile())
        return DiplomaOutcome::NoTemplate;
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly))
        return DiplomaOutcome::NotWritten;
    using haz::codec::Encoding;
    const QString page = replacePlaceholder(haz::codec::decode(in.readAll(), Encoding::Ansi), values);
    in.close();

    // The page is a new file put in the place of whatever stands at its name: a link
    // planted there is replaced, never written through, and a page that cannot be
    // written completely leaves nothing behind.
    const QByteArray bytes = haz::codec::encode(page, Encoding::Ansi);
    QTemporaryFile out(QFileInfo(outputPath).absolutePath() + QStringLiteral("/.~hazCourseDipl-XXXXXX.htm"));
    if (!out.open() || out.write(bytes) != bytes.size() || !out.flush())
        return DiplomaOutcome::NotWritten;
    out.close();
    if (!haz::platform::replaceFile(out.fileName(), outputPath))
        return DiplomaOutcome::NotWritten;
    out.setAutoRemove(false);
    if (written)
        *written = bytes;
    return DiplomaOutcome::Written;
}

bool removeDiplomaPage(const QString &outputPath, const QByteArray &written)
{
    const QFileInfo info(outputPath);
    if (outputPath.isEmpty() || (!info.exists() && !info.isSymLink()))
        return true;
    // Only the page this program wrote goes: a link, or a file someone put there
    // since, is not ours.
    QFile file(outputPath);
    if (info.isSymLink() || !info.isFile() || info.size() != written.size() || !file.open(QIODevice::ReadOnly)
        || file.readAll() != written)
        return false;
    file.close();
    return QFile::remove(outputPath);
}

} // namespace training
