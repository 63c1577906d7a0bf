#include "ToolkitTestSupport.h"

#include "vstgui/lib/controls/cknob.h"
#include "vstgui/plugin-bindings/aeffguieditor.h"

#include "VST3Adapter/vst2base/audioeffectx.h"

#include <gtest/gtest.h>

using namespace VSTGUI;
using namespace toolkit_test;

namespace
{

std::vector<std::pair<VstInt32, VstInt32>> hostCalls; // opcode, index

VstIntPtr recordingHost(AEffect*, VstInt32 opcode, VstInt32 index, VstIntPtr, void*, float)
{
    if (opcode == audioMasterBeginEdit || opcode == audioMasterEndEdit)
        hostCalls.emplace_back(opcode, index);
    return 1;
}

struct SilentEffect : AudioEffectX
{
    SilentEffect() : AudioEffectX(recordingHost, 1, 4) {}
    void processReplacing(float**, float**, VstInt32) override {}
};

// An editor in the shape product editors take: a frame built in open, controls tagged by
// parameter index.
struct KnobEditor : AEffGUIEditor
{
    explicit KnobEditor(AudioEffect* effect) : AEffGUIEditor(effect)
    {
        rect.right = 120;
        rect.bottom = 80;
    }
    bool open(void* parent) override
    {
        AEffGUIEditor::open(parent);
        frame = new CFrame(CRect(0, 0, rect.right, rect.bottom), this);
        knob = new CKnob(CRect(10, 10, 70, 70), nullptr, 2, nullptr);
        frame->addView(knob);
        platform = openOffscreen(frame);
        return platform != nullptr;
    }
    void close() override
    {
        frame->close();
        frame = nullptr;
        AEffGUIEditor::close();
    }
    CKnob* knob = nullptr;
    COffscreenPlatformFrame* platform = nullptr;
};

} // namespace

TEST(EditorBinding, RegistersWithTheEffectAndRoutesEditsToTheHost)
{
    hostCalls.clear();
    SilentEffect effect;
    auto* editor = new KnobEditor(&effect); // owned by the effect from here
    EXPECT_EQ(effect.getEditor(), editor);
    ERect* rect = nullptr;
    ASSERT_TRUE(editor->getRect(&rect));
    EXPECT_EQ(rect->right, 120);

    ASSERT_TRUE(editor->open(nullptr));
    editor->getFrame()->platformOnMouseDown(CPoint(40, 40), kLButton);
    editor->getFrame()->platformOnMouseMoved(CPoint(40, 20), kLButton);
    editor->getFrame()->platformOnMouseUp(CPoint(40, 20), kLButton);
    EXPECT_EQ(hostCalls, (std::vector<std::pair<VstInt32, VstInt32>>{{audioMasterBeginEdit, 2},
                                                                     {audioMasterEndEdit, 2}}));
    EXPECT_GT(editor->knob->getValue(), 0.f);

    // Keys and wheel from the host go where the frame sends them.
    VstKeyCode key{'a', 0, 0};
    EXPECT_FALSE(editor->onKeyDown(key)); // nothing has the focus
    float before = editor->knob->getValue();
    EXPECT_TRUE(editor->onWheel(1.f)); // the pointer was last over the knob
    EXPECT_GT(editor->knob->getValue(), before);
    editor->idle();
    editor->close();
    editor->idle(); // closed: nothing to do
    EXPECT_FALSE(editor->onWheel(1.f));
}

TEST(EditorBinding, DeletingAnOpenEditorClosesItsFrame)
{
    SilentEffect effect;
    auto* editor = new KnobEditor(&effect);
    ASSERT_TRUE(editor->open(nullptr));
    // The effect deletes the still-open editor with itself; sanitizers see the frame go too.
}
