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

// One gesture over several parameters: all open, all move, then all close.
bool gesture(CUndoHistory& history, const std::vector<Edit>& edits, uint32_t start,
             uint32_t length = 200)
{
    for (const Edit& e : edits) history.beginRecord(e.index, e.before, start);
    for (const Edit& e : edits) history.update(e.index, e.after);
    bool complete = false;
    for (const Edit& e : edits) complete = history.commit(e.index, start + length);
    return complete;
}

std::vector<Edit> undoStep(CUndoHistory& history)
{
    std::vector<Edit> step;
    for (int32_t i = 0; i < history.undoEntryCount(); ++i)
    {
        const auto e = history.undoEntry(i);
        step.push_back({static_cast<int32_t>(e.index), e.before, e.after});
    }
    history.undone();
    return step;
}

} // namespace

TEST(UndoHistory, QuickEditsOfOneControlJoinTheFirstStepOthersMakeTheirOwn)
{
    CUndoHistory history;
    // Ten wheel steps, each a begin and commit within a millisecond, 40 ms apart.
    for (int step = 0; step < 10; ++step)
        gesture(history, {{7, 0.1f * step, 0.1f * (step + 1)}}, 1000 + 40 * step, 1);
    // Then quickly another control, and a slow drag of the first one.
    gesture(history, {{8, 0.0f, 0.5f}}, 1400, 1);
    gesture(history, {{7, 1.0f, 0.3f}}, 1420, 150);

    auto last = undoStep(history);
    ASSERT_EQ(last.size(), 1u);
    EXPECT_FLOAT_EQ(last[0].before, 1.0f);
    EXPECT_EQ(undoStep(history)[0].index, 8);
    auto wheel = undoStep(history);
    ASSERT_EQ(wheel.size(), 1u);
    EXPECT_EQ(wheel[0].index, 7);
    EXPECT_FLOAT_EQ(wheel[0].before, 0.0f);
    EXPECT_FLOAT_EQ(wheel[0].after, 1.0f);
    EXPECT_FALSE(history.canUndo());
    ASSERT_TRUE(history.canRedo());
    ASSERT_EQ(history.redoEntryCount(), 1);
    EXPECT_FLOAT_EQ(history.redoEntry(0).after, 1.0f);
}

TEST(UndoHistory, AGestureIsOneStepOnceItsLastEditClosesAndHoldsOnlyWhatChanged)
{
    CUndoHistory history;
    history.beginRecord(43, 0.2f, 0);
    history.beginRecord(44, 0.5f, 0);
    history.beginRecord(45, 0.7f, 0);
    history.update(43, 0.9f);
    history.update(45, 0.1f);
    EXPECT_FALSE(history.commit(44, 300));
    EXPECT_FALSE(history.commit(43, 300));
    EXPECT_FALSE(history.canUndo());
    EXPECT_TRUE(history.commit(45, 300));
    auto step = undoStep(history);
    ASSERT_EQ(step.size(), 2u);
    EXPECT_EQ(step[0].index, 43);
    EXPECT_EQ(step[1].index, 45);
    EXPECT_FLOAT_EQ(step[1].before, 0.7f);

    // A click that moved nothing is nothing to undo.
    gesture(history, {{9, 0.4f, 0.4f}}, 1000);
    EXPECT_FALSE(history.canUndo());
}

TEST(UndoHistory, ANewEditAfterUndoDropsTheRedoBranch)
{
    CUndoHistory history;
    gesture(history, {{1, 0.0f, 0.1f}}, 0);
    gesture(history, {{2, 0.0f, 0.2f}}, 1000);
    undoStep(history);
    EXPECT_TRUE(history.canRedo());
    gesture(history, {{3, 0.0f, 0.3f}}, 2000);
    EXPECT_FALSE(history.canRedo());
    EXPECT_EQ(undoStep(history)[0].index, 3);
    EXPECT_EQ(undoStep(history)[0].index, 1);
    EXPECT_FALSE(history.canUndo());

    // Undoing everything, then a new edit: only the new edit is left to undo.
    gesture(history, {{4, 0.0f, 0.4f}}, 3000);
    EXPECT_EQ(undoStep(history)[0].index, 4);
    EXPECT_FALSE(history.canUndo());
}

TEST(UndoHistory, TheRingKeepsTheLastThousandSteps)
{
    CUndoHistory history;
    gesture(history, {{0, 0.0f, 1.0f}}, 0);
    for (int step = 1; step <= CUndoHistory::kMaxSteps; ++step)
        gesture(history, {{step % 100 + 1, 0.0f, static_cast<float>(step)}},
                static_cast<uint32_t>(step) * 1000);
    float oldestAfter = 0.0f;
    int undone = 0;
    for (; history.canUndo(); ++undone) oldestAfter = undoStep(history)[0].after;
    EXPECT_EQ(undone, CUndoHistory::kMaxSteps);
    EXPECT_FLOAT_EQ(oldestAfter, 1.0f); // the second step; the first is gone
    for (int step = 0; step < CUndoHistory::kMaxSteps; ++step) history.redone();
    EXPECT_FALSE(history.canRedo());
    EXPECT_FLOAT_EQ(undoStep(history)[0].after, static_cast<float>(CUndoHistory::kMaxSteps));
}

TEST(UndoHistory, ExcludedOutOfRangeAndApplyingEditsAreNotRecorded)
{
    CUndoHistory history;
    history.exclude(108);
    for (const int32_t index : {108, -1, 161, 1000})
        EXPECT_FALSE(gesture(history, {{index, 0.0f, 1.0f}}, 0));
    history.setApplying(true);
    EXPECT_FALSE(gesture(history, {{5, 0.0f, 1.0f}}, 1000));
    history.setApplying(false);
    EXPECT_FALSE(history.canUndo());
    EXPECT_FALSE(history.isRecording());

    gesture(history, {{5, 0.0f, 1.0f}}, 2000);
    history.beginRecord(6, 0.0f, 3000);
    history.reset();
    EXPECT_FALSE(history.canUndo());
    EXPECT_FALSE(history.isRecording());
    EXPECT_FALSE(history.commit(6, 3100));
}
