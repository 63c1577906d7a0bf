#pragma once
// The editor's undo and redo history: every gesture of the user becomes one step holding each
// parameter it changed with its value before and after. Free of the GUI and the clock (the
// caller passes milliseconds), so it runs alone; used on the user-interface thread only.

#include <array>
#include <cstdint>
#include <memory>

namespace velqa::editor
{

class CUndoHistory
{
public:
    static constexpr int32_t kRecordable = 161;
    static constexpr int32_t kMaxSteps = 1000;
    // A short edit that follows a commit closely joins the step before (wheel steps, clicks).
    static constexpr uint32_t kQuickEditMs = 100;
    static constexpr uint32_t kQuickRepeatMs = 500;

    struct Entry
    {
        uint32_t index;
        float before;
        float after;
    };

    CUndoHistory();

    void exclude(int32_t index);
    // An edit of index starts; current is the value the gesture started from.
    void beginRecord(int32_t index, float current, uint32_t now);
    // The value the edit has reached.
    void update(int32_t index, float value);
    // The edit of index ends. When it was the gesture's last open edit the gesture becomes a
    // step; true then.
    bool commit(int32_t index, uint32_t now);
    void reset();

    bool canUndo() const { return done > 0; }
    bool canRedo() const { return done < stored; }
    bool isRecording() const { return pendingCount > 0; }

    // The step undo reverts next: apply each entry's value before in order, then undone().
    int32_t undoEntryCount() const;
    Entry undoEntry(int32_t position) const;
    void undone();
    // The step redo restores next: apply each entry's value after in order, then redone().
    int32_t redoEntryCount() const;
    Entry redoEntry(int32_t position) const;
    void redone();

    // While set, undo and redo write values: nothing is recorded.
    void setApplying(bool on) { applying = on; }
    bool isApplying() const { return applying; }

private:
    struct Pending
    {
        Entry entry;
        bool open;
    };

    bool accepts(int32_t index) const;
    Pending* pendingOf(int32_t index);
    bool joinNewest(uint32_t now);
    void completeGesture();
    int32_t slotOf(int32_t step) const { return (oldest + step) % kMaxSteps; }
    Entry* entriesOf(int32_t slot) const { return steps.get() + slot * kRecordable; }

    std::array<bool, kRecordable> excluded{};
    std::array<Pending, kRecordable> pending{};
    int32_t pendingCount = 0;

    // The ring: stored steps from the oldest, of which the first done ones are in effect (the
    // others are the redo branch). Every step owns kRecordable entries of one block allocated
    // with the history, so no gesture allocates.
    std::unique_ptr<Entry[]> steps;
    std::array<uint8_t, kMaxSteps> stepSize{};
    int32_t oldest = 0;
    int32_t stored = 0;
    int32_t done = 0;

    bool applying = false;
    bool committed = false;
    uint32_t lastBegin = 0;
    uint32_t lastCommit = 0;
};

} // namespace velqa::editor
