#pragma once
// A course program in a temporary installation: the sample course's caption table,
// tab table and progress template, a scripted message service, and a recorded end
// of the program. Tests start it with start(), sign in with signIn(), and find and
// click the main window's controls by name.

#include "CourseSources.h"
#include "LearnerWindows.h"
#include "MessageService.h"
#include "Platform.h"
#include "ProgramState.h"
#include "TestEnvironment.h"
#include "TextCodec.h"
#include "TrainingProgram.h"
#include "frmMain.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>
#include <optional>

namespace trainingtest {

// A table file in the encoding the programs read: UTF-16 under ini/, 8-bit otherwise.
inline void installTable(const haztest::TestEnvironment &env, const QString &relative, const QString &text)
{
    const bool utf16 = relative.startsWith(QLatin1String("ini/"));
    env.writeInstallFile(relative, utf16 ? haztest::utf16(text) : haztest::ansi(text));
}

// One caption post in the table-file format.
inline QString captionPost(int number, const QString &id, const QString &text, const QString &tooltip = {})
{
    return QStringLiteral("\r\n[%1]\r\n%2\r\n%3\r\n%4\r\n\r\n").arg(number).arg(id, text, tooltip);
}

class ProgramFixture : public ::testing::Test {
protected:
    ProgramFixture()
    {
        installTable(env, QStringLiteral("lang.ini"), QStringLiteral("en\r\n"));
        installTable(env, QStringLiteral("user.ini"), sourceText(QStringLiteral("user.ini")));
        installTable(env, QStringLiteral("ini/captions.ini"), sourceText(QStringLiteral("ini/captions.ini")));
        installTable(env, QStringLiteral("ini/objsTabs.ini"), sourceText(QStringLiteral("ini/objsTabs.ini")));
    }

    // A fresh program on the installation as it is now.
    void makeProgram()
    {
        program.reset();
        state = std::make_unique<training::ProgramState>(messages);
        program = std::make_unique<training::TrainingProgram>(*state, [this](int code) { exitCode = code; });
    }

    training::TrainingProgram::StartResult start()
    {
        makeProgram();
        return program->Main();
    }

    // Types a name into the learner dialog and presses OK.
    void signIn(const QString &name)
    {
        auto *box = program->userChoose()->findChild<QComboBox *>(QStringLiteral("userCmb"));
        ASSERT_NE(box, nullptr);
        box->setEditText(name);
        QTest::mouseClick(program->userChoose()->findChild<QPushButton *>(QStringLiteral("userChooseOk")),
                          Qt::LeftButton);
    }

    QString progressFile() const { return state->paths.userFile; }
    training::frmMain *main() const { return program->mainWindow(); }

    // A control of the main window by its object name; a missing one fails the test.
    template <class T = QWidget> T *control(const QString &name) const
    {
        T *found = main()->findChild<T *>(name);
        EXPECT_TRUE(found) << name.toStdString();
        return found;
    }
    void click(const QString &name) { QTest::mouseClick(control<QAbstractButton>(name), Qt::LeftButton); }
    // Clicks the tab's heading, as the learner would.
    void clickTab(int tab)
    {
        QTabBar *bar = main()->tabMain()->tabBar();
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(tab).center());
    }

    haztest::TestEnvironment env;
    haz::ScriptedMessages messages;
    std::unique_ptr<training::ProgramState> state;
    std::unique_ptr<training::TrainingProgram> program;
    std::optional<int> exitCode;
};

} // namespace trainingtest
