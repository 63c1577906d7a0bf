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

TEST(ViewTree, MouseRoutingThroughNestedContainers)
{
    NestedTree t;
    // Frame point (40,30) is (20,20) in outer, (10,10) in inner: inside deep.
    EXPECT_EQ(t.f.frame->getViewAt(CPoint(40, 30), true), t.deep);
    EXPECT_EQ(t.f.frame->getViewAt(CPoint(40, 30), false), t.outer);
    EXPECT_EQ(t.f.down(40, 30), kMouseEventHandled);
    EXPECT_EQ(t.deep->downs, 1);
    EXPECT_EQ(t.deep->lastDown, CPoint(10, 10)); // in the parent's coordinates

    // While the button is held the drag stays with deep, even far outside it.
    t.f.move(190, 95);
    EXPECT_EQ(t.deep->moves, 1);
    EXPECT_EQ(t.deep->lastMove, CPoint(160, 75));
    t.f.up(190, 95);
    EXPECT_EQ(t.deep->ups, 1);

    // Where the later sibling overlaps the inner container, it is in front.
    t.f.down(125, 30); // (105,20) in outer: inside front and inside inner's rectangle
    EXPECT_EQ(t.front->downs, 1);
    t.f.up(125, 30);

    // A view that does not take the mouse lets the click through to what lies behind.
    t.front->setMouseEnabled(false);
    t.f.down(125, 30);
    EXPECT_EQ(t.front->downs, 1);
    t.f.up(125, 30);
}

TEST(ViewTree, EnteredAndExitedFollowThePointer)
{
    NestedTree t;
    t.f.move(40, 30, 0);
    EXPECT_EQ(t.deep->entered, 1);
    ASSERT_EQ(t.f.frame->getMouseViews().size(), 3u); // outer, inner, deep
    t.f.move(41, 31, 0);
    EXPECT_EQ(t.deep->entered, 1);
    EXPECT_EQ(t.deep->moves, 0); // hovering without a button is not a drag
    t.f.move(150, 30, 0);
    EXPECT_EQ(t.deep->exited, 1);
    EXPECT_EQ(t.front->entered, 1);
    t.f.frame->platformOnMouseExited();
    EXPECT_EQ(t.front->exited, 1);
    EXPECT_TRUE(t.f.frame->getMouseViews().empty());
}

TEST(ViewTree, RemovingViewsDuringUseIsSafe)
{
    NestedTree t;
    t.f.move(40, 30, 0);
    t.f.down(40, 30);
    t.outer->removeView(t.inner); // deep goes with it, mid-drag and hovered
    t.f.move(50, 40);
    t.f.up(50, 40);
    t.f.frame->idle();
    EXPECT_EQ(t.f.frame->getViewAt(CPoint(40, 30), true), t.outer);
}

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

TEST(ViewTree, ZoomScalesMouseCoordinates)
{
    for (double zoom : {0.75, 1.25, 2.0})
    {
        NestedTree t;
        ASSERT_TRUE(t.f.frame->setZoom(zoom));
        // Device pixel (40,30) * zoom is layout point (40,30) at every zoom.
        t.f.frame->platformOnMouseDown(CPoint(40 * zoom, 30 * zoom), kLButton);
        EXPECT_EQ(t.deep->downs, 1) << zoom;
        EXPECT_EQ(t.deep->lastDown, CPoint(10, 10)) << zoom;
        t.f.frame->platformOnMouseUp(CPoint(40 * zoom, 30 * zoom), kLButton);
        CPoint where;
        EXPECT_TRUE(t.f.frame->getCurrentMouseLocation(where));
        EXPECT_EQ(where, CPoint(40, 30));
    }
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
