// Ids and record layouts compared at compile time; a mismatch fails the build.
#include "travesty/audio_processor.h"
#include "travesty/bstream.h"
#include "travesty/component.h"
#include "travesty/edit_controller.h"
#include "travesty/events.h"
#include "travesty/factory.h"
#include "travesty/host.h"
#include "travesty/message.h"
#include "travesty/view.h"

#include "pluginterfaces/base/ibstream.h"
#include "pluginterfaces/base/ipluginbase.h"
#include "pluginterfaces/gui/iplugview.h"
#include "pluginterfaces/gui/iplugviewcontentscalesupport.h"
#include "pluginterfaces/vst/ivstaudioprocessor.h"
#include "pluginterfaces/vst/ivstcomponent.h"
#include "pluginterfaces/vst/ivsteditcontroller.h"
#include "pluginterfaces/vst/ivstevents.h"
#include "pluginterfaces/vst/ivsthostapplication.h"
#include "pluginterfaces/vst/ivstmessage.h"
#include "pluginterfaces/vst/ivstparameterchanges.h"
#include "pluginterfaces/vst/ivstplugview.h"
#include "pluginterfaces/vst/ivstprocesscontext.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <cstring>

using namespace Steinberg;
using namespace Steinberg::Vst;

namespace
{

constexpr bool sameBytes(const TUID ours, const v3_tuid theirs)
{
    for (int i = 0; i < 16; ++i)
        if (static_cast<uint8_t>(ours[i]) != theirs[i]) return false;
    return true;
}

#define SAME_IID(ours, theirs) static_assert(sameBytes(ours##_iid, theirs), #ours " id differs")

SAME_IID(FUnknown, v3_funknown_iid);
SAME_IID(IPluginBase, v3_plugin_base_iid);
SAME_IID(IPluginFactory, v3_plugin_factory_iid);
SAME_IID(IPluginFactory2, v3_plugin_factory_2_iid);
SAME_IID(IPluginFactory3, v3_plugin_factory_3_iid);
SAME_IID(IBStream, v3_bstream_iid);
SAME_IID(IComponent, v3_component_iid);
SAME_IID(IAudioProcessor, v3_audio_processor_iid);
SAME_IID(IParamValueQueue, v3_param_value_queue_iid);
SAME_IID(IParameterChanges, v3_param_changes_iid);
SAME_IID(IProcessContextRequirements, v3_process_context_requirements_iid);
SAME_IID(IEventList, v3_event_list_iid);
SAME_IID(IEditController, v3_edit_controller_iid);
SAME_IID(IComponentHandler, v3_component_handler_iid);
SAME_IID(IComponentHandler2, v3_component_handler2_iid);
SAME_IID(IMidiMapping, v3_midi_mapping_iid);
SAME_IID(IHostApplication, v3_host_application_iid);
SAME_IID(IAttributeList, v3_attribute_list_iid);
SAME_IID(IMessage, v3_message_iid);
SAME_IID(IConnectionPoint, v3_connection_point_iid);
SAME_IID(IPlugView, v3_plugin_view_iid);
SAME_IID(IPlugFrame, v3_plugin_frame_iid);
SAME_IID(IPlugViewContentScaleSupport, v3_plugin_view_content_scale_iid);
SAME_IID(IParameterFinder, v3_plugin_view_parameter_finder_iid);
SAME_IID(Linux::IEventHandler, v3_event_handler_iid);
SAME_IID(Linux::ITimerHandler, v3_timer_handler_iid);
SAME_IID(Linux::IRunLoop, v3_run_loop_iid);

#define SAME_SIZE(Ours, Theirs)                                                                    \
    static_assert(sizeof(Ours) == sizeof(Theirs) && alignof(Ours) == alignof(Theirs),              \
                  #Ours " size or alignment differs")
#define SAME_FIELD(Ours, ourField, Theirs, theirField)                                             \
    static_assert(offsetof(Ours, ourField) == offsetof(Theirs, theirField) &&                      \
                      sizeof(Ours::ourField) == sizeof(Theirs::theirField),                        \
                  #Ours "::" #ourField " differs")

SAME_SIZE(PFactoryInfo, v3_factory_info);
SAME_FIELD(PFactoryInfo, vendor, v3_factory_info, vendor);
SAME_FIELD(PFactoryInfo, url, v3_factory_info, url);
SAME_FIELD(PFactoryInfo, email, v3_factory_info, email);
SAME_FIELD(PFactoryInfo, flags, v3_factory_info, flags);

SAME_SIZE(PClassInfo, v3_class_info);
SAME_FIELD(PClassInfo, cid, v3_class_info, class_id);
SAME_FIELD(PClassInfo, cardinality, v3_class_info, cardinality);
SAME_FIELD(PClassInfo, category, v3_class_info, category);
SAME_FIELD(PClassInfo, name, v3_class_info, name);

SAME_SIZE(PClassInfo2, v3_class_info_2);
SAME_FIELD(PClassInfo2, cid, v3_class_info_2, class_id);
SAME_FIELD(PClassInfo2, cardinality, v3_class_info_2, cardinality);
SAME_FIELD(PClassInfo2, category, v3_class_info_2, category);
SAME_FIELD(PClassInfo2, name, v3_class_info_2, name);
SAME_FIELD(PClassInfo2, classFlags, v3_class_info_2, class_flags);
SAME_FIELD(PClassInfo2, subCategories, v3_class_info_2, sub_categories);
SAME_FIELD(PClassInfo2, vendor, v3_class_info_2, vendor);
SAME_FIELD(PClassInfo2, version, v3_class_info_2, version);
SAME_FIELD(PClassInfo2, sdkVersion, v3_class_info_2, sdk_version);

SAME_SIZE(PClassInfoW, v3_class_info_3);
SAME_FIELD(PClassInfoW, cid, v3_class_info_3, class_id);
SAME_FIELD(PClassInfoW, cardinality, v3_class_info_3, cardinality);
SAME_FIELD(PClassInfoW, category, v3_class_info_3, category);
SAME_FIELD(PClassInfoW, name, v3_class_info_3, name);
SAME_FIELD(PClassInfoW, classFlags, v3_class_info_3, class_flags);
SAME_FIELD(PClassInfoW, subCategories, v3_class_info_3, sub_categories);
SAME_FIELD(PClassInfoW, vendor, v3_class_info_3, vendor);
SAME_FIELD(PClassInfoW, version, v3_class_info_3, version);
SAME_FIELD(PClassInfoW, sdkVersion, v3_class_info_3, sdk_version);

SAME_SIZE(BusInfo, v3_bus_info);
SAME_FIELD(BusInfo, mediaType, v3_bus_info, media_type);
SAME_FIELD(BusInfo, direction, v3_bus_info, direction);
SAME_FIELD(BusInfo, channelCount, v3_bus_info, channel_count);
SAME_FIELD(BusInfo, name, v3_bus_info, bus_name);
SAME_FIELD(BusInfo, busType, v3_bus_info, bus_type);
SAME_FIELD(BusInfo, flags, v3_bus_info, flags);

SAME_SIZE(RoutingInfo, v3_routing_info);
SAME_FIELD(RoutingInfo, mediaType, v3_routing_info, media_type);
SAME_FIELD(RoutingInfo, busIndex, v3_routing_info, bus_idx);
SAME_FIELD(RoutingInfo, channel, v3_routing_info, channel);

SAME_SIZE(ProcessSetup, v3_process_setup);
SAME_FIELD(ProcessSetup, processMode, v3_process_setup, process_mode);
SAME_FIELD(ProcessSetup, symbolicSampleSize, v3_process_setup, symbolic_sample_size);
SAME_FIELD(ProcessSetup, maxSamplesPerBlock, v3_process_setup, max_block_size);
SAME_FIELD(ProcessSetup, sampleRate, v3_process_setup, sample_rate);

SAME_SIZE(AudioBusBuffers, v3_audio_bus_buffers);
SAME_FIELD(AudioBusBuffers, numChannels, v3_audio_bus_buffers, num_channels);
SAME_FIELD(AudioBusBuffers, silenceFlags, v3_audio_bus_buffers, channel_silence_bitset);
SAME_FIELD(AudioBusBuffers, channelBuffers32, v3_audio_bus_buffers, channel_buffers_32);
SAME_FIELD(AudioBusBuffers, channelBuffers64, v3_audio_bus_buffers, channel_buffers_64);

SAME_SIZE(ProcessData, v3_process_data);
SAME_FIELD(ProcessData, processMode, v3_process_data, process_mode);
SAME_FIELD(ProcessData, symbolicSampleSize, v3_process_data, symbolic_sample_size);
SAME_FIELD(ProcessData, numSamples, v3_process_data, nframes);
SAME_FIELD(ProcessData, numInputs, v3_process_data, num_input_buses);
SAME_FIELD(ProcessData, numOutputs, v3_process_data, num_output_buses);
SAME_FIELD(ProcessData, inputs, v3_process_data, inputs);
SAME_FIELD(ProcessData, outputs, v3_process_data, outputs);
SAME_FIELD(ProcessData, inputParameterChanges, v3_process_data, input_params);
SAME_FIELD(ProcessData, outputParameterChanges, v3_process_data, output_params);
SAME_FIELD(ProcessData, inputEvents, v3_process_data, input_events);
SAME_FIELD(ProcessData, outputEvents, v3_process_data, output_events);
SAME_FIELD(ProcessData, processContext, v3_process_data, ctx);

SAME_SIZE(FrameRate, v3_frame_rate);
SAME_SIZE(Chord, v3_chord);
SAME_FIELD(Chord, keyNote, v3_chord, key_note);
SAME_FIELD(Chord, rootNote, v3_chord, root_note);
SAME_FIELD(Chord, chordMask, v3_chord, chord_mask);

SAME_SIZE(ProcessContext, v3_process_context);
SAME_FIELD(ProcessContext, state, v3_process_context, state);
SAME_FIELD(ProcessContext, sampleRate, v3_process_context, sample_rate);
SAME_FIELD(ProcessContext, projectTimeSamples, v3_process_context, project_time_in_samples);
SAME_FIELD(ProcessContext, systemTime, v3_process_context, system_time_ns);
SAME_FIELD(ProcessContext, continousTimeSamples, v3_process_context, continuous_time_in_samples);
SAME_FIELD(ProcessContext, projectTimeMusic, v3_process_context, project_time_quarters);
SAME_FIELD(ProcessContext, barPositionMusic, v3_process_context, bar_position_quarters);
SAME_FIELD(ProcessContext, cycleStartMusic, v3_process_context, cycle_start_quarters);
SAME_FIELD(ProcessContext, cycleEndMusic, v3_process_context, cycle_end_quarters);
SAME_FIELD(ProcessContext, tempo, v3_process_context, bpm);
SAME_FIELD(ProcessContext, timeSigNumerator, v3_process_context, time_sig_numerator);
SAME_FIELD(ProcessContext, timeSigDenominator, v3_process_context, time_sig_denom);
SAME_FIELD(ProcessContext, chord, v3_process_context, chord);
SAME_FIELD(ProcessContext, smpteOffsetSubframes, v3_process_context, smpte_offset_subframes);
SAME_FIELD(ProcessContext, frameRate, v3_process_context, frame_rate);
SAME_FIELD(ProcessContext, samplesToNextClock, v3_process_context, samples_to_next_clock);

SAME_SIZE(NoteOnEvent, v3_event_note_on);
SAME_FIELD(NoteOnEvent, channel, v3_event_note_on, channel);
SAME_FIELD(NoteOnEvent, pitch, v3_event_note_on, pitch);
SAME_FIELD(NoteOnEvent, tuning, v3_event_note_on, tuning);
SAME_FIELD(NoteOnEvent, velocity, v3_event_note_on, velocity);
SAME_FIELD(NoteOnEvent, length, v3_event_note_on, length);
SAME_FIELD(NoteOnEvent, noteId, v3_event_note_on, note_id);

SAME_SIZE(NoteOffEvent, v3_event_note_off);
SAME_FIELD(NoteOffEvent, channel, v3_event_note_off, channel);
SAME_FIELD(NoteOffEvent, pitch, v3_event_note_off, pitch);
SAME_FIELD(NoteOffEvent, velocity, v3_event_note_off, velocity);
SAME_FIELD(NoteOffEvent, noteId, v3_event_note_off, note_id);
SAME_FIELD(NoteOffEvent, tuning, v3_event_note_off, tuning);

SAME_SIZE(DataEvent, v3_event_data);
SAME_FIELD(DataEvent, size, v3_event_data, size);
SAME_FIELD(DataEvent, type, v3_event_data, type);
SAME_FIELD(DataEvent, bytes, v3_event_data, bytes);

SAME_SIZE(PolyPressureEvent, v3_event_poly_pressure);
SAME_FIELD(PolyPressureEvent, pressure, v3_event_poly_pressure, pressure);
SAME_FIELD(PolyPressureEvent, noteId, v3_event_poly_pressure, note_id);

SAME_SIZE(ChordEvent, v3_event_chord);
SAME_FIELD(ChordEvent, textLen, v3_event_chord, text_len);
SAME_FIELD(ChordEvent, text, v3_event_chord, text);
SAME_SIZE(ScaleEvent, v3_event_scale);
SAME_FIELD(ScaleEvent, textLen, v3_event_scale, text_len);
SAME_FIELD(ScaleEvent, text, v3_event_scale, text);
SAME_SIZE(LegacyMIDICCOutEvent, v3_event_legacy_midi_cc_out);
SAME_SIZE(NoteExpressionValueEvent, v3_event_note_expression_value);
SAME_FIELD(NoteExpressionValueEvent, value, v3_event_note_expression_value, value);
// The C header's text event leaves out typeId, so only the enclosing Event is compared.

SAME_SIZE(Event, v3_event);
SAME_FIELD(Event, busIndex, v3_event, bus_index);
SAME_FIELD(Event, sampleOffset, v3_event, sample_offset);
SAME_FIELD(Event, ppqPosition, v3_event, ppq_position);
SAME_FIELD(Event, flags, v3_event, flags);
SAME_FIELD(Event, type, v3_event, type);
SAME_FIELD(Event, noteOn, v3_event, note_on);
SAME_FIELD(Event, data, v3_event, data);

SAME_SIZE(ParameterInfo, v3_param_info);
SAME_FIELD(ParameterInfo, id, v3_param_info, param_id);
SAME_FIELD(ParameterInfo, title, v3_param_info, title);
SAME_FIELD(ParameterInfo, shortTitle, v3_param_info, short_title);
SAME_FIELD(ParameterInfo, units, v3_param_info, units);
SAME_FIELD(ParameterInfo, stepCount, v3_param_info, step_count);
SAME_FIELD(ParameterInfo, defaultNormalizedValue, v3_param_info, default_normalised_value);
SAME_FIELD(ParameterInfo, unitId, v3_param_info, unit_id);
SAME_FIELD(ParameterInfo, flags, v3_param_info, flags);

SAME_SIZE(ViewRect, v3_view_rect);
SAME_FIELD(ViewRect, left, v3_view_rect, left);
SAME_FIELD(ViewRect, top, v3_view_rect, top);
SAME_FIELD(ViewRect, right, v3_view_rect, right);
SAME_FIELD(ViewRect, bottom, v3_view_rect, bottom);

static_assert(sizeof(String128) == sizeof(v3_str_128));
static_assert(sizeof(SpeakerArrangement) == sizeof(v3_speaker_arrangement));

// Flag and enum values a host and plug-in must agree on (compared as plain integers).
constexpr bool same(long long ours, long long theirs)
{
    return ours == theirs;
}

static_assert(same(kResultOk, V3_OK) && same(kResultFalse, V3_FALSE) &&
              same(kNoInterface, V3_NO_INTERFACE) && same(kInvalidArgument, V3_INVALID_ARG) &&
              same(kNotImplemented, V3_NOT_IMPLEMENTED) && same(kInternalError, V3_INTERNAL_ERR) &&
              same(kNotInitialized, V3_NOT_INITIALIZED) && same(kOutOfMemory, V3_NOMEM));
static_assert(same(ParameterInfo::kCanAutomate, V3_PARAM_CAN_AUTOMATE) &&
              same(ParameterInfo::kIsBypass, V3_PARAM_IS_BYPASS) &&
              same(ParameterInfo::kIsProgramChange, V3_PARAM_PROGRAM_CHANGE));
static_assert(same(kLatencyChanged, V3_RESTART_LATENCY_CHANGED) &&
              same(kParamValuesChanged, V3_RESTART_PARAM_VALUES_CHANGED) &&
              same(kIoChanged, V3_RESTART_IO_CHANGED));
static_assert(same(BusInfo::kDefaultActive, V3_DEFAULT_ACTIVE) && same(kMain, V3_MAIN) &&
              same(kAux, V3_AUX) && same(kAudio, V3_AUDIO) && same(kEvent, V3_EVENT) &&
              same(kInput, V3_INPUT) && same(kOutput, V3_OUTPUT));
static_assert(same(ProcessContext::kPlaying, V3_PROCESS_CTX_PLAYING) &&
              same(ProcessContext::kTempoValid, V3_PROCESS_CTX_TEMPO_VALID) &&
              same(ProcessContext::kTimeSigValid, V3_PROCESS_CTX_TIME_SIG_VALID) &&
              same(ProcessContext::kClockValid, V3_PROCESS_CTX_NEXT_CLOCK_VALID) &&
              same(ProcessContext::kContTimeValid, V3_PROCESS_CTX_CONT_TIME_VALID));
static_assert(same(Event::kNoteOnEvent, V3_EVENT_NOTE_ON) &&
              same(Event::kDataEvent, V3_EVENT_DATA) &&
              same(Event::kLegacyMIDICCOutEvent, V3_EVENT_LEGACY_MIDI_CC_OUT));
static_assert(same(SpeakerArr::kStereo, V3_SPEAKER_L | V3_SPEAKER_R) &&
              same(SpeakerArr::kMono, V3_SPEAKER_M));

} // namespace

// The iid objects are what queryInterface compares against at run time; they must hold the
// same bytes as the constants checked above even when read from another translation unit.
TEST(InterfaceIds, RuntimeIdObjectsHoldTheLinuxByteOrder)
{
    struct Pair
    {
        const FUID& ours;
        const uint8_t* theirs;
        const char* name;
    };
    const Pair pairs[] = {
        {FUnknown::iid, v3_funknown_iid, "FUnknown"},
        {IComponent::iid, v3_component_iid, "IComponent"},
        {IAudioProcessor::iid, v3_audio_processor_iid, "IAudioProcessor"},
        {IEditController::iid, v3_edit_controller_iid, "IEditController"},
        {IPluginFactory3::iid, v3_plugin_factory_3_iid, "IPluginFactory3"},
        {IPlugView::iid, v3_plugin_view_iid, "IPlugView"},
        {Linux::IRunLoop::iid, v3_run_loop_iid, "IRunLoop"},
    };
    for (const Pair& pair : pairs)
        EXPECT_EQ(0, std::memcmp(pair.ours.toTUID(), pair.theirs, 16)) << pair.name;

    // The word view and the text form follow the same order.
    EXPECT_EQ(IComponent::iid.getLong1(), 0xE831FF31u);
    char8 text[33];
    IComponent::iid.toString(text);
    EXPECT_STREQ(text, "E831FF31F2D54301928EBBEE25697802");
}
