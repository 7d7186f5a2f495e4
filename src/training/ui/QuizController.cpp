#include "QuizController.h"

#include "AnswerGate.h"

#include "InfoWindowRules.h"
#include "MediaDisplay.h"
#include "MediaTarget.h"
#include "MessageService.h"
#include "PictureBox.h"
#include "Platform.h"
#include "RuntimeError.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextEdit>

namespace training {

namespace {

QString unreadableQuizText(const QString &problem)
{
    return QStringLiteral("The questions of this quiz could not be read, so there is nothing to answer or "
                          "start again. Your saved counts are kept.\n\n")
           + problem;
}

void setShown(QWidget *w, bool shown)
{
    if (w)
        w->setVisible(shown);
}

// Text boxes show line breaks as "\n"; the stored texts use CR LF.
QString displayText(const QString &text)
{
    return QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

// An alternative's text as a check-box caption: "&" is a character, not a shortcut.
QString buttonCaption(const QString &text)
{
    return QString(text).replace(u'&', QStringLiteral("&&"));
}

bool isTicked(const QAbstractButton *box)
{
    if (!box)
        return false;
    // A greyed box is not ticked.
    if (const auto *check = qobject_cast<const QCheckBox *>(box))
        return check->checkState() == Qt::Checked;
    return box->isChecked();
}

void untick(QAbstractButton *box)
{
    if (auto *check = qobject_cast<QCheckBox *>(box))
        check->setCheckState(Qt::Unchecked);
    else if (box)
        box->setChecked(false);
}

void reportFilloutFailure(haz::MessageService &messages, const haz::RuntimeError &e)
{
    messages.show(e.messageText(), QStringLiteral("filloutQuiz"), haz::MessageIcon::Critical);
}

// The text box gets the focus and shows its first line.
void focusFirstLine(QWidget *text)
{
    if (!text)
        return;
    text->setFocus();
    if (auto *edit = qobject_cast<QTextEdit *>(text)) {
        edit->moveCursor(QTextCursor::Start);
        edit->verticalScrollBar()->setValue(0);
    } else if (auto *plain = qobject_cast<QPlainTextEdit *>(text)) {
        plain->moveCursor(QTextCursor::Start);
        plain->verticalScrollBar()->setValue(0);
    }
}

} // namespace

void setControlText(QWidget *control, const QString &text)
{
    if (!control)
        return;
    const QString shown = displayText(text);
    if (auto *plain = qobject_cast<QPlainTextEdit *>(control))
        plain->setPlainText(shown);
    else if (auto *edit = qobject_cast<QTextEdit *>(control))
        edit->setPlainText(shown);
    else if (auto *line = qobject_cast<QLineEdit *>(control))
        line->setText(shown);
    else if (auto *label = qobject_cast<QLabel *>(control))
        label->setText(shown);
    else
        control->setProperty("text", shown);
}

QString controlText(const QWidget *control)
{
    if (!control)
        return {};
    if (const auto *plain = qobject_cast<const QPlainTextEdit *>(control))
        return plain->toPlainText();
    if (const auto *edit = qobject_cast<const QTextEdit *>(control))
        return edit->toPlainText();
    return control->property("text").toString();
}

QuizControls QuizControls::find(const QWidget *root, const QString &prefix)
{
    QuizControls c;
    if (!root)
        return c;
    c.picture = root->findChild<haz::PictureBox *>(prefix + QStringLiteral("QuizPic"));
    c.heading = root->findChild<QLabel *>(prefix + QStringLiteral("QuizLbl"));
    c.text = root->findChild<QWidget *>(prefix + QStringLiteral("QuizText"));
    for (int k = 0; k < MaxAlternatives; ++k)
        c.answers[k] = root->findChild<QAbstractButton *>(controlArrayName(prefix + QStringLiteral("QuizAnsw"), k));
    c.comment = root->findChild<QWidget *>(prefix + QStringLiteral("QuizComm"));
    return c;
}

bool filloutQuiz(const QuizControls &controls, const QuizQuestion &question, const QuizServices &services)
{
    haz::MessageService &messages = services.env.messages();
    try {
        const QuizQuestionView view = viewOfQuestion(question);

        if (!view.pictureName.isEmpty()) {
            if (!controls.picture)
                throw haz::RuntimeError(haz::ErrObjectNotSet);
            const QString path = haz::platform::joinPath(services.env.imagesDir(), view.pictureName);
            if (haz::platform::fileExists(path)) {
                try {
                    services.media.showMediaFile(controls.picture->objectName(), path);
                } catch (const haz::RuntimeError &e) {
                    // The question is still shown, without its picture.
                    reportFilloutFailure(messages, e);
                    controls.picture->hide();
                }
            }
        } else if (controls.picture) {
            controls.picture->clearPicture();
            controls.picture->lower();
        }

        if (controls.heading) {
            controls.heading->setTextFormat(Qt::PlainText);
            controls.heading->setText(view.heading);
        }
        setControlText(controls.text, view.text);

        if (!view.infoLink.isEmpty())
            services.media.showMediaFile(InfoBrowserName(),
                                         haz::platform::joinPath(services.env.htmlDir(), view.infoLink));
        else
            services.info.hideWebInfoBox();

        for (QAbstractButton *box : controls.answers)
            untick(box);
        for (int k = 0; k < MaxAlternatives; ++k) {
            QAbstractButton *box = controls.answers[k];
            if (!box)
                continue;
            if (view.visible[k]) {
                box->setText(buttonCaption(view.captions[k]));
                box->setToolTip(QString());
                box->show();
            } else {
                box->hide();
            }
        }
        focusFirstLine(controls.text);
        return true;
    } catch (const haz::RuntimeError &e) {
        reportFilloutFailure(messages, e);
        return false;
    }
}

bool checkQuizAnswer(QWidget *comment, const std::array<QAbstractButton *, MaxAlternatives> &answers,
                     const QuizQuestion &question, bool showMessage, const QuizServices &services)
{
    std::array<bool, MaxAlternatives> ticked{};
    for (int k = 0; k < MaxAlternatives; ++k)
        ticked[k] = isTicked(answers[k]);
    const QuizAnswerResult result = evaluateQuizAnswer(question, ticked);
    if (!result.right && showMessage) {
        services.info.hideWebInfoBox();
        services.env.messages().show(
            correctAnswerMessage(services.env.quizTexts().errDispAnswer, result, question.SvarKom), QString(),
            haz::MessageIcon::Information, haz::MessageButtons::Ok);
    } else {
        setControlText(comment, QString());
    }
    return result.right;
}

QList<const QWidget *> questionInView(const QuizControls &controls, const QWidget *page, const QWidget *answerButton)
{
    QList<const QWidget *> widgets{controls.heading, controls.text, controls.picture, page, answerButton};
    for (const QAbstractButton *box : controls.answers)
        widgets << box;
    widgets.removeAll(nullptr);
    return widgets;
}

void copyPicture(haz::PictureBox *box, QuizEnvironment &env)
{
    if (!box || !box->hasPicture())
        return;
    const QuizTexts texts = env.quizTexts();
    if (env.messages().show(texts.PictureCopy, QString(), haz::MessageIcon::None, haz::MessageButtons::OkCancel)
        != haz::MessageAnswer::Ok)
        return;
    QClipboard *clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    clipboard->setImage(box->picture());
    env.messages().show(texts.PictureCopied, QString(), haz::MessageIcon::None, haz::MessageButtons::Ok);
}

QuizController::QuizController(QWidget *root, const QuizMember &member, QuizData data,
                               const QuizServices &services, QObject *parent)
    : QObject(parent), m_root(root), m_member(member), m_run(data), m_services(services),
      m_controls(QuizControls::find(root, member.prefix))
{
    if (auto *button = qobject_cast<QAbstractButton *>(find(m_member.answerButton())))
        connect(button, &QAbstractButton::clicked, this, &QuizController::answer);
    if (auto *button = qobject_cast<QAbstractButton *>(find(m_member.restartButton())))
        connect(button, &QAbstractButton::clicked, this, &QuizController::restart);
    if (auto *button = qobject_cast<QAbstractButton *>(find(m_member.name(QStringLiteral("QuizbtnInfoLink")))))
        connect(button, &QAbstractButton::clicked, this, &QuizController::infoLinkClick);
    m_gate = new AnswerGate(m_controls.answers, qobject_cast<QAbstractButton *>(find(m_member.answerButton())),
                            m_member.answerBoxFocus, this);
    if (m_controls.picture)
        connect(m_controls.picture, &haz::PictureBox::rightButtonReleased, this, &QuizController::copyQuestionPicture);
    m_services.info.setInfoLinkSource(m_member.tab, this);
}

QuizController::~QuizController()
{
    m_services.info.removeInfoLinkSource(this);
}

QWidget *QuizController::find(const QString &name) const
{
    return m_root ? m_root->findChild<QWidget *>(name) : nullptr;
}

const QuizQuestion *QuizController::currentQuestion() const
{
    return m_run.current();
}

QString QuizController::infoTitle(const QuizQuestion &question) const
{
    return infoWindowTitle(controlText(find(m_member.name(QStringLiteral("Lbl")))), question.FrgHead);
}

void QuizController::fillQuiz()
{
    QWidget *answerButton = find(m_member.answerButton());
    QWidget *restartButton = find(m_member.restartButton());
    QWidget *infoButton = find(m_member.name(QStringLiteral("QuizbtnInfoLink")));
    const QuizQuestion *question = currentQuestion();
    if (question) {
        if (filloutQuiz(m_controls, *question, m_services))
            setShown(answerButton, true);
        m_gate->questionShown(*question);
        setShown(restartButton, false);
        if (!question->InfoLink.isEmpty()) {
            setShown(infoButton, true);
            if (m_services.info.infoWinShow()) {
                showInfoLink(question->InfoLink, infoTitle(*question));
                m_services.info.applySizeWish(*question);
                m_services.info.showWithoutWaiting(inView());
            }
        } else {
            m_services.info.hideWebInfoBox();
            setShown(infoButton, false);
        }
        return;
    }
    // Finished (also a saved position beyond a list that has become shorter).
    for (QAbstractButton *box : m_controls.answers)
        setShown(box, false);
    if (m_controls.heading)
        m_controls.heading->clear();
    // A list whose file gave no questions was never answered: it says what is wrong
    // instead, and offers no restart that would wipe the learner's saved counts.
    const QString problem = m_run.unreadable();
    setShown(restartButton, problem.isEmpty());
    setControlText(m_controls.text, problem.isEmpty() ? m_services.env.quizTexts().excerAllDone
                                                      : unreadableQuizText(problem));
    setShown(answerButton, false);
    setShown(infoButton, false);
    m_services.info.hideWebInfoBox();
}

void QuizController::answer()
{
    const QuizQuestion *question = currentQuestion();
    if (!question) {
        m_services.env.messages().show(QStringLiteral("Done"));
        return;
    }
    const QuizTexts texts = m_services.env.quizTexts();
    const bool right = checkQuizAnswer(m_controls.comment, m_controls.answers, *question, true, m_services);
    m_run.record(right);
    if (right)
        setControlText(find(m_member.name(QStringLiteral("QuizLblCorr"))), countLabelText(texts.corrAnswers, m_run.correct()));
    setControlText(find(m_member.name(QStringLiteral("QuizLblDone"))), countLabelText(texts.excerCompleted, m_run.position()));
    setControlText(find(m_member.progressLabel(QStringLiteral("Done"))), QString::number(m_run.position()));
    setControlText(find(m_member.progressLabel(QStringLiteral("Corr"))), QString::number(m_run.correct()));
    m_services.media.clearMediaControls();
    fillQuiz();
    m_services.env.keepProgress();
}

void QuizController::restart()
{
    if (const QString problem = m_run.unreadable(); !problem.isEmpty()) {
        m_services.env.messages().show(unreadableQuizText(problem), QString(), haz::MessageIcon::Warning);
        return;
    }
    m_run.restart();
    m_services.env.keepProgress();
    auto *quizOption = qobject_cast<QAbstractButton *>(find(m_member.quizOption()));
    if (quizOption && !quizOption->isChecked()) {
        quizOption->click(); // selecting the quiz view runs the switch
        return;
    }
    if (m_optionSwitch) {
        m_optionSwitch(1);
        return;
    }
    // Without a switch to run, do its quiz part here.
    updateCountLabels();
    fillQuiz();
}

void QuizController::updateCountLabels()
{
    const QuizTexts texts = m_services.env.quizTexts();
    setControlText(find(m_member.name(QStringLiteral("QuizLblTot"))), countLabelText(texts.totAnswers, m_run.count()));
    setControlText(find(m_member.name(QStringLiteral("QuizLblCorr"))), countLabelText(texts.corrAnswers, m_run.correct()));
    setControlText(find(m_member.name(QStringLiteral("QuizLblDone"))), countLabelText(texts.excerCompleted, m_run.position()));
    setControlText(find(m_member.progressLabel(QStringLiteral("Tot"))), QString::number(m_run.count()));
    setControlText(find(m_member.progressLabel(QStringLiteral("Done"))), QString::number(m_run.position()));
    setControlText(find(m_member.progressLabel(QStringLiteral("Corr"))), QString::number(m_run.correct()));
}

void QuizController::showInfoLink(const QString &infoLink, const QString &title)
{
    m_services.media.showMediaFileQuietly(InfoBrowserName(), haz::platform::joinPath(m_services.env.htmlDir(), infoLink));
    m_services.info.window()->setWindowTitle(title);
}

void QuizController::infoLinkClick()
{
    const QuizQuestion *question = currentQuestion();
    if (!question || question->InfoLink.isEmpty())
        return;
    m_services.info.window()->setWindowTitle(infoTitle(*question));
    m_services.media.showMediaFileQuietly(InfoBrowserName(),
                                          haz::platform::joinPath(m_services.env.htmlDir(), question->InfoLink));
    m_services.info.setInfoWinShow(true);
    m_services.info.applySizeWish(*question);
    m_services.info.showWithoutWaiting(inView());
}

QList<const QWidget *> QuizController::inView() const
{
    return questionInView(m_controls, find(m_member.name(QStringLiteral("QuizWeb"))), find(m_member.answerButton()));
}

bool QuizController::infoLinkReady() const
{
    const auto *quizOption = qobject_cast<const QAbstractButton *>(find(m_member.quizOption()));
    const QuizQuestion *question = currentQuestion();
    return quizOption && quizOption->isChecked() && question && !question->InfoLink.isEmpty();
}

void QuizController::copyQuestionPicture()
{
    copyPicture(m_controls.picture, m_services.env);
}

} // namespace training
