#pragma once

#include <cstdint>

namespace velqa
{

// Every call from the core into its editor passes here. Until the editor exists the seam
// answers "no editor" and swallows the calls, so the core's rules run unchanged without it.
class CEditorSeam
{
public:
    bool hasEditor() const { return false; }
    void setParameter(int32_t /*index*/, float /*value*/) {}
    void setSoloFlags(bool /*belowSoloActive*/, bool /*aboveSoloActive*/) {}
};

} // namespace velqa
