// The course diploma: placeholders, escaping, the page file and its window.
#include "DiplomaPage.h"
#include "DiplomaPlaceholders.h"
#include "TestEnvironment.h"
#include "frmCoursePrnt.h"

#include "PageView.h"
#include "Platform.h"

#include <QDir>
#include <QFile>
#include <QAbstractTextDocumentLayout>
#include <QFileInfo>
#include <QPageSize>
#include <QTextFrame>
#include <QPushButton>
#include <QTest>
#include <QTextDocument>

#include <gtest/gtest.h>

#include <algorithm>

using namespace training;

TEST(DiplomaPlaceholders, ReplacesEachPairOnceFromLeftToRight)
{
    const PlaceholderValues values{{"Name", "Ann<br>"}, {"Org", ""}, {"Sign", "@@Name@@"}};
    EXPECT_EQ(replacePlaceholder(u"@@Name@@,@@Org@@", values), "Ann<br>,");
    // The third marker has no partner and stays.
    EXPECT_EQ(replacePlaceholder(u"a@@Name@@b@@c", values), "aAnn<br>b@@c");
    // An unknown key vanishes with its markers; letter case counts.
    EXPECT_EQ(replacePlaceholder(u"[@@Nobody@@][@@name@@][@@@@]", values), "[][][]");
    // An inserted value is never read as a placeholder.
    EXPECT_EQ(replacePlaceholder(u"@@Sign@@ @@Name@@", values), "@@Name@@ Ann<br>");
    // Markers pair within a line only.
    EXPECT_EQ(replacePlaceholder(u"width @@\r\n@@Name@@ x@@\n", values), "width @@\r\nAnn<br> x@@\n");
    EXPECT_EQ(replacePlaceholder(u"", values), "");
}

TEST(DiplomaPlaceholders, LearnerTextPrintsAsTyped)
{
    EXPECT_EQ(escapeForPage(u"<b>Ann & Co</b>"), "&lt;b&gt;Ann &amp; Co&lt;/b&gt;");
    EXPECT_EQ(escapeForPage(u"O'Neil \"Jr\""), "O&#39;Neil &quot;Jr&quot;");
    EXPECT_EQ(escapeForPage(u"Jos\u00e9 \u0141ukasz \U0001F692"), "Jos&#233; &#321;ukasz &#128658;");
}

TEST(DiplomaPlaceholders, EveryKeyOfTheDiplomaHasItsText)
{
    DiplomaData data;
    data.name = QStringLiteral("<b>Ann & Co</b>");
    data.userName = QStringLiteral("ann");
    data.examTotal = 20;
    data.latestBar = 25;
    data.exerciseBar = 100;
    data.today = QDate(2024, 3, 9);
    data.imagesDir = QStringLiteral("/opt/haz course/data/images");
    for (const auto &[key, label] : diplomaLabelKeys())
        data.labelTexts.insert(label, key + QStringLiteral("#"));
    data.labelTexts.insert(QStringLiteral("curLblTakScenarioName"), QStringLiteral("Tank & truck"));

    const QLocale system = QLocale::system();
    const PlaceholderValues values = diplomaValues(data, system);
    EXPECT_EQ(values.value("Name"), "&lt;b&gt;Ann &amp; Co&lt;/b&gt;<br>");
    EXPECT_EQ(values.value("Org"), ""); // no organisation, no line
    EXPECT_EQ(values.value("Sign"), "ann<br>");
    EXPECT_EQ(values.value("TactPercent"), system.toString(112.5));
    EXPECT_EQ(values.value("TactExcerPercent"), system.toString(450.0));
    EXPECT_EQ(values.value("TactExamPercent"), "0");
    EXPECT_EQ(values.value("ExamTot"), "20");
    EXPECT_EQ(values.value("IdeFin"), "IdeFin#");
    EXPECT_EQ(values.value("ExcerCorr"), "ExcerCorr#");
    EXPECT_EQ(values.value("TactScen"), "Tank &amp; truck");
    EXPECT_EQ(values.value("LogoPath"), "file:///opt/haz%20course/data/images/");
    EXPECT_EQ(values.value("Date"), escapeForPage(system.toString(QDate(2024, 3, 9), QLocale::ShortFormat)));
    EXPECT_EQ(diplomaValues(data, QLocale(QLocale::German)).value("TactPercent"), "112,5");

    // Every key the diploma knows, in one line: nothing is left unreplaced.
    QString line;
    for (const QString &key : values.keys())
        line += QStringLiteral("@@") + key + QStringLiteral("@@|");
    EXPECT_EQ(values.size(), 30);
    EXPECT_FALSE(replacePlaceholder(line, values).contains(QStringLiteral("@@")));
}

TEST(DiplomaPage, IsWrittenInTheEightBitCodePageAndShownUntilTheWindowGoes)
{
    haztest::TestEnvironment env;
    const QString htmlDir = haz::platform::joinPath(env.installFolder(), QStringLiteral("data/html"));
    // The view reads the page in the code page the page declares.
    const QString head = QStringLiteral("<meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1252\">\r\n");
    env.writeInstallFile(QStringLiteral("data/html/Diplom.htm"),
                         haztest::ansi(head + QStringLiteral("<p>Dipl\u00f4me @@Name@@@@Org@@</p>\r\n<p>@@IdeTot@@ @@\r\n")));
    const QString page = diplomaPagePath(env.documentsFolder());

    auto *window = new frmCoursePrnt;
    QStringList printed;
    window->webWin()->setPrintHandler([&](QTextDocument &document, QWidget *) {
        printed << document.toPlainText();
        return true;
    });
    window->show();
    const DiplomaOutcome outcome = window->showCourseDok(
        htmlDir, {{"Name", "Jos&#233;<br>"}, {"Org", ""}, {"IdeTot", "12"}});
    EXPECT_EQ(outcome, DiplomaOutcome::Written);
    EXPECT_EQ(haztest::readFile(page), haztest::ansi(head + QStringLiteral("<p>Dipl\u00f4me Jos&#233;<br></p>\r\n<p>12 @@\r\n")));
    EXPECT_EQ(window->webWin()->locationURL(), page);

    QTest::mouseClick(window->findChild<QPushButton *>("cmbPrint"), Qt::LeftButton);
    ASSERT_EQ(printed.size(), 1);
    EXPECT_TRUE(printed.at(0).contains(QStringLiteral("Dipl\u00f4me Jos\u00e9"))) << printed.at(0).toStdString();

    // The close button hides; the page stays until the window is unloaded.
    QTest::mouseClick(window->findChild<QPushButton *>("cmdCloseDiploma"), Qt::LeftButton);
    EXPECT_FALSE(window->isVisible());
    EXPECT_TRUE(QFileInfo::exists(page));
    delete window;
    EXPECT_FALSE(QFileInfo::exists(page));

    // Closing from the title bar unloads the page as well.
    frmCoursePrnt again;
    again.show();
    again.showCourseDok(htmlDir, {});
    ASSERT_TRUE(QFileInfo::exists(page));
    again.close();
    EXPECT_FALSE(QFileInfo::exists(page));
    EXPECT_EQ(again.webWin()->locationURL(), haz::PageView::blankLocation());
}

TEST(DiplomaPage, MissingTemplateLeavesTheBlankPageToPrint)
{
    haztest::TestEnvironment env;
    frmCoursePrnt window;
    QStringList printed;
    window.webWin()->setPrintHandler([&](QTextDocument &document, QWidget *) {
        printed << document.toPlainText();
        return true;
    });
    EXPECT_EQ(window.showCourseDok(env.installFolder(), {}), DiplomaOutcome::NoTemplate);
    EXPECT_EQ(window.webWin()->locationURL(), haz::PageView::blankLocation());
    EXPECT_FALSE(QFileInfo::exists(window.pagePath()));
    window.printPage();
    EXPECT_EQ(printed, QStringList{QString()});
}

TEST(DiplomaPage, ALinkAtItsNameIsReplacedNotWrittenThroughAndOnlyOurPageIsRemoved)
{
    haztest::TestEnvironment env;
    const QString htmlDir = haz::platform::joinPath(env.installFolder(), QStringLiteral("data/html"));
    env.writeInstallFile(QStringLiteral("data/html/diplom.htm"), "<p>@@Name@@</p>");
    const QString page = diplomaPagePath(env.documentsFolder());
    const QString victim = env.homeFolder() + QStringLiteral("/precious.txt");
    haztest::writeFile(victim, "keep me");
    ASSERT_TRUE(QFile::link(victim, page));

    {
        frmCoursePrnt window;
        ASSERT_EQ(window.showCourseDok(htmlDir, {{"Name", "Anna"}}), DiplomaOutcome::Written);
        EXPECT_EQ(haztest::readFile(victim), "keep me");
        EXPECT_FALSE(QFileInfo(page).isSymLink());
        EXPECT_EQ(haztest::readFile(page), "<p>Anna</p>");
    }
    // Unloaded: the page it wrote is gone, the planted file's target untouched.
    EXPECT_FALSE(QFileInfo::exists(page));
    EXPECT_EQ(haztest::readFile(victim), "keep me");

    // What someone puts at the name while the page is shown is not the program's.
    {
        frmCoursePrnt window;
        ASSERT_EQ(window.showCourseDok(htmlDir, {{"Name", "Anna"}}), DiplomaOutcome::Written);
        QFile::remove(page);
        ASSERT_TRUE(QFile::link(victim, page));
    }
    EXPECT_TRUE(QFileInfo(page).isSymLink());
    EXPECT_EQ(haztest::readFile(victim), "keep me");
    EXPECT_EQ(QDir(env.documentsFolder()).entryList({QStringLiteral(".~hazCourseDipl*")}, QDir::Files | QDir::Hidden),
              QStringList());
}

TEST(DiplomaPage, WindowKeepsItsMarginsWhenResized)
{
    haztest::TestEnvironment env;
    frmCoursePrnt window;
    window.show();
    auto *web = window.webWin();
    auto *print = window.findChild<QPushButton *>("cmbPrint");
    auto *close = window.findChild<QPushButton *>("cmdCloseDiploma");
    const QSize before = window.size();
    const int webRight = before.width() - web->geometry().right();
    const int webBottom = before.height() - web->geometry().bottom();
    const int printBottom = before.height() - print->y();

    window.resize(before + QSize(200, 120));
    EXPECT_EQ(window.width() - web->geometry().right(), webRight);
    EXPECT_EQ(window.height() - web->geometry().bottom(), webBottom);
    EXPECT_EQ(window.height() - print->y(), printBottom);
    EXPECT_EQ(close->y(), print->y());
    EXPECT_EQ(close->x(), 1940 / 15);
}

TEST(DiplomaPage, SampleCourseTemplateUsesEveryKeyAndStaysAscii)
{
    QFile file(QStringLiteral(HAZ_COURSE_SOURCE_DIR "/data/html/diplom.htm"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    // The course copies pages as they are: plain ASCII reads the same in the 8-bit code page.
    EXPECT_TRUE(std::all_of(bytes.begin(), bytes.end(), [](char c) { return uchar(c) < 0x80; }));

    DiplomaData data;
    data.name = QStringLiteral("Ann");
    const PlaceholderValues values = diplomaValues(data, QLocale::c());
    const QString text = QString::fromLatin1(bytes);
    for (const QString &key : values.keys())
        EXPECT_TRUE(text.contains(QStringLiteral("@@") + key + QStringLiteral("@@"))) << key.toStdString();
    EXPECT_FALSE(replacePlaceholder(text, values).contains(QStringLiteral("@@")));
}

TEST(DiplomaPage, TheSampleDiplomaSitsInTheMiddleOfAnA4Sheet)
{
    haztest::TestEnvironment env;
    QFile file(QStringLiteral(HAZ_COURSE_SOURCE_DIR "/data/html/diplom.htm"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    env.writeInstallFile(QStringLiteral("data/html/diplom.htm"), file.readAll());
    DiplomaData data;
    data.name = QStringLiteral("Ann");
    data.organisation = QStringLiteral("Rescue Service");
    frmCoursePrnt window;
    window.show();
    ASSERT_EQ(window.showCourseDok(haz::platform::joinPath(env.installFolder(), QStringLiteral("data/html")),
                                   diplomaValues(data, QLocale::c())),
              DiplomaOutcome::Written);

    const QSizeF a4 = QPageSize(QPageSize::A4).size(QPageSize::Point);
    for (const qreal dpi : {96.0, 1200.0}) {
        const auto paper = frmCoursePrnt::paperLayout(*window.webWin()->document(), a4, dpi);
        ASSERT_EQ(paper->pageCount(), 1);
        ASSERT_FALSE(paper->rootFrame()->childFrames().isEmpty());
        const QRectF frame = paper->documentLayout()->frameBoundingRect(paper->rootFrame()->childFrames().first());
        const qreal above = frame.top();
        const qreal below = paper->pageSize().height() - frame.bottom();
        const qreal mm = dpi / 25.4;
        EXPECT_NEAR(above, below, 1.0 * mm) << "dpi " << dpi;
        EXPECT_GE(below, 14 * mm);
    }
}
