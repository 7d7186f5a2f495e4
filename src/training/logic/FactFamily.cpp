#include "FactFamily.h"

#include "ProgramState.h"
#include "QuizFamily.h"

namespace training {

QString FactMember::printButton() const
{
    return controlArrayName(QStringLiteral("FactCmdPrint"), printIndex);
}

const QList<FactMember> &factMembers()
{
    static const QList<FactMember> members = [] {
        QList<FactMember> list;
        for (int s = 0; s < SubjectCount; ++s) {
            const SubjectNames &names = subjectNames(s);
            list.append({names.prefix, names.tab, names.factList, names.prefix + QStringLiteral("FactWeb"), s,
                         QStringLiteral("curLbl") + names.progressRow + QStringLiteral("FactPos")});
        }
        list.append({QStringLiteral("tak"), TabTak, QStringLiteral("takFactLst"), QStringLiteral("takFactWeb"), 6,
                     QStringLiteral("curLblTakFactPos")});
        list.append({QStringLiteral("ref"), TabRef, QStringLiteral("refFactLst"), QStringLiteral("refFactWeb"), 5,
                     QStringLiteral("curLblRefFactPos")});
        return list;
    }();
    return members;
}

const FactMember *factMember(const QString &prefix)
{
    for (const FactMember &m : factMembers())
        if (m.prefix == prefix)
            return &m;
    return nullptr;
}

const FactMember *factMemberByBrowser(const QString &browser)
{
    for (const FactMember &m : factMembers())
        if (m.browser == browser)
            return &m;
    return nullptr;
}

int factSelectionIndex(qint32 savedPosition, qint32 count)
{
    return savedPosition >= 0 && savedPosition < count ? savedPosition : -1;
}

} // namespace training
