#pragma once
// The parts of `check`, one per kind of file; each adds what it finds to the context.

#include "CheckedTable.h"

#include <QSet>

namespace coursetool {

void checkLanguageFile(CheckContext &context);
void checkProgressTemplate(CheckContext &context);
void checkCaptions(CheckContext &context);
void checkTabTable(CheckContext &context);
void checkFixedPages(CheckContext &context);
void checkFactLists(CheckContext &context);
// `scenarios`: the sc_ids of the scenario table, for the scenario questions.
void checkQuizLists(CheckContext &context, const QSet<qint16> &scenarios);
// Returns the sc_ids the scenario table holds.
QSet<qint16> checkScenarios(CheckContext &context);

// Which files a reference may name.
enum class Shown { Pictures, Pages, PicturesOrPages };

// A file named by a table value (at `line` of `table`), in `folder` of the
// installation ("data/images" or "data/html"): it must exist, be found with its own
// letter case too, and have an extension the programs show. An empty name is not
// checked.
void checkReferencedFile(const CheckedTable &table, int line, const QString &folder, const QString &name,
                         Shown shown);

} // namespace coursetool
