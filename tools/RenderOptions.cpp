#include "tools/RenderOptions.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <type_traits>

namespace velqa::tool
{

const char* const renderUsage =
    "Usage: velqa render [IN] -o OUT [options]\n"
    "  IN                 any audio file libsndfile reads, mono or stereo; without it a built-in\n"
    "                     demo of drums and bass is rendered with a factory preset\n"
    "  -o, --output OUT   the rendered file (stereo, IN's rate, 32-bit float unless --bits)\n"
    "  --preset NAME|FILE.vqx   a factory preset by name, or a preset file\n"
    "  --set NAME=VALUE   a parameter by its host name; VALUE normalised 0..1 or as displayed,\n"
    "                     e.g. Dyna=-24dB, Attack=5ms, EQBelow1Freq=80Hz, TypeAbove=TUBE\n"
    "                     (repeatable, applied after the preset)\n"
    "  --sidechain SC     feeds SC (same rate, mono or stereo) to the \"Side Chain\" bus and\n"
    "                     switches the external side chain on\n"
    "  --oversampling 2x|4x|8x|16x\n"
    "  --lookahead MS     look-ahead of 0..100 ms (adds 100 ms of latency)\n"
    "  --stems DIR        also writes the four extra outputs: above-wet, below-wet, above-dry,\n"
    "                     below-dry\n"
    "  --block N          block size in frames (default 512)\n"
    "  --compensate       removes the reported latency so OUT lines up with IN\n"
    "  --bits 16|24|32    sample format of the written files (32 is float)\n"
    "  -v, --verbose      lists every parameter change with its value and display text\n"
    "  --bundle PATH      the Velqa.vst3 bundle to load (default: the built one, else\n"
    "                     ~/.vst3/Velqa.vst3)\n";

namespace
{
template <typename Number> bool parseNumber(const std::string& text, Number& value)
{
    const auto* end = text.data() + text.size();
    if constexpr (std::is_integral_v<Number>)
    {
        auto [ptr, ec] = std::from_chars(text.data(), end, value);
        return ec == std::errc() && ptr == end;
    }
    else
    {
        char* stop = nullptr;
        value = std::strtod(text.c_str(), &stop);
        return !text.empty() && stop == text.c_str() + text.size() && std::isfinite(value);
    }
}

bool parseOversampling(std::string text, int& factor)
{
    if (!text.empty() && (text.back() == 'x' || text.back() == 'X')) text.pop_back();
    return parseNumber(text, factor) && (factor == 2 || factor == 4 || factor == 8 || factor == 16);
}
} // namespace

bool parseRenderOptions(const std::vector<std::string>& arguments, RenderOptions& options,
                        std::string& error)
{
    for (size_t i = 0; i < arguments.size(); ++i)
    {
        const std::string& arg = arguments[i];
        auto value = [&](std::string& out)
        {
            if (i + 1 >= arguments.size())
            {
                error = arg + " needs a value";
                return false;
            }
            out = arguments[++i];
            return true;
        };
        std::string text;
        if (arg == "-o" || arg == "--output")
        {
            if (!value(text)) return false;
            options.output = text;
        }
        else if (arg == "--preset")
        {
            if (!value(options.preset)) return false;
        }
        else if (arg == "--set")
        {
            if (!value(text)) return false;
            const auto equals = text.find('=');
            if (equals == std::string::npos || equals == 0 || equals + 1 == text.size())
            {
                error = "--set wants NAME=VALUE, got '" + text + "'";
                return false;
            }
            options.settings.emplace_back(text.substr(0, equals), text.substr(equals + 1));
        }
        else if (arg == "--sidechain")
        {
            if (!value(text)) return false;
            options.sideChain = text;
        }
        else if (arg == "--oversampling")
        {
            if (!value(text)) return false;
            if (!parseOversampling(text, options.oversampling))
            {
                error = "--oversampling must be 2x, 4x, 8x or 16x, got '" + text + "'";
                return false;
            }
        }
        else if (arg == "--lookahead")
        {
            if (!value(text)) return false;
            double ms = 0.0;
            if (text.ends_with("ms")) text.resize(text.size() - 2);
            if (!parseNumber(text, ms) || ms < 0.0 || ms > 100.0)
            {
                error = "--lookahead must be 0..100 ms";
                return false;
            }
            options.lookaheadMs = ms;
        }
        else if (arg == "--stems")
        {
            if (!value(text)) return false;
            options.stemsFolder = text;
        }
        else if (arg == "--block")
        {
            if (!value(text)) return false;
            if (!parseNumber(text, options.blockSize) || options.blockSize < 1 ||
                options.blockSize > 65536)
            {
                error = "--block must be 1..65536 frames";
                return false;
            }
        }
        else if (arg == "--compensate")
            options.compensate = true;
        else if (arg == "-v" || arg == "--verbose")
            options.verbose = true;
        else if (arg == "--bits")
        {
            if (!value(text)) return false;
            if (text == "16")
                options.format = host::SampleFormat::pcm16;
            else if (text == "24")
                options.format = host::SampleFormat::pcm24;
            else if (text == "32")
                options.format = host::SampleFormat::float32;
            else
            {
                error = "--bits must be 16, 24 or 32";
                return false;
            }
        }
        else if (arg == "--bundle")
        {
            if (!value(text)) return false;
            options.bundle = text;
        }
        else if (arg.starts_with("-") && arg != "-")
        {
            error = "unknown option " + arg;
            return false;
        }
        else if (options.input.empty())
            options.input = arg;
        else
        {
            error = "more than one input file ('" + arg + "')";
            return false;
        }
    }
    if (options.output.empty())
    {
        error = "no output file (-o OUT)";
        return false;
    }
    return true;
}

} // namespace velqa::tool
