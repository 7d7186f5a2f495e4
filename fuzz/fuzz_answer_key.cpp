// Answer-key matching and judging: any answer string against any key table reads
// without a crash, and the row an answer takes follows the rules of the key: the
// first row with the same set of tokens, in any order, else the last "*" row.
//
// Input: the answer string (UTF-8) up to the first line feed, then the bytes of the
// key table (ini/facit.ini); scenario 5, room 1 is judged.
#include "FuzzSupport.h"

#include "GenericSubs.h"
#include "RuntimeError.h"
#include "ScenarioRun.h"
#include "ScenarioTables.h"

#include <QDir>

namespace {

using scenario::clsFacit;

QStringList sortedTokens(const QString &text)
{
    QStringList tokens = text.split(u',');
    std::sort(tokens.begin(), tokens.end());
    return tokens;
}

void checkMatch(const QString &answer, const QList<clsFacit> &rows)
{
    const clsFacit *row = scenario::GenericSubs::matchAnswer(answer, rows);
    const auto sameTokens = [&](const clsFacit &r) { return sortedTokens(r.Svar) == sortedTokens(answer); };
    const auto first = std::find_if(rows.begin(), rows.end(), sameTokens);
    const auto star = std::find_if(rows.rbegin(), rows.rend(), [](const clsFacit &r) { return r.Svar == u"*"; });
    // The first matching row, unless it has no action: then the last "*" row, if any.
    if (first != rows.end() && !first->Action.isEmpty())
        FUZZ_CHECK(row == &*first);
    else if (star != rows.rend())
        FUZZ_CHECK(row == &*star);
    else
        FUZZ_CHECK(row == (first == rows.end() ? nullptr : &*first));
    // The order in which the alternatives were ticked does not matter.
    QStringList reversed = answer.split(u',');
    std::reverse(reversed.begin(), reversed.end());
    FUZZ_CHECK(scenario::GenericSubs::matchAnswer(reversed.join(u','), rows) == row);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const qsizetype lineEnd = bytes.indexOf('\n');
    const QString answer = QString::fromUtf8(lineEnd < 0 ? bytes : bytes.first(lineEnd));
    const QString install = fuzz::scratchFolder();
    QDir(install).mkpath(QStringLiteral("ini"));
    fuzz::writeInput(QStringLiteral("ini/facit.ini"), lineEnd < 0 ? QByteArray() : bytes.sliced(lineEnd + 1));

    QList<clsFacit> rows;
    bool readable = true;
    try {
        rows = clsFacit::getFacits(scenario::ScenarioFiles(install), 5, 1);
    } catch (const haz::RuntimeError &) {
        readable = false; // a broken table is the caller's error report
    }
    checkMatch(answer, rows);

    scenario::ScenarioRun run(QStringLiteral(" user=Fuzz,mode=1"), install);
    run.state().scenarioId = 5;
    run.state().roomId = 1;
    try {
        const scenario::AnswerOutcome outcome = run.judge(answer);
        const clsFacit *row = scenario::GenericSubs::matchAnswer(answer, rows);
        FUZZ_CHECK(readable && row && !row->Action.isEmpty());
        FUZZ_CHECK((outcome.kind == scenario::AnswerOutcome::Kind::Finish) == (row->Action == u"finish"));
        if (outcome.kind == scenario::AnswerOutcome::Kind::StayInRoom)
            FUZZ_CHECK(outcome.targetRoom == 1 && row->Action.mid(1) == u"1");
    } catch (const haz::RuntimeError &) {
        // No row for the answer, a target that is not a room, or a broken table.
    }
    return 0;
}
