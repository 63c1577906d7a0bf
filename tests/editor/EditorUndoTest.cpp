// Undo and redo through the built module: gestures made with the mouse are walked back and forth,
// the effect and the host follow every step, and a new state empties the history.
#include "OpenEditorTest.h"

#include "host/MemoryStream.h"

#include <gtest/gtest.h>

using namespace Steinberg;
using namespace velqa::test;

namespace
{

constexpr int32 kUndo = 20, kRedo = 21;
constexpr int32 kSatAboveKnob = 127, kEqAboveSwitch = 106, kBandSelector = 116;
constexpr Vst::ParamID kFirstAboveBand = 68, kFirstBelowBand = 43;

class EditorUndoTest : public OpenEditorTest
{
protected:
    std::vector<float> effectValues()
    {
        std::vector<float> values;
        for (Vst::ParamID id = 0; id < 114; ++id) values.push_back(editor->effectValue(id));
        return values;
    }
    bool enabled(int32 tag)
    {
        TBool on = false;
        return editor->probe().isTagEnabled(tag, &on) == kResultOk && on;
    }
    void reopen()
    {
        editor->close();
        ASSERT_TRUE(editor->open());
    }

    // One press of undo or redo: the effect then holds `expected`, and the host heard every
    // value that moved as a complete edit ending on it.
    void step(int32 button, const std::vector<float>& from, const std::vector<float>& expected)
    {
        editor->plugin().handler().clear();
        editor->click(editor->centreOf(button));
        const std::vector<float> now = effectValues();
        for (Vst::ParamID id = 0; id < 114; ++id)
        {
            EXPECT_FLOAT_EQ(now[id], expected[id]) << "parameter " << id;
            if (from[id] == expected[id]) continue;
            const EditCount edits = editsOf(editor->plugin(), id);
            EXPECT_GE(edits.begun, 1u) << id;
            EXPECT_EQ(edits.ended, edits.begun) << id;
            EXPECT_FLOAT_EQ(static_cast<float>(edits.last), expected[id]) << id;
        }
    }
};

TEST_F(EditorUndoTest, ThreeGesturesAreUndoneAndRedoneAcrossReopening)
{
    // Automation is not an edit of the user's: nothing to undo.
    std::vector<std::pair<Vst::ParamID, double>> automation;
    for (Vst::ParamID id = kFirstAboveBand; id < kFirstAboveBand + 25; ++id)
        automation.emplace_back(id, 0.8);
    for (Vst::ParamID id = kFirstBelowBand + 5; id < kFirstBelowBand + 9; ++id)
        automation.emplace_back(id, 0.3);
    editor->hostSets(automation);
    EXPECT_FALSE(enabled(kUndo));
    EXPECT_FALSE(enabled(kRedo));

    std::vector<std::vector<float>> states{effectValues()};
    // A right drag takes the Below knob along; both switch their saturation on.
    editor->drag(editor->centreOf(kSatAboveKnob), -40, kRight);
    states.push_back(effectValues());
    editor->click(editor->centreOf(kEqAboveSwitch), kLeft | kCtrl);
    states.push_back(effectValues());
    const auto selector = editor->rectOf(kBandSelector);
    ASSERT_TRUE(selector);
    // Below band 2: a link B>A that copies the band to Above band 2.
    editor->click({selector->left + 28 + 10.0, selector->top + 38 + 10.0}, kLeft | kAlt);
    states.push_back(effectValues());
    ASSERT_NE(states[1][14], states[0][14]);
    ASSERT_NE(states[1][17], states[0][17]);
    ASSERT_NE(states[1][9], states[0][9]);
    ASSERT_NE(states[2][kFirstAboveBand], states[1][kFirstAboveBand]);
    ASSERT_NE(states[3][93 + 1], states[2][93 + 1]);
    EXPECT_TRUE(enabled(kUndo));
    EXPECT_FALSE(enabled(kRedo));

    reopen();
    EXPECT_TRUE(enabled(kUndo));
    step(kUndo, states[3], states[2]);
    step(kUndo, states[2], states[1]);
    EXPECT_TRUE(enabled(kRedo));
    step(kUndo, states[1], states[0]);
    EXPECT_FALSE(enabled(kUndo));

    reopen();
    EXPECT_FALSE(enabled(kUndo));
    EXPECT_TRUE(enabled(kRedo));
    step(kRedo, states[0], states[1]);
    step(kRedo, states[1], states[2]);
    EXPECT_TRUE(enabled(kUndo));
    EXPECT_TRUE(enabled(kRedo));
}

TEST_F(EditorUndoTest, ANewStateEmptiesTheHistoryWithTheWindowOpenOrClosed)
{
    velqa::host::MemoryStream saved;
    ASSERT_EQ(editor->plugin().getState(saved), kResultOk);
    auto loadSaved = [&]
    {
        velqa::host::MemoryStream state(saved.bytes());
        ASSERT_EQ(editor->plugin().setState(state), kResultOk);
    };

    editor->drag(editor->centreOf(kSatAboveKnob), -40);
    ASSERT_TRUE(enabled(kUndo));
    loadSaved();
    editor->tick();
    EXPECT_FALSE(enabled(kUndo));
    EXPECT_FALSE(enabled(kRedo));

    editor->drag(editor->centreOf(kSatAboveKnob), -40);
    const float dragged = editor->effectValue(14);
    editor->close();
    loadSaved();
    ASSERT_TRUE(editor->open());
    EXPECT_FALSE(enabled(kUndo));
    editor->plugin().handler().clear();
    editor->click(editor->centreOf(kUndo));
    EXPECT_FLOAT_EQ(editor->effectValue(14), 0.0f);
    EXPECT_NE(dragged, 0.0f);
    EXPECT_TRUE(editor->plugin().handler().calls().empty());
}

} // namespace
