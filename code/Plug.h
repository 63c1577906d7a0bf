#pragma once
// The effect: parameter set, its side effects and the objects they configure, on the VST 2.4-style
// base the adapter drives.

#include "VST3Adapter/vst2base/audioeffectx.h"
#include "code/AnalyserSettings.h"
#include "code/CompareStore.h"
#include "code/EditorSeam.h"
#include "code/OversamplingRequest.h"
#include "code/ParameterIndex.h"
#include "code/PresetStore.h"
#include "code/ProgramStore.h"
#include "code/SignalPathSettings.h"
#include "code/StateChunk.h"
#include "code/soundengine/AnalyserWorker.h"
#include "code/soundengine/Buffer.h"
#include "code/soundengine/Delay.h"
#include "code/soundengine/DynaSplitter.h"
#include "code/soundengine/EqBank.h"
#include "code/soundengine/OnePoleFilter.h"
#include "code/soundengine/Oversampler.h"
#include "code/soundengine/SectionProcessor.h"
#include "platform/BusyLock.h"

#include <array>
#include <atomic>
#include <bitset>
#include <mutex>
#include <thread>
#include <vector>

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

    // State chunk and presets
    void rescanPresets() { presetStore.rescan(); }
    void sortPresets(int32_t mode) { presetStore.sort(mode); }
    const velqa::PresetEntry* loadPresetAt(int32_t position);
    const velqa::PresetEntry* stepPreset(bool forward);
    bool presetFile(bool load, const char* path);
    int32_t saveUserPreset(const char* folder, const char* name, const char* category,
                           const char* author, bool overwrite);
    velqa::CPresetStore& getPresetStore() { return presetStore; }
    const velqa::PresetTexts& getPresetTexts() const { return presetTexts; }
    const velqa::Program& getSnapshot(int32_t k) const { return snapshots[static_cast<size_t>(k)]; }

    // Whole-set loads (programs, chunks, presets) bracket themselves with these; the audio path
    // takes over the whole set at once, never a part of it. On the audio thread beginRestore only
    // tries, and answers false while another thread holds the parameter model.
    bool beginRestore();
    void endRestore();
    // Holds the parameter model still, for a reader that needs many values of one moment.
    std::unique_lock<std::recursive_mutex> lockParameters()
    {
        return std::unique_lock<std::recursive_mutex>(parameterLock);
    }
    // Any thread; the adapter reads the latency on the host's thread.
    void setInitialDelay(VstInt32 delay) override;

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
    bool applyOwnEffect(VstInt32 index, float value);
    void forwardToSignalPath(VstInt32 index, float value, float unit);
    void notifyEditor(VstInt32 index, float value, bool unchanged);

    // Values the audio path uses reach it through a hand-off: see setParameter.
    static constexpr int kHandOffSlots = 192;
    static_assert(velqa::kSideChainListen < kHandOffSlots);
    // The thread that ran the last block never waits for the parameter model.
    bool onAudioThread() const
    {
        return std::this_thread::get_id() == audioThread.load(std::memory_order_relaxed);
    }
    bool lockModel(std::unique_lock<std::recursive_mutex>& lock);
    void routeToSignalPath(VstInt32 index, float value);
    void applySignalChange(VstInt32 index, float value, bool snap);
    void deferFromAudioThread(VstInt32 index, float value);
    // Audio thread, at the start of each block.
    void takeOverChanges();
    void applyPendingChanges();

    // Effects of single parameters.
    void applyBalance(bool snap);
    void applyBypass(float value);
    void applyLookahead(float value);
    void applySectionValue(VstInt32 index, float value);
    // Look-ahead and side-chain delays from the stored values at the current rate.
    void configureLookahead();
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
    std::array<CDelay, 4> dryStemDelay; // outputs 6..9 while oversampling
    std::array<CDelay, 2> listenDelay;  // the listen modes while oversampling
    bool listenDelayed = false;
    bool resumingFromBypass = false;
    std::array<COnePoleFilter, 2> balanceSmoother;
    std::array<COnePoleFilter, 2> mixSmoother;
    std::array<COnePoleFilter, 2> outputSmoother;
    std::array<std::array<COnePoleFilter, 2>, 2> panSmoother; // per section and channel
    velqa::SignalPathSettings path;
    velqa::OversamplingRequest oversampling;
    std::array<velqa::AnalyserSettings, 2> analysers;

    // Signal path: processReplacing and its helpers
public:
    CSpectrumAnalyzer& getAnalyserForEditor(velqa::Section section) { return analysers[section]; }
    // The editor opened or closed: only while it shows them do the workers analyse spectra.
    void editorOpened(bool open) { spectrumShown.store(open, std::memory_order_relaxed); }
    int analysedFrames(velqa::Section section) const
    {
        return analyserThreads.workers[section].analysedFrames();
    }
    const COversampler& getActiveOversampler(velqa::Section section) const
    {
        return *activeOversampler[section];
    }

private:
    struct MeterValues
    {
        float inputLeft, inputRight, detectorLevel, minimumGain;
        float outputLeft, outputRight, below, above;
    };
    // Started with the effect, stopped before the analysers they read go away.
    struct AnalyserThreads
    {
        AnalyserThreads(CSpectrumAnalyzer& below, CSpectrumAnalyzer& above);
        std::array<CAnalyserWorker, 2> workers;
    };
    static constexpr int kOversamplingFactors = 4; // 2x, 4x, 8x, 16x

    void prepareSignalPath();
    void selectOversamplers();
    void configureAnalysers();
    void processBlock(float** inputs, float** outputs, int n, int offset, int numChannels);
    float** buildSideChain(int n, int offset, int numChannels);
    bool writeExtraOutputs(float** outputs, int first, int n, int numChannels);
    void runSections(float** outputs, int n, int numChannels);
    void processSections(float** below, float** above, int frames, int numChannels,
                         const bool* saturated);
    void applyBalanceGains(float** outputs, int n, int numChannels);
    void applyGlobalMix(float** outputs, int n, int numChannels);
    void applyOutputGain(float** outputs, int n, int numChannels);
    void applyPan(velqa::Section section, float** channels, int n, int numChannels);
    float panTarget(velqa::Section section, int channel) const;
    // Whole-set loads place the pan at once instead of gliding there.
    void settlePan();
    void publishMeters(const MeterValues& meters);
    void clearDelayLines();
    void applyOversamplingChange();

    AnalyserThreads analyserThreads{analysers[velqa::kSectionBelow],
                                    analysers[velqa::kSectionAbove]};
    velqa::platform::CBusyLock processLock;
    CBuffer aboveBuffer, dryBuffer, undelayedBuffer, sideChainMix, soloCopyA, soloCopyB;
    std::array<std::array<COversampler, kOversamplingFactors>, 2> oversamplerBank;
    std::array<COversampler*, 2> activeOversampler{&oversamplerBank[0][0], &oversamplerBank[1][0]};
    int preparedFrames = 0;
    // Both sections' filters run side by side (colour shelves, then equaliser bands).
    CBiquadLanes sectionLanes;

    // Parameter model.
    std::array<float, kNumParams> liveValues{};
    std::array<velqa::Program, kNumPrograms> programs{};
    CCompAB compareStore{*this};
    // Guards the parameter model (values, programs, solo and link state, the hand-off slots).
    // Any thread may change parameters; the audio thread only ever tries the lock, see
    // lockModel.
    std::recursive_mutex parameterLock;
    // While false (not resumed yet, or during resume) no block can run, and changes reach the
    // signal path at once.
    std::atomic<bool> pathShared{false};
    std::atomic<std::thread::id> audioThread{};
    std::atomic<bool> changesPending{false};
    std::bitset<kHandOffSlots> pendingDirty, pendingSnap;
    std::array<float, kHandOffSlots> pendingValue{};
    // The audio thread's own changes made while another thread held the model; audio thread
    // only.
    std::bitset<kHandOffSlots> deferredDirty;
    std::array<float, kHandOffSlots> deferredValue{};
    bool programDeferred = false;
    std::bitset<kNumParams> editorOwed;
    std::atomic<bool> sideChainPresent{false};
    std::atomic<bool> spectrumShown{false};
    int restoreDepth = 0;
    bool restoring = false;
    bool linkBusy = false;
    bool linksSuspended = false;
    bool belowSoloActive = false;
    bool aboveSoloActive = false;
    velqa::platform::CBusyLock editorLock;
    velqa::CEditorSeam editorSeam;
    // Editor: created with the effect, owned by it once it registered itself.
    void createEditor();

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
    // State chunk and presets
    const velqa::PresetEntry* loadPresetEntry(int32_t position);
    std::array<velqa::Program, velqa::kSnapshotCount> snapshots = velqa::defaultSnapshots();
    velqa::PresetTexts presetTexts;
    std::vector<uint8_t> chunkBuffer; // the block last handed out by getChunk
    velqa::CPresetStore presetStore;
};

AudioEffect* createEffectInstance(audioMasterCallback audioMaster);
