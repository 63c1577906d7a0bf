#include "code/editor/presets/SaveAnswer.h"

#include "code/PresetStore.h"

namespace velqa::editor
{

SaveAnswer answerToSave(int32_t storeResult)
{
    switch (storeResult)
    {
    case kPresetSaved:
        return {"", true, false};
    case kPresetExists:
        return {"preset already exists - click Save again to overwrite", false, true};
    default:
        return {"ERROR saving preset", false, false};
    }
}

} // namespace velqa::editor
