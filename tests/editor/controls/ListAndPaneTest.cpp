#include "ControlsTestSupport.h"
#include "code/editor/controls/DropdownLst.h"
#include "code/editor/controls/Led.h"
#include "code/editor/controls/Pane.h"
#include "code/editor/controls/StateView.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

using namespace VSTGUI;
using namespace controls_test;
using toolkit_test::OffscreenFrame;

namespace
{

// The settings panel: a modal page at 50, 50 holding the list.
struct DropdownFixture : ::testing::Test
{
    DropdownFixture()
    {
        panel = new CViewContainer(CRect(50, 50, 250, 250));
        zoom = new CDropdownLst(CRect(10, 10, 100, 28), &host, 182, CDropdownLst::kZoomList);
        zoom->setHasParameter(false);
        zoom->setValue(1.f / 128); // "100 %"
        panel->addView(zoom);
        f.frame->addView(panel);
        f.frame->setModalView(panel);
        f.frame->idle();
    }
    void click(CCoord x, CCoord y)
    {
        f.down(x, y);
        f.up(x, y);
    }
    // An item's centre in frame coordinates.
    CPoint itemCentre(int32 index) const
    {
        CPoint centre = zoom->getPopup()->getItemRect(index).getCenter();
        return centre.offset(50, 50);
    }

    HostSpy host;
    OffscreenFrame f{300, 300};
    CViewContainer* panel;
    CDropdownLst* zoom;
};

TEST_F(DropdownFixture, ClickOpensTheListAndAPickReportsTheIndex)
{
    click(70, 70);
    ASSERT_TRUE(zoom->isListOpen());
    EXPECT_EQ(zoom->getPopup()->getParentView(), panel);
    EXPECT_EQ(zoom->getPopup()->getHighlighted(), 1); // the selected item
    const CPoint pick = itemCentre(3);
    f.move(pick.x, pick.y, 0);
    std::this_thread::sleep_for(std::chrono::milliseconds(30));
    f.frame->idle(); // the highlight follows the mouse at the idle rate
    EXPECT_EQ(zoom->getPopup()->getHighlighted(), 3);
    click(pick.x, pick.y);
    EXPECT_FALSE(zoom->isListOpen());
    EXPECT_FLOAT_EQ(zoom->getValue(), 3.f / 128);
    EXPECT_EQ(zoom->getItems()[static_cast<size_t>(zoom->getSelectedIndex())], "150 %");
    EXPECT_EQ(host.calls, std::vector<std::string>{"changed 182"});
    EXPECT_EQ(panel->getNbViews(), 1);
}

TEST_F(DropdownFixture, AClickBesideTheItemsOnlyClosesTheList)
{
    click(70, 70);
    click(230, 230);
    EXPECT_FALSE(zoom->isListOpen());
    EXPECT_TRUE(host.calls.empty());
}

TEST_F(DropdownFixture, NearTheBottomTheListOpensUpwards)
{
    zoom->setViewSize(CRect(10, 170, 100, 188));
    click(70, 50 + 175);
    ASSERT_TRUE(zoom->isListOpen());
    const CRect first = zoom->getPopup()->getItemRect(0);
    const CRect last = zoom->getPopup()->getItemRect(5);
    EXPECT_LE(last.bottom, 170);
    EXPECT_GE(first.top, 0);
}

TEST_F(DropdownFixture, ClosingTheFrameWithTheListOpenIsSafe)
{
    click(70, 70);
    ASSERT_TRUE(zoom->isListOpen());
    // The fixture's frame goes with the list open; sanitizers judge the rest.
}

struct PaneFixture : ::testing::Test
{
    PaneFixture()
    {
        CBitmap* strip = makeStrip(40, 40, 4);
        button = new CLed(CRect(10, 10, 50, 50), &host, 34, strip, 4);
        strip->forget();
        pane = new CPane(CRect(10, 10, 50, 50), &host, 122);
        f.frame->addView(button);
        f.frame->addView(pane);
        f.frame->idle();
    }

    HostSpy host;
    OffscreenFrame f{100, 100};
    CLed* button;
    CPane* pane;
};

TEST_F(PaneFixture, HoverAreaReportsEnterAndLeaveButNeverTakesTheClick)
{
    pane->setHoverReporting(true);
    f.move(20, 20, 0);
    f.move(80, 80, 0);
    EXPECT_EQ(host.calls, (std::vector<std::string>{"hover 122 1", "hover 122 0"}));
    host.clear();
    f.down(20, 20);
    f.up(20, 20);
    EXPECT_FLOAT_EQ(button->getValue(), 1.f);
}

TEST_F(PaneFixture, APlainPaneLeavesTheHoverToTheControlUnderIt)
{
    f.move(20, 20, 0);
    EXPECT_TRUE(button->isHovered());
    EXPECT_TRUE(host.calls.empty());
}

TEST(ColourPane, DarkensOnlyWhileOff)
{
    HostSpy host;
    OffscreenFrame f(50, 50);
    f.frame->addView(new toolkit_test::ProbeView(CRect(0, 0, 50, 50), kWhiteCColor));
    auto* cover = new CPane(CRect(10, 10, 40, 40), &host, 111);
    cover->setColors(CColor(0, 0, 0, 0), CColor(0, 0, 0, 150));
    cover->setDrawWhen(CPane::kDrawWhenOff);
    cover->setValue(1.f);
    f.frame->addView(cover);
    f.frame->idle();
    EXPECT_EQ(f.pixel(20, 20).red, 255);
    cover->setValue(0.f);
    f.frame->idle();
    EXPECT_NEAR(f.pixel(20, 20).red, 255 * (255 - 150) / 255, 1);
}

TEST(StateView, LinkStateMinusOnePicksTheFrameAndShowsNothingOutsideTheStrip)
{
    HostSpy host;
    OffscreenFrame f(50, 50);
    f.frame->addView(new toolkit_test::ProbeView(CRect(0, 0, 50, 50), kWhiteCColor));
    CBitmap* strip = makeStrip(14, 16, 2, 100);
    auto* view = new CStateView(CRect(10, 10, 24, 26), &host, 29, strip, 2);
    strip->forget();
    view->setMinusOne(true);
    f.frame->addView(view);
    std::vector<int> red;
    for (int state : {0, 1, 2, 3})
    {
        view->setValue(state / 128.f);
        view->invalid();
        f.frame->idle();
        red.push_back(f.pixel(15, 15).red);
    }
    EXPECT_EQ(red, (std::vector<int>{255, 0, 100, 255}));
    f.down(15, 15);
    f.up(15, 15);
    EXPECT_TRUE(host.calls.empty());
}

} // namespace
