// The progress overview: rows laid out from the tab table, hiding by name, and the
// three scenario bars rated from the progress file and the scenario table.
#include "ProgressOverviewLayout.h"
#include "ProgressOverviewRatings.h"
#include "ProgressOverviewView.h"
#include "TestEnvironment.h"

#include "Errors.h"
#include "Platform.h"
#include "ProgressLayout.h"
#include "TwipGeometry.h"

#include <QLabel>
#include <QProgressBar>
#include <QWidget>

#include <gtest/gtest.h>

using namespace training;
using haz::TwipRect;

namespace {

// A table file: name, fields, then one post per row.
QString tableText(const QString &name, const QStringList &fields, const QList<QStringList> &posts)
{
    QString text = QLatin1Char('[') + name + QStringLiteral("]\r\n");
    for (const QString &field : fields)
        text += QStringLiteral("FieldName=") + field + QStringLiteral("\r\n");
    text += QStringLiteral("\r\n");
    for (int p = 0; p < posts.size(); ++p) {
        text += QStringLiteral("\r\n[%1]\r\n").arg(p);
        for (const QString &value : posts.at(p))
            text += value + QStringLiteral("\r\n");
        text += QStringLiteral("\r\n");
    }
    return text;
}

QList<TabTableRow> tabTable(const QList<int> &hidden, const QList<int> &order = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10})
{
    QList<TabTableRow> rows;
    for (int tab : order)
        rows.append({QStringLiteral("tabMain%1").arg(tab), !hidden.contains(tab)});
    return rows;
}

// The frames as the overview tab is designed.
QMap<QString, TwipRect> designFrames()
{
    return {{QStringLiteral("frmCurExercises"), {120, 840, 7200, 2735}},
            {QStringLiteral("frmCurExercisesExcer"), {120, 3680, 7200, 1200}},
            {QStringLiteral("frmCurExam"), {120, 4985, 7200, 1200}}};
}

// Every control name of the overview's rows and ratings.
QStringList overviewNames()
{
    QStringList names = progressLayoutControls();
    names << QStringLiteral("curLblTakScenarioAvg") << QStringLiteral("prgScenarioAvg")
          << QStringLiteral("curlblTakScenarioAvgMin") << QStringLiteral("curlblTakScenarioAvgMax")
          << QStringLiteral("curLblTakScenarioExam") << QStringLiteral("prgScenarioExam")
          << QStringLiteral("curlblTakScenarioExamMin") << QStringLiteral("curlblTakScenarioExamMax")
          << QStringLiteral("curLblQuizExcerTot") << QStringLiteral("curLblExamDone");
    return names;
}

QStringList hiddenBy(const ProgressTabLayout &layout)
{
    QStringList hidden;
    for (const QString &text : layout.hideNamesContaining)
        hidden << namesContaining(overviewNames(), text);
    hidden.removeDuplicates();
    hidden.sort();
    return hidden;
}

} // namespace

TEST(ProgressOverviewLayout, AllTabsShownReproducesTheDesign)
{
    const ProgressTabLayout layout = layoutProgressTab(tabTable({}), designFrames());
    EXPECT_TRUE(layout.hideNamesContaining.isEmpty());
    EXPECT_EQ(layout.geometry.value("curLblQuizIde").top, 660);
    EXPECT_EQ(layout.geometry.value("curLblQuizNBCCorr").top, 660 + 4 * 240);
    EXPECT_EQ(layout.geometry.value("prgScenarioLatest").top, 1860 + 240);
    EXPECT_EQ(layout.geometry.value("curLblTakScenarioName").top, 1860 + 480);
    EXPECT_EQ(layout.geometry.value("frmCurExercises"), (TwipRect{120, 840, 7200, 2735}));
    EXPECT_EQ(layout.geometry.value("frmCurExercisesExcer"), (TwipRect{120, 3680, 7200, 1200}));
    EXPECT_EQ(layout.geometry.value("frmCurExam"), (TwipRect{120, 4985, 7200, 1200}));
}

TEST(ProgressOverviewLayout, RowsFollowTheTableWithoutGapsForHiddenTabs)
{
    const ProgressTabLayout layout = layoutProgressTab(tabTable({2}), designFrames());
    EXPECT_EQ(hiddenBy(layout), (QStringList{"curLblQuizPhys", "curLblQuizPhysCorr", "curLblQuizPhysDone",
                                             "curLblQuizPhysTot"}));
    // Prot takes the place of Phys, 240 twips higher than designed.
    for (const char *label : {"curLblQuizProt", "curLblQuizProtTot", "curLblQuizProtDone", "curLblQuizProtCorr"})
        EXPECT_EQ(layout.geometry.value(label).top, 660 + 240) << label;
    EXPECT_EQ(layout.geometry.value("frmCurExercises").height, 2735 - 240);
    EXPECT_EQ(layout.geometry.value("frmCurExercisesExcer").top, 3680 - 240);

    // The order of the table is the order of the rows; a tab named twice counts once.
    const ProgressTabLayout reordered = layoutProgressTab(tabTable({}, {5, 6, 1, 1, 2, 3, 4}), designFrames());
    EXPECT_EQ(reordered.geometry.value("curLblQuizNBC").top, 660);
    EXPECT_EQ(reordered.geometry.value("curLblTakScenario").top, 900 + 240);
    EXPECT_EQ(reordered.geometry.value("curLblQuizIde").top, 900 + 875);
    EXPECT_EQ(reordered.geometry.value("frmCurExercises").height, 2735);
}

TEST(ProgressOverviewLayout, HiddenTacticsTabHidesEveryRatingAndShortensTheLowerFrames)
{
    const ProgressTabLayout layout = layoutProgressTab(tabTable({6}), designFrames());
    QStringList ratings = namesContaining(overviewNames(), QStringLiteral("Scenario"));
    ratings.sort();
    EXPECT_EQ(hiddenBy(layout), ratings);
    EXPECT_EQ(ratings.size(), 13);
    EXPECT_EQ(layout.geometry.value("frmCurExercises").height, 1860 + 175);
    const TwipRect exercise = layout.geometry.value("frmCurExercisesExcer");
    EXPECT_EQ(exercise.height, 1200 - 565);
    EXPECT_EQ(exercise.top, 2035 + 840 + 105);
    EXPECT_EQ(layout.geometry.value("frmCurExam"), (TwipRect{120, exercise.top + 635 + 105, 7200, 1200 - 565}));
}

TEST(ProgressOverviewLayout, HidingMatchesTheExactNameSubstring)
{
    EXPECT_EQ(namesContaining(overviewNames(), QStringLiteral("curLblTakScenario")),
              (QStringList{"curLblTakScenario", "curLblTakScenarioName", "curLblTakScenarioAvg",
                           "curLblTakScenarioExam"}));
    EXPECT_TRUE(namesContaining(overviewNames(), QStringLiteral("curlblquizide")).isEmpty());
    EXPECT_TRUE(namesContaining(overviewNames(), QString()).isEmpty());
}

TEST(ProgressOverviewLayout, WidgetsTakeTheLayoutOfTheTabTable)
{
    haztest::TestEnvironment env;
    const QString iniDir = haz::platform::joinPath(env.installFolder(), QStringLiteral("ini"));
    QList<QStringList> posts;
    for (int tab = 0; tab <= 10; ++tab)
        posts << QStringList{QStringLiteral(" tabMain%1 ").arg(tab), tab == 1 ? QStringLiteral("false") : QStringLiteral("True"), QString()};
    env.writeInstallFile(QStringLiteral("ini/objsTabs.ini"),
                         haztest::utf16(tableText("ObjsTabs", {"objID", "Visible", "Picture"}, posts)));

    QWidget tab;
    QWidget *frame = haz::twips::place<QWidget>(&tab, QStringLiteral("frmCurExercises"), {120, 840, 7200, 2735});
    for (const QString &name : progressLayoutControls()) {
        if (!name.startsWith(QLatin1String("frm")))
            haz::twips::place<QLabel>(frame, name, {240, 0, 1200, 240});
    }
    haz::twips::place<QWidget>(&tab, QStringLiteral("frmCurExercisesExcer"), {120, 3680, 7200, 1200});
    haz::twips::place<QWidget>(&tab, QStringLiteral("frmCurExam"), {120, 4985, 7200, 1200});
    tab.show();

    layoutProgressTab(&tab, iniDir);
    EXPECT_TRUE(tab.findChild<QWidget *>("curLblQuizIdeDone")->isHidden());
    EXPECT_FALSE(tab.findChild<QWidget *>("curLblQuizPhys")->isHidden());
    EXPECT_EQ(haz::twips::geometry(tab.findChild<QWidget *>("curLblQuizPhysCorr")).top, 660);
    EXPECT_EQ(haz::twips::geometry(tab.findChild<QWidget *>("frmCurExam")).top, 4985 - 240);

    // A Visible text that is no Boolean is reported, not guessed.
    posts[3][1] = QStringLiteral("maybe");
    env.writeInstallFile(QStringLiteral("ini/objsTabs.ini"),
                         haztest::utf16(tableText("ObjsTabs", {"objID", "Visible", "Picture"}, posts)));
    EXPECT_EQ(haztest::errorOf([&] { readTabTableRows(iniDir); }), 13);
    EXPECT_FALSE(readTabTableRows(env.installFolder()).has_value());
}

// ------------------------------------------------------------------ ratings

namespace {

ScenarioTable scenarios(std::initializer_list<std::tuple<const char *, int, int>> rows)
{
    ScenarioTable table;
    for (const auto &[id, lo, hi] : rows)
        table.insert(QString::fromLatin1(id), ScenarioEntry{QStringLiteral("Scenario %1").arg(id), qint16(lo), qint16(hi)});
    return table;
}

} // namespace

TEST(ProgressOverviewRatings, LatestBarRatesOnlyTheNewestRun)
{
    const ScenarioTable table = scenarios({{"12", 0, 40}, {"7", 0, 10}});
    auto latest = latestScenarioResult(CompletedLists{"12,7", "30,55"}, table);
    ASSERT_TRUE(latest);
    EXPECT_EQ(latest->value, 25);
    EXPECT_EQ(latest->name, "Scenario 12");
    EXPECT_EQ(latestScenarioResult(CompletedLists{"12", "50"}, table)->value, 0);   // -25 shown as 0
    EXPECT_EQ(latestScenarioResult(CompletedLists{"12", "-10"}, table)->value, 100); // 125 shown as 100
    // Unknown scenario: no name, no range.
    latest = latestScenarioResult(CompletedLists{"99", "5"}, table);
    EXPECT_EQ(latest->value, 0);
    EXPECT_EQ(latest->name, "");
    // Nothing played, or nothing to read: the bar stays.
    EXPECT_FALSE(latestScenarioResult(CompletedLists{"-1", "-1"}, table));
    EXPECT_FALSE(latestScenarioResult(CompletedLists{"-1,12", "30"}, table));
    EXPECT_FALSE(latestScenarioResult(CompletedLists{"12", "30"}, std::nullopt));
    EXPECT_FALSE(latestScenarioResult(std::nullopt, table));
}

TEST(ProgressOverviewRatings, RatingRoundsHalvesToEven)
{
    EXPECT_EQ(scenarioRating(1, 0, 8), 88);    // 87.5
    EXPECT_EQ(scenarioRating(3, 0, 8), 62);    // 62.5
    EXPECT_EQ(scenarioRating(5, 5, 5), 0);     // no range
    EXPECT_EQ(scenarioRating(-2000000000, 0, 1), 100);
}

TEST(ProgressOverviewRatings, ExerciseAndExamBarsSumEveryRun)
{
    const ScenarioTable table = scenarios({{"1", 0, 40}, {"2", 0, 60}});
    const CompletedLists runs{"1,2", "10,30"};
    EXPECT_EQ(exerciseScenarioResult(runs, table, 3), 60);
    EXPECT_EQ(examScenarioResult(runs, table), 60);
    // No exercise question answered yet: 0 whatever was played.
    EXPECT_EQ(exerciseScenarioResult(runs, table, 0), 0);
    EXPECT_EQ(exerciseScenarioResult(std::nullopt, std::nullopt, 0), 0);
    // Empty lists: the exercise shows 0, the exam keeps its bar.
    EXPECT_EQ(exerciseScenarioResult(CompletedLists{"-1", "-1"}, table, 3), 0);
    EXPECT_FALSE(examScenarioResult(CompletedLists{"1", "-1"}, table));
    // No listed scenario in the table: the summed range is 0, and so is the bar.
    EXPECT_EQ(examScenarioResult(CompletedLists{"8,9", "10,30"}, table), 0);
    // A scenario without a range adds its score only; unmatched and damaged entries add nothing.
    EXPECT_EQ(examScenarioResult(CompletedLists{"1,9,2,x,2", "10,20,30"}, table), 40);
    EXPECT_EQ(examScenarioResult(CompletedLists{"1,2,-1", "10,abc,5"}, table), 75);
}

TEST(ProgressOverviewRatings, BarsAreReadFromTheLearnersPostAndTheScenarioTable)
{
    haztest::TestEnvironment env;
    const QString iniDir = haz::platform::joinPath(env.installFolder(), QStringLiteral("ini"));
    env.writeInstallFile(QStringLiteral("ini/scenario.ini"),
                         haztest::utf16(tableText("Scenario", {"sc_id", "Namn", "Besk", "StartTid", "PoangMin", "PoangMax", "Logo", "Temp", "Vind"},
                                                  {{" 12 ", "Chlorine at the swimming pool", "", "0", "0", "40", "", "", ""},
                                                   {"12", "Second post of 12", "", "0", "0", "10", "", "", ""},
                                                   {"3", "Ammonia at the cold store", "", "0", "10", "not a number", "", "", ""}})));
    QList<QStringList> posts;
    for (const QString &learner : {QStringLiteral("Eva"), QStringLiteral("Ann")}) {
        QStringList values(haz::progress::FieldCount, QStringLiteral("-1"));
        values[0] = learner;
        posts << values;
    }
    const auto set = [&](const char *field, const char *value) {
        posts[1][haz::progress::position(QString::fromLatin1(field)) - 1] = QString::fromLatin1(value);
    };
    set("CompletedScenarios", "12,3");
    set("CompletedScores", "30,5");
    set("excerCompletedScenarios", "3,12");
    set("excerCompletedScores", "4,20");
    const QString userFile = haz::platform::joinPath(env.documentsFolder(), QStringLiteral("enUsers.ini"));
    haztest::writeFile(userFile, haztest::ansi(tableText("UserData", haz::progress::fieldNames(), posts)));

    const ScenarioBars bars = readScenarioBars(userFile, QStringLiteral("Ann"), iniDir, 2);
    ASSERT_TRUE(bars.latest);
    EXPECT_EQ(bars.latest->value, 25);
    EXPECT_EQ(bars.latest->name, "Chlorine at the swimming pool");
    EXPECT_EQ(bars.exercise, 40); // 3 has no range: S = 24, LO = 0, HI = 40
    EXPECT_FALSE(bars.exam);

    // Scenario 3's range does not convert: its name still shows, rated 0.
    posts[1][haz::progress::position(QStringLiteral("CompletedScenarios")) - 1] = QStringLiteral("3");
    haztest::writeFile(userFile, haztest::ansi(tableText("UserData", haz::progress::fieldNames(), posts)));
    const ScenarioBars again = readScenarioBars(userFile, QStringLiteral("Ann"), iniDir, 2);
    EXPECT_EQ(again.latest->name, "Ammonia at the cold store");
    EXPECT_EQ(again.latest->value, 0);

    // Nobody signed in, or a learner the file lacks: nothing changes but the exercise rule.
    const ScenarioBars nobody = readScenarioBars(userFile, QString(), iniDir, 2);
    EXPECT_FALSE(nobody.latest || nobody.exercise || nobody.exam);
    const ScenarioBars stranger = readScenarioBars(userFile, QStringLiteral("Bo"), iniDir, 0);
    EXPECT_FALSE(stranger.latest || stranger.exam);
    EXPECT_EQ(stranger.exercise, 0);

    // On the widgets: a bar without a result keeps its value.
    QWidget tab;
    auto *latestBar = haz::twips::place<QProgressBar>(&tab, QStringLiteral("prgScenarioLatest"), {});
    auto *examBar = haz::twips::place<QProgressBar>(&tab, QStringLiteral("prgScenarioExam"), {});
    auto *name = haz::twips::place<QLabel>(&tab, QStringLiteral("curLblTakScenarioName"), {});
    examBar->setValue(42);
    showScenarioBars(&tab, bars);
    EXPECT_EQ(latestBar->value(), 25);
    EXPECT_EQ(examBar->value(), 42);
    EXPECT_EQ(name->text(), "Chlorine at the swimming pool");
}
