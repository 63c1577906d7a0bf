// Ids and record layouts compared at compile time; a mismatch fails the build.
#include "travesty/audio_processor.h"
#include "travesty/bstream.h"
#include "travesty/component.h"
#include "travesty/edit_controller.h"
#include "travesty/events.h"
#include "travesty/factory.h"
#include "travesty/host.h"
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
SAME_IID(IMidiMapping, v3_midi_mapping_iid);
SAME_IID(IHostApplication, v3_host_application_iid);
SAME_IID(IPlugView, v3_plugin_view_iid);
SAME_IID(IPlugFrame, v3_plugin_frame_iid);
SAME_IID(IPlugViewContentScaleSupport, v3_plugin_view_content_scale_iid);
SAME_IID(IParameterFinder, v3_plugin_view_parameter_finder_iid);
SAME_IID(Linux::IEventHandler, v3_event_handler_iid);
SAME_IID(Linux::ITimerHandler, v3_timer_handler_iid);
SAME_IID(Linux::IRunLoop, v3_run_loop_iid);

// Expands macro(a, b) for each pair of names in the list.
#define FOR_EACH_PAIR(macro, ...) __VA_OPT__(EXPAND(PAIR_STEP(macro, __VA_ARGS__)))
#define PAIR_STEP(macro, a, b, ...) macro(a, b) __VA_OPT__(PAIR_AGAIN PARENS(macro, __VA_ARGS__))
#define PAIR_AGAIN() PAIR_STEP
#define PARENS ()
#define EXPAND(...) EXPAND3(EXPAND3(EXPAND3(EXPAND3(__VA_ARGS__))))
#define EXPAND3(...) EXPAND2(EXPAND2(EXPAND2(EXPAND2(__VA_ARGS__))))
#define EXPAND2(...) EXPAND1(EXPAND1(EXPAND1(EXPAND1(__VA_ARGS__))))
#define EXPAND1(...) __VA_ARGS__

// Size, alignment, and the offset and size of every field a host or the plug-in reads.
#define SAME_RECORD(Ours, Theirs, ...)                                                             \
    namespace record_##Ours                                                                        \
    {                                                                                              \
        using O = Ours;                                                                            \
        using T = Theirs;                                                                          \
        static_assert(sizeof(O) == sizeof(T) && alignof(O) == alignof(T), #Ours " size differs");  \
        FOR_EACH_PAIR(SAME_FIELD, __VA_ARGS__)                                                     \
    }
#define SAME_FIELD(ours, theirs)                                                                   \
    static_assert(offsetof(O, ours) == offsetof(T, theirs) &&                                      \
                      sizeof(O::ours) == sizeof(T::theirs),                                        \
                  #ours " differs");

SAME_RECORD(PFactoryInfo, v3_factory_info, vendor, vendor, url, url, email, email, flags, flags)
SAME_RECORD(PClassInfo, v3_class_info, cid, class_id, cardinality, cardinality, category, category,
            name, name)
SAME_RECORD(PClassInfo2, v3_class_info_2, cid, class_id, cardinality, cardinality, category,
            category, name, name, classFlags, class_flags, subCategories, sub_categories, vendor,
            vendor, version, version, sdkVersion, sdk_version)
SAME_RECORD(PClassInfoW, v3_class_info_3, cid, class_id, cardinality, cardinality, category,
            category, name, name, classFlags, class_flags, subCategories, sub_categories, vendor,
            vendor, version, version, sdkVersion, sdk_version)
SAME_RECORD(BusInfo, v3_bus_info, mediaType, media_type, direction, direction, channelCount,
            channel_count, name, bus_name, busType, bus_type, flags, flags)
SAME_RECORD(RoutingInfo, v3_routing_info, mediaType, media_type, busIndex, bus_idx, channel,
            channel)
SAME_RECORD(ProcessSetup, v3_process_setup, processMode, process_mode, symbolicSampleSize,
            symbolic_sample_size, maxSamplesPerBlock, max_block_size, sampleRate, sample_rate)
SAME_RECORD(AudioBusBuffers, v3_audio_bus_buffers, numChannels, num_channels, silenceFlags,
            channel_silence_bitset, channelBuffers32, channel_buffers_32, channelBuffers64,
            channel_buffers_64)
SAME_RECORD(ProcessData, v3_process_data, processMode, process_mode, symbolicSampleSize,
            symbolic_sample_size, numSamples, nframes, numInputs, num_input_buses, numOutputs,
            num_output_buses, inputs, inputs, outputs, outputs, inputParameterChanges, input_params,
            outputParameterChanges, output_params, inputEvents, input_events, outputEvents,
            output_events, processContext, ctx)
SAME_RECORD(ProcessContext, v3_process_context, state, state, sampleRate, sample_rate,
            projectTimeSamples, project_time_in_samples, systemTime, system_time_ns,
            continousTimeSamples, continuous_time_in_samples, projectTimeMusic,
            project_time_quarters, barPositionMusic, bar_position_quarters, cycleStartMusic,
            cycle_start_quarters, cycleEndMusic, cycle_end_quarters, tempo, bpm, timeSigNumerator,
            time_sig_numerator, timeSigDenominator, time_sig_denom, chord, chord,
            smpteOffsetSubframes, smpte_offset_subframes, frameRate, frame_rate, samplesToNextClock,
            samples_to_next_clock)
SAME_RECORD(NoteOnEvent, v3_event_note_on, channel, channel, pitch, pitch, tuning, tuning, velocity,
            velocity, length, length, noteId, note_id)
SAME_RECORD(NoteOffEvent, v3_event_note_off, channel, channel, pitch, pitch, velocity, velocity,
            noteId, note_id, tuning, tuning)
// The other events are read by no one here; the size of the union below covers them.
SAME_RECORD(DataEvent, v3_event_data, size, size, type, type, bytes, bytes)
SAME_RECORD(Event, v3_event, busIndex, bus_index, sampleOffset, sample_offset, ppqPosition,
            ppq_position, flags, flags, type, type, noteOn, note_on, noteOff, note_off, data, data)
SAME_RECORD(ParameterInfo, v3_param_info, id, param_id, title, title, shortTitle, short_title,
            units, units, stepCount, step_count, defaultNormalizedValue, default_normalised_value,
            unitId, unit_id, flags, flags)
SAME_RECORD(ViewRect, v3_view_rect, left, left, top, top, right, right, bottom, bottom)

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
