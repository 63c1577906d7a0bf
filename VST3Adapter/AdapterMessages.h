#pragma once
// Private vocabulary between the adapter and the effect it hosts.

#include <cstdint>

// Side-chain channels of the current block; the adapter owns it, the effect reads it while
// processing.
struct SideChainLink
{
    float* channels[10];
    int32_t numChannels;
    bool active;
};

// Vendor-specific codes; index and value both carry the code.
constexpr int32_t kVendorSideChainLink = 0x3F118B;
constexpr int32_t kVendorHostName = 0x3F118C;
constexpr int32_t kVendorLatencyChanged = 0x3F118D;

// Automation indexes that are signals to the adapter, not parameters.
constexpr int32_t kResizeViewsIndex = 188;
constexpr int32_t kLatencyRestartIndex = -70099;
