#pragma once
// Conversions of one VST 3 process call's context, controller parameters and events into
// what a VST 2.4 effect understands. All work on caller-provided records; nothing allocates.

#include "VST3Adapter/vst2base/aeffectx.h"
#include "pluginterfaces/vst/ivstevents.h"
#include "pluginterfaces/vst/ivstprocesscontext.h"
#include "pluginterfaces/vst/vsttypes.h"

namespace Steinberg::Vst
{
// Controller slots: id = first + channel * slotsPerChannel + k, k 0..127 control change,
// 128 channel pressure, 129 pitch bend.
constexpr ParamID kFirstMidiControllerId = 11150;
constexpr int32 kMidiSlotsPerChannel = 130;
constexpr int32 kMidiControllerChannels = 8;
constexpr int32 kNumMidiControllerIds = kMidiControllerChannels * kMidiSlotsPerChannel + 1;
constexpr int32 kChannelPressureSlot = 128;
constexpr int32 kPitchBendSlot = 129;

// Bypass is on only strictly above the smallest step a 16-bit host control can make.
constexpr double kBypassThreshold = 1.0 / 65536.0;

void translateProcessContext(const ProcessContext& context, VstTimeInfo& timeInfo);

// False for ids outside the controller slots.
bool midiEventForController(ParamID id, int32 sampleOffset, ParamValue value, VstMidiEvent& event);

// False for event types that have no MIDI form here.
bool midiEventForEvent(const Event& source, VstMidiEvent& event);
} // namespace Steinberg::Vst
