#include "code/Plug.h"

#include "VST3Adapter/AdapterMessages.h"
#include "code/ParameterMapping.h"
#include "code/ParameterTable.h"
#include "code/SharedValue.h"

#include <algorithm>

using namespace velqa;

namespace
{

constexpr int32_t kSectionParameterCount = 5;
constexpr int32_t kMaxOversamplingChoice = 3; // 2x .. 16x

struct TiltChoice
{
    bool on;
    float slope;
    float pivot;
};

TiltChoice tiltChoiceOf(float value)
{
    switch (choiceOf(value))
    {
    case 0:
        return {false, 3.0f, 100.0f};
    case 2:
        return {true, 6.0f, 100.0f};
    case 3:
        return {true, 3.0f, 1000.0f};
    case 4:
        return {true, 6.0f, 1000.0f};
    default:
        return {true, 3.0f, 100.0f};
    }
}

float displayOffsetDbOf(float value)
{
    switch (choiceOf(value))
    {
    case 1:
        return 12.0f;
    case 2:
        return 24.0f;
    default:
        return 0.0f;
    }
}

} // namespace

// The model's own side effects, on the calling thread.
bool CPlug::applyOwnEffect(VstInt32 index, float value)
{
    const bool on = isOn(value);
    switch (index)
    {
    case kLowCut:
        if (value > liveValues[kHighCut])
        {
            setParameter(kHighCut, value);
            setParameter(kRefreshRequest, 0.0f);
        }
        break;
    case kHighCut:
        if (value < liveValues[kLowCut])
        {
            setParameter(kLowCut, value);
            setParameter(kRefreshRequest, 0.0f);
        }
        break;
    case kSoloBelow:
        if (on) setParameter(kSoloAbove, 0.0f);
        break;
    case kSoloAbove:
        if (on) setParameter(kSoloBelow, 0.0f);
        break;
    case kAnalyserWeighting:
        applyAnalyserWeighting(value);
        break;
    case kAnalyserOffset:
        applyAnalyserOffset(value);
        break;
    case kSuspendLinks:
        linksSuspended = on;
        return false;
    default:
        break;
    }
    return true;
}

// What a value changes in the signal path; on the audio thread once blocks run. A snap change
// comes from a whole-set load and sets the smoothers straight to their targets.
void CPlug::applySignalChange(VstInt32 index, float value, bool snap)
{
    const bool on = isOn(value);
    const float unit = velqa::valueOf(index, value);
    switch (index)
    {
    case kBalance:
    case kSoloBelow:
    case kSoloAbove:
        applyBalance(snap);
        break;
    case kLowCut:
        splitter.setLoCut(unit);
        break;
    case kHighCut:
        splitter.setHiCut(unit);
        break;
    case kMix:
        path.mix = value;
        path.dryMix = 1.0f - value;
        if (snap)
            for (COnePoleFilter& smoother : mixSmoother) smoother.y = value;
        break;
    case kOutVol:
        path.outputGain = unit;
        if (snap)
            for (COnePoleFilter& smoother : outputSmoother) smoother.y = unit;
        break;
    case kOnBelow:
        eqBanks[kBankBelowL].setOn(on);
        eqBanks[kBankBelowR].setOn(on);
        break;
    case kOnAbove:
        eqBanks[kBankAboveL].setOn(on);
        eqBanks[kBankAboveR].setOn(on);
        break;
    case kBypass:
        applyBypass(value);
        break;
    case kPanBelow:
    {
        const StereoGains gains = panGains(value);
        path.panBelowL = gains.left;
        path.panBelowR = gains.right;
        if (restoring) settlePan();
        break;
    }
    case kPanAbove:
    {
        const StereoGains gains = panGains(value);
        path.panAboveL = gains.left;
        path.panAboveR = gains.right;
        if (restoring) settlePan();
        break;
    }
    case kSidechainOn:
        path.extSideChainOn = on;
        break;
    case kSidechainBalance:
        path.extWeight = value;
        path.intWeight = 1.0f - value;
        break;
    case kWidthAboveOn:
        sections[kSectionAbove].setWidthOn(on);
        break;
    case kWidthBelowOn:
        sections[kSectionBelow].setWidthOn(on);
        break;
    case kPanAboveOn:
        path.panAboveOn = on;
        if (restoring) settlePan();
        break;
    case kPanBelowOn:
        path.panBelowOn = on;
        if (restoring) settlePan();
        break;
    case kLookahead:
        configureLookahead();
        break;
    case kLookaheadOn:
        applyLookahead(value);
        break;
    case kTypeBelow:
        sections[kSectionBelow].setSaturationType(value);
        break;
    case kTypeAbove:
        sections[kSectionAbove].setSaturationType(value);
        break;
    case kOversamplingFactor:
        oversampling.requestFactor(1
                                   << (1 + std::clamp(choiceOf(value), 0, kMaxOversamplingChoice)));
        break;
    case kOversamplingOn:
        oversampling.requestOn(on);
        break;
    case kSideChainListen:
        path.sideChainListen = on;
        break;
    default:
        applySectionValue(index, value);
        break;
    }
    if (isStored(index)) forwardToSignalPath(index, value, unit);
}

void CPlug::applySectionValue(VstInt32 index, float value)
{
    const bool on = isOn(value);
    if (inRange(index, kSatBelow, kSectionParameterCount))
        sections[kSectionBelow].setParameter(index - kSatBelow, value);
    else if (inRange(index, kSatAbove, kSectionParameterCount))
        sections[kSectionAbove].setParameter(index - kSatAbove, value);
    else if (inRange(index, kEqSoloBelow1, kBandsPerSection))
    {
        eqBanks[kBankBelowSoloL].setEnabled(index - kEqSoloBelow1, on);
        eqBanks[kBankBelowSoloR].setEnabled(index - kEqSoloBelow1, on);
    }
    else if (inRange(index, kEqSoloAbove1, kBandsPerSection))
    {
        eqBanks[kBankAboveSoloL].setEnabled(index - kEqSoloAbove1, on);
        eqBanks[kBankAboveSoloR].setEnabled(index - kEqSoloAbove1, on);
    }
    else if (inRange(index, kEqMuteBelow1, kBandsPerSection))
    {
        eqBanks[kBankBelowL].setEnabled(index - kEqMuteBelow1, !on);
        eqBanks[kBankBelowR].setEnabled(index - kEqMuteBelow1, !on);
    }
    else if (inRange(index, kEqMuteAbove1, kBandsPerSection))
    {
        eqBanks[kBankAboveL].setEnabled(index - kEqMuteAbove1, !on);
        eqBanks[kBankAboveR].setEnabled(index - kEqMuteAbove1, !on);
    }
    // The solo rules of the model decide which solo group the audio path listens to.
    if (inRange(index, kEqSoloBelow1, kBandsPerSection) ||
        inRange(index, kEqSoloAbove1, kBandsPerSection))
    {
        path.belowBandSolo = belowSoloActive;
        path.aboveBandSolo = aboveSoloActive;
    }
}

void CPlug::forwardToSignalPath(VstInt32 index, float value, float unit)
{
    splitter.setParameter(index, index == kDyna ? unit : value);
    const float bankValue = kParameterTable[static_cast<size_t>(index)].valueClass == kClassBandType
                                ? bandTypeCode(value)
                                : value;
    for (CEqBank& bank : eqBanks) bank.setParameter(index, bankValue);
}

void CPlug::applyBalance(bool snap)
{
    const float target =
        balanceTarget(loadValue(liveValues[kBalance]), loadValue(liveValues[kSoloBelow]),
                      loadValue(liveValues[kSoloAbove]));
    const BalanceGains gains = balanceGains(target);
    path.balanceTarget = target;
    path.belowGain = gains.below;
    path.aboveGain = gains.above;
    if (snap)
        for (COnePoleFilter& smoother : balanceSmoother) smoother.y = target;
}

void CPlug::applyBypass(float value)
{
    path.active = value < 0.5f;
    reportLatency(path.active ? path.lookaheadLatency + oversampling.latency() : 0);
}

void CPlug::applyLookahead(float)
{
    configureLookahead();
    reportLatency(path.lookaheadLatency + oversampling.latency());
}

void CPlug::configureLookahead()
{
    // The audio is only delayed while the look-ahead is on, so only then is there latency.
    const float on = loadValue(liveValues[kLookaheadOn]);
    path.lookaheadOn = isOn(on);
    path.lookaheadLatency = path.lookaheadOn ? truncateToInt(currentRate * on * 0.1) : 0;
    for (CDelay& delay : lookaheadDelay) delay.setDelay(static_cast<float>(path.lookaheadLatency));
    // The detector runs v·100 ms ahead of audio that is delayed by the full 100 ms.
    path.sideChainDelay =
        static_cast<float>((1.0 - loadValue(liveValues[kLookahead])) * 0.1 * currentRate);
    for (CDelay& delay : sideChainDelay) delay.setDelay(path.sideChainDelay);
}

void CPlug::reportLatency(VstInt32 samples)
{
    setInitialDelay(samples);
    hostVendorSpecific(kVendorLatencyChanged, samples, nullptr, 0.0f);
}

void CPlug::setInitialDelay(VstInt32 delay)
{
    // Written by the audio thread when an oversampling change lands, read by the adapter on the
    // host's thread.
    std::atomic_ref<VstInt32>(cEffect.initialDelay).store(delay, std::memory_order_relaxed);
}

void CPlug::applyAnalyserWeighting(float value)
{
    const TiltChoice tilt = tiltChoiceOf(value);
    for (AnalyserSettings& analyser : analysers) analyser.setTilt(tilt.on, tilt.slope, tilt.pivot);
}

void CPlug::applyAnalyserOffset(float value)
{
    const float db = displayOffsetDbOf(value);
    for (AnalyserSettings& analyser : analysers) analyser.setDisplayGain(db);
}
