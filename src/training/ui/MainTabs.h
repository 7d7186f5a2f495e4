#pragma once
// The pages of the main window's tab strip. Controls are plain children named as the
// course data and the caption table know them; behaviour is attached by name (the
// fact views, quiz play and the other parts find them with findChild).
//
// The Hazard tab is the layout template: the other subject tabs, the tactics and
// reference tabs and the exercise and exam tabs take their positions from it.

#include "MainLayout.h"

#include <QGroupBox>
#include <QString>
#include <QWidget>

#include <array>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QTextEdit;
class QTreeWidget;

namespace haz {
class PageView;
class PictureBox;
} // namespace haz

namespace training {

class Clock;

// Page views and picture boxes are made in one place.
haz::PageView *makePageView(QWidget *parent, const QString &name, const TwipRect &rect);
haz::PictureBox *makePictureBox(QWidget *parent, const QString &name, const TwipRect &rect);


// One question view: heading, question text, up to 15 alternatives in two columns,
// picture or page beside them, the Answer, Restart and info-link buttons and the
// three count labels. Subject, exercise and exam tabs each hold one.
class QuizPanel : public QGroupBox {
    Q_OBJECT
public:
    QuizPanel(const QString &prefix, const QString &answerButton, const QString &restartButton,
              QWidget *parent);

    QLabel *heading = nullptr;
    QTextEdit *text = nullptr;
    std::array<QCheckBox *, 15> answers{};
    haz::PictureBox *picture = nullptr;
    haz::PageView *page = nullptr;
    QPushButton *infoLink = nullptr;
    QLineEdit *comment = nullptr;
    QLabel *total = nullptr;
    QLabel *done = nullptr;
    QLabel *correct = nullptr;
    QPushButton *answerButton = nullptr;
    QPushButton *restartButton = nullptr;
};

// Tab 0: the introduction page.
class IntroTab : public QWidget {
    Q_OBJECT
public:
    explicit IntroTab(QWidget *parent);
    haz::PageView *infoWeb = nullptr;
};

// Tabs 1-5: one subject, facts or quiz.
class SubjectTab : public QWidget {
    Q_OBJECT
public:
    SubjectTab(int subject, QWidget *parent);

    int subject() const { return m_subject; }
    QLabel *heading = nullptr;
    QGroupBox *optionFrame = nullptr;
    std::array<QRadioButton *, 2> options{}; // 0 facts, 1 quiz
    QListWidget *factList = nullptr;
    QGroupBox *factFrame = nullptr;
    haz::PageView *factWeb = nullptr;
    QPushButton *printButton = nullptr;
    QuizPanel *quiz = nullptr;

private:
    int m_subject;
};

// Tab 6: tactics facts and the scenario list.
class TacticsTab : public QWidget {
    Q_OBJECT
public:
    explicit TacticsTab(QWidget *parent);
    QLabel *heading = nullptr;
    QGroupBox *optionFrame = nullptr;
    QPushButton *startButton = nullptr;
    QListWidget *factList = nullptr;
    QTreeWidget *scenarioList = nullptr;
    QPushButton *reviewButton = nullptr; // the latest finished run of the chosen scenario
    QGroupBox *factFrame = nullptr;
    haz::PageView *factWeb = nullptr;
    QPushButton *printButton = nullptr;
};

// Tab 7: reference pages.
class ReferenceTab : public QWidget {
    Q_OBJECT
public:
    explicit ReferenceTab(QWidget *parent);
    QRadioButton *option = nullptr;
    QListWidget *factList = nullptr;
    QGroupBox *factFrame = nullptr;
    haz::PageView *factWeb = nullptr;
    QPushButton *printButton = nullptr;
};

// Tabs 8 and 9: the exercise and the exam.
class QuestionRunTab : public QWidget {
    Q_OBJECT
public:
    // `exam` false: the exercise tab (prefix excer), true: the exam tab (prefix exam).
    QuestionRunTab(bool exam, QWidget *parent);
    QRadioButton *option = nullptr;
    QuizPanel *quiz = nullptr;
    QPushButton *scenarioButton = nullptr;
    Clock *clock = nullptr; // exam only
    QComboBox *attempts = nullptr;       // exam only: the last attempts, newest first
    QPushButton *reviewButton = nullptr; // exam only: the debrief of the chosen attempt
};

// Tab 10: where the learner stands.
class ProgressTab : public QWidget {
    Q_OBJECT
public:
    explicit ProgressTab(QWidget *parent);
    QGroupBox *exercises = nullptr;       // frmCurExercises
    QGroupBox *exerciseFrame = nullptr;   // frmCurExercisesExcer
    QGroupBox *examFrame = nullptr;       // frmCurExam
    QProgressBar *latest = nullptr;
    QProgressBar *average = nullptr;
    QProgressBar *exam = nullptr;
    QPushButton *showDiploma = nullptr;
    QPushButton *exitButton = nullptr;
};

} // namespace training
