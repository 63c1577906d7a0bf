#include "code/editor/undo/UndoHistory.h"

#include <algorithm>

namespace velqa::editor
{

// About 2 MB, taken once: default-initialised, so the pages are only touched as steps fill.
CUndoHistory::CUndoHistory() : steps(new Entry[static_cast<size_t>(kMaxSteps) * kRecordable]) {}

void CUndoHistory::exclude(int32_t index)
{
    if (index >= 0 && index < kRecordable) excluded[static_cast<size_t>(index)] = true;
}

bool CUndoHistory::accepts(int32_t index) const
{
    return !applying && index >= 0 && index < kRecordable && !excluded[static_cast<size_t>(index)];
}

CUndoHistory::Pending* CUndoHistory::pendingOf(int32_t index)
{
    Pending* end = pending.data() + pendingCount;
    Pending* found = std::find_if(pending.data(), end,
                                  [index](const Pending& p)
                                  { return p.entry.index == static_cast<uint32_t>(index); });
    return found == end ? nullptr : found;
}

void CUndoHistory::beginRecord(int32_t index, float current, uint32_t now)
{
    if (!accepts(index)) return;
    lastBegin = now;
    if (pendingOf(index) || pendingCount >= kRecordable) return;
    pending[static_cast<size_t>(pendingCount++)] = {
        {static_cast<uint32_t>(index), current, current}, true};
}

void CUndoHistory::update(int32_t index, float value)
{
    if (!accepts(index)) return;
    if (Pending* p = pendingOf(index)) p->entry.after = value;
}

bool CUndoHistory::commit(int32_t index, uint32_t now)
{
    if (!accepts(index)) return false;
    Pending* p = pendingOf(index);
    if (!p) return false;
    const bool quick = pendingCount == 1 && now - lastBegin < kQuickEditMs && committed &&
                       now - lastCommit < kQuickRepeatMs;
    if (quick && joinNewest(now))
    {
        pendingCount = 0;
        return true;
    }
    p->open = false;
    lastCommit = now;
    committed = true;
    if (std::any_of(pending.data(), pending.data() + pendingCount,
                    [](const Pending& q) { return q.open; }))
        return false;
    completeGesture();
    return true;
}

// A burst of short edits of one control ends in the step the first of them made. An edit of a
// control the newest step does not hold is a step of its own, never lost.
bool CUndoHistory::joinNewest(uint32_t now)
{
    if (stored == 0 || canRedo()) return false;
    const int32_t slot = slotOf(stored - 1);
    Entry* first = entriesOf(slot);
    Entry* last = first + stepSize[static_cast<size_t>(slot)];
    Entry* same = std::find_if(
        first, last, [this](const Entry& e) { return e.index == pending[0].entry.index; });
    if (same == last) return false;
    same->after = pending[0].entry.after;
    lastCommit = now;
    // A double click that put everything back leaves nothing to undo.
    if (std::all_of(first, last, [](const Entry& e) { return e.before == e.after; }))
        done = --stored;
    return true;
}

void CUndoHistory::completeGesture()
{
    // Values the gesture left as they were are no part of the step; a gesture that changed
    // nothing leaves no step to undo.
    int32_t changed = 0;
    for (int32_t i = 0; i < pendingCount; ++i)
        if (pending[static_cast<size_t>(i)].entry.before !=
            pending[static_cast<size_t>(i)].entry.after)
            ++changed;
    if (changed == 0)
    {
        pendingCount = 0;
        return;
    }

    stored = done; // a new step drops the redo branch
    if (stored == kMaxSteps)
    {
        oldest = (oldest + 1) % kMaxSteps;
        --stored;
    }
    const int32_t slot = slotOf(stored);
    Entry* out = entriesOf(slot);
    for (int32_t i = 0; i < pendingCount; ++i)
    {
        const Entry& e = pending[static_cast<size_t>(i)].entry;
        if (e.before != e.after) *out++ = e;
    }
    stepSize[static_cast<size_t>(slot)] = static_cast<uint8_t>(changed);
    done = ++stored;
    pendingCount = 0;
}

void CUndoHistory::reset()
{
    pendingCount = 0;
    oldest = stored = done = 0;
    committed = false;
    lastBegin = lastCommit = 0;
}

int32_t CUndoHistory::undoEntryCount() const
{
    return canUndo() ? stepSize[static_cast<size_t>(slotOf(done - 1))] : 0;
}

CUndoHistory::Entry CUndoHistory::undoEntry(int32_t position) const
{
    if (position < 0 || position >= undoEntryCount()) return {0, 0.0f, 0.0f};
    return entriesOf(slotOf(done - 1))[position];
}

void CUndoHistory::undone()
{
    if (!canUndo()) return;
    --done;
    committed = false; // the next edit starts a step of its own
}

int32_t CUndoHistory::redoEntryCount() const
{
    return canRedo() ? stepSize[static_cast<size_t>(slotOf(done))] : 0;
}

CUndoHistory::Entry CUndoHistory::redoEntry(int32_t position) const
{
    if (position < 0 || position >= redoEntryCount()) return {0, 0.0f, 0.0f};
    return entriesOf(slotOf(done))[position];
}

void CUndoHistory::redone()
{
    if (!canRedo()) return;
    ++done;
    committed = false;
}

} // namespace velqa::editor
