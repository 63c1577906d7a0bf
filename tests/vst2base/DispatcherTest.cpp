#include "RecordingEffect.h"

#include <gtest/gtest.h>

namespace
{
VstIntPtr dispatch(AEffect* record, VstInt32 opcode, VstInt32 index = 0, VstIntPtr value = 0,
                   void* ptr = nullptr, float opt = 0)
{
    return record->dispatcher(record, opcode, index, value, ptr, opt);
}
} // namespace

TEST(Dispatcher, RecordPointersReachTheVirtuals)
{
    RecordingEffect effect;
    AEffect* record = effect.getAeffect();

    record->setParameter(record, 3, 0.25f);
    EXPECT_EQ(effect.log.back(), "set 3");
    EXPECT_EQ(effect.lastValue, 0.25f);
    EXPECT_FLOAT_EQ(record->getParameter(record, 2), 0.2f);

    float in[4] = {1, 2, 3, 4}, out[4] = {};
    float* ins[] = {in};
    float* outs[] = {out};
    record->processReplacing(record, ins, outs, 4);
    EXPECT_EQ(out[3], 8.0f);
    record->process(record, ins, outs, 4); // retired accumulating call does nothing
    EXPECT_EQ(out[3], 8.0f);
}

TEST(Dispatcher, LifecycleAndConfigurationOpcodes)
{
    RecordingEffect effect;
    AEffect* record = effect.getAeffect();
    dispatch(record, effOpen);
    dispatch(record, effMainsChanged, 0, 1);
    dispatch(record, effMainsChanged, 0, 0);
    EXPECT_EQ(effect.log, (std::vector<std::string>{"open", "resume", "suspend"}));

    dispatch(record, effSetSampleRate, 0, 0, nullptr, 96000.0f);
    dispatch(record, effSetBlockSize, 0, 256);
    EXPECT_EQ(effect.getSampleRate(), 96000.0f);
    EXPECT_EQ(effect.getBlockSize(), 256);

    dispatch(record, effSetProgram, 0, 5); // only one program: ignored
    EXPECT_EQ(dispatch(record, effGetProgram), 0);
}

TEST(Dispatcher, ExtendedOpcodesPassArgumentsThrough)
{
    RecordingEffect effect;
    AEffect* record = effect.getAeffect();
    char word[] = "bypass", other[] = "offline";
    EXPECT_EQ(dispatch(record, effCanDo, 0, 0, word), 1);
    EXPECT_EQ(dispatch(record, effCanDo, 0, 0, other), -1);
    EXPECT_EQ(dispatch(record, effVendorSpecific, 10, 20, word, 3.0f), 34);
    char name[64] = {};
    EXPECT_EQ(dispatch(record, effGetEffectName, 0, 0, name), 1);
    EXPECT_STREQ(name, "Recorder");
    EXPECT_EQ(dispatch(record, effCanBeAutomated, 7), 1);
    EXPECT_EQ(dispatch(record, effGetVstVersion), 2400);
    EXPECT_EQ(dispatch(record, effGetCurrentMidiProgram), -1);
    EXPECT_EQ(dispatch(record, 9), 0); // retired opcode
    EXPECT_EQ(dispatch(record, 1000), 0);
}

TEST(Dispatcher, EditorOpcodesNeedAnEditor)
{
    RecordingEffect effect;
    AEffect* record = effect.getAeffect();
    ERect* rect = nullptr;
    EXPECT_EQ(dispatch(record, effEditGetRect, 0, 0, &rect), 0);
    dispatch(record, effEditIdle);

    int destroyed = 0;
    auto* editor = new CountingEditor(&effect, &destroyed);
    effect.setEditor(editor);
    EXPECT_EQ(dispatch(record, effEditGetRect, 0, 0, &rect), 1);
    ASSERT_NE(rect, nullptr);
    EXPECT_EQ(rect->right, 875);
    dispatch(record, effEditIdle);
    EXPECT_EQ(editor->idles, 1);
}
