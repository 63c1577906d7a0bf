#include "VST3Adapter/Vst2Host.h"

#include "VST3Adapter/AdapterMessages.h"

#include <algorithm>
#include <atomic>
#include <cstring>
#include <mutex>

namespace
{
// Every live host, so a callback can be matched to its effect's record. The lock is held
// only for a short scan of a handful of pointers, so taking it on the audio thread is bounded.
std::mutex hostsLock;
std::vector<CVst2Host*>& allHosts()
{
    static std::vector<CVst2Host*> hosts;
    return hosts;
}

// Before an effect's record exists its callbacks cannot be matched; they go to the host
// that is creating it.
std::atomic<CVst2Host*> currentHost{nullptr};

constexpr const char* kProductString = "OrvVst3Vst2Host";
} // namespace

CVst2Host::CVst2Host()
{
    defaultTimeInfo.sampleRate = 44100.0;
    defaultTimeInfo.tempo = 120.0;
    defaultTimeInfo.timeSigNumerator = 4;
    defaultTimeInfo.timeSigDenominator = 4;
    defaultTimeInfo.smpteFrameRate = 25;
    defaultTimeInfo.flags = kVstTransportPlaying | kVstTempoValid;
    {
        std::lock_guard<std::mutex> guard(hostsLock);
        allHosts().push_back(this);
    }
    makeCurrent();
}

CVst2Host::~CVst2Host()
{
    {
        std::lock_guard<std::mutex> guard(hostsLock);
        auto& hosts = allHosts();
        hosts.erase(std::remove(hosts.begin(), hosts.end(), this), hosts.end());
    }
    CVst2Host* self = this;
    currentHost.compare_exchange_strong(self, nullptr);
    plugin.deleteEffect();
}

void CVst2Host::makeCurrent()
{
    currentHost.store(this);
}

AudioEffect* CVst2Host::createEffect()
{
    makeCurrent();
    return plugin.createEffect(hostCallback);
}

CVst2Host* CVst2Host::findHost(const AEffect* effect)
{
    if (effect)
    {
        std::lock_guard<std::mutex> guard(hostsLock);
        for (CVst2Host* host : allHosts())
            if (host->plugin.getAeffect() == effect) return host;
    }
    return currentHost.load();
}

VstIntPtr CVst2Host::hostCallback(AEffect* effect, VstInt32 opcode, VstInt32 index, VstIntPtr value,
                                  void* ptr, float opt)
{
    CVst2Host* host = findHost(effect);
    return host ? host->answer(opcode, index, value, ptr, opt) : 0;
}

VstIntPtr CVst2Host::answer(VstInt32 opcode, VstInt32 index, VstIntPtr, void* ptr, float opt)
{
    switch (opcode)
    {
    case audioMasterAutomate:
        if (mainHost) mainHost->automate(index, opt);
        if (editHost) editHost->valueChanged(index, opt);
        return 0;
    case audioMasterVersion:
        return kVstVersion;
    case audioMasterWantMidi:
        plugin.wantsMidi = true;
        return 0;
    case audioMasterGetTime:
        return reinterpret_cast<VstIntPtr>(getTimeInfo());
    case audioMasterGetProductString:
        if (ptr) std::strcpy(static_cast<char*>(ptr), kProductString);
        return 0;
    case audioMasterVendorSpecific:
        // Whatever the code, the effect only ever uses this to announce a new latency.
        if (mainHost) mainHost->automate(kLatencyRestartIndex, 0);
        return 0;
    case audioMasterUpdateDisplay:
        return 1;
    case audioMasterBeginEdit:
        if (editHost) editHost->beginEdit(index);
        return 0;
    case audioMasterEndEdit:
        if (editHost) editHost->endEdit(index);
        return 0;
    default:
        return 0;
    }
}
