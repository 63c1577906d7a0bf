// Edits on the display as its listener sees them: which field, in which order, with what value.
#include "code/ParameterIndex.h"
#include "code/editor/displays/ParamEqView2.h"

#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <thread>
#include <vector>

using namespace VSTGUI;

namespace
{

constexpr int32 kFirst = 68;
const CRect kOuter(26, 42, 509, 304);

// Notifications as "begin 71", "value 71 0.5", "end 71", "click 0 64", "hover 2 1".
struct Recorder : IControlListener
{
    void valueChanged(CControl* control) override
    {
        auto* d = static_cast<CParamEqView2*>(control);
        if (d->isModifierClickPending())
            log.push_back("click " + std::to_string(d->getEditedBand()) + " " +
                          std::to_string(d->getModifierClick()));
        else if (d->isHoverChange())
            log.push_back("hover " + std::to_string(d->getEditedBand()) + " " +
                          std::to_string(static_cast<int>(d->getValue())));
        else
            log.push_back("value " + std::to_string(d->getEditedParameter()) + " " +
                          std::to_string(d->getValue()).substr(0, 5));
    }
    void controlBeginEdit(CControl* c) override
    {
        log.push_back("begin " +
                      std::to_string(static_cast<CParamEqView2*>(c)->getEditedParameter()));
    }
    void controlEndEdit(CControl* c) override
    {
        log.push_back("end " +
                      std::to_string(static_cast<CParamEqView2*>(c)->getEditedParameter()));
    }
    std::vector<std::string> take()
    {
        std::vector<std::string> out;
        out.swap(log);
        return out;
    }
    std::vector<std::string> log;
};

using Log = std::vector<std::string>;

struct EqDisplayEdit : testing::Test
{
    EqDisplayEdit()
    {
        for (int band = 0; band < 5; ++band)
            display.setParameter(kFirst + band * 5 + 1, 0.2f * band);
        // Band 2 (index 2): a high shelf at 1 kHz, 0 dB, widest.
        display.setParameter(kFirst + 10, 2.0f / 128.0f);
        display.setParameter(kFirst + 11, 0.5f);
        display.setParameter(kFirst + 13, 1.0f);
    }
    CPoint handle(int band) { return display.getBand(band).centre; }
    static void settle() { std::this_thread::sleep_for(std::chrono::milliseconds(110)); }

    Recorder listener;
    CParamEqView2 display{kOuter, &listener, 5, 193, kFirst, CPoint(10, 10), CColor(), CColor()};
};

TEST_F(EqDisplayEdit, ModifierClicksAreReportedAndEditNothing)
{
    const struct
    {
        int32 held, reported;
    } clicks[] = {{kAlt, 0x40}, {kAlt | kShift, 0x50}, {kShift, 0x10}, {kControl, 0x20}};
    for (const auto& click : clicks)
    {
        CPoint p = handle(2);
        EXPECT_EQ(display.onMouseDown(p, CButtonState(kLButton | click.held)),
                  kMouseDownEventHandledButDontNeedMovedOrUpEvents);
        EXPECT_EQ(listener.take(), Log{"click 2 " + std::to_string(click.reported)});
        EXPECT_FALSE(display.isModifierClickPending());
    }
    CPoint beside(handle(2).x, handle(2).y + 40);
    EXPECT_FALSE(display.hitTest(beside));
    EXPECT_EQ(display.onMouseDown(beside, CButtonState(kLButton)), kMouseEventNotHandled);
}

TEST_F(EqDisplayEdit, DragsWaitForTheHandToSettleThenMoveTheBand)
{
    CPoint p = handle(2);
    display.onMouseDown(p, CButtonState(kLButton));
    EXPECT_EQ(listener.take(), (Log{"begin 79", "begin 80", "value 79 0.500", "value 80 0.500"}));
    EXPECT_EQ(display.getSelectedBand(), 2);
    CPoint early(p.x + 30, p.y);
    display.onMouseMoved(early, CButtonState(kLButton));
    EXPECT_EQ(display.getBand(2).normalisedFrequency, 0.5f) << "too soon after the press";

    settle();
    // 118 pixels right and a quarter of the height up, with the grab offset kept.
    CPoint moved(p.x + 118 + 2, p.y - 63);
    CPoint grab(p.x + 2, p.y);
    listener.take();
    display.onMouseUp(p, CButtonState());
    display.onMouseDown(grab, CButtonState(kLButton));
    settle();
    listener.take();
    display.onMouseMoved(moved, CButtonState(kLButton));
    EXPECT_NEAR(display.getBand(2).normalisedFrequency, 0.5f + 118.0f / 472.0f, 1e-6f);
    EXPECT_NEAR(display.getBand(2).normalisedGain, 0.75f, 1e-6f);
    display.onMouseUp(moved, CButtonState());
    const Log log = listener.take();
    ASSERT_GE(log.size(), 2u);
    EXPECT_EQ(Log(log.end() - 2, log.end()), (Log{"end 79", "end 80"}));
    EXPECT_EQ(display.getSelectedBand(), -1);

    // Right drag: 200 pixels to the right take the widest band to the narrowest.
    p = handle(2);
    display.onMouseDown(p, CButtonState(kRButton));
    EXPECT_EQ(listener.take(), Log{"begin 81"});
    settle();
    CPoint right(p.x + 200, p.y);
    display.onMouseMoved(right, CButtonState(kRButton));
    EXPECT_EQ(display.getBand(2).width, 0.0f);
    display.onMouseUp(right, CButtonState());
    EXPECT_EQ(listener.take().back(), "end 81");
}

TEST_F(EqDisplayEdit, EachWheelStepIsAWholeEdit)
{
    const CPoint p = handle(2);
    display.onWheel(p, 1.0f, CButtonState(kAlt));
    EXPECT_EQ(listener.take(), (Log{"begin 78", "value 78 1.000", "end 78"})) << "low shelf";
    display.onWheel(p, 1.0f, CButtonState(kAlt));
    EXPECT_EQ(listener.take(), (Log{"begin 78", "value 78 0.500", "end 78"})) << "peak";
    display.onWheel(p, 1.0f, CButtonState());
    EXPECT_EQ(listener.take(), (Log{"begin 81", "value 81 1.000", "end 81"}));
    display.onWheel(p, -2.0f, CButtonState(kControl));
    EXPECT_EQ(listener.take(), (Log{"begin 80", "value 80 0.475", "end 80"}));
    // The handle moved away under Ctrl: the remembered band still takes Shift steps.
    display.onWheel(p, 1.0f, CButtonState(kShift));
    EXPECT_EQ(listener.take(), (Log{"begin 79", "value 79 0.512", "end 79"}));
}

} // namespace
