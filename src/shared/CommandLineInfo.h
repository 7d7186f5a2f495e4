#pragma once
// "--help" and "--version" for both programs: answered on standard output before the
// program makes a window or touches a file.

#include <optional>

namespace haz {

// When the command line is exactly one of the two options, prints the answer and gives
// the exit code; otherwise nothing happens and the program goes on.
std::optional<int> answerInfoOption(int argc, const char *const *argv, const char *program, const char *usage);

// The course's version, as the build sets it.
const char *courseVersion();

} // namespace haz
