#pragma once

#include "FakeHost.h"
#include "VST3Adapter/VST2Adapter.h"

#include <gtest/gtest.h>
#include <string>

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
    std::string busName(Steinberg::Vst::BusDirection direction, Steinberg::int32 index,
                        Steinberg::Vst::MediaType type = Steinberg::Vst::kAudio)
    {
        Steinberg::Vst::BusInfo info{};
        if (adapter->getBusInfo(type, direction, index, info) != Steinberg::kResultOk) return "?";
        char name[129] = {};
        Steinberg::UString(info.name, 128).toAscii(name, sizeof name);
        return name;
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
