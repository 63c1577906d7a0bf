#pragma once

#include "VST3Adapter/VST2Adapter.h"
#include "host/ComponentHandlerRecorder.h"
#include "host/HostApplication.h"
#include "host/MemoryStream.h"
#include "host/ParameterChanges.h"

#include <gtest/gtest.h>

#include <memory>
#include <utility>
#include <vector>

// One initialised adapter as a host would hold it, with the test host's objects.
class AdapterTest : public ::testing::Test
{
protected:
    using Edits = std::vector<std::pair<Steinberg::Vst::ParamID, Steinberg::Vst::ParamValue>>;

    void create(const char* hostName = "Test Host")
    {
        application = std::make_unique<velqa::host::HostApplication>(hostName);
        adapter = new Steinberg::Vst::VST2Adapter();
        ASSERT_EQ(adapter->initialize(application.get()), Steinberg::kResultOk);
        adapter->setComponentHandler(&handler);
    }
    void TearDown() override
    {
        if (!adapter) return;
        adapter->terminate();
        adapter->release();
    }
    // The component's state calls share their names with the controller's.
    static Steinberg::Vst::IComponent* component(Steinberg::Vst::VST2Adapter* a)
    {
        return static_cast<Steinberg::Vst::IComponent*>(a);
    }
    Steinberg::tresult setup(Steinberg::int32 maxBlock = 64)
    {
        Steinberg::Vst::ProcessSetup processSetup{Steinberg::Vst::kRealtime,
                                                  Steinberg::Vst::kSample32, maxBlock, 48000.0};
        return adapter->setupProcessing(processSetup);
    }
    // The values the host was told of, in order.
    Edits edits() const
    {
        Edits result;
        for (const auto& call : handler.calls())
            if (call.kind == velqa::host::ComponentHandlerRecorder::Kind::performEdit)
                result.emplace_back(call.id, call.value);
        return result;
    }

    std::unique_ptr<velqa::host::HostApplication> application;
    velqa::host::ComponentHandlerRecorder handler;
    Steinberg::Vst::VST2Adapter* adapter = nullptr;
};
