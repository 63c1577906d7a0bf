#include "VST3Adapter/vst2base/audioeffect.h"

#include "VST3Adapter/vst2base/aeffeditor.h"

#include <cmath>
#include <cstdio>
#include <cstring>

namespace
{
AudioEffect* owner(AEffect* effect)
{
    return static_cast<AudioEffect*>(effect->object);
}

VstIntPtr dispatchTrampoline(AEffect* effect, VstInt32 opcode, VstInt32 index, VstIntPtr value,
                             void* ptr, float opt)
{
    return owner(effect)->dispatcher(opcode, index, value, ptr, opt);
}

void processTrampoline(AEffect*, float**, float**, VstInt32) {}

void setParameterTrampoline(AEffect* effect, VstInt32 index, float value)
{
    owner(effect)->setParameter(index, value);
}

float getParameterTrampoline(AEffect* effect, VstInt32 index)
{
    return owner(effect)->getParameter(index);
}

void processReplacingTrampoline(AEffect* effect, float** inputs, float** outputs,
                                VstInt32 sampleFrames)
{
    owner(effect)->processReplacing(inputs, outputs, sampleFrames);
}

void processDoubleReplacingTrampoline(AEffect* effect, double** inputs, double** outputs,
                                      VstInt32 sampleFrames)
{
    owner(effect)->processDoubleReplacing(inputs, outputs, sampleFrames);
}

// Writes the text only when it fits, so a caller never sees a truncated number.
void copyOrHuge(char* text, VstInt32 maxLen, const char* source)
{
    if (!text || maxLen <= 0) return;
    const size_t length = std::strlen(source);
    if (length >= static_cast<size_t>(maxLen)) source = "Huge!";
    std::snprintf(text, static_cast<size_t>(maxLen), "%s", source);
}

void formatOrHuge(char* text, VstInt32 maxLen, const char* format, double value)
{
    char buffer[64];
    const int length = std::snprintf(buffer, sizeof buffer, format, value);
    if (length < 0 || length >= static_cast<int>(sizeof buffer) || !std::isfinite(value))
        copyOrHuge(text, maxLen, "Huge!");
    else
        copyOrHuge(text, maxLen, buffer);
}
} // namespace

AudioEffect::AudioEffect(audioMasterCallback audioMaster, VstInt32 numPrograms, VstInt32 numParams)
    : audioMaster(audioMaster), numPrograms(numPrograms), numParams(numParams)
{
    std::memset(&cEffect, 0, sizeof cEffect);
    cEffect.magic = kEffectMagic;
    cEffect.dispatcher = dispatchTrampoline;
    cEffect.process = processTrampoline;
    cEffect.setParameter = setParameterTrampoline;
    cEffect.getParameter = getParameterTrampoline;
    cEffect.numPrograms = numPrograms;
    cEffect.numParams = numParams;
    cEffect.numInputs = 1;
    cEffect.numOutputs = 2;
    cEffect.flags = effFlagsCanReplacing;
    cEffect.ioRatio = 1.0f;
    cEffect.object = this;
    cEffect.uniqueID = kDefaultUniqueId;
    cEffect.version = 1;
    cEffect.processReplacing = processReplacingTrampoline;
    cEffect.processDoubleReplacing = processDoubleReplacingTrampoline;
}

AudioEffect::~AudioEffect()
{
    delete editor;
}

void AudioEffect::setEditor(AEffEditor* newEditor)
{
    editor = newEditor;
    setFlag(effFlagsHasEditor, newEditor != nullptr);
}

VstIntPtr AudioEffect::callHost(VstInt32 opcode, VstInt32 index, VstIntPtr value, void* ptr,
                                float opt) const
{
    if (!audioMaster) return 0;
    return audioMaster(const_cast<AEffect*>(&cEffect), opcode, index, value, ptr, opt);
}

void AudioEffect::setParameterAutomated(VstInt32 index, float value)
{
    setParameter(index, value);
    callHost(audioMasterAutomate, index, 0, nullptr, value);
}

VstInt32 AudioEffect::getMasterVersion()
{
    return static_cast<VstInt32>(callHost(audioMasterVersion));
}

VstInt32 AudioEffect::getCurrentUniqueId()
{
    return static_cast<VstInt32>(callHost(audioMasterCurrentId));
}

void AudioEffect::masterIdle()
{
    callHost(audioMasterIdle);
}

VstIntPtr AudioEffect::dispatcher(VstInt32 opcode, VstInt32 index, VstIntPtr value, void* ptr,
                                  float opt)
{
    switch (opcode)
    {
    case effOpen:
        open();
        return 0;
    case effClose:
        close();
        return 0;
    case effSetProgram:
        if (value >= 0 && value < numPrograms) setProgram(static_cast<VstInt32>(value));
        return 0;
    case effGetProgram:
        return getProgram();
    case effSetProgramName:
        setProgramName(static_cast<char*>(ptr));
        return 0;
    case effGetProgramName:
        getProgramName(static_cast<char*>(ptr));
        return 0;
    case effGetParamLabel:
        getParameterLabel(index, static_cast<char*>(ptr));
        return 0;
    case effGetParamDisplay:
        getParameterDisplay(index, static_cast<char*>(ptr));
        return 0;
    case effGetParamName:
        getParameterName(index, static_cast<char*>(ptr));
        return 0;
    case effSetSampleRate:
        setSampleRate(opt);
        return 0;
    case effSetBlockSize:
        setBlockSize(static_cast<VstInt32>(value));
        return 0;
    case effMainsChanged:
        if (value == 0)
            suspend();
        else
            resume();
        return 0;
    case effEditGetRect:
        return editor ? editor->getRect(static_cast<ERect**>(ptr)) : 0;
    case effEditOpen:
        return editor ? editor->open(ptr) : 0;
    case effEditClose:
        if (editor) editor->close();
        return 0;
    case effEditIdle:
        if (editor) editor->idle();
        return 0;
    case effGetChunk:
        return getChunk(static_cast<void**>(ptr), index != 0);
    case effSetChunk:
        return setChunk(ptr, static_cast<VstInt32>(value), index != 0);
    default:
        return 0;
    }
}

void AudioEffect::dB2string(float value, char* text, VstInt32 maxLen)
{
    if (value <= 0)
        copyOrHuge(text, maxLen, "-inf");
    else
        formatOrHuge(text, maxLen, "%.2f", 20.0 * std::log10(static_cast<double>(value)));
}

void AudioEffect::Hz2string(float samples, char* text, VstInt32 maxLen)
{
    const double hz = samples != 0 ? static_cast<double>(sampleRate) / samples : 0.0;
    formatOrHuge(text, maxLen, "%.0f", hz);
}

void AudioEffect::ms2string(float samples, char* text, VstInt32 maxLen)
{
    formatOrHuge(text, maxLen, "%.2f", samples * 1000.0 / static_cast<double>(sampleRate));
}

void AudioEffect::float2string(float value, char* text, VstInt32 maxLen)
{
    formatOrHuge(text, maxLen, "%.2f", value);
}

void AudioEffect::int2string(VstInt32 value, char* text, VstInt32 maxLen)
{
    formatOrHuge(text, maxLen, "%.0f", value);
}
