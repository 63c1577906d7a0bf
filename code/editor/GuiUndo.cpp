// Undo and redo: every gesture the editor opens is recorded on the user-interface thread, and
// walking the history changes parameters through the same road as any edit, so the host hears
// undo and redo as ordinary edits and stays in step.

#include "code/editor/Gui.h"

#include "code/editor/EditorTags.h"
#include "code/editor/controls/CButtonMO.h"

using namespace VSTGUI;
using namespace velqa;
using namespace velqa::editor;

// The first edit of a gesture notes every value, so parameters the effect's rules move later in
// the gesture (solo exclusivity, a band switching itself on, a linked partner) are undone too.
void CGui::recordOpen(VstInt32 index)
{
    if (history.isApplying()) return;
    if (stateReplaced.exchange(false)) resetHistory();
    if (openRecords++ == 0)
        for (VstInt32 i = 0; i < kStoredParameterCount; ++i)
            gestureStart[static_cast<size_t>(i)] = getParameter(i);
    history.beginRecord(index, gestureStart[static_cast<size_t>(index)], getTicks());
}

// The value after is read here, on this thread, rather than taken from the effect's reports,
// which may come from the audio thread.
void CGui::recordClose(VstInt32 index)
{
    if (history.isApplying() || openRecords == 0) return;
    --openRecords;
    history.update(index, getParameter(index));
    if (history.commit(index, getTicks())) refreshUndoButtons();
}

void CGui::undoOrRedo(bool undo)
{
    if (stateReplaced.exchange(false)) resetHistory();
    if (openRecords > 0) return; // a gesture is still being recorded
    const int32_t count = undo ? history.undoEntryCount() : history.redoEntryCount();
    if (count == 0) return;
    std::array<Change, CUndoHistory::kRecordable> changes{};
    for (int32_t i = 0; i < count; ++i)
    {
        const CUndoHistory::Entry entry = undo ? history.undoEntry(i) : history.redoEntry(i);
        changes[static_cast<size_t>(i)] = {static_cast<VstInt32>(entry.index),
                                           undo ? entry.before : entry.after};
    }
    // The step holds what the band links moved; letting them run again would copy over it.
    history.setApplying(true);
    setParameterQuietly(kSuspendLinks, 1.0f);
    changeParameters(changes.data(), changes.data() + count);
    setParameterQuietly(kSuspendLinks, 0.0f);
    history.setApplying(false);
    if (undo)
        history.undone();
    else
        history.redone();
    refreshUndoButtons();
}

void CGui::resetHistory()
{
    history.reset();
    refreshUndoButtons();
}

void CGui::refreshUndoButtons()
{
    if (auto* button = dynamic_cast<CCButtonMO*>(getControl(kTagUndo)))
        button->setDisabled(!history.canUndo());
    if (auto* button = dynamic_cast<CCButtonMO*>(getControl(kTagRedo)))
        button->setDisabled(!history.canRedo());
}
