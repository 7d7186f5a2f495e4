#pragma once
// A failure that is caught and not shown still leaves a trace: it goes to the
// program's last-error record. Every quiet catch goes through here.

#include "RuntimeError.h"

#include <exception>
#include <utility>

namespace haz {

// Records the failure: a RuntimeError with its number and description, anything
// else with its text and number 0.
void noteFailure(LastError &record, const std::exception &failure);

// Runs `work`; a failure is noted and gives false.
template <class Work>
bool runNoted(LastError &record, Work &&work)
{
    try {
        std::forward<Work>(work)();
        return true;
    } catch (const std::exception &e) {
        noteFailure(record, e);
        return false;
    }
}

} // namespace haz
