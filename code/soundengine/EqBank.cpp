#include "code/soundengine/EqBank.h"

#include <algorithm>
#include <cmath>

void CEqBank::init(int count, int base, float minF, float maxF)
{
    bandCount = std::max(count, 0);
    baseIndex = base;
    minFrequency = minF;
    maxFrequency = maxF;
    octaves = std::log2(maxF / minF);
    parameterCount = bandCount * kSlotsPerBand;
    filters = std::make_unique<CBiquad[]>(static_cast<std::size_t>(bandCount));
    enabled = std::make_unique<std::uint8_t[]>(static_cast<std::size_t>(bandCount));
    dirty = std::make_unique<std::uint8_t[]>(static_cast<std::size_t>(bandCount));
    params = std::make_unique<float[]>(static_cast<std::size_t>(parameterCount));
    for (int band = 0; band < bandCount; ++band)
    {
        enabled[band] = 1;
        dirty[band] = 0;
        float* slots = &params[band * kSlotsPerBand];
        slots[kSlotKind] = 0.0f;
        slots[kSlotFrequency] = 0.5f;
        slots[kSlotGain] = 1.0f;
        slots[kSlotQ] = 0.5f;
        slots[kSlotSpare] = 0.0f;
    }
    anyDirty = 0;
    initialised = 1;
}

bool CEqBank::setParameter(int index, float value)
{
    const int i = index - baseIndex;
    if (!initialised || i < 0 || i >= parameterCount) return false;
    const int band = i / kSlotsPerBand;
    if (i % kSlotsPerBand == kSlotGain) value = std::pow(4.0f, 2.0f * value - 1.0f);
    if (params[i] == value) return true;
    params[i] = value;
    dirty[band] = 1;
    anyDirty = 1;
    return true;
}

bool CEqBank::update(bool force)
{
    if (!initialised || (!force && !anyDirty)) return false;
    bool any = false;
    for (int band = 0; band < bandCount; ++band)
    {
        if (!force && !dirty[band]) continue;
        updateBand(band);
        dirty[band] = 0;
        any = true;
    }
    anyDirty = 0;
    return any;
}

float CEqBank::bandFrequency(int band) const
{
    if (!initialised || band < 0 || band >= bandCount) return 0.0f;
    return minFrequency * std::exp2(octaves * params[band * kSlotsPerBand + kSlotFrequency]);
}

void CEqBank::updateBand(int band)
{
    const float* slots = &params[band * kSlotsPerBand];
    CBiquad& filter = filters[band];
    const int kind = static_cast<int>(128.0f * slots[kSlotKind]);
    float g = sqrtGain ? std::sqrt(slots[kSlotGain]) : slots[kSlotGain];
    g = std::max(0.001f, g);
    // Kept below Nyquist so that a low host rate cannot turn a band unstable.
    const float f = std::min(bandFrequency(band), 0.49f * sampleRate);
    const float q = slots[kSlotQ];
    switch (kind)
    {
    case kKindOff:
        filter.type = CBiquad::kInactive;
        filter.reset();
        break;
    case kKindBell:
        filter.setPeak(sampleRate, f, 1.0f / std::max(0.0001f, 2.9f * q + 0.1f), g);
        break;
    case kKindHighShelf:
    case kKindLowShelf:
        filter.set(sampleRate, kind, f, f, g, 1.0f / std::max(0.0001f, 1.5f * std::sqrt(q) + 0.5f));
        break;
    default:
        filter.type = CBiquad::kInactive;
        break;
    }
}

void CEqBank::setEnabled(int band, bool on)
{
    if (!initialised || band < 0 || band >= bandCount) return;
    enabled[band] = on ? 1 : 0;
}

void CEqBank::setOn(bool value)
{
    on = value ? 1 : 0;
}

void CEqBank::setSampleRate(float rate)
{
    sampleRate = rate;
}

void CEqBank::setSqrtGain(bool value)
{
    sqrtGain = value ? 1 : 0;
}

void CEqBank::process(float* x, int n)
{
    if (!on || !initialised) return;
    for (int band = 0; band < bandCount; ++band)
    {
        CBiquad& filter = filters[band];
        if (filter.type != CBiquad::kInactive && enabled[band]) filter.process(x, n);
    }
}

int CEqBank::activeFilters(CBiquad** out)
{
    if (!on || !initialised) return 0;
    int count = 0;
    for (int band = 0; band < bandCount; ++band)
        if (filters[band].type != CBiquad::kInactive && enabled[band])
            out[count++] = &filters[band];
    return count;
}

void CEqBank::reset()
{
    for (int band = 0; band < bandCount; ++band) filters[band].reset();
}

bool CEqBank::isEnabled(int band) const
{
    return initialised && band >= 0 && band < bandCount && enabled[band] != 0;
}

bool CEqBank::isDirty(int band) const
{
    return initialised && band >= 0 && band < bandCount && dirty[band] != 0;
}

float CEqBank::getSlot(int band, int slot) const
{
    if (!initialised || band < 0 || band >= bandCount || slot < 0 || slot >= kSlotsPerBand)
        return 0.0f;
    return params[band * kSlotsPerBand + slot];
}

const CBiquad* CEqBank::getFilter(int band) const
{
    if (!initialised || band < 0 || band >= bandCount) return nullptr;
    return &filters[band];
}
