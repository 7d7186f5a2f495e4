#pragma once
// Which tabs of the main window an installation shows, and their pictures, from the
// tab table "objsTabs.ini" (fields objID, Visible, Picture; one post per tab, in tab
// order, objID being the tab's caption key "tabMain0" .. "tabMain10").

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

namespace training {

struct TabSettings {
    QList<bool> visible;   // per tab
    QStringList pictures;  // per tab: full path of the tab picture, or empty
};

// Applies the tab table to the tabs' current visibility. `captions` are the tabs'
// current caption texts (a post whose objID holds a tab's caption text also sets
// that tab's visibility). Nothing when the table cannot be read. A Visible value
// that is not a Boolean is RuntimeError 13.
std::optional<TabSettings> readTabSettings(const QString &iniDir, const QString &imagesDir,
                                           const QStringList &captions, const QList<bool> &visible);

// The tab number of a caption key "tabMain0" .. "tabMain<count-1>", or -1.
int tabNumberOfKey(const QString &key, int tabCount);

} // namespace training
