#pragma once

#include "vstgui/lib/keycodes.h"

#include <cstdint>

namespace VSTGUI::X11
{

// Translates an X keysym and X modifier state into a key code; false for keys the toolkit
// does not know (dead keys, media keys).
bool keysymToKeyCode(uint32_t keysym, uint16_t xState, KeyCode& key);

// X modifier and pointer-button state bits to CButtonState bits.
int32 buttonStateFromX(uint16_t xState);

} // namespace VSTGUI::X11
