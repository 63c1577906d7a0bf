#include "RecordingEffect.h"

#include <cstddef>
#include <cstring>
#include <gtest/gtest.h>

// A VST 2.4 host reads these offsets directly; any drift breaks every host.
static_assert(offsetof(AEffect, dispatcher) == 8);
static_assert(offsetof(AEffect, numPrograms) == 40);
static_assert(offsetof(AEffect, flags) == 56);
static_assert(offsetof(AEffect, resvd1) == 64);
static_assert(offsetof(AEffect, initialDelay) == 80);
static_assert(offsetof(AEffect, ioRatio) == 92);
static_assert(offsetof(AEffect, object) == 96);
static_assert(offsetof(AEffect, uniqueID) == 112);
static_assert(offsetof(AEffect, processReplacing) == 120);
static_assert(offsetof(AEffect, future) == 136);
static_assert(sizeof(AEffect) == 192);
static_assert(sizeof(VstTimeInfo) == 88 && offsetof(VstTimeInfo, timeSigNumerator) == 64);
static_assert(sizeof(VstMidiEvent) == 32 && offsetof(VstMidiEvent, midiData) == 24);
static_assert(sizeof(VstEvents) == 32 && offsetof(VstEvents, events) == 16);
static_assert(sizeof(ERect) == 8);
static_assert(sizeof(VstPinProperties) == 128);
static_assert(sizeof(VstSpeakerArrangement) == 8 + 8 * 112);

TEST(EffectRecord, FreshEffectCarriesTheBaseDefaults)
{
    RecordingEffect effect;
    const AEffect& record = *effect.getAeffect();
    EXPECT_EQ(record.magic, 0x56737450);
    EXPECT_EQ(std::memcmp(&record.magic, "PtsV", 4), 0); // 'VstP' read big-endian
    EXPECT_EQ(record.flags, effFlagsCanReplacing);
    EXPECT_EQ(record.numInputs, 1);
    EXPECT_EQ(record.numOutputs, 2);
    EXPECT_EQ(record.numPrograms, 1);
    EXPECT_EQ(record.numParams, 4);
    EXPECT_EQ(record.ioRatio, 1.0f);
    EXPECT_EQ(record.uniqueID, 0x4E6F4566);
    EXPECT_EQ(record.version, 1);
    EXPECT_EQ(record.object, &effect);
    EXPECT_EQ(record.initialDelay, 0);
    EXPECT_EQ(effect.getSampleRate(), 44100.0f);
    EXPECT_EQ(effect.getBlockSize(), 1024);
    for (char byte : record.future) EXPECT_EQ(byte, 0);
}

TEST(EffectRecord, EditorRegistrationSetsFlagAndIsOwned)
{
    int destroyed = 0;
    {
        RecordingEffect effect;
        effect.setEditor(new CountingEditor(&effect, &destroyed));
        EXPECT_TRUE(effect.getAeffect()->flags & effFlagsHasEditor);
    }
    EXPECT_EQ(destroyed, 1);
}

TEST(EffectRecord, SpeakerArrangementsGrowBeyondEightAndCopy)
{
    RecordingEffect effect;
    VstSpeakerArrangement* source = nullptr;
    ASSERT_TRUE(effect.allocateArrangement(&source, 10));
    source->type = kSpeakerArrStereo;
    std::memset(speakerAt(source, 9)->name, 'x', 64);
    VstSpeakerArrangement* copy = nullptr;
    ASSERT_TRUE(effect.matchArrangement(&copy, source));
    EXPECT_EQ(copy->numChannels, 10);
    EXPECT_EQ(copy->type, kSpeakerArrStereo);
    EXPECT_EQ(std::strlen(speakerAt(copy, 9)->name), 63u);
    EXPECT_TRUE(effect.deallocateArrangement(&copy));
    EXPECT_TRUE(effect.deallocateArrangement(&source));
    EXPECT_EQ(source, nullptr);
    EXPECT_TRUE(effect.deallocateArrangement(&source));
}

TEST(EffectRecord, TextConversionsRefuseToTruncate)
{
    RecordingEffect effect;
    char text[16];
    effect.float2string(1.5f, text, sizeof text);
    EXPECT_STREQ(text, "1.50");
    effect.float2string(123456.0f, text, 6);
    EXPECT_STREQ(text, "Huge!");
    effect.dB2string(1.0f, text, sizeof text);
    EXPECT_STREQ(text, "0.00");
    effect.int2string(1234567, text, 4);
    EXPECT_STREQ(text, "Hug"); // even the overflow text is cut rather than overrun
}
