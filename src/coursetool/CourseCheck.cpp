#include "CourseCheck.h"

#include "CheckParts.h"

#include <QDir>

namespace coursetool {

Findings checkCourse(const QString &installFolder)
{
    Findings findings;
    CheckContext context{QDir(installFolder).absolutePath(), findings};
    if (!QFileInfo(installFolder).isDir()) {
        findings.error(installFolder, 0, QStringLiteral("not a folder"));
        return findings;
    }
    checkLanguageFile(context);
    checkProgressTemplate(context);
    checkCaptions(context);
    checkTabTable(context);
    checkFixedPages(context);
    checkFactLists(context);
    const QSet<qint16> scenarios = checkScenarios(context);
    checkQuizLists(context, scenarios);
    return findings;
}

} // namespace coursetool
