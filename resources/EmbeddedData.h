#pragma once

// The table the build generates from the artwork and font files.

#include "platform/Resources.h"

namespace velqa::embedded
{

extern const ResourceTable kTable;

} // namespace velqa::embedded
