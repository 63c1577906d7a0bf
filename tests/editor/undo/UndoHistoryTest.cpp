// The history alone: how gestures become steps, how steps are walked and what is never recorded.
#include "code/editor/undo/UndoHistory.h"

#include <gtest/gtest.h>

#include <vector>

using velqa::editor::CUndoHistory;

namespace
{

struct Edit
{
    int32_t index;
    float before, after;
};

// One gesture: every edit opens, moves, then closes `length` ms later. True when it made a step.
bool gesture(CUndoHistory& history, const std::vector<Edit>& edits, uint32_t start,
             uint32_t length = 200)
{
    for (const Edit& e : edits) history.beginRecord(e.index, e.before, start);
    for (const Edit& e : edits) history.update(e.index, e.after);
    bool complete = false;
    for (const Edit& e : edits) complete = history.commit(e.index, start + length);
    return complete;
}

// Undoes one step and returns it.
std::vector<CUndoHistory::Entry> undo(CUndoHistory& history)
{
    std::vector<CUndoHistory::Entry> step;
    for (int32_t i = 0; i < history.undoEntryCount(); ++i) step.push_back(history.undoEntry(i));
    history.undone();
    return step;
}

} // namespace

TEST(UndoHistory, QuickEditsOfOneControlJoinTheFirstStepOthersMakeTheirOwn)
{
    CUndoHistory history;
    // Ten wheel steps 40 ms apart, then quickly another control, then a slow drag.
    for (int step = 0; step < 10; ++step)
        gesture(history, {{7, 0.1f * step, 0.1f * (step + 1)}}, 1000 + 40 * step, 1);
    gesture(history, {{8, 0.0f, 0.5f}}, 1400, 1);
    gesture(history, {{7, 1.0f, 0.3f}}, 1420, 150);

    EXPECT_FLOAT_EQ(undo(history)[0].before, 1.0f);
    EXPECT_EQ(undo(history)[0].index, 8u);
    const auto wheel = undo(history);
    ASSERT_EQ(wheel.size(), 1u);
    EXPECT_FLOAT_EQ(wheel[0].before, 0.0f);
    EXPECT_FLOAT_EQ(wheel[0].after, 1.0f);
    EXPECT_FALSE(history.canUndo());
}

TEST(UndoHistory, AGestureIsOneStepOfWhatItChangedOnceItsLastEditCloses)
{
    CUndoHistory history;
    for (const int32_t index : {43, 44, 45}) history.beginRecord(index, 0.5f, 0);
    history.update(43, 0.9f);
    history.update(45, 0.1f);
    EXPECT_FALSE(history.commit(44, 300));
    EXPECT_FALSE(history.commit(43, 300));
    EXPECT_TRUE(history.commit(45, 300));
    const auto step = undo(history);
    ASSERT_EQ(step.size(), 2u);
    EXPECT_EQ(step[1].index, 45u);

    // A click that moved nothing, or a double click, is nothing to undo.
    gesture(history, {{9, 0.4f, 0.4f}}, 1000);
    gesture(history, {{9, 0.0f, 1.0f}}, 2000, 1);
    gesture(history, {{9, 1.0f, 0.0f}}, 2200, 1);
    EXPECT_FALSE(history.canUndo());
}

TEST(UndoHistory, ANewEditAfterUndoDropsTheRedoBranch)
{
    CUndoHistory history;
    gesture(history, {{1, 0.0f, 0.1f}}, 0);
    gesture(history, {{2, 0.0f, 0.2f}}, 1000);
    undo(history);
    ASSERT_TRUE(history.canRedo());
    EXPECT_EQ(history.redoEntry(0).index, 2u);
    gesture(history, {{3, 0.0f, 0.3f}}, 2000);
    EXPECT_FALSE(history.canRedo());
    EXPECT_EQ(undo(history)[0].index, 3u);
    EXPECT_EQ(undo(history)[0].index, 1u);

    // With everything undone, a new edit is the only step left.
    gesture(history, {{4, 0.0f, 0.4f}}, 3000);
    undo(history);
    EXPECT_FALSE(history.canUndo());
}

TEST(UndoHistory, TheRingKeepsTheLastThousandSteps)
{
    CUndoHistory history;
    for (int step = 0; step <= CUndoHistory::kMaxSteps; ++step)
        gesture(history, {{step % 100, -1.0f, static_cast<float>(step)}},
                static_cast<uint32_t>(step) * 1000);
    float oldest = -1.0f;
    int undone = 0;
    for (; history.canUndo(); ++undone) oldest = undo(history)[0].after;
    EXPECT_EQ(undone, CUndoHistory::kMaxSteps);
    EXPECT_FLOAT_EQ(oldest, 1.0f); // the first step is gone
    for (int step = 0; step < CUndoHistory::kMaxSteps; ++step) history.redone();
    EXPECT_FALSE(history.canRedo());
    EXPECT_FLOAT_EQ(undo(history)[0].after, static_cast<float>(CUndoHistory::kMaxSteps));
}

TEST(UndoHistory, ExcludedOutOfRangeAndApplyingEditsAreNotRecorded)
{
    CUndoHistory history;
    history.exclude(108);
    for (const int32_t index : {108, -1, 161})
        EXPECT_FALSE(gesture(history, {{index, 0.0f, 1.0f}}, 0));
    history.setApplying(true);
    EXPECT_FALSE(gesture(history, {{5, 0.0f, 1.0f}}, 1000));
    history.setApplying(false);
    EXPECT_FALSE(history.canUndo());

    gesture(history, {{5, 0.0f, 1.0f}}, 2000);
    history.beginRecord(6, 0.0f, 3000);
    history.reset();
    EXPECT_FALSE(history.canUndo());
    EXPECT_FALSE(history.commit(6, 3100));
}
