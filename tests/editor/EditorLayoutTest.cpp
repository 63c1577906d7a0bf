// The built module's editor off screen, held against the control table: every control where
// the table puts it, showing what the effect holds, and every move reaching the host once.
#include "ControlTable.h"
#include "OpenEditorTest.h"

#include "host/MemoryStream.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <set>

using namespace Steinberg;
using velqa::host::ComponentHandlerRecorder;
using namespace velqa::test;

namespace
{

constexpr int kHostParameters = 114;
constexpr Vst::ParamID kSelectedEq = 108;

class EditorLayoutTest : public OpenEditorTest
{
protected:
    // The host id of a control's parameter, -1 for none.
    int32 idOf(const ExpectedControl& control) const
    {
        if (control.parameter.empty()) return -1;
        if (control.parameter[0] == '#') return std::stoi(control.parameter.substr(1));
        return editor->idOf(control.parameter);
    }

    // Restores a project whose parameters 0..113 hold valueOf(i), as a host reopens a session.
    template <typename F> void restoreProject(F valueOf)
    {
        velqa::host::MemoryStream saved;
        ASSERT_EQ(editor->plugin().getState(saved), kResultOk);
        std::vector<uint8_t> bytes = saved.bytes();
        const size_t kFirstValue = firstValueOffset(bytes);
        ASSERT_GE(bytes.size(), kFirstValue + 4 * kHostParameters);
        for (int i = 0; i < kHostParameters; ++i)
        {
            const float value = valueOf(i);
            std::memcpy(&bytes[kFirstValue + 4 * i], &value, 4);
        }
        velqa::host::MemoryStream state(bytes);
        ASSERT_EQ(editor->plugin().setState(state), kResultOk);
        editor->tick();
    }
};

TEST_F(EditorLayoutTest, EveryTagSitsAtItsRectangle)
{
    std::set<int> expectedTags;
    for (const ExpectedControl& control : expectedControls())
    {
        expectedTags.insert(control.tag);
        const auto rect = editor->rectOf(control.tag);
        ASSERT_TRUE(rect) << "no control for tag " << control.tag;
        // Strips with an odd height give half-pixel frames; the probe rounds.
        constexpr double kHalfPixel = 0.51;
        EXPECT_NEAR(rect->left, control.left, kHalfPixel) << "tag " << control.tag;
        EXPECT_NEAR(rect->top, control.top, kHalfPixel) << "tag " << control.tag;
        EXPECT_NEAR(rect->right, control.left + control.width, kHalfPixel) << "tag " << control.tag;
        EXPECT_NEAR(rect->bottom, control.top + control.height, kHalfPixel)
            << "tag " << control.tag;
    }
    EXPECT_EQ(expectedTags.size(), 174u);
    // The equaliser displays, Below normal and solo then Above, cover their plot areas grown by
    // half a handle.
    for (int tag = 192; tag < 196; ++tag)
    {
        expectedTags.insert(tag);
        const auto rect = editor->rectOf(tag);
        ASSERT_TRUE(rect) << "tag " << tag;
        EXPECT_EQ(rect->left, 26) << tag;
        EXPECT_EQ(rect->right, 509) << tag;
        EXPECT_EQ(rect->top, tag < 194 ? 424 : 72) << tag;
        EXPECT_EQ(rect->bottom, tag < 194 ? 686 : 334) << tag;
    }
    for (int tag = -1; tag < 200; ++tag)
    {
        if (!expectedTags.count(tag))
        {
            EXPECT_FALSE(editor->rectOf(tag)) << "tag " << tag;
        }
    }
}

TEST_F(EditorLayoutTest, BoundControlsShowWhatTheEffectHolds)
{
    // Every host parameter has a control, except the spare slots.
    std::set<int32> bound;
    for (const ExpectedControl& control : expectedControls())
        if (const int32 id = idOf(control); id >= 0)
        {
            ASSERT_LT(id, kHostParameters) << control.parameter;
            bound.insert(id);
        }
    EXPECT_EQ(bound.size(), static_cast<size_t>(kHostParameters - 11))
        << "10 band spares, 1 future";

    // Two projects with different values everywhere, so a control bound to a neighbour or
    // left at its old value shows up in one of them.
    for (int project = 0; project < 2; ++project)
    {
        restoreProject([project](int i)
                       { return static_cast<float>((i * 37 + project * 41) % 97) / 96.0f; });
        for (const ExpectedControl& control : expectedControls())
        {
            const int32 id = idOf(control);
            if (id < 0) continue;
            EXPECT_FLOAT_EQ(editor->shown(control.tag), editor->effectValue(id))
                << "project " << project << ", tag " << control.tag << " (" << control.parameter
                << ")";
        }
    }
}

bool isKnob(const ExpectedControl& c)
{
    return c.width == 60 && c.height == 60;
}
bool isSlider(const ExpectedControl& c)
{
    return c.height > 40 && c.width < 20;
}

TEST_F(EditorLayoutTest, EachMoveReachesTheHostAsOneEdit)
{
    using Kind = ComponentHandlerRecorder::Kind;
    // Covers, link indicators and the bypass overlay show a parameter but take no input.
    const std::set<int> passive = {29, 30, 31, 32, 33, 110, 111, 156};
    int moved = 0;
    for (const ExpectedControl& control : expectedControls())
    {
        const int32 id = idOf(control);
        if (id < 0 || passive.count(control.tag)) continue;
        const auto pid = static_cast<Vst::ParamID>(id);
        SCOPED_TRACE("tag " + std::to_string(control.tag) + " (" + control.parameter + ")");

        // A start from which any move changes the value: the middle, no link, another band.
        double start = 0.5;
        if (control.parameter.starts_with("Link")) start = 0;
        if (pid == kSelectedEq) start = 5 / 128.0;
        std::vector<std::pair<Vst::ParamID, double>> setup = {{pid, start}};
        if (control.bandPanel >= 0 && pid != kSelectedEq)
            setup.emplace_back(kSelectedEq, control.bandPanel / 128.0);
        editor->hostSets(setup);
        if (control.tag >= 178) editor->probe().showPage(velqa::IEditorProbe::kPageSettings);
        ASSERT_TRUE(editor->visible(control.tag));

        editor->plugin().handler().clear();
        const Point centre = editor->centreOf(control.tag);
        if (pid == kSelectedEq)
            editor->click({control.left + 10, control.top + 10}); // digit 1 of the Above row
        else if (isKnob(control))
            editor->drag(centre, -30);
        else if (isSlider(control))
            editor->drag(centre, -control.height / 3);
        else
            editor->click(centre);
        editor->tick();
        if (control.tag >= 178) editor->probe().showPage(velqa::IEditorProbe::kPageMain);

        size_t allBegun = 0, allEnded = 0;
        for (const auto& call : editor->plugin().handler().calls())
        {
            allBegun += call.kind == Kind::beginEdit;
            allEnded += call.kind == Kind::endEdit;
        }
        const EditCount edits = editsOf(editor->plugin(), pid);
        EXPECT_EQ(edits.begun, 1u);
        EXPECT_EQ(edits.ended, 1u);
        EXPECT_EQ(allBegun, allEnded) << "every gesture is closed";
        ASSERT_GE(edits.performed, 1u);
        EXPECT_NE(edits.last, start) << "the control moved";
        EXPECT_FLOAT_EQ(static_cast<float>(edits.last), editor->effectValue(pid))
            << "host and effect agree";
        EXPECT_NEAR(editor->shown(control.tag), edits.last, 1e-6);
        ++moved;
    }
    EXPECT_EQ(moved, 109);
}

} // namespace
