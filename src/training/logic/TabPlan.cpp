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
        {TabTak, QStringLiteral("tabMain6"), QStringLiteral("TacticsUnit"),
         QStringLiteral("the scenario list, its refill on resize and the scenario start")},
        {TabRef, QStringLiteral("tabMain7"), QStringLiteral("ReferenceUnit"), {}},
        {TabExcer, QStringLiteral("tabMain8"), QStringLiteral("ExerciseUnit"),
         QStringLiteral("filling and answering the exercise questions")},
        {TabExam, QStringLiteral("tabMain9"), QStringLiteral("ExamUnit"),
         QStringLiteral("filling the exam questions, the exam clock and drawing the next exam list")},
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
