#pragma once
// Which control shows a picture or page file: chosen by the name of the requested
// control and the file's extension, compared exactly (letter case counts).

#include <QString>

namespace training {

// The name of the info window's browser.
inline QString InfoBrowserName()
{
    return QStringLiteral("webWindow");
}

enum class MediaKind { None, Picture, Page };

struct MediaChoice {
    MediaKind kind = MediaKind::None;
    QString target;               // the control that loads the file; empty for none
    QString printButton;          // fact browsers: disabled first, enabled after a page
    bool hideInfoBrowser = false; // "webWindow": its browser is hidden first
};

// The text after the last "." of the path; the whole path when it has none.
QString mediaExtension(const QString &path);

MediaChoice chooseMediaTarget(const QString &controlName, const QString &path);

// What blanking the media controls does to a control of the main window.
enum class MediaClearing { Keep, Hide, BlankAndHide };
MediaClearing mediaClearingFor(const QString &objectName);

} // namespace training
