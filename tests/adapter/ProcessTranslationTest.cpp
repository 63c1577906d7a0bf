#include "VST3Adapter/ProcessTranslation.h"

#include <gtest/gtest.h>

using namespace Steinberg;
using namespace Steinberg::Vst;

namespace
{
unsigned byteAt(const VstMidiEvent& event, int i)
{
    return static_cast<unsigned char>(event.midiData[i]);
}
} // namespace

TEST(ProcessTranslation, ContextBecomesTimeInfoWithoutSmpte)
{
    ProcessContext context{};
    context.state = ProcessContext::kPlaying | ProcessContext::kTempoValid |
                    ProcessContext::kSmpteValid | ProcessContext::kContTimeValid |
                    ProcessContext::kChordValid | ProcessContext::kClockValid;
    context.sampleRate = 48000;
    context.projectTimeSamples = 96000;
    context.projectTimeMusic = 4.0;
    context.tempo = 90;
    context.timeSigNumerator = 7;
    context.timeSigDenominator = 8;
    context.samplesToNextClock = 12;
    context.smpteOffsetSubframes = 99;

    VstTimeInfo info{};
    translateProcessContext(context, info);
    EXPECT_EQ(info.samplePos, 96000.0);
    EXPECT_EQ(info.sampleRate, 48000.0);
    EXPECT_EQ(info.ppqPos, 4.0);
    EXPECT_EQ(info.tempo, 90.0);
    EXPECT_EQ(info.timeSigNumerator, 7);
    EXPECT_EQ(info.timeSigDenominator, 8);
    EXPECT_EQ(info.samplesToNextClock, 12);
    EXPECT_EQ(info.smpteOffset, 0);
    EXPECT_EQ(info.flags, kVstTransportPlaying | kVstTempoValid | kVstClockValid);
}

TEST(ProcessTranslation, ControllerSlotsBecomeChannelMessages)
{
    VstMidiEvent event;
    ASSERT_TRUE(midiEventForController(11150 + 2 * 130 + 129, 17, 1.0, event));
    EXPECT_EQ(event.type, kVstMidiType);
    EXPECT_EQ(event.byteSize, 32);
    EXPECT_EQ(event.deltaFrames, 17);
    EXPECT_EQ(byteAt(event, 0), 0xE2u);
    EXPECT_EQ(byteAt(event, 1), 16383u & 0x7F);
    EXPECT_EQ(byteAt(event, 2), 16383u >> 7);

    ASSERT_TRUE(midiEventForController(11150 + 7 * 130 + 128, 0, 0.5, event));
    EXPECT_EQ(byteAt(event, 0), 0xD7u);
    EXPECT_EQ(byteAt(event, 1), 63u);

    ASSERT_TRUE(midiEventForController(11150 + 74, 0, 1.0, event));
    EXPECT_EQ(byteAt(event, 0), 0xB0u);
    EXPECT_EQ(byteAt(event, 1), 74u);
    EXPECT_EQ(byteAt(event, 2), 127u);

    ASSERT_TRUE(midiEventForController(12190, 0, 0.0, event)); // the lone id that ends the range
    EXPECT_EQ(byteAt(event, 0), 0xB8u);
    EXPECT_FALSE(midiEventForController(11149, 0, 0.0, event));
    EXPECT_FALSE(midiEventForController(12191, 0, 0.0, event));
}

TEST(ProcessTranslation, NoteAndDataEventsBecomeMidi)
{
    Event source{};
    source.sampleOffset = 5;
    source.type = Event::kNoteOnEvent;
    source.noteOn.channel = 3;
    source.noteOn.pitch = 60;
    source.noteOn.velocity = 1.0f;
    VstMidiEvent event;
    ASSERT_TRUE(midiEventForEvent(source, event));
    EXPECT_EQ(event.deltaFrames, 5);
    EXPECT_EQ(byteAt(event, 0), 0x93u);
    EXPECT_EQ(byteAt(event, 1), 60u);
    EXPECT_EQ(byteAt(event, 2), 127u);

    const uint8 bytes[] = {0xC0, 0x05, 0x00, 0x00, 0x11, 0x22};
    source.type = Event::kDataEvent;
    source.data.size = sizeof bytes;
    source.data.bytes = bytes;
    ASSERT_TRUE(midiEventForEvent(source, event));
    EXPECT_EQ(byteAt(event, 0), 0xC0u);
    EXPECT_EQ(byteAt(event, 1), 5u);
    EXPECT_EQ(event.detune, 0); // never more than four bytes copied

    source.type = Event::kPolyPressureEvent;
    EXPECT_FALSE(midiEventForEvent(source, event));
}
