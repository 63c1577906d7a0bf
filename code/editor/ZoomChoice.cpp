#include "code/editor/ZoomChoice.h"

#include <charconv>

namespace velqa::editor
{

namespace
{

constexpr double kChoiceFactors[kZoomChoiceCount] = {0.75, 1.0, 1.25, 1.5, 1.75, 2.0};

} // namespace

std::optional<double> zoomFromStoredText(const std::string& text)
{
    int percent = 0;
    const char* end = text.data() + text.size();
    const auto [rest, error] = std::from_chars(text.data(), end, percent);
    if (error != std::errc() || rest == text.data() || rest != end) return std::nullopt;
    if (percent < 51 || percent > 200) return std::nullopt;
    return percent / 100.0;
}

int32_t zoomChoiceOfPercent(int32_t percent)
{
    if (percent >= 200) return 5;
    if (percent >= 175) return 4;
    if (percent >= 150) return 3;
    if (percent >= 125) return 2;
    if (percent >= 100) return 1;
    if (percent >= 75) return 0;
    return 1;
}

double zoomOfChoice(int32_t index)
{
    return index >= 0 && index < kZoomChoiceCount ? kChoiceFactors[index] : 1.0;
}

std::string zoomStoredText(double zoom)
{
    return std::to_string(static_cast<int32_t>(zoom * 100.0 + 1e-9));
}

} // namespace velqa::editor
