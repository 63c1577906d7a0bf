#pragma once
// The editor base: a frame in a host window or an image, its zoom, and the operations the editor
// asks of the effect.

#include "VST3Adapter/EditorPlatform.h"
#include "code/EditorSeam.h"
#include "vstgui/lib/controls/icontrollistener.h"
#include "vstgui/lib/platform/offscreenframe.h"
#include "vstgui/plugin-bindings/aeffguieditor.h"

#include <atomic>

class CFrameCM;

class COrvEditor : public AEffGUIEditor,
                   public VSTGUI::IControlListener,
                   public velqa::IEditorSink,
                   public velqa::IEditorPlatform
{
public:
    static constexpr int kWidth = 875;
    static constexpr int kHeight = 730;
    static constexpr VstInt32 kAltKey = 56; // VST virtual key of Alt

    explicit COrvEditor(AudioEffect* effect);
    ~COrvEditor() override;

    bool open(void* parentWindow) override;
    void close() override;
    void idle() override;
    bool onKeyDown(VstKeyCode& keyCode) override;
    bool onKeyUp(VstKeyCode& keyCode) override;

    void setFrameConfig(const VSTGUI::X11::FrameConfig& config) override { frameConfig = config; }
    bool openOffscreen(double contentScale) override;
    bool writeOffscreenPng(const char* path) override;
    bool setEditorZoom(double zoom) override;

    double getZoom() const { return zoom; }
    bool isReady() const { return ready.load(); }
    bool isAltHeld() const { return altHeld; }
    CFrameCM* getFrameCM() const;
    VSTGUI::COffscreenPlatformFrame* getOffscreenFrame() const { return offscreen; }

    // Forwarded to the effect. Automated sets tell the host; quiet ones do not.
    void setParameterAutomated(VstInt32 index, float value);
    void setParameterQuietly(VstInt32 index, float value);
    float getParameter(VstInt32 index);
    // Puts the tag's help text into the status line; false when the tag has none to show.
    virtual bool showHelpText(VSTGUI::int32 /*tag*/) { return false; }

protected:
    // Called before the frame is made for an opening, while the editor is still closed.
    virtual void prepareOpen() {}
    // Builds the views into the new frame (before it is bound to a window or image).
    virtual void buildFrame(CFrameCM* newFrame) = 0;
    // The frame is bound and drawing; the views can take the effect's values.
    virtual void finishOpen() {}
    // Forgets every pointer into the frame's views; the frame is about to go.
    virtual void forgetViews() = 0;
    // Runs once per idle after the frame's own idle.
    virtual void editorTick() {}
    // The frame has just taken a new zoom.
    virtual void zoomChanged() {}

    // Zooms the frame, resizes the editor rectangle and tells the host the new size.
    bool applyZoom(double newZoom);
    // The editor rectangle for a zoom, before there is a frame.
    void setInitialZoom(double newZoom);

    std::atomic<bool> ready{false};

private:
    CFrameCM* createFrame();
    void applyRect();
    bool bindFailed(CFrameCM* newFrame);
    void opened();

    VSTGUI::X11::FrameConfig frameConfig;
    VSTGUI::COffscreenPlatformFrame* offscreen = nullptr;
    double zoom = 1.0;
    bool altHeld = false;
};
