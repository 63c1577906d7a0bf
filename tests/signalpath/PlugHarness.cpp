#include "PlugHarness.h"

#include <cmath>
#include <numbers>

namespace
{

SignalPlug* recordingPlug = nullptr;

VstIntPtr hostCallback(AEffect*, VstInt32 opcode, VstInt32 index, VstIntPtr value, void*, float)
{
    // Opcode 35 is the vendor-specific call; the latency report carries the samples as value.
    constexpr VstInt32 kVendorSpecific = 35;
    if (opcode != kVendorSpecific || index != kVendorLatencyChanged || !recordingPlug) return 0;
    recordingPlug->latencyReports.push_back(static_cast<VstInt32>(value));
    return 1;
}

} // namespace

SignalPlug::SignalPlug() : CPlug(&hostCallback)
{
    // Recording must not allocate while the effect's audio path is watched for allocations.
    meterOrder.reserve(64);
    latencyReports.reserve(1024);
    recordingPlug = this;
}

SignalPlug::~SignalPlug()
{
    recordingPlug = nullptr;
}

void SignalPlug::setParameter(VstInt32 index, float value)
{
    if (index >= velqa::kStoredParameterCount && index < 200)
    {
        published[static_cast<size_t>(index)] = value;
        if (index == velqa::kMeterInputLeft) meterOrder.clear();
        meterOrder.push_back(index);
    }
    CPlug::setParameter(index, value);
}

Harness::Harness(int inputChannels)
{
    VstSpeakerArrangement input{};
    input.numChannels = inputChannels;
    VstSpeakerArrangement output{};
    output.numChannels = CPlug::kNumOutputs;
    plug.setSpeakerArrangement(&input, &output);
    plug.setSampleRate(kRate);
    plug.setBlockSize(kBlock);
    plug.resume();
}

void Harness::connectSideChain(const Source& sideChain)
{
    sideChainSource = sideChain;
    for (auto& channel : sideChainData) channel.assign(kBlock, 0.0f);
    link.channels[0] = sideChainData[0].data();
    link.channels[1] = sideChainData[1].data();
    link.numChannels = 2;
    link.active = true;
    plug.vendorSpecific(kVendorSideChainLink, kVendorSideChainLink, &link, 0.0f);
}

Channels Harness::render(const Source& source, long frames)
{
    Channels result;
    for (auto& channel : result) channel.resize(static_cast<size_t>(frames));
    std::array<std::vector<float>, 2> input;
    for (auto& channel : input) channel.resize(kBlock);
    for (auto& channel : output) channel.resize(kBlock);
    for (long done = 0; done < frames; done += kBlock)
    {
        const int n = static_cast<int>(std::min<long>(kBlock, frames - done));
        for (int c = 0; c < 2; ++c)
            for (int i = 0; i < n; ++i)
            {
                input[static_cast<size_t>(c)][static_cast<size_t>(i)] = source(c, position + i);
                if (sideChainSource)
                    sideChainData[static_cast<size_t>(c)][static_cast<size_t>(i)] =
                        sideChainSource(c, position + i);
            }
        float* in[] = {input[0].data(), input[1].data()};
        float* out[CPlug::kNumOutputs];
        for (int c = 0; c < CPlug::kNumOutputs; ++c) out[c] = output[static_cast<size_t>(c)].data();
        plug.processReplacing(in, out, n);
        for (int c = 0; c < CPlug::kNumOutputs; ++c)
            std::copy_n(output[static_cast<size_t>(c)].begin(), n,
                        result[static_cast<size_t>(c)].begin() + done);
        position += n;
    }
    return result;
}

Source sine(double frequency, double amplitude)
{
    return [=](int, long frame)
    {
        return static_cast<float>(
            amplitude * std::sin(2.0 * std::numbers::pi * frequency * frame / Harness::kRate));
    };
}

double rms(const std::vector<float>& x, long from, long to)
{
    double sum = 0.0;
    for (long i = from; i < to; ++i)
        sum += static_cast<double>(x[static_cast<size_t>(i)]) * x[static_cast<size_t>(i)];
    return std::sqrt(sum / static_cast<double>(to - from));
}
