// The language file, the progress file's template, the caption table, the tab table
// and the fixed pages.

#include "CheckParts.h"

#include "CaptionTable.h"
#include "Captions.h"
#include "Conversions.h"
#include "GenericSubs.h"
#include "Platform.h"
#include "ProgressLayout.h"
#include "RuntimeError.h"
#include "TabPlan.h"
#include "basMain.h"
#include "clsCaptions.h"

#include <QFile>

namespace coursetool {

using haz::RuntimeError;

namespace {

// The fields Scenario reads by position: the name, the two question positions a
// finished scenario raises, and the scenario fields from 31 on.
bool isFixedPosition(int position)
{
    return position == 1 || position == 20 || position == 24 || position >= 31;
}

} // namespace

void checkLanguageFile(CheckContext &context)
{
    const QString shown = context.shown(QStringLiteral("lang.ini"));
    if (!haz::platform::fileExists(context.path(QStringLiteral("lang.ini")))) {
        context.findings.error(shown, 0, QStringLiteral("the file is missing; Training does not start without it"));
        return;
    }
    QString line;
    try {
        // Scenario's reader wants two lines, Training's the first one only.
        line = scenario::GenericSubs::readLangFile(context.installFolder).value(0);
    } catch (const RuntimeError &e) {
        context.findings.error(shown, 0, e.description() + QStringLiteral(" (Scenario reads two lines)"));
        line = training::basMain::readLangCode(context.installFolder);
    }
    if (line.size() != 2)
        context.findings.error(shown, 1, QStringLiteral("the first line is \"%1\", not a two-character language code; "
                                                        "the two programs would name different progress files")
                                             .arg(line));
}

void checkProgressTemplate(CheckContext &context)
{
    const CheckedTable table(context, QStringLiteral("user.ini"), CheckedTable::Encoding::Ansi, {});
    if (!table.ok())
        return;
    const QStringList &fields = table.table().fieldNames();
    if (fields.size() != haz::progress::FieldCount)
        table.error(1, QStringLiteral("the progress file needs %1 fields; this template has %2, and Training "
                                      "replaces a progress file of another size")
                           .arg(haz::progress::FieldCount)
                           .arg(fields.size()));
    for (const haz::progress::FieldSpec &spec : haz::progress::layout()) {
        qsizetype found = -1;
        for (qsizetype k = 0; k < fields.size(); ++k)
            if (fields[k].compare(spec.name, Qt::CaseInsensitive) == 0) {
                found = k;
                break;
            }
        if (found < 0)
            table.error(1, QStringLiteral("the field %1 is missing").arg(spec.name));
        else if (isFixedPosition(spec.position) && found + 1 != spec.position)
            table.error(int(found) + 2, QStringLiteral("the field %1 must be field number %2 (Scenario reads it "
                                                       "by position); it is number %3")
                                            .arg(spec.name)
                                            .arg(spec.position)
                                            .arg(found + 1));
    }
    if (table.posts() > 0)
        table.warning(table.postLine(0) - 1, QStringLiteral("the template holds learners; every new progress file "
                                                            "would start with them"));
}

void checkCaptions(CheckContext &context)
{
    const CheckedTable table(context, QStringLiteral("ini/captions.ini"), CheckedTable::Encoding::Utf16,
                             {QStringLiteral("ObjId"), QStringLiteral("Text"), QStringLiteral("Tooltip")});
    if (!table.ok())
        return;
    const QStringList &fields = table.table().fieldNames();
    // Scenario takes the identifier and the text by position.
    if (fields.value(0).compare(QLatin1String("ObjId"), Qt::CaseInsensitive) != 0
        || fields.value(1).compare(QLatin1String("Text"), Qt::CaseInsensitive) != 0)
        table.error(2, QStringLiteral("the first two fields must be ObjId and Text, in that order"));
    if (!table.hasField(QStringLiteral("ObjId")))
        return;

    QHash<QString, int> first;
    for (int slot = 0; slot < table.posts(); ++slot) {
        const QString id = haz::conv::trimBlanks(table.value(slot, QStringLiteral("ObjId"))).toString();
        if (id.isEmpty())
            continue;
        const int line = table.line(slot, QStringLiteral("ObjId"));
        if (first.contains(id))
            table.warning(line, QStringLiteral("%1 is there already (line %2); the first one is used")
                                    .arg(id)
                                    .arg(first.value(id)));
        else
            first.insert(id, line);
    }
    const auto requireAll = [&](const QStringList &ids, const QString &program) {
        for (const QString &id : ids) {
            const auto post = haz::findCaption(table.table(), id);
            if (!post)
                table.error(0, QStringLiteral("%1 asks for %2, which the table does not hold").arg(program, id));
        }
    };
    requireAll(training::askedCaptionIds(), QStringLiteral("Training"));
    QStringList scenarioOnly;
    for (const QString &id : scenario::askedCaptionIds())
        if (!training::askedCaptionIds().contains(id))
            scenarioOnly << id;
    requireAll(scenarioOnly, QStringLiteral("Scenario"));

    const QString slotOf = QStringLiteral("ScenarioStartedCmd");
    if (const auto post = haz::findCaption(table.table(), slotOf); post && !post->text.contains(u','))
        table.warning(first.value(slotOf), QStringLiteral("%1 holds the texts of two buttons separated by a comma; "
                                                          "this one has no comma")
                                               .arg(slotOf));
}

void checkTabTable(CheckContext &context)
{
    const CheckedTable table(context, QStringLiteral("ini/objsTabs.ini"), CheckedTable::Encoding::Utf16,
                             {QStringLiteral("objID"), QStringLiteral("Visible"), QStringLiteral("Picture")});
    if (!table.ok())
        return;
    const int tabs = int(training::tabPlan().size());
    for (int slot = 0; slot < table.posts(); ++slot) {
        const QString key = haz::conv::trimBlanks(table.value(slot, QStringLiteral("objID"))).toString();
        const QString visible = haz::conv::trimBlanks(table.value(slot, QStringLiteral("Visible"))).toString();
        if (slot < tabs && key != training::tabPlanRow(slot).captionKey)
            table.error(table.line(slot, QStringLiteral("objID")),
                        QStringLiteral("post %1 is read for the tab %2 but names \"%3\"; the table needs one post "
                                       "per tab, in tab order")
                            .arg(slot)
                            .arg(training::tabPlanRow(slot).captionKey, key));
        try {
            haz::conv::toBool(visible);
        } catch (const RuntimeError &) {
            table.error(table.line(slot, QStringLiteral("Visible")),
                        QStringLiteral("Visible is \"%1\", not True or False").arg(visible));
        }
        checkReferencedFile(table, table.line(slot, QStringLiteral("Picture")), QStringLiteral("data/images"),
                            haz::conv::trimBlanks(table.value(slot, QStringLiteral("Picture"))).toString(),
                            Shown::Pictures);
    }
    if (table.posts() < tabs)
        table.error(0, QStringLiteral("the table has %1 posts; it needs one per tab (%2)").arg(table.posts()).arg(tabs));
}

void checkFixedPages(CheckContext &context)
{
    // The introduction page, the diploma's template and the logo are not named by any table.
    for (const QString &page : {QStringLiteral("data/html/info.htm"), QStringLiteral("data/html/diplom.htm"),
                                QStringLiteral("data/images/logo.gif")})
        if (!haz::platform::fileExists(context.path(page)))
            context.findings.error(page, 0, QStringLiteral("the file is missing"));
}

} // namespace coursetool
