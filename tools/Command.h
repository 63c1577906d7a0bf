#pragma once

#include <string>
#include <vector>

namespace velqa::tool
{

// Exit codes of the velqa program.
enum ExitCode
{
    exitOk = 0,
    exitFailure = 1, // the module could not be loaded or refused a call
    exitUsage = 2,   // unknown command or bad arguments
};

struct Command
{
    const char* name;
    const char* arguments; // as shown in the usage text
    const char* summary;
    int (*run)(const std::vector<std::string>& arguments);
};

// Every command, in the order the help lists them. Each lives in its own file.
const std::vector<Command>& commands();

int runInfo(const std::vector<std::string>& arguments);

} // namespace velqa::tool
