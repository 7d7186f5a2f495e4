#include "CommandLineInfo.h"

#include <cstdio>
#include <cstring>

namespace haz {

const char *courseVersion()
{
    return HAZ_VERSION;
}

std::optional<int> answerInfoOption(int argc, const char *const *argv, const char *program, const char *usage)
{
    if (argc != 2)
        return std::nullopt;
    const char *option = argv[1];
    if (std::strcmp(option, "--help") == 0 || std::strcmp(option, "-h") == 0) {
        std::printf("Usage: %s\n%s\n  --help     show this text and exit\n  --version  show the version and exit\n",
                    program, usage);
        return 0;
    }
    if (std::strcmp(option, "--version") == 0) {
        std::printf("%s %s\n", program, courseVersion());
        return 0;
    }
    return std::nullopt;
}

} // namespace haz
