#include "CourseCheck.h"

#include "CheckParts.h"
#include "RuntimeError.h"

#include <QDir>

#include <functional>

namespace coursetool {

Findings checkCourse(const QString &installFolder)
{
    Findings findings;
    CheckContext context{QDir(installFolder).absolutePath(), findings};
    if (!QFileInfo(installFolder).isDir()) {
        findings.error(installFolder, 0, QStringLiteral("not a folder"));
        return findings;
    }
    // A part that meets something its checks did not foresee reports it and the others
    // still run: a hostile file must not stop the check.
    const auto guarded = [&](const QString &what, const std::function<void()> &part) {
        try {
            part();
        } catch (const haz::RuntimeError &e) {
            findings.error(what, 0, QStringLiteral("could not be checked to the end: ") + e.description());
        }
    };
    guarded(QStringLiteral("lang.ini"), [&] { checkLanguageFile(context); });
    guarded(QStringLiteral("user.ini"), [&] { checkProgressTemplate(context); });
    guarded(QStringLiteral("ini/captions.ini"), [&] { checkCaptions(context); });
    guarded(QStringLiteral("ini/objsTabs.ini"), [&] { checkTabTable(context); });
    guarded(QStringLiteral("data"), [&] { checkFixedPages(context); });
    guarded(QStringLiteral("ini"), [&] { checkFactLists(context); });
    QSet<qint16> scenarios;
    guarded(QStringLiteral("ini/scenario.ini"), [&] { scenarios = checkScenarios(context); });
    guarded(QStringLiteral("ini"), [&] { checkQuizLists(context, scenarios); });
    return findings;
}

} // namespace coursetool
