#include "DiplomaPage.h"

#include "Platform.h"
#include "TextCodec.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

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
                                const PlaceholderValues &values)
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

    // A page that cannot be written completely must not leave half a diploma behind.
    QSaveFile out(outputPath);
    if (!out.open(QIODevice::WriteOnly))
        return DiplomaOutcome::NotWritten;
    const QByteArray bytes = haz::codec::encode(page, Encoding::Ansi);
    if (out.write(bytes) != bytes.size() || !out.commit())
        return DiplomaOutcome::NotWritten;
    return DiplomaOutcome::Written;
}

bool removeDiplomaPage(const QString &outputPath)
{
    if (outputPath.isEmpty() || !QFileInfo::exists(outputPath))
        return true;
    return QFile::remove(outputPath);
}

} // namespace training
