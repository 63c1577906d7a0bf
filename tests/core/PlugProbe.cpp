#include "PlugProbe.h"

#include <algorithm>

HostRecorder*& HostRecorder::current()
{
    static HostRecorder* recorder = nullptr;
    return recorder;
}

VstIntPtr HostRecorder::callback(AEffect*, VstInt32 opcode, VstInt32 index, VstIntPtr value, void*,
                                 float)
{
    HostRecorder* host = current();
    if (!host) return 0;
    switch (opcode)
    {
    case 7:
        return reinterpret_cast<VstIntPtr>(&host->time);
    case 35:
        host->vendorCalls.emplace_back(index, value);
        return 1;
    case 42:
        ++host->displayUpdates;
        return 1;
    default:
        return 0;
    }
}

namespace
{
audioMasterCallback install(HostRecorder& host)
{
    HostRecorder::current() = &host;
    return &HostRecorder::callback;
}
} // namespace

ProbePlug::ProbePlug(HostRecorder& host) : CPlug(install(host)) {}

void ProbePlug::setParameter(VstInt32 index, float value)
{
    calls.emplace_back(index, value);
    CPlug::setParameter(index, value);
}

int ProbePlug::callsOf(VstInt32 index) const
{
    return static_cast<int>(std::count_if(
        calls.begin(), calls.end(), [index](const auto& call) { return call.first == index; }));
}
