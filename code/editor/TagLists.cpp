#include "code/editor/TagLists.h"

namespace velqa::editor
{

const TagLists& parameterTagLists()
{
    static const TagLists lists = []
    {
        TagLists built;
        for (int32_t tag = 0; tag < kTagCount; ++tag)
        {
            const LayoutEntry& entry = kLayoutTable[static_cast<std::size_t>(tag)];
            if (entry.kind != kKindNone && isStored(entry.parameter))
                built[static_cast<std::size_t>(entry.parameter)].add(tag);
        }
        return built;
    }();
    return lists;
}

} // namespace velqa::editor
