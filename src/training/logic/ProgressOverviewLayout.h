#pragma once
// The rows of the progress overview tab follow the tab table: one row per subject
// tab the installation shows, in the table's order, 240 twips apart, with no gap for
// a hidden tab; then the tactics scenario block when the tactics tab is shown. The
// exercise and exam frames move up under the last row. Pure twips arithmetic; the
// tab's widgets take the result by control name.

#include "Twips.h"

#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>

#include <optional>

namespace training {

struct TabTableRow {
    QString objID;       // trimmed: "tabMain0" .. "tabMain10"
    bool visible = true;
};

// The posts of "ObjsTabs.ini" in file order (fields objID and Visible, blanks
// trimmed). Nothing when the table cannot be read; a Visible value that is not a
// Boolean is RuntimeError 13.
std::optional<QList<TabTableRow>> readTabTableRows(const QString &iniDir);

struct ProgressTabLayout {
    // The new geometry of every control the rule placed or resized.
    QMap<QString, haz::TwipRect> geometry;
    // Texts for hideControlsNamed, in the order they are applied.
    QStringList hideNamesContaining;
};

// The controls whose current geometry layoutProgressTab starts from.
const QStringList &progressLayoutControls();

// Arranges the rows for the tab table. `current` holds the design geometry of the
// controls of progressLayoutControls(); a missing one counts as an empty rectangle.
// A tab named twice is laid out at its first post only.
ProgressTabLayout layoutProgressTab(const QList<TabTableRow> &rows,
                                    const QMap<QString, haz::TwipRect> &current);

// hideControlsNamed: the names among `names` that contain `text` (letter case counts).
QStringList namesContaining(const QStringList &names, const QString &text);

} // namespace training
