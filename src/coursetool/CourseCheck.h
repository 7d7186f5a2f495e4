#pragma once
// `coursetool check`: reads every file of an installation folder that the two
// programs read, the way they read it, and finds what would go wrong for a learner.

#include "Findings.h"

#include <QString>

namespace coursetool {

Findings checkCourse(const QString &installFolder);

} // namespace coursetool
