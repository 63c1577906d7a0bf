// The editor's behaviours: band actions, the per-tag table of valueChanged, pages, zoom and help.

#include "GuiFixture.h"

#include "code/editor/AboutView.h"
#include "code/editor/ContainerTable.h"
#include "vstgui/lib/cframe.h"
#include "vstgui/lib/controls/ctextlabel.h"

#include <algorithm>
#include <cmath>
#include <iterator>

using namespace VSTGUI;
using namespace velqa;

namespace
{

class GuiBehaviour : public GuiFixture
{
protected:
    // A user edit of a control, as a drag reports it.
    void edit(int32 tag, float value)
    {
        CControl* c = control(tag);
        c->beginEdit();
        c->setValue(value);
        c->valueChanged();
        c->endEdit();
        gui->idle();
    }

    std::string statusText() const
    {
        return dynamic_cast<const CTextLabel*>(control(14))->getText();
    }
};

TEST_F(GuiBehaviour, ModifierClicksOnBandDigitsActOnThatBandWithoutSelectingIt)
{
    const float selected = plug->getParameter(kSelectedEq);
    clickAt(digitCentre(2), kShift);
    EXPECT_EQ(plug->getParameter(kEqSoloAbove1 + 2), 1.0f);
    EXPECT_TRUE(heardOneEdit(kEqSoloAbove1 + 2, 1.0f));

    const float onOff = plug->getParameter(kEqMuteBelow1 + 2);
    clickAt(digitCentre(7), kControl);
    EXPECT_EQ(plug->getParameter(kEqMuteBelow1 + 2), onOff > 0.5f ? 0.0f : 1.0f);
    EXPECT_EQ(plug->getParameter(kSelectedEq), selected) << "a modifier click selects nothing";
}

TEST_F(GuiBehaviour, ShiftAltClickOnABelowDigitCyclesTheLinkToInverseAndOff)
{
    plug->setParameter(eqIndex(kSectionBelow, 1, kBandGain), 0.7f);
    clickAt(digitCentre(6), kAlt);
    ASSERT_EQ(plug->getParameter(kLink1 + 1), 1.0f / 128.0f);

    clickAt(digitCentre(6), kShift | kAlt);
    EXPECT_EQ(plug->getParameter(kLink1 + 1), 2.0f / 128.0f);
    EXPECT_FLOAT_EQ(plug->getParameter(eqIndex(kSectionAbove, 1, kBandGain)), 1.0f - 0.7f)
        << "an inverse link mirrors the gain";
    clickAt(digitCentre(6), kShift | kAlt);
    EXPECT_EQ(plug->getParameter(kLink1 + 1), 0.0f);
}

TEST_F(GuiBehaviour, HostHearsWhatTheEffectsRulesMakeOfAnEdit)
{
    plug->setParameter(kEqSoloAbove1, 1.0f);
    gui->idle();
    heard.clear();
    click(44); // a soloed band cannot be switched off
    const auto mute = editsOf(kEqMuteAbove1);
    ASSERT_FALSE(mute.empty());
    EXPECT_EQ(mute.back().kind, HostEdit::kEnd);
    EXPECT_EQ(mute[mute.size() - 2].value, plug->getParameter(kEqMuteAbove1));

    heard.clear();
    clickAt(digitCentre(5), kShift); // soloing a Below band ends the Above solo
    EXPECT_EQ(plug->getParameter(kEqSoloAbove1), 0.0f);
    EXPECT_TRUE(heardOneEdit(kEqSoloAbove1, 0.0f));
}

TEST_F(GuiBehaviour, CtrlClickOnTheEqSwitchResetsAllItsBandParametersInOneGesture)
{
    for (VstInt32 i = kEqAboveBase; i < kEqAboveBase + kFieldsPerSection; ++i)
        plug->setParameter(i, 0.9f);
    const float on = plug->getParameter(kOnAbove);
    heard.clear();

    click(106, kControl);
    // One gesture: all 25 are opened before the first of them moves.
    auto isBand = [](const HostEdit& e)
    { return e.index >= kEqAboveBase && e.index < kEqAboveBase + kFieldsPerSection; };
    std::vector<HostEdit> band;
    std::copy_if(heard.begin(), heard.end(), std::back_inserter(band), isBand);
    ASSERT_EQ(band.size(), 3u * kFieldsPerSection);
    for (int i = 0; i < kFieldsPerSection; ++i)
    {
        EXPECT_EQ(band[static_cast<size_t>(i)].kind, HostEdit::kBegin);
        EXPECT_EQ(band[static_cast<size_t>(kFieldsPerSection + i)].kind, HostEdit::kPerform);
        EXPECT_EQ(band[static_cast<size_t>(2 * kFieldsPerSection + i)].kind, HostEdit::kEnd);
    }

    click(106, kShift);
    EXPECT_EQ(plug->getParameter(kOnAbove), on) << "other modifiers do nothing";
    click(106);
    EXPECT_TRUE(heardOneEdit(kOnAbove, on > 0.5f ? 0.0f : 1.0f)) << "a plain click toggles";
}

TEST_F(GuiBehaviour, SectionKnobsSwitchTheirOnButtonsAsEditsOfTheirOwn)
{
    edit(127, 0.4f);
    EXPECT_EQ(plug->getParameter(kSatOnAbove), 1.0f);
    EXPECT_TRUE(heardOneEdit(kSatOnAbove, 1.0f));
    heard.clear();
    edit(127, 0.6f);
    EXPECT_TRUE(editsOf(kSatOnAbove).empty());
    edit(127, 0.0f);
    EXPECT_EQ(plug->getParameter(kSatOnAbove), 0.0f);

    edit(130, 0.51f);
    EXPECT_EQ(plug->getParameter(kWidthAboveOn), 1.0f);
    edit(130, 0.5f);
    EXPECT_EQ(plug->getParameter(kWidthAboveOn), 0.0f);
    edit(136, 0.25f);
    EXPECT_EQ(plug->getParameter(kPanBelowOn), 1.0f);
    edit(136, 0.5f);
    EXPECT_EQ(plug->getParameter(kPanBelowOn), 0.0f);
    EXPECT_EQ(control(144)->getValue(), 0.0f) << "the switch shows it";
}

TEST_F(GuiBehaviour, LogoOpensTheAboutPageAndTheGearTheModalSettings)
{
    click(19);
    EXPECT_TRUE(gui->getAboutView()->isVisible());
    clickAt(CPoint(400, 400));
    EXPECT_FALSE(gui->getAboutView()->isVisible());

    click(177);
    CViewContainer* settings = gui->getContainer(editor::kSettings);
    EXPECT_TRUE(settings->isVisible());
    EXPECT_EQ(gui->getFrame()->getModalView(), settings);
    click(186);
    EXPECT_FALSE(settings->isVisible());
    EXPECT_EQ(gui->getFrame()->getModalView(), nullptr);
}

TEST_F(GuiBehaviour, NotificationsFromTheEffectReachTheirViewsAtTheTick)
{
    gui->setZoom(1.25, false);
    gui->setParameter(kHostNameKnown, 0.0f);
    plug->setParameter(kHostSpare, 0.0f); // spectrum display off
    gui->idle();
    EXPECT_TRUE(control(187)->isVisible()) << "the message shows";
    EXPECT_DOUBLE_EQ(gui->getZoom(), 1.0);
    EXPECT_EQ(storedSetting("zz"), "100");
    EXPECT_FALSE(control(16)->isVisible());
    EXPECT_FALSE(control(17)->isVisible());

    for (int tick = 0; tick < CGui::kMessageTicks; ++tick) gui->idle();
    EXPECT_FALSE(control(187)->isVisible()) << "and goes after its ticks";
}

TEST_F(GuiBehaviour, StatusLineShowsTheHelpUnderTheMouseAndTheLastAuthorComesBack)
{
    moveMouseTo(115);
    EXPECT_EQ(statusText(), "Output");
    moveMouseTo(110);
    EXPECT_EQ(statusText().rfind("Shift = Solo", 0), 0u);

    CControl* help = control(181);
    help->setValue(0.0f);
    gui->valueChanged(help);
    EXPECT_EQ(storedSetting("mo"), "0");
    EXPECT_EQ(statusText(), "");
    moveMouseTo(114);
    EXPECT_EQ(statusText(), "");

    storeSetting("A", "Mara Holm");
    closeEffect();
    openEffect();
    EXPECT_EQ(dynamic_cast<const CTextLabel*>(control(166))->getText(), "Mara Holm")
        << "the save dialog offers the last author";
}

} // namespace
