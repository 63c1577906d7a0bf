#pragma once

#include "VST3Adapter/AdapterMessages.h"
#include "code/Plug.h"

#include <array>
#include <functional>
#include <vector>

// The effect under a recording host: latency reports, and the last value of every message index
// the effect publishes.
class SignalPlug : public CPlug
{
public:
    SignalPlug();
    ~SignalPlug() override;

    void setParameter(VstInt32 index, float value) override;

    std::array<float, 200> published{};
    std::vector<VstInt32> meterOrder; // message indices of the last published block
    std::vector<VstInt32> latencyReports;
};

using Channels = std::array<std::vector<float>, CPlug::kNumOutputs>;
using Source = std::function<float(int channel, long frame)>;

// Sets up the effect at 48 kHz with 512-frame blocks and renders signals through it.
class Harness
{
public:
    static constexpr int kRate = 48000;
    static constexpr int kBlock = 512;

    explicit Harness(int inputChannels = 2);

    void set(VstInt32 index, float value) { plug.setParameter(index, value); }
    // Runs frames of the source through processReplacing; returns every output channel.
    Channels render(const Source& source, long frames);
    // Hands the effect a side chain read from sideChain during render.
    void connectSideChain(const Source& sideChain);
    int latency() { return plug.getAeffect()->initialDelay; }

    SignalPlug plug;
    long position = 0;

private:
    // Kept from block to block, as a host keeps its buffers, so that an output the effect leaves
    // unwritten shows old audio.
    std::array<std::vector<float>, CPlug::kNumOutputs> output;
    SideChainLink link{};
    Source sideChainSource;
    std::array<std::vector<float>, 2> sideChainData;
};

Source sine(double frequency, double amplitude);
double rms(const std::vector<float>& x, long from, long to);
