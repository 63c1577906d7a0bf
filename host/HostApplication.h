#pragma once

#include "host/HostObject.h"
#include "pluginterfaces/vst/ivsthostapplication.h"

#include <string>

namespace velqa::host
{

// The context passed to initialize(). Plug-ins change their behaviour by the host's name, so
// tests choose it.
class HostApplication : public HostObject<Steinberg::Vst::IHostApplication>
{
public:
    explicit HostApplication(std::string name = "Velqa Host") : name_(std::move(name)) {}

    const std::string& name() const { return name_; }
    void setName(std::string name) { name_ = std::move(name); }

    Steinberg::tresult PLUGIN_API getName(Steinberg::Vst::String128 name) override;
    // No host-side objects (messages, attribute lists) are offered.
    Steinberg::tresult PLUGIN_API createInstance(Steinberg::TUID cid, Steinberg::TUID iid,
                                                 void** obj) override;

private:
    std::string name_;
};

} // namespace velqa::host
