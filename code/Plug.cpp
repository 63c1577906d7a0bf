#include "code/Plug.h"

#include "code/ParameterTable.h"

#include <cmath>
#include <cstdio>
#include <cstring>

using namespace velqa;

namespace
{

constexpr float kEqMinFrequency = 20.0f;
constexpr float kEqMaxFrequency = 20000.0f;
constexpr float kSmootherCutoff = 5.0f;
constexpr double kMaxLookaheadSeconds = 0.1;
constexpr int kDryCompensationStorage = 4096;
constexpr float kDryCompensationDelay = 2048.0f;

constexpr VstInt32 kAllTimeInfo = kVstNanosValid | kVstPpqPosValid | kVstTempoValid |
                                  kVstBarsValid | kVstCyclePosValid | kVstTimeSigValid |
                                  kVstSmpteValid | kVstClockValid;

} // namespace

AudioEffect* createEffectInstance(audioMasterCallback audioMaster)
{
    return new CPlug(audioMaster);
}

CPlug::CPlug(audioMasterCallback audioMaster)
    : AudioEffectX(audioMaster, kNumPrograms, kNumHostParams)
{
    eqBanks[kBankBelowL].init(kBandsPerSection, kEqBelowBase, kEqMinFrequency, kEqMaxFrequency);
    eqBanks[kBankBelowR].init(kBandsPerSection, kEqBelowBase, kEqMinFrequency, kEqMaxFrequency);
    eqBanks[kBankAboveL].init(kBandsPerSection, kEqAboveBase, kEqMinFrequency, kEqMaxFrequency);
    eqBanks[kBankAboveR].init(kBandsPerSection, kEqAboveBase, kEqMinFrequency, kEqMaxFrequency);
    eqBanks[kBankBelowSoloL].init(kBandsPerSection, kEqBelowBase, kEqMinFrequency, kEqMaxFrequency);
    eqBanks[kBankBelowSoloR].init(kBandsPerSection, kEqBelowBase, kEqMinFrequency, kEqMaxFrequency);
    eqBanks[kBankAboveSoloL].init(kBandsPerSection, kEqAboveBase, kEqMinFrequency, kEqMaxFrequency);
    eqBanks[kBankAboveSoloR].init(kBandsPerSection, kEqAboveBase, kEqMinFrequency, kEqMaxFrequency);

    curProgram = -1;
    setNumInputs(kNumInputs);
    setNumOutputs(kNumOutputs);
    isSynth(false);
    programsAreChunks(true);
    canProcessReplacing(true);
    setUniqueID(0x766C7161); // 'vlqa'

    for (VstInt32 i = 0; i < kNumParams; ++i)
    {
        liveValues[static_cast<size_t>(i)] = kParameterTable[static_cast<size_t>(i)].defaultValue;
        programs[0].values[i] = liveValues[static_cast<size_t>(i)];
    }
    std::snprintf(programs[0].name, sizeof programs[0].name, "init%d", 1);

    extraOutputs = true;
    curProgramIndex = 0;
    curProgram = 0;
    applyProgram(0);
    updateDisplay();
    rateSet = false;
    createEditor();
}

void CPlug::applyProgram(VstInt32 program)
{
    // A program change from the audio thread while a load runs elsewhere waits for the next block.
    if (!beginRestore())
    {
        programDeferred = true;
        return;
    }
    compareStore.pushLoading();
    const Program& source = programs[static_cast<size_t>(program)];
    for (VstInt32 i = 0; i < kNumParams; ++i) setParameter(i, source.values[i]);
    endRestore();
    compareStore.pop();
}

void CPlug::setProgram(VstInt32 program)
{
    // A restored project may carry any number here; only existing programs are selectable.
    if (program < 0 || program >= kNumPrograms) return;
    // Written only when it changes: a MIDI program change arrives on the audio thread.
    if (curProgramIndex != program) curProgramIndex = program;
    if (curProgram != program) curProgram = program;
    applyProgram(program);
    updateDisplay();
}

void CPlug::setProgramName(char* name)
{
    if (!name) return;
    std::snprintf(currentProgram().name, kProgramNameSize, "%s", name);
}

void CPlug::getProgramName(char* name)
{
    std::snprintf(name, kProgramNameSize, "%s", currentProgram().name);
}

bool CPlug::getProgramNameIndexed(VstInt32, VstInt32 index, char* text)
{
    if (index != 0)
    {
        *text = 0;
        return false;
    }
    std::snprintf(text, kProgramNameSize, "%s", programs[0].name);
    return true;
}

void CPlug::setSampleRate(float rate)
{
    if (!(rate > 0.0f) || !std::isfinite(rate)) return;
    if (!rateSet || rate != currentRate)
    {
        currentRate = rate;
        rateSet = true;
        configureForSampleRate();
    }
    currentRate = rate;
    sampleRate = rate;
    nyquistLimit = 0.49995 * rate;
}

void CPlug::configureForSampleRate()
{
    // Only the saturation runs oversampled; every filter runs at the host rate.
    const auto rate = static_cast<float>(currentRate);
    for (CEqBank& bank : eqBanks)
    {
        bank.setSampleRate(rate);
        bank.update(true);
    }
    splitter.setSampleRate(rate);
    for (int c = 0; c < 2; ++c)
    {
        for (COnePoleFilter* smoother : {&balanceSmoother[c], &mixSmoother[c], &outputSmoother[c],
                                         &panSmoother[0][c], &panSmoother[1][c]})
        {
            smoother->setSampleRate(rate);
            smoother->setFrequency(kSmootherCutoff);
        }
        sections[static_cast<size_t>(c)].setSampleRate(rate, oversampling.factorInUse);

        const auto maxLookahead = static_cast<int>(kMaxLookaheadSeconds * currentRate);
        lookaheadDelay[c].setSampleRate(rate);
        lookaheadDelay[c].allocate(maxLookahead);
        dryCompensationDelay[c].setSampleRate(rate);
        dryCompensationDelay[c].allocate(kDryCompensationStorage);
        dryCompensationDelay[c].setDelay(kDryCompensationDelay);
        sideChainDelay[c].setSampleRate(rate);
        sideChainDelay[c].allocate(maxLookahead);
    }
    for (CDelay* delay : {&dryStemDelay[0], &dryStemDelay[1], &dryStemDelay[2], &dryStemDelay[3],
                          &listenDelay[0], &listenDelay[1]})
    {
        delay->allocate(kDryCompensationStorage);
        delay->setDelay(kDryCompensationDelay);
    }
    configureLookahead();
}

void CPlug::setBlockSize(VstInt32 size)
{
    if (size <= 0) return;
    blockSize = size;
    const int frames = size * oversampling.factorInUse;
    splitter.setBlockSize(frames);
    for (CSectionProcessor& section : sections) section.setBlockSize(frames);
}

void CPlug::resume()
{
    // No block runs during resume, so what the last blocks left pending is applied here.
    pathShared.store(false, std::memory_order_release);
    {
        const auto model = lockParameters();
        applyPendingChanges();
    }
    const VstTimeInfo* time = getTimeInfo(kAllTimeInfo);
    if (rateSet && currentRate != rateAtLastResume)
    {
        rateAtLastResume = currentRate;
        setProgram(curProgramIndex);
    }
    if (time && (time->flags & kVstTempoValid) && time->tempo != tempo) tempo = time->tempo;

    prepareSignalPath();
    // A project restored with oversampling on runs, and reports its latency, that way from the
    // first block.
    if (oversampling.osChangePending) applyOversamplingChange();
    configureAnalysers();
    analysers[kSectionBelow].parameter = 0.5f;
    wantEvents(1);
    pathShared.store(true, std::memory_order_release);
}
