#pragma once

// How each named image is drawn: one function per frame, called with the context translated to
// the frame's top-left corner and clipped to it, in 1x units.

#include <cairo.h>

#include <functional>
#include <map>
#include <string>

namespace velqa::artwork
{

using FrameDraw = std::function<void(cairo_t* cr, int frame, double width, double height)>;
using RecipeBook = std::map<std::string, FrameDraw>;

void addKnobRecipes(RecipeBook& book);
void addButtonRecipes(RecipeBook& book);
void addHandleRecipes(RecipeBook& book);
void addMeterRecipes(RecipeBook& book);
void addPageRecipes(RecipeBook& book);
void addDialogRecipes(RecipeBook& book);

// Frame order inside the strips (the editor picks frames by these rules):
// - two-state buttons, 4 frames (SOLO, BYPASS, ABOVE, BELOW, ACTIVE, SC2, on_off, logo_bypass):
//   off, on, off with hover, on with hover; "on" is value 1, so for the two bypass switches
//   frame 1 is the bypassed look;
// - LINK, 4 frames, by the link state: off, linked, inverse, off with hover;
// - momentary buttons: 2 frames released, pressed (Load, Save, next, prev, opt, x, preset_save);
//   LOGO_Button has 4: released, pressed, released with hover, pressed with hover;
// - Undo1 and Redo1, 3 frames: enabled, pressed, disabled;
// - LinkView, 2 frames: linked, inverse (link state minus 1);
// - band digits "1.png".."5.png", 12 frames: 4 * mark + 2 * selected + hover, mark 0 for a
//   sounding band, 1 soloed, 2 switched off;
// - sort headers, 3 frames by the sorted column: each image is lit in its own column's frame
//   (name 0, author 1, category 2) and plain in the other two;
// - knob, 129 frames: value k / 128, the pointer sweeping 270 degrees clockwise from lower left.
enum ButtonFrame
{
    kOff = 0,
    kOn = 1,
    kOffHover = 2,
    kOnHover = 3,
};

inline bool frameIsOn(int frame)
{
    return frame == kOn || frame == kOnHover;
}
inline bool frameIsHover(int frame)
{
    return frame == kOffHover || frame == kOnHover;
}

} // namespace velqa::artwork
