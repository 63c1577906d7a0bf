#include "ToolkitTestSupport.h"

#include "vstgui/lib/ctooltipsupport.h"
#include "vstgui/lib/cviewcontainer.h"
#include "vstgui/lib/cvstguitimer.h"

#include "platform/Clock.h"

#include <gtest/gtest.h>

using namespace VSTGUI;
using namespace toolkit_test;

namespace
{

// frame 200 x 100 > outer (20,10)-(180,90) > inner (10,10)-(110,70) > probe (5,5)-(25,25),
// and a sibling probe of the outer container's inner one, overlapping it, added later.
struct NestedTree
{
    NestedTree()
    {
        outer = new CViewContainer(CRect(20, 10, 180, 90));
        inner = new CViewContainer(CRect(10, 10, 110, 70));
        deep = new ProbeView(CRect(5, 5, 25, 25), kRedCColor);
        front = new ProbeView(CRect(100, 10, 140, 40), kBlueCColor);
        inner->addView(deep);
        outer->addView(inner);
        outer->addView(front);
        f.frame->addView(outer);
        f.frame->idle();
    }
    OffscreenFrame f;
    CViewContainer* outer;
    CViewContainer* inner;
    ProbeView* deep;
    ProbeView* front;
};

} // namespace

// Routing, capture, hover and views removed mid-drag are what every editor test clicks through;
// here what the editor relies on without checking: a modal view shuts out everything else.
TEST(ViewTree, ModalViewBlocksTheRest)
{
    NestedTree t;
    auto* dialog = new CViewContainer(CRect(60, 20, 160, 80));
    auto* button = new ProbeView(CRect(10, 10, 30, 30), kGreenCColor);
    dialog->addView(button);
    ASSERT_TRUE(t.f.frame->setModalView(dialog));
    auto* second = new CViewContainer(CRect(0, 0, 10, 10));
    EXPECT_FALSE(t.f.frame->setModalView(second)); // one at a time
    second->forget();

    t.f.down(40, 30); // deep lies outside the dialog
    t.f.up(40, 30);
    EXPECT_EQ(t.deep->downs, 0);
    EXPECT_FALSE(t.f.wheel(40, 30, 1));
    EXPECT_EQ(t.deep->wheels, 0);
    t.f.move(40, 30, 0);
    EXPECT_EQ(t.deep->entered, 0);

    t.f.down(75, 35); // (15,15) in the dialog
    t.f.up(75, 35);
    EXPECT_EQ(button->downs, 1);
    t.f.frame->idle();
    EXPECT_EQ(t.f.pixel(75, 35), kGreenCColor); // drawn on top

    // Clearing hands the view back to the caller and the frame is usable again.
    dialog->remember();
    ASSERT_TRUE(t.f.frame->setModalView(nullptr));
    EXPECT_FALSE(dialog->isAttached());
    dialog->forget();
    dialog->forget();
    t.f.down(40, 30);
    EXPECT_EQ(t.deep->downs, 1);
    t.f.up(40, 30);
}

TEST(ViewTree, TooltipShowsAfterHoverAndHidesOnMove)
{
    NestedTree t;
    t.deep->setTooltipText("Ratio");
    auto* tooltips = new CTooltipSupport(t.f.frame, 0);
    t.f.move(40, 30, 0);
    t.f.frame->idle();
    ASSERT_TRUE(t.f.frame->isTooltipShown());
    EXPECT_EQ(t.f.frame->getShownTooltip(), "Ratio");
    t.f.move(150, 30, 0); // over front, which has no text
    EXPECT_FALSE(t.f.frame->isTooltipShown());
    t.f.frame->idle();
    EXPECT_FALSE(t.f.frame->isTooltipShown());
    tooltips->forget();

    t.f.frame->enableTooltips(true, 60000);
    t.f.move(40, 30, 0);
    t.f.frame->idle();
    EXPECT_FALSE(t.f.frame->isTooltipShown()); // the hover delay has not passed
}

TEST(ViewTree, TimersFireFromIdleAndMayStopThemselves)
{
    int fired = 0;
    auto* once = new CVSTGUITimer(
        [&fired](CVSTGUITimer* timer)
        {
            ++fired;
            timer->stop();
        },
        0);
    uint64_t now = velqa::platform::millisecondClock();
    CVSTGUITimer::fireDueTimers(now);
    CVSTGUITimer::fireDueTimers(now + 1000);
    EXPECT_EQ(fired, 1);

    int ticks = 0;
    auto* periodic = new CVSTGUITimer([&ticks](CVSTGUITimer*) { ++ticks; }, 50);
    CVSTGUITimer::fireDueTimers(now + 10);
    EXPECT_EQ(ticks, 0);
    CVSTGUITimer::fireDueTimers(now + 1000);
    CVSTGUITimer::fireDueTimers(now + 1010);
    CVSTGUITimer::fireDueTimers(now + 1050);
    EXPECT_EQ(ticks, 2);
    periodic->forget(); // a deleted timer never fires again
    CVSTGUITimer::fireDueTimers(now + 5000);
    EXPECT_EQ(ticks, 2);
    once->forget();
}
