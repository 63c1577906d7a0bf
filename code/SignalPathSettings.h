#pragma once

#include <cstdint>

namespace velqa
{

// The plain fields of the audio path. Once blocks run only the audio thread writes them, applying
// the changes parameters hand over at the start of each block.
struct SignalPathSettings
{
    bool active = true;
    float belowGain = 1.0f;
    float aboveGain = 1.0f;
    float balanceTarget = 0.5f;
    float mix = 1.0f;
    float dryMix = 0.0f;
    float outputGain = 1.0f;
    float panAboveL = 1.0f;
    float panAboveR = 1.0f;
    float panBelowL = 1.0f;
    float panBelowR = 1.0f;
    bool panAboveOn = false;
    bool panBelowOn = false;
    float extWeight = 1.0f;
    float intWeight = 0.0f;
    bool extSideChainOn = false;
    int32_t extSideChainPresent = 0;
    bool lookaheadOn = false;
    int32_t lookaheadLatency = 0;
    float sideChainDelay = 0.0f;
    bool sideChainListen = false;
    bool belowBandSolo = false;
    bool aboveBandSolo = false;
};

} // namespace velqa
