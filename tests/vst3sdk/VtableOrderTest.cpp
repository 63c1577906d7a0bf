// Our virtual order against the C function tables of the independent headers: each method's
// vtable slot must be the index of the matching field in the table a C host calls through.
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

#include <gtest/gtest.h>

#include <cstddef>
#include <cstring>

using namespace Steinberg;
using namespace Steinberg::Vst;
using namespace Steinberg::Linux;

namespace
{

// The header gives some interfaces no table that includes FUnknown's three entries.
template <class T> struct WithUnknown : v3_funknown
{
    T table;
};

// A pointer to a virtual member function holds 1 + the byte offset of its slot (Itanium C++
// ABI), so the slot is read without a call.
template <class Method> std::ptrdiff_t ourSlot(Method method)
{
    static_assert(sizeof(Method) == 2 * sizeof(std::ptrdiff_t));
    std::ptrdiff_t words[2];
    std::memcpy(words, &method, sizeof words);
    return (words[0] - 1) / std::ptrdiff_t(sizeof(void*));
}

template <class Table, class Field> std::ptrdiff_t theirSlot(Field field)
{
    static Table table{};
    return (reinterpret_cast<const char*>(field(table)) - reinterpret_cast<const char*>(&table)) /
           std::ptrdiff_t(sizeof(void*));
}

#define SLOT(Ours, method, Table, field)                                                           \
    EXPECT_EQ(ourSlot(&Ours::method), theirSlot<Table>([](Table& t) { return &t.field; }))         \
        << #Ours "::" #method

} // namespace

TEST(VtableOrder, UnknownStreamAndFactory)
{
    SLOT(FUnknown, queryInterface, v3_funknown, query_interface);
    SLOT(FUnknown, addRef, v3_funknown, ref);
    SLOT(FUnknown, release, v3_funknown, unref);

    using Stream = WithUnknown<v3_bstream>;
    SLOT(IBStream, read, Stream, table.read);
    SLOT(IBStream, write, Stream, table.write);
    SLOT(IBStream, seek, Stream, table.seek);
    SLOT(IBStream, tell, Stream, table.tell);

    SLOT(IPluginFactory3, getFactoryInfo, v3_plugin_factory_cpp, v1.get_factory_info);
    SLOT(IPluginFactory3, countClasses, v3_plugin_factory_cpp, v1.num_classes);
    SLOT(IPluginFactory3, getClassInfo, v3_plugin_factory_cpp, v1.get_class_info);
    SLOT(IPluginFactory3, createInstance, v3_plugin_factory_cpp, v1.create_instance);
    SLOT(IPluginFactory3, getClassInfo2, v3_plugin_factory_cpp, v2.get_class_info_2);
    SLOT(IPluginFactory3, getClassInfoUnicode, v3_plugin_factory_cpp, v3.get_class_info_utf16);
    SLOT(IPluginFactory3, setHostContext, v3_plugin_factory_cpp, v3.set_host_context);
}

TEST(VtableOrder, ComponentAndProcessor)
{
    using Component = v3_component_cpp;
    SLOT(IComponent, initialize, Component, base.initialize);
    SLOT(IComponent, terminate, Component, base.terminate);
    SLOT(IComponent, getControllerClassId, Component, comp.get_controller_class_id);
    SLOT(IComponent, setIoMode, Component, comp.set_io_mode);
    SLOT(IComponent, getBusCount, Component, comp.get_bus_count);
    SLOT(IComponent, getBusInfo, Component, comp.get_bus_info);
    SLOT(IComponent, getRoutingInfo, Component, comp.get_routing_info);
    SLOT(IComponent, activateBus, Component, comp.activate_bus);
    SLOT(IComponent, setActive, Component, comp.set_active);
    SLOT(IComponent, setState, Component, comp.set_state);
    SLOT(IComponent, getState, Component, comp.get_state);

    using Processor = v3_audio_processor_cpp;
    SLOT(IAudioProcessor, setBusArrangements, Processor, proc.set_bus_arrangements);
    SLOT(IAudioProcessor, getBusArrangement, Processor, proc.get_bus_arrangement);
    SLOT(IAudioProcessor, canProcessSampleSize, Processor, proc.can_process_sample_size);
    SLOT(IAudioProcessor, getLatencySamples, Processor, proc.get_latency_samples);
    SLOT(IAudioProcessor, setupProcessing, Processor, proc.setup_processing);
    SLOT(IAudioProcessor, setProcessing, Processor, proc.set_processing);
    SLOT(IAudioProcessor, process, Processor, proc.process);
    SLOT(IAudioProcessor, getTailSamples, Processor, proc.get_tail_samples);
    SLOT(IProcessContextRequirements, getProcessContextRequirements,
         v3_process_context_requirements_cpp, req.get_process_context_requirements);
}

TEST(VtableOrder, ControllerAndHandler)
{
    using Controller = v3_edit_controller_cpp;
    SLOT(IEditController, initialize, Controller, base.initialize);
    SLOT(IEditController, terminate, Controller, base.terminate);
    SLOT(IEditController, setComponentState, Controller, ctrl.set_component_state);
    SLOT(IEditController, setState, Controller, ctrl.set_state);
    SLOT(IEditController, getState, Controller, ctrl.get_state);
    SLOT(IEditController, getParameterCount, Controller, ctrl.get_parameter_count);
    SLOT(IEditController, getParameterInfo, Controller, ctrl.get_parameter_info);
    SLOT(IEditController, getParamStringByValue, Controller, ctrl.get_parameter_string_for_value);
    SLOT(IEditController, getParamValueByString, Controller, ctrl.get_parameter_value_for_string);
    SLOT(IEditController, normalizedParamToPlain, Controller, ctrl.normalised_parameter_to_plain);
    SLOT(IEditController, plainParamToNormalized, Controller, ctrl.plain_parameter_to_normalised);
    SLOT(IEditController, getParamNormalized, Controller, ctrl.get_parameter_normalised);
    SLOT(IEditController, setParamNormalized, Controller, ctrl.set_parameter_normalised);
    SLOT(IEditController, setComponentHandler, Controller, ctrl.set_component_handler);
    SLOT(IEditController, createView, Controller, ctrl.create_view);
    SLOT(IMidiMapping, getMidiControllerAssignment, v3_midi_mapping_cpp,
         map.get_midi_controller_assignment);

    using Handler = WithUnknown<v3_component_handler>;
    SLOT(IComponentHandler, beginEdit, Handler, table.begin_edit);
    SLOT(IComponentHandler, performEdit, Handler, table.perform_edit);
    SLOT(IComponentHandler, endEdit, Handler, table.end_edit);
    SLOT(IComponentHandler, restartComponent, Handler, table.restart_component);
}

TEST(VtableOrder, ProcessInputsAndHost)
{
    using Queue = v3_param_value_queue_cpp;
    SLOT(IParamValueQueue, getParameterId, Queue, queue.get_param_id);
    SLOT(IParamValueQueue, getPointCount, Queue, queue.get_point_count);
    SLOT(IParamValueQueue, getPoint, Queue, queue.get_point);
    SLOT(IParamValueQueue, addPoint, Queue, queue.add_point);

    using Changes = v3_param_changes_cpp;
    SLOT(IParameterChanges, getParameterCount, Changes, changes.get_param_count);
    SLOT(IParameterChanges, getParameterData, Changes, changes.get_param_data);
    SLOT(IParameterChanges, addParameterData, Changes, changes.add_param_data);

    SLOT(IEventList, getEventCount, v3_event_list_cpp, list.get_event_count);
    SLOT(IEventList, getEvent, v3_event_list_cpp, list.get_event);
    SLOT(IEventList, addEvent, v3_event_list_cpp, list.add_event);

    SLOT(IHostApplication, getName, v3_host_application_cpp, app.get_name);
    SLOT(IHostApplication, createInstance, v3_host_application_cpp, app.create_instance);
}

TEST(VtableOrder, ViewFrameAndRunLoop)
{
    using View = v3_plugin_view_cpp;
    SLOT(IPlugView, isPlatformTypeSupported, View, view.is_platform_type_supported);
    SLOT(IPlugView, attached, View, view.attached);
    SLOT(IPlugView, removed, View, view.removed);
    SLOT(IPlugView, onWheel, View, view.on_wheel);
    SLOT(IPlugView, onKeyDown, View, view.on_key_down);
    SLOT(IPlugView, onKeyUp, View, view.on_key_up);
    SLOT(IPlugView, getSize, View, view.get_size);
    SLOT(IPlugView, onSize, View, view.on_size);
    SLOT(IPlugView, onFocus, View, view.on_focus);
    SLOT(IPlugView, setFrame, View, view.set_frame);
    SLOT(IPlugView, canResize, View, view.can_resize);
    SLOT(IPlugView, checkSizeConstraint, View, view.check_size_constraint);
    SLOT(IPlugFrame, resizeView, v3_plugin_frame_cpp, frame.resize_view);
    SLOT(IPlugViewContentScaleSupport, setContentScaleFactor,
         WithUnknown<v3_plugin_view_content_scale>, table.set_content_scale_factor);
    SLOT(IParameterFinder, findParameter, WithUnknown<v3_plugin_view_parameter_finder>,
         table.find_parameter);

    using Loop = WithUnknown<v3_run_loop>;
    SLOT(IRunLoop, registerEventHandler, Loop, table.register_event_handler);
    SLOT(IRunLoop, unregisterEventHandler, Loop, table.unregister_event_handler);
    SLOT(IRunLoop, registerTimer, Loop, table.register_timer);
    SLOT(IRunLoop, unregisterTimer, Loop, table.unregister_timer);
    SLOT(IEventHandler, onFDIsSet, WithUnknown<v3_event_handler>, table.on_fd_is_set);
    SLOT(ITimerHandler, onTimer, WithUnknown<v3_timer_handler>, table.on_timer);
}
