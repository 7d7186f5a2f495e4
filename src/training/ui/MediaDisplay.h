#pragma once
// showMediaFile and clearMediaControls over the named controls of the main window
// (and the info window's browser "webWindow").

#include <QPointer>
#include <QString>
#include <QWidget>

namespace haz {
struct LastError;
}

namespace training {

class frmWebInfoHost;

class MediaDisplay {
public:
    // A file that cannot be shown and is not reported goes to `failures`.
    MediaDisplay(QWidget *mainWindow, frmWebInfoHost &info, haz::LastError &failures);

    // Shows the file in the control chosen by `controlName` and the file's extension.
    // A picture that cannot be loaded is a RuntimeError (53 missing, 481 undecodable)
    // and leaves the picture box empty.
    void showMediaFile(const QString &controlName, const QString &path);
    // The same for callers that have no message of their own: a file that cannot be
    // loaded leaves the control empty. False when it could not be loaded.
    bool showMediaFileQuietly(const QString &controlName, const QString &path);

    // Hides every question picture, blanks and hides every question and fact browser.
    void clearMediaControls();

    QWidget *mainWindow() const { return m_main; }
    haz::LastError &failures() { return m_failures; }

private:
    QWidget *control(const QString &name);

    QPointer<QWidget> m_main;
    frmWebInfoHost &m_info;
    haz::LastError &m_failures;
};

} // namespace training
