#pragma once
// The effect: parameter set, its side effects and the objects they configure, on the VST 2.4-style
// base the adapter drives.

#include "VST3Adapter/vst2base/audioeffectx.h"
#include "code/AnalyserSettings.h"
#include "code/CompareStore.h"
#include "code/EditorSeam.h"
#include "code/OversamplingRequest.h"
#include "code/ParameterIndex.h"
#include "code/ProgramStore.h"
#include "code/SignalPathSettings.h"
#include "code/soundengine/Delay.h"
#include "code/soundengine/DynaSplitter.h"
#include "code/soundengine/EqBank.h"
#include "code/soundengine/OnePoleFilter.h"
#include "code/soundengine/SectionProcessor.h"
#include "platform/BusyLock.h"

#include <array>

struct SideChainLink;

class CPlug : public AudioEffectX, public CCompABClient
{
public:
    static constexpr VstInt32 kNumHostParams = velqa::kHostParameterCount;
    static constexpr VstInt32 kNumParams = velqa::kStoredParameterCount;
    static constexpr VstInt32 kNumPrograms = 1;
    static constexpr VstInt32 kNumInputs = 2;
    static constexpr VstInt32 kNumOutputs = 10;

    // The eight equaliser banks: per section and channel a main bank and a solo bank.
    enum EqBankSlot
    {
        kBankBelowL,
        kBankBelowR,
        kBankAboveL,
        kBankAboveR,
        kBankBelowSoloL,
        kBankBelowSoloR,
        kBankAboveSoloL,
        kBankAboveSoloR,
        kBankCount
    };

    explicit CPlug(audioMasterCallback audioMaster);
    ~CPlug() override = default;
    CPlug(const CPlug&) = delete;
    CPlug& operator=(const CPlug&) = delete;

    void resume() override;
    void setSampleRate(float rate) override;
    void setBlockSize(VstInt32 size) override;
    void processReplacing(float** inputs, float** outputs, VstInt32 sampleFrames) override;

    void setParameter(VstInt32 index, float value) override;
    float getParameter(VstInt32 index) override;

    VstInt32 getProgram() override { return curProgram; }
    void setProgram(VstInt32 program) override;
    void setProgramName(char* name) override;
    void getProgramName(char* name) override;
    void getParameterDisplay(VstInt32 index, char* text) override;
    void getParameterName(VstInt32 index, char* text) override;

    VstInt32 getChunk(void** data, bool isPreset) override;
    VstInt32 setChunk(void* data, VstInt32 byteSize, bool isPreset) override;

    VstInt32 getBlockSize() override { return blockSize; }
    float getVu() override { return 0.0f; }
    bool canParameterBeAutomated(VstInt32 index) override { return index != velqa::kSelectedEq; }
    bool getProgramNameIndexed(VstInt32 category, VstInt32 index, char* text) override;
    bool getInputProperties(VstInt32 index, VstPinProperties* properties) override;
    bool getOutputProperties(VstInt32 index, VstPinProperties* properties) override;
    bool setSpeakerArrangement(VstSpeakerArrangement* input,
                               VstSpeakerArrangement* output) override;
    VstInt32 getNumMidiInputChannels() override { return 16; }
    VstInt32 processEvents(VstEvents* events) override;

    bool getEffectName(char* name) override;
    bool getVendorString(char* text) override;
    bool getProductString(char* text) override;
    VstInt32 getVendorVersion() override { return 2640; }
    VstIntPtr vendorSpecific(VstInt32 lArg, VstIntPtr lArg2, void* ptrArg, float floatArg) override;
    VstInt32 canDo(char* text) override;

    virtual void setParameterValue(VstInt32 index, float value) { setParameter(index, value); }
    virtual float getParameterValue(VstInt32 index) { return getParameter(index); }

    // For the editor and the adapter: texts and unit values of any normalised value, without
    // touching the parameter.
    void formatParameter(VstInt32 index, char* text, float value);
    float valueOf(VstInt32 index, float value) const;
    float thresholdToNormalised(float level) const;
    VstInt32 partnerIndex(VstInt32 index) const;
    // Hands a band edit to the partner band as a link would; a modeOverride >= 0 replaces the
    // band's stored link mode.
    void linkToPartner(VstInt32 index, float value, float modeOverride);

    void setCompareParameter(int32_t index, float value) override { setParameter(index, value); }

    // Whole-set loads (programs, chunks, presets) bracket themselves with these.
    void beginRestore() { restoring = true; }
    void endRestore() { restoring = false; }

    // Read access for the audio path, the editor and tests.
    bool isRestoring() const { return restoring; }
    bool areLinksSuspended() const { return linksSuspended; }
    bool isBelowSoloActive() const { return belowSoloActive; }
    bool isAboveSoloActive() const { return aboveSoloActive; }
    bool hasExtraOutputs() const { return extraOutputs; }
    VstInt32 getInputChannels() const { return inputChannels; }
    const SideChainLink* getSideChainLink() const { return sideChainLink; }
    double getCurrentSampleRate() const { return currentRate; }
    double getNyquistLimit() const { return nyquistLimit; }
    double getTempo() const { return tempo; }
    const velqa::SignalPathSettings& getSignalPath() const { return path; }
    const velqa::OversamplingRequest& getOversampling() const { return oversampling; }
    const velqa::AnalyserSettings& getAnalyser(velqa::Section section) const
    {
        return analysers[section];
    }
    const CDynaSplitter& getSplitter() const { return splitter; }
    const CEqBank& getEqBank(EqBankSlot slot) const { return eqBanks[slot]; }
    const CSectionProcessor& getSectionProcessor(velqa::Section section) const
    {
        return sections[section];
    }
    const CDelay& getLookaheadDelay(int channel) const { return lookaheadDelay[channel]; }
    const CDelay& getSideChainDelay(int channel) const { return sideChainDelay[channel]; }
    const COnePoleFilter& getBalanceSmoother(int channel) const { return balanceSmoother[channel]; }
    const COnePoleFilter& getMixSmoother(int channel) const { return mixSmoother[channel]; }
    const COnePoleFilter& getOutputSmoother(int channel) const { return outputSmoother[channel]; }

private:
    // setParameter's steps.
    void activateBandByGain(VstInt32 index, float value);
    // False when the call was corrected by a nested call that already did the rest.
    bool applySoloRules(VstInt32 index, float value);
    void linkBandField(VstInt32 index, float value, int32_t mode);
    void linkBandSwitch(VstInt32 index, float value);
    // False for a message that ends the call without notifying the editor.
    bool applyOwnEffect(VstInt32 index, float value, float unit);
    void forwardToSignalPath(VstInt32 index, float value, float unit);
    void notifyEditor(VstInt32 index, float value, bool unchanged);

    // Effects of single parameters.
    void applyBalance();
    void applyBypass(float value);
    void applyLookahead(float value);
    void applyAnalyserWeighting(float value);
    void applyAnalyserOffset(float value);
    void reportLatency(VstInt32 samples);

    void configureForSampleRate();
    void applyProgram(VstInt32 program);
    float storedValue(VstInt32 index) const;
    velqa::Program& currentProgram() { return programs[static_cast<size_t>(curProgramIndex)]; }

    // Signal-path objects the parameters configure.
    CDynaSplitter splitter;
    std::array<CEqBank, kBankCount> eqBanks;
    std::array<CSectionProcessor, 2> sections;
    std::array<CDelay, 2> lookaheadDelay;
    std::array<CDelay, 2> sideChainDelay;
    std::array<CDelay, 2> dryCompensationDelay;
    std::array<COnePoleFilter, 2> balanceSmoother;
    std::array<COnePoleFilter, 2> mixSmoother;
    std::array<COnePoleFilter, 2> outputSmoother;
    velqa::SignalPathSettings path;
    velqa::OversamplingRequest oversampling;
    std::array<velqa::AnalyserSettings, 2> analysers;

    // Parameter model.
    std::array<float, kNumParams> liveValues{};
    std::array<velqa::Program, kNumPrograms> programs{};
    CCompAB compareStore{*this};
    bool restoring = false;
    bool linkBusy = false;
    bool linksSuspended = false;
    bool belowSoloActive = false;
    bool aboveSoloActive = false;
    velqa::platform::CBusyLock editorLock;
    velqa::CEditorSeam editorSeam;

    // Configuration.
    VstInt32 curProgramIndex = 0;
    double currentRate = 44100.0;
    bool rateSet = false;
    double rateAtLastResume = 0.0;
    double nyquistLimit = 0.49995 * 44100.0;
    double tempo = 120.0;
    VstInt32 inputChannels = 2;
    bool extraOutputs = true;
    SideChainLink* sideChainLink = nullptr;
    std::array<float, kNumParams> chunkBuffer{};
};

AudioEffect* createEffectInstance(audioMasterCallback audioMaster);
