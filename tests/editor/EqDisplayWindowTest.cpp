// The equaliser displays in a real window: handles dragged and wheeled with real pointer events,
// and the band actions of modifier clicks, as the host sees them.
#include "WindowFixture.h"

using namespace Steinberg;
using namespace velqa::test;

namespace
{

// Host ids of the Below band 3 and its partner, and the display tags.
constexpr Vst::ParamID kState = 43 + 10, kFreq = kState + 1, kGain = kState + 2, kQ = kState + 3;
constexpr Vst::ParamID kPartnerState = kState + 25, kSoloB3 = 23 + 2, kLink3 = 95,
                       kSelectedEq = 108;
constexpr int32 kBelowSoloDisplay = 193;
// The Below plot area in the window, and its pixel span.
constexpr double kLeft = 31, kBottom = 30 + 651, kWidth = 472, kHeight = 252;

class EqDisplayWindowTest : public EditorWindowTest
{
protected:
    void SetUp() override
    {
        EditorWindowTest::SetUp();
        hostSets({{kState, 0.5}, {kFreq, 0.5}, {kGain, 0.5}, {kQ, 0.5}});
    }
    Point handle()
    {
        return {kLeft + std::round(effect(kFreq) * kWidth), kBottom - effect(kGain) * kHeight};
    }
    // Press, wait out the display's settle time, move, release.
    void dragHandle(double dx, double dy, uint8_t button)
    {
        const Point from = handle();
        pointerTo(from);
        fake(XCB_BUTTON_PRESS, button);
        settle(150);
        pointerTo({from.x + dx, from.y + dy});
        fake(XCB_BUTTON_RELEASE, button);
        settle(100);
    }
    void wheel(const std::vector<xcb_keysym_t>& held)
    {
        pointerTo(handle());
        keys(held, true);
        fake(XCB_BUTTON_PRESS, 4);
        fake(XCB_BUTTON_RELEASE, 4);
        keys(held, false);
        settle(100);
    }
    void expectOneGesture(Vst::ParamID id)
    {
        const EditCount edits = editsOf(*plugin, id);
        EXPECT_EQ(edits.begun, 1u) << id;
        EXPECT_EQ(edits.ended, 1u) << id;
        EXPECT_GE(edits.performed, 1u) << id;
        EXPECT_FLOAT_EQ(static_cast<float>(edits.last), effect(id)) << id;
    }
};

TEST_F(EqDisplayWindowTest, DragsMoveTheBandByWhatTheAxisSays)
{
    dragHandle(59, -63, 1);
    EXPECT_NEAR(effect(kFreq), 0.5 + 59 / kWidth, 1e-6);
    EXPECT_NEAR(effect(kGain), 0.75, 1e-6);
    expectOneGesture(kFreq);
    expectOneGesture(kGain);
    EXPECT_FLOAT_EQ(effect(kSelectedEq), 7 / 128.0f) << "band B3 selected";

    plugin->handler().clear();
    dragHandle(40, 0, 3);
    EXPECT_NEAR(effect(kQ), 0.5 - 40 * 0.005, 1e-6);
    expectOneGesture(kQ);
    EXPECT_EQ(editsOf(*plugin, kFreq).performed, 0u);
}

TEST_F(EqDisplayWindowTest, WheelStepsChangeWhatTheirModifiersSay)
{
    wheel({});
    EXPECT_NEAR(effect(kQ), 0.55, 1e-6);
    wheel({kAltKey});
    EXPECT_EQ(effect(kState), 0.0f) << "bell to high shelf";
    wheel({kCtrlKey});
    EXPECT_NEAR(effect(kGain), 0.5125, 1e-6);
    wheel({kShiftKey});
    EXPECT_NEAR(effect(kFreq), 0.5125, 1e-6);
    for (Vst::ParamID id : {kQ, kState, kGain, kFreq}) expectOneGesture(id);
}

TEST_F(EqDisplayWindowTest, ShiftClickSolosAndAltClickLinksTheBand)
{
    EXPECT_FALSE(visible(kBelowSoloDisplay));
    clickAt(handle(), {kShiftKey});
    EXPECT_EQ(effect(kSoloB3), 1.0f);
    EXPECT_TRUE(visible(kBelowSoloDisplay)) << "the solo display replaces the normal one";
    EXPECT_FALSE(visible(kBelowSoloDisplay - 1));
    expectOneGesture(kSoloB3);

    hostSets({{kFreq, 0.3}, {kGain, 0.9}, {kState, 1.0}});
    clickAt(handle(), {kAltKey});
    EXPECT_FLOAT_EQ(effect(kLink3), 1 / 128.0f);
    for (Vst::ParamID field = 0; field < 4; ++field)
    {
        EXPECT_FLOAT_EQ(effect(kPartnerState + field), effect(kState + field)) << field;
        expectOneGesture(kPartnerState + field);
    }
}

} // namespace
