#include "QuizFamily.h"

#include "ProgramState.h"

namespace training {

QString controlArrayName(const QString &name, int index)
{
    return name + u'(' + QString::number(index) + u')';
}

const QList<QuizMember> &quizMembers()
{
    static const QList<QuizMember> members = [] {
        QList<QuizMember> list;
        for (int s = 0; s < SubjectCount; ++s) {
            const SubjectNames &names = subjectNames(s);
            // The NBC answer boxes keep the focus.
            list.append({names.prefix, names.tab, s, names.optionArray, names.progressRow, s != NBC});
        }
        return list;
    }();
    return members;
}

const QuizMember *quizMember(const QString &prefix)
{
    for (const QuizMember &m : quizMembers())
        if (m.prefix == prefix)
            return &m;
    return nullptr;
}

} // namespace training
