#pragma once
// The class report's outputs: CSV for a spreadsheet, an HTML page with the same table
// and bar charts, and xAPI statements for a learning record store.

#include "ClassReport.h"

#include <QByteArray>
#include <QString>

namespace coursetool {

// One row per learner; a header row first. Comma-separated, fields quoted where needed.
QString toCsv(const ClassReport &report);

QString toHtml(const ClassReport &report);

// A JSON array of xAPI statements: one per finished scenario run, exam attempt and
// (with the course known) completed subject quiz. Activity ids lie under `homePage`.
QByteArray toXapi(const ClassReport &report, const QString &homePage);

} // namespace coursetool
