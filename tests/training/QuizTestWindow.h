#pragma once
// A stand-in for the main window in controller tests: the named controls of the
// subject tabs, the tactics and reference fact views and the progress labels,
// flat under one widget, plus an environment that records messages.

#include "FactFamily.h"
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

    haz::ScriptedMessages scripted;
    training::QuizTexts texts;
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

// Every control a subject tab's fact and quiz views use, as the main window names them.
inline void addSubjectControls(QWidget *root, const training::QuizMember &m)
{
    using training::controlArrayName;
    add<QLabel>(root, m.name(QStringLiteral("Lbl")));
    add<QRadioButton>(root, controlArrayName(m.optionArray, 0));
    add<QRadioButton>(root, controlArrayName(m.optionArray, 1));
    add<QLabel>(root, m.name(QStringLiteral("QuizLbl")));
    add<QTextEdit>(root, m.name(QStringLiteral("QuizText")));
    for (int k = 0; k < training::MaxAlternatives; ++k)
        add<QCheckBox>(root, m.answerBox(k));
    add<haz::PictureBox>(root, m.name(QStringLiteral("QuizPic")));
    add<haz::PageView>(root, m.name(QStringLiteral("QuizWeb")));
    add<QPushButton>(root, m.name(QStringLiteral("QuizbtnInfoLink")));
    add<QLineEdit>(root, m.name(QStringLiteral("QuizComm")));
    for (const char *what : {"Tot", "Done", "Corr"}) {
        add<QLabel>(root, m.name(QStringLiteral("QuizLbl")) + QLatin1String(what));
        add<QLabel>(root, m.progressLabel(QLatin1String(what)));
    }
    add<QPushButton>(root, m.answerButton());
    add<QPushButton>(root, m.restartButton());
}

inline void addFactControls(QWidget *root, const training::FactMember &f)
{
    add<QListWidget>(root, f.list);
    add<haz::PageView>(root, f.browser);
    add<QPushButton>(root, f.printButton());
    add<QLabel>(root, f.progressLabel);
}

// All subjects, tactics and reference, the intro page and the reference option.
inline QWidget *makeMainWindow()
{
    auto *root = new QWidget;
    root->setObjectName(QStringLiteral("frmMain"));
    for (const training::QuizMember &m : training::quizMembers())
        addSubjectControls(root, m);
    for (const training::FactMember &f : training::factMembers())
        addFactControls(root, f);
    add<haz::PageView>(root, QStringLiteral("infoWeb"));
    add<QRadioButton>(root, QStringLiteral("refOpt"));
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
