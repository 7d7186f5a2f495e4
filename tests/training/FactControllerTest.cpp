#include "FactController.h"
#include "MediaDisplay.h"
#include "QuizTestWindow.h"
#include "RuntimeError.h"
#include "frmWebInfo.h"

#include <QApplication>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

using namespace training;
using quiztest::child;

namespace {

// One fact view over the stand-in main window, with its own list data.
struct FactFixture {
    explicit FactFixture(const QString &prefix)
        : root(quiztest::makeMainWindow()), env(install), info(failures, root.get()), media(root.get(), info, failures),
          member(*factMember(prefix))
    {
    }

    FactController &controller()
    {
        if (!fact)
            fact = std::make_unique<FactController>(root.get(), member, FactData{list, count, position}, env, media);
        return *fact;
    }

    // Puts entries in the list data and their titles in the list box, as loading does.
    void setEntries(const QList<FactEntry> &entries)
    {
        list = entries;
        count = entries.size();
        auto *box = child<QListWidget>(root.get(), member.list);
        box->clear();
        for (const FactEntry &e : entries)
            box->addItem(e.title);
    }

    haz::PageView *browser() const { return child<haz::PageView>(root.get(), member.browser); }
    QWidget *printButton() const { return child(root.get(), member.printButton()); }

    haztest::TestEnvironment install;
    std::unique_ptr<QWidget> root;
    quiztest::Environment env;
    haz::LastError failures;
    frmWebInfoHost info;
    MediaDisplay media;
    FactMember member;
    QList<FactEntry> list;
    qint32 count = 0;
    qint32 position = 0;
    std::unique_ptr<FactController> fact;
};

FactEntry entry(const QString &title, const QString &page)
{
    return {fixedFactTitle(title), page};
}

} // namespace

TEST(FactView, SixtyCharacterTitleIsCutToFiftyInTheListAndTheProgressLabel)
{
    FactFixture f(QStringLiteral("haz"));
    const QString title = QStringLiteral("Boiling liquid expanding vapour explosions of LPG tanks  ") + QStringLiteral("xyz");
    ASSERT_EQ(title.size(), 60);
    const QString file = QStringLiteral("[Fakta]\r\nFieldName=FaktText\r\nFieldName=Bookmark\r\n\r\n\r\n[0]\r\n%1\r\nbleve.htm\r\n\r\n").arg(title);
    const QString path = f.install.writeInstallFile(QStringLiteral("ini/Hazardfact.ini"), haztest::utf16(file));
    haz::LastError error;
    QList<FactEntry> entries;
    qint32 n = 0;
    ASSERT_TRUE(readFactList(entries, n, path, error));
    f.setEntries(entries);
    quiztest::writePage(f.install, QStringLiteral("data/html/bleve.htm"), QStringLiteral("<p>BLEVE</p>"));

    f.controller();
    f.env.tab = 4;
    child<QListWidget>(f.root.get(), QStringLiteral("hazFactLst"))->setCurrentRow(0);

    EXPECT_EQ(child<QListWidget>(f.root.get(), QStringLiteral("hazFactLst"))->item(0)->text(), title.left(50));
    EXPECT_EQ(child<QLabel>(f.root.get(), QStringLiteral("curLblHazFactPos"))->text(), title.left(50));
    EXPECT_EQ(f.position, 0);
    EXPECT_TRUE(f.env.quizOrFact);
    EXPECT_TRUE(f.browser()->toPlainText().contains(QStringLiteral("BLEVE")));
    EXPECT_FALSE(f.browser()->isHidden());
    EXPECT_TRUE(f.printButton()->isEnabled());
}

TEST(FactView, UpperCaseExtensionOrFragmentShowsNothing)
{
    FactFixture f(QStringLiteral("ref"));
    for (const char *name : {"ok.htm", "upper.HTM", "part.htm"})
        quiztest::writePage(f.install, QStringLiteral("data/html/") + QLatin1String(name), QStringLiteral("<p>page</p>"));
    f.setEntries({entry(QStringLiteral("Good"), QStringLiteral("ok.htm")), entry(QStringLiteral("Upper"), QStringLiteral("upper.HTM")),
                  entry(QStringLiteral("Fragment"), QStringLiteral("part.htm#ppe")), entry(QStringLiteral("None"), QString())});
    f.controller();
    f.env.tab = 7;
    auto *list = child<QListWidget>(f.root.get(), QStringLiteral("refFactLst"));

    for (int row : {1, 2}) {
        list->setCurrentRow(row);
        EXPECT_FALSE(f.browser()->hasPage()) << row;
        EXPECT_FALSE(f.printButton()->isEnabled()) << row;
        EXPECT_EQ(f.position, row) << "the position moves all the same";
    }
    list->setCurrentRow(0);
    EXPECT_TRUE(f.browser()->hasPage());
    // An entry without a page clears the old one only because the tab is current.
    list->setCurrentRow(3);
    EXPECT_FALSE(f.browser()->hasPage());
    EXPECT_TRUE(f.browser()->isHidden());
    EXPECT_EQ(child<QLabel>(f.root.get(), QStringLiteral("curLblRefFactPos"))->text(), QStringLiteral("None").leftJustified(50));
}

TEST(FactView, SelectingOnAnotherTabKeepsWhatOtherTabsShow)
{
    FactFixture f(QStringLiteral("haz"));
    const QString other = quiztest::writePage(f.install, QStringLiteral("data/html/ide.htm"), QStringLiteral("<p>ident</p>"));
    quiztest::writePage(f.install, QStringLiteral("data/html/a.htm"), QStringLiteral("<p>a</p>"));
    quiztest::writePage(f.install, QStringLiteral("data/html/b.htm"), QStringLiteral("<p>b</p>"));
    f.setEntries({entry(QStringLiteral("A"), QStringLiteral("a.htm")), entry(QStringLiteral("B"), QStringLiteral("b.htm"))});
    f.controller();
    f.media.showMediaFile(QStringLiteral("ideFactWeb"), other);
    auto *ideWeb = child<haz::PageView>(f.root.get(), QStringLiteral("ideFactWeb"));

    // Restoring at sign-in: another tab is current.
    f.env.tab = 1;
    child<QListWidget>(f.root.get(), QStringLiteral("hazFactLst"))->setCurrentRow(0);
    EXPECT_TRUE(f.browser()->toPlainText().contains(u'a'));
    EXPECT_EQ(ideWeb->locationURL(), other);
    EXPECT_FALSE(ideWeb->isHidden());

    // On its own tab the selection blanks the other media first.
    f.env.tab = 4;
    child<QListWidget>(f.root.get(), QStringLiteral("hazFactLst"))->setCurrentRow(1);
    EXPECT_TRUE(f.browser()->toPlainText().contains(u'b'));
    EXPECT_EQ(ideWeb->locationURL(), QStringLiteral("about:blank"));
    EXPECT_TRUE(ideWeb->isHidden());
}

TEST(FactView, SavedPositionBeyondTheListSelectsNothingAndRefOptRestores)
{
    FactFixture f(QStringLiteral("ref"));
    quiztest::writePage(f.install, QStringLiteral("data/html/a.htm"), QStringLiteral("<p>a</p>"));
    quiztest::writePage(f.install, QStringLiteral("data/html/b.htm"), QStringLiteral("<p>b</p>"));
    f.setEntries({entry(QStringLiteral("A"), QStringLiteral("a.htm")), entry(QStringLiteral("B"), QStringLiteral("b.htm"))});
    f.controller();
    auto *list = child<QListWidget>(f.root.get(), QStringLiteral("refFactLst"));

    f.position = 5; // the file was shortened since the position was saved
    f.controller().selectSavedPosition();
    EXPECT_EQ(list->currentRow(), -1);
    EXPECT_FALSE(f.browser()->hasPage());
    EXPECT_EQ(f.position, 5);

    f.position = 1;
    child<QRadioButton>(f.root.get(), QStringLiteral("refOpt"))->click();
    EXPECT_EQ(list->currentRow(), 1);
    EXPECT_TRUE(f.browser()->toPlainText().contains(u'b'));
}

TEST(FactView, PrintButtonPrintsOnlyAShownPage)
{
    FactFixture f(QStringLiteral("tak"));
    quiztest::writePage(f.install, QStringLiteral("data/html/t.htm"), QStringLiteral("<p>Tactics</p>"));
    f.setEntries({entry(QStringLiteral("T"), QStringLiteral("t.htm"))});
    f.controller();
    QStringList printed;
    f.browser()->setPrintHandler([&](QTextDocument &doc, QWidget *) {
        printed << doc.toPlainText();
        return true;
    });
    auto *print = child<QPushButton>(f.root.get(), QStringLiteral("FactCmdPrint(6)"));

    f.controller().printPage(); // an empty browser prints nothing
    EXPECT_TRUE(printed.isEmpty());

    child<QListWidget>(f.root.get(), QStringLiteral("takFactLst"))->setCurrentRow(0);
    print->click();
    EXPECT_EQ(printed, QStringList{QStringLiteral("Tactics")});

    f.media.clearMediaControls(); // a blanked browser has nothing to print either
    f.controller().printPage();
    EXPECT_EQ(printed.size(), 1);
}

TEST(MediaDisplay, PictureForTheInfoBrowserHidesItAndShowsNothing)
{
    FactFixture f(QStringLiteral("haz"));
    const QString page = quiztest::writePage(f.install, QStringLiteral("data/html/info.htm"), QStringLiteral("<p>info</p>"));
    const QString picture = quiztest::writeImage(f.install, QStringLiteral("data/images/p.jpg"), "JPG");
    f.media.showMediaFile(QStringLiteral("webWindow"), page);
    haz::PageView *web = f.info.window()->webWindow();
    EXPECT_FALSE(web->isHidden());

    f.media.showMediaFile(QStringLiteral("webWindow"), picture);
    EXPECT_TRUE(web->isHidden());
    EXPECT_EQ(web->locationURL(), page);
}

TEST(MediaDisplay, UnloadableFilesLeaveTheControlEmpty)
{
    FactFixture f(QStringLiteral("haz"));
    const QString good = quiztest::writeImage(f.install, QStringLiteral("data/images/good.gif"), "BMP"); // decodes by content
    const QString broken = f.install.writeInstallFile(QStringLiteral("data/images/broken.gif"), "GIF89a garbage");
    auto *pic = child<haz::PictureBox>(f.root.get(), QStringLiteral("hazQuizPic"));

    f.media.showMediaFile(QStringLiteral("hazQuizPic"), good);
    EXPECT_TRUE(pic->hasPicture());
    EXPECT_FALSE(f.media.showMediaFileQuietly(QStringLiteral("hazQuizPic"), broken));
    EXPECT_FALSE(pic->hasPicture());
    try {
        f.media.showMediaFile(QStringLiteral("hazQuizPic"), f.install.installFolder() + QStringLiteral("/data/images/none.bmp"));
        FAIL() << "no error";
    } catch (const haz::RuntimeError &e) {
        EXPECT_EQ(e.number(), haz::ErrFileNotFound);
    }

    // A fact page that cannot be read: an empty browser, nothing to print, no crash.
    f.setEntries({entry(QStringLiteral("Gone"), QStringLiteral("gone.htm"))});
    f.controller();
    child<QListWidget>(f.root.get(), QStringLiteral("hazFactLst"))->setCurrentRow(0);
    EXPECT_TRUE(f.browser()->toPlainText().isEmpty());
    EXPECT_FALSE(f.printButton()->isEnabled());
}

TEST(MediaDisplay, ClearingFollowsTheNamePatterns)
{
    FactFixture f(QStringLiteral("haz"));
    const QString page = quiztest::writePage(f.install, QStringLiteral("data/html/a.htm"), QStringLiteral("<p>a</p>"));
    const QString picture = quiztest::writeImage(f.install, QStringLiteral("data/images/p.bmp"), "BMP");
    f.media.showMediaFile(QStringLiteral("physQuizPic"), picture);
    f.media.showMediaFile(QStringLiteral("NBCQuizPic"), page); // a page goes to the question browser
    f.media.showMediaFile(QStringLiteral("refFactWeb"), page);
    auto *intro = child<haz::PageView>(f.root.get(), QStringLiteral("infoWeb"));
    intro->navigate(page);
    f.media.showMediaFile(QStringLiteral("webWindow"), page);

    EXPECT_FALSE(child(f.root.get(), QStringLiteral("physQuizPic"))->isHidden());
    EXPECT_EQ(child<haz::PageView>(f.root.get(), QStringLiteral("NBCQuizWeb"))->locationURL(), page);

    f.media.clearMediaControls();
    EXPECT_TRUE(child(f.root.get(), QStringLiteral("physQuizPic"))->isHidden());
    for (const char *name : {"NBCQuizWeb", "refFactWeb"}) {
        auto *web = child<haz::PageView>(f.root.get(), QLatin1String(name));
        EXPECT_TRUE(web->isHidden()) << name;
        EXPECT_EQ(web->locationURL(), QStringLiteral("about:blank")) << name;
    }
    EXPECT_EQ(intro->locationURL(), page);
    EXPECT_EQ(f.info.window()->webWindow()->locationURL(), page);
}

TEST(FactView, PointingAtAListWithoutSelectionOpensNothing)
{
    FactFixture f(QStringLiteral("haz"));
    quiztest::writePage(f.install, QStringLiteral("data/html/a.htm"), QStringLiteral("<p>a</p>"));
    f.setEntries({entry(QStringLiteral("A"), QStringLiteral("a.htm"))});
    f.position = -1; // a learner who never opened a fact here
    f.controller();
    f.env.tab = 4;
    f.root->show();
    QApplication::setActiveWindow(f.root.get());
    auto *list = child<QListWidget>(f.root.get(), QStringLiteral("hazFactLst"));
    QEvent enter(QEvent::Enter);
    QApplication::sendEvent(list, &enter);
    ASSERT_TRUE(list->hasFocus());
    EXPECT_EQ(f.position, -1);
    EXPECT_FALSE(f.browser()->hasPage());
    EXPECT_TRUE(child<QLabel>(f.root.get(), QStringLiteral("curLblHazFactPos"))->text().isEmpty());

    // Nor does reaching it with the Tab key; a click on the title does.
    list->clearFocus();
    list->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(f.position, -1);
    EXPECT_FALSE(f.browser()->hasPage());
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(0)).center());
    EXPECT_EQ(f.position, 0);
    EXPECT_TRUE(f.browser()->hasPage());
}
