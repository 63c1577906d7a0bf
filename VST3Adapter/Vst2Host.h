#pragma once
// The VST 2 host the effect believes it runs in. Its callback turns the effect's requests
// into calls on the adapter.

#include "VST3Adapter/Vst2HostInterfaces.h"
#include "VST3Adapter/Vst2Plugin.h"

#include <vector>

class CVst2Host
{
public:
    CVst2Host();
    virtual ~CVst2Host();
    CVst2Host(const CVst2Host&) = delete;
    CVst2Host& operator=(const CVst2Host&) = delete;

    // This module never hosts effects from other libraries.
    virtual IPlugin* loadPlugin(const char* /*libraryPath*/) { return nullptr; }
    virtual void unloadAllPlugins() { furtherPlugins.clear(); }

    AudioEffect* createEffect();
    CVst2Plugin& getPlugin() { return plugin; }

    void setMainHost(IMainHost* host) { mainHost = host; }
    void setEditHost(IEditHost* host) { editHost = host; }
    void setExternalTimeInfo(VstTimeInfo* info) { externalTimeInfo = info; }
    VstTimeInfo* getTimeInfo() { return externalTimeInfo ? externalTimeInfo : &defaultTimeInfo; }

    void makeCurrent();

    static VstIntPtr hostCallback(AEffect* effect, VstInt32 opcode, VstInt32 index, VstIntPtr value,
                                  void* ptr, float opt);

private:
    VstIntPtr answer(VstInt32 opcode, VstInt32 index, VstIntPtr value, void* ptr, float opt);
    static CVst2Host* findHost(const AEffect* effect);

    CVst2Plugin plugin;
    std::vector<IPlugin*> furtherPlugins;
    // Kept for hosted effects from other libraries; the module's own effect never asks.
    [[maybe_unused]] VstInt32 blockSize = -1;
    [[maybe_unused]] float sampleRate = -1.0f;
    VstTimeInfo defaultTimeInfo{};
    VstTimeInfo* externalTimeInfo = nullptr;
    IMainHost* mainHost = nullptr;
    IEditHost* editHost = nullptr;
};
