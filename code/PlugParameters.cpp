#include "code/Plug.h"
#include "code/SharedValue.h"

#include "code/ParameterDisplay.h"
#include "code/ParameterMapping.h"
#include "code/ParameterTable.h"

#include <atomic>
#include <cmath>
#include <cstring>
#include <thread>

using namespace velqa;

namespace
{

constexpr int32_t kMaxSelectableBand = 9;
constexpr float kGainCentre = 0.5f;
constexpr int32_t kInverseLink = 2;
constexpr size_t kNameCopyLength = 24;

bool isBandGain(int32_t index)
{
    return (inRange(index, kEqBelowBase, kFieldsPerSection) ||
            inRange(index, kEqAboveBase, kFieldsPerSection)) &&
           (index - kEqBelowBase) % kFieldsPerBand == kBandGain;
}

// The band switch-off parameter belonging to a band gain index.
int32_t switchOffIndexOf(int32_t gainIndex)
{
    return gainIndex < kEqAboveBase
               ? kEqMuteBelow1 + (gainIndex - eqIndex(kSectionBelow, 0, kBandGain)) / kFieldsPerBand
               : kEqMuteAbove1 +
                     (gainIndex - eqIndex(kSectionAbove, 0, kBandGain)) / kFieldsPerBand;
}

bool isBandField(int32_t index)
{
    return inRange(index, kEqBelowBase, 2 * kFieldsPerSection);
}

// The band (0..4) an equaliser field belongs to, in either section.
int32_t bandOfField(int32_t index)
{
    return (index - kEqBelowBase) % kFieldsPerSection / kFieldsPerBand;
}

bool isBandSwitch(int32_t index)
{
    return inRange(index, kEqMuteBelow1, kBandsPerSection) ||
           inRange(index, kEqMuteAbove1, kBandsPerSection);
}

bool isMessage(int32_t index)
{
    switch (index)
    {
    case kMeterDetectorLevel:
    case kMeterInputLeft:
    case kMeterInputRight:
    case kMeterOutputLeft:
    case kMeterOutputRight:
    case kMeterMinimumGain:
    case kMeterBelow:
    case kMeterAbove:
    case kSideChainListen:
    case kSuspendLinks:
    case kRefreshRequest:
    case kSideChainPresent:
    case kStateApplied:
    case kHostNameKnown:
        return true;
    default:
        return false;
    }
}

} // namespace

void CPlug::setParameter(VstInt32 index, float value)
{
    const bool stored = isStored(index);
    if (!stored && !isMessage(index)) return;
    // A corrupt state must not carry NaN or infinity into the filters.
    if (!std::isfinite(value)) value = 0.0f;
    // Meters and notices leave the model alone, so they never wait for it.
    std::unique_lock<std::recursive_mutex> model(parameterLock, std::defer_lock);
    if ((stored || index == kSideChainListen || index == kSuspendLinks) && !lockModel(model))
    {
        deferFromAudioThread(index, value);
        return;
    }

    if (index == kSelectedEq && choiceOf(value) > kMaxSelectableBand)
    {
        setParameter(kSelectedEq, 0.0f);
        return;
    }
    const bool unchanged = stored && liveValues[static_cast<size_t>(index)] == value;

    if (isBandGain(index) && !restoring) activateBandByGain(index, value);

    if (stored)
    {
        // Stored atomically: the host reads values on its own thread at any time.
        storeValue(liveValues[static_cast<size_t>(index)], value);
        storeValue(currentProgram().values[index], value);
    }

    if (stored && !applySoloRules(index, value)) return;

    if (isBandField(index) && !restoring && !linksSuspended && !linkBusy)
        linkBandField(index, value, choiceOf(getParameter(kLink1 + bandOfField(index))));
    if (isBandSwitch(index)) linkBandSwitch(index, value);

    if (!applyOwnEffect(index, value)) return;
    if (stored || index == kSideChainListen) routeToSignalPath(index, value);
    notifyEditor(index, value, unchanged);
}

// The parameter model is shared by every thread that sets parameters: the host's thread
// (edits, state, programs) and the audio thread (automation). Only the audio thread must never
// wait, so it merely tries the lock; the one holder that makes it fail is a load or an edit in
// progress on another thread.
bool CPlug::lockModel(std::unique_lock<std::recursive_mutex>& lock)
{
    if (onAudioThread()) return lock.try_lock();
    lock.lock();
    return true;
}

// Automation that found the model busy: the next block applies the last value of each parameter.
void CPlug::deferFromAudioThread(VstInt32 index, float value)
{
    deferredValue[static_cast<size_t>(index)] = value;
    deferredDirty.set(static_cast<size_t>(index));
}

// Once blocks may run, the signal path belongs to the audio thread: a change is only noted here,
// and the audio thread applies everything noted at the start of its next block, so filter
// coefficients, delays, smoothers and oversampling never change under a running block. Called
// with the model held.
void CPlug::routeToSignalPath(VstInt32 index, float value)
{
    if (!pathShared.load(std::memory_order_acquire))
    {
        applySignalChange(index, value, restoring);
        return;
    }
    const auto slot = static_cast<size_t>(index);
    pendingValue[slot] = value;
    pendingDirty.set(slot);
    pendingSnap.set(slot, restoring);
    changesPending.store(true, std::memory_order_release);
}

void CPlug::takeOverChanges()
{
    audioThread.store(std::this_thread::get_id(), std::memory_order_relaxed);
    for (size_t i = 0; editorOwed.any() && i < editorOwed.size(); ++i)
        if (editorOwed.test(i))
        {
            editorOwed.reset(i);
            notifyEditor(static_cast<VstInt32>(i), 0.0f, false);
        }
    if (!changesPending.load(std::memory_order_acquire) && deferredDirty.none() && !programDeferred)
        return;
    std::unique_lock<std::recursive_mutex> model(parameterLock, std::try_to_lock);
    // A load in progress elsewhere: this block keeps the last complete set.
    if (!model.owns_lock()) return;
    if (programDeferred)
    {
        programDeferred = false;
        applyProgram(curProgramIndex);
    }
    for (size_t i = 0; i < deferredDirty.size(); ++i)
        if (deferredDirty.test(i))
        {
            deferredDirty.reset(i);
            setParameter(static_cast<VstInt32>(i), deferredValue[i]);
        }
    applyPendingChanges();
}

// With the model held, and on the audio thread or while no block can run.
void CPlug::applyPendingChanges()
{
    changesPending.store(false, std::memory_order_relaxed);
    if (pendingDirty.none()) return;
    for (size_t i = 0; i < pendingDirty.size(); ++i)
        if (pendingDirty.test(i))
            applySignalChange(static_cast<VstInt32>(i), pendingValue[i], pendingSnap.test(i));
    pendingDirty.reset();
    pendingSnap.reset();
}

bool CPlug::beginRestore()
{
    std::unique_lock<std::recursive_mutex> model(parameterLock, std::defer_lock);
    if (!lockModel(model)) return false;
    model.release(); // held until endRestore
    ++restoreDepth;
    restoring = true;
    return true;
}

void CPlug::endRestore()
{
    restoring = --restoreDepth > 0;
    parameterLock.unlock();
}

// A band comes on when its gain leaves 0 dB and goes off when it returns to exactly 0 dB.
void CPlug::activateBandByGain(VstInt32 index, float value)
{
    const float old = getParameter(index);
    if (old == kGainCentre && value != kGainCentre)
        setParameter(switchOffIndexOf(index), 0.0f);
    else if (old != kGainCentre && value == kGainCentre)
        setParameter(switchOffIndexOf(index), 1.0f);
}

bool CPlug::applySoloRules(VstInt32 index, float value)
{
    const bool belowBefore = belowSoloActive;
    const bool aboveBefore = aboveSoloActive;
    const bool on = isOn(value);

    if (on && inRange(index, kEqSoloBelow1, kBandsPerSection))
    {
        for (int32_t b = 0; b < kBandsPerSection; ++b) setParameter(kEqSoloAbove1 + b, 0.0f);
        setParameter(index + kBandsPerSection, 0.0f);
        belowSoloActive = true;
        aboveSoloActive = false;
    }
    else if (on && inRange(index, kEqSoloAbove1, kBandsPerSection))
    {
        for (int32_t b = 0; b < kBandsPerSection; ++b) setParameter(kEqSoloBelow1 + b, 0.0f);
        setParameter(index + kBandsPerSection, 0.0f);
        belowSoloActive = false;
        aboveSoloActive = true;
    }
    else if (on && isBandSwitch(index) &&
             isOn(liveValues[static_cast<size_t>(index - kBandsPerSection)]))
    {
        // A soloed band cannot be switched off. The nested call applies the corrected value in
        // full; carrying on with the refused value would switch the band off in the banks and in
        // a linked partner behind the stored value's back.
        setParameter(index, 0.0f);
        return false;
    }
    else if (!on && inRange(index, kEqSoloBelow1, kBandsPerSection))
    {
        belowSoloActive = false;
        for (int32_t b = 0; b < kBandsPerSection; ++b)
            belowSoloActive = belowSoloActive || isOn(liveValues[kEqSoloBelow1 + b]);
    }
    else if (!on && inRange(index, kEqSoloAbove1, kBandsPerSection))
    {
        aboveSoloActive = false;
        for (int32_t b = 0; b < kBandsPerSection; ++b)
            aboveSoloActive = aboveSoloActive || isOn(liveValues[kEqSoloAbove1 + b]);
    }

    if ((belowSoloActive != belowBefore || aboveSoloActive != aboveBefore) &&
        editorSeam.hasEditor())
        editorSeam.setSoloFlags(belowSoloActive, aboveSoloActive);
    return true;
}

// Only gains are mirrored by the inverse link; type, frequency, Q and spare follow unchanged.
void CPlug::linkBandField(VstInt32 index, float value, int32_t mode)
{
    linkBusy = true;
    if (mode > 0)
    {
        const bool mirrored = mode == kInverseLink &&
                              kParameterTable[static_cast<size_t>(index)].valueClass == kClassGain;
        setParameter(velqa::partnerIndex(index), mirrored ? 1.0f - value : value);
    }
    linkBusy = false;
}

void CPlug::linkBandSwitch(VstInt32 index, float value)
{
    const int32_t band = (index - kEqSoloBelow1) % kBandsPerSection;
    const int32_t mode = choiceOf(getParameter(kLink1 + band));
    if (mode == 0 || restoring || linksSuspended || linkBusy) return;
    linkBusy = true;
    const int32_t sectionDistance = kEqMuteAbove1 - kEqMuteBelow1;
    setParameter(index < kEqMuteAbove1 ? index + sectionDistance : index - sectionDistance, value);
    linkBusy = false;
}

void CPlug::linkToPartner(VstInt32 index, float value, float modeOverride)
{
    if (!isBandField(index) || restoring || linksSuspended || linkBusy) return;
    const int32_t mode = modeOverride >= 0.0f ? choiceOf(modeOverride)
                                              : choiceOf(getParameter(kLink1 + bandOfField(index)));
    linkBandField(index, value, mode);
}

// The editor lock is the one lock the design takes on the audio thread (meters, automation), and
// there only tried: the holder may be the UI thread waiting for the parameter model, which this
// thread holds. A stored value it could not deliver goes out with the next block; a meter reading
// is simply superseded by the next one.
void CPlug::notifyEditor(VstInt32 index, float value, bool unchanged)
{
    if (unchanged) return;
    if (!onAudioThread())
        editorLock.enter();
    else if (!editorLock.tryEnter())
    {
        if (isStored(index)) editorOwed.set(static_cast<size_t>(index));
        return;
    }
    if (editorSeam.hasEditor())
        editorSeam.setParameter(index, isStored(index) ? storedValue(index) : value);
    editorLock.leave();
}

float CPlug::getParameter(VstInt32 index)
{
    if (isStored(index)) return loadValue(currentProgram().values[index]);
    if (index == kCompareLoading) return compareStore.isLoading() ? 1.0f : 0.0f;
    if (index == kSideChainPresent) return sideChainPresent.load() ? 1.0f : 0.0f;
    return 0.0f;
}

float CPlug::storedValue(VstInt32 index) const
{
    return isStored(index) ? loadValue(liveValues[static_cast<size_t>(index)]) : 0.0f;
}

void CPlug::getParameterName(VstInt32 index, char* text)
{
    if (!isStored(index))
    {
        *text = 0;
        return;
    }
    // A name of exactly 24 characters is handed over unterminated, as hosts of this kind expect.
    std::strncpy(text, kParameterTable[static_cast<size_t>(index)].name, kNameCopyLength);
}

void CPlug::getParameterDisplay(VstInt32 index, char* text)
{
    std::strcpy(text, "0.000");
    if (index < 0)
        *text = 0;
    else
        velqa::formatParameter(index, text, storedValue(index));
}

void CPlug::formatParameter(VstInt32 index, char* text, float value)
{
    velqa::formatParameter(index, text, value);
}

float CPlug::valueOf(VstInt32 index, float value) const
{
    return velqa::valueOf(index, value);
}

float CPlug::thresholdToNormalised(float level) const
{
    return velqa::thresholdToNormalised(level);
}

VstInt32 CPlug::partnerIndex(VstInt32 index) const
{
    return velqa::partnerIndex(index);
}
