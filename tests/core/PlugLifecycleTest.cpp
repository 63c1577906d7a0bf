#include "PlugProbe.h"

#include "VST3Adapter/AdapterMessages.h"
#include "code/ParameterTable.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

using namespace velqa;

namespace
{

class PlugLifecycle : public ::testing::Test
{
protected:
    HostRecorder host;
    ProbePlug plug{host};
};

VstMidiEvent midiEvent(unsigned char status, unsigned char data1)
{
    VstMidiEvent event{};
    event.type = kVstMidiType;
    event.byteSize = sizeof(VstMidiEvent);
    event.midiData[0] = static_cast<char>(status);
    event.midiData[1] = static_cast<char>(data1);
    return event;
}

} // namespace

TEST_F(PlugLifecycle, ConstructionAppliesTheDefaults)
{
    // The record's counts and flags are what the adapter builds the host's view from; the
    // module tests see them as buses, parameters and the chunk form.
    EXPECT_EQ(plug.getProgram(), 0);
    EXPECT_GE(host.displayUpdates, 1);

    for (VstInt32 i = 0; i < kStoredParameterCount; ++i)
        ASSERT_EQ(plug.getParameter(i), kParameterTable[static_cast<size_t>(i)].defaultValue) << i;
    char name[32];
    plug.getProgramName(name);
    EXPECT_STREQ(name, "init1");
    // Every dependent object saw its value once: the default threshold and all bands off.
    EXPECT_NEAR(plug.getSplitter().getThreshold(), 0.125f, 1e-6);
    EXPECT_FALSE(plug.getEqBank(CPlug::kBankAboveL).isEnabled(4));
    EXPECT_EQ(plug.getEqBank(CPlug::kBankBelowL).getSlot(0, CEqBank::kSlotKind), 3.0f / 128);
    EXPECT_FALSE(plug.isRestoring());
    EXPECT_EQ(plug.getParameter(kCompareLoading), 0.0f);

    char text[32];
    plug.getParameterDisplay(-1, text);
    EXPECT_STREQ(text, "");
}

TEST_F(PlugLifecycle, NewRateAndResumeApplyEveryParameterAgain)
{
    plug.setSampleRate(96000.0f);
    EXPECT_EQ(plug.getEqBank(CPlug::kBankBelowL).getSampleRate(), 96000.0f);
    EXPECT_EQ(plug.getSectionProcessor(kSectionAbove).getSampleRate(), 96000.0f);
    EXPECT_DOUBLE_EQ(plug.getNyquistLimit(), 0.49995 * 96000.0);

    plug.setParameter(kLookaheadOn, 1.0f);
    plug.forget();
    plug.resume();
    for (VstInt32 i = 0; i < kStoredParameterCount; ++i) ASSERT_GE(plug.callsOf(i), 1) << i;
    EXPECT_EQ(plug.getAeffect()->initialDelay, 9600);
    EXPECT_EQ(plug.getAnalyser(kSectionBelow).configuredRate, 96000);

    // The rate has not changed since: nothing is re-applied.
    plug.forget();
    plug.resume();
    EXPECT_TRUE(plug.calls.empty());
}

TEST_F(PlugLifecycle, ProgramLoadsShowTheCompareStoreLoading)
{
    class LoadWatcher : public ProbePlug
    {
    public:
        using ProbePlug::ProbePlug;
        void setParameter(VstInt32 index, float value) override
        {
            if (index == 0) loadingSeen = getParameter(kCompareLoading);
            ProbePlug::setParameter(index, value);
        }
        float loadingSeen = -1.0f;
    } watcher(host);

    watcher.setProgram(0);
    EXPECT_EQ(watcher.loadingSeen, 1.0f);
    EXPECT_EQ(watcher.getParameter(kCompareLoading), 0.0f);

    // Programs that do not exist leave everything as it is.
    watcher.forget();
    watcher.setProgram(7);
    watcher.setProgram(-1);
    EXPECT_TRUE(watcher.calls.empty());
    EXPECT_EQ(watcher.getProgram(), 0);
}

TEST_F(PlugLifecycle, ProgramChangeEventsReapplyOnlyProgramZero)
{
    VstMidiEvent toFive = midiEvent(0xC3, 5);
    VstMidiEvent toZero = midiEvent(0xC0, 0);
    VstMidiEvent note = midiEvent(0x90, 0);
    VstEvents events{};
    events.numEvents = 2;
    events.events[0] = reinterpret_cast<VstEvent*>(&toFive);
    events.events[1] = reinterpret_cast<VstEvent*>(&note);
    plug.forget();
    EXPECT_EQ(plug.processEvents(&events), 1);
    EXPECT_TRUE(plug.calls.empty());

    events.numEvents = 1;
    events.events[0] = reinterpret_cast<VstEvent*>(&toZero);
    plug.processEvents(&events);
    EXPECT_EQ(plug.callsOf(kDyna), 1);
    EXPECT_EQ(plug.processEvents(nullptr), 1);
}

TEST_F(PlugLifecycle, ArrangementsAndHostNameDecideTheExtraOutputs)
{
    VstSpeakerArrangement input{};
    VstSpeakerArrangement output{};
    input.numChannels = 2;
    output.numChannels = 2;
    EXPECT_TRUE(plug.setSpeakerArrangement(&input, &output));
    EXPECT_FALSE(plug.hasExtraOutputs());
    output.numChannels = 10;
    input.numChannels = 1;
    EXPECT_TRUE(plug.setSpeakerArrangement(&input, &output));
    EXPECT_TRUE(plug.hasExtraOutputs());
    EXPECT_EQ(plug.getInputChannels(), 1);
    input.numChannels = 4;
    EXPECT_FALSE(plug.setSpeakerArrangement(&input, &output));
    EXPECT_EQ(plug.getInputChannels(), 1);

    char otherHost[] = "Ardour 7";
    char waveLab[] = "WaveLab 11";
    plug.forget();
    EXPECT_EQ(plug.vendorSpecific(kVendorHostName, kVendorHostName, otherHost, 0), 1);
    EXPECT_TRUE(plug.hasExtraOutputs());
    EXPECT_EQ(plug.callsOf(kHostNameKnown), 1);
    plug.vendorSpecific(kVendorHostName, kVendorHostName, waveLab, 0);
    EXPECT_FALSE(plug.hasExtraOutputs());

    SideChainLink link{};
    EXPECT_EQ(plug.vendorSpecific(kVendorSideChainLink, kVendorSideChainLink, &link, 0), 1);
    EXPECT_EQ(plug.getSideChainLink(), &link);
    EXPECT_EQ(plug.vendorSpecific(12345, 0, nullptr, 0), 1);
}

TEST_F(PlugLifecycle, ProgramNamesAreCutToTheirSlot)
{
    char text[64];
    char longName[] = "a program name longer than the slot it goes into";
    plug.setProgramName(longName);
    plug.getProgramName(text);
    EXPECT_EQ(std::string(text), std::string(longName, 27));
    EXPECT_FALSE(plug.getProgramNameIndexed(0, 1, text));
    EXPECT_STREQ(text, "");
}

TEST_F(PlugLifecycle, StateLoadAppliesValuesWithLinksSuppressed)
{
    plug.setParameter(kLink1, kLinkOn);
    void* data = nullptr;
    const VstInt32 size = plug.getChunk(&data, false);
    ASSERT_GT(size, 0);
    std::string saved(static_cast<const char*>(data), static_cast<size_t>(size));

    // Byte-exact round trips and refused chunks are the state tests' part; here how a load is
    // applied.
    plug.forget();
    EXPECT_EQ(plug.setChunk(saved.data(), size, false), size);
    // Applied with links suppressed: the linked band 1 fields were set once each.
    EXPECT_EQ(plug.callsOf(kEqBelowBase), 1);
    EXPECT_EQ(plug.callsOf(kStateApplied), 1);
}
