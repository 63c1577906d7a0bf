#pragma once

#include "host/AudioBuffers.h"
#include "host/BusDescription.h"
#include "host/ComponentHandlerRecorder.h"
#include "host/EventList.h"
#include "host/HostApplication.h"
#include "host/HostError.h"
#include "host/ParameterChanges.h"
#include "pluginterfaces/vst/ivstaudioprocessor.h"
#include "pluginterfaces/vst/ivstcomponent.h"
#include "pluginterfaces/vst/ivsteditcontroller.h"

#include <memory>
#include <mutex>
#include <string>
#include <utility>
#include <vector>

namespace velqa::host
{

class MemoryStream;
class Module;

// One component created from a module's factory, driven the way a host drives it. Only
// single-component effects (the controller is the component itself) are supported.
class PluginInstance
{
public:
    struct CreateResult
    {
        std::unique_ptr<PluginInstance> instance;
        HostError error = HostError::none;
    };

    // The first class of category "Audio Module Class" when classId is null.
    static CreateResult create(Module& module, const Steinberg::TUID classId = nullptr);

    ~PluginInstance();
    PluginInstance(const PluginInstance&) = delete;
    PluginInstance& operator=(const PluginInstance&) = delete;

    Steinberg::tresult initialize(const std::string& hostName = "Velqa Host");

    std::vector<BusDescription> buses(Steinberg::Vst::MediaType type,
                                      Steinberg::Vst::BusDirection direction) const;
    Steinberg::tresult activateBus(Steinberg::Vst::MediaType type,
                                   Steinberg::Vst::BusDirection direction, Steinberg::int32 index,
                                   bool active);
    Steinberg::tresult setBusArrangements(std::vector<Steinberg::Vst::SpeakerArrangement> inputs,
                                          std::vector<Steinberg::Vst::SpeakerArrangement> outputs);

    // Also sizes the audio buffers from the audio buses as they are now.
    Steinberg::tresult setupProcessing(double sampleRate, Steinberg::int32 maxBlock,
                                       Steinberg::int32 sampleSize = Steinberg::Vst::kSample32,
                                       Steinberg::int32 processMode = Steinberg::Vst::kRealtime);
    Steinberg::tresult setActive(bool active);
    Steinberg::tresult setProcessing(bool processing);

    // Processes inputs() into outputs() with inputChanges() and inputEvents(); the caller
    // clears the changes and events between blocks. The block's outputChanges() are handed to
    // the controller, as a host does: at once, or, once audio runs on a thread of its own, kept
    // for deliverOutputChanges() on the UI thread. Allocates nothing.
    Steinberg::tresult process(Steinberg::int32 numSamples,
                               Steinberg::Vst::ProcessContext* context = nullptr);
    void deliverOutputChangesLater(bool later) { deliverLater_ = later; }
    // UI thread: the last value the processor reported for each parameter since the last call.
    void deliverOutputChanges();

    Steinberg::tresult getState(MemoryStream& stream);
    Steinberg::tresult setState(MemoryStream& stream);

    Steinberg::Vst::IComponent* component() const { return component_; }
    Steinberg::Vst::IAudioProcessor* processor() const { return processor_; }
    Steinberg::Vst::IEditController* controller() const { return controller_; }

    AudioBuffers& inputs() { return inputs_; }
    AudioBuffers& outputs() { return outputs_; }
    ParameterChanges& inputChanges() { return inputChanges_; }
    ParameterChanges& outputChanges() { return outputChanges_; }
    EventList& inputEvents() { return inputEvents_; }
    ComponentHandlerRecorder& handler() { return handler_; }
    HostApplication& hostApplication() { return hostApplication_; }

private:
    PluginInstance(Steinberg::Vst::IComponent* component,
                   Steinberg::Vst::IAudioProcessor* processor,
                   Steinberg::Vst::IEditController* controller);

    std::vector<Steinberg::int32> channelsPerAudioBus(Steinberg::Vst::BusDirection direction) const;

    // Host-lent objects first: the plug-in must be gone before they are.
    HostApplication hostApplication_;
    ComponentHandlerRecorder handler_;
    ParameterChanges inputChanges_;
    ParameterChanges outputChanges_;
    EventList inputEvents_;
    EventList outputEvents_;
    AudioBuffers inputs_;
    AudioBuffers outputs_;
    Steinberg::Vst::ProcessSetup setup_{};

    // Output changes waiting for the UI thread. A host-side lock: the plug-in never waits on it.
    bool deliverLater_ = false;
    std::mutex pendingMutex_;
    std::vector<std::pair<Steinberg::Vst::ParamID, Steinberg::Vst::ParamValue>> pending_;

    Steinberg::Vst::IComponent* component_ = nullptr;
    Steinberg::Vst::IAudioProcessor* processor_ = nullptr;
    Steinberg::Vst::IEditController* controller_ = nullptr;
    bool initialized_ = false;
    bool active_ = false;
    bool processing_ = false;
};

} // namespace velqa::host
