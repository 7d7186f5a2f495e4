#include "MessageService.h"
#include "RuntimeError.h"
#include "TestEnvironment.h"
#include "basCaptions.h"
#include "clsDataFile.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

using namespace haz;
using training::basMain::captionText;
using training::basMain::setCaption;

namespace {

class Captions : public ::testing::Test {
protected:
    void SetUp() override
    {
        env.writeInstallFile(QStringLiteral("ini/captions.ini"),
                             haztest::utf16(QStringLiteral(
                                 "[Captions]\r\nFieldName=ObjId\r\nFieldName=Text\r\nFieldName=Tooltip\r\n\r\n"
                                 "[0]\r\n  btnOk  \r\nOK\r\nConfirm\r\n\r\n"
                                 "[1]\r\nlblName\r\nName:\\nfull\r\n\r\n\r\n"
                                 "[2]\r\nbtnOk\r\nSecond\r\nLater\r\n\r\n"
                                 "[3]\r\nfrmMain\r\nCourse\r\n\r\n\r\n")));
        ASSERT_TRUE(table.readData(env.installFolder() + QStringLiteral("/ini/captions.ini")));
    }

    haztest::TestEnvironment env;
    clsDataFile table;
    ScriptedMessages messages;
    LastError lastError;
};

} // namespace

TEST_F(Captions, SetCaptionPutsTextAndTooltipOnAnyKindOfControl)
{
    QPushButton button;
    QLabel label;
    QGroupBox group;
    QWidget window;
    label.setToolTip(QStringLiteral("kept"));
    setCaption(table, &button, QStringLiteral("btnOk"), messages, lastError);
    setCaption(table, &label, QStringLiteral("lblName"), messages, lastError);
    setCaption(table, &group, QStringLiteral("frmMain"), messages, lastError);
    setCaption(table, &window, QStringLiteral("frmMain"), messages, lastError);
    EXPECT_EQ(button.text(), QStringLiteral("OK")); // the first post wins
    EXPECT_EQ(button.toolTip(), QStringLiteral("Confirm"));
    EXPECT_EQ(label.text(), QStringLiteral("Name:\nfull"));
    EXPECT_EQ(label.toolTip(), QStringLiteral("kept")); // empty Tooltip leaves it
    EXPECT_EQ(group.title(), QStringLiteral("Course"));
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Course"));
    EXPECT_TRUE(messages.shown().isEmpty());
}

TEST_F(Captions, MissingIdentifierIsReportedAndBlanksTheControl)
{
    QPushButton button(QStringLiteral("design text"));
    setCaption(table, &button, QStringLiteral("btnok"), messages, lastError); // case counts
    EXPECT_EQ(button.text(), QString());
    ASSERT_EQ(messages.texts(), QStringList({"btnok not found in caption file."}));
    EXPECT_EQ(captionText(table, QStringLiteral("userAsk"), messages, lastError), QString());
    EXPECT_EQ(messages.texts().last(), QStringLiteral("userAsk not found in caption file."));
    EXPECT_EQ(captionText(table, QStringLiteral("lblName"), messages, lastError), QStringLiteral("Name:\nfull"));
}

TEST_F(Captions, ErrorsAreRecordedNotShown)
{
    // A receiver without a caption property, and a table without an ObjId field.
    QTimer timer;
    setCaption(table, &timer, QStringLiteral("btnOk"), messages, lastError);
    EXPECT_EQ(lastError.number, ErrNoSuchMember);

    env.writeInstallFile(QStringLiteral("other.ini"),
                         haztest::utf16(QStringLiteral("[X]\r\nFieldName=Id\r\nFieldName=Text\r\n\r\n[0]\r\nbtnOk\r\nOK\r\n\r\n")));
    clsDataFile other;
    ASSERT_TRUE(other.readData(env.installFolder() + QStringLiteral("/other.ini")));
    lastError = {};
    QPushButton button(QStringLiteral("keep"));
    setCaption(other, &button, QStringLiteral("btnOk"), messages, lastError);
    EXPECT_EQ(lastError.number, ErrSubscript);
    EXPECT_EQ(button.text(), QStringLiteral("keep"));
    EXPECT_EQ(captionText(other, QStringLiteral("btnOk"), messages, lastError), QString());
    EXPECT_TRUE(messages.shown().isEmpty());
}
