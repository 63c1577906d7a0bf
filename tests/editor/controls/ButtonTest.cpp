#include "ControlsTestSupport.h"
#include "code/editor/controls/CButtonMO.h"

#include <gtest/gtest.h>

#include <array>

using namespace VSTGUI;
using namespace controls_test;
using toolkit_test::OffscreenFrame;

namespace
{

struct ButtonFixture : ::testing::Test
{
    // A 20 x 20 button drawn from a strip whose frame k is grey 20 * k.
    CCButtonMO* add(int32 tag, CCoord x, int32 frames, int32 mode, int32 states = 0)
    {
        CBitmap* strip = makeStrip(20, 20, frames);
        auto* button =
            new CCButtonMO(CRect(x, 10, x + 20, 30), &host, tag, strip, frames, mode, states);
        strip->forget();
        f.frame->addView(button);
        return button;
    }
    void click(CCoord x, CCoord y, int32 buttons = kLButton)
    {
        f.down(x, y, buttons);
        f.up(x, y, buttons);
    }

    HostSpy host;
    OffscreenFrame f{300, 120};
};

TEST_F(ButtonFixture, ToggleFlipsAsOneEditAndShowsItsHoverFrame)
{
    CCButtonMO* solo = add(34, 10, 4, CCButtonMO::kToggle);
    click(20, 20);
    EXPECT_FLOAT_EQ(solo->getValue(), 1.f);
    EXPECT_EQ(host.calls, (std::vector<std::string>{"begin 34", "changed 34", "end 34"}));
    f.move(20, 20, 0);
    f.frame->idle();
    EXPECT_EQ(f.pixel(20, 20).red, 60); // frame 3: on with hover
    solo->setMouseOverOptions(kMouseOverOff);
    solo->invalid();
    f.frame->idle();
    EXPECT_EQ(f.pixel(20, 20).red, 20);
}

TEST_F(ButtonFixture, ModifierClickIsReportedAndDoesNotOperate)
{
    CCButtonMO* eqSwitch = add(106, 10, 4, CCButtonMO::kToggle);
    eqSwitch->setModifierClickReporting(true);
    click(20, 20, kLButton | kControl);
    EXPECT_FLOAT_EQ(eqSwitch->getValue(), 0.f);
    EXPECT_TRUE(eqSwitch->isModifierClick());
    EXPECT_EQ(eqSwitch->getLastModifiers(), CButtonState(kLButton | kControl));
    EXPECT_EQ(host.calls, std::vector<std::string>{"changed 106"});

    host.clear();
    click(20, 20);
    EXPECT_FALSE(eqSwitch->isModifierClick());
    EXPECT_FLOAT_EQ(eqSwitch->getValue(), 1.f);
    EXPECT_EQ(host.count("begin 106"), 1);
}

TEST_F(ButtonFixture, RightClickOnALinkedSwitchMovesThePartner)
{
    CCButtonMO* satOn = add(139, 10, 4, CCButtonMO::kToggle);
    satOn->setPartner(140);
    click(20, 20, kRButton);
    EXPECT_FLOAT_EQ(satOn->getValue(), 1.f);
    EXPECT_EQ(host.partnerValues, std::vector<float>{1.f});
    EXPECT_EQ(host.count("partner begin 140"), 1);
    EXPECT_EQ(host.count("partner end 140"), 1);
}

TEST_F(ButtonFixture, MomentaryButtonActsOnReleaseInsideWithoutEditsWhenUnbound)
{
    CCButtonMO* load = add(22, 10, 2, CCButtonMO::kMomentary);
    load->setHasParameter(false);
    f.down(20, 20);
    f.frame->idle();
    EXPECT_EQ(f.pixel(20, 20).red, 20); // drawn pressed
    f.move(100, 100);
    f.up(100, 100); // released outside: nothing
    EXPECT_TRUE(host.calls.empty());
    click(20, 20);
    EXPECT_EQ(host.calls, std::vector<std::string>{"changed 22"});
    EXPECT_EQ(host.values, std::vector<float>{1.f});
    EXPECT_FLOAT_EQ(load->getValue(), 0.f);
}

TEST_F(ButtonFixture, MultiStateButtonStepsThroughItsStatesAsIndices)
{
    CCButtonMO* link = add(56, 10, 4, CCButtonMO::kMultiState, 3);
    std::vector<float> seen;
    for (int i = 0; i < 3; ++i)
    {
        click(20, 20);
        seen.push_back(link->getValue());
    }
    EXPECT_EQ(seen, (std::vector<float>{1.f / 128, 2.f / 128, 0.f}));
    f.move(20, 20, 0);
    f.frame->idle();
    EXPECT_EQ(f.pixel(20, 20).red, 60); // the extra frame is the hover look of state 0
}

struct BandSelectorFixture : ButtonFixture
{
    BandSelectorFixture()
    {
        selector = add(116, 10, 12, CCButtonMO::kBandSelector);
        probe = new toolkit_test::ProbeView(CRect(0, 0, 300, 120), kWhiteCColor);
        f.frame->addView(probe, selector); // behind the selector
        f.frame->idle();
    }
    CPoint centreOf(int32 digit) const { return selector->getDigitRect(digit).getCenter(); }

    CCButtonMO* selector;
    toolkit_test::ProbeView* probe;
};

TEST_F(BandSelectorFixture, ClickSelectsTheDigitAndModifierClickOnlyReportsIt)
{
    EXPECT_EQ(selector->getViewSize(), CRect(10, 10, 10 + 4 * 28 + 20, 10 + 38 + 20));
    const CPoint seventh = centreOf(7); // Below band 3
    EXPECT_EQ(seventh, CPoint(10 + 2 * 28 + 10, 10 + 38 + 10));
    click(seventh.x, seventh.y);
    EXPECT_FLOAT_EQ(selector->getValue(), 7.f / 128);
    EXPECT_EQ(selector->getClickedDigit(), 7);
    EXPECT_EQ(host.calls, (std::vector<std::string>{"begin 116", "changed 116", "end 116"}));

    host.clear();
    const CPoint second = centreOf(1);
    click(second.x, second.y, kLButton | kAlt | kShift);
    EXPECT_FLOAT_EQ(selector->getValue(), 7.f / 128);
    EXPECT_EQ(selector->getClickedDigit(), 1);
    EXPECT_TRUE(selector->isModifierClick());
    EXPECT_EQ(selector->getLastModifiers() & kModifierMask, kAlt | kShift);
    EXPECT_EQ(host.calls, std::vector<std::string>{"changed 116"});

    click(10 + 24, 15); // between two digits: the view behind takes it
    EXPECT_EQ(probe->downs, 1);
}

TEST_F(BandSelectorFixture, DigitsDrawTheirMarks)
{
    std::array<CBitmap*, CCButtonMO::kDigits> digits{};
    for (auto& digit : digits) digit = makeStrip(20, 20, 12, 10);
    selector->setDigitBitmaps(digits);
    for (CBitmap* digit : digits) digit->forget();

    selector->setValue(7.f / 128);
    selector->setDigitSolo(3, true);
    selector->setDigitOff(3, true);
    selector->setDigitHover(3, true);
    selector->setDigitSolo(4, true);
    f.frame->idle();
    auto frameShown = [&](int32 digit)
    {
        const CPoint c = centreOf(digit);
        return f.pixel(static_cast<int>(c.x), static_cast<int>(c.y)).red / 10;
    };
    EXPECT_EQ(frameShown(0), 0);
    EXPECT_EQ(frameShown(7), 2);     // selected
    EXPECT_EQ(frameShown(3), 8 + 1); // off wins over solo, with hover
    EXPECT_EQ(frameShown(4), 4);     // soloed
}

TEST(ButtonDrawing, TwiceTheScalePicksTheSharpImage)
{
    HostSpy host;
    OffscreenFrame f(100, 50, 2.0);
    auto sharp = toolkit_test::stripPng(40, 40, 2, 100);
    CBitmap* strip = makeStrip(20, 20, 2, 20);
    strip->addBitmap(sharp.data(), sharp.size(), 2.0);
    auto* button = new CCButtonMO(CRect(10, 10, 30, 30), &host, 18, strip, 2, CCButtonMO::kToggle);
    strip->forget();
    button->setValue(1.f);
    f.frame->addView(button);
    f.frame->idle();
    EXPECT_EQ(f.pixel(40, 40).red, 100);
}

} // namespace
