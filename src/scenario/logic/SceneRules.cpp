#include "SceneRules.h"

#include "Conversions.h"
#include "RuntimeError.h"

namespace scenario {

MediaKind mediaKindOf(const QString &path)
{
    const qsizetype dot = path.lastIndexOf(u'.');
    const QString extension = dot >= 0 ? path.mid(dot + 1) : path;
    if (extension == QLatin1String("bmp") || extension == QLatin1String("jpg") || extension == QLatin1String("gif"))
        return MediaKind::Picture;
    if (extension == QLatin1String("html") || extension == QLatin1String("htm"))
        return MediaKind::Page;
    return MediaKind::None;
}

bool isQuestionPage(const QString &bild)
{
    return bild.endsWith(QLatin1String(".htm")) || bild.endsWith(QLatin1String(".html"));
}

namespace {

std::optional<qint16> currentNumber(const QString &caption)
{
    try {
        return haz::conv::toInt16(caption);
    } catch (const haz::RuntimeError &) {
        return std::nullopt; // a label without a number: the buttons do nothing
    }
}

} // namespace

std::optional<qint16> panLeft(const QString &currentCaption, qint16 count)
{
    const auto current = currentNumber(currentCaption);
    if (!current || *current < 1)
        return std::nullopt;
    return *current == 1 ? count : qint16(*current - 1);
}

std::optional<qint16> panRight(const QString &currentCaption, qint16 count)
{
    const auto current = currentNumber(currentCaption);
    if (!current)
        return std::nullopt;
    return *current >= count ? qint16(1) : haz::conv::narrowToInt16(qint32(*current) + 1);
}

bool showPanning(qint16 count, bool sceneShown)
{
    return count > 1 && sceneShown;
}

} // namespace scenario
