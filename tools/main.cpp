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
    std::fprintf(out, "\nOptions:\n  -h, --help  show this text\n\n"
                      "Exit status: 0 success, 1 the module failed, 2 wrong usage.\n");
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
