#include "tools/Command.h"

#include <cstdio>
#include <string>
#include <vector>

namespace
{
void printUsage(std::FILE* out)
{
    std::fprintf(out, "Usage: velqa COMMAND [ARGUMENTS]\n\nCommands:\n");
    for (const auto& command : velqa::tool::commands())
        std::fprintf(out, "  %s %s\n      %s\n", command.name, command.arguments, command.summary);
    std::fprintf(out,
                 "\nOptions:\n  -h, --help  show this text\n\n"
                 "Exit status: 0 success, 1 the module failed or refused a call, 2 wrong usage,\n"
                 "3 an input, side-chain or preset file is missing or unreadable,\n"
                 "4 channels or sample rates that cannot be combined,\n"
                 "5 unknown parameter or preset, 6 an output cannot be written.\n");
}
} // namespace

int main(int argc, char** argv)
{
    using namespace velqa::tool;
    if (argc < 2)
    {
        printUsage(stderr);
        return exitUsage;
    }
    const std::string name = argv[1];
    if (name == "-h" || name == "--help" || name == "help")
    {
        printUsage(stdout);
        return exitOk;
    }
    for (const auto& command : commands())
    {
        if (name == command.name)
            return command.run(std::vector<std::string>(argv + 2, argv + argc));
    }
    std::fprintf(stderr, "velqa: unknown command '%s' (see velqa --help)\n", name.c_str());
    return exitUsage;
}
