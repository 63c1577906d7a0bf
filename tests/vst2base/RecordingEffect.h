#pragma once
// A small effect that remembers what reached it, and a host callback that remembers what
// the effect asked for.

#include "VST3Adapter/vst2base/aeffeditor.h"
#include "VST3Adapter/vst2base/audioeffectx.h"

#include <cstring>
#include <string>
#include <vector>

struct HostCall
{
    VstInt32 opcode;
    VstInt32 index;
    VstIntPtr value;
    void* ptr;
    float opt;
};

inline std::vector<HostCall> hostCalls;
inline VstIntPtr hostAnswer = 0;

inline VstIntPtr recordingHost(AEffect*, VstInt32 opcode, VstInt32 index, VstIntPtr value,
                               void* ptr, float opt)
{
    hostCalls.push_back({opcode, index, value, ptr, opt});
    return hostAnswer;
}

class RecordingEffect : public AudioEffectX
{
public:
    explicit RecordingEffect(audioMasterCallback master = recordingHost)
        : AudioEffectX(master, 1, 4)
    {
    }

    void processReplacing(float** in, float** out, VstInt32 frames) override
    {
        for (VstInt32 i = 0; i < frames; ++i) out[0][i] = 2 * in[0][i];
    }
    void setParameter(VstInt32 index, float value) override
    {
        log.push_back("set " + std::to_string(index));
        lastValue = value;
    }
    float getParameter(VstInt32 index) override { return static_cast<float>(index) / 10; }
    void open() override { log.push_back("open"); }
    void suspend() override { log.push_back("suspend"); }
    void resume() override { log.push_back("resume"); }
    VstInt32 canDo(char* text) override { return std::string(text) == "bypass" ? 1 : -1; }
    VstIntPtr vendorSpecific(VstInt32 a, VstIntPtr b, void* p, float f) override
    {
        return a + b + (p ? 1 : 0) + static_cast<VstIntPtr>(f);
    }
    bool getEffectName(char* name) override
    {
        std::strcpy(name, "Recorder");
        return true;
    }

    std::vector<std::string> log;
    float lastValue = -1;
};

class CountingEditor : public AEffEditor
{
public:
    CountingEditor(AudioEffect* effect, int* destroyed) : AEffEditor(effect), destroyed(destroyed)
    {
    }
    ~CountingEditor() override { ++*destroyed; }
    bool getRect(ERect** rect) override
    {
        *rect = &bounds;
        return true;
    }
    void idle() override { ++idles; }

    ERect bounds{0, 0, 730, 875};
    int idles = 0;
    int* destroyed;
};
