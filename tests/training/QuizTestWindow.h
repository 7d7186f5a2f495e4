#pragma once
// The main window's tab pages for controller tests, and an environment that records
// messages.

#include "FactFamily.h"
#include "MainTabs.h"
#include "ProgramState.h"
#include "MessageService.h"
#include "PageView.h"
#include "PictureBox.h"
#include "QuizEnvironment.h"
#include "QuizFamily.h"
#include "TestEnvironment.h"

#include <QCheckBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTextEdit>
#include <QWidget>

namespace quiztest {

class Environment : public training::QuizEnvironment {
public:
    explicit Environment(const haztest::TestEnvironment &install)
        : html(install.installFolder() + QStringLiteral("/data/html")),
          images(install.installFolder() + QStringLiteral("/data/images"))
    {
        texts.errDispAnswer = QStringLiteral("The correct answer is:");
        texts.totAnswers = QStringLiteral("Questions:");
        texts.excerCompleted = QStringLiteral("Answered:");
        texts.corrAnswers = QStringLiteral("Correct:");
        texts.excerAllDone = QStringLiteral("All questions\nanswered.");
        texts.PictureCopy = QStringLiteral("Copy the picture?");
        texts.PictureCopied = QStringLiteral("The picture is on the clipboard.");
    }

    haz::MessageService &messages() override { return scripted; }
    training::QuizTexts quizTexts() const override { return texts; }
    QString htmlDir() const override { return html; }
    QString imagesDir() const override { return images; }
    int selectedTab() const override { return tab; }
    void setQuizOrFact(bool factView) override { quizOrFact = factView; }
    void keepProgress() override { ++keeps; }

    haz::ScriptedMessages scripted;
    training::QuizTexts texts;
    int keeps = 0;
    QString html;
    QString images;
    int tab = 0;
    bool quizOrFact = false;
};

template <typename W>
W *add(QWidget *root, const QString &name)
{
    auto *w = new W(root);
    w->setObjectName(name);
    return w;
}

// The main window's real tab pages under one plain widget named like the window, so
// that the controllers under test find the very controls the program has, without
// the window's own units working on them too.
inline QWidget *makeMainWindow()
{
    auto *root = new QWidget;
    root->setObjectName(QStringLiteral("frmMain"));
    new training::IntroTab(root);
    for (int subject = 0; subject < training::SubjectCount; ++subject)
        new training::SubjectTab(subject, root);
    new training::TacticsTab(root);
    new training::ReferenceTab(root);
    new training::QuestionRunTab(false, root);
    new training::QuestionRunTab(true, root);
    new training::ProgressTab(root);
    root->resize(800, 600);
    return root;
}

template <typename W = QWidget>
W *child(const QWidget *root, const QString &name)
{
    return root->findChild<W *>(name);
}

inline QString writeImage(const haztest::TestEnvironment &env, const QString &relative, const char *format)
{
    QImage image(30, 20, QImage::Format_RGB32);
    image.fill(Qt::darkYellow);
    const QString path = env.writeInstallFile(relative, QByteArray());
    image.save(path, format);
    return path;
}

inline QString writePage(const haztest::TestEnvironment &env, const QString &relative, const QString &body)
{
    return env.writeInstallFile(relative, (QStringLiteral("<html><body>") + body + QStringLiteral("</body></html>")).toUtf8());
}

} // namespace quiztest
