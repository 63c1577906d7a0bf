#include "VST3Adapter/ProcessTranslation.h"

#include <algorithm>
#include <cstring>

namespace Steinberg::Vst
{
namespace
{
// VST 3 and VST 2 transport bits share their values; SMPTE is never passed on.
constexpr uint32 kSharedTransportBits = 0xBF0E;

void startMidiEvent(VstMidiEvent& event, int32 sampleOffset)
{
    std::memset(&event, 0, sizeof event);
    event.type = kVstMidiType;
    event.byteSize = sizeof(VstMidiEvent);
    event.deltaFrames = sampleOffset;
}

char midiByte(int value)
{
    return static_cast<char>(value & 0xFF);
}

// Out-of-range and NaN values from a host must not turn into undefined conversions.
int scaled(ParamValue value, double range)
{
    if (!(value > 0.0)) return 0;
    return static_cast<int>(std::min(value, 1.0) * range);
}
} // namespace

void translateProcessContext(const ProcessContext& context, VstTimeInfo& timeInfo)
{
    timeInfo.samplePos = static_cast<double>(context.projectTimeSamples);
    timeInfo.sampleRate = context.sampleRate;
    timeInfo.nanoSeconds = static_cast<double>(context.systemTime);
    timeInfo.ppqPos = context.projectTimeMusic;
    timeInfo.tempo = context.tempo;
    timeInfo.barStartPos = context.barPositionMusic;
    timeInfo.cycleStartPos = context.cycleStartMusic;
    timeInfo.cycleEndPos = context.cycleEndMusic;
    timeInfo.timeSigNumerator = context.timeSigNumerator;
    timeInfo.timeSigDenominator = context.timeSigDenominator;
    timeInfo.samplesToNextClock = context.samplesToNextClock;
    timeInfo.flags = static_cast<VstInt32>(context.state & kSharedTransportBits);
}

bool midiEventForController(ParamID id, int32 sampleOffset, ParamValue value, VstMidiEvent& event)
{
    if (id < kFirstMidiControllerId) return false;
    const uint32 slot = id - kFirstMidiControllerId;
    if (slot >= static_cast<uint32>(kNumMidiControllerIds)) return false;
    const int channel = static_cast<int>(slot / kMidiSlotsPerChannel);
    const int k = static_cast<int>(slot % kMidiSlotsPerChannel);

    startMidiEvent(event, sampleOffset);
    if (k == kPitchBendSlot)
    {
        const int bend = scaled(value, 16383.0);
        event.midiData[0] = midiByte(0xE0 + channel);
        event.midiData[1] = midiByte(bend & 0x7F);
        event.midiData[2] = midiByte(bend >> 7);
    }
    else if (k == kChannelPressureSlot)
    {
        event.midiData[0] = midiByte(0xD0 + channel);
        event.midiData[1] = midiByte(scaled(value, 127.0));
    }
    else
    {
        event.midiData[0] = midiByte(0xB0 + channel);
        event.midiData[1] = midiByte(k);
        event.midiData[2] = midiByte(scaled(value, 127.0));
    }
    return true;
}

bool midiEventForEvent(const Event& source, VstMidiEvent& event)
{
    startMidiEvent(event, source.sampleOffset);
    switch (source.type)
    {
    case Event::kNoteOnEvent:
        event.midiData[0] = midiByte(0x90 + (source.noteOn.channel & 0x0F));
        event.midiData[1] = midiByte(source.noteOn.pitch & 0x7F);
        event.midiData[2] = midiByte(scaled(source.noteOn.velocity, 127.0));
        return true;
    case Event::kNoteOffEvent:
        event.midiData[0] = midiByte(0x80 + (source.noteOff.channel & 0x0F));
        event.midiData[1] = midiByte(source.noteOff.pitch & 0x7F);
        return true;
    case Event::kDataEvent:
    {
        if (!source.data.bytes) return false;
        const uint32 count = std::min<uint32>(source.data.size, 4);
        std::memcpy(event.midiData, source.data.bytes, count);
        return true;
    }
    default:
        return false;
    }
}
} // namespace Steinberg::Vst
