#pragma once

#include "code/soundengine/Biquad.h"

#include <cstdint>
#include <memory>

// A bank of equaliser bands for one channel. Parameters arrive as five slots per band (kind,
// frequency, gain, Q, spare) on effect indices from baseIndex on; they only mark bands dirty, and
// update recomputes the filters on the audio thread at the start of a block.
class CEqBank
{
public:
    static constexpr int kSlotsPerBand = 5;
    enum Slot
    {
        kSlotKind = 0,
        kSlotFrequency = 1,
        kSlotGain = 2,
        kSlotQ = 3,
        kSlotSpare = 4,
    };
    // Kind codes, as kind·128 in the kind slot.
    enum Kind
    {
        kKindOff = 0,
        kKindBell = 1,
        kKindHighShelf = 2,
        kKindLowShelf = 3,
    };

    // Allocates: setup code only. Slots start at kind 0, frequency 0.5, gain 1, Q 0.5, spare 0.
    void init(int bandCount, int baseIndex, float minFrequency, float maxFrequency);

    // Takes an effect parameter index; false when it is not one of this bank's. The gain slot
    // receives the normalised value and stores the linear gain 4^(2v − 1).
    bool setParameter(int index, float value);
    // Recomputes the dirty bands (all bands when forced); true when any band was recomputed.
    bool update(bool force);
    void setEnabled(int band, bool enabled);
    void setOn(bool on);
    // The caller runs update(true) afterwards.
    void setSampleRate(float sampleRate);
    void setSqrtGain(bool on);

    void process(float* x, int n);
    // The filters process would run, in order; none when the bank is off. out holds bandCount.
    int activeFilters(CBiquad** out);
    void reset();

    int getBandCount() const { return bandCount; }
    int getBaseIndex() const { return baseIndex; }
    bool isInitialised() const { return initialised != 0; }
    bool isOn() const { return on != 0; }
    bool isEnabled(int band) const;
    bool isDirty(int band) const;
    bool isAnyDirty() const { return anyDirty != 0; }
    // Stored slot value (linear gain for the gain slot); 0 outside the bank.
    float getSlot(int band, int slot) const;
    float getSampleRate() const { return sampleRate; }
    const CBiquad* getFilter(int band) const;
    // Centre frequency of a band from its frequency slot.
    float bandFrequency(int band) const;

private:
    void updateBand(int band);

    int bandCount = 0;
    std::unique_ptr<CBiquad[]> filters;
    std::unique_ptr<std::uint8_t[]> enabled;
    int baseIndex = 0;
    float minFrequency = 20.0f;
    float maxFrequency = 20000.0f;
    float octaves = 0.0f;
    float sampleRate = 44100.0f;
    int parameterCount = 0;
    std::unique_ptr<float[]> params;
    std::unique_ptr<std::uint8_t[]> dirty;
    std::uint8_t anyDirty = 0;
    std::uint8_t initialised = 0;
    std::uint8_t sqrtGain = 0;
    std::uint8_t on = 1;
};
