#include "tools/ParameterValues.h"

#include "host/Utf16.h"

#include <cctype>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <vector>

namespace velqa::tool
{

using namespace Steinberg;

namespace
{
// Fine enough that neighbouring grid points differ by less than the texts' rounding.
constexpr int gridSteps = 20000;

std::string lowerWithoutSpaces(const std::string& text)
{
    std::string out;
    for (unsigned char c : text)
        if (!std::isspace(c)) out += static_cast<char>(std::tolower(c));
    return out;
}

// A number followed by a unit, with the unit scaled to one base per family.
struct Quantity
{
    double value = 0.0;
    std::string unit; // "db", "ms", "hz", ":1", "%" or "" for a bare number
};

std::optional<Quantity> parseQuantity(const std::string& raw)
{
    const std::string text = lowerWithoutSpaces(raw);
    if (text.empty()) return std::nullopt;
    char* end = nullptr;
    const double number = std::strtod(text.c_str(), &end);
    if (end == text.c_str() || !std::isfinite(number)) return std::nullopt;
    Quantity q{number, std::string(end)};
    if (q.unit == "s" || q.unit == "sec")
    {
        q.value *= 1000.0;
        q.unit = "ms";
    }
    else if (q.unit == "khz")
    {
        q.value *= 1000.0;
        q.unit = "hz";
    }
    else if (q.unit != "db" && q.unit != "ms" && q.unit != "hz" && q.unit != ":1" &&
             q.unit != "%" && !q.unit.empty())
        return std::nullopt;
    return q;
}

// Percent displays are bare three-digit numbers; a "%" from the user refers to them.
bool sameFamily(const Quantity& wanted, const Quantity& shown)
{
    if (wanted.unit == "%") return shown.unit.empty();
    return wanted.unit == shown.unit;
}

// The middle of the longest run of grid points that satisfy a test, so a rounded display
// text maps to the value it stands for rather than to one edge of its range.
template <typename Test> std::optional<double> middleOfBestRun(Test&& matches)
{
    int bestStart = -1, bestLength = 0, runStart = -1;
    for (int i = 0; i <= gridSteps + 1; ++i)
    {
        const bool hit = i <= gridSteps && matches(i);
        if (hit && runStart < 0) runStart = i;
        if (!hit && runStart >= 0)
        {
            if (i - runStart > bestLength)
            {
                bestStart = runStart;
                bestLength = i - runStart;
            }
            runStart = -1;
        }
    }
    if (bestStart < 0) return std::nullopt;
    return (bestStart + (bestLength - 1) / 2.0) / gridSteps;
}
} // namespace

std::optional<ParameterMatch> findParameter(Vst::IEditController* controller,
                                            const std::string& title)
{
    if (!controller || title.empty()) return std::nullopt;
    const std::string wanted = lowerWithoutSpaces(title);
    const int32 count = controller->getParameterCount();
    for (int32 i = 0; i < count; ++i)
    {
        Vst::ParameterInfo info{};
        if (controller->getParameterInfo(i, info) != kResultOk) continue;
        const std::string name = host::toUtf8(info.title, 128);
        if (!name.empty() && lowerWithoutSpaces(name) == wanted)
            return ParameterMatch{info.id, name};
    }
    return std::nullopt;
}

std::string displayText(Vst::IEditController* controller, Vst::ParamID id, double normalised)
{
    Vst::String128 text{};
    if (!controller || controller->getParamStringByValue(id, normalised, text) != kResultOk)
        return {};
    return host::toUtf8(text, 128);
}

std::optional<double> parseParameterValue(Vst::IEditController* controller, Vst::ParamID id,
                                          const std::string& text)
{
    const auto wanted = parseQuantity(text);
    if (wanted && wanted->unit.empty())
    {
        if (wanted->value >= 0.0 && wanted->value <= 1.0) return wanted->value;
    }

    std::vector<std::string> texts(gridSteps + 1);
    for (int i = 0; i <= gridSteps; ++i)
        texts[static_cast<size_t>(i)] = displayText(controller, id, double(i) / gridSteps);

    // Words and signed labels ("TUBE", "L50", "Extern") match as text.
    const std::string literal = lowerWithoutSpaces(text);
    if (auto exact =
            middleOfBestRun([&](int i) { return lowerWithoutSpaces(texts[size_t(i)]) == literal; }))
        return exact;
    if (!wanted) return std::nullopt;

    // Numbers: the shown value closest to the wanted one, as long as it is close at all.
    std::vector<std::optional<Quantity>> shown(gridSteps + 1);
    double bestDistance = std::numeric_limits<double>::infinity();
    for (int i = 0; i <= gridSteps; ++i)
    {
        shown[size_t(i)] = parseQuantity(texts[size_t(i)]);
        if (shown[size_t(i)] && sameFamily(*wanted, *shown[size_t(i)]))
            bestDistance =
                std::min(bestDistance, std::fabs(shown[size_t(i)]->value - wanted->value));
    }
    if (!std::isfinite(bestDistance)) return std::nullopt;
    // Beyond the display's range (e.g. +40 dB on a 12 dB gain) the request is refused.
    const double tolerance = std::max(0.51, std::fabs(wanted->value) * 0.02);
    if (bestDistance > tolerance) return std::nullopt;
    return middleOfBestRun(
        [&](int i)
        {
            const auto& q = shown[size_t(i)];
            return q && sameFamily(*wanted, *q) &&
                   std::fabs(q->value - wanted->value) <= bestDistance + 1e-9;
        });
}

} // namespace velqa::tool
