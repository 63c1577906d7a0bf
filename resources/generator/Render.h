#pragma once

#include "ArtworkTable.h"
#include "Recipes.h"

#include <string>

namespace velqa::artwork
{

// Top row of frame k in device pixels. Rounding down keeps every frame on whole pixels, so
// strips whose height does not divide by the frame count still draw crisply.
int frameTop(int height, int frames, int k, int scale);
int frameHeight(int height, int frames, int scale);

// Draws all frames of an entry at the given scale; the caller owns the surface.
cairo_surface_t* renderImage(const ArtworkEntry& entry, int scale, const FrameDraw& draw);

std::string scaledName(const char* name, int scale);

} // namespace velqa::artwork
