// Edits on the display as its listener sees them: the window tests see the host's side.
#include "code/editor/displays/ParamEqView2.h"

#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <thread>
#include <utility>
#include <vector>

using namespace VSTGUI;

namespace
{

using Log = std::vector<std::string>;

// Notifications as "begin 81", "value 81 0.000", "end 81" or "click 2 64".
struct Recorder : IControlListener
{
    static CParamEqView2& of(CControl* c) { return *static_cast<CParamEqView2*>(c); }
    void valueChanged(CControl* c) override
    {
        if (of(c).isModifierClickPending())
            log.push_back("click " + std::to_string(of(c).getEditedBand()) + " " +
                          std::to_string(of(c).getModifierClick()));
        else if (!of(c).isHoverChange())
            log.push_back("value " + std::to_string(of(c).getEditedParameter()) + " " +
                          std::to_string(c->getValue()).substr(0, 5));
    }
    void controlBeginEdit(CControl* c) override
    {
        log.push_back("begin " + std::to_string(of(c).getEditedParameter()));
    }
    void controlEndEdit(CControl* c) override
    {
        log.push_back("end " + std::to_string(of(c).getEditedParameter()));
    }
    Log take() { return std::exchange(log, {}); }
    Log log;
};

TEST(EqDisplayEdit, ClicksReportModifiersAndDragsWaitForTheHandToSettle)
{
    Recorder listener;
    CParamEqView2 display(CRect(26, 42, 509, 304), &listener, 5, 193, 68, CPoint(10, 10), CColor(),
                          CColor());
    for (int band = 0; band < 5; ++band) display.setParameter(68 + band * 5 + 1, 0.2f * band);
    display.setParameter(68 + 13, 1.0f); // band 2 at its widest
    const CPoint at = display.getBand(2).centre;

    const int32 held[] = {kAlt, kAlt | kShift, kShift, kControl};
    const char* reported[] = {"click 2 64", "click 2 80", "click 2 16", "click 2 32"};
    for (int k = 0; k < 4; ++k)
    {
        CPoint p = at;
        EXPECT_EQ(display.onMouseDown(p, CButtonState(kLButton | held[k])),
                  kMouseDownEventHandledButDontNeedMovedOrUpEvents);
        EXPECT_EQ(listener.take(), Log{reported[k]});
    }
    EXPECT_FALSE(display.hitTest(CPoint(at.x, at.y + 40))) << "only handles take the mouse";

    CPoint p = at;
    display.onMouseDown(p, CButtonState(kRButton));
    EXPECT_EQ(listener.take(), Log{"begin 81"});
    CPoint right(at.x + 200, at.y);
    display.onMouseMoved(right, CButtonState(kRButton));
    EXPECT_EQ(display.getBand(2).width, 1.0f) << "moved too soon after the press";
    std::this_thread::sleep_for(std::chrono::milliseconds(110));
    display.onMouseMoved(right, CButtonState(kRButton));
    display.onMouseUp(right, CButtonState());
    EXPECT_EQ(listener.take(), (Log{"value 81 0.000", "end 81"})) << "200 pixels: widest to Q 10";
    EXPECT_EQ(display.getSelectedBand(), -1);
}

} // namespace
