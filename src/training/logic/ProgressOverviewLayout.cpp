#include "ProgressOverviewLayout.h"

#include "Conversions.h"
#include "Platform.h"
#include "clsDataFile.h"

#include <QSet>

namespace training {

using haz::TwipRect;

namespace {

constexpr qint32 FirstRowTop = 660;
constexpr qint32 RowPitch = 240;
constexpr qint32 TacticsBlock = 875;      // label, bar, and the Min/Max line under the bar
constexpr qint32 NoTacticsBlock = 175;    // the space left under the rows instead
constexpr qint32 ScenarioRowsHeight = 565; // the scenario rating of a lower frame
constexpr qint32 FramesTop = 840;
constexpr qint32 FrameGap = 105;

// The subject tabs 1 .. 5 and the first label of each row; the row's other three
// labels add "Tot", "Done" and "Corr".
struct SubjectRow {
    const char *tab;
    const char *label;
};
constexpr SubjectRow SubjectRows[] = {
    {"tabMain1", "curLblQuizIde"},  {"tabMain2", "curLblQuizPhys"}, {"tabMain3", "curLblQuizProt"},
    {"tabMain4", "curLblQuizHaz"},  {"tabMain5", "curLblQuizNBC"},
};
const QString TacticsTab = QStringLiteral("tabMain6");
const QStringList RowSuffixes{QString(), QStringLiteral("Tot"), QStringLiteral("Done"), QStringLiteral("Corr")};

const QString ExercisesFrame = QStringLiteral("frmCurExercises");
const QString ExerciseFrame = QStringLiteral("frmCurExercisesExcer");
const QString ExamFrame = QStringLiteral("frmCurExam");

// Everything of the scenario ratings. The spelling "curlbl" of the Min/Max labels
// keeps them out of "curLblTakScenario", so the lower frames' own Min/Max labels are
// named here too: a shortened frame must not keep the captions of a hidden bar.
const QStringList TacticsHidden{
    QStringLiteral("curLblTakScenario"),     QStringLiteral("prgScenarioLatest"),
    QStringLiteral("curlblTakScenarioMin"),  QStringLiteral("curlblTakScenarioMax"),
    QStringLiteral("curLblTakScenarioAvg"),  QStringLiteral("curLblTakScenarioExam"),
    QStringLiteral("prgScenarioAvg"),        QStringLiteral("prgScenarioExam"),
    QStringLiteral("curlblTakScenarioAvg"),  QStringLiteral("curlblTakScenarioExam"),
};

void setTop(QMap<QString, TwipRect> &geometry, const QMap<QString, TwipRect> &current,
            const QString &name, qint32 top)
{
    TwipRect rect = geometry.value(name, current.value(name));
    rect.top = top;
    geometry.insert(name, rect);
}

} // namespace

const QStringList &progressLayoutControls()
{
    static const QStringList names = [] {
        QStringList list;
        for (const SubjectRow &row : SubjectRows) {
            for (const QString &suffix : RowSuffixes)
                list << QString::fromLatin1(row.label) + suffix;
        }
        list << QStringLiteral("curLblTakScenario") << QStringLiteral("prgScenarioLatest")
             << QStringLiteral("curlblTakScenarioMax") << QStringLiteral("curlblTakScenarioMin")
             << QStringLiteral("curLblTakScenarioName") << ExercisesFrame << ExerciseFrame << ExamFrame;
        return list;
    }();
    return names;
}

std::optional<QList<TabTableRow>> readTabTableRows(const QString &iniDir)
{
    haz::clsDataFile table;
    if (!table.readData(haz::platform::joinPath(iniDir, QStringLiteral("ObjsTabs.ini"))))
        return std::nullopt;
    QList<TabTableRow> rows;
    for (qint32 slot = 0; slot < table.numOfPostsRead(); ++slot) {
        const QString objID = haz::conv::trimBlanks(table.getPostPosField(slot, QStringLiteral("objID"))).toString();
        const QString visible = table.getPostPosField(slot, QStringLiteral("Visible"));
        rows.append({objID, haz::conv::toBool(haz::conv::trimBlanks(visible))});
    }
    return rows;
}

ProgressTabLayout layoutProgressTab(const QList<TabTableRow> &rows, const QMap<QString, TwipRect> &current)
{
    ProgressTabLayout layout;
    QSet<QString> done;
    qint32 y = FirstRowTop;
    qint32 lowerFrameCut = 0;
    for (const TabTableRow &row : rows) {
        if (done.contains(row.objID))
            continue;
        for (const SubjectRow &subject : SubjectRows) {
            if (row.objID != QLatin1String(subject.tab))
                continue;
            done.insert(row.objID);
            const QString label = QString::fromLatin1(subject.label);
            if (row.visible) {
                for (const QString &suffix : RowSuffixes)
                    setTop(layout.geometry, current, label + suffix, y);
                y += RowPitch;
            } else {
                layout.hideNamesContaining << label;
            }
        }
        if (row.objID != TacticsTab)
            continue;
        done.insert(row.objID);
        if (row.visible) {
            setTop(layout.geometry, current, QStringLiteral("curLblTakScenario"), y + 240);
            setTop(layout.geometry, current, QStringLiteral("prgScenarioLatest"), y + 240);
            for (const char *name : {"curlblTakScenarioMax", "curlblTakScenarioMin", "curLblTakScenarioName"})
                setTop(layout.geometry, current, QString::fromLatin1(name), y + 480);
            y += TacticsBlock;
        } else {
            layout.hideNamesContaining << TacticsHidden;
            lowerFrameCut = ScenarioRowsHeight;
            y += NoTacticsBlock;
        }
    }

    TwipRect exercises = current.value(ExercisesFrame);
    exercises.height = y;
    TwipRect exercise = current.value(ExerciseFrame);
    exercise.height -= lowerFrameCut;
    exercise.top = exercises.height + FramesTop + FrameGap;
    TwipRect exam = current.value(ExamFrame);
    exam.height -= lowerFrameCut;
    exam.top = exercise.top + exercise.height + FrameGap;
    layout.geometry.insert(ExercisesFrame, exercises);
    layout.geometry.insert(ExerciseFrame, exercise);
    layout.geometry.insert(ExamFrame, exam);
    return layout;
}

QStringList namesContaining(const QStringList &names, const QString &text)
{
    QStringList found;
    if (text.isEmpty())
        return found; // an empty text would otherwise hide every control
    for (const QString &name : names) {
        if (name.contains(text, Qt::CaseSensitive))
            found << name;
    }
    return found;
}

} // namespace training
