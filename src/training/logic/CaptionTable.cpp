#include "CaptionTable.h"

#include "Captions.h"
#include "Conversions.h"
#include "FailureNote.h"
#include "TabPlan.h"
#include "basCaptions.h"
#include "basMain.h"
#include "clsDataFile.h"

#include <QObject>
#include <QVariant>

namespace training {

namespace {

using R = CaptionRule;

CaptionRow row(const char *window, const char *control, const char *id = nullptr, CaptionRule rule = R::Required,
               const QStringList &likes = {})
{
    return {QString::fromLatin1(window), QString::fromLatin1(control), QString::fromLatin1(id ? id : control),
            rule, likes};
}

QStringList names(std::initializer_list<const char *> list)
{
    QStringList out;
    for (const char *name : list)
        out << QString::fromLatin1(name);
    return out;
}

} // namespace

const QList<CaptionRow> &captionRows()
{
    static const QList<CaptionRow> rows{
        // The personal-data window.
        row("frmPersData", "lblPersDataBen"), row("frmPersData", "lblPersDataName"),
        row("frmPersData", "lblPersDataOrg"), row("frmPersData", "cmdPersDataOK"),
        row("frmPersData", "cmdPersDataCancel"),
        // The main window's title, also the learner dialog's heading.
        row("frmMain", "frmMain"), row("frmUserChoose", "lblProgram", "frmMain"),
        // The progress tab.
        row("frmMain", "curLblMyCur"), row("frmMain", "curLblLastStudy"), row("frmMain", "curLblWTab"),
        row("frmMain", "curLblWChap"), row("frmMain", "curLblExcercises"), row("frmMain", "curBtnShowDipl"),
        row("frmMain", "curLblTakScenarioAvg"), row("frmMain", "curLblTakScenarioExam"),
        row("frmMain", "curLblTakScenario", "curlblTakScenario"),
        row("frmMain", "curlblTakScenarioMin", "curlblTakScenarioMin", R::Family,
            names({"curlblTakScenarioAvgMin", "curlblTakScenarioExamMin"})),
        row("frmMain", "curlblTakScenarioMax", "curlblTakScenarioMax", R::Family,
            names({"curlblTakScenarioAvgMax", "curlblTakScenarioExamMax"})),
        row("frmMain", "curBtnExit", "btnExit", R::KeptText),
        // The subject tabs' buttons, from the Hazard tab to its likes on every tab.
        row("frmMain", "QuizAnswBtn(3)", "hazQuizAnswBtn", R::Family,
            names({"QuizAnswBtn(0)", "QuizAnswBtn(1)", "QuizAnswBtn(2)", "QuizAnswBtn(4)", "QuizAnswBtn(7)",
                   "examQuizAnswBtn"})),
        row("frmMain", "HazOpt(0)", "optFact", R::Family, names({"ideOpt(0)", "physOpt(0)", "protOpt(0)", "NBCOpt(0)"})),
        row("frmMain", "HazOpt(1)", "optQuiz", R::Family, names({"ideOpt(1)", "physOpt(1)", "protOpt(1)", "NBCOpt(1)"})),
        row("frmMain", "hazQuizbtnInfoLink", "btnQuizMoreInfo", R::Family,
            names({"ideQuizbtnInfoLink", "physQuizbtnInfoLink", "protQuizbtnInfoLink", "NBCQuizbtnInfoLink",
                   "excerQuizbtnInfoLink", "examQuizbtnInfoLink"})),
        row("frmMain", "QuizRestartBtn(3)", "btnRestart", R::Family,
            names({"QuizRestartBtn(0)", "QuizRestartBtn(1)", "QuizRestartBtn(2)", "QuizRestartBtn(4)",
                   "excerQuizRestartBtn", "examQuizRestartBtn"})),
        row("frmMain", "FactCmdPrint(3)", "btnPrint", R::Family,
            names({"FactCmdPrint(0)", "FactCmdPrint(1)", "FactCmdPrint(2)", "FactCmdPrint(4)", "FactCmdPrint(5)",
                   "FactCmdPrint(6)"})),
        // The tactics tab and the subject headings.
        row("frmMain", "takFactCmdStart"), row("frmMain", "hazLbl"), row("frmMain", "ideLbl"),
        row("frmMain", "protLbl"), row("frmMain", "physLbl"), row("frmMain", "takLbl"), row("frmMain", "NBCLbl"),
        // The smaller windows.
        row("frmCoursePrnt", "cmdCloseDiploma"), row("frmExitSave", "frmExitSave"),
        row("frmExitSave", "lblExitSave"), row("frmExamTimeRanOut", "lblExam_TimeRanOut"),
        row("frmExamTimeRanOut", "cmdExamTime_Cancel"), row("frmExamTimeRanOut", "cmdExamTime_Next"),
        // Controls with a built-in text that an installation may still translate.
        row("frmMain", "refOpt", nullptr, R::Optional), row("frmMain", "excerOpt", nullptr, R::Optional),
        row("frmMain", "examOpt", nullptr, R::Optional),
        row("frmMain", "excerQuizAnswBtnScenario", nullptr, R::Optional),
        row("frmMain", "examQuizAnswBtnScenario", nullptr, R::Optional),
    };
    return rows;
}

const QStringList &codeCaptionIds()
{
    static const QStringList ids{
        QStringLiteral("iniMyDoc"),          QStringLiteral("icon"),
        QStringLiteral("ExamQuizClockText"), QStringLiteral("ExamQuizClockUnit"),
        QStringLiteral("ScenarioStarted"),   QStringLiteral("ScenarioStartedCmd"),
    };
    return ids;
}

QStringList askedCaptionIds()
{
    QStringList ids;
    for (const TabPlanRow &tab : tabPlan())
        ids << tab.captionKey;
    for (const CaptionRow &r : captionRows())
        if (r.rule != CaptionRule::Optional)
            ids << r.id;
    ids << basMain::keptTextIds() << codeCaptionIds();
    ids.removeDuplicates();
    return ids;
}

namespace {

std::optional<QString> optionalText(const haz::clsDataFile &captions, const QString &id, haz::LastError &lastError)
{
    std::optional<QString> text;
    haz::runNoted(lastError, [&] {
        if (const auto post = haz::findCaption(captions, id))
            text = haz::conv::expandLineBreaks(post->text);
    });
    return text;
}

void copyCaption(const QObject *from, QObject *to, haz::LastError &lastError)
{
    haz::runNoted(lastError, [&] {
        const char *property = basMain::captionProperty(from);
        basMain::setCaptionText(to, from->property(property).toString());
        to->setProperty("toolTip", from->property("toolTip"));
    });
}

} // namespace

void applyCaptionRows(const QList<CaptionRow> &rows, const haz::clsDataFile &captions, const ControlLookup &find,
                      const std::function<QString(const QString &)> &keptText, haz::MessageService &messages,
                      haz::LastError &lastError)
{
    for (const CaptionRow &r : rows) {
        QObject *control = find(r.window, r.control);
        switch (r.rule) {
        case CaptionRule::Required:
        case CaptionRule::Family:
            basMain::setCaption(captions, control, r.id, messages, lastError);
            if (control)
                for (const QString &like : r.likes)
                    if (QObject *target = find(r.window, like))
                        copyCaption(control, target, lastError);
            break;
        case CaptionRule::Optional:
            if (control)
                if (const auto text = optionalText(captions, r.id, lastError))
                    haz::runNoted(lastError, [&] { basMain::setCaptionText(control, *text); });
            break;
        case CaptionRule::KeptText:
            if (control)
                haz::runNoted(lastError, [&] { basMain::setCaptionText(control, keptText(r.id)); });
            break;
        }
    }
}

} // namespace training
