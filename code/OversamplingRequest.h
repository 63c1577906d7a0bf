#pragma once

#include <cstdint>

namespace velqa
{

// What the editor asked of the oversampler; the audio thread applies it at the end of a block.
struct OversamplingRequest
{
    int32_t factorInUse = 1;
    int32_t factorRequested = 2;
    int32_t lastFactorUsed = 2;
    bool osOn = false;
    bool osOnRequested = false;
    bool osChangePending = false;

    void requestFactor(int32_t factor)
    {
        factorRequested = factor;
        osOnRequested = osOn;
        if (factorRequested != lastFactorUsed) osChangePending = true;
    }
    void requestOn(bool on)
    {
        osOnRequested = on;
        if (osOnRequested != osOn) osChangePending = true;
    }
    // Up and down conversion delay the host-rate signal by two 1024-point frames.
    int32_t latency() const { return osOn ? 2 * 1024 : 0; }
};

} // namespace velqa
