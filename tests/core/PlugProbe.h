#pragma once

#include "code/Plug.h"

#include <utility>
#include <vector>

// Answers the effect's host calls the way the adapter's emulated host does and records the ones
// the core's rules produce.
struct HostRecorder
{
    std::vector<std::pair<VstInt32, VstIntPtr>> vendorCalls; // (index, value) of opcode 35
    int displayUpdates = 0;
    VstTimeInfo time{};

    static HostRecorder*& current();
    static VstIntPtr callback(AEffect* effect, VstInt32 opcode, VstInt32 index, VstIntPtr value,
                              void* ptr, float opt);
};

// The effect with every setParameter call recorded, nested ones included.
class ProbePlug : public CPlug
{
public:
    explicit ProbePlug(HostRecorder& host);

    void setParameter(VstInt32 index, float value) override;

    int callsOf(VstInt32 index) const;
    void forget() { calls.clear(); }

    std::vector<std::pair<VstInt32, float>> calls;
};

// Normalised band gains a few dB either side of 0 dB.
constexpr float kPlus3dB = 0.625f;
constexpr float kMinus3dB = 0.375f;
constexpr float kLinkOn = 1.0f / 128.0f;
constexpr float kLinkInverse = 2.0f / 128.0f;
