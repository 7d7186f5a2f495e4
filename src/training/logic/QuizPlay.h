#pragma once
// The rules of quiz play that need no window: where a quiz stands, what a question
// shows, whether an answer is right and what the learner is told.

#include "QuizList.h"

#include <QString>

#include <array>

namespace training {

// The texts of the caption table that quiz play shows, kept at start-up.
struct QuizTexts {
    QString errDispAnswer;  // heading of the correct-answer message
    QString totAnswers;     // number-of-questions label
    QString excerCompleted; // answered label
    QString corrAnswers;    // correct label
    QString excerAllDone;   // text of a finished list
    QString PictureCopy;    // question before copying a picture
    QString PictureCopied;  // confirmation
};

// A count label: the caption text, one blank, the number.
QString countLabelText(const QString &caption, qint64 number);

// The question text as shown: every "<br>" becomes a line break (CR LF).
QString quizQuestionText(const QString &stored);

// What a question shows on the quiz controls.
struct QuizQuestionView {
    QString heading;
    QString text;                                    // line breaks already in place
    std::array<bool, MaxAlternatives> visible{};     // alternatives keep their places
    std::array<QString, MaxAlternatives> captions;   // the texts of the visible ones
    QString pictureName;                             // FrgBild; empty for none
    QString infoLink;
};
QuizQuestionView viewOfQuestion(const QuizQuestion &question);

// The result of comparing the ticked boxes with the correct flags.
struct QuizAnswerResult {
    bool right = true;
    QString correctText; // CR LF, "   -" and the text of every correct alternative
};

// Only alternatives with a text take part. Right means exactly the correct
// alternatives are ticked; there is no partial credit.
QuizAnswerResult evaluateQuizAnswer(const QuizQuestion &question,
                                    const std::array<bool, MaxAlternatives> &ticked);

// The message after a wrong answer: the heading, the correct alternatives, two
// blanks, two line breaks and the comment (which may be empty).
QString correctAnswerMessage(const QString &errDispAnswer, const QuizAnswerResult &result,
                             const QString &comment);

} // namespace training
