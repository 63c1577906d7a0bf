#pragma once

#include <string>
#include <vector>

namespace velqa::tool
{

// Exit codes of the velqa program.
enum ExitCode
{
    exitOk = 0,
    exitFailure = 1,     // the module could not be loaded or refused a call
    exitUsage = 2,       // unknown command or bad arguments
    exitInputFile = 3,   // an input, side-chain or preset file is missing or unreadable
    exitMismatch = 4,    // channels or sample rate the render cannot combine
    exitUnknownName = 5, // no parameter or factory preset of that name
    exitOutputFile = 6,  // an output file or folder cannot be written
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
int runEditor(const std::vector<std::string>& arguments);
int runRender(const std::vector<std::string>& arguments);
int runBench(const std::vector<std::string>& arguments);
int runStress(const std::vector<std::string>& arguments);

} // namespace velqa::tool
