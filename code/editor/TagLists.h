#pragma once
// For every parameter, the tags of the controls bound to it, in layout order.

#include "code/ParameterIndex.h"
#include "code/editor/LayoutTable.h"

#include <array>

namespace velqa::editor
{

class CTagList
{
public:
    static constexpr int32_t kCapacity = 4;

    void add(int32_t tag)
    {
        if (count < kCapacity) tags[static_cast<std::size_t>(count++)] = tag;
    }
    const int32_t* begin() const { return tags.data(); }
    const int32_t* end() const { return tags.data() + count; }
    int32_t size() const { return count; }

private:
    std::array<int32_t, kCapacity> tags{};
    int32_t count = 0;
};

using TagLists = std::array<CTagList, kStoredParameterCount>;

// Built from the layout table once; the table never changes.
const TagLists& parameterTagLists();

} // namespace velqa::editor
