#pragma once
// The editor base: a VSTGUI frame in a host window or an image, zoom, and the road from
// controls to the effect's parameters and back.

#include "VST3Adapter/EditorPlatform.h"
#include "code/EditorSeam.h"
#include "vstgui/lib/controls/icontrollistener.h"
#include "vstgui/lib/platform/offscreenframe.h"
#include "vstgui/plugin-bindings/aeffguieditor.h"

#include <atomic>

class COrvEditor : public AEffGUIEditor,
                   public VSTGUI::IControlListener,
                   public velqa::IEditorSink,
                   public velqa::IEditorPlatform
{
public:
    static constexpr int kWidth = 875;
    static constexpr int kHeight = 730;

    explicit COrvEditor(AudioEffect* effect);
    ~COrvEditor() override;

    bool open(void* parentWindow) override;
    void close() override;
    void idle() override;

    // The effect reports a value; may come from the audio thread, so it only stores and marks.
    void setParameter(VstInt32 index, float value) override;

    void setFrameConfig(const VSTGUI::X11::FrameConfig& config) override { frameConfig = config; }
    bool openOffscreen(double contentScale) override;
    bool writeOffscreenPng(const char* path) override;
    bool setEditorZoom(double zoom) override { return setZoom(zoom); }

    bool setZoom(double zoom);
    double getZoom() const { return zoom; }
    bool isReady() const { return ready.load(); }
    VSTGUI::COffscreenPlatformFrame* getOffscreenFrame() const { return offscreen; }

    // Control tags map to effect parameters; -1 for controls with none.
    void beginEdit(VSTGUI::int32 tag) override;
    void endEdit(VSTGUI::int32 tag) override;
    void valueChanged(VSTGUI::CControl* control) override;

    void setParameterAutomated(VstInt32 index, float value);
    float getParameter(VstInt32 index);

protected:
    virtual VstInt32 parameterOfTag(VSTGUI::int32 tag) const = 0;
    // Builds the views into the new frame (before it is bound to a window or image).
    virtual void buildFrame(VSTGUI::CFrame* newFrame) = 0;
    // Forgets every pointer into the frame's views; the frame is about to go.
    virtual void forgetViews() = 0;
    // Shows a value on the controls bound to it; only called while open.
    virtual void showParameter(VstInt32 index, float value) = 0;
    // Runs once per idle after the frame's own idle.
    virtual void editorTick() {}

private:
    VSTGUI::CFrame* createFrame();
    // Sets the frame's zoom and the editor rectangle from the zoom.
    void applyRect();
    void finishOpen();

    VSTGUI::X11::FrameConfig frameConfig;
    VSTGUI::COffscreenPlatformFrame* offscreen = nullptr;
    double zoom = 1.0;
    std::atomic<bool> ready{false};
    // Calls of setParameter under way; close waits for them so no control goes mid-call.
    std::atomic<int> callsInside{0};
};
