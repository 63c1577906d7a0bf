#pragma once

#include "vstgui/lib/cframe.h"
#include "vstgui/lib/vstguieditorinterface.h"

#include "VST3Adapter/vst2base/aeffeditor.h"

#include <cstdint>

// The editor binding for VST 2.4-style effects: an AEffEditor whose window is a VSTGUI frame.
// Derived editors create the frame in open() (after calling this open) and set `frame`.
class AEffGUIEditor : public AEffEditor, public VSTGUI::VSTGUIEditorInterface
{
public:
    // Registers itself as the effect's editor; the effect owns it from then on.
    explicit AEffGUIEditor(AudioEffect* effect);
    ~AEffGUIEditor() override;

    bool getRect(ERect** rect) override;
    bool open(void* parentWindow) override;
    void close() override;
    void idle() override;
    bool onKeyDown(VstKeyCode& keyCode) override;
    bool onKeyUp(VstKeyCode& keyCode) override;
    bool onWheel(float distance) override;
    bool setKnobMode(VstInt32 mode) override;

    // The effect reports a parameter change; editors update their controls.
    virtual void setParameter(VstInt32 /*index*/, float /*value*/) {}
    virtual void draw(ERect* /*rect*/) {}

    void beginEdit(VSTGUI::int32 index) override;
    void endEdit(VSTGUI::int32 index) override;
    void doIdleStuff() override;
    VSTGUI::int32 getKnobMode() const override { return knobMode; }

    // Milliseconds since the editor was created.
    uint32_t getTicks() const;

protected:
    ERect rect{};

private:
    uint64_t startTicks;
    bool inIdleStuff = false;
    VSTGUI::int32 knobMode = VSTGUI::kLinearMode;
};
