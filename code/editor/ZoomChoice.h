#pragma once
// The zoom as the settings store keeps it and as the zoom dropdown shows it.

#include <cstdint>
#include <optional>
#include <string>

namespace velqa::editor
{

constexpr int32_t kZoomChoiceCount = 6;

// The zoom of a stored percentage text, when it is a whole number from 51 to 200.
std::optional<double> zoomFromStoredText(const std::string& text);
// The dropdown item for a percentage: 75 % .. 200 % by their lower bounds, 100 % otherwise.
int32_t zoomChoiceOfPercent(int32_t percent);
// The factor of a dropdown item (0.75 .. 2.0); 1.0 for an index outside the list.
double zoomOfChoice(int32_t index);
// What "zz" stores for a zoom.
std::string zoomStoredText(double zoom);

} // namespace velqa::editor
