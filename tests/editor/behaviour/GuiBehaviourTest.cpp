// The editor's behaviours: band actions, the per-tag table of valueChanged, pages, zoom and help.

#include "GuiFixture.h"

#include "code/ParameterTable.h"
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

    float defaultOf(VstInt32 index) const
    {
        return kParameterTable[static_cast<size_t>(index)].defaultValue;
    }
};

TEST_F(GuiBehaviour, ModifierClicksOnBandDigitsActOnThatBandAndPlainClicksSelectIt)
{
    const float selected = plug->getParameter(kSelectedEq);
    clickAt(digitCentre(2), kShift);
    EXPECT_EQ(plug->getParameter(kEqSoloAbove1 + 2), 1.0f);
    EXPECT_TRUE(heardOneEdit(kEqSoloAbove1 + 2, 1.0f));

    const float onOff = plug->getParameter(kEqMuteBelow1 + 2);
    clickAt(digitCentre(7), kControl);
    EXPECT_EQ(plug->getParameter(kEqMuteBelow1 + 2), onOff > 0.5f ? 0.0f : 1.0f);
    EXPECT_EQ(plug->getParameter(kSelectedEq), selected) << "a modifier click selects nothing";

    clickAt(digitCentre(8));
    EXPECT_EQ(plug->getParameter(kSelectedEq), 8.0f / 128.0f);
    for (int32 b = 0; b < editor::kBandPanelCount; ++b)
        EXPECT_EQ(gui->getContainer(editor::kBandPanelAbove1 + b)->isVisible(), b == 8) << b;
}

TEST_F(GuiBehaviour, AltClickOnABelowDigitLinksAndCopiesTheBandToAbove)
{
    const VstInt32 below[] = {
        eqIndex(kSectionBelow, 1, kBandState), eqIndex(kSectionBelow, 1, kBandFreq),
        eqIndex(kSectionBelow, 1, kBandGain), eqIndex(kSectionBelow, 1, kBandQ)};
    const float values[] = {0.0f, 0.3f, 0.7f, 0.2f};
    for (int f = 0; f < 4; ++f) plug->setParameter(below[f], values[f]);
    heard.clear();

    clickAt(digitCentre(6), kAlt);
    EXPECT_EQ(plug->getParameter(kLink1 + 1), 1.0f / 128.0f);
    EXPECT_TRUE(heardOneEdit(kLink1 + 1, 1.0f / 128.0f));
    for (int f = 0; f < 4; ++f)
    {
        const VstInt32 above = plug->partnerIndex(below[f]);
        EXPECT_EQ(plug->getParameter(above), values[f]) << f;
        EXPECT_TRUE(heardOneEdit(above, values[f])) << "the host hears the copied field " << f;
    }

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
    for (VstInt32 i = kEqAboveBase; i < kEqAboveBase + kFieldsPerSection; ++i)
        EXPECT_EQ(plug->getParameter(i), defaultOf(i)) << i;
    EXPECT_EQ(plug->getParameter(kOnAbove), on) << "the switch itself does not toggle";
    EXPECT_TRUE(editsOf(kOnAbove).empty());
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

TEST_F(GuiBehaviour, RightDragMovesThePartnerKnobInOneGestureOfItsOwn)
{
    CPoint centre = control(130)->getViewSize().getCenter();
    control(130)->localToFrame(centre);
    CFrame* frame = gui->getFrame();
    frame->platformOnMouseDown(centre, CButtonState(kRButton));
    frame->platformOnMouseMoved(CPoint(centre.x, centre.y - 40), CButtonState(kRButton));
    frame->platformOnMouseUp(CPoint(centre.x, centre.y - 40), CButtonState(kRButton));
    gui->idle();

    EXPECT_NE(plug->getParameter(kWidthAbove), 0.5f);
    EXPECT_EQ(plug->getParameter(kWidthBelow), plug->getParameter(kWidthAbove));
    const auto below = editsOf(kWidthBelow);
    ASSERT_GE(below.size(), 3u);
    EXPECT_EQ(below.front().kind, HostEdit::kBegin);
    EXPECT_EQ(below.back().kind, HostEdit::kEnd);
    EXPECT_EQ(std::count_if(below.begin(), below.end(),
                            [](const HostEdit& e) { return e.kind == HostEdit::kBegin; }),
              1);
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
    gui->setParameter(kMeterAbove, 0.5f);
    gui->idle();
    gui->setParameter(kMeterAbove, std::nanf(""));
    gui->setParameter(kMeterInputLeft, 0.7f);
    gui->setZoom(1.25, false);
    gui->setParameter(kHostNameKnown, 0.0f);
    plug->setParameter(kHostSpare, 0.0f); // spectrum display off
    gui->idle();
    EXPECT_EQ(control(163)->getValue(), 0.0f);
    EXPECT_EQ(control(157)->getValue(), 0.7f);
    EXPECT_TRUE(control(187)->isVisible()) << "the message shows";
    EXPECT_DOUBLE_EQ(gui->getZoom(), 1.0);
    EXPECT_EQ(storedSetting("zz"), "100");
    EXPECT_FALSE(control(16)->isVisible());
    EXPECT_FALSE(control(17)->isVisible());

    for (int tick = 0; tick < CGui::kMessageTicks; ++tick) gui->idle();
    EXPECT_FALSE(control(187)->isVisible()) << "and goes after its ticks";
    EXPECT_EQ(control(157)->getValue(), 0.0f) << "meters rest when no value comes";
}

TEST_F(GuiBehaviour, ZoomChoiceResizesStoresAndComesBackAtTheNextOpening)
{
    CControl* zoomList = control(182);
    zoomList->setValue(3.0f / 128.0f);
    gui->valueChanged(zoomList);
    ERect* rect = nullptr;
    ASSERT_TRUE(gui->getRect(&rect));
    EXPECT_EQ(rect->right, 1313);
    EXPECT_EQ(rect->bottom, 1095);
    EXPECT_EQ(storedSetting("zz"), "150");

    plug->setParameter(kOutVol, 0.2f);
    gui->idle();
    heard.clear();
    click(115, kControl); // a click after zooming lands on the control under it
    EXPECT_EQ(plug->getParameter(kOutVol), defaultOf(kOutVol));
    EXPECT_TRUE(heardOneEdit(kOutVol, defaultOf(kOutVol)));

    closeEffect();
    openEffect();
    EXPECT_DOUBLE_EQ(gui->getZoom(), 1.5);
    EXPECT_EQ(control(182)->getValue(), 3.0f / 128.0f);

    struct Stored
    {
        const char* text;
        double zoom;
        float choice;
    };
    for (const Stored& stored : {Stored{"60", 0.6, 1.0f}, Stored{"abc", 1.0, 1.0f},
                                 Stored{"0", 1.0, 1.0f}, Stored{"75", 0.75, 0.0f}})
    {
        closeEffect();
        storeSetting("zz", stored.text);
        openEffect();
        EXPECT_DOUBLE_EQ(gui->getZoom(), stored.zoom) << stored.text;
        EXPECT_EQ(control(182)->getValue(), stored.choice / 128.0f) << stored.text;
    }
}

TEST_F(GuiBehaviour, StatusLineShowsTheHelpUnderTheMouseAndSettingsComeBack)
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
    EXPECT_FALSE(gui->isMouseOverHelpOn());
    EXPECT_EQ(dynamic_cast<const CTextLabel*>(control(166))->getText(), "Mara Holm")
        << "the save dialog offers the last author";
    EXPECT_EQ(control(181)->getValue(), 0.0f);
}

} // namespace
