#include "tools/OfflineRenderer.h"

#include <algorithm>
#include <chrono>
#include <cmath>

namespace velqa::tool
{

using namespace Steinberg;

namespace
{
constexpr int mainBus = 0;

// The first auxiliary audio input, or -1.
int findSideChainBus(host::PluginInstance& plugin)
{
    const auto inputs = plugin.buses(Vst::kAudio, Vst::kInput);
    for (size_t i = 0; i < inputs.size(); ++i)
        if (inputs[i].isAuxiliary()) return static_cast<int>(i);
    return -1;
}

// Copies frames [start, start + count) of a source (or silence past its end) into a bus.
void feedBus(host::AudioBuffers& buffers, int bus, const host::AudioData* source,
             std::int64_t start, int count)
{
    for (int c = 0; c < buffers.channelCount(bus); ++c)
    {
        float* out = buffers.channel(bus, c);
        if (!out) continue;
        std::fill(out, out + count, 0.0f);
        if (!source || source->channelCount() == 0) continue;
        const auto& channel =
            source->channels[static_cast<size_t>(std::min(c, source->channelCount() - 1))];
        const std::int64_t available = std::ssize(channel) - start;
        if (available <= 0) continue;
        const auto n = static_cast<int>(std::min<std::int64_t>(count, available));
        std::copy_n(channel.begin() + start, n, out);
    }
}

// Appends a block's output frames, skipping the first `skip` frames of the whole render.
void collect(host::AudioBuffers& buffers, int bus, host::AudioData& into, std::int64_t position,
             int count, std::int64_t skip, std::int64_t limit)
{
    for (int c = 0; c < into.channelCount(); ++c)
    {
        const float* out = buffers.channel(bus, c);
        auto& channel = into.channels[static_cast<size_t>(c)];
        for (int i = 0; i < count; ++i)
        {
            const std::int64_t target = position + i - skip;
            if (target < 0 || target >= limit) continue;
            channel[static_cast<size_t>(target)] = out ? out[i] : 0.0f;
        }
    }
}
} // namespace

RenderOutput renderOffline(host::PluginInstance& plugin, const RenderJob& job)
{
    RenderOutput result;
    if (!job.input || job.input->channelCount() < 1 || job.blockSize < 1)
    {
        result.error = "nothing to render";
        return result;
    }
    const double rate = job.input->sampleRate;
    const int sideChainBus = findSideChainBus(plugin);
    if (job.sideChain)
    {
        if (sideChainBus < 0 ||
            plugin.activateBus(Vst::kAudio, Vst::kInput, sideChainBus, true) != kResultOk)
        {
            result.error = "the plug-in refused to activate its side-chain bus";
            return result;
        }
    }
    if (plugin.setupProcessing(rate, job.blockSize) != kResultOk)
    {
        result.error = "the plug-in refused a sample rate of " + std::to_string(rate) +
                       " Hz with blocks of " + std::to_string(job.blockSize) + " frames";
        return result;
    }
    plugin.setActive(true);
    plugin.setProcessing(true);
    if (plugin.inputs().channelCount(mainBus) < 1 || plugin.outputs().channelCount(mainBus) < 1)
    {
        result.error = "the plug-in offers no main audio bus";
        return result;
    }

    // Parameter changes travel with the first priming block, as a host sends them before play.
    auto primeBlocks =
        static_cast<std::int64_t>(std::ceil(job.primeSeconds * rate / job.blockSize));
    primeBlocks = std::max<std::int64_t>(1, primeBlocks);
    plugin.inputChanges().clear();
    for (const auto& setting : job.settings)
        if (!plugin.inputChanges().add(setting.id, 0, setting.value))
        {
            result.error = "too many parameter changes for one block";
            return result;
        }
    for (std::int64_t b = 0; b < primeBlocks; ++b)
    {
        feedBus(plugin.inputs(), mainBus, nullptr, 0, job.blockSize);
        feedBus(plugin.inputs(), sideChainBus, nullptr, 0, job.blockSize);
        if (plugin.process(job.blockSize) != kResultOk)
        {
            result.error = "the plug-in failed to process a block";
            return result;
        }
        plugin.inputChanges().clear();
    }
    result.latency = plugin.processor()->getLatencySamples();

    const std::int64_t frames = job.input->frames();
    const std::int64_t skip = job.compensate ? result.latency : 0;
    const std::int64_t total = frames + skip;
    result.main.sampleRate = rate;
    result.main.resize(2, frames);
    const int stemCount = job.stems ? static_cast<int>(stemNames.size()) : 0;
    for (int s = 0; s < stemCount; ++s)
    {
        result.stems[static_cast<size_t>(s)].sampleRate = rate;
        result.stems[static_cast<size_t>(s)].resize(2, frames);
    }

    if (job.beforeInput) job.beforeInput();
    const auto started = std::chrono::steady_clock::now();
    for (std::int64_t position = 0; position < total; position += job.blockSize)
    {
        const auto count =
            static_cast<int>(std::min<std::int64_t>(job.blockSize, total - position));
        feedBus(plugin.inputs(), mainBus, job.input, position, count);
        feedBus(plugin.inputs(), sideChainBus, job.sideChain, position, count);
        if (plugin.process(count) != kResultOk)
        {
            result.error = "the plug-in failed to process a block";
            return result;
        }
        collect(plugin.outputs(), mainBus, result.main, position, count, skip, frames);
        for (int s = 0; s < stemCount; ++s)
            collect(plugin.outputs(), 1 + s, result.stems[static_cast<size_t>(s)], position, count,
                    skip, frames);
        if (job.progress) job.progress(static_cast<double>(position + count) / total);
    }
    result.processSeconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    result.ok = true;
    return result;
}

} // namespace velqa::tool
