#include "MainTabs.h"

#include "Clock.h"
#include "ElidedLabel.h"
#include "QuizFamily.h"

#include "PageView.h"
#include "PictureBox.h"
#include "ProgramState.h"
#include "TwipGeometry.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStyledItemDelegate>
#include <QTextEdit>
#include <QTreeWidget>

namespace training {

using haz::twips::button;
using haz::twips::place;

namespace {

// Design geometry of a tab page (twips). The page is about 11800 x 7800.
const TwipRect HeadingRect{120, 120, 3000, 420};
const TwipRect OptionFrameRect{4080, 30, 3900, 540};
const TwipRect PrintRect{8160, 105, 1500, 405};
const TwipRect FactListRect{120, 660, 3840, 6900};
const TwipRect FactFrameRect{4080, 600, 7620, 7020};
const TwipRect FactWebRect{60, 90, 7500, 6870};
const TwipRect QuizFrameRect{120, 600, 11580, 7020};
const TwipRect RunOptionRect{120, 150, 3000, 330};

// Inside the quiz frame.
constexpr qint32 AnswerTop = 1920;
constexpr qint32 AnswerPitch = 570;
constexpr qint32 AnswerWidth = 5400;
constexpr qint32 AnswerHeight = 375;
constexpr qint32 LeftColumn = 180;
constexpr qint32 RightColumn = 6000;
constexpr qint32 ButtonRow = AnswerTop + 7 * AnswerPitch;

QLabel *heading(QWidget *parent, const QString &name, const TwipRect &rect)
{
    auto *label = place<QLabel>(parent, name, rect);
    QFont font = label->font();
    font.setPointSizeF(font.pointSizeF() * 1.4);
    font.setBold(true);
    label->setFont(font);
    return label;
}

QLabel *label(QWidget *parent, const QString &name, const TwipRect &rect, const QString &text = {})
{
    auto *l = place<QLabel>(parent, name, rect);
    l->setText(text);
    return l;
}

// Titles are stored padded to a fixed length; the padding is not shown.
class TrimmedTitleDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const override
    {
        QStyledItemDelegate::initStyleOption(option, index);
        while (option->text.endsWith(u' '))
            option->text.chop(1);
    }
};

QListWidget *factList(QWidget *parent, const QString &name, const TwipRect &rect)
{
    auto *list = place<QListWidget>(parent, name, rect);
    list->setUniformItemSizes(true);
    // Long titles are cut with an ellipsis; the full title is the item's tooltip.
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list->setTextElideMode(Qt::ElideRight);
    list->setItemDelegate(new TrimmedTitleDelegate(list));
    return list;
}

// A frame without a title: a plain border around its contents.
QGroupBox *frame(QWidget *parent, const QString &name, const TwipRect &rect)
{
    return place<QGroupBox>(parent, name, rect);
}

QGroupBox *factFrame(QWidget *parent, const QString &prefix, haz::PageView **web)
{
    QGroupBox *box = frame(parent, prefix + QStringLiteral("FormFact"), FactFrameRect);
    *web = makePageView(box, prefix + QStringLiteral("FactWeb"), FactWebRect);
    return box;
}

// The exam clock, hidden until a timed question starts it.
Clock *makeClock(QWidget *parent, const QString &name, const TwipRect &rect)
{
    auto *clock = place<Clock>(parent, name, rect);
    clock->hide();
    return clock;
}

} // namespace

haz::PageView *makePageView(QWidget *parent, const QString &name, const TwipRect &rect)
{
    return place<haz::PageView>(parent, name, rect);
}

haz::PictureBox *makePictureBox(QWidget *parent, const QString &name, const TwipRect &rect)
{
    return place<haz::PictureBox>(parent, name, rect);
}

QuizPanel::QuizPanel(const QString &prefix, const QString &answerButtonName,
                     const QString &restartButtonName, QWidget *parent)
    : QGroupBox(parent)
{
    setObjectName(prefix + QStringLiteral("QuizFrm"));
    haz::twips::setGeometry(this, QuizFrameRect);
    // The picture and page lie under the right column: a question with a picture
    // uses the left column, and unused alternatives are hidden.
    picture = makePictureBox(this, prefix + QStringLiteral("QuizPic"), {RightColumn - 750, 540, AnswerWidth, 5100});
    page = makePageView(this, prefix + QStringLiteral("QuizWeb"), {RightColumn - 750, 540, AnswerWidth, 5100});
    picture->hide();
    page->hide();

    heading = place<QLabel>(this, prefix + QStringLiteral("QuizLbl"), {LeftColumn, 150, 5400, 330});
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);
    total = label(this, prefix + QStringLiteral("QuizLblTot"), {5700, 150, 1800, 330});
    done = label(this, prefix + QStringLiteral("QuizLblDone"), {7560, 150, 1800, 330});
    correct = label(this, prefix + QStringLiteral("QuizLblCorr"), {9420, 150, 2000, 330});

    text = place<QTextEdit>(this, prefix + QStringLiteral("QuizText"), {LeftColumn, 540, 5200, 1260});
    text->setReadOnly(true);
    text->setTabChangesFocus(true);

    for (int k = 0; k < 15; ++k) {
        const bool left = k < 8;
        const TwipRect rect{left ? LeftColumn : RightColumn, AnswerTop + (left ? k : k - 8) * AnswerPitch,
                            AnswerWidth, AnswerHeight};
        answers[k] = place<QCheckBox>(this, controlArrayName(prefix + QStringLiteral("QuizAnsw"), k), rect);
        answers[k]->hide();
    }
    answerButton = button(this, answerButtonName, {RightColumn, ButtonRow, 1500, AnswerHeight}, tr("Answer"));
    // A ticked alternative hands the focus to Answer so that Enter (or the keypad's
    // Enter) answers; outside a dialog a button only takes Enter when told to.
    answerButton->setAutoDefault(true);
    answerButton->hide(); // shown with a question
    infoLink = button(this, prefix + QStringLiteral("QuizbtnInfoLink"), {4350, ButtonRow, 1500, AnswerHeight},
                      tr("More info"));
    infoLink->hide();
    restartButton = button(this, restartButtonName, {LeftColumn, AnswerTop, 2100, AnswerHeight}, tr("Restart"));
    restartButton->hide();
    comment = place<QLineEdit>(this, prefix + QStringLiteral("QuizComm"), {LeftColumn, 6480, AnswerWidth, 330});
    comment->setReadOnly(true);
    comment->hide();

    // The keyboard's way: the question, its alternatives, Answer, then the rest.
    QList<QWidget *> order{text};
    for (QCheckBox *box : answers)
        order << box;
    order << answerButton << infoLink << restartButton << page << comment;
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order.at(i - 1), order.at(i));
}

IntroTab::IntroTab(QWidget *parent) : QWidget(parent)
{
    infoWeb = makePageView(this, QStringLiteral("infoWeb"), {60, 60, 11700, 7680});
}

SubjectTab::SubjectTab(int subject, QWidget *parent) : QWidget(parent), m_subject(subject)
{
    const SubjectNames &names = subjectNames(subject);
    const QString &p = names.prefix;
    heading = training::heading(this, p + QStringLiteral("Lbl"), HeadingRect);
    optionFrame = frame(this, names.optionFrame, OptionFrameRect);
    options[0] = place<QRadioButton>(optionFrame, controlArrayName(names.optionArray, 0), {150, 120, 1650, 330});
    options[1] = place<QRadioButton>(optionFrame, controlArrayName(names.optionArray, 1), {1950, 120, 1800, 330});
    options[0]->setText(tr("Facts"));
    options[1]->setText(tr("Quiz"));
    options[0]->setChecked(true);
    printButton = button(this, controlArrayName(QStringLiteral("FactCmdPrint"), subject), PrintRect, tr("Print"));
    factList = training::factList(this, names.factList, FactListRect);
    factFrame = training::factFrame(this, p, &factWeb);
    const QString answer = controlArrayName(QStringLiteral("QuizAnswBtn"), subject);
    const QString restart = controlArrayName(QStringLiteral("QuizRestartBtn"), subject);
    quiz = new QuizPanel(p, answer, restart, this);
    quiz->hide();
}

TacticsTab::TacticsTab(QWidget *parent) : QWidget(parent)
{
    heading = training::heading(this, QStringLiteral("takLbl"), HeadingRect);
    optionFrame = frame(this, QStringLiteral("takFormOpt"), OptionFrameRect);
    startButton = button(optionFrame, QStringLiteral("takFactCmdStart"), {150, 75, 2700, 390}, tr("Start scenario"));
    reviewButton = button(optionFrame, QStringLiteral("takCmdReview"), {2910, 75, 900, 390}, tr("Review"));
    printButton = button(this, controlArrayName(QStringLiteral("FactCmdPrint"), 6), PrintRect, tr("Print"));
    factList = training::factList(this, QStringLiteral("takFactLst"), {120, 660, 3840, 3240});
    scenarioList = place<QTreeWidget>(this, QStringLiteral("takQuizLst"), {120, 4020, 3840, 3550});
    // Beside each name: the learner's finished runs of it, the best and the latest score.
    scenarioList->setColumnCount(4);
    scenarioList->setHeaderLabels({QStringLiteral("Scenario"), tr("Runs"), tr("Best"), tr("Latest")});
    scenarioList->setRootIsDecorated(false);
    scenarioList->header()->setSectionsClickable(false);
    scenarioList->header()->setStretchLastSection(false);
    scenarioList->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    for (int column = 1; column < 4; ++column)
        scenarioList->header()->setSectionResizeMode(column, QHeaderView::ResizeToContents);
    factFrame = training::factFrame(this, QStringLiteral("tak"), &factWeb);
}

ReferenceTab::ReferenceTab(QWidget *parent) : QWidget(parent)
{
    option = place<QRadioButton>(this, QStringLiteral("refOpt"), RunOptionRect);
    option->setText(tr("Reference pages"));
    option->setChecked(true);
    printButton = button(this, controlArrayName(QStringLiteral("FactCmdPrint"), 5), PrintRect, tr("Print"));
    factList = training::factList(this, QStringLiteral("refFactLst"), FactListRect);
    factFrame = training::factFrame(this, QStringLiteral("ref"), &factWeb);
}

QuestionRunTab::QuestionRunTab(bool isExam, QWidget *parent) : QWidget(parent)
{
    const QString p = isExam ? QStringLiteral("exam") : QStringLiteral("excer");
    // The run's answer frame holds its option button; the debug button reports its edge.
    auto *answerFrame = place<QWidget>(this, isExam ? QStringLiteral("frmExamSvar") : QStringLiteral("frmSvar"),
                                       RunOptionRect);
    option = place<QRadioButton>(answerFrame, p + QStringLiteral("Opt"),
                                 {0, 0, RunOptionRect.width, RunOptionRect.height});
    option->setText(isExam ? tr("Exam questions") : tr("Exercise questions"));
    quiz = new QuizPanel(p, isExam ? QStringLiteral("examQuizAnswBtn") : controlArrayName(QStringLiteral("QuizAnswBtn"), 7),
                         p + QStringLiteral("QuizRestartBtn"), this);
    // Scenario questions have no alternatives: the start button takes their place.
    scenarioButton = button(quiz, p + QStringLiteral("QuizAnswBtnScenario"), {LeftColumn, AnswerTop, 2700, 390},
                            tr("Play the scenario"));
    scenarioButton->hide();
    if (isExam) {
        clock = makeClock(this, QStringLiteral("examQuizClock"), {4080, 30, 5400, 540});
        attempts = place<QComboBox>(this, QStringLiteral("examCboAttempts"), {9540, 120, 1500, 360});
        attempts->setToolTip(tr("Your last exam attempts"));
        reviewButton = button(this, QStringLiteral("examCmdReview"), {11070, 105, 630, 390}, tr("Review"));
    }
}

ProgressTab::ProgressTab(QWidget *parent) : QWidget(parent)
{
    heading(this, QStringLiteral("curLblMyCur"), {120, 120, 7000, 420});

    // Quiz rows, one per subject tab, and the tactics scenario row.
    exercises = frame(this, QStringLiteral("frmCurExercises"), {120, 840, 7200, 2735});
    QLabel *title = label(exercises, QStringLiteral("curLblExcercises"), {240, 105, 3000, 270});
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);
    const auto columnHeads = [&](QWidget *parent, qint32 top) {
        label(parent, QStringLiteral("curLblHeadTot"), {2880, top, 1200, 240});
        label(parent, QStringLiteral("curLblHeadDone"), {4200, top, 1200, 240});
        label(parent, QStringLiteral("curLblHeadCorr"), {5520, top, 1300, 240});
    };
    columnHeads(exercises, 390);
    qint32 y = 660;
    for (int s : {int(Ide), int(Phys), int(Prot), int(Haz), int(NBC)}) {
        const QString row = QStringLiteral("curLblQuiz") + subjectNames(s).progressRow;
        label(exercises, row, {240, y, 2520, 240});
        label(exercises, row + QStringLiteral("Tot"), {2880, y, 1200, 240}, QStringLiteral("0"));
        label(exercises, row + QStringLiteral("Done"), {4200, y, 1200, 240}, QStringLiteral("0"));
        label(exercises, row + QStringLiteral("Corr"), {5520, y, 1300, 240}, QStringLiteral("0"));
        y += 240;
    }
    const auto scenarioBar = [&](QWidget *parent, const QString &labelName, const QString &barName,
                                 const QString &minName, const QString &maxName, qint32 top) {
        label(parent, labelName, {240, top, 2520, 240});
        auto *bar = place<QProgressBar>(parent, barName, {2880, top, 3960, 240});
        bar->setRange(0, 100);
        bar->setValue(0);
        bar->setTextVisible(false);
        label(parent, minName, {2880, top + 240, 1300, 240});
        QLabel *max = label(parent, maxName, {5540, top + 240, 1300, 240});
        max->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        return bar;
    };
    latest = scenarioBar(exercises, QStringLiteral("curLblTakScenario"), QStringLiteral("prgScenarioLatest"),
                         QStringLiteral("curlblTakScenarioMin"), QStringLiteral("curlblTakScenarioMax"), y + 240);
    // A scenario's name is often longer than the room between the bar's two ends.
    auto *name = place<ElidedLabel>(exercises, QStringLiteral("curLblTakScenarioName"), {3870, y + 480, 1980, 240});
    name->setAlignment(Qt::AlignCenter);

    // The exercise and the exam, each with its scenario rating.
    const auto runFrame = [&](const QString &frameName, const QString &tot, const QString &done,
                              const QString &corr, qint32 top) {
        QGroupBox *box = frame(this, frameName, {120, top, 7200, 1200});
        label(box, frameName + QStringLiteral("Title"), {240, 60, 2520, 240})->setFont(bold);
        columnHeads(box, 60);
        label(box, tot, {2880, 330, 1200, 240}, QStringLiteral("0"));
        label(box, done, {4200, 330, 1200, 240}, QStringLiteral("0"));
        label(box, corr, {5520, 330, 1300, 240}, QStringLiteral("0"));
        return box;
    };
    exerciseFrame = runFrame(QStringLiteral("frmCurExercisesExcer"), QStringLiteral("curLblQuizExcerTot"),
                             QStringLiteral("curLblQuizExcerDone"), QStringLiteral("curLblQuizExcerCorr"), 3680);
    average = scenarioBar(exerciseFrame, QStringLiteral("curLblTakScenarioAvg"), QStringLiteral("prgScenarioAvg"),
                          QStringLiteral("curlblTakScenarioAvgMin"), QStringLiteral("curlblTakScenarioAvgMax"), 660);
    examFrame = runFrame(QStringLiteral("frmCurExam"), QStringLiteral("curLblExamTot"),
                         QStringLiteral("curLblExamDone"), QStringLiteral("curLblExamCorr"), 4985);
    exam = scenarioBar(examFrame, QStringLiteral("curLblTakScenarioExam"), QStringLiteral("prgScenarioExam"),
                       QStringLiteral("curlblTakScenarioExamMin"), QStringLiteral("curlblTakScenarioExamMax"), 660);

    // Where the learner last read, per fact list.
    QGroupBox *lastStudy = frame(this, QStringLiteral("frmCurLastStudy"), {7560, 840, 4140, 2400});
    label(lastStudy, QStringLiteral("curLblLastStudy"), {180, 105, 3800, 270})->setFont(bold);
    label(lastStudy, QStringLiteral("curLblWTab"), {180, 390, 1500, 240});
    label(lastStudy, QStringLiteral("curLblWChap"), {1740, 390, 2300, 240});
    qint32 row = 660;
    for (const QString &word : {QStringLiteral("Ide"), QStringLiteral("Phys"), QStringLiteral("Prot"),
                                QStringLiteral("Haz"), QStringLiteral("NBC"), QStringLiteral("Tak"),
                                QStringLiteral("Ref")}) {
        label(lastStudy, QStringLiteral("curLblTab") + word, {180, row, 1500, 240});
        QLabel *position = label(lastStudy, QStringLiteral("curLbl") + word + QStringLiteral("FactPos"),
                                 {1740, row, 2300, 240});
        position->setTextFormat(Qt::PlainText);
        row += 240;
    }

    showDiploma = button(this, QStringLiteral("curBtnShowDipl"), {7560, 3480, 2700, 420}, tr("Course diploma"));
    exitButton = button(this, QStringLiteral("curBtnExit"), {7560, 4020, 2700, 420}, tr("Exit"));
}

} // namespace training
