#include "ProgressLayout.h"

#include "RuntimeError.h"

#include <algorithm>

namespace haz::progress {

namespace {

struct Row {
    const char *name;
    int saveOrder;
    bool countsAsStep;
};

// File order. The save order is the order the course program writes the fields at
// exit; selTab and takFactPos are saved without a step of the save bar.
constexpr Row Rows[FieldCount] = {
    {"UserName", 0, false},        {"selTab", 1, false},          {"quizOrFact", 29, true},
    {"hazQuizPos", 2, true},       {"hazQuizCorr", 3, true},      {"hazFactPos", 4, true},
    {"ideQuizPos", 5, true},       {"ideQuizCorr", 6, true},      {"ideFactPos", 7, true},
    {"protQuizPos", 8, true},      {"protQuizCorr", 9, true},     {"protFactPos", 10, true},
    {"NBCQuizPos", 11, true},      {"NBCQuizCorr", 12, true},     {"NBCFactPos", 13, true},
    {"physQuizPos", 14, true},     {"physQuizCorr", 15, true},    {"physFactPos", 16, true},
    {"refFactPos", 28, true},
    {"examQuizPos", 20, true},     {"examQuizCorr", 21, true},    {"examLastList", 22, true},
    {"examUseList", 23, true},
    {"excerQuizPos", 24, true},    {"excerQuizCorr", 27, true},   {"excerLastList", 25, true},
    {"excerUseList", 26, true},    {"takQuizPos", 17, true},      {"takQuizCorr", 18, true},
    {"takFactPos", 19, false},
    {"CurrentScenario", 0, false}, {"CurrentRum", 0, false},      {"CurrentTime", 0, false},
    {"CurrentScore", 0, false},    {"CompletedScenarios", 0, false},
    {"CompletedScores", 0, false}, {"excerScenario", 0, false},   {"excerRum", 0, false},
    {"excerTime", 0, false},       {"excerScore", 0, false},
    {"excerCompletedScenarios", 0, false},                       {"excerCompletedScores", 0, false},
    {"examScenario", 0, false},    {"examRum", 0, false},         {"examTime", 0, false},
    {"examScore", 0, false},       {"examCompletedScenarios", 0, false},
    {"examCompletedScores", 0, false},
};

} // namespace

const QList<FieldSpec> &layout()
{
    static const QList<FieldSpec> fields = [] {
        QList<FieldSpec> list;
        for (int i = 0; i < FieldCount; ++i)
            list.append({QString::fromLatin1(Rows[i].name), i + 1, Rows[i].saveOrder, Rows[i].countsAsStep});
        return list;
    }();
    return fields;
}

const QStringList &fieldNames()
{
    static const QStringList names = [] {
        QStringList list;
        for (const FieldSpec &field : layout())
            list.append(field.name);
        return list;
    }();
    return names;
}

int position(const QString &name)
{
    for (const FieldSpec &field : layout())
        if (field.name.compare(name, Qt::CaseInsensitive) == 0)
            return field.position;
    return 0;
}

const QList<FieldSpec> &savedAtExit()
{
    static const QList<FieldSpec> fields = [] {
        QList<FieldSpec> list;
        for (const FieldSpec &field : layout())
            if (field.saveOrder > 0)
                list.append(field);
        std::sort(list.begin(), list.end(),
                  [](const FieldSpec &a, const FieldSpec &b) { return a.saveOrder < b.saveOrder; });
        return list;
    }();
    return fields;
}

int saveSteps()
{
    const QList<FieldSpec> &fields = savedAtExit();
    return int(std::count_if(fields.begin(), fields.end(), [](const FieldSpec &f) { return f.countsAsStep; }));
}

ScenarioFields scenarioFields(int mode)
{
    switch (mode) {
    case int(ScenarioMode::Tactics):
        return {QStringLiteral("CurrentScenario"), QStringLiteral("CurrentRum"), QStringLiteral("CurrentTime"),
                QStringLiteral("CurrentScore"), QStringLiteral("CompletedScenarios"),
                QStringLiteral("CompletedScores"), QString()};
    case int(ScenarioMode::Exercise):
        return {QStringLiteral("excerScenario"), QStringLiteral("excerRum"), QStringLiteral("excerTime"),
                QStringLiteral("excerScore"), QStringLiteral("excerCompletedScenarios"),
                QStringLiteral("excerCompletedScores"), QStringLiteral("excerQuizPos")};
    case int(ScenarioMode::Exam):
        return {QStringLiteral("examScenario"), QStringLiteral("examRum"), QStringLiteral("examTime"),
                QStringLiteral("examScore"), QStringLiteral("examCompletedScenarios"),
                QStringLiteral("examCompletedScores"), QStringLiteral("examQuizPos")};
    default:
        throw RuntimeError(ErrInvalidCall);
    }
}

} // namespace haz::progress
