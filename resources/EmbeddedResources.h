#pragma once

// The module's artwork and fonts. Call registerEmbeddedResources() once when the module starts
// (before the editor opens); findResource() then finds every image and face by name.

namespace velqa
{

void registerEmbeddedResources();

// Font resources, by the face names the editor asks for.
inline constexpr const char* kFontArial = "Arial";
inline constexpr const char* kFontArialBold = "Arial Bold";
inline constexpr const char* kFontSkiCargo = "SkiCargo";
inline constexpr const char* kFontResourceNames[] = {kFontArial, kFontArialBold, kFontSkiCargo};

} // namespace velqa
