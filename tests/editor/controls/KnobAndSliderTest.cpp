#include "ControlsTestSupport.h"
#include "code/editor/controls/AnimKnobOrv.h"
#include "code/editor/controls/VSliderMO.h"

#include <gtest/gtest.h>

using namespace VSTGUI;
using namespace controls_test;
using toolkit_test::OffscreenFrame;

namespace
{

constexpr int32 kWidthAbove = 130, kWidthBelow = 135, kIndicator = 191;

struct KnobFixture : ::testing::Test
{
    KnobFixture()
    {
        CBitmap* strip = makeStrip(60, 60, 129, 2);
        knob = new CAnimKnobOrv(CRect(20, 20, 80, 80), &host, kWidthAbove, strip);
        strip->forget();
        knob->setKnobMode(kLinearMode);
        knob->setDefaultValue(0.5f);
        knob->setValue(0.2f);
        knob->setPartner(kWidthBelow);
        knob->setLinkIndicatorTag(kIndicator);
        f.frame->addView(knob);
        f.frame->idle();
    }
    // Knob travel per pixel of vertical drag.
    float perPixel() const { return static_cast<float>(1.0 / knob->getLinearRange()); }

    HostSpy host;
    OffscreenFrame f{300, 200};
    CAnimKnobOrv* knob;
};

TEST_F(KnobFixture, RightDragMovesThePartnerToTheSameValueThroughout)
{
    f.down(50, 50, kRButton);
    ASSERT_EQ(host.partnerValues.size(), 1u);
    EXPECT_FLOAT_EQ(host.partnerValues[0], 0.2f); // at once, before any movement
    f.move(50, 40, kRButton);
    f.move(50, 30, kRButton);
    EXPECT_NEAR(knob->getValue(), 0.2f + 20 * perPixel(), 1e-5);
    EXPECT_FLOAT_EQ(host.partnerValues.back(), knob->getValue());
    EXPECT_EQ(host.partnerValues.size(), 3u);
    f.up(50, 30, kRButton);
    const std::vector<std::string> expected{
        "indicator 191 1", "partner begin 135", "begin 130",   "partner 135",
        "changed 130",     "partner 135",       "changed 130", "partner 135",
        "partner end 135", "indicator 191 0",   "end 130"};
    EXPECT_EQ(host.calls, expected);
    EXPECT_FALSE(knob->isLinkedDrag());

    host.clear();
    knob->setPartner(kWidthBelow, true);
    f.down(50, 50, kRButton);
    f.move(50, 45, kRButton);
    f.up(50, 45, kRButton);
    EXPECT_FLOAT_EQ(host.partnerValues.back(), 1.f - knob->getValue());
}

TEST_F(KnobFixture, ShiftAltDragIsALinkedDragAtNormalSpeedAndShiftAloneIsFine)
{
    f.down(50, 50, kLButton | kShift | kAlt);
    f.move(50, 30, kLButton | kShift | kAlt);
    f.up(50, 30, kLButton | kShift | kAlt);
    EXPECT_NEAR(knob->getValue(), 0.2f + 20 * perPixel(), 1e-5);
    EXPECT_FLOAT_EQ(host.partnerValues.back(), knob->getValue());
    EXPECT_EQ(knob->getLastModifiers(), CButtonState(kLButton | kShift | kAlt));

    host.clear();
    const float start = knob->getValue();
    f.down(50, 50, kLButton | kShift);
    f.move(50, 30, kLButton | kShift);
    f.up(50, 30, kLButton | kShift);
    EXPECT_NEAR(knob->getValue(), start + 20 * perPixel() / knob->getZoomFactor(), 1e-5);
    EXPECT_TRUE(host.partnerValues.empty());
    EXPECT_EQ(host.count("indicator 191 1"), 0);
}

TEST_F(KnobFixture, ASecondButtonDuringALinkedDragLeavesTheGestureWhole)
{
    f.down(50, 50, kRButton);
    f.down(50, 40, kRButton | kLButton);
    f.up(50, 40, kRButton);
    EXPECT_FALSE(knob->isEditing());
    EXPECT_EQ(host.count("begin 130"), 1);
    EXPECT_EQ(host.count("end 130"), 1);
    EXPECT_EQ(host.count("partner end 135"), 1);
    EXPECT_EQ(host.count("indicator 191 0"), 1);
}

TEST_F(KnobFixture, AKnobTakenAwayMidDragIsReleased)
{
    knob->remember();
    f.down(50, 50, kRButton);
    f.frame->removeView(knob);
    EXPECT_FALSE(knob->isEditing());
    EXPECT_EQ(knob->getNbReference(), 1);
    knob->forget();
}

TEST_F(KnobFixture, WithoutAPartnerTheRightButtonDoesNothing)
{
    knob->setPartner(-1);
    f.down(50, 50, kRButton);
    f.move(50, 20, kRButton);
    f.up(50, 20, kRButton);
    EXPECT_FLOAT_EQ(knob->getValue(), 0.2f);
    EXPECT_TRUE(host.calls.empty());
}

TEST_F(KnobFixture, ShiftWheelMovesATenthOfTheStepAndNeverThePartner)
{
    knob->setWheelInc(0.1f);
    f.wheel(50, 50, 1.f);
    EXPECT_NEAR(knob->getValue(), 0.3f, 1e-6);
    f.wheel(50, 50, 1.f, kShift);
    EXPECT_NEAR(knob->getValue(), 0.31f, 1e-6);
    EXPECT_EQ(host.count("begin 130"), 2);
    EXPECT_EQ(host.count("end 130"), 2);
    EXPECT_TRUE(host.partnerValues.empty());
}

TEST_F(KnobFixture, ClicksOutsideTheHitRadiusAreNotTaken)
{
    knob->setHitRadius(25);
    f.down(22, 22);
    f.up(22, 22);
    EXPECT_TRUE(host.calls.empty());
    f.down(50, 50);
    f.up(50, 50);
    EXPECT_EQ(host.count("begin 130"), 1);
}

struct SliderFixture : ::testing::Test
{
    // handle 15 x 15, travel 36, as the band type slider.
    CVSliderMO* add(int32 tag, CCoord x, int32 steps, CCoord travel = 36)
    {
        CBitmap* handle = makeStrip(15, 15, 1);
        auto* slider =
            new CVSliderMO(CRect(x, 20, x + 15, 20 + travel + 15), &host, tag, handle, steps);
        handle->forget();
        f.frame->addView(slider);
        return slider;
    }

    HostSpy host;
    OffscreenFrame f{300, 400};
};

TEST_F(SliderFixture, ThreePositionsFromTheSlotAndByDragging)
{
    CVSliderMO* slider = add(96, 100, 3);
    const CCoord x = 107;
    f.down(x, 20 + 50); // bottom of the slot
    f.up(x, 20 + 50);
    EXPECT_FLOAT_EQ(slider->getValue(), 0.f);
    f.down(x, 20 + 7.5 + 18); // the middle position
    f.up(x, 20 + 7.5 + 18);
    EXPECT_FLOAT_EQ(slider->getValue(), 0.5f);
    EXPECT_EQ(slider->getHandleRect().top, 20 + 18);
    // Dragging the handle up by most of a position's spacing snaps to the top.
    f.down(x, 20 + 26);
    f.move(x, 20 + 12);
    f.up(x, 20 + 12);
    EXPECT_FLOAT_EQ(slider->getValue(), 1.f);
    EXPECT_EQ(host.count("begin 96"), 3);
    EXPECT_EQ(host.count("end 96"), 3);
}

TEST_F(SliderFixture, ContinuousTravelAndFineShiftDrag)
{
    CVSliderMO* fader = add(152, 100, 0, 280);
    fader->setValue(0.5f);
    const CPoint handle = fader->getHandleRect().getCenter();
    f.down(handle.x, handle.y);
    f.move(handle.x, handle.y - 28);
    EXPECT_NEAR(fader->getValue(), 0.6f, 1e-5);
    f.move(handle.x, handle.y - 28, kLButton | kShift);
    f.move(handle.x, handle.y - 56, kLButton | kShift);
    EXPECT_NEAR(fader->getValue(), 0.61f, 1e-5);
    f.up(handle.x, handle.y - 56);
}

TEST_F(SliderFixture, RightDragMovesThePartnerSlider)
{
    CVSliderMO* above = add(137, 100, 3, 30);
    add(138, 150, 3, 30);
    above->setPartner(138);
    f.down(107, 20 + 30 + 6, kRButton); // the handle at value 0
    f.move(107, 20 + 6, kRButton);
    f.up(107, 20 + 6, kRButton);
    EXPECT_FLOAT_EQ(above->getValue(), 1.f);
    ASSERT_FALSE(host.partnerValues.empty());
    EXPECT_FLOAT_EQ(host.partnerValues.back(), 1.f);
    EXPECT_EQ(host.count("partner begin 138"), 1);
    EXPECT_EQ(host.count("partner end 138"), 1);
}

} // namespace
