#include "tools/DefaultBundle.h"

#include <cstdlib>

namespace velqa::tool
{

std::filesystem::path defaultBundle()
{
#ifdef VELQA_BUILT_BUNDLE
    std::error_code ignored;
    if (std::filesystem::exists(VELQA_BUILT_BUNDLE, ignored)) return VELQA_BUILT_BUNDLE;
#endif
    const char* home = std::getenv("HOME");
    return std::filesystem::path(home ? home : ".") / ".vst3" / "Velqa.vst3";
}

} // namespace velqa::tool
