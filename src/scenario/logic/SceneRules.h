#pragma once
// Scene pictures without a window: which display a file gets, where panning leads
// (with wrap-around) and how tall the picture is.

#include <QString>

#include <optional>

namespace scenario {

enum class MediaKind { Picture, Page, None };

// By the exact lower-case extension: bmp, jpg, gif are pictures, htm, html pages;
// anything else (including "JPG") is not shown.
MediaKind mediaKindOf(const QString &path);
// A question picture is a page when its name ends exactly in ".htm" or ".html".
bool isQuestionPage(const QString &bild);

// The picture number after a pan, from the text of lblCurrentImage; nothing when the
// text is not a number (or, panning left, below 1).
std::optional<qint16> panLeft(const QString &currentCaption, qint16 count);
std::optional<qint16> panRight(const QString &currentCaption, qint16 count);

inline constexpr qint32 SceneHeightWithPanning = 3690;
inline constexpr qint32 SceneHeightAlone = 4155;

// Panning buttons are shown when the room has several pictures and a scene has
// been shown at all since the start.
bool showPanning(qint16 count, bool sceneShown);
inline qint32 sceneHeight(qint16 count, bool sceneShown)
{
    return showPanning(count, sceneShown) ? SceneHeightWithPanning : SceneHeightAlone;
}

} // namespace scenario
