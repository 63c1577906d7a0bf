#include "ToolkitTestSupport.h"

#include "vstgui/lib/controls/cknob.h"
#include "vstgui/lib/controls/ctextedit.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace VSTGUI;
using namespace toolkit_test;

namespace
{

struct KnobFixture : ::testing::Test
{
    KnobFixture()
    {
        knob = new CKnob(CRect(50, 10, 110, 70), &listener, 7, nullptr);
        knob->setValue(0.5f);
        knob->setDefaultValue(0.25f);
        f.frame->addView(knob);
        f.frame->idle();
    }
    RecordingListener listener;
    OffscreenFrame f;
    CKnob* knob;
};

KeyCode character(int32 c, uint8 modifier = 0)
{
    KeyCode key;
    key.character = c;
    key.modifier = modifier;
    return key;
}

KeyCode virtualKey(uint8 virt, uint8 modifier = 0)
{
    KeyCode key;
    key.virt = virt;
    key.modifier = modifier;
    return key;
}

} // namespace

// Plain drags, the wheel and the frame's editor are the editor control tests' part.
TEST_F(KnobFixture, ShiftDragIsFinerAndSwitchesSpeedMidDrag)
{
    f.down(80, 40, kLButton | kShift);
    f.move(80, 20, kLButton | kShift);
    float fine = knob->getValue() - 0.5f;
    EXPECT_NEAR(fine, 20 / (knob->getLinearRange() * knob->getZoomFactor()), 1e-5);
    // Releasing Shift continues from the current value at full speed, without a jump.
    f.move(80, 20, kLButton);
    EXPECT_NEAR(knob->getValue() - 0.5f, fine, 1e-6);
    f.move(80, 0, kLButton);
    EXPECT_NEAR(knob->getValue() - 0.5f - fine, 20 / knob->getLinearRange(), 1e-5);
    f.up(80, 0, kLButton);
}

TEST_F(KnobFixture, CtrlClickResetsToDefaultOnlyWithCtrlAlone)
{
    f.down(80, 40, kLButton | kControl);
    EXPECT_EQ(knob->getValue(), 0.25f);
    EXPECT_EQ(listener.calls, (std::vector<std::string>{"begin 7", "changed 7", "end 7"}));
    f.up(80, 40, kLButton | kControl);

    knob->setValue(0.5f);
    f.down(80, 40, kLButton | kControl | kShift); // not a reset: a fine drag
    EXPECT_EQ(knob->getValue(), 0.5f);
    f.up(80, 40, kLButton);
    f.down(80, 40, kRButton | kControl); // right button: not taken
    EXPECT_EQ(knob->getValue(), 0.5f);
}

TEST(AnimKnob, FilmStripFrameFollowsTheValue)
{
    auto strip = stripPng(10, 10, 129, 1);
    auto* bitmap = new CBitmap(strip.data(), strip.size());
    OffscreenFrame f(40, 20);
    auto* knob = new CAnimKnob(CRect(0, 0, 10, 10), nullptr, 1, bitmap);
    bitmap->forget();
    f.frame->addView(knob);
    EXPECT_EQ(knob->getNumSubPixmaps(), 129);
    for (float value : {0.f, 0.5f, 1.f, 0.3f})
    {
        knob->setValue(value);
        f.frame->idle();
        int frameIndex = static_cast<int>(std::lround(value * 128));
        EXPECT_EQ(knob->getFrameIndex(), frameIndex);
        EXPECT_EQ(f.pixel(5, 5).red, frameIndex) << value; // frame k is grey level k
    }
    knob->setValue(std::nanf(""));
    f.frame->idle();
    EXPECT_EQ(knob->getFrameIndex(), 0);
}

TEST(TextEdit, TypingEditingCommitAndCancel)
{
    RecordingListener listener;
    OffscreenFrame f(200, 40);
    auto* edit = new CTextEdit(CRect(10, 10, 190, 30), &listener, 44, "Init");
    f.frame->addView(edit);

    // A click focuses with everything selected; typing replaces it.
    f.down(50, 20);
    f.up(50, 20);
    ASSERT_TRUE(edit->isEditing());
    EXPECT_EQ(f.frame->getFocusView(), edit);
    EXPECT_EQ(edit->getSelectionStart(), 0u);
    EXPECT_EQ(edit->getSelectionEnd(), 4u);
    auto press = [&](KeyCode key) { return f.frame->platformOnKeyDown(key); };
    for (char c : std::string("Bass")) press(character(c));
    EXPECT_EQ(edit->getEditText(), "Bass");
    EXPECT_TRUE(listener.calls.empty()); // nothing reported before the commit

    press(virtualKey(VKEY_HOME));
    press(virtualKey(VKEY_DELETE));
    press(character(0xE9)); // é, two bytes in UTF-8
    EXPECT_EQ(edit->getEditText(), "\xC3\xA9"
                                   "ass");
    EXPECT_EQ(edit->getCursorPosition(), 2u);
    press(virtualKey(VKEY_LEFT));
    EXPECT_EQ(edit->getCursorPosition(), 0u); // one character, two bytes
    press(virtualKey(VKEY_END));
    press(virtualKey(VKEY_LEFT, MODIFIER_SHIFT));
    press(virtualKey(VKEY_LEFT, MODIFIER_SHIFT));
    press(virtualKey(VKEY_BACK));
    EXPECT_EQ(edit->getEditText(), "\xC3\xA9"
                                   "a");
    press(virtualKey(VKEY_BACK));
    press(virtualKey(VKEY_BACK));
    press(virtualKey(VKEY_BACK)); // nothing left to delete
    press(character('V'));
    press(virtualKey(VKEY_SPACE));
    press(character('1'));
    EXPECT_EQ(press(virtualKey(VKEY_TAB)), -1);

    EXPECT_EQ(press(virtualKey(VKEY_RETURN)), 1);
    EXPECT_FALSE(edit->isEditing());
    EXPECT_EQ(edit->getText(), "V 1");
    EXPECT_EQ(f.frame->getFocusView(), nullptr);
    EXPECT_EQ(listener.calls, (std::vector<std::string>{"begin 44", "changed 44", "end 44"}));

    // Escape throws the typing away.
    f.down(50, 20);
    press(character('x'));
    press(virtualKey(VKEY_ESCAPE));
    EXPECT_EQ(edit->getText(), "V 1");
    EXPECT_EQ(listener.calls.size(), 3u);

    // Clicking elsewhere commits, like Enter.
    f.down(50, 20);
    press(character('Q'));
    f.up(50, 20);
    f.down(5, 5);
    EXPECT_EQ(edit->getText(), "Q");
    EXPECT_EQ(listener.calls.size(), 6u);
    EXPECT_EQ(press(character('z')), -1); // no focus: keys go nowhere
}

TEST(TextEdit, ClickPlacesTheCursorAndMaxLengthHolds)
{
    OffscreenFrame f(200, 40);
    auto* edit = new CTextEdit(CRect(10, 10, 190, 30), nullptr, 1, "abcdef");
    edit->setMaxLength(7);
    f.frame->addView(edit);
    f.down(100, 20);
    f.up(100, 20);
    f.down(11, 20); // second click, at the left edge: cursor to the start
    f.up(11, 20);
    EXPECT_EQ(edit->getCursorPosition(), 0u);
    f.down(189, 20);
    f.up(189, 20);
    EXPECT_EQ(edit->getCursorPosition(), 6u);
    KeyCode key = character('g');
    f.frame->platformOnKeyDown(key);
    key = character('h');
    f.frame->platformOnKeyDown(key);
    EXPECT_EQ(edit->getEditText(), "abcdefg");
    f.frame->idle(); // draws the caret and text without trouble
}
