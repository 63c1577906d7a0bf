#pragma once
// One effect as the emulated VST 2 host holds it.

#include "VST3Adapter/vst2base/audioeffectx.h"

#include <array>

// A node of a signal-routing graph. This module creates nodes but never connects them, so
// only the node's identity is kept.
class IRoutingObject
{
public:
    virtual ~IRoutingObject() = default;
    virtual const char* getNodeName() const = 0;
    virtual int32_t getNumNodeInputs() const = 0;
    virtual int32_t getNumNodeOutputs() const = 0;
};

class IPlugin : public IRoutingObject
{
public:
    virtual AudioEffect* getEffect() const = 0;
    virtual AEffect* getAeffect() const = 0;
};

class CVst2Plugin : public IPlugin
{
public:
    static constexpr int kNumMidiEvents = 300;

    CVst2Plugin() = default;
    ~CVst2Plugin() override;
    CVst2Plugin(const CVst2Plugin&) = delete;
    CVst2Plugin& operator=(const CVst2Plugin&) = delete;

    // Replaces any held effect by a new one talking to the given host callback.
    AudioEffect* createEffect(audioMasterCallback callback);
    void deleteEffect();

    const char* getNodeName() const override { return effectName; }
    int32_t getNumNodeInputs() const override { return aeffect ? aeffect->numInputs : 0; }
    int32_t getNumNodeOutputs() const override { return aeffect ? aeffect->numOutputs : 0; }
    AudioEffect* getEffect() const override { return effect; }
    AEffect* getAeffect() const override { return aeffect; }

    const char* getVendorString() const { return vendorString; }
    const char* getProductString() const { return productString; }
    bool isSynth() const { return synth; }

    bool wantsMidi = false;

private:
    AudioEffect* effect = nullptr;
    AEffect* aeffect = nullptr;
    char effectName[256] = {};
    char vendorString[256] = {};
    char productString[256] = {};
    bool synth = false;
    std::array<VstMidiEvent, kNumMidiEvents> midiEvents{};
};
