// The progress tab in the real program: a learner with answered quizzes and finished
// scenarios signs in, opens the tab, and fills in, reads and leaves the diploma.
#include "CourseTestFiles.h"
#include "TrainingProgramFixture.h"

#include "DiplomaPage.h"
#include "ProgressLayout.h"
#include "TwipGeometry.h"
#include "clsDataFile.h"
#include "frmCoursePrnt.h"

#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>
#include <QTreeWidget>

using namespace training;
using trainingtest::installTable;
using trainingtest::sourceText;

namespace {

class ProgressTabTest : public trainingtest::ProgramFixture {
protected:
    ProgressTabTest()
    {
        for (const char *file : {"ini/scenario.ini", "ini/Hazard.ini", "ini/excer/excer_1.ini", "ini/exam/exam_1.ini"})
            installTable(env, QString::fromLatin1(file), sourceText(QString::fromLatin1(file)));
        env.writeInstallFile(QStringLiteral("data/html/diplom.htm"),
                             sourceText(QStringLiteral("data/html/diplom.htm")).toLatin1());
    }

    // The progress file with one learner, Ann, whose fields not given are "-1".
    void writeAnn(const QHash<QString, QString> &fields)
    {
        haztest::writeFile(progressFile(), haztest::ansi(trainingtest::progressFileText(QStringLiteral("Ann"), fields)));
    }

    QString label(const QString &name) const { return main()->findChild<QLabel *>(name)->text(); }
    int bar(const QString &name) const { return main()->findChild<QProgressBar *>(name)->value(); }

    void openProgressTab()
    {
        QTabBar *strip = main()->tabMain()->tabBar();
        QTest::mouseClick(strip, Qt::LeftButton, {}, strip->tabRect(TabProgress).center());
    }

    // Presses the diploma button; the personal-data dialog gets `name` and `org` and
    // its OK, then `whileShown` runs with the diploma window up, which is closed after.
    // Each timer belongs to the window it drives, so one that never fires (the diploma
    // was not shown) goes with the program instead of firing in a later test.
    void showDiploma(const QString &name, const QString &org, const std::function<void()> &whileShown)
    {
        // Timed on the main window, so that no step outlives the test.
        QTimer::singleShot(0, main(), [=, this] {
            QDialog *dialog = program->persData();
            dialog->findChild<QLineEdit *>(QStringLiteral("txtPersDataName"))->setText(name);
            dialog->findChild<QLineEdit *>(QStringLiteral("txtPersDataOrg"))->setText(org);
            QTimer::singleShot(0, main(), [=, this] {
                if (program->coursePrnt()->isVisible()) {
                    whileShown();
                    QTest::mouseClick(program->coursePrnt()->findChild<QPushButton *>("cmdCloseDiploma"),
                                      Qt::LeftButton);
                }
            });
            QTest::mouseClick(dialog->findChild<QPushButton *>(QStringLiteral("cmdPersDataOK")), Qt::LeftButton);
        });
        QTest::mouseClick(main()->findChild<QPushButton *>(QStringLiteral("curBtnShowDipl")), Qt::LeftButton);
    }

    const QHash<QString, QString> annFields{
        {"selTab", "0"},
        {"hazQuizPos", "3"}, {"hazQuizCorr", "2"},
        {"excerUseList", "0"}, {"excerQuizPos", "2"}, {"excerQuizCorr", "1"},
        {"examUseList", "0"}, {"examQuizPos", "10"}, {"examQuizCorr", "8"}, // a finished exam
        // Scenario 1 ranges 5 .. 31 points, scenario 3 8 .. 39 (rounded to whole percents).
        {"CompletedScenarios", "1,2"}, {"CompletedScores", "12,30"}, // 100 - 7/26 = 73
        {"excerCompletedScenarios", "1,1"}, {"excerCompletedScores", "5,26"}, // 100 - 21/52 = 60
        {"examCompletedScenarios", "3"}, {"examCompletedScores", "26"}, // 100 - 18/31 = 42
    };
};

TEST_F(ProgressTabTest, ShowsTheLearnersCountsAndRatingsAndPrintsThemOnTheDiploma)
{
    ASSERT_EQ(start(), TrainingProgram::StartResult::Started);
    writeAnn(annFields);
    signIn(QStringLiteral("Ann"));
    ASSERT_TRUE(main()->isVisible());

    // At sign-in, before the tab is opened.
    EXPECT_EQ(label("curLblQuizHazTot"), "11");
    EXPECT_EQ(label("curLblQuizHazDone"), "3");
    EXPECT_EQ(label("curLblQuizHazCorr"), "2");
    EXPECT_EQ(label("curLblQuizExcerTot"), "10");
    EXPECT_EQ(label("curLblQuizExcerDone"), "2");
    EXPECT_EQ(label("curLblExamTot"), "10");
    EXPECT_EQ(label("curLblExamCorr"), "8");
    EXPECT_EQ(bar("prgScenarioLatest"), 73);
    EXPECT_EQ(label("curLblTakScenarioName"), "Petrol tank truck leaking after a motorway collision");
    EXPECT_EQ(bar("prgScenarioAvg"), 60);
    EXPECT_EQ(bar("prgScenarioExam"), 42);

    // A scenario finished meanwhile shows when the tab is opened.
    QHash<QString, QString> later = annFields;
    later.insert("CompletedScenarios", "3,1,2");
    later.insert("CompletedScores", "45,12,30");
    writeAnn(later);
    openProgressTab();
    ASSERT_EQ(main()->selectedTab(), int(TabProgress));
    EXPECT_EQ(bar("prgScenarioLatest"), 0);
    EXPECT_EQ(label("curLblTakScenarioName"), "Ammonia leak at a cold store");

    const QString page = diplomaPagePath(env.documentsFolder());
    QString written;
    showDiploma(QStringLiteral("<b>Ann & Co</b>"), QString(), [&] {
        written = QString::fromLatin1(haztest::readFile(page));
        EXPECT_EQ(program->coursePrnt()->windowTitle(), "Course diploma");
    });
    EXPECT_TRUE(written.contains(QStringLiteral("class=\"learner\">&lt;b&gt;Ann &amp; Co&lt;/b&gt;<br></p>")));
    EXPECT_FALSE(written.contains(QStringLiteral("<b>Ann")));
    EXPECT_TRUE(written.contains(QStringLiteral("class=\"org\"></p>"))); // no organisation, no line
    EXPECT_TRUE(written.contains(QStringLiteral("<td>Hazards</td><td class=\"num\">11</td><td class=\"num\">3</td>"
                                                "<td class=\"num\">2</td>")));
    EXPECT_TRUE(written.contains(QStringLiteral("<td><b>Exam</b></td><td class=\"num\">10</td>")));
    EXPECT_TRUE(written.contains(QStringLiteral("Ammonia leak at a cold store")));
    EXPECT_TRUE(written.contains(QStringLiteral("diplom_bar.gif\" width=\"0\"")));
    EXPECT_TRUE(written.contains(QStringLiteral("diplom_bar.gif\" width=\"270\""))); // 60 x 4.5
    EXPECT_TRUE(written.contains(QStringLiteral("diplom_bar.gif\" width=\"189\""))); // 42 x 4.5
    EXPECT_TRUE(written.contains(QStringLiteral("Learner: Ann<br>")));
    EXPECT_FALSE(written.contains(QStringLiteral("@@")));

    // Closed by its button the diploma stays on disk; the program's end removes it.
    EXPECT_FALSE(program->coursePrnt()->isVisible());
    EXPECT_TRUE(QFileInfo::exists(page));
    main()->close();
    EXPECT_EQ(exitCode, 0);
    EXPECT_FALSE(QFileInfo::exists(page));
    EXPECT_TRUE(messages.shown().isEmpty()) << messages.texts().join(" | ").toStdString();
}

TEST_F(ProgressTabTest, TheDiplomaOffersTheLearnersNameAndRemembersTheOrganisationBetweenRuns)
{
    const QString page = diplomaPagePath(env.documentsFolder());
    QStringList offered;
    QString written;
    // Reads what the dialog offers, gives `org` and presses OK.
    const auto diploma = [&](const QString &org) {
        QTimer::singleShot(0, main(), [&, org] {
            QDialog *dialog = program->persData();
            offered = {dialog->findChild<QLineEdit *>(QStringLiteral("txtPersDataName"))->text(),
                       dialog->findChild<QLineEdit *>(QStringLiteral("txtPersDataOrg"))->text()};
            if (!org.isNull())
                dialog->findChild<QLineEdit *>(QStringLiteral("txtPersDataOrg"))->setText(org);
            QTimer::singleShot(0, main(), [&] {
                written = QString::fromLatin1(haztest::readFile(page));
                program->coursePrnt()->findChild<QPushButton *>("cmdCloseDiploma")->click();
            });
            dialog->findChild<QPushButton *>(QStringLiteral("cmdPersDataOK"))->click();
        });
        main()->findChild<QPushButton *>(QStringLiteral("curBtnShowDipl"))->click();
    };

    ASSERT_EQ(start(), TrainingProgram::StartResult::Started);
    writeAnn(annFields);
    signIn(QStringLiteral("Ann"));
    openProgressTab();
    diploma(QStringLiteral("Rescue Service North"));
    EXPECT_EQ(offered, QStringList({"Ann", ""}));
    EXPECT_TRUE(written.contains(QStringLiteral("class=\"learner\">Ann<br></p>")));
    EXPECT_TRUE(written.contains(QStringLiteral("class=\"org\">Rescue Service North<br></p>")));
    main()->close();
    ASSERT_EQ(exitCode, 0);

    // The next run: the organisation comes back; the progress file holds no trace of it.
    ASSERT_EQ(start(), TrainingProgram::StartResult::Started);
    signIn(QStringLiteral("Ann"));
    openProgressTab();
    diploma(QString());
    EXPECT_EQ(offered, QStringList({"Ann", "Rescue Service North"}));
    EXPECT_TRUE(written.contains(QStringLiteral("class=\"org\">Rescue Service North<br></p>")));
    EXPECT_FALSE(haztest::readFile(progressFile()).contains("Rescue Service"));
    main()->close();
    EXPECT_TRUE(messages.shown().isEmpty()) << messages.texts().join(" | ").toStdString();
}

TEST_F(ProgressTabTest, SignInReadsEachFileOnceAndAResizeReadsNone)
{
    ASSERT_EQ(start(), TrainingProgram::StartResult::Started);
    QHash<QString, QString> fields = annFields;
    fields.insert("CurrentScenario", "3"); // a tactics run in progress
    writeAnn(fields);
    const QString scenarioTable = env.installFolder() + "/ini/scenario.ini";
    const auto reads = [&] {
        return std::pair(haz::clsDataFile::readsOf(progressFile()), haz::clsDataFile::readsOf(scenarioTable));
    };
    const auto before = reads();
    signIn(QStringLiteral("Ann"));
    ASSERT_TRUE(main()->isVisible());
    EXPECT_EQ(reads(), std::pair(before.first + 1, before.second + 1));

    // What the one reading gave reached every place that shows it.
    EXPECT_EQ(label("curLblQuizHazDone"), "3");
    EXPECT_EQ(bar("prgScenarioLatest"), 73);
    EXPECT_EQ(bar("prgScenarioAvg"), 60);
    EXPECT_EQ(bar("prgScenarioExam"), 42);
    auto *list = main()->findChild<QTreeWidget *>(QStringLiteral("takQuizLst"));
    ASSERT_NE(list, nullptr);
    ASSERT_NE(list->currentItem(), nullptr);
    EXPECT_EQ(list->currentItem()->text(0), "Ammonia leak at a cold store");
    const int items = list->topLevelItemCount();
    EXPECT_GT(items, 1);

    const auto signedIn = reads();
    for (int step = 1; step <= 3; ++step) {
        main()->resize(main()->size() + QSize(40, 30));
        QCoreApplication::processEvents();
    }
    EXPECT_EQ(reads(), signedIn);
    EXPECT_EQ(list->topLevelItemCount(), items);
    ASSERT_NE(list->currentItem(), nullptr);
    EXPECT_FALSE(list->currentItem()->icon(0).isNull());

    // Opening the tab later saves the change of tab (one reading, rewritten) and reads
    // the progress file anew for the overview; the unchanged table is not read.
    openProgressTab();
    EXPECT_EQ(reads(), std::pair(signedIn.first + 2, signedIn.second));
}

TEST_F(ProgressTabTest, RowsOfHiddenTabsAreLeftOutAtStartUp)
{
    QString tabs = sourceText(QStringLiteral("ini/objsTabs.ini"));
    for (const char *hidden : {"tabMain2", "tabMain6"}) {
        const QString shown = QString::fromLatin1(hidden) + QStringLiteral("\r\nTrue");
        ASSERT_TRUE(tabs.contains(shown));
        tabs.replace(shown, QString::fromLatin1(hidden) + QStringLiteral("\r\nFalse"));
    }
    installTable(env, QStringLiteral("ini/objsTabs.ini"), tabs);
    ASSERT_EQ(start(), TrainingProgram::StartResult::Started);
    const auto top = [&](const char *name) { return haz::twips::geometry(main()->findChild<QWidget *>(name)).top; };
    const auto height = [&](const char *name) { return haz::twips::geometry(main()->findChild<QWidget *>(name)).height; };

    EXPECT_TRUE(main()->findChild<QWidget *>("curLblQuizPhysDone")->isHidden());
    EXPECT_EQ(top("curLblQuizProtDone"), 660 + 240); // Phys's place
    for (const char *rating : {"prgScenarioLatest", "prgScenarioAvg", "prgScenarioExam", "curLblTakScenarioName",
                               "curlblTakScenarioMin", "curlblTakScenarioExamMax"})
        EXPECT_TRUE(main()->findChild<QWidget *>(rating)->isHidden()) << rating;
    // Four rows and the tactics block's remainder; the lower frames follow, shorter.
    EXPECT_EQ(height("frmCurExercises"), 660 + 4 * 240 + 175);
    EXPECT_EQ(height("frmCurExam"), 1200 - 565);
    EXPECT_EQ(top("frmCurExam"), top("frmCurExercisesExcer") + height("frmCurExercisesExcer") + 105);
}

TEST_F(ProgressTabTest, DiplomaThatCannotBeWrittenIsToldAndNotShown)
{
    ASSERT_EQ(start(), TrainingProgram::StartResult::Started);
    writeAnn(annFields);
    signIn(QStringLiteral("Ann"));
    // Something that is not a file stands where the page would go.
    const QString page = diplomaPagePath(env.documentsFolder());
    ASSERT_TRUE(QDir().mkpath(page));
    bool shown = false;
    showDiploma(QStringLiteral("Ann"), QStringLiteral("Fire Service"), [&] { shown = true; });
    EXPECT_FALSE(shown);
    ASSERT_EQ(messages.shown().size(), 1);
    EXPECT_EQ(messages.shown().at(0).icon, haz::MessageIcon::Warning);
    EXPECT_TRUE(messages.shown().at(0).text.contains(page)) << messages.texts().join(" | ").toStdString();
    EXPECT_TRUE(QFileInfo(page).isDir());
}

} // namespace
