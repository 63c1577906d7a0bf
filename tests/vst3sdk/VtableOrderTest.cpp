// Calls every method of our interfaces through the C function tables of the independent
// headers. Each probe method records its declaration slot; a slot that lands on the wrong
// method means our virtual order differs from the ABI.
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
#include "pluginterfaces/vst/ivstaudioprocessor.h"
#include "pluginterfaces/vst/ivstcomponent.h"
#include "pluginterfaces/vst/ivsteditcontroller.h"
#include "pluginterfaces/vst/ivstevents.h"
#include "pluginterfaces/vst/ivsthostapplication.h"
#include "pluginterfaces/vst/ivstparameterchanges.h"

#include <gtest/gtest.h>

using namespace Steinberg;
using namespace Steinberg::Vst;

namespace
{

template <class I> class Probe : public I
{
public:
    int slot = -1;

    tresult hit(int n)
    {
        slot = n;
        return kResultOk;
    }
    tresult PLUGIN_API queryInterface(const TUID, void**) override { return hit(0); }
    uint32 PLUGIN_API addRef() override { return static_cast<uint32>(hit(1)); }
    uint32 PLUGIN_API release() override { return static_cast<uint32>(hit(2)); }

    void* self() { return static_cast<I*>(this); }
    template <class Table> Table* table() { return *static_cast<Table**>(self()); }

    // Runs one call through the C table and returns the slot it reached.
    template <class Call> int reached(Call call)
    {
        slot = -1;
        call();
        return slot;
    }
};

struct StreamTable : v3_funknown
{
    v3_bstream stream;
};
struct HandlerTable : v3_funknown
{
    v3_component_handler handler;
};

class StreamProbe : public Probe<IBStream>
{
public:
    tresult PLUGIN_API read(void*, int32, int32*) override { return hit(3); }
    tresult PLUGIN_API write(void*, int32, int32*) override { return hit(4); }
    tresult PLUGIN_API seek(int64, int32, int64*) override { return hit(5); }
    tresult PLUGIN_API tell(int64*) override { return hit(6); }
};

class FactoryProbe : public Probe<IPluginFactory3>
{
public:
    tresult PLUGIN_API getFactoryInfo(PFactoryInfo*) override { return hit(3); }
    int32 PLUGIN_API countClasses() override { return hit(4); }
    tresult PLUGIN_API getClassInfo(int32, PClassInfo*) override { return hit(5); }
    tresult PLUGIN_API createInstance(FIDString, FIDString, void**) override { return hit(6); }
    tresult PLUGIN_API getClassInfo2(int32, PClassInfo2*) override { return hit(7); }
    tresult PLUGIN_API getClassInfoUnicode(int32, PClassInfoW*) override { return hit(8); }
    tresult PLUGIN_API setHostContext(FUnknown*) override { return hit(9); }
};

class ComponentProbe : public Probe<IComponent>
{
public:
    tresult PLUGIN_API initialize(FUnknown*) override { return hit(3); }
    tresult PLUGIN_API terminate() override { return hit(4); }
    tresult PLUGIN_API getControllerClassId(TUID) override { return hit(5); }
    tresult PLUGIN_API setIoMode(IoMode) override { return hit(6); }
    int32 PLUGIN_API getBusCount(MediaType, BusDirection) override { return hit(7); }
    tresult PLUGIN_API getBusInfo(MediaType, BusDirection, int32, BusInfo&) override
    {
        return hit(8);
    }
    tresult PLUGIN_API getRoutingInfo(RoutingInfo&, RoutingInfo&) override { return hit(9); }
    tresult PLUGIN_API activateBus(MediaType, BusDirection, int32, TBool) override
    {
        return hit(10);
    }
    tresult PLUGIN_API setActive(TBool) override { return hit(11); }
    tresult PLUGIN_API setState(IBStream*) override { return hit(12); }
    tresult PLUGIN_API getState(IBStream*) override { return hit(13); }
};

class ProcessorProbe : public Probe<IAudioProcessor>
{
public:
    tresult PLUGIN_API setBusArrangements(SpeakerArrangement*, int32, SpeakerArrangement*,
                                          int32) override
    {
        return hit(3);
    }
    tresult PLUGIN_API getBusArrangement(BusDirection, int32, SpeakerArrangement&) override
    {
        return hit(4);
    }
    tresult PLUGIN_API canProcessSampleSize(int32) override { return hit(5); }
    uint32 PLUGIN_API getLatencySamples() override { return static_cast<uint32>(hit(6)); }
    tresult PLUGIN_API setupProcessing(ProcessSetup&) override { return hit(7); }
    tresult PLUGIN_API setProcessing(TBool) override { return hit(8); }
    tresult PLUGIN_API process(ProcessData&) override { return hit(9); }
    uint32 PLUGIN_API getTailSamples() override { return static_cast<uint32>(hit(10)); }
};

class ControllerProbe : public Probe<IEditController>
{
public:
    tresult PLUGIN_API initialize(FUnknown*) override { return hit(3); }
    tresult PLUGIN_API terminate() override { return hit(4); }
    tresult PLUGIN_API setComponentState(IBStream*) override { return hit(5); }
    tresult PLUGIN_API setState(IBStream*) override { return hit(6); }
    tresult PLUGIN_API getState(IBStream*) override { return hit(7); }
    int32 PLUGIN_API getParameterCount() override { return hit(8); }
    tresult PLUGIN_API getParameterInfo(int32, ParameterInfo&) override { return hit(9); }
    tresult PLUGIN_API getParamStringByValue(ParamID, ParamValue, String128) override
    {
        return hit(10);
    }
    tresult PLUGIN_API getParamValueByString(ParamID, TChar*, ParamValue&) override
    {
        return hit(11);
    }
    ParamValue PLUGIN_API normalizedParamToPlain(ParamID, ParamValue) override { return hit(12); }
    ParamValue PLUGIN_API plainParamToNormalized(ParamID, ParamValue) override { return hit(13); }
    ParamValue PLUGIN_API getParamNormalized(ParamID) override { return hit(14); }
    tresult PLUGIN_API setParamNormalized(ParamID, ParamValue) override { return hit(15); }
    tresult PLUGIN_API setComponentHandler(IComponentHandler*) override { return hit(16); }
    IPlugView* PLUGIN_API createView(FIDString) override
    {
        hit(17);
        return nullptr;
    }
};

class HandlerProbe : public Probe<IComponentHandler>
{
public:
    tresult PLUGIN_API beginEdit(ParamID) override { return hit(3); }
    tresult PLUGIN_API performEdit(ParamID, ParamValue) override { return hit(4); }
    tresult PLUGIN_API endEdit(ParamID) override { return hit(5); }
    tresult PLUGIN_API restartComponent(int32) override { return hit(6); }
};

class QueueProbe : public Probe<IParamValueQueue>
{
public:
    ParamID PLUGIN_API getParameterId() override { return static_cast<ParamID>(hit(3)); }
    int32 PLUGIN_API getPointCount() override { return hit(4); }
    tresult PLUGIN_API getPoint(int32, int32&, ParamValue&) override { return hit(5); }
    tresult PLUGIN_API addPoint(int32, ParamValue, int32&) override { return hit(6); }
};

class ChangesProbe : public Probe<IParameterChanges>
{
public:
    int32 PLUGIN_API getParameterCount() override { return hit(3); }
    IParamValueQueue* PLUGIN_API getParameterData(int32) override
    {
        hit(4);
        return nullptr;
    }
    IParamValueQueue* PLUGIN_API addParameterData(const ParamID&, int32&) override
    {
        hit(5);
        return nullptr;
    }
};

class EventsProbe : public Probe<IEventList>
{
public:
    int32 PLUGIN_API getEventCount() override { return hit(3); }
    tresult PLUGIN_API getEvent(int32, Event&) override { return hit(4); }
    tresult PLUGIN_API addEvent(Event&) override { return hit(5); }
};

class HostProbe : public Probe<IHostApplication>
{
public:
    tresult PLUGIN_API getName(String128) override { return hit(3); }
    tresult PLUGIN_API createInstance(TUID, TUID, void**) override { return hit(4); }
};

class ViewProbe : public Probe<IPlugView>
{
public:
    tresult PLUGIN_API isPlatformTypeSupported(FIDString) override { return hit(3); }
    tresult PLUGIN_API attached(void*, FIDString) override { return hit(4); }
    tresult PLUGIN_API removed() override { return hit(5); }
    tresult PLUGIN_API onWheel(float) override { return hit(6); }
    tresult PLUGIN_API onKeyDown(char16, int16, int16) override { return hit(7); }
    tresult PLUGIN_API onKeyUp(char16, int16, int16) override { return hit(8); }
    tresult PLUGIN_API getSize(ViewRect*) override { return hit(9); }
    tresult PLUGIN_API onSize(ViewRect*) override { return hit(10); }
    tresult PLUGIN_API onFocus(TBool) override { return hit(11); }
    tresult PLUGIN_API setFrame(IPlugFrame*) override { return hit(12); }
    tresult PLUGIN_API canResize() override { return hit(13); }
    tresult PLUGIN_API checkSizeConstraint(ViewRect*) override { return hit(14); }
};

class RunLoopProbe : public Probe<Linux::IRunLoop>
{
public:
    tresult PLUGIN_API registerEventHandler(Linux::IEventHandler*, Linux::FileDescriptor) override
    {
        return hit(3);
    }
    tresult PLUGIN_API unregisterEventHandler(Linux::IEventHandler*) override { return hit(4); }
    tresult PLUGIN_API registerTimer(Linux::ITimerHandler*, Linux::TimerInterval) override
    {
        return hit(5);
    }
    tresult PLUGIN_API unregisterTimer(Linux::ITimerHandler*) override { return hit(6); }
};

} // namespace

TEST(VtableOrder, FUnknownAndStreamAndFactory)
{
    StreamProbe stream;
    auto* s = stream.table<StreamTable>();
    void* self = stream.self();
    v3_tuid id{};
    void* out = nullptr;
    EXPECT_EQ(0, stream.reached([&] { s->query_interface(self, id, &out); }));
    EXPECT_EQ(1, stream.reached([&] { s->ref(self); }));
    EXPECT_EQ(2, stream.reached([&] { s->unref(self); }));
    EXPECT_EQ(3, stream.reached([&] { s->stream.read(self, nullptr, 0, nullptr); }));
    EXPECT_EQ(4, stream.reached([&] { s->stream.write(self, nullptr, 0, nullptr); }));
    EXPECT_EQ(5, stream.reached([&] { s->stream.seek(self, 0, 0, nullptr); }));
    EXPECT_EQ(6, stream.reached([&] { s->stream.tell(self, nullptr); }));

    FactoryProbe factory;
    auto* f = factory.table<v3_plugin_factory_cpp>();
    self = factory.self();
    EXPECT_EQ(3, factory.reached([&] { f->v1.get_factory_info(self, nullptr); }));
    EXPECT_EQ(4, factory.reached([&] { f->v1.num_classes(self); }));
    EXPECT_EQ(5, factory.reached([&] { f->v1.get_class_info(self, 0, nullptr); }));
    EXPECT_EQ(6, factory.reached([&] { f->v1.create_instance(self, id, id, &out); }));
    EXPECT_EQ(7, factory.reached([&] { f->v2.get_class_info_2(self, 0, nullptr); }));
    EXPECT_EQ(8, factory.reached([&] { f->v3.get_class_info_utf16(self, 0, nullptr); }));
    EXPECT_EQ(9, factory.reached([&] { f->v3.set_host_context(self, nullptr); }));
}

TEST(VtableOrder, ComponentAndProcessor)
{
    ComponentProbe component;
    auto* c = component.table<v3_component_cpp>();
    void* self = component.self();
    v3_tuid id{};
    v3_bus_info bus{};
    v3_routing_info routing{};
    EXPECT_EQ(3, component.reached([&] { c->base.initialize(self, nullptr); }));
    EXPECT_EQ(4, component.reached([&] { c->base.terminate(self); }));
    EXPECT_EQ(5, component.reached([&] { c->comp.get_controller_class_id(self, id); }));
    EXPECT_EQ(6, component.reached([&] { c->comp.set_io_mode(self, 0); }));
    EXPECT_EQ(7, component.reached([&] { c->comp.get_bus_count(self, 0, 0); }));
    EXPECT_EQ(8, component.reached([&] { c->comp.get_bus_info(self, 0, 0, 0, &bus); }));
    EXPECT_EQ(9, component.reached([&] { c->comp.get_routing_info(self, &routing, &routing); }));
    EXPECT_EQ(10, component.reached([&] { c->comp.activate_bus(self, 0, 0, 0, 1); }));
    EXPECT_EQ(11, component.reached([&] { c->comp.set_active(self, 1); }));
    EXPECT_EQ(12, component.reached([&] { c->comp.set_state(self, nullptr); }));
    EXPECT_EQ(13, component.reached([&] { c->comp.get_state(self, nullptr); }));

    ProcessorProbe processor;
    auto* p = processor.table<v3_audio_processor_cpp>();
    self = processor.self();
    v3_speaker_arrangement arrangement = 0;
    v3_process_setup setup{};
    v3_process_data data{};
    EXPECT_EQ(
        3, processor.reached([&] { p->proc.set_bus_arrangements(self, nullptr, 0, nullptr, 0); }));
    EXPECT_EQ(4, processor.reached([&] { p->proc.get_bus_arrangement(self, 0, 0, &arrangement); }));
    EXPECT_EQ(5, processor.reached([&] { p->proc.can_process_sample_size(self, 0); }));
    EXPECT_EQ(6, processor.reached([&] { p->proc.get_latency_samples(self); }));
    EXPECT_EQ(7, processor.reached([&] { p->proc.setup_processing(self, &setup); }));
    EXPECT_EQ(8, processor.reached([&] { p->proc.set_processing(self, 1); }));
    EXPECT_EQ(9, processor.reached([&] { p->proc.process(self, &data); }));
    EXPECT_EQ(10, processor.reached([&] { p->proc.get_tail_samples(self); }));
}

TEST(VtableOrder, ControllerAndHandler)
{
    ControllerProbe controller;
    auto* c = controller.table<v3_edit_controller_cpp>();
    void* self = controller.self();
    v3_param_info info{};
    v3_str_128 text{};
    double value = 0;
    EXPECT_EQ(3, controller.reached([&] { c->base.initialize(self, nullptr); }));
    EXPECT_EQ(4, controller.reached([&] { c->base.terminate(self); }));
    EXPECT_EQ(5, controller.reached([&] { c->ctrl.set_component_state(self, nullptr); }));
    EXPECT_EQ(6, controller.reached([&] { c->ctrl.set_state(self, nullptr); }));
    EXPECT_EQ(7, controller.reached([&] { c->ctrl.get_state(self, nullptr); }));
    EXPECT_EQ(8, controller.reached([&] { c->ctrl.get_parameter_count(self); }));
    EXPECT_EQ(9, controller.reached([&] { c->ctrl.get_parameter_info(self, 0, &info); }));
    EXPECT_EQ(
        10, controller.reached([&] { c->ctrl.get_parameter_string_for_value(self, 0, 0, text); }));
    EXPECT_EQ(11, controller.reached(
                      [&] { c->ctrl.get_parameter_value_for_string(self, 0, text, &value); }));
    EXPECT_EQ(12, controller.reached([&] { c->ctrl.normalised_parameter_to_plain(self, 0, 0); }));
    EXPECT_EQ(13, controller.reached([&] { c->ctrl.plain_parameter_to_normalised(self, 0, 0); }));
    EXPECT_EQ(14, controller.reached([&] { c->ctrl.get_parameter_normalised(self, 0); }));
    EXPECT_EQ(15, controller.reached([&] { c->ctrl.set_parameter_normalised(self, 0, 0); }));
    EXPECT_EQ(16, controller.reached([&] { c->ctrl.set_component_handler(self, nullptr); }));
    EXPECT_EQ(17, controller.reached([&] { c->ctrl.create_view(self, "editor"); }));

    HandlerProbe handler;
    auto* h = handler.table<HandlerTable>();
    self = handler.self();
    EXPECT_EQ(3, handler.reached([&] { h->handler.begin_edit(self, 0); }));
    EXPECT_EQ(4, handler.reached([&] { h->handler.perform_edit(self, 0, 0); }));
    EXPECT_EQ(5, handler.reached([&] { h->handler.end_edit(self, 0); }));
    EXPECT_EQ(6, handler.reached([&] { h->handler.restart_component(self, 0); }));
}

TEST(VtableOrder, ProcessInputsAndHost)
{
    QueueProbe queue;
    auto* q = queue.table<v3_param_value_queue_cpp>();
    void* self = queue.self();
    int32_t offset = 0;
    double value = 0;
    EXPECT_EQ(3, queue.reached([&] { q->queue.get_param_id(self); }));
    EXPECT_EQ(4, queue.reached([&] { q->queue.get_point_count(self); }));
    EXPECT_EQ(5, queue.reached([&] { q->queue.get_point(self, 0, &offset, &value); }));
    EXPECT_EQ(6, queue.reached([&] { q->queue.add_point(self, 0, 0, &offset); }));

    ChangesProbe changes;
    auto* ch = changes.table<v3_param_changes_cpp>();
    self = changes.self();
    v3_param_id id = 0;
    EXPECT_EQ(3, changes.reached([&] { ch->changes.get_param_count(self); }));
    EXPECT_EQ(4, changes.reached([&] { ch->changes.get_param_data(self, 0); }));
    EXPECT_EQ(5, changes.reached([&] { ch->changes.add_param_data(self, &id, &offset); }));

    EventsProbe events;
    auto* e = events.table<v3_event_list_cpp>();
    self = events.self();
    v3_event event{};
    EXPECT_EQ(3, events.reached([&] { e->list.get_event_count(self); }));
    EXPECT_EQ(4, events.reached([&] { e->list.get_event(self, 0, &event); }));
    EXPECT_EQ(5, events.reached([&] { e->list.add_event(self, &event); }));

    HostProbe host;
    auto* a = host.table<v3_host_application_cpp>();
    self = host.self();
    v3_str_128 name{};
    v3_tuid cid{};
    void* out = nullptr;
    EXPECT_EQ(3, host.reached([&] { a->app.get_name(self, name); }));
    EXPECT_EQ(4, host.reached([&] { a->app.create_instance(self, cid, cid, &out); }));
}

TEST(VtableOrder, ViewAndRunLoop)
{
    ViewProbe view;
    auto* v = view.table<v3_plugin_view_cpp>();
    void* self = view.self();
    v3_view_rect rect{};
    EXPECT_EQ(3,
              view.reached([&] { v->view.is_platform_type_supported(self, "X11EmbedWindowID"); }));
    EXPECT_EQ(4, view.reached([&] { v->view.attached(self, nullptr, "X11EmbedWindowID"); }));
    EXPECT_EQ(5, view.reached([&] { v->view.removed(self); }));
    EXPECT_EQ(6, view.reached([&] { v->view.on_wheel(self, 0); }));
    EXPECT_EQ(7, view.reached([&] { v->view.on_key_down(self, 0, 0, 0); }));
    EXPECT_EQ(8, view.reached([&] { v->view.on_key_up(self, 0, 0, 0); }));
    EXPECT_EQ(9, view.reached([&] { v->view.get_size(self, &rect); }));
    EXPECT_EQ(10, view.reached([&] { v->view.on_size(self, &rect); }));
    EXPECT_EQ(11, view.reached([&] { v->view.on_focus(self, 1); }));
    EXPECT_EQ(12, view.reached([&] { v->view.set_frame(self, nullptr); }));
    EXPECT_EQ(13, view.reached([&] { v->view.can_resize(self); }));
    EXPECT_EQ(14, view.reached([&] { v->view.check_size_constraint(self, &rect); }));

    RunLoopProbe loop;
    auto* l = loop.table<v3_run_loop_cpp>();
    self = loop.self();
    EXPECT_EQ(3, loop.reached([&] { l->loop.register_event_handler(self, nullptr, 0); }));
    EXPECT_EQ(4, loop.reached([&] { l->loop.unregister_event_handler(self, nullptr); }));
    EXPECT_EQ(5, loop.reached([&] { l->loop.register_timer(self, nullptr, 50); }));
    EXPECT_EQ(6, loop.reached([&] { l->loop.unregister_timer(self, nullptr); }));
}
