// The list of caption ids the course program asks for (the one `coursetool check` holds
// an installation to) is complete: with a caption table of exactly those ids the program
// starts, signs in, shows every tab and exits without a single "not found" message.
#include "TrainingProgramFixture.h"

#include "CaptionTable.h"

#include <QTabBar>
#include <QTabWidget>

namespace {

class AskedCaptionsTest : public trainingtest::ProgramFixture {};

TEST_F(AskedCaptionsTest, TableOfExactlyTheAskedIdsLeavesNoneMissing)
{
    QString table = QStringLiteral("[Captions]\r\nFieldName=ObjId\r\nFieldName=Text\r\nFieldName=Tooltip\r\n\r\n");
    int post = 0;
    for (const QString &id : training::askedCaptionIds())
        table += trainingtest::captionPost(post++, id, id == QLatin1String("ScenarioStartedCmd") ? "Go on,Again" : id);
    trainingtest::installTable(env, "ini/captions.ini", table);

    ASSERT_EQ(start(), training::TrainingProgram::StartResult::Started);
    signIn("Asked Ids");
    ASSERT_TRUE(main()->isVisible());
    QTabBar *bar = main()->tabMain()->tabBar();
    for (int tab = 0; tab < training::TabCount; ++tab)
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(tab).center());
    main()->close();

    const QStringList texts = messages.texts();
    EXPECT_FALSE(texts.join('\n').contains("not found in caption file.")) << texts.join(" | ").toStdString();
    // And each listed id is one the program really shows somewhere: the tab captions at least.
    EXPECT_EQ(bar->tabText(1).remove('&'), "tabMain1");
}

} // namespace
