#include "tools/Command.h"

namespace velqa::tool
{

const std::vector<Command>& commands()
{
    static const std::vector<Command> all = {
        {"info", "[--host NAME] [BUNDLE]",
         "print the factory, class, buses, parameters and latency of a VST 3 bundle, as seen "
         "by a host of that name (default \"Velqa Host\")",
         runInfo},
    };
    return all;
}

} // namespace velqa::tool
