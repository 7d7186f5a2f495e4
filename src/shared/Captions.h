#pragma once
// Looking a text up in the caption table, the table of every user-visible text.
// Fields: ObjId (the identifier, usually a control name), Text, Tooltip.

#include <QString>
#include <optional>

namespace haz {

class clsDataFile;

struct CaptionPost {
    QString text;
    QString tooltip;
};

// The post of `id` in an already read caption table; the first of several wins.
// Stored identifiers are compared with their blanks trimmed, letter case counts.
// A table without an ObjId field is RuntimeError 9.
std::optional<CaptionPost> findCaption(const clsDataFile &captions, const QString &id);

// The message shown for an identifier the table does not hold.
QString captionNotFoundText(const QString &id);

} // namespace haz
