#pragma once

#include "FakeHost.h"
#include "VST3Adapter/VST2Adapter.h"

#include <gtest/gtest.h>

// One initialised adapter as a host would hold it.
class AdapterTest : public ::testing::Test
{
protected:
    void create(const char* hostName = "Test Host")
    {
        application = std::make_unique<fake::HostApplication>(hostName);
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

    std::unique_ptr<fake::HostApplication> application;
    fake::ComponentHandler handler;
    Steinberg::Vst::VST2Adapter* adapter = nullptr;
};
