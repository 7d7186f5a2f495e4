#pragma once
// The five subject quizzes are one family: the same controls under each subject's
// prefix, plus the few names that do not follow the prefix.

#include <QList>
#include <QString>

namespace training {

// "name(index)", the object name of one element of a control array.
QString controlArrayName(const QString &name, int index);

struct QuizMember {
    QString prefix;       // "haz": hazQuizLbl, hazQuizAnsw(0) ...
    int tab = 0;          // the subject's tab of tabMain
    int index = 0;        // element of QuizAnswBtn, QuizRestartBtn and FactCmdPrint
    QString optionArray;  // "HazOpt": element 0 the fact view, 1 the quiz view
    QString progressWord; // "Haz": curLblQuizHazTot, curLblQuizHazDone, curLblQuizHazCorr
    bool answerBoxFocus = true; // a ticked answer box hands the focus to the Answer button

    QString name(const QString &role) const { return prefix + role; }
    QString answerBox(int k) const { return controlArrayName(prefix + QStringLiteral("QuizAnsw"), k); }
    QString answerButton() const { return controlArrayName(QStringLiteral("QuizAnswBtn"), index); }
    QString restartButton() const { return controlArrayName(QStringLiteral("QuizRestartBtn"), index); }
    QString quizOption() const { return controlArrayName(optionArray, 1); }
    QString progressLabel(const QString &what) const
    {
        return QStringLiteral("curLblQuiz") + progressWord + what; // what: "Tot", "Done", "Corr"
    }
};

// Ident, Phys, Prot, Hazard and NBC, in tab order.
const QList<QuizMember> &quizMembers();
// The member with this prefix ("ide", "phys", "prot", "haz", "NBC"); nullptr for others.
const QuizMember *quizMember(const QString &prefix);

} // namespace training
