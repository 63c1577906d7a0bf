#pragma once
// The status line's text for the control under the mouse, by tag; "" for none.

#include "code/editor/LayoutTable.h"

namespace velqa::editor
{

extern const std::array<const char*, kTagCount> kHelpTexts;

} // namespace velqa::editor
