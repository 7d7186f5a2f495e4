#include "TabPlan.h"

#include "RuntimeError.h"

namespace training {

const std::array<TabPlanRow, TabCount> &tabPlan()
{
    static const std::array<TabPlanRow, TabCount> rows{{
        {TabIntro, QStringLiteral("tabMain0"), QStringLiteral("IntroUnit"), {}},
        {TabIde, QStringLiteral("tabMain1"), QStringLiteral("SubjectUnit"), {}},
        {TabPhys, QStringLiteral("tabMain2"), QStringLiteral("SubjectUnit"), {}},
        {TabProt, QStringLiteral("tabMain3"), QStringLiteral("SubjectUnit"), {}},
        {TabHaz, QStringLiteral("tabMain4"), QStringLiteral("SubjectUnit"), {}},
        {TabNBC, QStringLiteral("tabMain5"), QStringLiteral("SubjectUnit"), {}},
        {TabTak, QStringLiteral("tabMain6"), QStringLiteral("TacticsUnit"), {}},
        {TabRef, QStringLiteral("tabMain7"), QStringLiteral("ReferenceUnit"), {}},
        {TabExcer, QStringLiteral("tabMain8"), QStringLiteral("ExerciseUnit"), {}},
        {TabExam, QStringLiteral("tabMain9"), QStringLiteral("ExamUnit"), {}},
        {TabProgress, QStringLiteral("tabMain10"), QStringLiteral("ProgressUnit"), {}},
    }};
    return rows;
}

const TabPlanRow &tabPlanRow(int tab)
{
    if (tab < 0 || tab >= TabCount)
        throw haz::RuntimeError(haz::ErrSubscript);
    return tabPlan()[tab];
}

} // namespace training
