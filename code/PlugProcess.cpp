#include "code/Plug.h"

#include "VST3Adapter/AdapterMessages.h"

#include "code/ParameterMapping.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

using namespace velqa;

namespace
{

constexpr int kOversamplingFrame = 1024;
constexpr int kOversamplingSlice = 128;
constexpr float kExternalOnlyWeight = 0.9999f;
// A gliding smoother this close to its target lands on it: the last step is below −120 dB.
constexpr double kLandingDistance = 1e-6;

// Spectrum display geometry the analysers are prepared for.
constexpr float kAnalyserMinHz = 20.0f;
constexpr float kAnalyserMaxHz = 22000.0f;
constexpr int kAnalyserColumns = 478;
constexpr int kAnalyserRows = 248;
constexpr float kAnalyserRangeDb = 48.0f;

float peakOf(const float* x, int n)
{
    float peak = 0.0f;
    int i = 0;
#if defined(__SSE2__)
    // Four vectors of running maxima instead of one chain of n dependent steps; g++ does not
    // pack this reduction itself. maxps keeps its second operand when the first is a NaN, as
    // std::max does, and the order does not change a maximum.
    const __m128 magnitude = _mm_castsi128_ps(_mm_set1_epi32(0x7FFFFFFF));
    __m128 lanes4[4] = {_mm_setzero_ps(), _mm_setzero_ps(), _mm_setzero_ps(), _mm_setzero_ps()};
    for (; i + 16 <= n; i += 16)
        for (int v = 0; v < 4; ++v)
            lanes4[v] = _mm_max_ps(_mm_and_ps(_mm_loadu_ps(x + i + 4 * v), magnitude), lanes4[v]);
    alignas(16) float lanes[4];
    _mm_store_ps(lanes,
                 _mm_max_ps(_mm_max_ps(lanes4[0], lanes4[1]), _mm_max_ps(lanes4[2], lanes4[3])));
    for (float lane : lanes) peak = std::max(peak, lane);
#endif
    for (; i < n; ++i) peak = std::max(peak, std::fabs(x[i]));
    return peak;
}

// Zeroes subnormal samples; NaN and infinity stay visible.
void flushSubnormals(float* x, int n)
{
    int i = 0;
#if defined(__SSE2__)
    const __m128 magnitude = _mm_castsi128_ps(_mm_set1_epi32(0x7FFFFFFF));
    const __m128 smallestNormal = _mm_set1_ps(std::numeric_limits<float>::min());
    for (; i + 4 <= n; i += 4)
    {
        const __m128 v = _mm_loadu_ps(x + i);
        const __m128 keep = _mm_cmpnlt_ps(_mm_and_ps(v, magnitude), smallestNormal);
        _mm_storeu_ps(x + i, _mm_and_ps(v, keep));
    }
#endif
    for (; i < n; ++i) x[i] = flushDenormal(x[i]);
}

void copyChannel(float* to, const float* from, int n)
{
    if (to && from && to != from) std::memmove(to, from, sizeof(float) * static_cast<size_t>(n));
}

void scale(float* x, int n, float gain)
{
    // A gain of 1 is the resting state of every gain stage; multiplying by it changes nothing.
    if (gain == 1.0f) return;
    for (int i = 0; i < n; ++i) x[i] *= gain;
}

// One smoother step towards target, y = a·target + b·y, landing exactly on the target at the end
// of the glide.
float stepTowards(COnePoleFilter& s, float target)
{
    const double next = s.a * target + s.b * s.y;
    s.y = std::fabs(next - target) < kLandingDistance ? target : flushDenormal(next);
    return static_cast<float>(s.y);
}

int oversamplerSlot(int factor)
{
    switch (factor)
    {
    case 2:
        return 0;
    case 4:
        return 1;
    case 8:
        return 2;
    default:
        return 3;
    }
}

} // namespace

CPlug::AnalyserThreads::AnalyserThreads(CSpectrumAnalyzer& below, CSpectrumAnalyzer& above)
    : workers{CAnalyserWorker(below), CAnalyserWorker(above)}
{
    for (CAnalyserWorker& worker : workers) worker.start();
}

void CPlug::prepareSignalPath()
{
    velqa::platform::CBusyLockGuard guard(processLock);
    preparedFrames = std::max(blockSize, 1);
    for (CBuffer* buffer :
         {&aboveBuffer, &dryBuffer, &undelayedBuffer, &sideChainMix, &soloCopyA, &soloCopyB})
    {
        buffer->resize(preparedFrames, 2);
        buffer->clear();
    }
    // Every factor is planned here, off the audio thread, so that a switch at the end of a block
    // neither allocates nor plans.
    for (auto& section : oversamplerBank)
        for (size_t slot = 0; slot < section.size(); ++slot)
            section[slot].configure(kOversamplingFrame, 2 << slot, COversampler::kMaxChannels,
                                    kOversamplingSlice);
    const int largestFrames = preparedFrames * (2 << (kOversamplingFactors - 1));
    splitter.setBlockSize(largestFrames);
    for (CSectionProcessor& section : sections) section.setBlockSize(largestFrames);
    splitter.setBlockSize(preparedFrames * oversampling.factorInUse);
    for (CSectionProcessor& section : sections)
    {
        section.setBlockSize(preparedFrames * oversampling.factorInUse);
        section.setOversamplingLatency(oversamplerBank[0][0].latency());
    }
    selectOversamplers();
    clearDelayLines();
}

void CPlug::selectOversamplers()
{
    const size_t slot = static_cast<size_t>(oversamplerSlot(oversampling.factorInUse));
    for (size_t s = 0; s < 2; ++s)
    {
        activeOversampler[s] = &oversamplerBank[s][slot];
        activeOversampler[s]->clear();
    }
}

void CPlug::configureAnalysers()
{
    for (size_t s = 0; s < 2; ++s)
    {
        velqa::platform::CBusyLockGuard guard(analyserThreads.workers[s].lock());
        analysers[s].configure(static_cast<int>(currentRate), kAnalyserMinHz, kAnalyserMaxHz,
                               kAnalyserColumns, kAnalyserRows, kAnalyserRangeDb);
    }
}

void CPlug::processReplacing(float** inputs, float** outputs, VstInt32 sampleFrames)
{
    if (sampleFrames <= 0 || !inputs || !outputs || !inputs[0] || !outputs[0]) return;
    takeOverChanges();
    int channels = inputChannels > 1 ? 2 : 1;
    if (channels == 2 && (!inputs[1] || !outputs[1])) channels = 1;

    if (preparedFrames <= 0 || !aboveBuffer.channels)
    {
        // Not resumed yet: nothing is sized, so the block passes unchanged.
        for (int c = 0; c < channels; ++c)
        {
            copyChannel(outputs[c], inputs[c], sampleFrames);
            flushSubnormals(outputs[c], sampleFrames);
        }
        return;
    }
    // Every output sample past this point comes out of arithmetic, which cannot produce a
    // subnormal here; only the copies of the input (bypass, not resumed) are flushed by hand.
    const CFlushToZeroScope flushToZero;
    // Hosts may exceed the announced block size; longer blocks run in prepared-size pieces.
    std::array<float*, 2> in{};
    std::array<float*, kNumOutputs> out{};
    for (int offset = 0; offset < sampleFrames; offset += preparedFrames)
    {
        const int n = std::min(preparedFrames, sampleFrames - offset);
        for (int c = 0; c < 2; ++c)
            in[static_cast<size_t>(c)] = inputs[c] ? inputs[c] + offset : nullptr;
        for (int c = 0; c < kNumOutputs; ++c)
        {
            const bool present = c < 2 || extraOutputs;
            out[static_cast<size_t>(c)] = present && outputs[c] ? outputs[c] + offset : nullptr;
        }
        processBlock(in.data(), out.data(), n, offset, channels);
    }
}

void CPlug::processBlock(float** inputs, float** outputs, int n, int offset, int numChannels)
{
    const bool stereo = numChannels == 2;
    for (int c = 0; c < numChannels; ++c) copyChannel(outputs[c], inputs[c], n);

    if (!path.active)
    {
        // The sections are not heard while bypassed, so their outputs carry silence.
        for (int c = 2; c < kNumOutputs; ++c)
            if (outputs[c]) std::memset(outputs[c], 0, sizeof(float) * static_cast<size_t>(n));
        for (int c = 0; c < numChannels; ++c) flushSubnormals(outputs[c], n);
        publishMeters({0.0f, 0.0f, 0.0f, 1.0f, 0.0f, 0.0f, 0.0f, 0.0f});
        resumingFromBypass = true;
        return;
    }
    if (resumingFromBypass)
    {
        // Nothing ran while bypassed: the delay lines start empty instead of replaying what they
        // held before.
        velqa::platform::CBusyLockGuard guard(processLock);
        clearDelayLines();
        for (COversampler* os : activeOversampler) os->clear();
        resumingFromBypass = false;
    }

    MeterValues meters{};
    meters.inputLeft = peakOf(inputs[0], n);
    meters.inputRight = stereo ? peakOf(inputs[1], n) : meters.inputLeft;

    for (int slot = kBankBelowL; slot <= kBankAboveR; ++slot)
        eqBanks[static_cast<size_t>(slot)].update(false);
    CEqBank* soloL = nullptr;
    CEqBank* soloR = nullptr;
    if (path.belowBandSolo)
    {
        soloL = &eqBanks[kBankBelowSoloL];
        soloR = &eqBanks[kBankBelowSoloR];
    }
    else if (path.aboveBandSolo)
    {
        soloL = &eqBanks[kBankAboveSoloL];
        soloR = &eqBanks[kBankAboveSoloR];
    }
    if (soloL)
    {
        soloL->update(false);
        soloR->update(false);
    }

    // The dry copy feeds the global mix, also while it glides back to 1. Its setting is read once,
    // so that a change while the block runs waits for the next block instead of mixing in a stale
    // copy. While oversampling, the copy waits as long as the sections in a delay line that is
    // fed all the time, so that it never holds old audio when the mix leaves 1.
    bool mixing = path.mix != 1.0f;
    for (int c = 0; c < numChannels; ++c)
        mixing = mixing || mixSmoother[static_cast<size_t>(c)].y != 1.0;
    const bool oversampled = oversampling.osOn;
    // From here the outputs are the Below part.
    for (int c = 0; c < numChannels; ++c)
    {
        copyChannel(undelayedBuffer.channels[c], outputs[c], n);
        if (path.lookaheadOn) lookaheadDelay[static_cast<size_t>(c)].processBlock(outputs[c], n);
        if (oversampled)
            dryCompensationDelay[static_cast<size_t>(c)].processBlock(outputs[c],
                                                                      dryBuffer.channels[c], n);
        else if (mixing)
            copyChannel(dryBuffer.channels[c], outputs[c], n);
        if (soloL)
        {
            copyChannel(soloCopyA.channels[c], outputs[c], n);
            copyChannel(soloCopyB.channels[c], outputs[c], n);
        }
    }

    float** sideChain = buildSideChain(n, offset, numChannels);
    if (path.lookaheadOn)
    {
        if (!sideChain) sideChain = undelayedBuffer.channels;
        for (int c = 0; c < numChannels; ++c)
            sideChainDelay[static_cast<size_t>(c)].processBlock(sideChain[c], n);
    }

    float** above = aboveBuffer.channels;
    splitter.process(outputs, sideChain, n, numChannels, above);

    const bool dryStems = writeExtraOutputs(outputs, 6, n, numChannels);
    // The dry stems wait for the oversampled sections, so that every output lines up. When both
    // dry buses are off the adapter points them all at one scratch channel, and nobody listens.
    if (dryStems && oversampled && outputs[6] != outputs[8])
        for (size_t c = 0; c < dryStemDelay.size(); ++c)
            dryStemDelay[c].processBlock(outputs[6 + c], n);
    meters.detectorLevel = splitter.getMaxLevel();
    meters.minimumGain = splitter.getMinGain();

    runSections(outputs, n, numChannels);

    applyPan(kSectionAbove, above, n, numChannels);
    applyPan(kSectionBelow, outputs, n, numChannels);
    writeExtraOutputs(outputs, 2, n, numChannels);
    applyBalanceGains(outputs, n, numChannels);

    // The rings fill all the time, so an editor that opens shows the latest audio at once.
    const bool analyse = spectrumShown.load(std::memory_order_relaxed);
    if (analysers[kSectionAbove].feed(above, n, numChannels) && analyse)
        analyserThreads.workers[kSectionAbove].frameReady();
    if (analysers[kSectionBelow].feed(outputs, n, numChannels) && analyse)
        analyserThreads.workers[kSectionBelow].frameReady();

    float aboveLeft = peakOf(above[0], n);
    float aboveRight = stereo ? peakOf(above[1], n) : 0.0f;
    float belowLeft = peakOf(outputs[0], n);
    float belowRight = stereo ? peakOf(outputs[1], n) : 0.0f;

    for (int c = 0; c < numChannels; ++c)
        for (int i = 0; i < n; ++i) outputs[c][i] += above[c][i];

    if (mixing) applyGlobalMix(outputs, n, numChannels);
    applyOutputGain(outputs, n, numChannels);

    if (path.sideChainListen)
        for (int c = 0; c < numChannels; ++c)
            copyChannel(outputs[c], splitter.sideChainChannels()[c], n);

    if (soloL)
    {
        // Only the change the soloed bands make is heard.
        soloL->process(soloCopyB.channels[0], n);
        if (stereo) soloR->process(soloCopyB.channels[1], n);
        for (int c = 0; c < numChannels; ++c)
            for (int i = 0; i < n; ++i)
                outputs[c][i] =
                    (soloCopyB.channels[c][i] - soloCopyA.channels[c][i]) * path.outputGain;
    }
    // What the listen modes play is taken at the host rate; while oversampling it waits as long
    // as the sections do. Each listen starts from an empty delay rather than from an old one.
    const bool delayListen = oversampled && (path.sideChainListen || soloL);
    if (delayListen && !listenDelayed)
        for (CDelay& delay : listenDelay) delay.clear();
    listenDelayed = delayListen;
    if (delayListen)
        for (int c = 0; c < numChannels; ++c)
            listenDelay[static_cast<size_t>(c)].processBlock(outputs[c], n);

    meters.outputLeft = peakOf(outputs[0], n);
    meters.outputRight = stereo ? peakOf(outputs[1], n) : 0.0f;
    meters.below = std::max(belowLeft, belowRight);
    meters.above = std::max(aboveLeft, aboveRight);
    if (path.belowBandSolo)
    {
        meters.below = std::max(meters.outputLeft, meters.outputRight);
        meters.above = 0.0f;
    }
    else if (path.aboveBandSolo)
    {
        meters.above = std::max(meters.outputLeft, meters.outputRight);
        meters.below = 0.0f;
    }
    publishMeters(meters);

    if (oversampling.osChangePending) applyOversamplingChange();
}

float** CPlug::buildSideChain(int n, int offset, int numChannels)
{
    const SideChainLink* link = sideChainLink;
    const bool present = link && link->active && link->channels[0];
    if (present != (path.extSideChainPresent != 0))
    {
        path.extSideChainPresent = present ? 1 : 0;
        sideChainPresent.store(present);
        setParameter(kSideChainPresent, present ? 1.0f : 0.0f);
    }
    if (!present || !path.extSideChainOn) return nullptr;

    float** mixed = sideChainMix.channels;
    for (int c = 0; c < numChannels; ++c)
    {
        const float* external =
            (c < link->numChannels && link->channels[c] ? link->channels[c] : link->channels[0]) +
            offset;
        const float* internal = undelayedBuffer.channels[c];
        if (path.extWeight < kExternalOnlyWeight)
            for (int i = 0; i < n; ++i)
                mixed[c][i] = internal[i] * path.intWeight + external[i] * path.extWeight;
        else
            std::memcpy(mixed[c], external, sizeof(float) * static_cast<size_t>(n));
    }
    return mixed;
}

bool CPlug::writeExtraOutputs(float** outputs, int first, int n, int numChannels)
{
    if (!extraOutputs) return false;
    for (int c = first; c < first + 4; ++c)
        if (!outputs[c]) return false;
    const int right = numChannels == 2 ? 1 : 0;
    copyChannel(outputs[first], aboveBuffer.channels[0], n);
    copyChannel(outputs[first + 1], aboveBuffer.channels[right], n);
    copyChannel(outputs[first + 2], outputs[0], n);
    copyChannel(outputs[first + 3], outputs[right], n);
    return true;
}

void CPlug::runSections(float** outputs, int n, int numChannels)
{
    // The process lock keeps an oversampling change from swapping the chains mid-block; it is
    // only ever contended by resume, never by another block.
    velqa::platform::CBusyLockGuard guard(processLock);
    if (!oversampling.osOn)
    {
        processSections(outputs, aboveBuffer.channels, n, numChannels, nullptr);
        return;
    }
    // Only the saturation is what oversampling is for; the linear stages after it run at the host
    // rate, so the tone stays the same whatever the factor.
    float** sectionChannels[2] = {outputs, aboveBuffer.channels};
    bool coloured[2] = {};
    for (size_t s = 0; s < 2; ++s)
        coloured[s] = sections[s].keepDelayedDry(sectionChannels[s], n, numChannels);
    const int factor = activeOversampler[0]->getFactor();
    std::array<std::array<float*, 2>, 2> slice{};
    for (int offset = 0; offset < n; offset += kOversamplingSlice)
    {
        const int frames = std::min(kOversamplingSlice, n - offset);
        for (size_t s = 0; s < 2; ++s)
        {
            for (int c = 0; c < numChannels; ++c)
                slice[s][static_cast<size_t>(c)] = sectionChannels[s][c] + offset;
            activeOversampler[s]->upsample(slice[s].data(), numChannels, frames);
        }
        for (size_t s = 0; s < 2; ++s)
            sections[s].saturateOversampled(activeOversampler[s]->upsampled(), frames * factor,
                                            numChannels);
        for (size_t s = 0; s < 2; ++s)
            activeOversampler[s]->downsample(slice[s].data(), numChannels, frames);
    }
    processSections(outputs, aboveBuffer.channels, n, numChannels, coloured);
}

void CPlug::processSections(float** below, float** above, int frames, int numChannels,
                            const bool* saturated)
{
    // The two sections are independent, so their filters share the lanes of one pass. Where
    // nothing happens between a section's colour filters and its equaliser, both run as one
    // cascade in the first pass. With saturated given, the sections were saturated already and
    // say whether they are coloured.
    static_assert(2 + kBandsPerSection <= CBiquadLanes::kMaxStages);
    float** sectionChannels[2] = {below, above};
    constexpr EqBankSlot banks[2][2] = {{kBankBelowL, kBankBelowR}, {kBankAboveL, kBankAboveR}};
    bool coloured[2] = {};
    bool equalised[2] = {};
    sectionLanes.clear();
    for (int s = 0; s < 2; ++s)
    {
        CSectionProcessor& section = sections[static_cast<size_t>(s)];
        coloured[s] = saturated ? saturated[s]
                                : section.saturateBlock(sectionChannels[s], frames, numChannels);
        if (!coloured[s]) continue;
        equalised[s] = section.finishIsIdentity(numChannels, true);
        for (int c = 0; c < numChannels; ++c)
        {
            CBiquad* filters[2 + kBandsPerSection];
            int count = section.colourFilters(c, filters);
            if (equalised[s]) count += eqBanks[banks[s][c]].activeFilters(filters + count);
            sectionLanes.add(sectionChannels[s][c], filters, count);
        }
    }
    sectionLanes.process(frames);
    for (int s = 0; s < 2; ++s)
        sections[static_cast<size_t>(s)].finishBlock(sectionChannels[s], frames, numChannels,
                                                     coloured[s]);

    sectionLanes.clear();
    for (int s = 0; s < 2; ++s)
        for (int c = 0; c < numChannels && !equalised[s]; ++c)
        {
            CBiquad* filters[kBandsPerSection];
            const int count = eqBanks[banks[s][c]].activeFilters(filters);
            sectionLanes.add(sectionChannels[s][c], filters, count);
        }
    sectionLanes.process(frames);
}

void CPlug::applyBalanceGains(float** outputs, int n, int numChannels)
{
    const float target = path.balanceTarget;
    for (int c = 0; c < numChannels; ++c)
    {
        COnePoleFilter& s = balanceSmoother[static_cast<size_t>(c)];
        float* above = aboveBuffer.channels[c];
        float* below = outputs[c];
        if (s.y == target)
        {
            scale(above, n, path.aboveGain);
            scale(below, n, path.belowGain);
            continue;
        }
        for (int i = 0; i < n; ++i)
        {
            const BalanceGains gains = balanceGains(stepTowards(s, target));
            above[i] *= gains.above;
            below[i] *= gains.below;
        }
    }
}

void CPlug::applyGlobalMix(float** outputs, int n, int numChannels)
{
    float** dry = dryBuffer.channels;
    const float mix = path.mix;
    for (int c = 0; c < numChannels; ++c)
    {
        COnePoleFilter& s = mixSmoother[static_cast<size_t>(c)];
        float* out = outputs[c];
        if (s.y != mix)
            for (int i = 0; i < n; ++i)
            {
                const float y = stepTowards(s, mix);
                out[i] = (1.0f - y) * dry[c][i] + y * out[i];
            }
        else if (mix != 1.0f)
            for (int i = 0; i < n; ++i) out[i] = path.dryMix * dry[c][i] + mix * out[i];
    }
}

void CPlug::applyOutputGain(float** outputs, int n, int numChannels)
{
    const float gain = path.outputGain;
    for (int c = 0; c < numChannels; ++c)
    {
        COnePoleFilter& s = outputSmoother[static_cast<size_t>(c)];
        if (s.y != gain)
            for (int i = 0; i < n; ++i) outputs[c][i] *= stepTowards(s, gain);
        else
            scale(outputs[c], n, gain);
    }
}

float CPlug::panTarget(Section section, int channel) const
{
    if (section == kSectionAbove)
        return path.panAboveOn ? (channel == 0 ? path.panAboveL : path.panAboveR) : 1.0f;
    return path.panBelowOn ? (channel == 0 ? path.panBelowL : path.panBelowR) : 1.0f;
}

void CPlug::applyPan(Section section, float** channels, int n, int numChannels)
{
    for (int c = 0; c < numChannels; ++c)
    {
        COnePoleFilter& s = panSmoother[static_cast<size_t>(section)][static_cast<size_t>(c)];
        const float target = panTarget(section, c);
        if (s.y == target)
            scale(channels[c], n, target);
        else
            for (int i = 0; i < n; ++i) channels[c][i] *= stepTowards(s, target);
    }
}

void CPlug::settlePan()
{
    for (Section section : {kSectionBelow, kSectionAbove})
        for (int c = 0; c < 2; ++c)
            panSmoother[static_cast<size_t>(section)][static_cast<size_t>(c)].y =
                panTarget(section, c);
}

void CPlug::clearDelayLines()
{
    for (auto* lines : {&lookaheadDelay, &sideChainDelay, &dryCompensationDelay, &listenDelay})
        for (CDelay& delay : *lines) delay.clear();
    for (CDelay& delay : dryStemDelay) delay.clear();
    for (CSectionProcessor& section : sections) section.clearDelayedDry();
}

void CPlug::publishMeters(const MeterValues& meters)
{
    setParameter(kMeterInputLeft, meters.inputLeft);
    setParameter(kMeterInputRight, meters.inputRight);
    setParameter(kMeterDetectorLevel, meters.detectorLevel);
    setParameter(kMeterMinimumGain, meters.minimumGain);
    setParameter(kMeterOutputLeft, meters.outputLeft);
    setParameter(kMeterOutputRight, meters.outputRight);
    setParameter(kMeterBelow, meters.below);
    setParameter(kMeterAbove, meters.above);
}

void CPlug::applyOversamplingChange()
{
    {
        velqa::platform::CBusyLockGuard guard(processLock);
        oversampling.osChangePending = false;
        oversampling.factorInUse = oversampling.osOnRequested ? oversampling.factorRequested : 1;
        oversampling.lastFactorUsed = oversampling.factorRequested;
        // Everything below stays within what prepareSignalPath allocated.
        selectOversamplers();
        // Delay lines start empty, as the oversamplers do.
        clearDelayLines();
        configureForSampleRate();
        const int frames = preparedFrames * oversampling.factorInUse;
        splitter.setBlockSize(frames);
        for (CSectionProcessor& section : sections) section.setBlockSize(frames);
        oversampling.osOn = oversampling.osOnRequested;
    }
    reportLatency(path.lookaheadLatency + oversampling.latency());
}
