// The effect base as the adapter uses it: the few opcodes it sends through the record, and the
// editor the effect owns.
#include "VST3Adapter/vst2base/aeffeditor.h"
#include "VST3Adapter/vst2base/audioeffectx.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace
{

VstIntPtr silentHost(AEffect*, VstInt32, VstInt32, VstIntPtr, void*, float)
{
    return 0;
}

class RecordingEffect : public AudioEffectX
{
public:
    RecordingEffect() : AudioEffectX(silentHost, 1, 4) {}

    void processReplacing(float**, float**, VstInt32) override {}
    void suspend() override { log.push_back("suspend"); }
    void resume() override { log.push_back("resume"); }
    bool getEffectName(char* name) override
    {
        std::strcpy(name, "Recorder");
        return true;
    }

    std::vector<std::string> log;
};

class CountingEditor : public AEffEditor
{
public:
    CountingEditor(AudioEffect* effect, int* destroyed) : AEffEditor(effect), destroyed(destroyed)
    {
    }
    ~CountingEditor() override { ++*destroyed; }

    int* destroyed;
};

} // namespace

TEST(EffectBase, NameAndMainsOpcodesReachTheVirtuals)
{
    RecordingEffect effect;
    AEffect* record = effect.getAeffect();
    char name[64] = {};
    EXPECT_EQ(record->dispatcher(record, effGetEffectName, 0, 0, name, 0), 1);
    EXPECT_STREQ(name, "Recorder");
    char vendor[64] = {};
    EXPECT_EQ(record->dispatcher(record, effGetVendorString, 0, 0, vendor, 0), 0);
    EXPECT_STREQ(vendor, "");

    record->dispatcher(record, effMainsChanged, 0, 1, nullptr, 0);
    record->dispatcher(record, effMainsChanged, 0, 0, nullptr, 0);
    EXPECT_EQ(effect.log, (std::vector<std::string>{"resume", "suspend"}));
    EXPECT_EQ(record->dispatcher(record, 1000, 0, 0, nullptr, 0), 0);
}

TEST(EffectBase, EditorRegistrationSetsFlagAndIsOwned)
{
    int destroyed = 0;
    {
        RecordingEffect effect;
        effect.setEditor(new CountingEditor(&effect, &destroyed));
        EXPECT_TRUE(effect.getAeffect()->flags & effFlagsHasEditor);
    }
    EXPECT_EQ(destroyed, 1);
}
