#pragma once
// Looking a text up in the caption table, the table of every user-visible text.
// Fields: ObjId (the identifier, usually a control name), Text, Tooltip.

#include "clsDataFile.h"

#include <QString>
#include <optional>

namespace haz {

struct CaptionPost {
    QString text;
    QString tooltip;
};

// The caption search of both programs: the posts of `id` in an already read caption
// table, whose first match (result(.., 1)) is the one to use; nothing when no post
// holds `id`. Stored identifiers are compared with their blanks trimmed, letter case
// counts. A table without an ObjId field is RuntimeError 9.
// Training reads the match's fields by name, Scenario by position.
std::optional<FindResult> searchCaption(const clsDataFile &captions, const QString &id);

// The post of `id`, read by name; a post whose stored identifier is empty is no caption.
std::optional<CaptionPost> findCaption(const clsDataFile &captions, const QString &id);

// The message shown for an identifier the table does not hold.
QString captionNotFoundText(const QString &id);

} // namespace haz
