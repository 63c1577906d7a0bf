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
        {"editor",
         "[--seconds S | --screenshot FILE.png [--zoom P] [--scale F]] [--play FILE|demo] "
         "[STATE] [BUNDLE]",
         "open the editor in a window, or draw it off screen into a PNG file", runEditor},
        {"render", "[IN] -o OUT [options]",
         "render an audio file (or the built-in demo) through Velqa; see velqa render --help",
         runRender},
        {"bench", "[--seconds S] [--block N] [--rounds R] [--editor] [--bundle PATH]",
         "measure the real-time factor per configuration (defaults, all bands, each oversampling "
         "factor) side by side",
         runBench},
        {"stress", "[--seconds N] [--seed S] [--bundle PATH]",
         "drive one instance from an audio thread and a UI thread at once (automation, state "
         "restores, oversampling and look-ahead switches, new bus layouts between activations); "
         "count non-finite and subnormal output samples and latency mismatches",
         runStress},
    };
    return all;
}

} // namespace velqa::tool
