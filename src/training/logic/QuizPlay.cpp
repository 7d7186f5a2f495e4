#include "QuizPlay.h"

#include "Conversions.h"
#include "basMain.h"

namespace training {

namespace {
const QString CrLf = QStringLiteral("\r\n");
}

QString countLabelText(const QString &caption, qint64 number)
{
    return caption + u' ' + haz::conv::toText(number);
}

QString quizQuestionText(const QString &stored)
{
    return basMain::replaceText(stored, QStringLiteral("<br>"), CrLf);
}

QuizQuestionView viewOfQuestion(const QuizQuestion &question)
{
    QuizQuestionView view;
    view.heading = question.FrgHead;
    view.text = quizQuestionText(question.FrgText);
    for (int k = 0; k < MaxAlternatives; ++k) {
        view.visible[k] = !question.SvarTxt[k].isEmpty();
        if (view.visible[k])
            view.captions[k] = question.SvarTxt[k];
    }
    view.pictureName = question.FrgBild;
    view.infoLink = question.InfoLink;
    return view;
}

QuizAnswerResult evaluateQuizAnswer(const QuizQuestion &question,
                                    const std::array<bool, MaxAlternatives> &ticked)
{
    QuizAnswerResult result;
    for (int k = 0; k < MaxAlternatives; ++k) {
        if (question.SvarTxt[k].isEmpty())
            continue;
        if (question.SvarR[k] != ticked[k])
            result.right = false;
        if (question.SvarR[k])
            result.correctText += CrLf + QStringLiteral("   -") + question.SvarTxt[k];
    }
    return result;
}

QString correctAnswerMessage(const QString &errDispAnswer, const QuizAnswerResult &result,
                             const QString &comment)
{
    return errDispAnswer + result.correctText + QStringLiteral("  ") + CrLf + CrLf + comment;
}

} // namespace training
