// The editor's side of the live views on the effect object: the meters' ballistics and rest,
// and the analyser settings chosen in the settings panel.

#include "GuiFixture.h"

using namespace VSTGUI;
using namespace velqa;

namespace
{

using LiveViewsBehaviour = GuiFixture;

TEST_F(LiveViewsBehaviour, MetersShowEachTicksPeakFallSteadilyAndRestWhenLevelsStop)
{
    // Two blocks within one tick: the louder level and the deeper reduction are what shows.
    gui->setParameter(kMeterInputLeft, 1.0f);
    gui->setParameter(kMeterInputLeft, 0.01f);
    gui->setParameter(kMeterMinimumGain, 0.5f);
    gui->setParameter(kMeterMinimumGain, 1.0f);
    gui->idle();
    EXPECT_FLOAT_EQ(control(157)->getValue(), 1.0f);
    EXPECT_FLOAT_EQ(control(160)->getValue(), 0.75f);

    // Silence: the level falls one step a tick, the gain recovers one step.
    gui->setParameter(kMeterInputLeft, 0.0f);
    gui->setParameter(kMeterMinimumGain, 1.0f);
    gui->idle();
    const float fallen = 1.0f - CGui::kMeterFallPerTick;
    EXPECT_FLOAT_EQ(control(157)->getValue(), fallen);
    EXPECT_FLOAT_EQ(control(160)->getValue(), 0.75f + CGui::kMeterFallPerTick);

    // The transport stops: nothing comes, the meters hold, and rest on the 25th tick.
    for (int tick = 2; tick < CGui::kMeterRestTicks; ++tick) gui->idle();
    EXPECT_FLOAT_EQ(control(157)->getValue(), fallen);
    gui->idle();
    EXPECT_EQ(control(157)->getValue(), 0.0f);
    EXPECT_EQ(control(160)->getValue(), 1.0f) << "no gain reduction at rest";
}

TEST_F(LiveViewsBehaviour, AnalyserSettingsChosenInTheSettingsPanelReachBothAnalysers)
{
    auto choose = [this](int32 tag, int index)
    {
        control(tag)->setValue(index / 128.0f);
        control(tag)->valueChanged();
        gui->idle();
    };
    choose(183, 4); // "6dB 1 kHz"
    choose(185, 2); // "+24 dB"
    for (const Section section : {kSectionAbove, kSectionBelow})
    {
        const CSpectrumAnalyzer& analyser = plug->getAnalyser(section);
        EXPECT_TRUE(analyser.isTiltOn());
        EXPECT_EQ(analyser.getTiltSlope(), 6.0f);
        EXPECT_EQ(analyser.getTiltPivot(), 1000.0f);
        EXPECT_EQ(analyser.getDisplayGainDb(), 24.0f);
    }
    choose(183, 0); // "OFF"
    EXPECT_FALSE(plug->getAnalyser(kSectionBelow).isTiltOn());
}

} // namespace
