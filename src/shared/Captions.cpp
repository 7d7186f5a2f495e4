#include "Captions.h"

#include "Conversions.h"
#include "RuntimeError.h"

namespace haz {

std::optional<FindResult> searchCaption(const clsDataFile &captions, const QString &id)
{
    FindResult found = captions.findPosts(QStringLiteral("ObjId"), id);
    if (found.isOneDimensional())
        throw RuntimeError(ErrSubscript);
    if (found.matchCount() == 0)
        return std::nullopt;
    return found;
}

std::optional<CaptionPost> findCaption(const clsDataFile &captions, const QString &id)
{
    const auto found = searchCaption(captions, id);
    if (!found || found->at(1, 1) == QLatin1String("-1") || found->at(2, 1).isEmpty())
        return std::nullopt;
    const qint32 slot = conv::toInt32(found->at(1, 1));
    return CaptionPost{captions.getPostPosField(slot, QStringLiteral("Text")),
                       captions.getPostPosField(slot, QStringLiteral("Tooltip"))};
}

QString captionNotFoundText(const QString &id)
{
    return id + QStringLiteral(" not found in caption file.");
}

} // namespace haz
